// The kinds of value a plug-in property list holds, and a property as a key
// with one such value. Data only: PiplEncoder decides the bytes.
#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

namespace tavrelio::pipl {

// A four-character code the way the host compares it: the first character in
// the most significant byte.
constexpr std::uint32_t FourCharCode(const char (&code)[5]) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<std::uint8_t>(code[i]);
  return value;
}

inline constexpr std::uint32_t kAdobeVendor = FourCharCode("8BIM");

struct CodeValue {
  std::uint32_t code;
};
// One count byte, then the characters.
struct CountedText {
  std::string_view text;
};
// The characters, then a NUL.
struct TerminatedText {
  std::string_view text;
};
struct VersionPair {
  std::uint16_t major_version;
  std::uint16_t minor_version;
};
struct Number32 {
  std::uint32_t value;
};
struct Number16 {
  std::uint16_t value;
};

using PropertyValue =
    std::variant<CodeValue, CountedText, TerminatedText, VersionPair, Number32, Number16>;

struct Property {
  std::uint32_t key;
  PropertyValue value;
};

}  // namespace tavrelio::pipl
