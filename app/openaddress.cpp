#include "app/openaddress.h"

#include <algorithm>
#include <cctype>

namespace vantrel {

namespace {

bool startsnocase(const Text& text, std::string_view prefix) {
    return text.size() > prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char want, char have) {
               return want == std::tolower(static_cast<unsigned char>(have));
           });
}

} // namespace

bool webaddress(const Text& address) {
    // A host must follow the scheme, and no control character or blank may hide in it: the
    // address reaches the browser as one argument and nothing else.
    const bool controls = std::any_of(address.begin(), address.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F;
    });
    return !controls && (startsnocase(address, "http://") || startsnocase(address, "https://"));
}

void openaddress(Program& program, const Text& address) {
    if (webaddress(address)) {
        program.services().shell.openaddress(address);
    }
}

} // namespace vantrel
