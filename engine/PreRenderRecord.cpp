#include "engine/PreRenderRecord.h"

#include <atomic>

#include "host/SuiteKinds.h"

namespace tavrelio {

namespace {

// The host calls the delete function with the record alone, no in_data, so
// the basic suite it needs has to be kept here: the one piece of state the
// plug-in holds between commands. The basic suite lasts as long as the
// plug-in is loaded; atomic because the host may let go of a frame's record
// on another thread than the one that pre-renders.
std::atomic<SPBasicSuite*> basic_suite_for_disposal{nullptr};

}  // namespace

PreRenderInfo* MakePreRenderRecord(const PF_InData& in_data, SuiteCache& suites,
                                   PF_PreRenderOutput& output) {
  const auto* handles = suites.HandleSuite();
  PF_Handle handle = handles->host_new_handle(sizeof(PreRenderInfo));
  if (handle == nullptr) return nullptr;
  auto* record = static_cast<PreRenderInfo*>(handles->host_lock_handle(handle));
  if (record == nullptr) {
    // Not handed to the host, so nothing else would ever free it.
    handles->host_dispose_handle(handle);
    return nullptr;
  }
  basic_suite_for_disposal.store(in_data.pica_basicP);
  output.pre_render_data = handle;
  output.delete_pre_render_data_func = DisposePreRenderRecord;
  return record;
}

void DisposePreRenderRecord(void* pre_render_data) noexcept {
  SPBasicSuite* basic = basic_suite_for_disposal.load();
  if (basic == nullptr || pre_render_data == nullptr) return;
  constexpr SuiteId kHandleSuite = SuiteTraits<SuiteKind::Handle>::id;
  const void* table = nullptr;
  // Without the suite there is nothing to free with; a table that comes with
  // an error code is not used, as everywhere else.
  if (basic->AcquireSuite(kHandleSuite.name.data(), kHandleSuite.version, &table) != 0 ||
      table == nullptr) {
    return;
  }
  const auto* handles = static_cast<const HandleSuiteTable*>(table);
  const auto handle = static_cast<PF_Handle>(pre_render_data);
  // The pre-render left its one lock on the record; the render, if it ran,
  // undid its own.
  handles->host_unlock_handle(handle);
  handles->host_dispose_handle(handle);
  basic->ReleaseSuite(kHandleSuite.name.data(), kHandleSuite.version);
}

}  // namespace tavrelio
