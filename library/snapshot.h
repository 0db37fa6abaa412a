// A query's result read whole: the columns with their declared types and every cell, kept in
// one byte buffer so that a result costs little more memory than its own bytes.
#pragma once

#include "library/wordstore.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::store {

// The type a column's values take, from the column's declared type.
enum class Type { text, int32, int16, int8, single, real, datetime, boolean, bytes };

// The type for a declared SQL type name such as "INTEGER" or "VARCHAR(50)"; a missing or
// unknown name gives text.
Type declaredtype(std::string_view declared);

struct Column {
    Text name; // GBK, compared exactly
    Type type = Type::text;
};

class Snapshot {
  public:
    explicit Snapshot(std::vector<Column> columns) : columns_(std::move(columns)) {
        cells_.reserve(columns_.size() * 1024);
        arena_.reserve(16 * 1024);
    }

    const std::vector<Column>& columns() const { return columns_; }
    std::size_t rows() const { return columns_.empty() ? 0 : cells_.size() / columns_.size(); }
    // The column's position, or -1 when the result has no column of exactly that name.
    int find(const Text& name) const;
    // The cell's value, typed by its column; a NULL gives an empty text.
    Value value(std::size_t row, std::size_t column) const;
    // Whether the cell's value is a text: a text column's, or a NULL.
    bool istext(std::size_t row, std::size_t column) const {
        return columns_[column].type == Type::text ||
               cells_[row * columns_.size() + column].length == nulllength;
    }
    // valuetext(value(row, column)), straight from the bytes for a text.
    Text text(std::size_t row, std::size_t column) const;

    // Building, one cell after the other, row by row. Each gives false once the result no
    // longer fits the buffer's 32-bit offsets.
    bool addnull();
    bool addtext(std::string_view gbk);
    // Text given in the store's UTF-8, turned into GBK in place.
    bool addutf8(std::string_view utf8);
    bool addinteger(std::int64_t value);
    bool addreal(double value);
    bool adddatetime(const DateTime& value);
    bool addboolean(bool value);
    bool addbytes(std::string_view bytes);

    std::size_t memory() const { return arena_.capacity() + cells_.capacity() * sizeof(Cell); }

  private:
    struct Cell {
        std::uint32_t offset;
        std::uint32_t length; // nulllength for NULL
    };
    static constexpr std::uint32_t nulllength = 0xFFFFFFFF;

    bool close(std::size_t start);
    std::string_view payload(const Cell& cell) const {
        return std::string_view(arena_).substr(cell.offset, cell.length);
    }

    std::vector<Column> columns_;
    std::vector<Cell> cells_;
    std::string arena_;
};

} // namespace vantrel::store
