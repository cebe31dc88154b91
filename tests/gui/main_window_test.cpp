#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

#include "gui_testing.h"
#include "shell/application.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/translations.h"

namespace quintaro::testing {
namespace {

class MainWindow : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::Windows windows{folder.location()};
    shell::TForm1& main = windows.main_window();

    // Runs `open` and returns the class of the window it showed modally
    // (closing it), or "" when none was shown.
    QString modal_window_shown_by(const std::function<void()>& open) {
        QString shown;
        main.show();
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = shell::class_name(modal);
                // Modal to the main window alone, so that other top-level
                // windows (the report) stay usable.
                EXPECT_EQ(modal->windowModality(), Qt::WindowModal);
                EXPECT_EQ(modal->windowHandle()->transientParent(), main.windowHandle());
                modal->close();
            }
        });
        open();
        return shown;
    }
};

struct ToolbarEntry {
    const char* button;
    const char* hint;
    const char* opens;
};

// Left to right; each hint names the window the button opens.
const ToolbarEntry kToolbar[] = {
    {"SpeedButton5", "I Soldado", "TI_Soldado"},
    {"SpeedButton9", "I Laminado", "TForm_I_Laminado"},
    {"SpeedButton1", "H Laminado", "TForm_H_Laminado"},
    {"SpeedButton4", "L Laminado — cantoneira simples", "TL_Laminado"},
    {"SpeedButton2", "L Laminado — 2 cantoneiras em T", "TLT_Laminado"},
    {"SpeedButton13", "L Laminado — 2 cantoneiras em U", "TLU_Laminado"},
    {"SpeedButton7", "L Laminado — 2 cantoneiras em X", "TLX_Laminado"},
    {"SpeedButton3", "L Laminado — cantoneira de abas desiguais", "TL2_Laminado"},
    {"SpeedButton8", "L Laminado — 2 cantoneiras de abas desiguais em T, abas maiores juntas",
     "TL2T_Ma_Laminado"},
    {"SpeedButton6", "L Laminado — 2 cantoneiras de abas desiguais em T, abas menores juntas",
     "TL2T_Me_Laminado"},
    {"SpeedButton12", "L Laminado — 2 cantoneiras de abas desiguais em U, abas maiores verticais",
     "TL2U_Ma_Laminado"},
    {"SpeedButton10", "L Laminado — 2 cantoneiras de abas desiguais em U, abas menores verticais",
     "TL2U_Me_Laminado"},
    {"SpeedButton11", "U Laminado", "TForm_U_Laminado"},
};

TEST_F(MainWindow, ToolbarHasThirteenButtonsInOrderWithTheirHintsAndWindows) {
    main.show();
    auto* bar = child<QToolBar>(&main, "ToolBar1");
    ASSERT_NE(bar, nullptr);
    std::vector<QToolButton*> buttons;
    for (QAction* action : bar->actions()) {
        buttons.push_back(qobject_cast<QToolButton*>(bar->widgetForAction(action)));
    }
    ASSERT_EQ(buttons.size(), std::size(kToolbar));
    int previous_x = -1;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ToolbarEntry& expected = kToolbar[i];
        QToolButton* button = buttons[i];
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->objectName().toStdString(), expected.button) << "position " << i + 1;
        EXPECT_EQ(button->toolTip().toStdString(), expected.hint) << expected.button;
        EXPECT_EQ(button->size(), QSize(45, 45)) << expected.button;
        EXPECT_GT(button->x(), previous_x) << expected.button;
        EXPECT_EQ(button->x(), int(45 * i)) << expected.button;
        previous_x = button->x();
        EXPECT_EQ(modal_window_shown_by([&] { button->click(); }).toStdString(), expected.opens)
            << expected.button;
    }
}

struct MenuEntry {
    const char* menu;
    const char* object;
    const char* text;
    bool enabled;
    bool checked;
};

const MenuEntry kMenu[] = {
    {"Arquivo", "Sair1", "Sair", true, false},
    {"", "Ao1", "Aço", true, false},
    {"Norma", "NBR88001", "NBR 8800:1986", true, true},
    {"Norma", "NBR88002", "NBR 8800:2008", true, false},
    {"Ajuda", "Notaes1", "Notações", true, false},
    {"Ajuda", "Conteudo", "Conteúdo", true, false},
    {"Ajuda", "ManualVerificacao", "Manual de verificação", true, false},
    {"Ajuda", "Sobre1", "Sobre", true, false},
};

TEST_F(MainWindow, MenuBarHoldsEveryItemInOrderWithItsState) {
    auto* bar = child<QMenuBar>(&main, "MainMenu1");
    std::vector<std::pair<QString, QAction*>> items;
    for (QAction* top : bar->actions()) {
        if (top->menu() == nullptr) {
            items.emplace_back(QString(), top);
            continue;
        }
        for (QAction* item : top->menu()->actions()) {
            items.emplace_back(top->text().remove('&'), item);
        }
    }
    ASSERT_EQ(items.size(), std::size(kMenu));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuEntry& e = kMenu[i];
        EXPECT_EQ(items[i].first.toStdString(), e.menu) << e.object;
        EXPECT_EQ(items[i].second->objectName().toStdString(), e.object);
        EXPECT_EQ(items[i].second->text().remove('&').toStdString(), e.text);
        EXPECT_EQ(items[i].second->isEnabled(), e.enabled) << e.object;
        EXPECT_EQ(items[i].second->isChecked(), e.checked) << e.object;
    }
}

// The two standards exclude each other; the one in force is named in the
// title (the default, 1986, leaves the title as it always was).
TEST_F(MainWindow, TheStandardsExcludeEachOther) {
    auto* old_one = main.findChild<QAction*>(QStringLiteral("NBR88001"));
    auto* new_one = main.findChild<QAction*>(QStringLiteral("NBR88002"));
    old_one->trigger();
    old_one->trigger();
    EXPECT_TRUE(old_one->isChecked());
    EXPECT_EQ(main.standard(), checks::Standard::Nbr1986);
    new_one->trigger();
    EXPECT_FALSE(old_one->isChecked());
    EXPECT_TRUE(new_one->isChecked());
    EXPECT_EQ(main.standard(), checks::Standard::Nbr2008);
    EXPECT_EQ(main.windowTitle().toStdString(), "Quintaro (Ver 1.5m) — NBR 8800:2008");
    old_one->trigger();
    EXPECT_EQ(main.standard(), checks::Standard::Nbr1986);
    EXPECT_EQ(main.windowTitle().toStdString(), "Quintaro (Ver 1.5m)");
}

TEST_F(MainWindow, MenuItemsOpenTheirWindowsModally) {
    const std::pair<const char*, const char*> cases[] = {
        {"Ao1", "TEscolhe_Aco"}, {"Notaes1", "TNota"}, {"Sobre1", "TSobreQuintaro"}};
    for (const auto& [action, window] : cases) {
        auto* item = main.findChild<QAction*>(QString::fromLatin1(action));
        EXPECT_EQ(modal_window_shown_by([&] { item->trigger(); }).toStdString(), window);
    }
}

TEST_F(MainWindow, SairClosesTheMainWindow) {
    bool closed = false;
    QObject::connect(&main, &shell::TForm1::closed, [&] { closed = true; });
    main.show();
    main.findChild<QAction*>(QStringLiteral("Sair1"))->trigger();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(main.isVisible());
}

class HelpPage : public MainWindow {
  protected:
    void SetUp() override {
        page = dir.filePath(QStringLiteral("AjudaQuintaro.htm"));
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p><a href=\"notas.htm\">notas</a></p></body></html>");
        file.close();
        QFile notes(dir.filePath(QStringLiteral("notas.htm")));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("<html><body><p>Notas</p></body></html>");
        main.set_help_page(page);
    }
    void press_conteudo() { main.findChild<QAction*>(QStringLiteral("Conteudo"))->trigger(); }

    QTemporaryDir dir;
    QString page;
};

// "Conteúdo" shows the page in the program's own help window, which goes back
// and forth over the links followed.
TEST_F(HelpPage, OpensThePageInTheProgramsHelpWindow) {
    press_conteudo();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    shell::TAjuda* help = main.help_window();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTextBrowser* browser = help->page();
    EXPECT_EQ(browser->source(), QUrl::fromLocalFile(page));
    EXPECT_EQ(browser->toPlainText(), QStringLiteral("notas"));
    auto* back = child<QToolButton>(help, "Voltar");
    auto* forward = child<QToolButton>(help, "Avancar");
    EXPECT_FALSE(back->isEnabled());
    browser->setSource(QUrl::fromLocalFile(dir.filePath(QStringLiteral("notas.htm"))));
    EXPECT_EQ(browser->toPlainText(), QStringLiteral("Notas"));
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(browser->toPlainText(), QStringLiteral("notas"));
    ASSERT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(browser->toPlainText(), QStringLiteral("Notas"));
    help->close();
}

TEST_F(HelpPage, AMissingPageShowsTheConnectionError) {
    QFile::remove(page);
    press_conteudo();
    EXPECT_EQ(dialogs.errors,
              QStringList{QStringLiteral("Erro|Conexão com navegador Impossível!")});
    EXPECT_TRUE(main.help_window() == nullptr || !main.help_window()->isVisible());
}

// Qt's own texts (standard buttons here) come from its Brazilian Portuguese
// translations.
TEST(QtTexts, StandardButtonsArePortuguese) {
    ASSERT_TRUE(shell::install_qt_translations(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quintaro"), QStringLiteral("?"),
                    QMessageBox::Save | QMessageBox::Cancel | QMessageBox::Discard);
    EXPECT_EQ(box.button(QMessageBox::Save)->text(), QStringLiteral("Salvar"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
    EXPECT_EQ(box.button(QMessageBox::Discard)->text(), QStringLiteral("Descartar"));
}

// Ajuda → "Manual de verificação": the PDF opened by the desktop's viewer, or
// a message naming the file and what went wrong.
TEST_F(HelpPage, VerificationManualOpensOrSaysWhyNot) {
    QList<QUrl> opened;
    bool browser_starts = true;
    main.set_url_opener([&](const QUrl& url) {
        opened << url;
        return browser_starts;
    });
    const QString pdf = dir.filePath(QStringLiteral("manual-de-verificacao.pdf"));
    struct Case {
        const char* name;
        bool present;
        bool viewer_starts;
        const char* error;  // "" for none
    };
    const Case cases[] = {
        {"opens", true, true, ""},
        {"no_viewer", true, false, "Nenhum programa abriu o manual de verificação (PDF)"},
        {"missing", false, true, "O manual de verificação não foi encontrado em"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(pdf);
        if (c.present) {
            QFile file(pdf);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("%PDF-1.4\n");
        }
        opened.clear();
        dialogs.errors.clear();
        browser_starts = c.viewer_starts;
        main.set_verification_manual(pdf);
        main.findChild<QAction*>(QStringLiteral("ManualVerificacao"))->trigger();
        EXPECT_EQ(opened, c.present ? QList<QUrl>{QUrl::fromLocalFile(pdf)} : QList<QUrl>{});
        if (*c.error == '\0') {
            EXPECT_TRUE(dialogs.errors.isEmpty());
            continue;
        }
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(
            dialogs.errors.front().startsWith(QStringLiteral("Erro|") + QString::fromUtf8(c.error)))
            << dialogs.errors.front().toStdString();
        EXPECT_TRUE(dialogs.errors.front().contains(QDir::toNativeSeparators(pdf)));
    }
}

}  // namespace
}  // namespace quintaro::testing
