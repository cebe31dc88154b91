#include "shell/window_driver.h"

#include "catalogue/table.h"
#include "checks/frame.h"
#include "search/check_values.h"
#include "search/lightest.h"
#include "search/summary.h"
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

std::string WindowDriver::action_label(std::string_view box) const {
    return window_.boxes().label(box);
}

std::string WindowDriver::section_text(std::string_view box) const {
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
    held_.take();
    return window_.calculate(held_);
}

search::CheckValues WindowDriver::values() const {
    return search::check_values(window_.state());
}

namespace {

// The label the window gives a result box, on one line.
std::string result_label(const MemberWindow& window, std::string_view box) {
    for (const ResultBox& result : window.descriptor().results) {
        if (result.box == box) {
            return QString::fromUtf8(result.label).simplified().toStdString();
        }
    }
    return std::string(box);
}

}  // namespace

void find_lightest_in(MemberWindow& window) {
    WindowDriver driver(window);
    search::SearchRecord record;
    const checks::WindowKind kind = window.descriptor().kind;
    const search::SearchOutcome outcome =
        search::find_lightest(kind, window.standard(), driver, window.messages(), &record);
    switch (outcome.end) {
        case search::SearchEnd::NoSeries:
            window.messages().show(search::unknown_series_message(kind, driver.series()));
            return;
        case search::SearchEnd::NothingToCheck:
            window.messages().show(driver.eof() ? search::kEmptyCatalogueMessage
                                                : search::kNoForceMessage);
            return;
        default:
            break;
    }
    if (record.sections.empty()) {
        return;
    }
    for (const std::string& message : record.sections.back().messages) {
        window.messages().show(message);
    }
    const std::string summary = search::search_summary(
        outcome, record, [&](std::string_view box) { return result_label(window, box); });
    dialogs().inform(&window, QStringLiteral("Mais Leve"), QString::fromStdString(summary));
}

void connect_search(MemberWindow& window) {
    window.set_search_action(find_lightest_in);
}

}  // namespace quintaro::shell
