#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/table.h"
#include "checks/boxes.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "search/member_driver.h"

namespace quintaro::search {

// A member window without a screen: its boxes, its working state and its
// catalogue tables. The panel boxes show the current row after every move,
// as data-aware boxes do, and "Calcular" is the window's check on the boxes.
// quintaro-lote and the benchmarks drive the search through it.
class CatalogueDriver : public MemberDriver {
  public:
    // The open table of one of the window's catalogues, or nullptr.
    using TableFor = std::function<catalogue::Table*(const checks::CatalogueTable&)>;

    CatalogueDriver(const checks::WindowDescriptor& window, checks::Boxes& boxes,
                    checks::Messages& messages, checks::WorkingState& state, TableFor table_for);

    std::string action_text(std::string_view box) const override;
    std::string section_text(std::string_view box) const override;
    std::string series() const override;
    void clear_invalid_length() override;
    bool set_index_tag(std::string_view tag) override;
    bool set_field_order(const std::vector<std::string>& fields) override;
    Status first() override;
    Status next() override;
    Status prior() override;
    bool eof() const override;
    bool calculate() override;
    CheckValues values() const override;

    // Puts the current row of the series' table into the panel boxes.
    void show_current_row();

  private:
    catalogue::Table* table() const;
    Status moved(Status status);

    const checks::WindowDescriptor& window_;
    checks::Boxes& boxes_;
    checks::Messages& messages_;
    checks::WorkingState& state_;
    TableFor table_for_;
};

}  // namespace quintaro::search
