#include "search/catalogue_driver.h"

#include <utility>

#include "search/check_values.h"

namespace quintaro::search {

CatalogueDriver::CatalogueDriver(const checks::WindowDescriptor& window, checks::Boxes& boxes,
                                 checks::Messages& messages, checks::WorkingState& state,
                                 TableFor table_for)
    : window_(window),
      boxes_(boxes),
      messages_(messages),
      state_(state),
      table_for_(std::move(table_for)) {}

std::string CatalogueDriver::action_text(std::string_view box) const {
    return boxes_.text(box);
}

std::string CatalogueDriver::section_text(std::string_view box) const {
    return boxes_.text(box);
}

std::string CatalogueDriver::series() const {
    if (window_.series_box.empty())
        return {};
    return boxes_.text(window_.series_box);
}

void CatalogueDriver::clear_invalid_length() {
    state_.invalid_length = 0;
}

catalogue::Table* CatalogueDriver::table() const {
    const std::string text = series();
    const checks::CatalogueTable* which =
        window_.series_box.empty()
            ? checks::table_for_series(window_, "")
            : (text.empty() ? nullptr : checks::table_for_series(window_, text));
    return which ? table_for_(*which) : nullptr;
}

bool CatalogueDriver::set_index_tag(std::string_view tag) {
    catalogue::Table* t = table();
    return t && t->set_index_tag(tag);
}

bool CatalogueDriver::set_field_order(const std::vector<std::string>& fields) {
    catalogue::Table* t = table();
    return t && t->set_field_order(fields);
}

Status CatalogueDriver::moved(Status status) {
    show_current_row();
    return status;
}

Status CatalogueDriver::first() {
    catalogue::Table* t = table();
    return t ? moved(t->first()) : Status::failure("Série desconhecida.");
}

Status CatalogueDriver::next() {
    catalogue::Table* t = table();
    return t ? moved(t->next()) : Status::failure("Série desconhecida.");
}

Status CatalogueDriver::prior() {
    catalogue::Table* t = table();
    return t ? moved(t->prior()) : Status::failure("Série desconhecida.");
}

bool CatalogueDriver::eof() const {
    catalogue::Table* t = table();
    return !t || t->eof();
}

void CatalogueDriver::show_current_row() {
    const catalogue::Table* t = table();
    if (!t)
        return;
    for (const checks::PanelField& f : window_.panel)
        boxes_.set_text(f.box, t->text(f.field));
}

bool CatalogueDriver::calculate() {
    return checks::check(window_, boxes_, messages_, state_);
}

CheckValues CatalogueDriver::values() const {
    return check_values(state_);
}

}  // namespace quintaro::search
