#include "shell/window_driver.h"

#include "catalogue/table.h"
#include "checks/frame.h"
#include "search/check_values.h"
#include "search/lightest.h"
#include "shell/member_window.h"

namespace quintaro::shell {
namespace {

Status no_catalogue() {
    return Status::failure("O catálogo deste perfil não está disponível.");
}

}  // namespace

std::string WindowDriver::action_text(std::string_view box) const {
    return window_.boxes().text(box);
}

std::string WindowDriver::series() const {
    return window_.boxes().has("Serie") ? window_.boxes().text("Serie") : std::string();
}

void WindowDriver::clear_invalid_length() {
    window_.state().invalid_length = 0;
}

bool WindowDriver::set_index_tag(std::string_view tag) {
    catalogue::Table* table = window_.shown_table();
    return table != nullptr && table->set_index_tag(tag);
}

bool WindowDriver::set_field_order(const std::vector<std::string>& fields) {
    catalogue::Table* table = window_.shown_table();
    return table != nullptr && table->set_field_order(fields);
}

Status WindowDriver::first() {
    catalogue::Table* table = window_.shown_table();
    return table != nullptr ? table->first() : no_catalogue();
}

Status WindowDriver::next() {
    catalogue::Table* table = window_.shown_table();
    return table != nullptr ? table->next() : no_catalogue();
}

Status WindowDriver::prior() {
    catalogue::Table* table = window_.shown_table();
    return table != nullptr ? table->prior() : no_catalogue();
}

bool WindowDriver::eof() const {
    const catalogue::Table* table = window_.shown_table();
    return table == nullptr || table->eof();
}

bool WindowDriver::calculate() {
    return window_.calculate();
}

search::CheckValues WindowDriver::values() const {
    return search::check_values(window_.state());
}

void connect_search(MemberWindow& window) {
    window.set_search_action([](MemberWindow& w) {
        WindowDriver driver(w);
        search::find_lightest(w.descriptor().kind, driver, w.messages());
    });
}

}  // namespace quintaro::shell
