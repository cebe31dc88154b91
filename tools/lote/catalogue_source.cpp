#include "catalogue_source.h"

#include <algorithm>

#include "catalogue/table.h"
#include "columns.h"
#include "common/decimal.h"
#include "row_boxes.h"
#include "search/check_values.h"

namespace quintaro::lote {
namespace {

constexpr std::string_view kSteelTable = "tipo_aco.dbf";

std::string trim(std::string_view s) {
    return std::string(trim_blanks(s));
}

}  // namespace

Result<SteelBoxes> load_steel(const std::string& tables_dir, const std::string& grade) {
    auto opened = catalogue::Table::open(kSteelTable, {tables_dir, ""});
    if (!opened)
        return Result<SteelBoxes>::failure(opened.error());
    catalogue::Table& t = *opened.value();
    if (t.empty())
        return Result<SteelBoxes>::failure("tipo_aco.dbf não tem tipos de aço");
    if (auto moved = t.first(); !moved)
        return Result<SteelBoxes>::failure(moved.error());
    std::string known;
    while (!t.eof()) {
        const std::string tipo = t.text("TIPO");
        if (grade.empty() || trim(tipo) == grade) {
            // A grade whose fy or fu is no number stops the batch before any row.
            double value = 0.0;
            if (!try_parse_decimal(t.text("FY"), value) ||
                !try_parse_decimal(t.text("FU"), value)) {
                return Result<SteelBoxes>::failure("aço '" + trim(tipo) + "' em " + t.path() +
                                                   ": fy ou fu não é um número (FY \"" +
                                                   t.text("FY") + "\", FU \"" + t.text("FU") +
                                                   "\")");
            }
            return SteelBoxes{tipo, t.text("FY"), t.text("FU")};
        }
        known += (known.empty() ? "" : ", ") + trim(tipo);
        if (auto moved = t.next(); !moved)
            return Result<SteelBoxes>::failure(moved.error());
    }
    return Result<SteelBoxes>::failure("aço '" + grade +
                                       "' não está em tipo_aco.dbf (tipos: " + known + ")");
}

CatalogueFile::CatalogueFile(std::unique_ptr<catalogue::Table> table) : table_(std::move(table)) {
    // Read-only for the whole batch: the moves of a table that is only
    // browsed cannot fail.
    table_->set_natural_order();
    table_->first();
    while (!table_->eof()) {
        records_.push_back(table_->record_number());
        table_->next();
    }
    position_ = records_.empty() ? -1 : 0;
    eof_ = records_.empty();
}

CatalogueFile::~CatalogueFile() = default;

const std::vector<std::vector<std::string>>& CatalogueFile::panel_rows(
    const checks::WindowDescriptor& window) {
    auto it = panels_.find(window.class_name);
    if (it != panels_.end())
        return it->second;
    std::vector<std::vector<std::string>> rows;
    rows.reserve(records_.size());
    table_->set_natural_order();
    table_->first();
    while (!table_->eof()) {
        std::vector<std::string> texts;
        texts.reserve(window.panel.size());
        for (const checks::PanelField& p : window.panel)
            texts.push_back(table_->text(p.field));
        rows.push_back(std::move(texts));
        table_->next();
    }
    return panels_.emplace(window.class_name, std::move(rows)).first->second;
}

int CatalogueFile::find(const checks::WindowDescriptor& window, std::string_view designation) {
    auto it = designations_.find(window.class_name);
    if (it == designations_.end()) {
        std::unordered_map<std::string, int> index;
        const auto& rows = panel_rows(window);
        for (std::size_t i = 0; i < rows.size(); ++i)
            index.emplace(trim(rows[i].front()), static_cast<int>(i));
        it = designations_.emplace(window.class_name, std::move(index)).first;
    }
    const auto row = it->second.find(std::string(designation));
    return row == it->second.end() ? -1 : row->second;
}

// Each order is asked of the table once and kept as positions of the
// natural order, so the table decides what an order is and what it refuses.
const std::vector<int>* CatalogueFile::order(const std::string& key,
                                             const std::function<bool()>& apply) {
    auto it = orders_.find(key);
    if (it != orders_.end())
        return it->second.get();
    std::unique_ptr<std::vector<int>> positions;
    if (apply()) {
        positions = std::make_unique<std::vector<int>>();
        table_->first();
        while (!table_->eof()) {
            const auto at = std::find(records_.begin(), records_.end(), table_->record_number());
            positions->push_back(static_cast<int>(at - records_.begin()));
            table_->next();
        }
    }
    return orders_.emplace(key, std::move(positions)).first->second.get();
}

bool CatalogueFile::set_index_tag(std::string_view tag) {
    return set_order(order("tag:" + std::string(tag), [&] { return table_->set_index_tag(tag); }));
}

bool CatalogueFile::set_field_order(const std::vector<std::string>& fields) {
    std::string key = "fields";
    for (const std::string& f : fields)
        key += ":" + f;
    return set_order(order(key, [&] { return table_->set_field_order(fields); }));
}

// A change of order keeps the current row, else the same position, as the
// table does.
bool CatalogueFile::set_order(const std::vector<int>* wanted) {
    if (wanted == nullptr)
        return false;
    const int row = current();
    in_force_ = wanted;
    if (records_.empty()) {
        position_ = -1;
    } else {
        const auto at = std::find(wanted->begin(), wanted->end(), row);
        position_ = at != wanted->end()
                        ? static_cast<int>(at - wanted->begin())
                        : std::clamp(position_, 0, static_cast<int>(records_.size()) - 1);
    }
    eof_ = records_.empty();
    return true;
}

void CatalogueFile::first() {
    if (records_.empty()) {
        eof_ = true;
        return;
    }
    position_ = 0;
    eof_ = false;
}

void CatalogueFile::next() {
    if (records_.empty()) {
        eof_ = true;
        return;
    }
    eof_ = position_ == static_cast<int>(records_.size()) - 1;
    if (!eof_)
        ++position_;
}

void CatalogueFile::prior() {
    if (records_.empty()) {
        eof_ = true;
        return;
    }
    if (position_ > 0)
        --position_;
    eof_ = false;
}

int CatalogueFile::current() const {
    if (position_ < 0)
        return -1;
    return in_force_ ? (*in_force_)[static_cast<std::size_t>(position_)] : position_;
}

Catalogues::Catalogues(std::string tables_dir) : tables_dir_(std::move(tables_dir)) {}
Catalogues::~Catalogues() = default;

Result<CatalogueFile*> Catalogues::file(const checks::CatalogueTable& table) {
    auto it = files_.find(table.file);
    if (it == files_.end()) {
        auto opened = catalogue::Table::open(table.file, {tables_dir_, ""});
        auto read = opened ? Result<std::unique_ptr<CatalogueFile>>(
                                 std::make_unique<CatalogueFile>(std::move(opened.value())))
                           : Result<std::unique_ptr<CatalogueFile>>::failure(opened.error());
        it = files_.emplace(table.file, std::move(read)).first;
    }
    if (!it->second)
        return Result<CatalogueFile*>::failure(it->second.error());
    return it->second.value().get();
}

CatalogueWalk::CatalogueWalk(const WindowLayout& layout, CatalogueFile& file, RowBoxes& boxes,
                             checks::Messages& messages, checks::WorkingState& state)
    : layout_(layout),
      file_(file),
      rows_(file.panel_rows(layout.window())),
      boxes_(boxes),
      messages_(messages),
      state_(state) {}

std::string CatalogueWalk::action_text(std::string_view box) const {
    return boxes_.text(box);
}

std::string CatalogueWalk::series() const {
    const std::string_view box = layout_.window().series_box;
    return box.empty() ? std::string() : boxes_.text(box);
}

void CatalogueWalk::clear_invalid_length() {
    state_.invalid_length = 0;
}

bool CatalogueWalk::set_index_tag(std::string_view tag) {
    return file_.set_index_tag(tag);
}

bool CatalogueWalk::set_field_order(const std::vector<std::string>& fields) {
    return file_.set_field_order(fields);
}

// After every move the panel boxes show the row under the cursor (empty
// boxes past the ends of an empty table), as data-aware boxes do.
Status CatalogueWalk::show_current_row() {
    const int row = file_.current();
    const auto& panel = layout_.panel();
    for (std::size_t i = 0; i < panel.size(); ++i) {
        boxes_.refer(panel[i].slot,
                     row < 0 ? std::string_view()
                             : std::string_view(rows_[static_cast<std::size_t>(row)][i]));
    }
    return success();
}

Status CatalogueWalk::first() {
    file_.first();
    return show_current_row();
}

Status CatalogueWalk::next() {
    file_.next();
    return show_current_row();
}

Status CatalogueWalk::prior() {
    file_.prior();
    return show_current_row();
}

bool CatalogueWalk::eof() const {
    return file_.eof();
}

bool CatalogueWalk::calculate() {
    return checks::check(layout_.window(), boxes_, messages_, state_);
}

search::CheckValues CatalogueWalk::values() const {
    return search::check_values(state_);
}

}  // namespace quintaro::lote
