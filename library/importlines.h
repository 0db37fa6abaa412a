// The import file's lines, read a buffer at a time so that memory stays bounded
// whatever the size of the file or of its lines.
//
// - A line ends at a line feed (consumed); then one carriage return at its end is dropped.
// - A byte of 128 or more takes the byte after it along as one double-byte character, so that
//   second byte never ends a line (whatever its value).
// - Nothing is converted or trimmed; an empty line gives an empty text; a file that ends with a
//   line feed gives no extra empty line, and an empty file gives no line.
// - Bytes 0 and 26 (the import must always end):
//   26 (Ctrl-Z, the old end-of-file mark of text files) ends the text where it stands: the
//     line before it is the last line, and nothing after it is read.
//   0 is skipped, as if it were not in the file: it neither ends a line nor counts towards its
//     length.
//   Either byte as the second byte of a double-byte character is just that second byte.
#pragma once

#include "text/text.h"

#include <cstdint>
#include <istream>
#include <vector>

namespace vantrel {

struct ImportLine {
    // The line, or its first `keep` bytes when it is longer.
    Text text;
    // The line's whole length in bytes.
    std::uint64_t length = 0;
};

class ImportLines {
  public:
    // Lines longer than keep bytes are counted but not kept whole.
    explicit ImportLines(std::istream& in, std::size_t keep = 16) : in_(in), keep_(keep) {}

    // The next line; false once the end of the text is reached.
    bool next(ImportLine& line);

  private:
    // The next byte, or -1 at the end of the file.
    int get();
    int peek();

    std::istream& in_;
    std::size_t keep_;
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    std::size_t at_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
};

} // namespace vantrel
