#include "library/snapshot.h"

#include "library/storetext.h"
#include "text/numbers.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace vantrel::store {

namespace {

struct Named {
    std::string_view name;
    Type type;
};

// The declared types as ODBC drivers report them (Access names included), by their type.
constexpr std::array names{
    Named{"INTEGER", Type::int32},
    Named{"INT", Type::int32},
    Named{"COUNTER", Type::int32},
    Named{"AUTOINCREMENT", Type::int32},
    Named{"LONG", Type::int32},
    Named{"MEDIUMINT", Type::int32},
    Named{"SMALLINT", Type::int16},
    Named{"SHORT", Type::int16},
    Named{"INT2", Type::int16},
    Named{"TINYINT", Type::int8},
    Named{"BYTE", Type::int8},
    Named{"BIGINT", Type::text},
    Named{"INT8", Type::text},
    Named{"NUMERIC", Type::text},
    Named{"DECIMAL", Type::text},
    Named{"CURRENCY", Type::text},
    Named{"MONEY", Type::text},
    Named{"REAL", Type::single},
    Named{"SINGLE", Type::single},
    Named{"FLOAT4", Type::single},
    Named{"FLOAT", Type::real},
    Named{"DOUBLE", Type::real},
    Named{"DOUBLE PRECISION", Type::real},
    Named{"FLOAT8", Type::real},
    Named{"DATE", Type::datetime},
    Named{"TIME", Type::datetime},
    Named{"TIMESTAMP", Type::datetime},
    Named{"DATETIME", Type::datetime},
    Named{"BIT", Type::boolean},
    Named{"BOOLEAN", Type::boolean},
    Named{"BOOL", Type::boolean},
    Named{"YESNO", Type::boolean},
    Named{"LOGICAL", Type::boolean},
    Named{"BLOB", Type::bytes},
    Named{"BINARY", Type::bytes},
    Named{"VARBINARY", Type::bytes},
    Named{"LONGVARBINARY", Type::bytes},
    Named{"LONGBINARY", Type::bytes},
    Named{"IMAGE", Type::bytes},
    Named{"OLEOBJECT", Type::bytes},
};

template <typename T> T load(std::string_view bytes) {
    T value{};
    std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof value));
    return value;
}

} // namespace

Type declaredtype(std::string_view declared) {
    // Upper case, without a size such as "(50)" and the blanks around the name.
    std::string name(declared.substr(0, declared.find('(')));
    std::transform(name.begin(), name.end(), name.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    const auto first = name.find_first_not_of(' ');
    const auto last = name.find_last_not_of(' ');
    name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
    for (const Named& named : names) {
        if (name == named.name) {
            return named.type;
        }
    }
    if (name.find("BLOB") != std::string::npos || name.find("BINARY") != std::string::npos) {
        return Type::bytes;
    }
    // Character types, and every name no driver would report otherwise.
    return Type::text;
}

int Snapshot::find(const Text& name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (columns_[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

namespace {

// A whole number that does not fit its column's type stays its own decimal text: cut short, it
// would name another row (a key of 2^32 + 1 would read as 1).
template <typename Integer> Value narrowed(std::int64_t number) {
    if (number < std::numeric_limits<Integer>::min() ||
        number > std::numeric_limits<Integer>::max()) {
        return inttext(number);
    }
    return static_cast<Integer>(number);
}

} // namespace

Value Snapshot::value(std::size_t row, std::size_t column) const {
    const Cell& cell = cells_[row * columns_.size() + column];
    if (cell.length == nulllength) {
        return Text();
    }
    const std::string_view bytes = payload(cell);
    switch (columns_[column].type) {
    case Type::text:
        return Text(bytes);
    case Type::int32:
        return narrowed<std::int32_t>(load<std::int64_t>(bytes));
    case Type::int16:
        return narrowed<std::int16_t>(load<std::int64_t>(bytes));
    case Type::int8:
        return narrowed<std::int8_t>(load<std::int64_t>(bytes));
    case Type::single:
        return static_cast<float>(load<double>(bytes));
    case Type::real:
        return load<double>(bytes);
    case Type::datetime:
        return load<DateTime>(bytes);
    case Type::boolean:
        return bytes.size() == 1 && bytes[0] != 0;
    case Type::bytes:
        return Blob{std::string(bytes)};
    }
    return Text();
}

Text Snapshot::text(std::size_t row, std::size_t column) const {
    const Cell& cell = cells_[row * columns_.size() + column];
    if (cell.length == nulllength) {
        return Text();
    }
    if (columns_[column].type == Type::text) {
        return Text(payload(cell));
    }
    return valuetext(value(row, column));
}

bool Snapshot::close(std::size_t start) {
    const std::size_t length = arena_.size() - start;
    if (arena_.size() >= nulllength) {
        return false;
    }
    cells_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(length)});
    return true;
}

bool Snapshot::addnull() {
    cells_.push_back({0, nulllength});
    return true;
}

bool Snapshot::addtext(std::string_view gbk) {
    const std::size_t start = arena_.size();
    arena_.append(gbk);
    return close(start);
}

bool Snapshot::addutf8(std::string_view utf8) {
    const std::size_t start = arena_.size();
    appendstoregbk(arena_, utf8);
    return close(start);
}

bool Snapshot::addinteger(std::int64_t value) {
    return addtext(std::string_view(reinterpret_cast<const char*>(&value), sizeof value));
}

bool Snapshot::addreal(double value) {
    return addtext(std::string_view(reinterpret_cast<const char*>(&value), sizeof value));
}

bool Snapshot::adddatetime(const DateTime& value) {
    return addtext(std::string_view(reinterpret_cast<const char*>(&value), sizeof value));
}

bool Snapshot::addboolean(bool value) {
    return addtext(value ? "\1" : std::string_view("\0", 1));
}

bool Snapshot::addbytes(std::string_view bytes) {
    return addtext(bytes);
}

} // namespace vantrel::store
