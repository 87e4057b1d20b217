// The AEGP suites that work on the project model: effects, streams, the
// layer's stream groups, keyframes, expressions, memory and the info panel,
// and the parameter-state suite. Every call is logged and can be made to fail.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/HostConstants.h"
#include "standin_host/EffectInstance.h"
#include "standin_host/ExpressionEvaluator.h"
#include "standin_host/ParamState.h"
#include "standin_host/StandInHost.h"
#include "standin_host/SuiteInstallers.h"

namespace standin {

namespace {

constexpr A_Err kParameterError = 3;            // A_Err_PARAMETER
constexpr A_Err kConstProjectModification = 6;  // the render's copy of the project is read-only
constexpr const char* kEffectParadeMatchName = "ADBE Effect Parade";

StandInHost& Host() { return StandInHost::Current(); }
Project& TheProject() { return Host().TheProject(); }
ProjectRefs& Refs() { return Host().Refs(); }

AEGP_LayerH LayerHandle() { return reinterpret_cast<AEGP_LayerH>(&TheProject().layer); }

bool IsLayer(AEGP_LayerH layer) { return layer == LayerHandle(); }

void CheckPluginId(AEGP_PluginID id, const char* operation) {
  StandInHost& host = Host();
  if (id < 0x5A11 || id >= host.next_plugin_id) {
    host.Violations().push_back(std::string(operation) + ": plug-in id " + std::to_string(id) +
                                " was never handed out");
  }
}

bool EditsRefused() { return Host().refuse_edits_during_render && Host().rendering; }

// The stream a reference stands for, when it is an effect parameter.
Stream* ParamStream(const StreamTarget& target) {
  if (target.kind != StreamTarget::Kind::EffectParam) return nullptr;
  Effect* effect = TheProject().FindEffect(target.effect_id);
  if (effect == nullptr || target.param >= effect->streams.size()) return nullptr;
  return &effect->streams[target.param];
}

// Where an edit lands, for the call log: "<effect name>/<parameter index>".
std::string StreamLabel(AEGP_StreamRefH stream) {
  const auto target = Refs().PeekStream(stream);
  if (!target || target->kind != StreamTarget::Kind::EffectParam) return "?";
  const Effect* effect = TheProject().FindEffect(target->effect_id);
  return (effect != nullptr ? effect->name : "?") + "/" + std::to_string(target->param);
}

double Seconds(const A_Time* time) {
  return time == nullptr || time->scale == 0 ? 0.0 : static_cast<double>(time->value) / time->scale;
}

AEGP_StreamVal Encode(const Stream& stream, const StreamNumbers& numbers) {
  AEGP_StreamVal val{};
  if (stream.kind == StreamKind::Color) {
    val.color = AEGP_ColorVal{numbers[0], numbers[1], numbers[2], numbers[3]};
  } else {
    std::copy(numbers.begin(), numbers.end(), val.four_d);
  }
  return val;
}

StreamNumbers Decode(const Stream& stream, const AEGP_StreamVal& val, StreamNumbers numbers) {
  switch (stream.kind) {
    case StreamKind::Color:
      return {val.color.alphaF, val.color.redF, val.color.greenF, val.color.blueF};
    case StreamKind::Point:
      numbers[0] = val.two_d.x;
      numbers[1] = val.two_d.y;
      return numbers;
    default:
      numbers[0] = val.one_d;
      return numbers;
  }
}

StreamNumbers ValueAt(const Stream& stream, double seconds, bool pre_expression) {
  StreamNumbers value = stream.PreExpressionValueAt(seconds);
  if (pre_expression || !stream.expression) return value;
  if (const auto number = EvaluateExpression(*stream.expression, seconds)) {
    value[0] = *number;
    return value;
  }
  return stream.stated_expression_value.value_or(value);
}

// ---- "AEGP PF Interface Suite" 1 ----

A_Err GetEffectLayer(PF_ProgPtr effect_ref, AEGP_LayerH* layer) {
  return GatedCall("AEGP_GetEffectLayer", ArgText(effect_ref), [&]() -> A_Err {
    if (EffectInstance::FromEffectRef(effect_ref) == nullptr || layer == nullptr) {
      return kParameterError;
    }
    *layer = LayerHandle();
    return 0;
  });
}

A_Err GetNewEffectForEffect(AEGP_PluginID id, PF_ProgPtr effect_ref, AEGP_EffectRefH* effect) {
  return GatedCall("AEGP_GetNewEffectForEffect", ArgText(id, effect_ref), [&]() -> A_Err {
    CheckPluginId(id, "AEGP_GetNewEffectForEffect");
    EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
    if (instance == nullptr || effect == nullptr) return kParameterError;
    *effect = Refs().NewEffect(instance->EffectId());
    return 0;
  });
}

// ---- "AEGP Effect Suite" 3 ----

A_Err GetLayerNumEffects(AEGP_LayerH layer, A_long* count) {
  return GatedCall("AEGP_GetLayerNumEffects", ArgText(layer), [&]() -> A_Err {
    if (!IsLayer(layer) || count == nullptr) return kParameterError;
    *count = static_cast<A_long>(TheProject().layer.effects.size());
    return 0;
  });
}

A_Err GetLayerEffectByIndex(AEGP_PluginID id, AEGP_LayerH layer, AEGP_EffectIndex index,
                            AEGP_EffectRefH* effect) {
  return GatedCall("AEGP_GetLayerEffectByIndex", ArgText(id, index), [&]() -> A_Err {
    CheckPluginId(id, "AEGP_GetLayerEffectByIndex");
    const auto& effects = TheProject().layer.effects;
    if (!IsLayer(layer) || effect == nullptr || index < 0 ||
        static_cast<std::size_t>(index) >= effects.size()) {
      return kParameterError;
    }
    *effect = Refs().NewEffect(effects[static_cast<std::size_t>(index)].id);
    return 0;
  });
}

A_Err DisposeEffect(AEGP_EffectRefH effect) {
  return GatedCall("AEGP_DisposeEffect", ArgText(effect),
                   [&]() -> A_Err { return Refs().DisposeEffect(effect) ? 0 : kParameterError; });
}

// ---- "AEGP Stream Suite" 7 ----

A_Err CanVaryOverTime(AEGP_StreamRefH stream, A_Boolean* can_vary) {
  return GatedCall("AEGP_CanVaryOverTime", ArgText(stream), [&]() -> A_Err {
    const auto target = Refs().StreamOf(stream, "AEGP_CanVaryOverTime");
    const Stream* s = target ? ParamStream(*target) : nullptr;
    if (s == nullptr || can_vary == nullptr) return kParameterError;
    *can_vary = s->can_vary ? 1 : 0;
    return 0;
  });
}

A_Err GetEffectNumParamStreams(AEGP_EffectRefH effect, A_long* count) {
  return GatedCall("AEGP_GetEffectNumParamStreams", ArgText(effect), [&]() -> A_Err {
    const auto id = Refs().EffectOf(effect, "AEGP_GetEffectNumParamStreams");
    const Effect* e = id ? TheProject().FindEffect(*id) : nullptr;
    if (e == nullptr || count == nullptr) return kParameterError;
    *count = static_cast<A_long>(e->streams.size());
    return 0;
  });
}

A_Err GetNewEffectStreamByIndex(AEGP_PluginID id, AEGP_EffectRefH effect, PF_ParamIndex index,
                                AEGP_StreamRefH* stream) {
  return GatedCall("AEGP_GetNewEffectStreamByIndex", ArgText(id, index), [&]() -> A_Err {
    CheckPluginId(id, "AEGP_GetNewEffectStreamByIndex");
    const auto effect_id = Refs().EffectOf(effect, "AEGP_GetNewEffectStreamByIndex");
    const Effect* e = effect_id ? TheProject().FindEffect(*effect_id) : nullptr;
    if (e == nullptr || stream == nullptr || index < 0 ||
        static_cast<std::size_t>(index) >= e->streams.size()) {
      return kParameterError;
    }
    *stream = Refs().NewStream(
        StreamTarget{StreamTarget::Kind::EffectParam, *effect_id, static_cast<std::size_t>(index)});
    return 0;
  });
}

A_Err DisposeStream(AEGP_StreamRefH stream) {
  return GatedCall("AEGP_DisposeStream", ArgText(stream),
                   [&]() -> A_Err { return Refs().DisposeStream(stream) ? 0 : kParameterError; });
}

A_Err GetStreamName(AEGP_StreamRefH stream, A_Boolean force_english, A_char* name) {
  return GatedCall("AEGP_GetStreamName", ArgText(stream, force_english), [&]() -> A_Err {
    const auto target = Refs().StreamOf(stream, "AEGP_GetStreamName");
    if (!target || name == nullptr) return kParameterError;
    std::string text;
    switch (target->kind) {
      case StreamTarget::Kind::LayerRoot:
        text = "Layer";
        break;
      case StreamTarget::Kind::EffectParade:
        text = "Effects";
        break;
      case StreamTarget::Kind::EffectInGroup: {
        const Effect* e = TheProject().FindEffect(target->effect_id);
        if (e == nullptr) return kParameterError;
        text = e->name;
        break;
      }
      case StreamTarget::Kind::EffectParam: {
        const Stream* s = ParamStream(*target);
        if (s == nullptr) return kParameterError;
        text = s->name;
        break;
      }
    }
    // The caller's buffer holds 32 characters with the terminator.
    text.resize(std::min<std::size_t>(text.size(), AEGP_MAX_STREAM_NAME_SIZE - 1));
    std::memcpy(name, text.c_str(), text.size() + 1);
    return 0;
  });
}

A_Err GetNewStreamValue(AEGP_PluginID id, AEGP_StreamRefH stream, AEGP_LTimeMode mode,
                        const A_Time* time, A_Boolean pre_expression, AEGP_StreamValue* value) {
  return GatedCall(
      "AEGP_GetNewStreamValue",
      ArgText(id, stream, mode, time ? time->value : 0, time ? time->scale : 0, pre_expression),
      [&]() -> A_Err {
        CheckPluginId(id, "AEGP_GetNewStreamValue");
        const auto target = Refs().StreamOf(stream, "AEGP_GetNewStreamValue");
        const Stream* s = target ? ParamStream(*target) : nullptr;
        if (s == nullptr || value == nullptr || time == nullptr) return kParameterError;
        value->streamH = stream;
        value->val = Encode(*s, ValueAt(*s, Seconds(time), pre_expression != 0));
        Refs().ValueHandedOut(stream);
        return 0;
      });
}

A_Err DisposeStreamValue(AEGP_StreamValue* value) {
  return GatedCall("AEGP_DisposeStreamValue", ArgText(value ? value->streamH : nullptr),
                   [&]() -> A_Err {
                     if (value == nullptr) return kParameterError;
                     return Refs().ValueDisposed(value->streamH) ? 0 : kParameterError;
                   });
}

A_Err SetStreamValue(AEGP_PluginID id, AEGP_StreamRefH stream, AEGP_StreamValue* value) {
  return GatedCall("AEGP_SetStreamValue",
                   ArgText(id, StreamLabel(stream), value ? value->val.one_d : 0.0),
                   [&]() -> A_Err {
                     CheckPluginId(id, "AEGP_SetStreamValue");
                     const auto target = Refs().StreamOf(stream, "AEGP_SetStreamValue");
                     Stream* s = target ? ParamStream(*target) : nullptr;
                     if (s == nullptr || value == nullptr) return kParameterError;
                     if (EditsRefused()) return kConstProjectModification;
                     s->value = Decode(*s, value->val, s->value);
                     s->keyframes.clear();
                     return 0;
                   });
}

A_Err GetExpression(AEGP_PluginID id, AEGP_StreamRefH stream, AEGP_MemHandle* expression) {
  return GatedCall("AEGP_GetExpression", ArgText(id, stream), [&]() -> A_Err {
    CheckPluginId(id, "AEGP_GetExpression");
    const auto target = Refs().StreamOf(stream, "AEGP_GetExpression");
    const Stream* s = target ? ParamStream(*target) : nullptr;
    if (s == nullptr || expression == nullptr) return kParameterError;
    *expression = s->expression ? Refs().NewMemory(*s->expression) : nullptr;
    return 0;
  });
}

A_Err SetExpression(AEGP_PluginID id, AEGP_StreamRefH stream, const A_char* text) {
  return GatedCall("AEGP_SetExpression", ArgText(id, stream, text), [&]() -> A_Err {
    CheckPluginId(id, "AEGP_SetExpression");
    const auto target = Refs().StreamOf(stream, "AEGP_SetExpression");
    Stream* s = target ? ParamStream(*target) : nullptr;
    if (s == nullptr || text == nullptr) return kParameterError;
    if (EditsRefused()) return kConstProjectModification;
    // Setting the empty text removes the expression.
    if (*text == '\0') {
      s->expression.reset();
    } else {
      s->expression = text;
    }
    return 0;
  });
}

// ---- "AEGP Dynamic Stream Suite" 2 and 3 ----

A_Err GetNewStreamRefForLayer(AEGP_PluginID id, AEGP_LayerH layer, AEGP_StreamRefH* stream) {
  return GatedCall("AEGP_GetNewStreamRefForLayer", ArgText(id, layer), [&]() -> A_Err {
    CheckPluginId(id, "AEGP_GetNewStreamRefForLayer");
    if (!IsLayer(layer) || stream == nullptr) return kParameterError;
    *stream = Refs().NewStream(StreamTarget{StreamTarget::Kind::LayerRoot});
    return 0;
  });
}

A_Err GetNumStreamsInGroup(AEGP_StreamRefH group, A_long* count) {
  return GatedCall("AEGP_GetNumStreamsInGroup", ArgText(group), [&]() -> A_Err {
    const auto target = Refs().StreamOf(group, "AEGP_GetNumStreamsInGroup");
    if (!target || count == nullptr || target->kind != StreamTarget::Kind::EffectParade) {
      return kParameterError;
    }
    *count = static_cast<A_long>(TheProject().layer.effects.size());
    return 0;
  });
}

A_Err SetDynamicStreamFlag(AEGP_StreamRefH stream, AEGP_DynStreamFlags flag, A_Boolean undoable,
                           A_Boolean set) {
  const auto target = Refs().StreamOf(stream, "AEGP_SetDynamicStreamFlag");
  Stream* s = target ? ParamStream(*target) : nullptr;
  const std::string name = s != nullptr ? s->name : "?";
  const std::size_t param = target ? target->param : 0;
  return GatedCall("AEGP_SetDynamicStreamFlag", ArgText(param, name, flag, undoable, set),
                   [&]() -> A_Err {
                     if (s == nullptr || flag != AEGP_DynStreamFlag_HIDDEN) return kParameterError;
                     s->hidden = set != 0;
                     return 0;
                   });
}

A_Err GetNewStreamRefByIndex(AEGP_PluginID id, AEGP_StreamRefH group, A_long index,
                             AEGP_StreamRefH* stream) {
  return GatedCall("AEGP_GetNewStreamRefByIndex", ArgText(id, group, index), [&]() -> A_Err {
    CheckPluginId(id, "AEGP_GetNewStreamRefByIndex");
    const auto target = Refs().StreamOf(group, "AEGP_GetNewStreamRefByIndex");
    const auto& effects = TheProject().layer.effects;
    if (!target || stream == nullptr || target->kind != StreamTarget::Kind::EffectParade ||
        index < 0 || static_cast<std::size_t>(index) >= effects.size()) {
      return kParameterError;
    }
    *stream = Refs().NewStream(StreamTarget{StreamTarget::Kind::EffectInGroup,
                                            effects[static_cast<std::size_t>(index)].id});
    return 0;
  });
}

A_Err GetNewStreamRefByMatchname(AEGP_PluginID id, AEGP_StreamRefH parent, const A_char* match,
                                 AEGP_StreamRefH* stream) {
  return GatedCall("AEGP_GetNewStreamRefByMatchname", ArgText(id, parent, match), [&]() -> A_Err {
    CheckPluginId(id, "AEGP_GetNewStreamRefByMatchname");
    const auto target = Refs().StreamOf(parent, "AEGP_GetNewStreamRefByMatchname");
    if (!target || stream == nullptr || match == nullptr ||
        target->kind != StreamTarget::Kind::LayerRoot ||
        std::strcmp(match, kEffectParadeMatchName) != 0) {
      return kParameterError;
    }
    *stream = Refs().NewStream(StreamTarget{StreamTarget::Kind::EffectParade});
    return 0;
  });
}

// ---- "AEGP Keyframe Suite" 3 ----

A_Err GetStreamNumKFs(AEGP_StreamRefH stream, A_long* count) {
  return GatedCall("AEGP_GetStreamNumKFs", ArgText(stream), [&]() -> A_Err {
    const auto target = Refs().StreamOf(stream, "AEGP_GetStreamNumKFs");
    const Stream* s = target ? ParamStream(*target) : nullptr;
    if (s == nullptr || count == nullptr) return kParameterError;
    *count = static_cast<A_long>(s->keyframes.size());
    return 0;
  });
}

A_Err GetNewKeyframeValue(AEGP_PluginID id, AEGP_StreamRefH stream, AEGP_KeyframeIndex key,
                          AEGP_StreamValue* value) {
  return GatedCall("AEGP_GetNewKeyframeValue", ArgText(id, stream, key), [&]() -> A_Err {
    CheckPluginId(id, "AEGP_GetNewKeyframeValue");
    const auto target = Refs().StreamOf(stream, "AEGP_GetNewKeyframeValue");
    const Stream* s = target ? ParamStream(*target) : nullptr;
    if (s == nullptr || value == nullptr || key < 0 ||
        static_cast<std::size_t>(key) >= s->keyframes.size()) {
      return kParameterError;
    }
    value->streamH = stream;
    value->val = Encode(*s, s->keyframes[static_cast<std::size_t>(key)].value);
    Refs().ValueHandedOut(stream);
    return 0;
  });
}

A_Err SetKeyframeValue(AEGP_StreamRefH stream, AEGP_KeyframeIndex key,
                       const AEGP_StreamValue* value) {
  return GatedCall("AEGP_SetKeyframeValue",
                   ArgText(StreamLabel(stream), key, value ? value->val.one_d : 0.0),
                   [&]() -> A_Err {
                     const auto target = Refs().StreamOf(stream, "AEGP_SetKeyframeValue");
                     Stream* s = target ? ParamStream(*target) : nullptr;
                     if (s == nullptr || value == nullptr || key < 0 ||
                         static_cast<std::size_t>(key) >= s->keyframes.size()) {
                       return kParameterError;
                     }
                     if (EditsRefused()) return kConstProjectModification;
                     Keyframe& keyframe = s->keyframes[static_cast<std::size_t>(key)];
                     keyframe.value = Decode(*s, value->val, keyframe.value);
                     Host().keyframe_writes.push_back(
                         KeyframeWrite{target->effect_id, target->param, key, keyframe.value});
                     return 0;
                   });
}

// ---- "AEGP Memory Suite" 1 ----

A_Err FreeMemHandle(AEGP_MemHandle memory) {
  return GatedCall("AEGP_FreeMemHandle", ArgText(memory),
                   [&]() -> A_Err { return Refs().FreeMemory(memory) ? 0 : kParameterError; });
}

A_Err LockMemHandle(AEGP_MemHandle memory, void** pointer) {
  return GatedCall("AEGP_LockMemHandle", ArgText(memory), [&]() -> A_Err {
    if (pointer == nullptr) return kParameterError;
    *pointer = Refs().LockMemory(memory);
    return *pointer != nullptr ? 0 : kParameterError;
  });
}

// ---- "PF AE Adv App Suite" 2 ----

PF_Err InfoDrawText(const A_char* line1, const A_char* line2) {
  return GatedCall("PF_InfoDrawText", ArgText(line1, line2), [&]() -> PF_Err {
    Host().info_panel.emplace_back(line1 != nullptr ? line1 : "", line2 != nullptr ? line2 : "");
    return PF_Err_NONE;
  });
}

// ---- "PF Param Utils Suite" 1 and 2 ----

}  // namespace

PF_State ParamStateOf(const Effect& effect) {
  std::uint64_t hash = 1469598103934665603ull;
  const auto mix = [&](const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  };
  for (const Stream& stream : effect.streams) {
    mix(stream.value.data(), sizeof stream.value);
    for (const Keyframe& key : stream.keyframes) {
      mix(&key.time, sizeof key.time);
      mix(key.value.data(), sizeof key.value);
    }
    if (stream.expression) mix(stream.expression->data(), stream.expression->size());
  }
  PF_State state{};
  std::memcpy(state.reservedAL, &hash, sizeof hash);
  state.reservedAL[2] = static_cast<A_long>(effect.streams.size());
  state.reservedAL[3] = 0x57A7E;  // marks a state this host made
  return state;
}

namespace {

PF_Err GetCurrentState(PF_ProgPtr effect_ref, PF_State* state) {
  return GatedCall("PF_GetCurrentState", ArgText(effect_ref), [&]() -> PF_Err {
    EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
    if (instance == nullptr || state == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
    *state = ParamStateOf(instance->AsEffect());
    return PF_Err_NONE;
  });
}

PF_Err HasParamChanged(PF_ProgPtr effect_ref, const PF_State* state, PF_ParamIndex index,
                       PF_Boolean* changed) {
  return GatedCall("PF_HasParamChanged", ArgText(effect_ref, index), [&]() -> PF_Err {
    EffectInstance* instance = EffectInstance::FromEffectRef(effect_ref);
    if (instance == nullptr || state == nullptr || changed == nullptr) {
      return PF_Err_BAD_CALLBACK_PARAM;
    }
    if (state->reservedAL[3] != 0x57A7E) {
      Host().Violations().push_back("PF_HasParamChanged: given a state this host never made");
      return PF_Err_BAD_CALLBACK_PARAM;
    }
    const PF_State now = ParamStateOf(instance->AsEffect());
    *changed = std::memcmp(&now, state, sizeof now) != 0 ? 1 : 0;
    return PF_Err_NONE;
  });
}

template <class Table>
Table Zeroed() {
  Table table;
  std::memset(&table, 0, sizeof table);
  return table;
}

const AEGP_PFInterfaceSuite1 kPFInterfaceSuite{GetEffectLayer, GetNewEffectForEffect};

const AEGP_EffectSuite3 kEffectSuite = [] {
  auto suite = Zeroed<AEGP_EffectSuite3>();
  suite.AEGP_GetLayerNumEffects = GetLayerNumEffects;
  suite.AEGP_GetLayerEffectByIndex = GetLayerEffectByIndex;
  suite.AEGP_DisposeEffect = DisposeEffect;
  return suite;
}();

const AEGP_StreamSuite2 kStreamSuite = [] {
  auto suite = Zeroed<AEGP_StreamSuite2>();
  suite.AEGP_CanVaryOverTime = CanVaryOverTime;
  suite.AEGP_GetEffectNumParamStreams = GetEffectNumParamStreams;
  suite.AEGP_GetNewEffectStreamByIndex = GetNewEffectStreamByIndex;
  suite.AEGP_DisposeStream = DisposeStream;
  suite.AEGP_GetStreamName = GetStreamName;
  suite.AEGP_GetNewStreamValue = GetNewStreamValue;
  suite.AEGP_DisposeStreamValue = DisposeStreamValue;
  suite.AEGP_SetStreamValue = SetStreamValue;
  suite.AEGP_GetExpression = GetExpression;
  suite.AEGP_SetExpression = SetExpression;
  return suite;
}();

const AEGP_DynamicStreamSuite2 kDynamicStreamSuite = [] {
  auto suite = Zeroed<AEGP_DynamicStreamSuite2>();
  suite.AEGP_GetNewStreamRefForLayer = GetNewStreamRefForLayer;
  suite.AEGP_GetNumStreamsInGroup = GetNumStreamsInGroup;
  suite.AEGP_SetDynamicStreamFlag = SetDynamicStreamFlag;
  suite.AEGP_GetNewStreamRefByIndex = GetNewStreamRefByIndex;
  suite.AEGP_GetNewStreamRefByMatchname = GetNewStreamRefByMatchname;
  return suite;
}();

const AEGP_KeyframeSuite3 kKeyframeSuite = [] {
  auto suite = Zeroed<AEGP_KeyframeSuite3>();
  suite.AEGP_GetStreamNumKFs = GetStreamNumKFs;
  suite.AEGP_GetNewKeyframeValue = GetNewKeyframeValue;
  suite.AEGP_SetKeyframeValue = SetKeyframeValue;
  return suite;
}();

const AEGP_MemorySuite1 kMemorySuite = [] {
  auto suite = Zeroed<AEGP_MemorySuite1>();
  suite.AEGP_FreeMemHandle = FreeMemHandle;
  suite.AEGP_LockMemHandle = LockMemHandle;
  return suite;
}();

const PF_AdvAppSuite2 kAdvAppSuite = [] {
  auto suite = Zeroed<PF_AdvAppSuite2>();
  suite.PF_InfoDrawText = InfoDrawText;
  return suite;
}();

const PF_ParamUtilsSuite1 kParamUtilsSuite = [] {
  auto suite = Zeroed<PF_ParamUtilsSuite1>();
  suite.PF_GetCurrentState = GetCurrentState;
  suite.PF_HasParamChanged = HasParamChanged;
  return suite;
}();

}  // namespace

void InstallProjectSuites(StandInHost& host) {
  SuiteRegistry& suites = host.Suites();
  suites.Register("AEGP PF Interface Suite", 1, &kPFInterfaceSuite);
  suites.Register("AEGP Effect Suite", 3, &kEffectSuite);
  suites.Register("AEGP Stream Suite", 7, &kStreamSuite);
  // Versions 2 and 3 share the slots the plug-in uses.
  suites.Register("AEGP Dynamic Stream Suite", 2, &kDynamicStreamSuite);
  suites.Register("AEGP Dynamic Stream Suite", 3, &kDynamicStreamSuite);
  suites.Register("AEGP Keyframe Suite", 3, &kKeyframeSuite);
  suites.Register("AEGP Memory Suite", 1, &kMemorySuite);
  suites.Register("PF AE Adv App Suite", 2, &kAdvAppSuite);
  suites.Register("PF Param Utils Suite", 1, &kParamUtilsSuite);
  suites.Register("PF Param Utils Suite", 2, &kParamUtilsSuite);
}

}  // namespace standin
