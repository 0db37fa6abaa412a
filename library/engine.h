// The database engine behind a word store connection. The default engine is SQLite, linked in
// (wordstore_sqlite.cpp); a build without it has the stub of wordstore_win32.cpp.
#pragma once

#include "library/snapshot.h"

#include <chrono>
#include <memory>
#include <optional>

namespace vantrel::store {

class Database {
  public:
    virtual ~Database() = default;
    // Runs a query and reads its rows whole; nothing when the store rejects it or it returns
    // no columns (such a statement is not run).
    virtual std::optional<Snapshot> query(const Text& sql) = 0;
    // Runs a statement, reading and dropping any rows; whether the store accepted and ran it.
    virtual bool execute(const Text& sql) = 0;
};

// Opens the database file at the program's path (GBK, folders separated by backslashes), for
// reading and writing and shared, waiting up to busy for a locked file. The connection string
// is for engines that take one. Null when the file is missing, is not a database of this
// engine, or cannot be opened; such a file is left exactly as it was.
std::unique_ptr<Database> opendatabase(const Text& path, const Text& connection,
                                       std::chrono::milliseconds busy);

} // namespace vantrel::store
