// Which of the two builds this is. The 64-bit build is the x86-64 plug-in, the
// 32-bit build the i386 one; native test builds pick either explicitly.
#pragma once

namespace tavrelio {

inline constexpr int kVariantBits = TAVRELIO_VARIANT;
static_assert(kVariantBits == 64 || kVariantBits == 32, "TAVRELIO_VARIANT must be 64 or 32");
inline constexpr bool kIs32BitVariant = kVariantBits == 32;

}  // namespace tavrelio
