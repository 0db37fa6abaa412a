// Texts of the program: GBK (code page 936) byte strings, as every rule of the game counts them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

// A GBK byte string. A Chinese character takes two bytes; an empty text and a missing one are
// the same value.
using Text = std::string;

// UTF-8 (the source's encoding) to GBK. Characters GBK lacks become '?'.
Text fromutf8(std::string_view utf8);
// GBK to UTF-8, for display and for the word store. Bytes that are not valid GBK become U+FFFD.
std::string toutf8(std::string_view gbk);

// Whether every character of the UTF-8 text has a GBK form, so it survives the round trip.
inline bool gbkrepresentable(std::string_view utf8) { return toutf8(fromutf8(utf8)) == utf8; }

// A literal written in UTF-8 in the source, turned into GBK once and kept.
template <std::size_t N> struct Utf8Literal {
    char bytes[N];
    constexpr Utf8Literal(const char (&s)[N]) { std::copy_n(s, N, bytes); }
    constexpr std::string_view view() const { return {bytes, N - 1}; }
};

template <Utf8Literal S> const Text& operator""_t() {
    static const Text converted = fromutf8(S.view());
    return converted;
}

} // namespace vantrel
