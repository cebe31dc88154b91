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

// Reads the table whole under a shared lock and checks it (check_layout)
// before believing any of it. When asked, and when no one else holds the
// table locked, first removes the copies that killed posts left beside it.
enum class Leftovers { Keep, Remove };
Result<TableContents> read_table_file(const std::string& path,
                                      Leftovers leftovers = Leftovers::Keep);

// One change to one record of a table file.
struct RecordChange {
    int record = -1;                                  // -1 appends a new record
    std::vector<std::pair<int, std::string>> fields;  // field index, exactly `width` bytes
    bool mark_deleted = false;
    // The fields the values were made for; a file whose fields differ now is
    // refused. Empty: not checked.
    std::vector<Field> fields_read;
};

// What a post left in the file: the record it wrote and the whole table as it
// now stands, read back from the copy before that copy took the table's place.
struct WrittenRecord {
    int record = -1;
    TableContents contents;
};

// Applies the change to the table as it is on disk now, under an exclusive
// lock held from the re-read to the rename, so that a post of another table
// handle or process in between is kept. Only the change's fields are written;
// the rest of the record keeps what the file holds. On failure the file is
// left as it was and the error says why, in the user's words.
Result<WrittenRecord> write_record(const std::string& path, const RecordChange& change);

}  // namespace quintaro::catalogue
