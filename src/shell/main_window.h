#pragma once

#include <QMainWindow>
#include <QUrl>
#include <functional>

class QDialog;

namespace quintaro::shell {

// Opens a URL in the user's browser; false when no browser could be started.
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
    void set_url_opener(UrlOpener opener) { open_url_ = std::move(opener); }
    // The help page's path (tests point it elsewhere).
    void set_help_page(const QString& path) { help_page_ = path; }
    // The verification manual's path (tests point it elsewhere).
    void set_verification_manual(const QString& path) { verification_manual_ = path; }

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
};

}  // namespace quintaro::shell
