// The memo that names the target: the expression text "'" + name + "';1" on
// the hidden "Info" parameter, and the buffers it passes through.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/BoundedText.h"
#include "host/HostConstants.h"

namespace tavrelio {

// Where a memo is composed: at most 36 characters. Names have at most 31, so
// every memo the pass writes (at most 35) fits whole.
using MemoComposition = BoundedText<37>;
// Where the memo read from the host goes: at most 47 characters.
using MemoReadBack = BoundedText<48>;
// Where the host writes an effect's name: at most 31 characters.
using EffectNameBuffer = std::array<char, AEGP_MAX_STREAM_NAME_SIZE>;

inline MemoComposition ComposeMemo(std::string_view name) {
  MemoComposition memo;
  memo.Append("'");
  memo.Append(name);
  memo.Append("'");
  memo.Append(";1");
  return memo;
}

// What "Info" held at the start of an armed run.
struct TargetMemo {
  // The host returned an expression text at all.
  bool present = false;
  // The text fitted the read-back buffer. A text that did not, or one the
  // host would not lock, cannot be compared, so it matches no effect.
  bool readable = false;
  MemoReadBack text;

  // Whether the memo is exactly the one ComposeMemo(name) would give,
  // checked in place: the search asks this once per effect on every frame.
  bool NamesEffect(std::string_view name) const {
    static_assert(AEGP_MAX_STREAM_NAME_SIZE - 1 + 4 <= MemoComposition::kMaxLength,
                  "a composed memo is never cut, so the in-place check is the same test");
    const std::string_view memo = text.View();
    return readable && memo.size() == name.size() + 4 && memo.front() == '\'' &&
           memo.substr(1, name.size()) == name && memo.substr(name.size() + 1) == "';1";
  }
};

// Copies a NUL-terminated host text into the read-back buffer. Reads no byte
// past the text's NUL and none past the buffer's size; false when the text
// is too long to fit whole.
inline bool CopyMemoText(const char* source, MemoReadBack& into) {
  constexpr std::size_t kMaxLength = MemoReadBack::kMaxLength;
  std::size_t length = 0;
  while (length <= kMaxLength && source[length] != '\0') ++length;
  if (length > kMaxLength) return false;
  into.Append({source, length});
  return true;
}

}  // namespace tavrelio
