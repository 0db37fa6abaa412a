// Making a new word library: a caici.mdb that the word store reads, empty or with words. The
// game itself never makes one; the library maker (tools/makelib), the scenario runner and the
// tests do.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// The words of a word list in UTF-8: one word a line; blanks around a word, empty lines and
// lines starting with '#' (theme headers, comments) are left out.
std::vector<std::string> parsewordlist(std::string_view utf8);

// The number of characters of a UTF-8 word, as the 字数 of a made library counts it.
std::size_t charactercount(std::string_view utf8);

// Creates a new SQLite database at the path (UTF-8, the platform's own form) holding
// ciyu(ID INTEGER PRIMARY KEY AUTOINCREMENT, 词语 TEXT, 字数 TEXT) and the words (UTF-8), in
// their order, each with its character count as 字数. Never replaces or touches an existing
// file. False with the reason in error (UTF-8) when it fails; a half-made file is removed.
bool makelibrary(const std::string& path, std::span<const std::string> words, std::string& error);

} // namespace vantrel
