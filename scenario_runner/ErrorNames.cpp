#include "scenario_runner/ErrorNames.h"

#include <array>
#include <utility>

namespace scenario {

namespace {

// AEGP calls answer with the small codes, PF callbacks with the 5xx ones; 4
// means "out of memory" in both.
constexpr std::array<std::pair<A_long, const char*>, 9> kNames{{
    {1, "generic"},
    {2, "struct"},
    {3, "parameter"},
    {4, "out of memory"},
    {5, "wrong thread"},
    {6, "read-only project"},
    {512, "internal struct damaged"},
    {513, "invalid index"},
    {516, "bad callback parameter"},
}};

}  // namespace

std::string ErrorText(A_long code) {
  for (const auto& [known, name] : kNames) {
    if (known == code) return std::to_string(code) + " (" + name + ")";
  }
  return std::to_string(code);
}

}  // namespace scenario
