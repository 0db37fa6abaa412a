#include "library/librarymaker.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vantrel {

std::vector<std::string> parsewordlist(std::string_view utf8) {
    std::vector<std::string> words;
    while (!utf8.empty()) {
        const std::size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') {
            continue;
        }
        line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
        words.emplace_back(line);
    }
    return words;
}

std::size_t charactercount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8) {
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }
    return count;
}

namespace {

bool fail(sqlite3* db, const std::string& path, std::string& error, const std::string& what) {
    error = what + ": " + (db != nullptr ? sqlite3_errmsg(db) : "out of memory");
    sqlite3_close_v2(db);
    std::remove(path.c_str());
    return false;
}

} // namespace

bool makelibrary(const std::string& path, std::span<const std::string> words, std::string& error) {
    // Created exclusively, so an existing file (or one made meanwhile) is never replaced.
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (file == nullptr) {
        error = path + (errno == EEXIST
                            ? ": the file already exists; it is left as it is"
                            : ": cannot create the file: " + std::string(std::strerror(errno)));
        return false;
    }
    std::fclose(file);

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        return fail(db, path, error, path);
    }
    if (sqlite3_exec(
            db,
            "create table ciyu(ID INTEGER PRIMARY KEY AUTOINCREMENT, 词语 TEXT, 字数 TEXT);"
            "begin;",
            nullptr, nullptr, nullptr) != SQLITE_OK) {
        return fail(db, path, error, "create table ciyu");
    }
    sqlite3_stmt* insert = nullptr;
    if (sqlite3_prepare_v2(db, "insert into ciyu(词语,字数) values(?,?)", -1, &insert, nullptr) !=
        SQLITE_OK) {
        return fail(db, path, error, "insert");
    }
    for (const std::string& word : words) {
        const std::string count = std::to_string(charactercount(word));
        sqlite3_bind_text(insert, 1, word.data(), static_cast<int>(word.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, count.data(), static_cast<int>(count.size()),
                          SQLITE_TRANSIENT);
        if (sqlite3_step(insert) != SQLITE_DONE) {
            sqlite3_finalize(insert);
            return fail(db, path, error, "insert " + word);
        }
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    if (sqlite3_exec(db, "commit;", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return fail(db, path, error, "commit");
    }
    sqlite3_close_v2(db);
    return true;
}

} // namespace vantrel
