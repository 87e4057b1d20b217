// Just enough of a PE (Windows DLL) reader to check what the host and the
// Windows loader will see in a built .aex: headers, exports, imports and
// resources. Malformed input throws std::runtime_error instead of reading
// out of bounds, so a broken file fails the test that reads it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace tavrelio::pe {

inline constexpr std::uint16_t kMachineI386 = 0x014C;
inline constexpr std::uint16_t kMachineAmd64 = 0x8664;
inline constexpr std::uint16_t kCharacteristicDll = 0x2000;
inline constexpr std::uint16_t kOptionalHeaderPe32 = 0x010B;
inline constexpr std::uint16_t kOptionalHeaderPe32Plus = 0x020B;
inline constexpr std::uint16_t kResourceTypeManifest = 24;

// A resource type or name: a number, or text as the resource compiler stored it.
using ResourceKey = std::variant<std::uint16_t, std::string>;

struct Resource {
  ResourceKey type;
  ResourceKey name;
  std::uint16_t language = 0;
  std::vector<std::uint8_t> data;
};

class PeImage {
 public:
  explicit PeImage(std::vector<std::uint8_t> file);
  static PeImage FromFile(const std::filesystem::path& path);

  std::uint16_t Machine() const { return machine_; }
  std::uint16_t Characteristics() const { return characteristics_; }
  std::uint16_t OptionalHeaderMagic() const { return optional_magic_; }

  // Entries in the export address table, named or not.
  std::uint32_t ExportedFunctionCount() const;
  std::vector<std::string> ExportNames() const;
  // Every DLL the loader will bring in for this image, delay-loaded ones included.
  std::vector<std::string> ImportedDllNames() const;
  // Every leaf of the type / name / language tree.
  std::vector<Resource> Resources() const;

 private:
  struct Section {
    std::uint32_t virtual_address;
    std::uint32_t virtual_size;
    std::uint32_t raw_offset;
    std::uint32_t raw_size;
  };
  struct DataDirectory {
    std::uint32_t rva;
    std::uint32_t size;
  };

  // The file bytes behind [rva, rva + size); they must lie in one section's raw data.
  std::span<const std::uint8_t> BytesAt(std::uint32_t rva, std::uint32_t size) const;
  std::uint16_t U16At(std::uint32_t rva) const;
  std::uint32_t U32At(std::uint32_t rva) const;
  std::string TextAt(std::uint32_t rva) const;
  DataDirectory Directory(std::uint32_t index) const;
  void WalkResources(std::uint32_t root, std::uint32_t directory, int depth,
                     std::vector<ResourceKey>& path, std::vector<Resource>& out) const;
  ResourceKey ResourceKeyOf(std::uint32_t root, std::uint32_t name_or_id) const;

  std::vector<std::uint8_t> file_;
  std::uint16_t machine_ = 0;
  std::uint16_t characteristics_ = 0;
  std::uint16_t optional_magic_ = 0;
  std::vector<DataDirectory> directories_;
  std::vector<Section> sections_;
};

}  // namespace tavrelio::pe
