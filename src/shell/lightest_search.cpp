#include "shell/lightest_search.h"

#include <string>

#include "catalogue/table.h"
#include "checks/windows.h"
#include "search/check_values.h"
#include "search/lightest.h"
#include "search/member_driver.h"
#include "shell/member_window.h"

namespace quintaro::shell {
namespace {

Status no_table() {
    return Status::failure("O catálogo desta janela não está disponível.");
}

// The search's view of a member window: its action and series boxes, its
// "Calcular", its working state and its tables. Moves act on the table the
// panel shows; orders and the end of the table on the table of the series.
class WindowDriver : public search::MemberDriver {
  public:
    explicit WindowDriver(MemberWindow& window)
        : window_(window), checked_(checks::descriptor(window.descriptor().check)) {}

    std::string action_text(std::string_view box) const override {
        return window_.boxes().text(box);
    }
    std::string series() const override {
        if (checked_.series_box.empty())
            return {};
        return window_.boxes().text(checked_.series_box);
    }
    void clear_invalid_length() override { window_.state().invalid_length = 0; }
    bool set_index_tag(std::string_view tag) override {
        catalogue::Table* t = series_table();
        return t != nullptr && t->set_index_tag(tag);
    }
    bool set_field_order(const std::vector<std::string>& fields) override {
        catalogue::Table* t = series_table();
        return t != nullptr && t->set_field_order(fields);
    }
    Status first() override { return shown() ? shown()->first() : no_table(); }
    Status next() override { return shown() ? shown()->next() : no_table(); }
    Status prior() override { return shown() ? shown()->prior() : no_table(); }
    bool eof() const override {
        const catalogue::Table* t = series_table();
        return t == nullptr || t->eof();
    }
    bool calculate() override { return window_.calculate(); }
    search::CheckValues values() const override { return search::check_values(window_.state()); }

  private:
    catalogue::Table* shown() const { return window_.shown_table(); }
    catalogue::Table* series_table() const {
        if (checked_.series_box.empty())
            return window_.table(0);
        const std::string text = series();
        for (int i = 0; i < int(checked_.tables.size()); ++i) {
            if (checked_.tables[i].series == text)
                return window_.table(i);
        }
        return nullptr;
    }

    MemberWindow& window_;
    const checks::WindowDescriptor& checked_;
};

}  // namespace

void find_lightest_section(MemberWindow& window) {
    WindowDriver driver(window);
    search::find_lightest(checks::descriptor(window.descriptor().check).class_name, driver,
                          window.messages());
}

}  // namespace quintaro::shell
