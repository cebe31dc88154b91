#pragma once

#include "search/member_driver.h"
#include "shell/dialogs.h"

namespace quintaro::shell {

class MemberWindow;

// The lightest-section walk driving a member window as the user would: its
// action boxes, its "Calcular", the table its panel shows and the working
// state of its check. Moves go through the table, whose panel boxes follow.
// The messages of each "Calcular" are held back for the search's summary.
class WindowDriver : public search::MemberDriver {
  public:
    explicit WindowDriver(MemberWindow& window) : window_(window) {}

    std::string action_text(std::string_view box) const override;
    std::string action_label(std::string_view box) const override;
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
    search::CheckValues values() const override;
    std::vector<std::string> take_messages() override { return held_.take(); }

  private:
    MemberWindow& window_;
    HeldMessages held_;
};

// "Mais Leve" of the window: the walk with the messages of the sections passed
// over held back; at its end the section's own messages as after "Calcular",
// then one summary of the walk. A series the window does not have, or a
// catalogue with nothing to walk, is told instead.
void find_lightest_in(MemberWindow& window);

// Gives the window's "Mais Leve" the lightest-section walk.
void connect_search(MemberWindow& window);

}  // namespace quintaro::shell
