#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include "gui_testing.h"
#include "shell/application.h"
#include "shell/main_window.h"

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

// Left to right; only the first four carry a hint.
const ToolbarEntry kToolbar[] = {
    {"SpeedButton5", "I Soldado", "TI_Soldado"},
    {"SpeedButton9", "I Laminado", "TForm_I_Laminado"},
    {"SpeedButton1", "H Laminado", "TForm_H_Laminado"},
    {"SpeedButton4", "L Laminado", "TL_Laminado"},
    {"SpeedButton2", "", "TLT_Laminado"},
    {"SpeedButton13", "", "TLU_Laminado"},
    {"SpeedButton7", "", "TLX_Laminado"},
    {"SpeedButton3", "", "TL2_Laminado"},
    {"SpeedButton8", "", "TL2T_Ma_Laminado"},
    {"SpeedButton6", "", "TL2T_Me_Laminado"},
    {"SpeedButton12", "", "TL2U_Ma_Laminado"},
    {"SpeedButton10", "", "TL2U_Me_Laminado"},
    {"SpeedButton11", "", "TForm_U_Laminado"},
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
    {"Norma", "NBR1", "NBR 8800:2005", false, false},
    {"Ajuda", "Notaes1", "Notações", true, false},
    {"Ajuda", "Conteudo", "Conteudo", true, false},
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
            items.emplace_back(top->text(), item);
        }
    }
    ASSERT_EQ(items.size(), std::size(kMenu));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuEntry& e = kMenu[i];
        EXPECT_EQ(items[i].first.toStdString(), e.menu) << e.object;
        EXPECT_EQ(items[i].second->objectName().toStdString(), e.object);
        EXPECT_EQ(items[i].second->text().toStdString(), e.text);
        EXPECT_EQ(items[i].second->isEnabled(), e.enabled) << e.object;
        EXPECT_EQ(items[i].second->isChecked(), e.checked) << e.object;
    }
}

TEST_F(MainWindow, TheStandardInForceStaysCheckedWhenClicked) {
    auto* in_force = main.findChild<QAction*>(QStringLiteral("NBR88001"));
    in_force->trigger();
    in_force->trigger();
    EXPECT_TRUE(in_force->isChecked());
    EXPECT_FALSE(main.findChild<QAction*>(QStringLiteral("NBR1"))->isEnabled());
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
        file.write("<html></html>");
        file.close();
        main.set_help_page(page);
        main.set_url_opener([this](const QUrl& url) {
            opened << url;
            return browser_starts;
        });
    }
    void press_conteudo() { main.findChild<QAction*>(QStringLiteral("Conteudo"))->trigger(); }

    QTemporaryDir dir;
    QString page;
    QList<QUrl> opened;
    bool browser_starts = true;
};

TEST_F(HelpPage, OpensThePageAsAFileUrlInTheBrowser) {
    press_conteudo();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front(), QUrl::fromLocalFile(page));
    EXPECT_TRUE(opened.front().isLocalFile());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(HelpPage, NoBrowserShowsTheConnectionError) {
    browser_starts = false;
    press_conteudo();
    EXPECT_EQ(dialogs.errors,
              QStringList{QStringLiteral("Erro|Conexão com navegador Impossível!")});
}

TEST_F(HelpPage, AMissingPageShowsTheSameErrorWithoutStartingABrowser) {
    QFile::remove(page);
    press_conteudo();
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(dialogs.errors,
              QStringList{QStringLiteral("Erro|Conexão com navegador Impossível!")});
}

TEST_F(HelpPage, APathWithBlanksBecomesAnEscapedFileUrl) {
    QDir(dir.path()).mkdir(QStringLiteral("com espaço"));
    page = dir.filePath(QStringLiteral("com espaço/AjudaQuintaro.htm"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    main.set_help_page(page);
    press_conteudo();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.front().toString(QUrl::FullyEncoded).contains(QStringLiteral("com%20espa")))
        << opened.front().toString(QUrl::FullyEncoded).toStdString();
}

// Ajuda → "Manual de verificação": the PDF opened by the desktop's viewer, or
// a message naming the file and what went wrong.
TEST_F(HelpPage, VerificationManualOpensOrSaysWhyNot) {
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
