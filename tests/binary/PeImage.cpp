#include "PeImage.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tavrelio::pe {
namespace {

constexpr std::uint32_t kExportDirectory = 0;
constexpr std::uint32_t kImportDirectory = 1;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint32_t kDelayImportDirectory = 13;

constexpr std::uint32_t kImportDescriptorSize = 20;
constexpr std::uint32_t kDelayImportDescriptorSize = 32;
constexpr std::uint32_t kSectionHeaderSize = 40;
constexpr std::uint32_t kResourceEntrySize = 8;
constexpr std::uint32_t kResourceHighBit = 0x80000000u;
// Type, name, language: the depth at which every resource tree ends in data.
constexpr int kResourceLeafDepth = 3;

[[noreturn]] void Malformed(const std::string& what) {
  throw std::runtime_error("malformed PE image: " + what);
}

std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < 2) Malformed("read past the end");
  return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return ReadU16(bytes, offset) | static_cast<std::uint32_t>(ReadU16(bytes, offset + 2)) << 16;
}

bool AllZero(std::span<const std::uint8_t> bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

}  // namespace

PeImage PeImage::FromFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  return PeImage(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
}

PeImage::PeImage(std::vector<std::uint8_t> file) : file_(std::move(file)) {
  const std::span<const std::uint8_t> bytes(file_);
  if (ReadU16(bytes, 0) != 0x5A4D) Malformed("no MZ signature");
  const std::uint32_t nt = ReadU32(bytes, 0x3C);
  if (ReadU32(bytes, nt) != 0x00004550) Malformed("no PE signature");

  const std::size_t coff = std::size_t{nt} + 4;
  machine_ = ReadU16(bytes, coff);
  const std::uint16_t section_count = ReadU16(bytes, coff + 2);
  const std::uint16_t optional_size = ReadU16(bytes, coff + 16);
  characteristics_ = ReadU16(bytes, coff + 18);

  const std::size_t optional = coff + 20;
  optional_magic_ = ReadU16(bytes, optional);
  std::size_t count_offset = 0;
  switch (optional_magic_) {
    case kOptionalHeaderPe32:
      count_offset = optional + 92;
      break;
    case kOptionalHeaderPe32Plus:
      count_offset = optional + 108;
      break;
    default:
      Malformed("unknown optional header magic");
  }
  const std::uint32_t directory_count = ReadU32(bytes, count_offset);
  for (std::uint32_t i = 0; i < directory_count; ++i) {
    const std::size_t entry = count_offset + 4 + std::size_t{i} * 8;
    if (entry + 8 > optional + optional_size) Malformed("data directories overrun their header");
    directories_.push_back({ReadU32(bytes, entry), ReadU32(bytes, entry + 4)});
  }

  const std::size_t section_table = optional + optional_size;
  for (std::uint16_t i = 0; i < section_count; ++i) {
    const std::size_t header = section_table + std::size_t{i} * kSectionHeaderSize;
    const Section section{ReadU32(bytes, header + 12), ReadU32(bytes, header + 8),
                          ReadU32(bytes, header + 20), ReadU32(bytes, header + 16)};
    if (std::size_t{section.raw_offset} + section.raw_size > file_.size()) {
      Malformed("section data beyond the end of the file");
    }
    sections_.push_back(section);
  }
}

std::span<const std::uint8_t> PeImage::BytesAt(std::uint32_t rva, std::uint32_t size) const {
  for (const Section& section : sections_) {
    if (rva < section.virtual_address) continue;
    const std::uint64_t start = rva - section.virtual_address;
    if (start >= std::max(section.virtual_size, section.raw_size)) continue;
    if (start + size > section.raw_size) Malformed("read beyond a section's data");
    return std::span<const std::uint8_t>(file_).subspan(section.raw_offset + start, size);
  }
  Malformed("address in no section");
}

std::uint16_t PeImage::U16At(std::uint32_t rva) const { return ReadU16(BytesAt(rva, 2), 0); }

std::uint32_t PeImage::U32At(std::uint32_t rva) const { return ReadU32(BytesAt(rva, 4), 0); }

std::string PeImage::TextAt(std::uint32_t rva) const {
  std::string text;
  for (std::uint32_t at = rva;; ++at) {
    const std::uint8_t c = BytesAt(at, 1)[0];
    if (c == 0) return text;
    text.push_back(static_cast<char>(c));
  }
}

PeImage::DataDirectory PeImage::Directory(std::uint32_t index) const {
  return index < directories_.size() ? directories_[index] : DataDirectory{0, 0};
}

std::uint32_t PeImage::ExportedFunctionCount() const {
  const DataDirectory exports = Directory(kExportDirectory);
  return exports.size == 0 ? 0 : U32At(exports.rva + 20);
}

std::vector<std::string> PeImage::ExportNames() const {
  std::vector<std::string> names;
  const DataDirectory exports = Directory(kExportDirectory);
  if (exports.size == 0) return names;
  const std::uint32_t count = U32At(exports.rva + 24);
  const std::uint32_t name_table = U32At(exports.rva + 32);
  for (std::uint32_t i = 0; i < count; ++i) names.push_back(TextAt(U32At(name_table + 4 * i)));
  return names;
}

std::vector<std::string> PeImage::ImportedDllNames() const {
  std::vector<std::string> names;
  // Both tables end with an all-zero descriptor; the DLL name's address sits
  // at a different place in each.
  const auto walk = [&](DataDirectory table, std::uint32_t descriptor_size,
                        std::uint32_t name_offset) {
    if (table.size == 0) return;
    for (std::uint32_t at = table.rva; !AllZero(BytesAt(at, descriptor_size));
         at += descriptor_size) {
      names.push_back(TextAt(U32At(at + name_offset)));
    }
  };
  walk(Directory(kImportDirectory), kImportDescriptorSize, 12);
  walk(Directory(kDelayImportDirectory), kDelayImportDescriptorSize, 4);
  return names;
}

std::vector<Resource> PeImage::Resources() const {
  std::vector<Resource> resources;
  const DataDirectory tree = Directory(kResourceDirectory);
  if (tree.size == 0) return resources;
  std::vector<ResourceKey> path;
  WalkResources(tree.rva, tree.rva, 0, path, resources);
  return resources;
}

ResourceKey PeImage::ResourceKeyOf(std::uint32_t root, std::uint32_t name_or_id) const {
  if ((name_or_id & kResourceHighBit) == 0) return static_cast<std::uint16_t>(name_or_id);
  // A counted UTF-16 string; resource names here are plain ASCII.
  const std::uint32_t at = root + (name_or_id & ~kResourceHighBit);
  const std::uint16_t length = U16At(at);
  std::string name;
  for (std::uint32_t i = 0; i < length; ++i) {
    const std::uint16_t unit = U16At(at + 2 + 2 * i);
    name.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  }
  return name;
}

void PeImage::WalkResources(std::uint32_t root, std::uint32_t directory, int depth,
                            std::vector<ResourceKey>& path, std::vector<Resource>& out) const {
  const std::uint32_t entry_count = std::uint32_t{U16At(directory + 12)} + U16At(directory + 14);
  for (std::uint32_t i = 0; i < entry_count; ++i) {
    const std::uint32_t entry = directory + 16 + i * kResourceEntrySize;
    const std::uint32_t target = U32At(entry + 4);
    const bool is_directory = (target & kResourceHighBit) != 0;
    if (is_directory != (depth + 1 < kResourceLeafDepth)) {
      Malformed("resource tree is not type / name / language");
    }
    path.push_back(ResourceKeyOf(root, U32At(entry)));
    if (is_directory) {
      WalkResources(root, root + (target & ~kResourceHighBit), depth + 1, path, out);
    } else {
      const std::uint32_t leaf = root + target;
      const auto data = BytesAt(U32At(leaf), U32At(leaf + 4));
      const auto* language = std::get_if<std::uint16_t>(&path[2]);
      if (language == nullptr) Malformed("resource language is not a number");
      out.push_back({path[0], path[1], *language, {data.begin(), data.end()}});
    }
    path.pop_back();
  }
}

}  // namespace tavrelio::pe
