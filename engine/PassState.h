// The working state of one pre-render run, shared by its phases. It lives on
// the handler's stack; nothing of it outlasts the run.
#pragma once

#include "engine/PassError.h"
#include "host/SuiteCache.h"

namespace tavrelio {

// Which branch of the run a phase works for: only an armed run may switch
// "ON" off or remember its target.
enum class Arming { Armed, Disarmed };

struct PassState {
  PassState(SuiteCache& suite_cache, AEGP_PluginID plugin, PF_ProgPtr effect)
      : suites(suite_cache), plugin_id(plugin), effect_ref(effect) {}

  SuiteCache& suites;
  PassError error;
  AEGP_PluginID plugin_id;
  PF_ProgPtr effect_ref;
  // This effect instance; owned (and given back) by the handler.
  AEGP_EffectRefH own_effect = nullptr;
  A_Time frame_time{};
  // The layer this effect sits on; the host owns it, nothing is given back.
  AEGP_LayerH layer = nullptr;

  // Working copies of "Effect", "Index", "No", "Type" and "ON". The checks
  // correct them; the marks say which corrections are to be written back.
  A_long effect = 0;
  A_long index = 0;
  A_long no = 0;
  A_long type = 0;
  A_long on = 0;
  bool effect_changed = false;
  bool index_changed = false;
  bool no_changed = false;
  bool on_changed = false;

  bool Armed() const { return on != 0; }
  bool AnyMark() const { return effect_changed || index_changed || no_changed || on_changed; }
  // The pass only ever disarms; arming is the user's act.
  void SwitchOff() {
    on = 0;
    on_changed = true;
  }
};

}  // namespace tavrelio
