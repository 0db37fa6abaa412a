// An import file is whatever the operator picks: any bytes must end, and no line may claim
// more bytes than the file holds.
#include "library/importlines.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
    vantrel::ImportLines lines(file, 4);
    vantrel::ImportLine line;
    std::uint64_t total = 0;
    std::size_t count = 0;
    while (lines.next(line)) {
        total += line.length;
        if (line.text.size() > 4 || total > size || ++count > size + 1) {
            std::abort();
        }
    }
    return 0;
}
