// What the effect says about itself. Global setup reports these figures to the
// host and the property-list generator writes the same ones into each build,
// so the two can never drift apart.
#pragma once

#include <cstdint>
#include <string_view>

namespace tavrelio {

inline constexpr std::string_view kEffectName = "Tavrelio";
inline constexpr std::string_view kEffectCategory = "Lumdex";
inline constexpr std::string_view kEffectMatchName = "Tavrelio by Osmundine";
inline constexpr std::string_view kEntryPointName = "EntryPointFunc";
inline constexpr std::string_view kEffectDescription = "Imagination!";
inline constexpr std::string_view kRegistrationName = "Error!";

// The host's packed version: build 9 bits, stage 2 bits, fix 4 bits,
// subversion 4 bits, version 3 bits (least significant first).
constexpr std::uint32_t PackVersion(std::uint32_t version, std::uint32_t subversion,
                                    std::uint32_t fix, std::uint32_t stage, std::uint32_t build) {
  return ((version & 0x7u) << 19) | ((version >> 3) << 26) | ((subversion & 0xFu) << 15) |
         ((fix & 0xFu) << 11) | ((stage & 0x3u) << 9) | (build & 0x1FFu);
}

inline constexpr std::uint32_t kVersionMajor = 1;
inline constexpr std::uint32_t kVersionMinor = 0;
inline constexpr std::uint32_t kVersionFix = 1;
inline constexpr std::uint32_t kReleaseStage = 3;  // PF_Stage_RELEASE
inline constexpr std::uint32_t kVersionBuild = 1;
inline constexpr std::uint32_t kPackedVersion =
    PackVersion(kVersionMajor, kVersionMinor, kVersionFix, kReleaseStage, kVersionBuild);
static_assert(kPackedVersion == 0x80E01);

// DEEP_COLOR_AWARE | SEND_UPDATE_PARAMS_UI, and SUPPORTS_SMART_RENDER | FLOAT_COLOR_AWARE.
inline constexpr std::int32_t kGlobalOutFlags = 0x02000000 | 0x04000000;
inline constexpr std::int32_t kGlobalOutFlags2 = 0x400 | 0x1000;

}  // namespace tavrelio
