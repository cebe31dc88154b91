#pragma once

#include <QDialog>

class QTextBrowser;
class QToolButton;

namespace quintaro::shell {

// The help page in a window of the program itself, with back and forward
// through the links followed, so that help works on a machine with no web
// browser. Links out of the page go to the desktop's browser.
class TAjuda : public QDialog {
    Q_OBJECT
  public:
    explicit TAjuda(QWidget* parent = nullptr);

    // Shows the page at `path` and brings the window up; false, showing
    // nothing, when the page cannot be read.
    bool open(const QString& path);
    QTextBrowser* page() const { return page_; }

  private:
    QTextBrowser* page_;
    QToolButton* back_;
    QToolButton* forward_;
};

}  // namespace quintaro::shell
