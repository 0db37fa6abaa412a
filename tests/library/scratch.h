// Test helpers: a fresh folder per test, libraries made in it, files read back whole.
#pragma once

#include "library/librarymaker.h"
#include "text/text.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel::testing {

// A temporary folder, removed with everything in it when the test ends.
class Scratch {
  public:
    Scratch() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        folder_ = pattern;
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    std::string file(const std::string& name) const { return (folder_ / name).string(); }
    // The program's form of the path: the folder, a backslash, the name (ASCII folders only).
    Text programpath(const std::string& name) const { return folder_.string() + "\\" + name; }

  private:
    std::filesystem::path folder_;
};

inline std::string readbytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

inline void writebytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Makes a library at the path with the words (UTF-8), failing the test when it cannot.
inline void makelib(const std::string& path, const std::vector<std::string>& words = {}) {
    std::string error;
    ASSERT_TRUE(makelibrary(path, words, error)) << error;
}

// Runs SQL (UTF-8) on the file directly, as another program would; the rows, cells joined
// by '|'.
inline std::vector<std::string> directsql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    std::vector<std::string> rows;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        ADD_FAILURE() << "cannot open " << path;
        return rows;
    }
    char* error = nullptr;
    const auto collect = [](void* out, int count, char** cells, char**) {
        std::string row;
        for (int i = 0; i < count; ++i) {
            row += (i ? "|" : "") + std::string(cells[i] ? cells[i] : "NULL");
        }
        static_cast<std::vector<std::string>*>(out)->push_back(row);
        return 0;
    };
    if (sqlite3_exec(db, sql.c_str(), collect, &rows, &error) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << (error ? error : "");
        sqlite3_free(error);
    }
    sqlite3_close(db);
    return rows;
}

} // namespace vantrel::testing
