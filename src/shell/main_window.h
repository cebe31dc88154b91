#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <vector>

#include "checks/standard.h"

class QAction;
class QDialog;

namespace quintaro::shell {

class MemberWindow;
class TAjuda;

// Opens a URL with the desktop's program for it; false when none could be started.
using UrlOpener = std::function<bool(const QUrl&)>;

// The main window: a launcher with one toolbar button per member window and
// the menus for the steel grade, the standard in force, the notations, the
// help page, the verification manual (a PDF) and the about window.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    // Finds a window by its class name ("TI_Soldado").
    using WindowFinder = std::function<QDialog*(const char* class_name)>;

    explicit TForm1(QWidget* parent = nullptr);

    void set_window_finder(WindowFinder finder) { find_window_ = std::move(finder); }
    // The help page's path (tests point it elsewhere).
    void set_help_page(const QString& path) { help_page_ = path; }
    void set_url_opener(UrlOpener opener) { open_url_ = std::move(opener); }
    // The verification manual's path (tests point it elsewhere).
    void set_verification_manual(const QString& path) { verification_manual_ = path; }
    // The help window, once "Conteúdo" has opened it.
    TAjuda* help_window() const { return help_; }

    void set_member_windows(std::vector<MemberWindow*> windows);
    // Clears the results of every member window: what they showed was
    // computed with something that no longer holds (the steel, the standard).
    void clear_member_results();

    // The standard in force, chosen in the "Norma" menu.
    checks::Standard standard() const { return standard_; }
    // Marks `standard` in the menu, names it in the title picture's subtitle
    // (and, when not the default, in the window title) and, when it is
    // another, tells every member window (their results are cleared).
    void set_standard(checks::Standard standard);

  signals:
    void standard_changed(checks::Standard standard);

  public slots:
    void FormCreate();
    void Sair1Click();
    void Ao1Click();
    void Notaes1Click();
    void ConteudoClick();
    void ManualVerificacaoClick();
    void Sobre1Click();

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_toolbar();
    void build_menu();
    void show_modally(const char* class_name);
    void open_help_page();
    void open_verification_manual();

    WindowFinder find_window_;
    UrlOpener open_url_;
    QString help_page_;
    QString verification_manual_;
    TAjuda* help_ = nullptr;
    std::vector<QPointer<MemberWindow>> members_;
    checks::Standard standard_ = checks::kDefaultStandard;
    std::vector<std::pair<checks::Standard, QAction*>> standard_items_;
};

}  // namespace quintaro::shell
