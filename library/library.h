// What the library window's handlers share and the word import uses:
// the window's word store connection and the procedures filllist and clearinputs.
#pragma once

#include "app/program.h"
#include "library/wordstore.h"

namespace vantrel {

// A text value spliced between the single quotes of a statement: each quote written twice.
Text quoted_sql(const Text& value);

class Library {
  public:
    explicit Library(Program& program) : program_(program) {}

    Program& program() { return program_; }
    State& state() { return program_.state(); }
    Kit& kit() { return program_.services().kit; }
    // The window's connection, 外部数据库1.
    WordStore& store() { return store_; }

    // Rebuilds xinxi from recordset, sets wordcount and writes the total line.
    void filllist(Window& window);
    // Empties ciyu, then zishu (the automatic count runs in between).
    void clearinputs(Window& window);
    // "目前有" + wordcount + "条词语".
    Text totalline() const;
    // Rows of recordset, counted from its first row.
    std::int32_t countrows();

  private:
    Program& program_;
    WordStore store_;
};

// The import, bound to 打开 and daoru.
void choosefile(Library& library, Window& window);
void importfile(Library& library, Window& window);

} // namespace vantrel
