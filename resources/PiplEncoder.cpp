#include "resources/PiplEncoder.h"

#include <stdexcept>
#include <string>

namespace tavrelio::pipl {
namespace {

constexpr std::uint16_t kListFormatVersion = 1;

class ByteWriter {
 public:
  void U8(std::uint8_t value) { bytes_.push_back(value); }
  void U16(std::uint16_t value) {
    U8(static_cast<std::uint8_t>(value));
    U8(static_cast<std::uint8_t>(value >> 8));
  }
  void U32(std::uint32_t value) {
    U16(static_cast<std::uint16_t>(value));
    U16(static_cast<std::uint16_t>(value >> 16));
  }
  void Text(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
  void Bytes(const std::vector<std::uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
  }
  // Zero bytes until the part written since `from` is a multiple of 4 long.
  void PadToMultipleOf4(std::size_t from = 0) {
    while ((bytes_.size() - from) % 4 != 0) U8(0);
  }
  std::size_t Size() const { return bytes_.size(); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

template <class... Visitors>
struct Overloaded : Visitors... {
  using Visitors::operator()...;
};

// The bytes the data length counts. Text pads itself to a multiple of 4 and
// counts the padding; numbers do not, so the property's own padding follows.
std::vector<std::uint8_t> EncodeData(const PropertyValue& value) {
  ByteWriter data;
  std::visit(Overloaded{
                 [&](const CodeValue& v) { data.U32(v.code); },
                 [&](const CountedText& v) {
                   if (v.text.size() > 255) {
                     throw std::length_error("counted text longer than 255 characters: " +
                                             std::string(v.text));
                   }
                   data.U8(static_cast<std::uint8_t>(v.text.size()));
                   data.Text(v.text);
                   data.PadToMultipleOf4();
                 },
                 [&](const TerminatedText& v) {
                   data.Text(v.text);
                   data.U8(0);
                   data.PadToMultipleOf4();
                 },
                 [&](const VersionPair& v) {
                   data.U16(v.major_version);
                   data.U16(v.minor_version);
                 },
                 [&](const Number32& v) { data.U32(v.value); },
                 [&](const Number16& v) { data.U16(v.value); },
             },
             value);
  return data.Take();
}

}  // namespace

std::vector<std::uint8_t> EncodePipl(std::span<const Property> properties) {
  ByteWriter list;
  list.U16(kListFormatVersion);
  list.U32(0);
  list.U32(static_cast<std::uint32_t>(properties.size()));
  for (const Property& property : properties) {
    const std::vector<std::uint8_t> data = EncodeData(property.value);
    const std::size_t start = list.Size();
    list.U32(kAdobeVendor);
    list.U32(property.key);
    list.U32(0);  // property id
    list.U32(static_cast<std::uint32_t>(data.size()));
    list.Bytes(data);
    // Measured from the property's own start: the 10-byte header puts every
    // property off the file's 4-byte grid.
    list.PadToMultipleOf4(start);
  }
  return list.Take();
}

}  // namespace tavrelio::pipl
