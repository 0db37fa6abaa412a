#include "update/versioncheck.h"

#include "addresses.h"
#include "text/search.h"

#include <cstdint>

namespace vantrel {

namespace {

constexpr std::string_view currentversion = "3.0";

std::int64_t position(std::string_view text, const Text& marker) {
    const std::size_t found = findtext(text, marker);
    return found == notfound ? -1 : static_cast<std::int64_t>(found) + 1;
}

Text repeated(std::string_view piece, int times) {
    Text text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

} // namespace

Text markedtext(std::string_view page, const Text& start, const Text& end) {
    const std::string_view text = page.substr(0, page.find('\0'));
    const std::int64_t s = position(text, start) + static_cast<std::int64_t>(start.size());
    const std::int64_t n = position(text, end) - s;
    if (s < 1 || s > static_cast<std::int64_t>(text.size()) || n <= 0) {
        return {};
    }
    return Text(text.substr(static_cast<std::size_t>(s - 1), static_cast<std::size_t>(n)));
}

Text markertext(Program& program, const Text& start, const Text& end) {
    const Bytes page = program.services().http.get(fromutf8(addresses::version));
    return markedtext(page, start, end);
}

void checkversion(Program& program, Window& mainwindow) {
    // The page's source writes ten "<" and ten ">" as entities, and is searched as written.
    static const Text versionstart = repeated("&lt;", 10);
    static const Text versionend = repeated("&gt;", 10);
    static const Text downloadstart = repeated("#", 10);
    static const Text downloadend = repeated("!", 10);
    static const Text exitstart = repeated("+", 10);
    static const Text exitend = repeated("=", 10);

    State& state = program.state();
    // Versions compare as texts: anything but exactly our own counts as newer.
    const Text latest = markertext(program, versionstart, versionend);
    if (latest != currentversion) {
        state.downloadurl = markertext(program, downloadstart, downloadend);
        mainwindow.settext("标签1", "有了新版本 V"_t + latest + "，点击更新！"_t);
        mainwindow.setcolour("标签1", ui::red);
        mainwindow.setpointer("标签1", ui::Pointer::hand);
    } else {
        mainwindow.settext("标签1", "已是最近版本！"_t);
    }
    state.exiturl = markertext(program, exitstart, exitend);
}

} // namespace vantrel
