// The SQLite engine of the word store. caici.mdb is a SQLite 3 database holding
// ciyu(ID INTEGER PRIMARY KEY AUTOINCREMENT, 词语 TEXT, 字数 TEXT); texts are UTF-8 inside the
// file (storetext.h) and GBK everywhere else.
#include "library/engine.h"
#include "library/storetext.h"

#include <sqlite3.h>

#include <cstring>
#include <fstream>
#include <string_view>

namespace vantrel::store {

namespace {

// The program's path in the platform's own form: on Linux the backslashes that separate
// folders become slashes (never the second byte of a double-byte character) and the name
// becomes UTF-8.
std::string nativepath(const Text& path) {
    Text native = path;
#ifndef _WIN32
    for (std::size_t at = 0; at < native.size(); ++at) {
        const auto byte = static_cast<unsigned char>(native[at]);
        if (byte >= 0x81 && byte <= 0xFE && at + 1 < native.size()) {
            ++at;
        } else if (native[at] == '\\') {
            native[at] = '/';
        }
    }
#endif
    return toutf8(native);
}

// Whether the file starts as every SQLite 3 database does. A file that does not (an empty
// file, random bytes) is never handed to SQLite, which would take an empty file for a new
// database and write to it.
bool sqliteheader(const std::string& native) {
    static constexpr char magic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f',
                                       'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    std::ifstream file(native, std::ios::binary);
    char header[sizeof magic] = {};
    return file.read(header, sizeof header) && std::memcmp(header, magic, sizeof magic) == 0;
}

struct Statement {
    sqlite3_stmt* handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

// Compiles exactly one statement: nothing but blanks and semicolons may follow it, so a text
// holding a second statement (or a NUL byte) is rejected whole.
bool prepare(sqlite3* db, const Text& sql, Statement& statement) {
    const std::string utf8 = storeutf8(sql);
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, utf8.data(), static_cast<int>(utf8.size()), &statement.handle,
                           &tail) != SQLITE_OK ||
        statement.handle == nullptr) {
        return false;
    }
    const std::string_view rest(tail, static_cast<std::size_t>(utf8.data() + utf8.size() - tail));
    return rest.find_first_not_of(" \t\r\n\f\v;") == std::string_view::npos;
}

// A date and time from the text SQLite keeps ("2016-11-23 20:08:45", "2016-11-23",
// "20:08:45"), from Unix seconds, or from a Julian day number.
DateTime readdatetime(sqlite3_stmt* statement, int column) {
    DateTime when;
    const int type = sqlite3_column_type(statement, column);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
        double days =
            type == SQLITE_INTEGER
                ? static_cast<double>(sqlite3_column_int64(statement, column)) / 86400.0 + 2440587.5
                : sqlite3_column_double(statement, column);
        // Julian day to the civil calendar (Fliegel and Van Flandern).
        const double shifted = days + 0.5;
        const long long jdn = static_cast<long long>(shifted);
        long long seconds =
            static_cast<long long>((shifted - static_cast<double>(jdn)) * 86400.0 + 0.5);
        long long l = jdn + 68569;
        const long long n = 4 * l / 146097;
        l = l - (146097 * n + 3) / 4;
        const long long i = 4000 * (l + 1) / 1461001;
        l = l - 1461 * i / 4 + 31;
        const long long j = 80 * l / 2447;
        when.day = static_cast<int>(l - 2447 * j / 80);
        l = j / 11;
        when.month = static_cast<int>(j + 2 - 12 * l);
        when.year = static_cast<int>(100 * (n - 49) + i + l);
        if (seconds >= 86400) {
            seconds = 86399;
        }
        when.hour = static_cast<int>(seconds / 3600);
        when.minute = static_cast<int>(seconds / 60 % 60);
        when.second = static_cast<int>(seconds % 60);
        return when;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    if (text == nullptr) {
        return when;
    }
    if (std::sscanf(text, "%d-%d-%d %d:%d:%d", &when.year, &when.month, &when.day, &when.hour,
                    &when.minute, &when.second) >= 3) {
        return when;
    }
    when = DateTime{};
    std::sscanf(text, "%d:%d:%d", &when.hour, &when.minute, &when.second);
    return when;
}

bool readcell(sqlite3_stmt* statement, int column, Type type, Snapshot& snapshot) {
    if (type == Type::text) {
        // A NULL is the one value without text.
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        if (text == nullptr) {
            return snapshot.addnull();
        }
        const int length = sqlite3_column_bytes(statement, column);
        return snapshot.addutf8(std::string_view(text, static_cast<std::size_t>(length)));
    }
    if (sqlite3_column_type(statement, column) == SQLITE_NULL) {
        return snapshot.addnull();
    }
    switch (type) {
    case Type::text: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        const int length = sqlite3_column_bytes(statement, column);
        return snapshot.addutf8(std::string_view(text, static_cast<std::size_t>(length)));
    }
    case Type::int32:
    case Type::int16:
    case Type::int8:
        return snapshot.addinteger(sqlite3_column_int64(statement, column));
    case Type::single:
    case Type::real:
        return snapshot.addreal(sqlite3_column_double(statement, column));
    case Type::datetime:
        return snapshot.adddatetime(readdatetime(statement, column));
    case Type::boolean:
        return snapshot.addboolean(sqlite3_column_int64(statement, column) != 0);
    case Type::bytes: {
        const void* bytes = sqlite3_column_blob(statement, column);
        const int length = sqlite3_column_bytes(statement, column);
        return snapshot.addbytes(
            std::string_view(static_cast<const char*>(bytes), static_cast<std::size_t>(length)));
    }
    }
    return snapshot.addnull();
}

class SqliteDatabase final : public Database {
  public:
    explicit SqliteDatabase(sqlite3* db) : db_(db) {}
    ~SqliteDatabase() override { sqlite3_close_v2(db_); }
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    std::optional<Snapshot> query(const Text& sql) override {
        Statement statement;
        if (!prepare(db_, sql, statement)) {
            return std::nullopt;
        }
        const int count = sqlite3_column_count(statement.handle);
        if (count == 0) {
            return std::nullopt;
        }
        std::vector<Column> columns;
        std::vector<Type> types;
        for (int i = 0; i < count; ++i) {
            const char* name = sqlite3_column_name(statement.handle, i);
            const char* declared = sqlite3_column_decltype(statement.handle, i);
            columns.push_back({storegbk(name ? name : ""), declaredtype(declared ? declared : "")});
            types.push_back(columns.back().type);
        }
        Snapshot snapshot(std::move(columns));
        int step;
        while ((step = sqlite3_step(statement.handle)) == SQLITE_ROW) {
            for (int i = 0; i < count; ++i) {
                if (!readcell(statement.handle, i, types[static_cast<std::size_t>(i)], snapshot)) {
                    return std::nullopt;
                }
            }
        }
        if (step != SQLITE_DONE) {
            return std::nullopt;
        }
        return snapshot;
    }

    bool execute(const Text& sql) override {
        Statement statement;
        if (!prepare(db_, sql, statement)) {
            return false;
        }
        int step;
        while ((step = sqlite3_step(statement.handle)) == SQLITE_ROW) {
        }
        return step == SQLITE_DONE;
    }

  private:
    sqlite3* db_;
};

} // namespace

std::unique_ptr<Database> opendatabase(const Text& path, const Text& /*connection*/,
                                       std::chrono::milliseconds busy) {
    const std::string native = nativepath(path);
    if (!sqliteheader(native)) {
        return nullptr;
    }
    sqlite3* db = nullptr;
    // Read-write and shared, never created; a file that may not be written opens for reading.
    // One thread uses a connection, so SQLite's own locking of each call is left out.
    if (sqlite3_open_v2(native.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    auto database = std::make_unique<SqliteDatabase>(db);
    sqlite3_busy_timeout(db, static_cast<int>(busy.count()));
    // A word file is data, not code: no schema-defined functions, no writes to the schema.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    // Reading the schema now tells a damaged or locked file at the opening, so that a failed
    // open leaves the old connection in use.
    if (sqlite3_exec(db, "select count(*) from sqlite_master", nullptr, nullptr, nullptr) !=
        SQLITE_OK) {
        return nullptr;
    }
    return database;
}

} // namespace vantrel::store
