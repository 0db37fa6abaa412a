#include "kit/headless/headlesskit.h"

#include "text/search.h"

#include <cstdio>

namespace vantrel {

namespace {

std::string hexbyte(unsigned char byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02x", byte);
    return buffer;
}

// The UTF-8 form of one double-byte character, or nothing when the pair is not GBK.
std::optional<std::string> pairutf8(std::string_view pair) {
    const std::string converted = toutf8(pair);
    if (converted.empty() || converted.find("\xEF\xBF\xBD") != std::string::npos ||
        converted == pair) {
        return std::nullopt;
    }
    return converted;
}

} // namespace

std::string quoted(const Text& text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {
            switch (byte) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += byte < 0x20 || byte == 0x7F ? hexbyte(byte) : std::string(1, text[at]);
            }
            ++at;
            continue;
        }
        if (leadbyte(byte) && at + 1 < text.size()) {
            if (const auto character = pairutf8(std::string_view(text).substr(at, 2))) {
                out += *character;
                at += 2;
                continue;
            }
        }
        out += hexbyte(byte);
        ++at;
    }
    return out + "\"";
}

} // namespace vantrel
