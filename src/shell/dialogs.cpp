#include "shell/dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace quintaro::shell {
namespace {

class MessageBoxes : public Dialogs {
  public:
    void message(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                        parent);
        box.exec();
    }
    void error(QWidget* parent, const QString& caption, const QString& text) override {
        QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
        box.exec();
    }
    bool confirm(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text,
                        QMessageBox::Ok | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok;
    }
    void inform(QWidget* parent, const QString& caption, const QString& text) override {
        QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
        box.exec();
    }
};

MessageBoxes real_boxes;
Dialogs* in_force = &real_boxes;

}  // namespace

Dialogs& dialogs() {
    return *in_force;
}

void set_dialogs(Dialogs* replacement) {
    in_force = replacement != nullptr ? replacement : &real_boxes;
}

void WindowMessages::show(std::string_view text) {
    dialogs().message(parent_, QString::fromUtf8(text.data(), qsizetype(text.size())));
}

}  // namespace quintaro::shell
