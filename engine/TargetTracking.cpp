#include "engine/TargetTracking.h"

#include "engine/EffectStreams.h"
#include "engine/HostRefs.h"
#include "params/ParamIndex.h"

namespace tavrelio {

namespace {

void ObtainInfoStream(PassState& state, StreamRef& info) {
  ObtainParamStream(state, state.own_effect, kParamInfo, info);
}

void SetInfoExpression(PassState& state, const StreamRef& info, const char* text) {
  state.error.Chain([&] {
    return state.suites.StreamSuite()->AEGP_SetExpression(state.plugin_id, info.Get(), text);
  });
}

}  // namespace

TargetMemo ReadTargetMemo(PassState& state) {
  TargetMemo memo;
  StreamRef info(state.suites);
  ObtainInfoStream(state, info);
  // No handle back means no expression, hence no memo.
  MemHandleRef expression(state.suites);
  expression.Obtain(state.error, [&](AEGP_MemHandle* received) {
    return state.suites.StreamSuite()->AEGP_GetExpression(state.plugin_id, info.Get(), received);
  });
  if (expression.Held()) {
    memo.present = true;
    // A lock that fails is no error of the run: the memo just cannot be read.
    void* text = nullptr;
    state.suites.MemorySuite()->AEGP_LockMemHandle(expression.Get(), &text);
    if (text != nullptr) {
      memo.readable = CopyMemoText(static_cast<const char*>(text), memo.text);
    }
  }
  // Freeing takes a locked handle as it is; no unlock first.
  expression.Release(state.error);
  info.Release(state.error);
  return memo;
}

std::optional<A_long> FindTargetByMemo(PassState& state, const TargetMemo& memo) {
  StreamRef root(state.suites);
  StreamRef group(state.suites);
  ObtainEffectGroup(state, root, group);
  A_long effect_count = 0;
  state.error.Chain([&] {
    return state.suites.DynamicStreamSuite3()->AEGP_GetNumStreamsInGroup(group.Get(),
                                                                         &effect_count);
  });

  std::optional<A_long> found;
  // The first match wins, so of two effects with one name the upper one is taken.
  for (A_long position = 0; state.error.Ok() && !found && position < effect_count; ++position) {
    StreamRef effect_stream(state.suites);
    ObtainEffectAt(state, group, position, effect_stream);
    EffectNameBuffer name{};
    ReadEffectName(state, effect_stream, name);
    if (state.error.Ok() && memo.NamesEffect(TextIn(name))) found = position;
    effect_stream.Release(state.error);
  }

  root.Release(state.error);
  group.Release(state.error);
  if (!state.error.Ok()) return std::nullopt;
  return found;
}

void WriteTargetMemo(PassState& state) {
  StreamRef info(state.suites);
  ObtainInfoStream(state, info);

  // Cleared, so that after a failed look-up the panel shows only what was read.
  EffectNameBuffer name{};
  StreamRef root(state.suites);
  StreamRef group(state.suites);
  StreamRef effect_stream(state.suites);
  ObtainEffectGroup(state, root, group);
  ObtainEffectAt(state, group, state.effect, effect_stream);
  ReadEffectName(state, effect_stream, name);

  // Shown even after a failed look-up; what the panel answers is no error of ours.
  state.suites.AdvAppSuite()->PF_InfoDrawText("Target Effect", name.data());

  const MemoComposition memo = ComposeMemo(TextIn(name));
  effect_stream.Release(state.error);
  group.Release(state.error);
  root.Release(state.error);

  SetInfoExpression(state, info, memo.CStr());
  info.Release(state.error);
}

void ClearTargetMemo(PassState& state) {
  StreamRef info(state.suites);
  ObtainInfoStream(state, info);
  SetInfoExpression(state, info, "");
  info.Release(state.error);
}

}  // namespace tavrelio
