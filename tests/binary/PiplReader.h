// Reads a property list resource back without knowing its keys, so the tests
// see what the host would see. Layout faults throw std::runtime_error.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavrelio::pipl_reader {

inline constexpr std::size_t kHeaderSize = 10;
inline constexpr std::size_t kPropertyHeaderSize = 16;

struct RawProperty {
  std::size_t offset = 0;  // from the start of the list
  std::size_t size = 0;    // header, data and padding
  std::string vendor;      // four-character codes as text, first character first
  std::string key;
  std::uint32_t id = 0;
  std::vector<std::uint8_t> data;  // as long as the property's data length says
};

struct PropertyList {
  std::uint16_t format_version = 0;
  std::uint32_t reserved = 0;
  std::uint32_t declared_count = 0;
  std::vector<RawProperty> properties;
};

// Walks from offset 10, each property padded to a multiple of 4 from its own
// start. Fails on padding that is not zero, on a property running past the
// end, on bytes left after the last one and on a count that disagrees.
PropertyList ReadPropertyList(std::span<const std::uint8_t> bytes);

// Data decoders; each fails unless the data is exactly that encoding.
std::string CountedText(std::span<const std::uint8_t> data);
std::string TerminatedText(std::span<const std::uint8_t> data);
std::string Code(std::span<const std::uint8_t> data);
std::uint32_t Number32(std::span<const std::uint8_t> data);
std::uint16_t Number16(std::span<const std::uint8_t> data);

struct VersionPair {
  std::uint16_t major_version;
  std::uint16_t minor_version;
  bool operator==(const VersionPair&) const = default;
};
VersionPair Version(std::span<const std::uint8_t> data);

}  // namespace tavrelio::pipl_reader
