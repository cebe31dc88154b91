#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/table.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "gui_testing.h"
#include "shell/application.h"
#include "shell/member_window.h"

namespace quintaro::testing {
namespace {

// "Mais Leve" pressed on the windows over the test tables, with the first
// steel (fy = 25, fu = 40 kN/cm²): a tension resistance is
// min(0,9·Ag·25; 0,75·Ag·40) = 22,5·Ag kN. Rolled I rows:
//
//   by D:     W 150 x 13,0 (Ag 16,6; 30 kgf/m)  W 200 x 15,0 (19,4; 15)  W 250 x 17,9 (23,1; 17,9)
//   by PESO:  W 200 x 15,0 -> 436,5 kN   W 250 x 17,9 -> 519,75 kN   W 150 x 13,0 -> 373,5 kN
class MaisLeveWindow : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    std::unique_ptr<shell::Windows> windows;

    // The window of that class as start-up makes it, with "Mais Leve"
    // connected; every window afresh for each test.
    shell::MemberWindow* make(const char* class_name) {
        if (!windows)
            windows = std::make_unique<shell::Windows>(folder.location());
        auto* w =
            qobject_cast<shell::MemberWindow*>(windows->find(QString::fromLatin1(class_name)));
        EXPECT_NE(w, nullptr) << class_name;
        return w;
    }
    static void set(QWidget* w, const char* box, const char* text) {
        child<QLineEdit>(w, box)->setText(QString::fromUtf8(text));
    }
    static QString text(QWidget* w, const char* box) { return child<QLineEdit>(w, box)->text(); }
    static void press(QWidget* w, const char* button) { child<QPushButton>(w, button)->click(); }
};

TEST_F(MaisLeveWindow, RolledTensionEndsOnTheLightestCoveringSection) {
    const struct {
        const char* Nd;
        const char* found;
        const char* result;
        const char* verdict;
        const char* utilisation;  // Nd/Rd, in the summary and beside the verdict
    } cases[] = {
        {"400", "W 200 x 15,0", "436,50", "Ok!", "0,92"},      // the lightest already passes
        {"500", "W 250 x 17,9", "519,75", "Ok!", "0,96"},      // the second by weight
        {"600", "W 150 x 13,0", "373,50", "Não Ok!", "1,61"},  // none: the heaviest stays
    };
    for (const auto& c : cases) {
        shell::MemberWindow* w = make("TForm_I_Laminado");
        set(w, "R_Nd", c.Nd);
        press(w, "BitBtn3");
        EXPECT_EQ(text(w, "R_Perfil"), QString::fromUtf8(c.found)) << c.Nd;
        EXPECT_EQ(text(w, "R_RdNd"), c.result) << c.Nd;
        EXPECT_EQ(text(w, "resposta1"), QString::fromUtf8(c.verdict)) << c.Nd;
        EXPECT_EQ(w->shown_table()->order_name(), "PESO") << c.Nd;
        EXPECT_EQ(child<QLabel>(w, "Aproveitamento_R_RdNd")->text(), c.utilisation) << c.Nd;
        EXPECT_TRUE(dialogs.reports.back().contains(
            QStringLiteral("Maior aproveitamento: %1 em Rd(Nd)\n").arg(c.utilisation)))
            << dialogs.reports.back().toStdString();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// After a search the navigator steps by weight; activating the window again
// brings back the order by D and keeps the section found.
TEST_F(MaisLeveWindow, ActivationRestoresTheDefaultOrderOnTheSectionFound) {
    shell::MemberWindow* w = make("TForm_I_Laminado");
    set(w, "R_Nd", "500");
    press(w, "BitBtn3");
    catalogue::Table& t = *w->shown_table();
    EXPECT_EQ(t.order_name(), "PESO");
    EXPECT_EQ(t.row_number(), 1);  // second by weight
    w->FormActivate();
    EXPECT_EQ(t.order_name(), "D");
    EXPECT_EQ(t.row_number(), 2);  // the deepest of the three
    EXPECT_EQ(text(w, "R_Perfil"), "W 250 x 17,9");
}

// A zero length refuses the lightest section: its message once, that section
// current. The rolled H window under tension stops on the flag as well.
TEST_F(MaisLeveWindow, InvalidLengthStopsOnTheLightestSectionWithOneMessage) {
    const struct {
        const char* window;
        const char* Nd;
        const char* Mdx;
        std::string_view message;
    } cases[] = {
        {"TForm_I_Laminado", "-100", "0", checks::kCompressionLengthMessage},
        {"TForm_H_Laminado", "100", "50", checks::kBendingLengthMessage},
        {"TForm_H_Laminado", "-100", "0", checks::kCompressionLengthMessage},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        shell::MemberWindow* w = make(c.window);
        set(w, "R_Nd", c.Nd);
        set(w, "R_Mdx", c.Mdx);
        press(w, "BitBtn3");
        EXPECT_EQ(text(w, "R_Perfil"), "W 200 x 15,0") << c.Nd;
        EXPECT_EQ(dialogs.messages,
                  QStringList{QString::fromUtf8(c.message.data(), qsizetype(c.message.size()))})
            << c.Nd;
        EXPECT_EQ(w->state().invalid_length, 1);
    }
}

// CVS 300 x 47: h = 281, Ag = (281·8 + 2·200·9,5)/100 = 60,48 cm², 1360,8 kN.
// CVS 350 x 73: h = 325, Ag = (325·9,5 + 2·250·12,5)/100 = 93,375 cm²,
// 0,9·93,375·25 = 2100,94 kN. Nd = 2000 is covered by the second only.
TEST_F(MaisLeveWindow, WeldedCvsIsLeftOrderedByDepthOnTheSectionFound) {
    shell::MemberWindow* w = make("TI_Soldado");
    child<QComboBox>(w, "Serie")->setCurrentText("CVS");
    set(w, "R_Nd", "2000");
    press(w, "BitBtn3");
    EXPECT_EQ(text(w, "R_Perfil"), "CVS 350 x 73");
    EXPECT_EQ(text(w, "R_RdNd"), "2100,94");
    EXPECT_EQ(w->table(1)->order_name(), "D");
    EXPECT_EQ(w->table(0)->order_name(), "D");  // the CS table untouched
    // Activation restores only the CS table; the CVS one keeps its order by D.
    w->FormActivate();
    EXPECT_EQ(w->table(1)->order_name(), "D");
    EXPECT_EQ(text(w, "R_Perfil"), "CVS 350 x 73");
}

TEST_F(MaisLeveWindow, NonNumericActionStopsBeforeTheTableIsTouched) {
    shell::MemberWindow* w = make("TForm_I_Laminado");
    set(w, "R_Vd", "abc");
    press(w, "BitBtn3");
    EXPECT_EQ(dialogs.messages, QStringList{"Vd: 'abc' não é um número válido"});
    EXPECT_EQ(w->shown_table()->order_name(), "D");
    EXPECT_EQ(text(w, "R_Perfil"), "W 150 x 13,0");
}

TEST_F(MaisLeveWindow, UnknownSeriesTextSaysSoAndClearsTheFlag) {
    shell::MemberWindow* w = make("TI_Soldado");
    w->state().invalid_length = 1;
    child<QComboBox>(w, "Serie")->setCurrentText("XS");
    set(w, "R_Nd", "10");
    press(w, "BitBtn3");
    EXPECT_EQ(w->state().invalid_length, 0);
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("A série \"XS\" não existe nesta janela: escolha uma "
                                         "destas: CS, CVS, VS.")});
    EXPECT_TRUE(dialogs.reports.isEmpty());
    EXPECT_EQ(w->table(0)->order_name(), "D");
    EXPECT_EQ(text(w, "R_RdNd"), "0,00");
}

// A small tension is covered by the lightest row of every window: the search
// checks it once and leaves it current, with the table in weight order.
TEST_F(MaisLeveWindow, EveryWindowSearchesItsOwnCatalogue) {
    const struct {
        const char* window;
        const char* force_box;
        const char* verdict;
        const char* lightest;
    } cases[] = {
        {"TForm_I_Laminado", "R_Nd", "resposta1", "W 200 x 15,0"},
        {"TForm_H_Laminado", "R_Nd", "resposta1", "W 200 x 15,0"},
        {"TForm_U_Laminado", "R_Nd", "resposta1", "U 152 x 12,2"},
        {"TI_Soldado", "R_Nd", "resposta1", "CS 250 x 52"},
        {"TL_Laminado", "R_Nd", "resposta1", "L 76 x 6,35"},
        {"TLT_Laminado", "R_Ntd", "Resposta2", "L 76 x 6,35"},
        {"TLU_Laminado", "R_Nd", "resposta1", "L 76 x 6,35"},
        {"TLX_Laminado", "R_Nd", "resposta1", "L 76 x 6,35"},
        {"TL2_Laminado", "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
        {"TL2T_Ma_Laminado", "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
        {"TL2T_Me_Laminado", "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
        {"TL2U_Ma_Laminado", "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
        {"TL2U_Me_Laminado", "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
    };
    for (const auto& c : cases) {
        shell::MemberWindow* w = make(c.window);
        SCOPED_TRACE(c.window);
        // Start away from the lightest row where the table has more than one.
        w->shown_table()->last();
        set(w, c.force_box, "1");
        press(w, "BitBtn3");
        EXPECT_EQ(text(w, "R_Perfil"), QString::fromUtf8(c.lightest));
        EXPECT_EQ(text(w, c.verdict), "Ok!");
        EXPECT_EQ(w->shown_table()->order_name(), "PESO");
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Pair of L 76 x 6,35: Ag = 2·9,29 = 18,58 cm², tension 22,5·18,58 = 418,05 kN.
TEST_F(MaisLeveWindow, TeeOfTwoAnglesWithTwoForces) {
    {
        // No force: weight order, the lightest row, nothing computed; the
        // user is told why.
        shell::MemberWindow* w = make("TLT_Laminado");
        w->shown_table()->last();
        press(w, "BitBtn3");
        EXPECT_EQ(text(w, "R_Perfil"), "L 76 x 6,35");
        EXPECT_EQ(text(w, "R_RdNd"), "0,00");
        EXPECT_EQ(text(w, "R_RdNt"), "0,00");
        EXPECT_EQ(w->shown_table()->order_name(), "PESO");
        EXPECT_EQ(dialogs.messages.size(), 1);
        dialogs.messages.clear();
    }
    {
        // Only Ntd: the compression term never holds the search back.
        shell::MemberWindow* w = make("TLT_Laminado");
        set(w, "R_Ntd", "300");
        press(w, "BitBtn3");
        EXPECT_EQ(text(w, "R_Perfil"), "L 76 x 6,35");
        EXPECT_EQ(text(w, "R_RdNt"), "418,05");
        EXPECT_EQ(text(w, "Resposta2"), "Ok!");
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Twenty slender sections lighter than one that carries the force: each
// warns of its slenderness, yet the user sees one summary at the end and no
// message on the way. Compression Nd = -50 kN, Lflx = Lfly = Lb = 300 cm:
//   slender rows: Ag 16,6 cm², Iy 1 cm⁴, ry = √(1/16,6) = 0,245 cm,
//     λy = 300/0,245 = 1224 > 200; the Euler force Ag·π²E/λ² =
//     16,6·π²·20500/1224² = 2,2 kN already bounds Rd far below 50 kN;
//   W 200 x 15,0: Ag 19,4, Iy 87, ry = 2,118 cm, λy = 141,7 (no warning),
//     λ̄ = (141,7/π)·√(25/20500) = 1,58, ρ ≈ 0,3, Q ≈ 0,97:
//     Rd ≈ 0,9·0,3·0,97·19,4·25 ≈ 127 kN > 50 kN.
TEST_F(MaisLeveWindow, ManySlenderSectionsGiveOneSummaryAndNoMessageOnTheWay) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 20; ++i) {
        rows.push_back({"E 100 x " + std::to_string(i), "100", "50", "4", "5", "16.6",
                        std::to_string(10 + i), "300", "1", "60", "0.4", "70", "0.6", "1"});
    }
    rows.push_back({"W 200 x 15,0", "200", "100", "4.3", "5.2", "19.4", "40", "1305", "87", "130.5",
                    "17.4", "147.9", "27.3", "2.05"});
    write_dbf(folder.path() + "/I_Laminado.DBF", rolled_i_columns(), rows);
    shell::MemberWindow* w = make("TForm_I_Laminado");
    set(w, "R_Nd", "-50");
    for (const char* length : {"Compri_x", "Compri_y", "Compri_z"}) {
        set(w, length, "300");
    }
    press(w, "BitBtn3");
    EXPECT_EQ(text(w, "R_Perfil"), "W 200 x 15,0");
    EXPECT_EQ(text(w, "resposta1"), "Ok!");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    ASSERT_EQ(dialogs.reports.size(), 1);
    const QString summary = dialogs.reports.front();
    for (const char* line :
         {"Mais Leve|Perfil encontrado: W 200 x 15,0 (40 kgf/m)\n",
          "Perfis mais leves rejeitados: 20\n", "    Rd(Nd): 20\n",
          "    20 × Esbeltez deve ser < 200 / (Item 5.3.5 NBR8800/88) / Recomenda-se adotar "
          "outra seção!\n",
          "O mais pesado dos rejeitados: E 100 x 20 (30 kgf/m), que não atende em Rd(Nd)."}) {
        EXPECT_TRUE(summary.contains(QString::fromUtf8(line))) << line << "\n"
                                                               << summary.toStdString();
    }
}

}  // namespace
}  // namespace quintaro::testing
