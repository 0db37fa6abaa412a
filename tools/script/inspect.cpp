// The runner's commands that reach past the program: the word library file itself, and
// files and state as they stand.
#include "tools/script/runner.h"

#include "library/librarymaker.h"
#include "library/storetext.h"
#include "text/numbers.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sqlite3.h>
#include <sstream>
#include <stdexcept>

namespace vantrel::script {

namespace {

class Database {
  public:
    explicit Database(const std::filesystem::path& path, int flags) {
        if (sqlite3_open_v2(path.c_str(), &handle_, flags, nullptr) != SQLITE_OK) {
            const std::string reason = sqlite3_errmsg(handle_);
            sqlite3_close(handle_);
            throw std::runtime_error("cannot open " + path.string() + ": " + reason);
        }
        sqlite3_busy_timeout(handle_, 15000);
    }
    ~Database() { sqlite3_close(handle_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one statement, handing each row's cells (null for NULL) to the visitor.
    template <typename Visitor> void run(const std::string& sql, Visitor visit) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(handle_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(handle_));
        }
        int step = 0;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            std::vector<const char*> cells;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                cells.push_back(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, column)));
            }
            visit(cells);
        }
        const std::string reason = sqlite3_errmsg(handle_);
        sqlite3_finalize(statement);
        if (step != SQLITE_DONE) {
            throw std::runtime_error(reason);
        }
    }

  private:
    sqlite3* handle_ = nullptr;
};

std::string escapesql(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        escaped += c;
        if (c == '\'') {
            escaped += '\'';
        }
    }
    return escaped;
}

} // namespace

void Runner::makelib() {
    std::string error;
    if (!makelibrary((dir_ / "caici.mdb").string(), {}, error)) {
        throw std::runtime_error(error);
    }
}

void Runner::addword(const Text& word, const Text& count) {
    Database(dir_ / "caici.mdb", SQLITE_OPEN_READWRITE)
        .run("insert into ciyu(词语,字数) values('" + escapesql(storeutf8(word)) + "','" +
                 escapesql(storeutf8(count)) + "')",
             [](const auto&) {});
}

void Runner::sql(const std::string& statement) {
    Database(dir_ / "caici.mdb", SQLITE_OPEN_READWRITE).run(statement, [this](const auto& cells) {
        const char* separator = "";
        for (const char* cell : cells) {
            out_ << separator << (cell ? quoted(storegbk(cell)) : "NULL");
            separator = " ";
        }
        out_ << '\n';
    });
}

void Runner::write(const std::string& path, const Text& bytes) {
    std::ofstream file(resolve(path), std::ios::binary | std::ios::trunc);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        throw std::runtime_error("cannot write " + path);
    }
}

void Runner::dump(const std::string& path) {
    std::ifstream file(resolve(path), std::ios::binary);
    if (!file) {
        out_ << path << " missing\n";
        return;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const char* separator = "";
    for (unsigned char byte : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", byte);
        out_ << separator << hex;
        separator = " ";
    }
    out_ << '\n';
}

void Runner::text(const std::string& path) {
    std::ifstream file(resolve(path), std::ios::binary);
    if (!file) {
        out_ << path << " missing\n";
        return;
    }
    out_ << quoted(Text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()))
         << '\n';
}

void Runner::state(const std::string& name) {
    const State& state = program_->state();
    const std::map<std::string, const Text*> texts = {{"downloadurl", &state.downloadurl},
                                                      {"exiturl", &state.exiturl},
                                                      {"gamelog", &state.gamelog},
                                                      {"currentword", &state.currentword},
                                                      {"selectedid", &state.selectedid},
                                                      {"importpath", &state.importpath},
                                                      {"dbpath", &state.dbpath}};
    const std::map<std::string, std::int32_t> integers = {
        {"gameminutes", state.gameminutes},       {"totalcount", state.totalcount},
        {"wordcount", state.wordcount},           {"correctcount", state.correctcount},
        {"elapsedseconds", state.elapsedseconds}, {"recordset", state.recordset}};
    std::ostringstream value;
    if (const auto text = texts.find(name); text != texts.end()) {
        value << quoted(*text->second);
    } else if (const auto integer = integers.find(name); integer != integers.end()) {
        value << integer->second;
    } else if (name == "wordids") {
        const int count = std::clamp<std::int32_t>(state.wordcount, 0, 1000);
        for (int position = 0; position < count; ++position) {
            value << (position ? " " : "") << state.wordids[position];
        }
    } else {
        throw std::runtime_error("no state " + name);
    }
    out_ << name << " = " << value.str();
    out_ << '\n';
}

} // namespace vantrel::script
