// Texts between the program (GBK) and the word store's file (UTF-8), converted without loss.
//
// The file holds proper UTF-8 so that any SQLite tool reads the words. A word may still hold
// bytes that are not GBK (an import file in another encoding is stored as its raw bytes); each
// such byte b becomes the private-use character U+10FF00 + b, which code page 936 never
// produces, and turns back into the same byte on the way out. So every text the program writes
// reads back byte for byte, and the same word always gives the same UTF-8, which the duplicate
// check and the search rely on.
//
// The tables come from the text layer's own conversion (iconv or code page 936), built once,
// so the store agrees with the rest of the program on every character.
#pragma once

#include "text/text.h"

#include <string>
#include <string_view>

namespace vantrel {

// GBK to the store's UTF-8.
std::string storeutf8(std::string_view gbk);
void appendstoreutf8(std::string& out, std::string_view gbk);

// The store's UTF-8 to GBK. Characters that GBK lacks and bytes that are not UTF-8 become '?'.
Text storegbk(std::string_view utf8);
void appendstoregbk(std::string& out, std::string_view utf8);

} // namespace vantrel
