#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "catalogue/table.h"

class QApplication;
class QObject;
class QDialog;
class QWidget;

namespace quintaro::shell {

class TForm1;

// A window's class name without its namespace ("TI_Soldado").
QString class_name(const QObject* object);

// Every window of the program, created once in a fixed order (the main window
// first) and kept until the program ends.
class Windows {
  public:
    explicit Windows(const catalogue::TableLocation& where);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    TForm1& main_window() const;
    // In the order of creation.
    const std::vector<QWidget*>& all() const { return order_; }
    QWidget* find(const QString& class_name) const;
    // One text per table file that could not be opened (once for windows
    // sharing a file).
    const QStringList& open_failures() const { return open_failures_; }

  private:
    template <typename Window, typename... Args>
    Window* create(Args&&... args);

    std::vector<std::unique_ptr<QWidget>> owned_;
    std::vector<QWidget*> order_;
    QStringList open_failures_;
};

// Starts the program: title, decimal comma, the user's data folder seeded from
// the installed catalogues, every window, a word on any missing catalogue, and
// the event loop until the main window closes.
int run(QApplication& app);

}  // namespace quintaro::shell
