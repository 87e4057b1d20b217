// Writes one build's property list resource as raw bytes, for the resource
// script to embed by file reference.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>

#include "resources/PiplDescription.h"
#include "resources/PiplEncoder.h"

namespace {

std::optional<tavrelio::pipl::Build> ParseBuild(std::string_view name) {
  if (name == "x64") return tavrelio::pipl::Build::kX64;
  if (name == "x86") return tavrelio::pipl::Build::kX86;
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<tavrelio::pipl::Build> build = argc == 3 ? ParseBuild(argv[1]) : std::nullopt;
  if (!build) {
    std::cerr << "usage: " << argv[0] << " x64|x86 OUTPUT\n";
    return 2;
  }
  const auto properties = tavrelio::pipl::DescribePipl(*build);
  const std::vector<std::uint8_t> bytes = tavrelio::pipl::EncodePipl(properties);

  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << argv[0] << ": cannot write " << argv[2] << '\n';
    std::remove(argv[2]);  // a half-written list must not reach the resource compiler
    return 1;
  }
  return 0;
}
