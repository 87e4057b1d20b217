// Image worlds the host makes for a render: real pixel buffers in one pixel
// format, rows possibly padded past their pixels. The host remembers every
// world it made, so its routines can tell a world's format and pixel size
// from the bare record the plug-in hands back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "host/HostTypes.h"

namespace standin {

// A four-character pixel format code: the first character in the lowest byte.
constexpr PF_PixelFormat FourCharCode(std::string_view code) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4 && i < code.size(); ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(code[i])) << (8 * i);
  }
  return static_cast<PF_PixelFormat>(value);
}

// A format the host can make but an effect may refuse.
inline constexpr PF_PixelFormat kPixelFormatBGRA32 = FourCharCode("bgra");

// Bytes per pixel of a format the host can make, 0 for any other.
int BytesPerPixel(PF_PixelFormat format);
// The bit depth the host reports for a format (8, 16 or 32).
short BitDepthOf(PF_PixelFormat format);

class HostWorld {
 public:
  // `row_padding` bytes follow each row's pixels.
  HostWorld(PF_PixelFormat format, A_long width, A_long height, A_long row_padding = 0);
  ~HostWorld();
  HostWorld(const HostWorld&) = delete;
  HostWorld& operator=(const HostWorld&) = delete;

  // The world the host made with this record, or null.
  static HostWorld* Find(const PF_EffectWorld* record);

  PF_EffectWorld* Record() { return &record_; }
  PF_PixelFormat Format() const { return format_; }
  int PixelBytes() const { return BytesPerPixel(format_); }

  // Fills every byte, padding included, with a pattern that differs from
  // pixel to pixel, row to row and seed to seed.
  void FillPattern(unsigned seed);
  // The pixels row by row, without padding.
  std::vector<std::byte> Pixels() const;
  // Every byte of the buffer, padding included.
  const std::vector<std::byte>& Buffer() const { return buffer_; }

 private:
  PF_PixelFormat format_;
  std::vector<std::byte> buffer_;
  PF_EffectWorld record_{};
};

}  // namespace standin
