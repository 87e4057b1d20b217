// Fixed text buffers that never run over: appends stop at the last byte but
// one, and the text is always NUL-terminated.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace tavrelio {

template <std::size_t Size>
class BoundedText {
  static_assert(Size > 0, "room for the terminating NUL");

 public:
  static constexpr std::size_t kMaxLength = Size - 1;

  // Appends as much of text as still fits.
  void Append(std::string_view text) {
    const std::size_t count = std::min(text.size(), kMaxLength - length_);
    std::copy_n(text.data(), count, bytes_.data() + length_);
    length_ += count;
    bytes_[length_] = '\0';
  }

  std::string_view View() const { return {bytes_.data(), length_}; }
  const char* CStr() const { return bytes_.data(); }

 private:
  std::array<char, Size> bytes_{};
  std::size_t length_ = 0;
};

// The text in a buffer the host wrote: up to its NUL, or the whole buffer
// when the host left none.
inline std::string_view TextIn(std::span<const char> buffer) {
  const auto end = std::find(buffer.begin(), buffer.end(), '\0');
  return {buffer.data(), static_cast<std::size_t>(end - buffer.begin())};
}

}  // namespace tavrelio
