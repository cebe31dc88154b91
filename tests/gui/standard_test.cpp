#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
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

// An angle window under 2008. The first row by BF, L 50 x 6,35 (Ag 6,06 cm²,
// x = y = 1,5 cm), MR250, tension Nd = 137 kN, ℓc 10, An 5:
//   Ct = 1 − 1,5/10 = 0,85, 0,85·5·40/1,35 = 125,93 < 137.
// "Mais Leve" for Nd = 200 walks by weight: L 76 x 6,35 (Ag 9,29, x 2,11) first:
//   ℓc 10: Ct = 0,789, min(9,29·25/1,10 = 211,14, 0,789·9,29·40/1,35 = 217,17) passes;
//   no ℓc: Ct = 0,60: 0,6·9,29·40/1,35 = 165,16 fails, and so does L 50 x 6,35
//   (0,6·6,06·40/1,35 = 107,73), the last row;
//   1986: 0,9·9,29·25 = 209,025 passes.
TEST_F(StandardInForce, AngleWindowUnder2008) {
    auto* angle = qobject_cast<shell::MemberWindow*>(windows.find(QStringLiteral("TL_Laminado")));
    ASSERT_NE(angle, nullptr);
    const auto angle_text = [&](const char* box) { return child<QLineEdit>(angle, box)->text(); };
    const auto angle_type = [&](const char* box, const char* value) {
        child<QLineEdit>(angle, box)->setText(QString::fromUtf8(value));
    };
    const char* added[] = {"Compri_t", "R_lc", "R_An"};
    auto* loading = child<QComboBox>(angle, "Ligacao");
    for (const char* box : added) {
        EXPECT_TRUE(child<QLineEdit>(angle, box)->isHidden()) << box;
    }
    EXPECT_TRUE(loading->isHidden());

    choose("NBR88002");
    for (const char* box : added) {
        EXPECT_FALSE(child<QLineEdit>(angle, box)->isHidden()) << box;
        EXPECT_EQ(angle_text(box), "") << box;
    }
    EXPECT_FALSE(loading->isHidden());
    EXPECT_EQ(loading->currentText(), QStringLiteral("Uma aba ligada — treliça plana"));
    EXPECT_EQ(loading->count(), 3);

    angle_type("R_Nd", "137");
    angle_type("R_lc", "10");
    angle_type("R_An", "5");
    child<QPushButton>(angle, "BitBtn1")->click();
    EXPECT_EQ(angle_text("R_RdNd"), "125,93");
    EXPECT_EQ(angle_text("resposta1"), "Não Ok!");
    angle_type("R_An", "");
    angle_type("R_Nd", "200");
    const struct {
        const char* item;
        const char* lc;
        const char* found;
        const char* result;
        const char* verdict;
    } searches[] = {
        {"NBR88002", "10", "L 76 x 6,35", "211,14", "Ok!"},
        {"NBR88002", "", "L 50 x 6,35", "107,73", "Não Ok!"},
        {"NBR88001", "10", "L 76 x 6,35", nullptr, "Ok!"},
    };
    for (const auto& c : searches) {
        choose(c.item);
        angle_type("R_lc", c.lc);
        child<QPushButton>(angle, "BitBtn3")->click();
        EXPECT_EQ(angle_text("R_Perfil"), QString::fromUtf8(c.found)) << c.item << c.lc;
        if (c.result != nullptr) {
            EXPECT_EQ(angle_text("R_RdNd"), c.result) << c.item << c.lc;
        }
        EXPECT_EQ(angle_text("resposta1"), QString::fromUtf8(c.verdict)) << c.item << c.lc;
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
