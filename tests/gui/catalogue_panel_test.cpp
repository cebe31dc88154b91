#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "gui_testing.h"
#include "shell/escolhe_aco.h"
#include "shell/member_windows.h"
#include "shell/table_binding.h"

namespace quintaro::testing {
namespace {

using catalogue::EditState;

class Panel : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::TEscolhe_Aco steel{folder.location()};
    shell::WindowContext context{folder.location(), &steel};

    static QString box(QWidget* w, const char* name) { return child<QLineEdit>(w, name)->text(); }
    static void type(QWidget* w, const char* name, const QString& text) {
        QLineEdit* edit = child<QLineEdit>(w, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void press(QWidget* w, const char* button) {
        QToolButton* b = child<QToolButton>(w, button);
        ASSERT_TRUE(b->isEnabled()) << button;
        b->click();
    }
    static void activate(QWidget* w) {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
};

TEST_F(Panel, NavigatorButtonsCarryTheirHintsInOrder) {
    shell::TForm_I_Laminado window(context);
    const char* hints[] = {"Primeiro registro",
                           "Registro anterior",
                           "Próximo registro",
                           "Último registro",
                           "Inserir",
                           "Apagar",
                           "Editar",
                           "Guardar",
                           "Cancelar",
                           "Recuperar"};
    auto* navigator = child<QWidget>(&window, "DBNavigator1");
    const auto buttons =
        navigator->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(buttons.size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(buttons[i]->toolTip().toStdString(), hints[i]);
    }
}

TEST_F(Panel, NavigatorMovesThroughTheDefaultOrder) {
    shell::TForm_I_Laminado window(context);
    // By the default tag D the rows run W 150, W 200, W 250.
    EXPECT_EQ(box(&window, "R_Perfil"), "W 150 x 13,0");
    EXPECT_EQ(box(&window, "R_d"), "148");
    press(&window, "Next");
    EXPECT_EQ(box(&window, "R_Perfil"), "W 200 x 15,0");
    EXPECT_EQ(box(&window, "R_tw"), "4,3");
    press(&window, "Last");
    EXPECT_EQ(box(&window, "R_Perfil"), "W 250 x 17,9");
    EXPECT_FALSE(child<QToolButton>(&window, "Next")->isEnabled());
    press(&window, "Prior");
    EXPECT_EQ(box(&window, "R_Perfil"), "W 200 x 15,0");
    press(&window, "First");
    EXPECT_EQ(box(&window, "R_Perfil"), "W 150 x 13,0");
    EXPECT_FALSE(child<QToolButton>(&window, "Prior")->isEnabled());
}

TEST_F(Panel, DeleteAsksFirstAndCancelKeepsTheRow) {
    shell::TForm_I_Laminado window(context);
    press(&window, "Next");
    dialogs.confirm_answer = false;
    press(&window, "Delete");
    EXPECT_EQ(dialogs.questions, QStringList{"Delete record?"});
    EXPECT_EQ(rows_in_file(folder.path(), "I_Laminado.DBF"), 3);
    EXPECT_EQ(box(&window, "R_Perfil"), "W 200 x 15,0");
}

TEST_F(Panel, DeleteConfirmedRemovesTheRowFromTheFile) {
    shell::TForm_I_Laminado window(context);
    press(&window, "Next");
    dialogs.confirm_answer = true;
    press(&window, "Delete");
    EXPECT_EQ(dialogs.questions, QStringList{"Delete record?"});
    EXPECT_EQ(rows_in_file(folder.path(), "I_Laminado.DBF"), 2);
    EXPECT_NE(box(&window, "R_Perfil"), "W 200 x 15,0");
}

TEST_F(Panel, EditOpensTheRowAndMovingPostsIt) {
    shell::TForm_I_Laminado window(context);
    press(&window, "Edit");
    type(&window, "R_tw", "4,5");
    EXPECT_EQ(window.shown_table()->state(), EditState::Edit);
    EXPECT_EQ(field_in_file(folder.path(), "I_Laminado.DBF", 0, "TW"), "4,3");
    press(&window, "Next");
    EXPECT_EQ(window.shown_table()->state(), EditState::Browse);
    EXPECT_EQ(field_in_file(folder.path(), "I_Laminado.DBF", 0, "TW"), "4,5");
    EXPECT_EQ(box(&window, "R_Perfil"), "W 200 x 15,0");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

TEST_F(Panel, GuardarPostsAndCancelarRestores) {
    shell::TForm_I_Laminado window(context);
    press(&window, "Edit");
    type(&window, "R_Peso", "31,5");
    press(&window, "Post");
    EXPECT_EQ(field_in_file(folder.path(), "I_Laminado.DBF", 0, "PESO"), "31,5");
    press(&window, "Edit");
    type(&window, "R_Peso", "99");
    press(&window, "Cancel");
    EXPECT_EQ(box(&window, "R_Peso"), "31,5");
    EXPECT_EQ(window.shown_table()->state(), EditState::Browse);
    EXPECT_EQ(field_in_file(folder.path(), "I_Laminado.DBF", 0, "PESO"), "31,5");
}

TEST_F(Panel, AFailedPostShowsTheReasonAndKeepsWhatWasTyped) {
    shell::TForm_I_Laminado window(context);
    press(&window, "Edit");
    type(&window, "R_d", "abc");
    type(&window, "R_bf", "120");
    press(&window, "Post");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("d: 'abc' não é um número válido")});
    EXPECT_EQ(box(&window, "R_d"), "abc");
    EXPECT_EQ(box(&window, "R_bf"), "120");
    EXPECT_NE(window.shown_table()->state(), EditState::Browse);
    // Moving away is refused too, and the row stays.
    dialogs.messages.clear();
    child<QToolButton>(&window, "Next")->click();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(box(&window, "R_Perfil"), "W 150 x 13,0");
    EXPECT_EQ(field_in_file(folder.path(), "I_Laminado.DBF", 0, "D"), "148");
}

TEST_F(Panel, InsertPostsANewRow) {
    shell::TForm_I_Laminado window(context);
    press(&window, "Insert");
    EXPECT_EQ(box(&window, "R_Perfil"), "");
    type(&window, "R_Perfil", "W 310 x 21,0");
    type(&window, "R_d", "303");
    press(&window, "Post");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(rows_in_file(folder.path(), "I_Laminado.DBF"), 4);
    EXPECT_EQ(box(&window, "R_Perfil"), "W 310 x 21,0");
}

TEST_F(Panel, ActivationRestoresTheDefaultOrderAndKeepsTheRow) {
    shell::TForm_I_Laminado window(context);
    press(&window, "Next");  // W 200
    catalogue::Table* table = window.shown_table();
    ASSERT_TRUE(table->set_index_tag("PESO"));
    // By weight: W 200 (15), W 250 (17,9), W 150 (30).
    activate(&window);
    EXPECT_EQ(table->order_name(), "D");
    EXPECT_EQ(box(&window, "R_Perfil"), "W 200 x 15,0");
    press(&window, "Next");
    EXPECT_EQ(box(&window, "R_Perfil"), "W 250 x 17,9");
}

TEST_F(Panel, AMessageClosingDuringTheSearchDoesNotRestoreTheOrder) {
    shell::TForm_I_Laminado window(context);
    activate(&window);
    const auto reactivated = [&window] {
        QEvent change(QEvent::ActivationChange);
        QApplication::sendEvent(&window, &change);
    };
    window.set_search_action([&](shell::MemberWindow& w) {
        ASSERT_TRUE(w.shown_table()->set_index_tag("PESO"));
        reactivated();  // as when a warning shown during the walk is closed
    });
    child<QPushButton>(&window, "BitBtn3")->click();
    EXPECT_EQ(window.shown_table()->order_name(), "PESO");
    // The user coming back to the window afterwards restores it.
    reactivated();
    EXPECT_EQ(window.shown_table()->order_name(), "D");
}

TEST_F(Panel, AngleWindowsRestoreTheirOwnDefaultTag) {
    const std::pair<std::function<shell::MemberWindow*()>, const char*> cases[] = {
        {[&] { return new shell::TL_Laminado(context); }, "BF"},
        {[&] { return new shell::TL2_Laminado(context); }, "BW"},
        {[&] { return new shell::TL2T_Ma_Laminado(context); }, "BF"},
        {[&] { return new shell::TL2U_Me_Laminado(context); }, "BW"},
    };
    for (const auto& [make, tag] : cases) {
        std::unique_ptr<shell::MemberWindow> window(make());
        ASSERT_TRUE(window->shown_table()->set_index_tag("PESO"));
        activate(window.get());
        EXPECT_EQ(window->shown_table()->order_name(), tag) << window->objectName().toStdString();
    }
}

TEST_F(Panel, WeldedActivationRestoresOnlyTheCsTable) {
    shell::TI_Soldado window(context);
    ASSERT_TRUE(window.table(0)->set_index_tag("PESO"));
    ASSERT_TRUE(window.table(1)->set_index_tag("PESO"));
    child<QComboBox>(&window, "Serie")->setCurrentText("CVS");
    activate(&window);
    EXPECT_EQ(window.table(0)->order_name(), "D");
    EXPECT_EQ(window.table(1)->order_name(), "PESO");
}

TEST_F(Panel, SeriesSwitchesTablesAndEachKeepsItsRow) {
    shell::TI_Soldado window(context);
    auto* series = child<QComboBox>(&window, "Serie");
    EXPECT_EQ(series->currentText(), "CS");
    press(&window, "Next");
    EXPECT_EQ(box(&window, "R_Perfil"), "CS 300 x 62");
    series->setCurrentText("CVS");
    EXPECT_EQ(box(&window, "R_Perfil"), "CVS 300 x 47");
    press(&window, "Next");
    EXPECT_EQ(box(&window, "R_Perfil"), "CVS 350 x 73");
    series->setCurrentText("VS");
    EXPECT_EQ(box(&window, "R_Perfil"), "VS 400 x 49");
    series->setCurrentText("CS");
    EXPECT_EQ(box(&window, "R_Perfil"), "CS 300 x 62");
    series->setCurrentText("CVS");
    EXPECT_EQ(box(&window, "R_d"), "350");
}

TEST_F(Panel, AnUnknownSeriesTextLeavesTheShownTable) {
    shell::TI_Soldado window(context);
    auto* series = child<QComboBox>(&window, "Serie");
    series->setCurrentText("CVS");
    series->setEditText("XX");
    EXPECT_EQ(box(&window, "R_Perfil"), "CVS 300 x 47");
    EXPECT_EQ(window.shown_table(), window.table(1));
}

TEST_F(Panel, TurnedDoubleAngleShowsTheOtherAxisValues) {
    shell::TL2T_Ma_Laminado upright(context);
    shell::TL2T_Me_Laminado turned(context);
    for (int row = 0; row < 2; ++row) {
        // Both at the same row in the same BF order.
        EXPECT_EQ(box(&turned, "R_Perfil"), box(&upright, "R_Perfil"));
        EXPECT_EQ(box(&turned, "R_Ix"), box(&upright, "R_Iy"));
        EXPECT_EQ(box(&turned, "R_Iy"), box(&upright, "R_Ix"));
        EXPECT_EQ(box(&turned, "R_x"), box(&upright, "R_y"));
        EXPECT_EQ(box(&turned, "R_y"), box(&upright, "R_x"));
        for (const char* same : {"R_d", "R_bf", "R_tf", "R_Ag", "R_Peso", "R_rz"}) {
            EXPECT_EQ(box(&turned, same), box(&upright, same)) << same;
        }
        if (row == 0) {
            press(&upright, "Next");
            press(&turned, "Next");
        }
    }
    // The first row by BF: L 102 x 76 (IX 113, IY 54,9, X 1,87, Y 3,15).
    press(&turned, "First");
    EXPECT_EQ(box(&turned, "R_Ix"), "54,9");
    EXPECT_EQ(box(&turned, "R_x"), "3,15");
}

TEST_F(Panel, WindowsSharingAFileKeepTheirOwnRow) {
    shell::TL_Laminado single(context);
    shell::TLT_Laminado pair(context);
    press(&single, "Next");
    EXPECT_EQ(box(&single, "R_Perfil"), "L 76 x 6,35");
    EXPECT_EQ(box(&pair, "R_Perfil"), "L 50 x 6,35");
}

}  // namespace
}  // namespace quintaro::testing
