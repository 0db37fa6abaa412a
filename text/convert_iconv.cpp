// GBK conversions with iconv, for the Linux builds.
#include "text/text.h"

#include <cerrno>
#include <iconv.h>

namespace vantrel {

namespace {

// Converts as much as iconv can; on a byte it cannot take, writes the replacement and skips
// one input byte, so a bad byte never loses the text after it.
std::string convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement) {
    iconv_t state = iconv_open(to, from);
    if (state == reinterpret_cast<iconv_t>(-1)) {
        return std::string(input);
    }
    std::string output;
    char buffer[4096];
    char* in = const_cast<char*>(input.data());
    std::size_t inleft = input.size();
    while (inleft > 0) {
        char* out = buffer;
        std::size_t outleft = sizeof buffer;
        const std::size_t result = iconv(state, &in, &inleft, &out, &outleft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            output.append(replacement);
            ++in;
            --inleft;
            iconv(state, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(state);
    return output;
}

} // namespace

Text fromutf8(std::string_view utf8) {
    return convert("CP936", "UTF-8", utf8, "?");
}

std::string toutf8(std::string_view gbk) {
    return convert("UTF-8", "CP936", gbk, "\xEF\xBF\xBD");
}

} // namespace vantrel
