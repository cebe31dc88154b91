#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "gui_testing.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/member_window.h"
#include "shell/session.h"

namespace quintaro::testing {
namespace {

// The standard chosen in the "Norma" menu, as the windows of the program
// follow it. Test rows (steel ASTM A36, fy = 25, fu = 40 kN/cm²), by weight:
// W 200 x 15,0 (Ag 19,4 cm²), W 250 x 17,9 (Ag 23,1), W 150 x 13,0 (Ag 16,6).
class StandardInForce : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::Windows windows{folder.location()};
    shell::TForm1& main = windows.main_window();
    shell::MemberWindow* rolled =
        qobject_cast<shell::MemberWindow*>(windows.find(QStringLiteral("TForm_I_Laminado")));

    void choose(const char* item) { child<QAction>(&main, item)->trigger(); }
    QString text(const char* box) { return child<QLineEdit>(rolled, box)->text(); }
    void type(const char* box, const char* value) {
        child<QLineEdit>(rolled, box)->setText(QString::fromUtf8(value));
    }
    void press(const char* button) { child<QPushButton>(rolled, button)->click(); }
};

// Tension on W 150 x 13,0 (the first row by depth), Nd = 100 kN:
// 1986: 0,9·16,6·25 = 373,50; 2008: min(16,6·25/1,10, 16,6·40/1,35) = 377,27;
// with An = 12 cm² and Ct = 0,90: 0,9·12·40/1,35 = 320,00.
TEST_F(StandardInForce, ChangingItClearsResultsAndShowsItsOwnInputs) {
    const char* added[] = {"Compri_t", "R_Ct", "R_An", "R_Cb"};
    type("R_Nd", "100");
    press("BitBtn1");
    EXPECT_EQ(text("R_RdNd"), "373,50");
    for (const char* box : added) {
        EXPECT_TRUE(child<QLineEdit>(rolled, box)->isHidden()) << box;
    }
    EXPECT_TRUE(child<QCheckBox>(rolled, "SegundaOrdem")->isHidden());

    choose("NBR88002");
    EXPECT_EQ(text("R_RdNd"), "0,00");
    EXPECT_EQ(text("resposta1"), "");
    EXPECT_EQ(child<QLabel>(rolled, "Label_Norma")->text(), "Norma: NBR 8800:2008");
    for (const char* box : added) {
        EXPECT_FALSE(child<QLineEdit>(rolled, box)->isHidden()) << box;
    }
    EXPECT_EQ(text("R_Ct"), "1,00");
    EXPECT_EQ(text("R_An"), "");
    QWidget* steel = windows.find(QStringLiteral("TEscolhe_Aco"));
    EXPECT_EQ(child<QLineEdit>(steel, "E_aco")->text(), "20000");
    EXPECT_EQ(child<QLineEdit>(steel, "G_aco")->text(), "7700");

    press("BitBtn1");
    EXPECT_EQ(text("R_RdNd"), "377,27");
    EXPECT_EQ(text("resposta1"), "Ok!");
    type("R_An", "12");
    type("R_Ct", "0,90");
    press("BitBtn1");
    EXPECT_EQ(text("R_RdNd"), "320,00");

    choose("NBR88001");
    EXPECT_EQ(text("R_RdNd"), "0,00");
    EXPECT_TRUE(child<QLineEdit>(rolled, "R_Cb")->isHidden());
    EXPECT_EQ(child<QLineEdit>(steel, "E_aco")->text(), "20500");
    EXPECT_EQ(child<QLineEdit>(steel, "G_aco")->text(), "7892,5");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

// Cb typed out of range under 2008: a message names the box, bending is not
// checked, the shear is.
TEST_F(StandardInForce, CbOutOfRangeNamesTheBox) {
    choose("NBR88002");
    type("Compri_z", "100");
    type("R_Mdx", "500");
    type("R_Vd", "10");
    type("R_Cb", "3,5");
    press("BitBtn1");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Cb: '3,5' não é válido")))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(text("R_RdMdx"), "0,00");
    EXPECT_EQ(text("resposta3"), "");
    EXPECT_EQ(text("resposta2"), "Ok!");
}

// "Relatório" under 2008 says the report is not available and writes none.
TEST_F(StandardInForce, NoReportUnder2008) {
    choose("NBR88002");
    type("R_Nd", "100");
    press("BitBtn2");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("ainda não está disponível")));
    EXPECT_EQ(text("R_RdNd"), "0,00");
}

// "Mais Leve" under 2008 judges with its resistances: Nd = 438 kN passes
// W 200 x 15,0 under 2008 (19,4·25/1,10 = 440,91) but not under 1986
// (0,9·19,4·25 = 436,50), which goes on to W 250 x 17,9.
TEST_F(StandardInForce, MaisLeveUsesTheStandardInForce) {
    const struct {
        const char* item;
        const char* found;
        const char* result;
    } cases[] = {
        {"NBR88002", "W 200 x 15,0", "440,91"},
        {"NBR88001", "W 250 x 17,9", "519,75"},
    };
    for (const auto& c : cases) {
        choose(c.item);
        type("R_Nd", "438");
        press("BitBtn3");
        EXPECT_EQ(text("R_Perfil"), c.found) << c.item;
        EXPECT_EQ(text("R_RdNd"), c.result) << c.item;
        EXPECT_EQ(text("resposta1"), "Ok!") << c.item;
    }
}

// The standard in force is remembered from one run to the next; a value no
// standard has leaves the default.
TEST(StandardSession, IsRememberedBetweenRuns) {
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    QTemporaryDir settings_dir;
    const QString file = settings_dir.filePath(QStringLiteral("quintaro.ini"));
    {
        shell::Windows first(folder.location());
        child<QAction>(&first.main_window(), "NBR88002")->trigger();
        shell::save_session(first, file);
    }
    shell::Windows second(folder.location());
    shell::restore_session(second, file);
    EXPECT_EQ(second.main_window().standard(), checks::Standard::Nbr2008);
    EXPECT_TRUE(child<QAction>(&second.main_window(), "NBR88002")->isChecked());
    auto* welded = qobject_cast<shell::MemberWindow*>(second.find(QStringLiteral("TI_Soldado")));
    EXPECT_EQ(welded->standard(), checks::Standard::Nbr2008);
    EXPECT_FALSE(child<QLineEdit>(welded, "R_Cb")->isHidden());

    QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("Norma/norma"), "2005");
    shell::Windows third(folder.location());
    shell::restore_session(third, file);
    EXPECT_EQ(third.main_window().standard(), checks::Standard::Nbr1986);
}

}  // namespace
}  // namespace quintaro::testing
