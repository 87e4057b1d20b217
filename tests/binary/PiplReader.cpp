#include "PiplReader.h"

#include <algorithm>
#include <stdexcept>

namespace tavrelio::pipl_reader {
namespace {

[[noreturn]] void Fault(const std::string& what) {
  throw std::runtime_error("property list: " + what);
}

std::uint32_t LittleEndian(std::span<const std::uint8_t> bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

std::span<const std::uint8_t> Take(std::span<const std::uint8_t> bytes, std::size_t offset,
                                   std::size_t size) {
  if (offset > bytes.size() || bytes.size() - offset < size) {
    Fault("runs past the end at offset " + std::to_string(offset));
  }
  return bytes.subspan(offset, size);
}

// Stored as a little-endian number whose most significant byte is the first character.
std::string CodeText(std::span<const std::uint8_t> four) {
  return {static_cast<char>(four[3]), static_cast<char>(four[2]), static_cast<char>(four[1]),
          static_cast<char>(four[0])};
}

void ExpectZeros(std::span<const std::uint8_t> bytes, const std::string& where) {
  if (!std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; })) {
    Fault("padding is not zero " + where);
  }
}

void ExpectSize(std::span<const std::uint8_t> data, std::size_t size, const char* kind) {
  if (data.size() != size) {
    Fault(std::string(kind) + " with data length " + std::to_string(data.size()));
  }
}

std::size_t RoundUpTo4(std::size_t n) { return (n + 3) / 4 * 4; }

}  // namespace

PropertyList ReadPropertyList(std::span<const std::uint8_t> bytes) {
  PropertyList list;
  list.format_version = static_cast<std::uint16_t>(LittleEndian(Take(bytes, 0, 2)));
  list.reserved = LittleEndian(Take(bytes, 2, 4));
  list.declared_count = LittleEndian(Take(bytes, 6, 4));

  std::size_t offset = kHeaderSize;
  while (offset < bytes.size()) {
    RawProperty property;
    property.offset = offset;
    const auto header = Take(bytes, offset, kPropertyHeaderSize);
    property.vendor = CodeText(header.subspan(0, 4));
    property.key = CodeText(header.subspan(4, 4));
    property.id = LittleEndian(header.subspan(8, 4));
    const std::size_t length = LittleEndian(header.subspan(12, 4));
    const auto data = Take(bytes, offset + kPropertyHeaderSize, length);
    property.data.assign(data.begin(), data.end());
    property.size = kPropertyHeaderSize + RoundUpTo4(length);
    const std::size_t padding_start = offset + kPropertyHeaderSize + length;
    ExpectZeros(Take(bytes, padding_start, offset + property.size - padding_start),
                "after property '" + property.key + "'");
    offset += property.size;
    list.properties.push_back(std::move(property));
  }
  if (list.properties.size() != list.declared_count) {
    Fault("declares " + std::to_string(list.declared_count) + " properties, holds " +
          std::to_string(list.properties.size()));
  }
  return list;
}

std::string CountedText(std::span<const std::uint8_t> data) {
  if (data.empty() || data.size() % 4 != 0) Fault("counted text not a multiple of 4 long");
  const std::size_t count = data[0];
  const auto text = Take(data, 1, count);
  ExpectZeros(data.subspan(1 + count), "inside counted text");
  if (data.size() != RoundUpTo4(1 + count)) Fault("counted text with extra padding");
  return {text.begin(), text.end()};
}

std::string TerminatedText(std::span<const std::uint8_t> data) {
  const auto nul = std::find(data.begin(), data.end(), 0);
  if (nul == data.end()) Fault("terminated text without its NUL");
  const std::size_t count = static_cast<std::size_t>(nul - data.begin());
  ExpectZeros(data.subspan(count), "inside terminated text");
  if (data.size() != RoundUpTo4(count + 1)) Fault("terminated text not padded to a multiple of 4");
  return {data.begin(), nul};
}

std::string Code(std::span<const std::uint8_t> data) {
  ExpectSize(data, 4, "code");
  return CodeText(data);
}

std::uint32_t Number32(std::span<const std::uint8_t> data) {
  ExpectSize(data, 4, "32-bit number");
  return LittleEndian(data);
}

std::uint16_t Number16(std::span<const std::uint8_t> data) {
  ExpectSize(data, 2, "16-bit number");
  return static_cast<std::uint16_t>(LittleEndian(data));
}

VersionPair Version(std::span<const std::uint8_t> data) {
  ExpectSize(data, 4, "version pair");
  return {static_cast<std::uint16_t>(LittleEndian(data.subspan(0, 2))),
          static_cast<std::uint16_t>(LittleEndian(data.subspan(2, 2)))};
}

}  // namespace tavrelio::pipl_reader
