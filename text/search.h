// Byte searches in GBK texts that never start a match on the second byte of a double-byte
// character, so a marker or a backslash is only found where it really stands.
#pragma once

#include "text/text.h"

#include <cstddef>

namespace vantrel {

inline constexpr std::size_t notfound = std::string_view::npos;

// Whether the byte is the first of a double-byte character.
constexpr bool leadbyte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

// Position (from 0) of the first occurrence of needle, or notfound. An empty needle is found
// at 0.
std::size_t findtext(std::string_view haystack, std::string_view needle);

// Position (from 0) of the last occurrence of the single byte, or notfound.
std::size_t findlastbyte(std::string_view haystack, char byte);

} // namespace vantrel
