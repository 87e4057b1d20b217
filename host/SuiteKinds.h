// The suites the plug-in borrows through a suite cache: for each, its name and
// version in this build and the table type it is used through.
#pragma once

#include <type_traits>

#include "host/HostSuites.h"
#include "host/SuiteCatalogue.h"

namespace tavrelio {

enum class SuiteKind {
  Utility,
  Handle,
  Stream,
  DynamicStream2,
  DynamicStream3,
  PFInterface,
  ParamUtils,
  Effect,
  Keyframe,
  Memory,
  AdvApp,
  ANSI,
};
inline constexpr int kSuiteKindCount = 12;

// The handle suite the 32-bit build asks for is the 32-bit-era table.
using HandleSuiteTable = std::conditional_t<kIs32BitVariant, PF_HandleSuite32, PF_HandleSuite1>;

template <SuiteKind K>
struct SuiteTraits;

template <>
struct SuiteTraits<SuiteKind::Utility> {
  using Table = AEGP_UtilitySuite3;
  static constexpr SuiteId id{"AEGP Utility Suite", 7};
};
template <>
struct SuiteTraits<SuiteKind::Handle> {
  using Table = HandleSuiteTable;
  static constexpr SuiteId id{"PF Handle Suite", kIs32BitVariant ? 1 : 2};
};
template <>
struct SuiteTraits<SuiteKind::Stream> {
  using Table = AEGP_StreamSuite2;
  static constexpr SuiteId id{"AEGP Stream Suite", 7};
};
template <>
struct SuiteTraits<SuiteKind::DynamicStream2> {
  using Table = AEGP_DynamicStreamSuite2;
  static constexpr SuiteId id{"AEGP Dynamic Stream Suite", 2};
};
template <>
struct SuiteTraits<SuiteKind::DynamicStream3> {
  using Table = AEGP_DynamicStreamSuite3;
  static constexpr SuiteId id{"AEGP Dynamic Stream Suite", 3};
};
template <>
struct SuiteTraits<SuiteKind::PFInterface> {
  using Table = AEGP_PFInterfaceSuite1;
  static constexpr SuiteId id{"AEGP PF Interface Suite", 1};
};
template <>
struct SuiteTraits<SuiteKind::ParamUtils> {
  using Table = PF_ParamUtilsSuite1;
  static constexpr SuiteId id{"PF Param Utils Suite", kIs32BitVariant ? 1 : 2};
};
template <>
struct SuiteTraits<SuiteKind::Effect> {
  using Table = AEGP_EffectSuite3;
  static constexpr SuiteId id{"AEGP Effect Suite", 3};
};
template <>
struct SuiteTraits<SuiteKind::Keyframe> {
  using Table = AEGP_KeyframeSuite3;
  static constexpr SuiteId id{"AEGP Keyframe Suite", 3};
};
template <>
struct SuiteTraits<SuiteKind::Memory> {
  using Table = AEGP_MemorySuite1;
  static constexpr SuiteId id{"AEGP Memory Suite", 1};
};
template <>
struct SuiteTraits<SuiteKind::AdvApp> {
  using Table = PF_AdvAppSuite2;
  static constexpr SuiteId id{"PF AE Adv App Suite", 2};
};
template <>
struct SuiteTraits<SuiteKind::ANSI> {
  using Table = PF_ANSICallbacksSuite1;
  static constexpr SuiteId id{"PF ANSI Suite", 1};
};

constexpr SuiteId IdOf(SuiteKind kind) {
  switch (kind) {
    case SuiteKind::Utility:
      return SuiteTraits<SuiteKind::Utility>::id;
    case SuiteKind::Handle:
      return SuiteTraits<SuiteKind::Handle>::id;
    case SuiteKind::Stream:
      return SuiteTraits<SuiteKind::Stream>::id;
    case SuiteKind::DynamicStream2:
      return SuiteTraits<SuiteKind::DynamicStream2>::id;
    case SuiteKind::DynamicStream3:
      return SuiteTraits<SuiteKind::DynamicStream3>::id;
    case SuiteKind::PFInterface:
      return SuiteTraits<SuiteKind::PFInterface>::id;
    case SuiteKind::ParamUtils:
      return SuiteTraits<SuiteKind::ParamUtils>::id;
    case SuiteKind::Effect:
      return SuiteTraits<SuiteKind::Effect>::id;
    case SuiteKind::Keyframe:
      return SuiteTraits<SuiteKind::Keyframe>::id;
    case SuiteKind::Memory:
      return SuiteTraits<SuiteKind::Memory>::id;
    case SuiteKind::AdvApp:
      return SuiteTraits<SuiteKind::AdvApp>::id;
    case SuiteKind::ANSI:
      return SuiteTraits<SuiteKind::ANSI>::id;
  }
  return {};
}

}  // namespace tavrelio
