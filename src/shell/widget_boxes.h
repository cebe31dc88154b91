#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <string>

#include "checks/boxes.h"

namespace quintaro::shell {

// The checks' view of a window: its edit boxes (and the series drop-down, and
// check boxes as "1" or "0") by objectName, with the steel boxes "tipo_aco", "fy_aco" and "fu_aco"
// taken from the steel grade window.
class WidgetBoxes : public checks::Boxes {
  public:
    WidgetBoxes(QWidget* window, QWidget* steel_window);

    bool has(std::string_view name) const override;
    std::string text(std::string_view name) const override;
    void set_text(std::string_view name, std::string_view text) override;
    void set_verdict(std::string_view field, bool passed) override;
    void clear_verdict(std::string_view field) override;
    // The label beside the box (its buddy); the steel's boxes are named as the
    // steel's ("fy do aço"), since they are in another window.
    std::string label(std::string_view name) const override;

  private:
    QWidget* find(std::string_view name) const;
    QWidget* search(std::string_view name) const;
    QPointer<QWidget> window_;
    QPointer<QWidget> steel_window_;
    // Boxes found once are kept: a check and a search step read and write
    // dozens of them, and looking each up walks the window's widget tree.
    mutable std::map<std::string, QPointer<QWidget>, std::less<>> found_;
};

}  // namespace quintaro::shell
