// Per-command suite borrowing: a suite is acquired the first time a handler
// asks for it and released, in catalogue order, when the cache goes out of
// scope, also when a raised error leaves the handler early.
#pragma once

#include <algorithm>
#include <array>

#include "host/HostError.h"
#include "host/SuiteKinds.h"

namespace tavrelio {

namespace detail {

// The accessor suites sorted by their catalogue position: the release order.
constexpr std::array<SuiteKind, kSuiteKindCount> ReleaseOrder() {
  std::array<SuiteKind, kSuiteKindCount> order{};
  for (int i = 0; i < kSuiteKindCount; ++i) order[i] = static_cast<SuiteKind>(i);
  std::sort(order.begin(), order.end(), [](SuiteKind a, SuiteKind b) {
    return CataloguePosition(IdOf(a)) < CataloguePosition(IdOf(b));
  });
  return order;
}

constexpr bool EveryAccessorIsCatalogued() {
  for (int i = 0; i < kSuiteKindCount; ++i) {
    if (CataloguePosition(IdOf(static_cast<SuiteKind>(i))) < 0) return false;
  }
  return true;
}
static_assert(EveryAccessorIsCatalogued());

}  // namespace detail

class SuiteCache {
 public:
  // Raises 516 when the host handed over no basic suite.
  explicit SuiteCache(const PF_InData& in_data) : basic_(in_data.pica_basicP) {
    if (basic_ == nullptr) RaiseBadCallbackParam();
  }
  ~SuiteCache();
  SuiteCache(const SuiteCache&) = delete;
  SuiteCache& operator=(const SuiteCache&) = delete;

  const AEGP_UtilitySuite3* UtilitySuite() { return Get<SuiteKind::Utility>(); }
  const HandleSuiteTable* HandleSuite() { return Get<SuiteKind::Handle>(); }
  const AEGP_StreamSuite2* StreamSuite() { return Get<SuiteKind::Stream>(); }
  const AEGP_DynamicStreamSuite2* DynamicStreamSuite2() { return Get<SuiteKind::DynamicStream2>(); }
  const AEGP_DynamicStreamSuite3* DynamicStreamSuite3() { return Get<SuiteKind::DynamicStream3>(); }
  const AEGP_PFInterfaceSuite1* PFInterfaceSuite() { return Get<SuiteKind::PFInterface>(); }
  const PF_ParamUtilsSuite1* ParamUtilsSuite() { return Get<SuiteKind::ParamUtils>(); }
  const AEGP_EffectSuite3* EffectSuite() { return Get<SuiteKind::Effect>(); }
  const AEGP_KeyframeSuite3* KeyframeSuite() { return Get<SuiteKind::Keyframe>(); }
  const AEGP_MemorySuite1* MemorySuite() { return Get<SuiteKind::Memory>(); }
  const PF_AdvAppSuite2* AdvAppSuite() { return Get<SuiteKind::AdvApp>(); }
  // Only the 32-bit build formats its texts through the ANSI suite.
  const PF_ANSICallbacksSuite1* ANSISuite() { return Get<SuiteKind::ANSI>(); }

 private:
  template <SuiteKind K>
  const typename SuiteTraits<K>::Table* Get() {
    // A suite already held is answered here, without a call: handlers ask often.
    const void* held = tables_[static_cast<int>(K)];
    return static_cast<const typename SuiteTraits<K>::Table*>(held != nullptr ? held : Acquire(K));
  }
  const void* Acquire(SuiteKind kind);

  SPBasicSuite* basic_;
  std::array<const void*, kSuiteKindCount> tables_{};
};

}  // namespace tavrelio
