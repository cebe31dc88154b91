#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "checks/boxes.h"

class QWidget;

namespace quintaro::shell {

// Every message and question the windows put to the user goes through one
// replaceable object, so tests capture them instead of showing them.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A plain message with the program's title and an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A message with the error icon, the given caption and an OK button.
    virtual void error(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // A report of work done, with the information icon, its caption and OK.
    virtual void inform(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// The object in force: the real message boxes unless a test set another.
Dialogs& dialogs();
// Replaces the object in force (not owned); nullptr restores the message boxes.
void set_dialogs(Dialogs* replacement);

// The checks' messages shown over a window through the dialogs in force.
class WindowMessages : public checks::Messages {
  public:
    explicit WindowMessages(QWidget* parent) : parent_(parent) {}
    void show(std::string_view text) override;

  private:
    QWidget* parent_;
};

// The checks' messages kept instead of shown, to be shown later or summed up.
class HeldMessages : public checks::Messages {
  public:
    void show(std::string_view text) override { held_.emplace_back(text); }
    std::vector<std::string> take() { return std::exchange(held_, {}); }

  private:
    std::vector<std::string> held_;
};

}  // namespace quintaro::shell
