// A word store connection: at most one open database and every result it produced. Results
// are snapshots with a cursor, named by handles; handle 0 is no result and reads as empty.
// A result holds its rows whole from the moment of its query, so a connection's memory is
// that of the rows of the results it holds, all of which go when it is re-opened or closed.
#pragma once

#include "text/datetime.h"
#include "text/text.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace vantrel {

struct Blob {
    std::string bytes;
    friend bool operator==(const Blob&, const Blob&) = default;
};

// A column value, typed by the column's declared type.
using Value = std::variant<Text, std::int32_t, std::int16_t, std::int8_t, float, double, DateTime,
                           bool, Blob>;

// The value as the list shows it: text unchanged, whole numbers in decimal, reals with up to
// 13 significant digits.
Text valuetext(const Value& value);
// The value as a whole number, reals cut toward zero; nothing for texts and other types.
std::optional<std::int32_t> valueinteger(const Value& value);

// "ODBC;DBQ=<path>;DefaultDir=<folder>;Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;"
// with DefaultDir only when the path holds a backslash (found the double-byte-safe way).
Text connectionstring(const Text& path);

class WordStore {
  public:
    // busy: how long a locked database is waited for before an operation fails.
    explicit WordStore(std::chrono::milliseconds busy = std::chrono::seconds(15));
    ~WordStore();
    WordStore(const WordStore&) = delete;
    WordStore& operator=(const WordStore&) = delete;

    // Connects to the file; on success the old database and all its results go. On failure
    // nothing changes.
    bool openstore(const Text& path);
    // A handle positioned on the first row, or 0 when the query cannot be run.
    std::int32_t runquery(const Text& sql);
    void firstrow(std::int32_t handle);
    bool pastlast(std::int32_t handle);
    void nextrow(std::int32_t handle);
    // The current row's column of exactly that name; an empty text when there is none.
    Value readcolumn(std::int32_t handle, const Text& column);
    // The same as valuetext(readcolumn(handle, column)), without building the value: the list
    // fill reads every cell of every row this way.
    Text readtext(std::int32_t handle, const Text& column);
    // Whether readcolumn would give a text (a missing column and handle 0 give one).
    bool readstext(std::int32_t handle, const Text& column);
    // The number of rows of the result, wherever its cursor stands; 0 for handle 0.
    std::int32_t rowcount(std::int32_t handle);

    // Runs a statement that returns no rows; whether the store accepted it.
    bool runstatement(const Text& sql);

  private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};

} // namespace vantrel
