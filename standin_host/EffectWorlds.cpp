#include "standin_host/EffectWorlds.h"

#include <stdexcept>

#include "host/HostConstants.h"

namespace standin {

static_assert(FourCharCode("argb") == PF_PixelFormat_ARGB32);

namespace {

// Worlds are made and freed by the test's thread only.
std::vector<HostWorld*>& LiveWorlds() {
  static std::vector<HostWorld*> worlds;
  return worlds;
}

}  // namespace

int BytesPerPixel(PF_PixelFormat format) {
  switch (format) {
    case PF_PixelFormat_ARGB32:
      return 4;
    case PF_PixelFormat_ARGB64:
      return 8;
    case PF_PixelFormat_ARGB128:
      return 16;
    case kPixelFormatBGRA32:
      return 4;
    default:
      return 0;
  }
}

short BitDepthOf(PF_PixelFormat format) {
  switch (format) {
    case PF_PixelFormat_ARGB64:
      return 16;
    case PF_PixelFormat_ARGB128:
      return 32;
    default:
      return 8;
  }
}

HostWorld::HostWorld(PF_PixelFormat format, A_long width, A_long height, A_long row_padding)
    : format_(format) {
  if (BytesPerPixel(format) == 0 || width <= 0 || height <= 0 || row_padding < 0) {
    throw std::invalid_argument("the host makes no such world");
  }
  record_.width = width;
  record_.height = height;
  record_.rowbytes = width * BytesPerPixel(format) + row_padding;
  buffer_.resize(static_cast<std::size_t>(record_.rowbytes) * static_cast<std::size_t>(height));
  record_.data = buffer_.data();
  record_.extent_hint = PF_UnionableRect{0, 0, width, height};
  record_.pix_aspect_ratio = PF_RationalScale{1, 1};
  LiveWorlds().push_back(this);
}

HostWorld::~HostWorld() { std::erase(LiveWorlds(), this); }

HostWorld* HostWorld::Find(const PF_EffectWorld* record) {
  for (HostWorld* world : LiveWorlds()) {
    if (world->Record() == record) return world;
  }
  return nullptr;
}

void HostWorld::FillPattern(unsigned seed) {
  const auto rowbytes = static_cast<std::size_t>(record_.rowbytes);
  for (std::size_t i = 0; i < buffer_.size(); ++i) {
    // Odd multipliers: a byte read from a shifted place reads a different value.
    const std::size_t value = i * 37u + (i / rowbytes) * 101u + seed * 59u;
    buffer_[i] = static_cast<std::byte>(value & 0xFFu);
  }
}

std::vector<std::byte> HostWorld::Pixels() const {
  std::vector<std::byte> pixels;
  const std::size_t row_length = static_cast<std::size_t>(record_.width) * PixelBytes();
  for (A_long y = 0; y < record_.height; ++y) {
    const auto row = buffer_.begin() + static_cast<std::ptrdiff_t>(y) * record_.rowbytes;
    pixels.insert(pixels.end(), row, row + static_cast<std::ptrdiff_t>(row_length));
  }
  return pixels;
}

}  // namespace standin
