// Turns a property list into the bytes of its Windows resource.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "resources/PiplProperty.h"

namespace tavrelio::pipl {

// Little-endian throughout; each property is padded to a multiple of 4 bytes.
// Throws std::length_error for counted text longer than its count byte allows.
std::vector<std::uint8_t> EncodePipl(std::span<const Property> properties);

}  // namespace tavrelio::pipl
