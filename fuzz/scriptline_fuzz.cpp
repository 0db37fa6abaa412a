// Script lines are typed by people: any bytes must split or be refused, never crash.
#include "tools/script/arguments.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        vantrel::script::splitline(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const vantrel::script::SyntaxError&) {
    }
    return 0;
}
