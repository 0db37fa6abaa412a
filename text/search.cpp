#include "text/search.h"

namespace vantrel {

namespace {

// Length of the character starting at position: 2 for a lead byte with a byte after it.
std::size_t charlength(std::string_view text, std::size_t position) {
    const bool pair =
        leadbyte(static_cast<unsigned char>(text[position])) && position + 1 < text.size();
    return pair ? 2 : 1;
}

} // namespace

std::size_t findtext(std::string_view haystack, std::string_view needle) {
    for (std::size_t at = 0; at + needle.size() <= haystack.size();
         at += at < haystack.size() ? charlength(haystack, at) : 1) {
        if (haystack.compare(at, needle.size(), needle) == 0) {
            return at;
        }
    }
    return notfound;
}

std::size_t findlastbyte(std::string_view haystack, char byte) {
    std::size_t found = notfound;
    for (std::size_t at = 0; at < haystack.size(); at += charlength(haystack, at)) {
        if (haystack[at] == byte) {
            found = at;
        }
    }
    return found;
}

} // namespace vantrel
