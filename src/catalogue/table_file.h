#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/field_codec.h"
#include "catalogue/table.h"
#include "common/result.h"

namespace quintaro::catalogue {

// The file layer under Table: finding a table, reading it whole, and writing
// one record so that the change lands whole or not at all.

struct Record {
    std::vector<Cell> cells;  // one per field
    bool deleted = false;
};

struct TableContents {
    std::vector<Field> fields;
    std::vector<Record> records;  // in file order: the natural order
};

// The path of `file_name` in the working folder, else in the per-user data
// folder, matched without regard to case. When two names differ only in case
// the first in byte order wins, so "X.DBF" and "X.dbf" always open the same file.
Result<std::string> locate_table(std::string_view file_name, const TableLocation& where);

Result<TableContents> read_table_file(const std::string& path);

// One change to one record of a table file.
struct RecordChange {
    int record = -1;                                  // -1 appends a new record
    std::vector<std::pair<int, std::string>> fields;  // field index, exactly `width` bytes
    bool mark_deleted = false;
};

// Applies the change and returns the record number it wrote. On failure the
// file is left as it was and the error says why, in the user's words.
Result<int> write_record(const std::string& path, const RecordChange& change);

}  // namespace quintaro::catalogue
