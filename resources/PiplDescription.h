// The property list each build carries. The host reads it before loading the
// library, so every figure it shares with global setup comes from
// EffectIdentity.h; only the entry-point key and the interface version differ
// between the builds.
#pragma once

#include <array>
#include <cstdint>

#include "resources/EffectIdentity.h"
#include "resources/PiplProperty.h"

namespace tavrelio::pipl {

enum class Build { kX64, kX86 };

// The processor the entry point is for, and the host interface the build was written against.
struct BuildTraits {
  std::uint32_t entry_point_key;
  VersionPair interface_version;
};

constexpr BuildTraits TraitsOf(Build build) {
  switch (build) {
    case Build::kX64:
      return {FourCharCode("8664"), {13, 0}};
    case Build::kX86:
      return {FourCharCode("wx86"), {12, 10}};
  }
  return {};
}

inline constexpr std::uint32_t kEffectKind = FourCharCode("eFKT");
inline constexpr VersionPair kPiplVersion{2, 0};
inline constexpr std::uint16_t kNoInfoFlags = 0;
inline constexpr std::uint32_t kReservedInfo = 8;

constexpr std::array<Property, 12> DescribePipl(Build build) {
  const BuildTraits traits = TraitsOf(build);
  return {{
      {FourCharCode("kind"), CodeValue{kEffectKind}},
      {FourCharCode("name"), CountedText{kEffectName}},
      {FourCharCode("catg"), CountedText{kEffectCategory}},
      {traits.entry_point_key, TerminatedText{kEntryPointName}},
      {FourCharCode("ePVR"), kPiplVersion},
      {FourCharCode("eSVR"), traits.interface_version},
      {FourCharCode("eVER"), Number32{kPackedVersion}},
      {FourCharCode("eINF"), Number16{kNoInfoFlags}},
      {FourCharCode("eGLO"), Number32{static_cast<std::uint32_t>(kGlobalOutFlags)}},
      {FourCharCode("eGL2"), Number32{static_cast<std::uint32_t>(kGlobalOutFlags2)}},
      {FourCharCode("eMNA"), CountedText{kEffectMatchName}},
      {FourCharCode("aeFL"), Number32{kReservedInfo}},
  }};
}

}  // namespace tavrelio::pipl
