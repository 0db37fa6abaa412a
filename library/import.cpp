// The word import: 打开 chooses a file, 导入 adds its short lines that the store does
// not hold yet, one by one, refreshing the list after each stored word.
#include "library/importlines.h"
#include "library/library.h"
#include "text/numbers.h"

namespace vantrel {

int ImportLines::peek() {
    if (at_ == end_) {
        if (!in_) {
            return -1;
        }
        in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        at_ = 0;
        end_ = static_cast<std::size_t>(in_.gcount());
        if (end_ == 0) {
            return -1;
        }
    }
    return static_cast<unsigned char>(buffer_[at_]);
}

int ImportLines::get() {
    const int byte = peek();
    if (byte >= 0) {
        ++at_;
    }
    return byte;
}

bool ImportLines::next(ImportLine& line) {
    line.text.clear();
    line.length = 0;
    if (ended_) {
        return false;
    }
    // Skipped bytes are not there: a file holding only them, or ending in them after a line
    // feed, has no further line.
    for (int byte; (byte = peek()) != -1 && byte == 0;) {
        get();
    }
    const int first = peek();
    if (first == -1 || first == 26) {
        ended_ = true;
        return false;
    }
    int last = -1;
    const auto keep = [&](int byte) {
        if (line.text.size() < keep_) {
            line.text.push_back(static_cast<char>(byte));
        }
        ++line.length;
        last = byte;
    };
    for (int byte; (byte = get()) != -1;) {
        if (byte == '\n') {
            break;
        }
        if (byte == 0) {
            continue;
        }
        if (byte == 26) {
            ended_ = true;
            break;
        }
        keep(byte);
        if (byte >= 128) {
            const int second = get();
            if (second == -1) {
                break;
            }
            keep(second);
        }
    }
    if (last == '\r') {
        --line.length;
        if (line.text.size() > line.length) {
            line.text.resize(static_cast<std::size_t>(line.length));
        }
    }
    return true;
}

void choosefile(Library& library, Window& window) {
    const std::optional<Text> chosen = window.choosefile("通用对话框1");
    if (!chosen) {
        return;
    }
    window.settext("标签2", *chosen);
    library.state().importpath = *chosen;
}

namespace {

void importword(Library& library, Window& window, const Text& word, const Text& count) {
    State& s = library.state();
    WordStore& store = library.store();
    store.openstore(s.dbpath);
    s.recordset = store.runquery("select * from ciyu where 词语='"_t + quoted_sql(word) + "'");
    s.wordcount = library.countrows();
    if (s.wordcount >= 1) {
        return;
    }
    store.runstatement("insert into ciyu(词语,字数) values('"_t + quoted_sql(word) + "','" +
                       quoted_sql(count) + "')");
    store.openstore(library.program().storepath());
    s.recordset = store.runquery("select * from ciyu order by ID desc");
    library.clearinputs(window);
    window.repaint();
    library.filllist(window);
    window.settext("tiaoshu", library.totalline());
}

} // namespace

void importfile(Library& library, Window& window) {
    State& s = library.state();
    library.store().openstore(s.dbpath);
    // Opened for reading only, so a read-only file imports like any other.
    std::unique_ptr<std::istream> file;
    if (!s.importpath.empty()) {
        file = library.program().services().files.openinput(s.importpath);
    }
    if (file) {
        ImportLines lines(*file);
        ImportLine line;
        while (lines.next(line)) {
            const double half = static_cast<double>(line.length) / 2;
            // Lines of 10 bytes or more are too long for a word: skipped.
            if (half - 5 >= -0.0000001) {
                continue;
            }
            importword(library, window, line.text, realtext(half));
        }
    }
    window.settext("标签2", "");
    s.importpath.clear();
}

} // namespace vantrel
