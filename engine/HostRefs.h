// The kinds of host reference the pass takes, each with the suite and the
// call that give it back.
#pragma once

#include "engine/HostRef.h"

namespace tavrelio {

struct EffectRefTraits {
  using Value = AEGP_EffectRefH;
  static bool Refers(Value effect) { return effect != nullptr; }
  static void BorrowReleaseSuite(SuiteCache& suites) { suites.EffectSuite(); }
  static A_Err Dispose(SuiteCache& suites, Value effect) {
    return suites.EffectSuite()->AEGP_DisposeEffect(effect);
  }
};

struct StreamRefTraits {
  using Value = AEGP_StreamRefH;
  static bool Refers(Value stream) { return stream != nullptr; }
  static void BorrowReleaseSuite(SuiteCache& suites) { suites.StreamSuite(); }
  static A_Err Dispose(SuiteCache& suites, Value stream) {
    return suites.StreamSuite()->AEGP_DisposeStream(stream);
  }
};

// "None" is a valid answer when a stream has no expression.
struct MemHandleTraits {
  using Value = AEGP_MemHandle;
  static bool Refers(Value memory) { return memory != nullptr; }
  static void BorrowReleaseSuite(SuiteCache& suites) { suites.MemorySuite(); }
  static A_Err Dispose(SuiteCache& suites, Value memory) {
    return suites.MemorySuite()->AEGP_FreeMemHandle(memory);
  }
};

// A value record has no null form: whatever a successful call filled is owned.
struct StreamValueTraits {
  using Value = AEGP_StreamValue;
  static bool Refers(const Value&) { return true; }
  static void BorrowReleaseSuite(SuiteCache& suites) { suites.StreamSuite(); }
  static A_Err Dispose(SuiteCache& suites, Value& value) {
    return suites.StreamSuite()->AEGP_DisposeStreamValue(&value);
  }
};

using EffectRef = HostRef<EffectRefTraits>;
using StreamRef = HostRef<StreamRefTraits>;
using MemHandleRef = HostRef<MemHandleTraits>;
using StreamValueRef = HostRef<StreamValueTraits>;

}  // namespace tavrelio
