#include <gtest/gtest.h>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

#include "catalogue/table.h"
#include "gui_testing.h"
#include "shell/application.h"
#include "shell/member_window.h"
#include "shell/session.h"

namespace quintaro::testing {
namespace {

// What the program remembers between runs, in a settings file of a temporary
// folder: one run sets things, a second run over the same tables finds them.
class Session : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    QTemporaryDir settings_dir;
    QString file = settings_dir.filePath(QStringLiteral("quintaro.ini"));

    static QWidget* in(const shell::Windows& w, const char* class_name) {
        return w.find(QString::fromLatin1(class_name));
    }
    static QString text(QWidget* w, const char* box) { return child<QLineEdit>(w, box)->text(); }
};

TEST_F(Session, SteelInputsSeriesAndRowsSurviveARestart) {
    {
        shell::Windows first(folder.location());
        child<QToolButton>(in(first, "TEscolhe_Aco"), "Next")->click();  // ASTM A572 Gr 50
        QWidget* rolled = in(first, "TForm_I_Laminado");
        child<QToolButton>(rolled, "Last")->click();  // W 250 x 17,9
        child<QLineEdit>(rolled, "Compri_x")->setText("350");
        child<QLineEdit>(rolled, "R_Mdx")->setText("-1200,5");
        QWidget* welded = in(first, "TI_Soldado");
        child<QToolButton>(welded, "Next")->click();  // CS 300 x 62
        child<QComboBox>(welded, "Serie")->setCurrentText("CVS");
        child<QToolButton>(welded, "Next")->click();  // CVS 350 x 73
        shell::save_session(first, file);
    }
    // Between the runs a section is added that comes before W 250 in the
    // order by D: the row is found again by its designation, not its place.
    {
        auto table = catalogue::Table::open("I_Laminado.DBF", folder.location());
        ASSERT_TRUE(table) << table.error();
        ASSERT_TRUE(table.value()->insert());
        ASSERT_TRUE(table.value()->set_text("BITOLA", "W 200 x 19,3"));
        ASSERT_TRUE(table.value()->set_text("D", "203"));
        ASSERT_TRUE(table.value()->post());
    }
    shell::Windows second(folder.location());
    shell::restore_session(second, file);
    EXPECT_EQ(text(in(second, "TEscolhe_Aco"), "tipo_aco"), "ASTM A572 Gr 50");
    QWidget* rolled = in(second, "TForm_I_Laminado");
    EXPECT_EQ(text(rolled, "R_Perfil"), "W 250 x 17,9");
    EXPECT_EQ(text(rolled, "Compri_x"), "350");
    EXPECT_EQ(text(rolled, "R_Mdx"), "-1200,5");
    EXPECT_EQ(text(rolled, "R_Nd"), "0,00");
    QWidget* welded = in(second, "TI_Soldado");
    EXPECT_EQ(child<QComboBox>(welded, "Serie")->currentText(), "CVS");
    EXPECT_EQ(text(welded, "R_Perfil"), "CVS 350 x 73");
    child<QComboBox>(welded, "Serie")->setCurrentText("CS");
    EXPECT_EQ(text(welded, "R_Perfil"), "CS 300 x 62");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

// A section no longer in the catalogue, a series that does not exist and a
// file that is not a settings file leave the windows as they open.
TEST_F(Session, WhatCannotBeFoundAgainLeavesTheWindowAsItOpens) {
    const struct {
        const char* name;
        QByteArray contents;
    } cases[] = {
        {"gone",
         "[TForm_I_Laminado]\nperfil=W 999 x 1\n[TI_Soldado]\nserie=XS\n"
         "[TEscolhe_Aco]\ntipo=AR 999\n"},
        {"garbage", QByteArray("\x00\xff[[[=\n", 7)},
    };
    for (const auto& c : cases) {
        QFile settings(file);
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(c.contents);
        settings.close();
        shell::Windows windows(folder.location());
        shell::restore_session(windows, file);
        EXPECT_EQ(text(in(windows, "TForm_I_Laminado"), "R_Perfil"), "W 150 x 13,0") << c.name;
        EXPECT_EQ(child<QComboBox>(in(windows, "TI_Soldado"), "Serie")->currentText(), "CS")
            << c.name;
        EXPECT_EQ(text(in(windows, "TEscolhe_Aco"), "tipo_aco"), "ASTM A36") << c.name;
        EXPECT_TRUE(dialogs.messages.isEmpty()) << c.name;
    }
}

}  // namespace
}  // namespace quintaro::testing
