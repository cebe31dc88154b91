#pragma once

#include <QToolButton>
#include <QWidget>
#include <array>

namespace quintaro::shell {

// The record navigator: ten buttons in a row moving through a table and
// editing it.
class DBNavigator : public QWidget {
    Q_OBJECT
  public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int kButtonCount = 10;

    explicit DBNavigator(QWidget* parent = nullptr);
    QToolButton* button(Button which) const { return buttons_[which]; }

  signals:
    void pressed(quintaro::shell::DBNavigator::Button which);

  private:
    std::array<QToolButton*, kButtonCount> buttons_{};
};

// The picture of a navigator button, painted in `ink` (other windows borrow
// the arrows).
QIcon navigator_glyph(DBNavigator::Button which, const QColor& ink);

}  // namespace quintaro::shell
