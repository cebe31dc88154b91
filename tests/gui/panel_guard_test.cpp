#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "gui_testing.h"
#include "shell/escolhe_aco.h"
#include "shell/member_windows.h"

namespace quintaro::testing {
namespace {

using checks::WindowKind;

// The catalogue panel guards the user's file and finds sections by name. The
// rolled I test rows by D: W 150 x 13,0 (d 148), W 200 x 15,0 (200),
// W 250 x 17,9 (251).
class PanelGuard : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::TEscolhe_Aco steel{folder.location()};
    shell::WindowContext context{folder.location(), &steel};

    QByteArray file_bytes(const char* name) const {
        QFile file(folder.path() + QLatin1Char('/') + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    static void open(QWidget* w) {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    static QString text(QWidget* w, const char* box) { return child<QLineEdit>(w, box)->text(); }
    static QStringList offered(QLineEdit* picker) {
        QCompleter* completer = picker->completer();
        QStringList out;
        for (int i = 0; completer->setCurrentRow(i); ++i) {
            out << completer->currentCompletion();
        }
        return out;
    }
    static void type_in_picker(QWidget* w, const QString& typed) {
        QLineEdit* picker = child<QLineEdit>(w, "R_Perfil");
        picker->setFocus();
        picker->selectAll();
        QTest::keyClicks(picker, typed);
    }
};

TEST_F(PanelGuard, EveryWindowOpensWithTheFocusInItsFirstInputBox) {
    for (std::size_t k = 0; k < checks::kWindowCount; ++k) {
        shell::MemberWindow window(shell::member_descriptor(WindowKind(k)), context);
        child<QLineEdit>(&window, "R_Nd")->setFocus();
        for (int showing = 0; showing < 2; ++showing) {
            open(&window);
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), "Compri_x")
                << window.objectName().toStdString();
            window.close();
        }
    }
}

// A stray "300" typed as the window opens goes into Lflx, and the ▶ that
// follows moves on: the catalogue file is the same byte for byte.
TEST_F(PanelGuard, TypingOnOpenChangesNoFile) {
    const QByteArray before = file_bytes("I_Laminado.DBF");
    shell::TForm_I_Laminado window(context);
    open(&window);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("300"));
    // Typing into a panel box while browsing does nothing either.
    QLineEdit* depth = child<QLineEdit>(&window, "R_d");
    depth->setFocus();
    QTest::keyClicks(depth, QStringLiteral("9"));
    child<QToolButton>(&window, "Next")->click();
    EXPECT_EQ(text(&window, "Compri_x"), "300");
    EXPECT_EQ(text(&window, "R_Perfil"), "W 200 x 15,0");
    EXPECT_EQ(file_bytes("I_Laminado.DBF"), before);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

TEST_F(PanelGuard, PanelBoxesOpenOnlyWhileEditingOrInsertingAndShowIt) {
    shell::TForm_I_Laminado window(context);
    QLineEdit* depth = child<QLineEdit>(&window, "R_d");
    QLabel* mode = child<QLabel>(&window, "Label_Edicao");
    const QColor browsing = depth->palette().color(QPalette::Base);
    for (const char* opens : {"Edit", "Insert"}) {
        EXPECT_TRUE(depth->isReadOnly()) << opens;
        EXPECT_EQ(depth->focusPolicy(), Qt::ClickFocus) << opens;
        EXPECT_TRUE(mode->text().isEmpty()) << opens;
        child<QToolButton>(&window, opens)->click();
        EXPECT_FALSE(depth->isReadOnly()) << opens;
        EXPECT_NE(depth->palette().color(QPalette::Base), browsing) << opens;
        EXPECT_FALSE(mode->text().isEmpty()) << opens;
        child<QToolButton>(&window, "Cancel")->click();
        EXPECT_TRUE(depth->isReadOnly()) << opens;
        EXPECT_EQ(depth->palette().color(QPalette::Base), browsing) << opens;
    }
}

TEST_F(PanelGuard, ThePickerListsMatchingDesignationsAndMovesToTheOneChosen) {
    shell::TForm_I_Laminado window(context);
    open(&window);
    QLineEdit* picker = child<QLineEdit>(&window, "R_Perfil");
    const QByteArray before = file_bytes("I_Laminado.DBF");

    type_in_picker(&window, "w 2");  // anywhere, without regard to case
    EXPECT_EQ(offered(picker), (QStringList{"W 200 x 15,0", "W 250 x 17,9"}));
    type_in_picker(&window, "x 17");
    EXPECT_EQ(offered(picker), QStringList{"W 250 x 17,9"});
    QAbstractItemView* list = picker->completer()->popup();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(text(&window, "R_Perfil"), "W 250 x 17,9");
    EXPECT_EQ(text(&window, "R_d"), "251");
    EXPECT_EQ(file_bytes("I_Laminado.DBF"), before);
}

TEST_F(PanelGuard, EnterInThePickerGoesToTheOneSectionNamedOrSaysNoneIs) {
    shell::TForm_I_Laminado window(context);
    open(&window);
    QLineEdit* picker = child<QLineEdit>(&window, "R_Perfil");
    type_in_picker(&window, "200 X");
    picker->completer()->popup()->hide();
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(text(&window, "R_Perfil"), "W 200 x 15,0");
    EXPECT_EQ(text(&window, "R_d"), "200");

    type_in_picker(&window, "HP 999");
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(dialogs.messages, QStringList{"Nenhum perfil do catálogo contém \"HP 999\"."});
    EXPECT_EQ(text(&window, "R_Perfil"), "W 200 x 15,0");
    // Text typed and left behind gives way to the row's designation (a click
    // elsewhere closes the list first).
    type_in_picker(&window, "W 1");
    picker->completer()->popup()->hide();
    child<QLineEdit>(&window, "Compri_y")->setFocus();
    EXPECT_EQ(text(&window, "R_Perfil"), "W 200 x 15,0");
    // The same after Enter on a text that names two sections (the list
    // opens again; Enter in the list closes it without a choice).
    type_in_picker(&window, "W 2");
    picker->completer()->popup()->hide();
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_TRUE(picker->completer()->popup()->isVisible());
    QTest::keyClick(picker->completer()->popup(), Qt::Key_Return);
    child<QLineEdit>(&window, "Compri_y")->setFocus();
    EXPECT_EQ(text(&window, "R_Perfil"), "W 200 x 15,0");
}

TEST_F(PanelGuard, TheWeldedPickerOffersTheSeriesShown) {
    shell::TI_Soldado window(context);
    open(&window);
    QLineEdit* picker = child<QLineEdit>(&window, "R_Perfil");
    type_in_picker(&window, "300");
    EXPECT_EQ(offered(picker), QStringList{"CS 300 x 62"});
    child<QComboBox>(&window, "Serie")->setCurrentText("CVS");
    type_in_picker(&window, "3");
    EXPECT_EQ(offered(picker), (QStringList{"CVS 300 x 47", "CVS 350 x 73"}));
}

}  // namespace
}  // namespace quintaro::testing
