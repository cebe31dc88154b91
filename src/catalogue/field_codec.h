#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/table.h"
#include "common/result.h"

namespace quintaro::catalogue {

// One field of one row as the program holds it: the text a data-aware box
// shows (UTF-8; numbers in the shortest decimal-comma form) and, for a number
// field holding a readable number, its value.
struct Cell {
    std::string text;
    std::optional<double> number;
};

// A field's stored text (blanks already trimmed) as a cell. A number that does
// not read as one is shown as stored, so a check reading the box says so
// instead of computing with a wrong value.
Cell decode_cell(const Field& field, std::string_view stored, bool is_null);

// What the user typed, as a cell: numbers in the decimal-comma grammar or an
// empty text; text that Windows-1252 can hold. Width is not checked here.
Result<Cell> parse_cell(const Field& field, std::string_view typed);

// The exact `field.width` bytes to store for a cell. Refuses, naming the field,
// a value wider than the field or with more decimals than it keeps: a value is
// never cut or rounded on its way to the file.
Result<std::string> encode_cell(const Field& field, const Cell& cell);

}  // namespace quintaro::catalogue
