// The version page is whatever a server sends: any bytes must give a value inside the page.
#include "update/versioncheck.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // The first two bytes give the markers' lengths, the rest is split among them and the page.
    const std::size_t startlength = data[0] % 12;
    const std::size_t endlength = data[1] % 12;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    if (rest.size() < startlength + endlength) {
        return 0;
    }
    const vantrel::Text start(rest.substr(0, startlength));
    const vantrel::Text end(rest.substr(startlength, endlength));
    const std::string_view page = rest.substr(startlength + endlength);
    const vantrel::Text value = vantrel::markedtext(page, start, end);
    if (value.size() > page.size() ||
        (!value.empty() && page.find(value) == std::string_view::npos)) {
        std::abort();
    }
    return 0;
}
