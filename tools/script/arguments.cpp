#include "tools/script/arguments.h"

#include <cctype>

namespace vantrel::script {

namespace {

int hexdigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A quoted word starting after its opening quote; moves at past the closing quote.
Word quotedword(const std::string& line, std::size_t& at) {
    Word word;
    word.quoted = true;
    std::string pending; // UTF-8 still to be turned into GBK
    auto flush = [&] {
        word.text += fromutf8(pending);
        pending.clear();
    };
    while (true) {
        if (at >= line.size()) {
            throw SyntaxError("unterminated string");
        }
        const char c = line[at++];
        if (c == '"') {
            break;
        }
        if (c != '\\') {
            pending += c;
            word.utf8 += c;
            continue;
        }
        if (at >= line.size()) {
            throw SyntaxError("unterminated escape");
        }
        const char escape = line[at++];
        switch (escape) {
        case '\\':
        case '"':
            pending += escape;
            break;
        case 'r':
            pending += '\r';
            break;
        case 'n':
            pending += '\n';
            break;
        case 't':
            pending += '\t';
            break;
        case 'x': {
            const int high = at < line.size() ? hexdigit(line[at]) : -1;
            const int low = at + 1 < line.size() ? hexdigit(line[at + 1]) : -1;
            if (high < 0 || low < 0) {
                throw SyntaxError("\\x needs two hex digits");
            }
            at += 2;
            flush();
            word.text += static_cast<char>(high * 16 + low);
            continue;
        }
        default:
            throw SyntaxError(std::string("unknown escape \\") + escape);
        }
        word.utf8 += pending.back();
    }
    flush();
    return word;
}

} // namespace

std::vector<Word> splitline(const std::string& line) {
    std::vector<Word> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++at;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            ++at;
            words.push_back(quotedword(line, at));
        } else {
            const std::size_t start = at;
            while (at < line.size() && !std::isspace(static_cast<unsigned char>(line[at]))) {
                ++at;
            }
            const std::string bare = line.substr(start, at - start);
            words.push_back({bare, fromutf8(bare), false});
        }
    }
    return words;
}

} // namespace vantrel::script
