#include "library/storetext.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vantrel {

namespace {

constexpr char32_t escapebase = 0x10FF00;

// Double-byte codes: lead 0x81..0xFE, trail 0x40..0xFE.
constexpr unsigned leadfirst = 0x81;
constexpr unsigned leadlast = 0xFE;
constexpr unsigned trailfirst = 0x40;
constexpr unsigned traillast = 0xFE;
constexpr unsigned trailcount = traillast - trailfirst + 1;
constexpr unsigned paircount = (leadlast - leadfirst + 1) * trailcount;

// Decodes one UTF-8 character at position; the code point, or nothing (and 1 byte used) for
// a byte that does not start a well-formed character.
char32_t decodeutf8(std::string_view s, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char first = byte(at);
    if (first < 0x80) {
        ++at;
        return first;
    }
    int length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2, code = first & 0x1F, least = 0x80;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3, code = first & 0x0F, least = 0x800;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4, code = first & 0x07, least = 0x10000;
    } else {
        ++at;
        return U'\xFFFFFFFF';
    }
    if (at + static_cast<std::size_t>(length) > s.size()) {
        ++at;
        return U'\xFFFFFFFF';
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) {
            ++at;
            return U'\xFFFFFFFF';
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++at;
        return U'\xFFFFFFFF';
    }
    at += static_cast<std::size_t>(length);
    return code;
}

void encodeutf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// The one character a converted piece holds, or 0 when the piece is not exactly one
// character that a real code gives.
char32_t onecharacter(std::string_view piece) {
    std::size_t at = 0;
    if (piece.empty()) {
        return 0;
    }
    const char32_t code = decodeutf8(piece, at);
    if (at != piece.size() || code == U'\xFFFFFFFF' || code < 0x80 || code == 0xFFFD ||
        code > 0xFFFF) {
        return 0;
    }
    return code;
}

struct Tables {
    // Code point of each double-byte code, 0 when the code is not used (or not reversible).
    std::vector<char32_t> pairs = std::vector<char32_t>(paircount, 0);
    // Code point of the single byte 0x80 (the euro sign in code page 936), 0 when none.
    char32_t byte80 = 0;
    // GBK code of each BMP code point: 0 none, 0x0080 the single byte, else lead << 8 | trail.
    std::vector<std::uint16_t> reverse = std::vector<std::uint16_t>(0x10000, 0);

    Tables() {
        // Every code followed by a line feed, converted in one call; a line feed is never a
        // trail byte, so the pieces line up with the codes.
        std::string all;
        all.reserve(paircount * 3 + 2);
        all += "\x80\n";
        for (unsigned lead = leadfirst; lead <= leadlast; ++lead) {
            for (unsigned trail = trailfirst; trail <= traillast; ++trail) {
                all.push_back(static_cast<char>(lead));
                all.push_back(static_cast<char>(trail));
                all.push_back('\n');
            }
        }
        std::vector<std::string_view> pieces;
        const std::string converted = toutf8(all);
        std::string_view rest = converted;
        for (std::size_t end; (end = rest.find('\n')) != std::string_view::npos;) {
            pieces.push_back(rest.substr(0, end));
            rest.remove_prefix(end + 1);
        }
        const bool aligned = pieces.size() == paircount + 1;
        const auto piece = [&](std::size_t index, const std::string& code) {
            return aligned ? onecharacter(pieces[index]) : onecharacter(toutf8(code));
        };
        byte80 = piece(0, "\x80");
        std::size_t index = 1;
        for (unsigned lead = leadfirst; lead <= leadlast; ++lead) {
            for (unsigned trail = trailfirst; trail <= traillast; ++trail, ++index) {
                const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
                pairs[index - 1] = piece(index, code);
            }
        }
        // Reverse, first code wins; a code whose character belongs to another code is
        // dropped, so that every code kept comes back as itself.
        if (byte80 != 0) {
            reverse[byte80] = 0x0080;
        }
        for (std::size_t i = 0; i < paircount; ++i) {
            const char32_t code = pairs[i];
            if (code == 0) {
                continue;
            }
            const auto gbk = static_cast<std::uint16_t>(((i / trailcount + leadfirst) << 8) |
                                                        (i % trailcount + trailfirst));
            if (reverse[code] == 0) {
                reverse[code] = gbk;
            } else {
                pairs[i] = 0;
            }
        }
    }
};

const Tables& tables() {
    static const Tables built;
    return built;
}

} // namespace

void appendstoreutf8(std::string& out, std::string_view gbk) {
    const Tables& t = tables();
    for (std::size_t at = 0; at < gbk.size();) {
        const auto first = static_cast<unsigned char>(gbk[at]);
        if (first < 0x80) {
            out.push_back(static_cast<char>(first));
            ++at;
            continue;
        }
        if (first >= leadfirst && first <= leadlast && at + 1 < gbk.size()) {
            const auto trail = static_cast<unsigned char>(gbk[at + 1]);
            if (trail >= trailfirst && trail <= traillast) {
                const char32_t code =
                    t.pairs[(first - leadfirst) * trailcount + trail - trailfirst];
                if (code != 0) {
                    encodeutf8(out, code);
                    at += 2;
                    continue;
                }
            }
        }
        if (first == 0x80 && t.byte80 != 0) {
            encodeutf8(out, t.byte80);
        } else {
            encodeutf8(out, escapebase + first);
        }
        ++at;
    }
}

std::string storeutf8(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    appendstoreutf8(out, gbk);
    return out;
}

void appendstoregbk(std::string& out, std::string_view utf8) {
    const Tables& t = tables();
    for (std::size_t at = 0; at < utf8.size();) {
        const auto first = static_cast<unsigned char>(utf8[at]);
        if (first < 0x80) {
            out.push_back(static_cast<char>(first));
            ++at;
            continue;
        }
        const char32_t code = decodeutf8(utf8, at);
        if (code >= escapebase + 0x80 && code <= escapebase + 0xFF) {
            out.push_back(static_cast<char>(code - escapebase));
        } else if (code < 0x10000 && t.reverse[code] != 0) {
            const std::uint16_t gbk = t.reverse[code];
            if (gbk > 0xFF) {
                out.push_back(static_cast<char>(gbk >> 8));
            }
            out.push_back(static_cast<char>(gbk & 0xFF));
        } else {
            out.push_back('?');
        }
    }
}

Text storegbk(std::string_view utf8) {
    Text out;
    out.reserve(utf8.size());
    appendstoregbk(out, utf8);
    return out;
}

} // namespace vantrel
