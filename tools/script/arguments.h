// Splitting a script line into its words: bare words, or double-quoted strings with the
// escapes \\ \" \r \n \t and \xHH (a raw byte, placed as is into the GBK text).
#pragma once

#include "text/text.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel::script {

struct Word {
    std::string utf8; // as written, for command names and numbers
    Text text;        // the program's own form: GBK, with raw bytes as given
    bool quoted = false;
};

class SyntaxError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The words of one line; a '#' outside quotes starts a comment.
std::vector<Word> splitline(const std::string& line);

} // namespace vantrel::script
