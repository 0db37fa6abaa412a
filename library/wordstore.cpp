#include "library/wordstore.h"

#include "library/engine.h"
#include "text/numbers.h"
#include "text/search.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace vantrel {

namespace {

// Dates as the Chinese system shows them: 2016/11/23 20:08:45; the date alone at midnight,
// the time alone when there is no date.
Text datetext(const DateTime& when) {
    char buffer[64];
    const bool date = when.year != 0 || when.month != 0 || when.day != 0;
    const bool time = when.hour != 0 || when.minute != 0 || when.second != 0;
    if (date && time) {
        std::snprintf(buffer, sizeof buffer, "%d/%d/%d %d:%02d:%02d", when.year, when.month,
                      when.day, when.hour, when.minute, when.second);
    } else if (date) {
        std::snprintf(buffer, sizeof buffer, "%d/%d/%d", when.year, when.month, when.day);
    } else {
        std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", when.hour, when.minute, when.second);
    }
    return Text(buffer);
}

struct IntegerOf {
    std::optional<std::int32_t> operator()(std::int32_t number) const { return number; }
    std::optional<std::int32_t> operator()(std::int16_t number) const { return number; }
    std::optional<std::int32_t> operator()(std::int8_t number) const { return number; }
    std::optional<std::int32_t> operator()(float number) const {
        return (*this)(static_cast<double>(number));
    }
    std::optional<std::int32_t> operator()(double number) const {
        const double cut = std::trunc(number);
        if (!(cut >= std::numeric_limits<std::int32_t>::min() &&
              cut <= std::numeric_limits<std::int32_t>::max())) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(cut);
    }
    std::optional<std::int32_t> operator()(const auto&) const { return std::nullopt; }
};

} // namespace

Text valuetext(const Value& value) {
    struct Visit {
        Text operator()(const Text& text) const { return text; }
        Text operator()(std::int32_t number) const { return inttext(number); }
        Text operator()(std::int16_t number) const { return inttext(number); }
        Text operator()(std::int8_t number) const { return inttext(number); }
        Text operator()(float number) const { return realtext(static_cast<double>(number)); }
        Text operator()(double number) const { return realtext(number); }
        Text operator()(const DateTime& when) const { return datetext(when); }
        Text operator()(bool truth) const { return truth ? "True" : "False"; }
        Text operator()(const Blob& blob) const { return blob.bytes; }
    };
    return std::visit(Visit{}, value);
}

std::optional<std::int32_t> valueinteger(const Value& value) {
    return std::visit(IntegerOf{}, value);
}

Text connectionstring(const Text& path) {
    Text result = "ODBC;DBQ=" + path;
    const std::size_t last = findlastbyte(path, '\\');
    if (last != notfound) {
        result += ";DefaultDir=" + path.substr(0, last);
    }
    result += ";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access";
    result += ";";
    return result;
}

struct Result {
    store::Snapshot snapshot;
    std::size_t cursor = 0;
};

struct WordStore::Connection {
    std::chrono::milliseconds busy{};
    std::unique_ptr<store::Database> database;
    // Handles go up by one for each query and are never given twice by one connection;
    // results_[i] is handle first + i. Results from before the last re-open are gone, so
    // their handles fall below first and read as empty.
    std::int32_t first = 1;
    std::int32_t next = 1;
    std::vector<Result> results;

    Result* find(std::int32_t handle) {
        if (handle < first || handle >= next) {
            return nullptr;
        }
        return &results[static_cast<std::size_t>(handle - first)];
    }
};

WordStore::WordStore(std::chrono::milliseconds busy) : connection_(std::make_unique<Connection>()) {
    connection_->busy = busy;
}

WordStore::~WordStore() = default;

bool WordStore::openstore(const Text& path) {
    auto database = store::opendatabase(path, connectionstring(path), connection_->busy);
    if (!database) {
        return false;
    }
    // The new database is connected first; the old one goes after, with its results.
    std::swap(connection_->database, database);
    std::vector<Result>().swap(connection_->results);
    connection_->first = connection_->next;
    database.reset();
    return true;
}

std::int32_t WordStore::runquery(const Text& sql) {
    Connection& c = *connection_;
    if (!c.database || sql.empty() || c.next == std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    std::optional<store::Snapshot> snapshot = c.database->query(sql);
    if (!snapshot) {
        return 0;
    }
    c.results.push_back(Result{std::move(*snapshot)});
    return c.next++;
}

void WordStore::firstrow(std::int32_t handle) {
    if (Result* result = connection_->find(handle)) {
        result->cursor = 0;
    }
}

bool WordStore::pastlast(std::int32_t handle) {
    const Result* result = connection_->find(handle);
    return result == nullptr || result->cursor >= result->snapshot.rows();
}

void WordStore::nextrow(std::int32_t handle) {
    Result* result = connection_->find(handle);
    if (result != nullptr && result->cursor < result->snapshot.rows()) {
        ++result->cursor;
    }
}

namespace {

// The result's current row and the column's place in it, or nothing when either is missing.
struct Cell {
    const store::Snapshot& snapshot;
    std::size_t row;
    std::size_t column;
};

template <typename Results>
std::optional<Cell> findcell(Results& connection, std::int32_t handle, const Text& column) {
    const auto* result = connection.find(handle);
    if (result == nullptr || result->cursor >= result->snapshot.rows()) {
        return std::nullopt;
    }
    const int position = result->snapshot.find(column);
    if (position < 0) {
        return std::nullopt;
    }
    return Cell{result->snapshot, result->cursor, static_cast<std::size_t>(position)};
}

} // namespace

Value WordStore::readcolumn(std::int32_t handle, const Text& column) {
    const std::optional<Cell> cell = findcell(*connection_, handle, column);
    return cell ? cell->snapshot.value(cell->row, cell->column) : Value(Text());
}

Text WordStore::readtext(std::int32_t handle, const Text& column) {
    const std::optional<Cell> cell = findcell(*connection_, handle, column);
    return cell ? cell->snapshot.text(cell->row, cell->column) : Text();
}

bool WordStore::readstext(std::int32_t handle, const Text& column) {
    // A missing row or column reads as an empty text, and so as text.
    const std::optional<Cell> cell = findcell(*connection_, handle, column);
    return !cell || cell->snapshot.istext(cell->row, cell->column);
}

std::int32_t WordStore::rowcount(std::int32_t handle) {
    const Result* result = connection_->find(handle);
    return result == nullptr ? 0 : static_cast<std::int32_t>(result->snapshot.rows());
}

bool WordStore::runstatement(const Text& sql) {
    if (!connection_->database || sql.empty()) {
        return false;
    }
    return connection_->database->execute(sql);
}

} // namespace vantrel
