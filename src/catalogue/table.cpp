#include "catalogue/table.h"

#include <algorithm>
#include <array>

#include "catalogue/field_codec.h"
#include "catalogue/record_order.h"
#include "catalogue/table_file.h"
#include "common/decimal.h"

namespace quintaro::catalogue {

namespace {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

constexpr std::array<std::string_view, 4> kIndexTags = {"D", "BF", "BW", "PESO"};

}  // namespace

struct Table::Impl {
    std::string path;
    TableContents contents;
    std::vector<int> order_fields;  // fields of the order in force
    std::string order_name;
    std::vector<int> rows;  // record numbers of the visible rows, in that order
    int row = -1;           // current position in `rows`
    bool at_eof = true;
    bool at_bof = true;

    EditState state = EditState::Browse;
    int edit_record = -1;
    std::vector<Cell> buffer;
    std::vector<bool> changed;
    std::function<void()> on_change;

    void notify() const {
        if (on_change)
            on_change();
    }
    int current_record() const { return row < 0 ? -1 : rows[static_cast<std::size_t>(row)]; }
    const Cell* current_cell(int field) const;

    // Re-orders the rows and stands on `record`, else on the position
    // `fallback` (clamped), as after a change of order or a re-read.
    void rebuild(int record, int fallback);
    void apply_order(std::vector<int> fields, std::string name);
    Status reload(int record, int fallback);
    // Writes a change; on success takes the table as the post left it.
    Status write(const RecordChange& change, bool stay_on_record);

    void start_buffer(EditState new_state, int record);
    void begin_edit();
    void drop_buffer();
    Result<RecordChange> buffer_change() const;
    Status post();
    template <typename Step>
    Status move(Step step);
};

const Cell* Table::Impl::current_cell(int field) const {
    if (field < 0)
        return nullptr;
    const auto f = static_cast<std::size_t>(field);
    if (state != EditState::Browse)
        return &buffer[f];
    if (row < 0)
        return nullptr;
    return &contents.records[static_cast<std::size_t>(current_record())].cells[f];
}

void Table::Impl::rebuild(int record, int fallback) {
    rows = ordered_rows(contents, order_fields);
    const auto found = std::find(rows.begin(), rows.end(), record);
    if (rows.empty()) {
        row = -1;
    } else if (found != rows.end()) {
        row = static_cast<int>(found - rows.begin());
    } else {
        row = std::clamp(fallback, 0, static_cast<int>(rows.size()) - 1);
    }
    at_eof = at_bof = rows.empty();
}

void Table::Impl::apply_order(std::vector<int> fields, std::string name) {
    order_fields = std::move(fields);
    order_name = std::move(name);
    rebuild(current_record(), row);
    notify();
}

Status Table::Impl::reload(int record, int fallback) {
    auto fresh = read_table_file(path);
    if (!fresh)
        return Status::failure(fresh.error());
    contents = std::move(fresh).value();
    rebuild(record, fallback);
    return success();
}

// The table as the post left it comes back with the post, read from the copy
// before it replaced the file: once the rename is done nothing can fail, so a
// post never says a row was not written when it was.
Status Table::Impl::write(const RecordChange& change, bool stay_on_record) {
    auto written = write_record(path, change);
    if (!written)
        return Status::failure(written.error());
    drop_buffer();
    const int record = written->record;
    contents = std::move(written).value().contents;
    rebuild(stay_on_record ? record : -1, row);
    notify();
    return success();
}

void Table::Impl::start_buffer(EditState new_state, int record) {
    state = new_state;
    edit_record = record;
    buffer = record < 0 ? std::vector<Cell>(contents.fields.size())
                        : contents.records[static_cast<std::size_t>(record)].cells;
    changed.assign(contents.fields.size(), false);
}

// Editing an empty table starts a new row, as a dataset does.
void Table::Impl::begin_edit() {
    if (state != EditState::Browse)
        return;
    if (rows.empty()) {
        start_buffer(EditState::Insert, -1);
    } else {
        start_buffer(EditState::Edit, current_record());
    }
}

void Table::Impl::drop_buffer() {
    state = EditState::Browse;
    edit_record = -1;
    buffer.clear();
    changed.clear();
}

// Only the fields typed into are written; the others keep their bytes on disk.
Result<RecordChange> Table::Impl::buffer_change() const {
    RecordChange change;
    change.record = state == EditState::Insert ? -1 : edit_record;
    change.fields_read = contents.fields;
    std::string refused;
    for (std::size_t f = 0; f < buffer.size(); ++f) {
        if (!changed[f])
            continue;
        auto bytes = encode_cell(contents.fields[f], buffer[f]);
        if (bytes) {
            change.fields.emplace_back(static_cast<int>(f), std::move(bytes).value());
        } else {
            refused += (refused.empty() ? "" : "\n") + bytes.error();
        }
    }
    if (!refused.empty())
        return Result<RecordChange>::failure(refused);
    return change;
}

Status Table::Impl::post() {
    if (state == EditState::Browse)
        return success();
    const bool typed = std::find(changed.begin(), changed.end(), true) != changed.end();
    if (state == EditState::Edit && !typed) {  // nothing to write, even to a read-only file
        drop_buffer();
        notify();
        return success();
    }
    const auto change = buffer_change();
    if (!change)
        return Status::failure(change.error());
    return write(*change, true);
}

template <typename Step>
Status Table::Impl::move(Step step) {
    if (Status posted = post(); !posted)
        return posted;
    if (rows.empty()) {
        at_eof = at_bof = true;
    } else {
        step(static_cast<int>(rows.size()) - 1);
    }
    notify();
    return success();
}

// ---- Table -----------------------------------------------------------------

Result<std::unique_ptr<Table>> Table::open(std::string_view file_name, const TableLocation& where) {
    using Opened = Result<std::unique_ptr<Table>>;
    auto path = locate_table(file_name, where);
    if (!path)
        return Opened::failure(path.error());
    auto contents = read_table_file(*path, Leftovers::Remove);
    if (!contents)
        return Opened::failure(contents.error());

    auto impl = std::make_unique<Impl>();
    impl->path = std::move(path).value();
    impl->contents = std::move(contents).value();
    impl->rebuild(-1, 0);
    impl->at_bof = true;
    return std::unique_ptr<Table>(new Table(std::move(impl)));
}

Table::Table(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Table::~Table() = default;

const std::string& Table::path() const {
    return impl_->path;
}
const std::vector<Field>& Table::fields() const {
    return impl_->contents.fields;
}

int Table::field_index(std::string_view name) const {
    const std::string wanted = upper(name);
    const auto& fields = impl_->contents.fields;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (upper(fields[f].name) == wanted)
            return static_cast<int>(f);
    }
    return -1;
}

bool Table::set_index_tag(std::string_view tag) {
    const std::string name = upper(tag);
    if (name.empty()) {
        set_natural_order();
        return true;
    }
    const int field = field_index(name);
    if (field < 0 || std::find(kIndexTags.begin(), kIndexTags.end(), name) == kIndexTags.end()) {
        return false;
    }
    impl_->apply_order({field}, name);
    return true;
}

bool Table::set_field_order(const std::vector<std::string>& field_names) {
    std::vector<int> fields;
    std::string name;
    for (const auto& field_name : field_names) {
        const int field = field_index(field_name);
        if (field < 0)
            return false;
        fields.push_back(field);
        name += (name.empty() ? "" : ";") + upper(field_name);
    }
    impl_->apply_order(std::move(fields), std::move(name));
    return true;
}

void Table::set_natural_order() {
    impl_->apply_order({}, "");
}
std::string Table::order_name() const {
    return impl_->order_name;
}

Status Table::first() {
    return impl_->move([this](int) {
        impl_->row = 0;
        impl_->at_bof = true;
        impl_->at_eof = false;
    });
}

Status Table::next() {
    return impl_->move([this](int last_row) {
        impl_->at_eof = impl_->row == last_row;
        if (!impl_->at_eof)
            ++impl_->row;
        impl_->at_bof = false;
    });
}

Status Table::prior() {
    return impl_->move([this](int) {
        impl_->at_bof = impl_->row == 0;
        if (!impl_->at_bof)
            --impl_->row;
        impl_->at_eof = false;
    });
}

Status Table::last() {
    return impl_->move([this](int last_row) {
        impl_->row = last_row;
        impl_->at_eof = true;
        impl_->at_bof = false;
    });
}

bool Table::eof() const {
    return impl_->at_eof;
}
bool Table::bof() const {
    return impl_->at_bof;
}
bool Table::empty() const {
    return impl_->rows.empty();
}
int Table::row_count() const {
    return static_cast<int>(impl_->rows.size());
}
int Table::row_number() const {
    return impl_->row;
}
int Table::record_number() const {
    return impl_->current_record();
}

std::string Table::text(std::string_view field) const {
    const Cell* cell = impl_->current_cell(field_index(field));
    return cell == nullptr ? std::string() : cell->text;
}

std::optional<double> Table::number(std::string_view field) const {
    const Cell* cell = impl_->current_cell(field_index(field));
    return cell == nullptr ? std::nullopt : cell->number;
}

std::vector<std::string> Table::rows_without_number(const std::vector<std::string>& fields,
                                                    std::string_view label) const {
    std::vector<std::string> lines;
    for (const auto& name : fields) {
        if (field_index(name) < 0)
            lines.push_back("o campo " + name + " não existe na tabela");
    }
    if (!lines.empty())
        return lines;
    const int label_field = field_index(label);
    int line = 0;
    for (const Record& record : impl_->contents.records) {
        if (record.deleted)
            continue;
        ++line;
        std::string faults;
        for (const auto& name : fields) {
            const Cell& cell = record.cells[static_cast<std::size_t>(field_index(name))];
            double typed = 0.0;  // a text field holding a number reads as the box does
            if (cell.number || (!cell.text.empty() && try_parse_decimal(cell.text, typed)))
                continue;
            faults += faults.empty() ? "" : ", ";
            faults += cell.text.empty() ? name + " vazio"
                                        : name + " \"" + cell.text + "\" não é um número";
        }
        if (faults.empty())
            continue;
        const std::string name =
            label_field < 0 ? "" : record.cells[static_cast<std::size_t>(label_field)].text;
        lines.push_back("linha " + std::to_string(line) + (name.empty() ? "" : " (" + name + ")") +
                        ": " + faults);
    }
    return lines;
}

EditState Table::state() const {
    return impl_->state;
}

Status Table::edit() {
    if (impl_->state != EditState::Browse)
        return success();
    impl_->begin_edit();
    impl_->notify();
    return success();
}

Status Table::insert() {
    if (Status posted = impl_->post(); !posted)
        return posted;
    impl_->start_buffer(EditState::Insert, -1);
    impl_->notify();
    return success();
}

Status Table::set_text(std::string_view field, std::string_view text) {
    const int index = field_index(field);
    if (index < 0) {
        return Status::failure("O campo " + std::string(field) + " não existe na tabela \"" +
                               impl_->path + "\".");
    }
    auto cell = parse_cell(impl_->contents.fields[static_cast<std::size_t>(index)], text);
    if (!cell)
        return Status::failure(cell.error());
    impl_->begin_edit();
    impl_->buffer[static_cast<std::size_t>(index)] = std::move(cell).value();
    impl_->changed[static_cast<std::size_t>(index)] = true;
    impl_->notify();
    return success();
}

Status Table::post() {
    return impl_->post();
}

void Table::cancel() {
    if (impl_->state == EditState::Browse)
        return;
    impl_->drop_buffer();
    impl_->notify();
}

Status Table::remove() {
    if (impl_->state == EditState::Insert) {
        cancel();
        return success();
    }
    if (impl_->rows.empty())
        return Status::failure("Não há registro para apagar.");
    RecordChange change;
    change.record = impl_->current_record();
    change.mark_deleted = true;
    change.fields_read = impl_->contents.fields;
    return impl_->write(change, false);
}

Status Table::refresh() {
    if (Status posted = impl_->post(); !posted)
        return posted;
    const Status reread = impl_->reload(impl_->current_record(), impl_->row);
    impl_->notify();
    return reread;
}

void Table::set_on_change(std::function<void()> callback) {
    impl_->on_change = std::move(callback);
}

}  // namespace quintaro::catalogue
