// The two deliverables and what distinguishes them, for tests that run
// against each.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

#include "AexPaths.h"
#include "PeImage.h"

namespace tavrelio::aex {

struct AexBuild {
  std::string_view label;
  std::string_view path;
  std::uint16_t machine;
  std::uint16_t optional_header_magic;
  std::string_view entry_point_key;
  std::uint16_t interface_major;
  std::uint16_t interface_minor;

  friend std::ostream& operator<<(std::ostream& out, const AexBuild& build) {
    return out << build.label;
  }
};

inline constexpr std::array<AexBuild, 2> kAexBuilds = {{
    {"x64", kAex64Path, pe::kMachineAmd64, pe::kOptionalHeaderPe32Plus, "8664", 13, 0},
    {"x86", kAex32Path, pe::kMachineI386, pe::kOptionalHeaderPe32, "wx86", 12, 10},
}};

inline std::string AexBuildLabel(const testing::TestParamInfo<AexBuild>& info) {
  return std::string(info.param.label);
}

}  // namespace tavrelio::aex
