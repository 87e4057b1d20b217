#include "shell/Dispatch.h"

#include <cstdint>

#include "host/HostConstants.h"
#include "host/Variant.h"
#include "shell/CommandHandlers.h"

namespace tavrelio {

namespace {

// Selectors compared as unsigned, so values that read as negative fall to the default.
enum class Selector : std::uint32_t {
  About = PF_Cmd_ABOUT,
  GlobalSetup = PF_Cmd_GLOBAL_SETUP,
  GlobalSetdown = PF_Cmd_GLOBAL_SETDOWN,
  ParamsSetup = PF_Cmd_PARAMS_SETUP,
  SequenceSetup = PF_Cmd_SEQUENCE_SETUP,
  SequenceResetup = PF_Cmd_SEQUENCE_RESETUP,
  SequenceSetdown = PF_Cmd_SEQUENCE_SETDOWN,
  UserChangedParam = PF_Cmd_USER_CHANGED_PARAM,
  UpdateParamsUI = PF_Cmd_UPDATE_PARAMS_UI,
  CompletelyGeneral = PF_Cmd_COMPLETELY_GENERAL,
  SmartPreRender = PF_Cmd_SMART_PRE_RENDER,
  SmartRender = PF_Cmd_SMART_RENDER,
};

bool IsHandled(Selector selector) {
  switch (selector) {
    case Selector::About:
    case Selector::GlobalSetup:
    case Selector::GlobalSetdown:
    case Selector::ParamsSetup:
    case Selector::SequenceSetup:
    case Selector::SequenceResetup:
    case Selector::SequenceSetdown:
    case Selector::UserChangedParam:
    case Selector::UpdateParamsUI:
    case Selector::SmartPreRender:
    case Selector::SmartRender:
      return true;
    case Selector::CompletelyGeneral:
      return kIs32BitVariant;
  }
  return false;
}

}  // namespace

PF_Err Dispatch(PF_Cmd cmd, PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                void* extra) {
  const auto selector = static_cast<Selector>(static_cast<std::uint32_t>(cmd));
  if (!IsHandled(selector)) return PF_Err_NONE;
  // Every handled command reads both records; a host that hands over none gets
  // an error instead of a crash.
  if (in_data == nullptr || out_data == nullptr) return PF_Err_BAD_CALLBACK_PARAM;

  switch (selector) {
    case Selector::About:
      return About(in_data, out_data);
    case Selector::GlobalSetup:
      return GlobalSetup(in_data, out_data);
    case Selector::GlobalSetdown:
      return GlobalSetdown(in_data);
    case Selector::ParamsSetup:
      return ParamsSetup(in_data, out_data);
    case Selector::SequenceSetup:
    case Selector::SequenceResetup:
      return SequenceSetup(in_data, out_data);
    case Selector::SequenceSetdown:
      return SequenceSetdown(in_data, out_data);
    case Selector::UserChangedParam:
    case Selector::UpdateParamsUI:
      return UpdateParamsUI(in_data, out_data, params);
    case Selector::CompletelyGeneral:
      return EchoGeneralText(in_data, out_data, extra);
    case Selector::SmartPreRender:
      return SmartPreRender(in_data, out_data, static_cast<PF_PreRenderExtra*>(extra));
    case Selector::SmartRender:
      return SmartRender(in_data, out_data, static_cast<PF_SmartRenderExtra*>(extra));
  }
  return PF_Err_NONE;
}

}  // namespace tavrelio
