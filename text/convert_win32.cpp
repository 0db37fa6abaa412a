// GBK conversions through code page 936 itself, so the Windows build works on any system locale.
#include "text/text.h"

#include <windows.h>

namespace vantrel {

namespace {

std::wstring widen(UINT codepage, std::string_view input) {
    if (input.empty()) {
        return {};
    }
    const int size = static_cast<int>(input.size());
    const int length = MultiByteToWideChar(codepage, 0, input.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codepage, 0, input.data(), size, wide.data(), length);
    return wide;
}

std::string narrow(UINT codepage, const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codepage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string output(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codepage, 0, wide.data(), size, output.data(), length, nullptr, nullptr);
    return output;
}

} // namespace

Text fromutf8(std::string_view utf8) {
    return narrow(936, widen(CP_UTF8, utf8));
}

std::string toutf8(std::string_view gbk) {
    return narrow(CP_UTF8, widen(936, gbk));
}

} // namespace vantrel
