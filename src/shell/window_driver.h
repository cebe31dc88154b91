#pragma once

#include "search/member_driver.h"

namespace quintaro::shell {

class MemberWindow;

// The lightest-section walk driving a member window as the user would: its
// action boxes, its "Calcular", the table its panel shows and the working
// state of its check. Moves go through the table, whose panel boxes follow.
class WindowDriver : public search::MemberDriver {
  public:
    explicit WindowDriver(MemberWindow& window) : window_(window) {}

    std::string action_text(std::string_view box) const override;
    std::string series() const override;
    void clear_invalid_length() override;
    bool set_index_tag(std::string_view tag) override;
    bool set_field_order(const std::vector<std::string>& fields) override;
    Status first() override;
    Status next() override;
    Status prior() override;
    bool eof() const override;
    bool calculate() override;
    search::CheckValues values() const override;

  private:
    MemberWindow& window_;
};

// Gives the window's "Mais Leve" the lightest-section walk.
void connect_search(MemberWindow& window);

}  // namespace quintaro::shell
