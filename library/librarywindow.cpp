// The library window's handlers. Every change goes to the store and is followed by a
// fresh read of the whole list; statements are built from fixed texts and quoted values.
#include "library/librarywindow.h"

#include "library/library.h"
#include "library/missingstore.h"
#include "text/numbers.h"
#include "ui/definition.h"

namespace vantrel {

Text quoted_sql(const Text& value) {
    // A quote byte (0x27) is never the second byte of a GBK character, so every one is a quote.
    Text out;
    out.reserve(value.size() + 2);
    for (const char byte : value) {
        out += byte;
        if (byte == '\'') {
            out += '\'';
        }
    }
    return out;
}

Text Library::totalline() const {
    return "目前有"_t + inttext(program_.state().wordcount) + "条词语"_t;
}

std::int32_t Library::countrows() {
    const std::int32_t handle = state().recordset;
    std::int32_t count = 0;
    store_.firstrow(handle);
    while (!store_.pastlast(handle)) {
        store_.nextrow(handle);
        ++count;
    }
    return count;
}

void Library::filllist(Window& window) {
    State& s = state();
    const std::int32_t handle = s.recordset;
    std::vector<Row> rows;
    rows.reserve(static_cast<std::size_t>(store_.rowcount(handle)));
    s.wordcount = 0;
    store_.firstrow(handle);
    while (!store_.pastlast(handle)) {
        if (!store_.readstext(handle, "词语"_t)) {
            // A word that is not text means the library is not ours: a fatal data-type error.
            kit().fatal("类型不匹配：词语不是文本"_t);
        }
        rows.push_back(Row{store_.readtext(handle, "ID"), store_.readtext(handle, "词语"_t),
                           store_.readtext(handle, "字数"_t)});
        store_.nextrow(handle);
        ++s.wordcount;
    }
    // One fill of the whole list: the kit holds the rows.
    window.setrows("xinxi", std::move(rows));
    window.settext("tiaoshu", totalline());
}

void Library::clearinputs(Window& window) {
    window.settext("ciyu", "");
    window.settext("zishu", "");
}

namespace {

void message(Library& library, const char* text, Icon icon) {
    library.kit().message(fromutf8(text), "提示"_t, Buttons::ok, icon);
}

bool confirmdelete(Library& library) {
    return library.kit().message("确认删除"_t, "警告"_t, Buttons::okcancel, Icon::none) ==
           Answer::ok;
}

// Re-opens the store at the path computed afresh, then lists with the query.
void reopenandquery(Library& library, const Text& query) {
    library.store().openstore(library.program().storepath());
    library.state().recordset = library.store().runquery(query);
}

void created(Library& library, Window& window) {
    State& s = library.state();
    s.dbpath = library.program().storepath();
    if (!library.program().services().files.exists(s.dbpath)) {
        stopformissingstore(library.program());
        return;
    }
    library.store().openstore(s.dbpath);
    s.recordset = library.store().runquery("select * from ciyu order by ID desc");
    library.filllist(window);
}

// The word's length in characters: its bytes halved, as "%.13g" writes it.
void automaticcount(Window& window) {
    window.settext("zishu", realtext(static_cast<double>(window.text("ciyu").size()) / 2));
}

void selection(Library& library, Window& window) {
    // The selected row is looked up afresh for each of the three steps.
    const auto cell = [&window](int column) {
        const int row = window.selectedrow("xinxi");
        return row < 0 ? Text() : window.cell("xinxi", row, column);
    };
    library.state().selectedid = cell(0);
    window.settext("ciyu", cell(1));
    window.settext("zishu", cell(2));
}

void search(Library& library, Window& window) {
    Text sql = "select * from ciyu where 1=1 ";
    const Text word = window.text("ciyu");
    const Text count = window.text("zishu");
    if (!word.empty()) {
        sql += "and 词语 like '%"_t + quoted_sql(word) + "%'";
    }
    if (!count.empty()) {
        sql += "and 字数 = '"_t + quoted_sql(count) + "'";
    }
    library.state().recordset = library.store().runquery(sql);
    library.filllist(window);
    window.settext("tiaoshu", "查询到有"_t + inttext(library.state().wordcount) + "条词语"_t);
}

// Add and modify need a word and its count; either box empty is refused.
bool bothfilled(Library& library, const Text& word, const Text& count) {
    if (word.empty() || count.empty()) {
        message(library, "词语、字数不能为空！", Icon::stop);
        return false;
    }
    return true;
}

void add(Library& library, Window& window) {
    State& s = library.state();
    window.repaint();
    s.recordset = library.store().runquery("select * from ciyu where 词语='"_t +
                                           quoted_sql(window.text("ciyu")) + "'");
    s.wordcount = library.countrows();
    if (s.wordcount >= 1) {
        message(library, "已经有这个词了！", Icon::stop);
        return;
    }
    const Text word = window.text("ciyu");
    const Text count = window.text("zishu");
    if (!bothfilled(library, word, count)) {
        return;
    }
    const bool inserted =
        library.store().runstatement("insert into ciyu(词语,字数) values('"_t + quoted_sql(word) +
                                     "','" + quoted_sql(count) + "')");
    reopenandquery(library, "select * from ciyu order by ID desc");
    // A rejected insert is never reported as a success.
    if (inserted) {
        message(library, "添加成功！", Icon::information);
    } else {
        message(library, "添加失败！", Icon::stop);
    }
    library.clearinputs(window);
    window.repaint();
    library.filllist(window);
    window.settext("tiaoshu", library.totalline());
}

void modify(Library& library, Window& window) {
    State& s = library.state();
    window.repaint();
    // With no word made current the statement would end in "where id=";
    // it is refused as delete refuses it, before the boxes are looked at.
    if (s.selectedid.empty()) {
        message(library, "请选择词语！", Icon::information);
        return;
    }
    const Text word = window.text("ciyu");
    const Text count = window.text("zishu");
    if (!bothfilled(library, word, count)) {
        return;
    }
    const bool updated =
        library.store().runstatement("update ciyu set 词语='"_t + quoted_sql(word) + "',字数='"_t +
                                     quoted_sql(count) + "' where id=" + s.selectedid);
    reopenandquery(library, "select * from ciyu order by id desc");
    if (updated) {
        message(library, "修改成功！", Icon::information);
    } else {
        message(library, "修改失败！", Icon::stop);
    }
    window.repaint();
    library.filllist(window);
}

void remove(Library& library, Window& window) {
    State& s = library.state();
    if (s.selectedid.empty()) {
        message(library, "请选择词语！", Icon::information);
        return;
    }
    if (!confirmdelete(library)) {
        return;
    }
    window.repaint();
    library.store().runstatement("delete from ciyu where id=" + s.selectedid);
    reopenandquery(library, "select * from ciyu");
    library.clearinputs(window);
    window.repaint();
    library.filllist(window);
    window.settext("tiaoshu", library.totalline());
}

void clearall(Library& library, Window& window) {
    if (!confirmdelete(library)) {
        return;
    }
    window.repaint();
    library.store().runstatement("delete from ciyu ");
    reopenandquery(library, "select * from ciyu");
    library.clearinputs(window);
    window.repaint();
    library.filllist(window);
    window.settext("tiaoshu", library.totalline());
}

} // namespace

void openlibrary(Program& program) {
    // Lives as long as the window: openmodal returns once the window is gone.
    Library library(program);
    Library* l = &library;
    Handlers handlers;
    handlers.on("", Event::created, [l](Window& w) { created(*l, w); })
        .on("ciyu", Event::changed, [](Window& w) { automaticcount(w); })
        .on("xinxi", Event::currentchanged, [l](Window& w) { selection(*l, w); })
        .on("selectbtn", Event::clicked, [l](Window& w) { search(*l, w); })
        .on("zengjiabtn", Event::clicked, [l](Window& w) { add(*l, w); })
        .on("updatebtn", Event::clicked, [l](Window& w) { modify(*l, w); })
        .on("shanchbtn", Event::clicked, [l](Window& w) { remove(*l, w); })
        .on("按钮5", Event::clicked, [l](Window& w) { l->clearinputs(w); })
        .on("qingkongall", Event::clicked, [l](Window& w) { clearall(*l, w); })
        .on("打开", Event::clicked, [l](Window& w) { choosefile(*l, w); })
        .on("daoru", Event::clicked, [l](Window& w) { importfile(*l, w); });
    program.services().kit.openmodal(ui::librarywindow(), std::move(handlers));
}

} // namespace vantrel
