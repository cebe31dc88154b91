#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace quintaro::catalogue {

// Where a table is looked for: the working folder first (name matched without
// regard to case), then the per-user data folder. The shell fills this in; the
// core knows nothing of Qt's standard paths.
struct TableLocation {
    std::string working_folder;    // "" = the process's current folder
    std::string user_data_folder;  // "" = none
};

enum class FieldKind { Text, Number };

struct Field {
    std::string name;  // as stored in the file (upper case for our tables)
    FieldKind kind = FieldKind::Number;
    int width = 0;
    int decimals = 0;
};

enum class EditState { Browse, Edit, Insert };

// One open dBASE table with in-memory index tags, a cursor over the visible
// (not deleted) rows and an edit buffer, as a data-aware form uses it.
//
// Cursor: first(), next(), prior(), last() and eof(). next() on the last row
// leaves the last row current and sets eof(); prior() from there reaches the
// second-last row; first() and prior() clear eof(); last() sets it, first()
// sets bof(). An empty table has eof() and bof() both set. Deleted records
// are never visited. Moving while an edit is pending posts it first; a failed
// post stops the move and returns its reason.
//
// The file is read whole, under a shared lock, at open (which also removes the
// copies that killed posts left beside it) and at refresh; a post or delete
// writes under an exclusive lock and takes the whole table as it left it, so
// the edits of other tables or programs on the same file are seen and kept.
// A damaged file is refused with a message naming the damage. A pending edit
// is dropped when the Table is destroyed (post it first).
class Table {
  public:
    // Opens `file_name` (a bare name such as "L_Laminado.dbf") in the places of
    // `where`. A missing file is an error naming the file and the folders searched.
    static Result<std::unique_ptr<Table>> open(std::string_view file_name,
                                               const TableLocation& where);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const std::string& path() const;
    const std::vector<Field>& fields() const;
    // Index of a field by name without regard to case, or -1.
    int field_index(std::string_view name) const;

    // Orders. Index tags "D", "BF", "BW", "PESO" are orders over the field of
    // the same name, chosen without regard to case ("Peso" = "PESO"); false for
    // a tag the table does not have. Ordering by field names ("PESO" then "d")
    // is the same mechanism. Ties keep the natural order. Changing the order
    // keeps the current row (and a pending edit). An empty tag or list gives
    // the natural order.
    bool set_index_tag(std::string_view tag);
    bool set_field_order(const std::vector<std::string>& field_names);
    void set_natural_order();
    // The tag or field list in force, upper case ("" for the natural order).
    std::string order_name() const;

    // Cursor.
    Status first();
    Status next();
    Status prior();
    Status last();
    bool eof() const;
    bool bof() const;
    bool empty() const;
    int row_count() const;      // visible rows
    int row_number() const;     // 0-based position of the current row in the order, -1 if empty
    int record_number() const;  // the DBF record of the current row, -1 if empty

    // The current row's field as a data-aware box shows it: numbers in the
    // shortest form that reads back exactly, with the decimal comma; an empty
    // numeric field is an empty text; text decoded from Windows-1252. Reads the
    // edit buffer while an edit is pending.
    std::string text(std::string_view field) const;
    // The current row's number field as a number; nothing for an empty field,
    // a stored text that does not read as a number, or a text field.
    std::optional<double> number(std::string_view field) const;

    // Every visible row, in the natural order and counted from 1, where one of
    // `fields` holds no number (a text field: no number as a box reads it,
    // with the decimal comma), one line each, named by the row's `label`
    // field: `linha 3 (ASTM A36): FY "25O" não é um número` or
    // `linha 5 (AR350): FU vazio`; a field the table lacks is one line
    // `o campo FY não existe na tabela`. The cursor does not move.
    std::vector<std::string> rows_without_number(const std::vector<std::string>& fields,
                                                 std::string_view label) const;

    // Editing like a dataset.
    EditState state() const;
    Status edit();    // current row into the edit buffer
    Status insert();  // a new, empty row into the edit buffer
    // Puts a value into the edit buffer (starting an edit when browsing). Text
    // fields refuse characters Windows-1252 cannot hold; number fields accept
    // the decimal-comma grammar or an empty text.
    Status set_text(std::string_view field, std::string_view text);
    // Writes the buffer: either the whole row lands in the file or the file is
    // unchanged and the reason is returned (read-only file, disk full, a value
    // too wide for its field or with more decimals than it keeps, checked
    // before anything is written); the buffer is kept on failure. Only the
    // fields typed into are written. Posting while browsing does nothing.
    Status post();
    void cancel();
    // Marks the current row deleted in the file (a pending edit of it is
    // dropped; a pending insert is just cancelled) and stands on the row that
    // followed it.
    Status remove();
    // Posts a pending edit, then re-reads the file, keeping the current record
    // if it still exists.
    Status refresh();

    // Called after anything that changes what text() returns for the current
    // row (moves, order changes, edits, posts, refresh).
    void set_on_change(std::function<void()> callback);

  private:
    struct Impl;
    explicit Table(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace quintaro::catalogue
