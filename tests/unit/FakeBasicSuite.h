// A basic suite that records every acquire and release and can refuse the
// nth acquire, for testing suite access without a host.
#pragma once

#include <string>
#include <vector>

#include "host/HostSuites.h"

namespace suite_test {

struct SuiteEvent {
  std::string what;  // "acquire" or "release"
  std::string name;
  int version;
  friend bool operator==(const SuiteEvent&, const SuiteEvent&) = default;
};

struct FakeBasicState {
  std::vector<SuiteEvent> events;
  int refuse_acquire_number = 0;     // the nth acquire (from 1) is refused; 0: none
  bool refusal_hands_table = false;  // refused with an error code, yet a table handed back
  int acquires = 0;
  int release_result = 0;
};

inline FakeBasicState fake_state;
inline const int kTable = 0;  // any non-null table will do: nothing calls into it

inline SPErr FakeAcquire(const char* name, int version, const void** suite) {
  ++fake_state.acquires;
  fake_state.events.push_back({"acquire", name, version});
  if (fake_state.acquires == fake_state.refuse_acquire_number) {
    *suite = fake_state.refusal_hands_table ? &kTable : nullptr;
    return 1;
  }
  *suite = &kTable;
  return 0;
}

inline SPErr FakeRelease(const char* name, int version) {
  fake_state.events.push_back({"release", name, version});
  return fake_state.release_result;
}

inline SPBasicSuite MakeFakeBasicSuite() {
  fake_state = FakeBasicState{};
  SPBasicSuite basic{};
  basic.AcquireSuite = FakeAcquire;
  basic.ReleaseSuite = FakeRelease;
  return basic;
}

}  // namespace suite_test
