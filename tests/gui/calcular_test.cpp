#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "checks/frame.h"
#include "checks/windows.h"
#include "gui_testing.h"
#include "shell/escolhe_aco.h"
#include "shell/member_windows.h"

namespace quintaro::testing {
namespace {

using checks::WindowKind;

// "Calcular" pressed on a window: the frame and the family's check run over
// the window's own boxes. The first rolled I row of the test tables is
// W 150 x 13,0 with Ag = 16,6 cm²; the first steel is fy = 25, fu = 40 kN/cm².
class Calcular : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::TEscolhe_Aco steel{folder.location()};
    shell::WindowContext context{folder.location(), &steel};
    shell::TForm_I_Laminado rolled{context};

    static void set(QWidget* w, const char* box, const char* text) {
        child<QLineEdit>(w, box)->setText(QString::fromUtf8(text));
    }
    static QString text(QWidget* w, const char* box) { return child<QLineEdit>(w, box)->text(); }
    static QColor colour(QWidget* w, const char* box) {
        return child<QLineEdit>(w, box)->palette().color(QPalette::Text);
    }
    static void press(QWidget* w, const char* button) { child<QPushButton>(w, button)->click(); }
};

struct TensionCase {
    const char* name;
    const char* Nd;
    const char* verdict;
    QColor colour;
};

// Tension: Rd1 = 0,9·Ag·fy = 0,9·16,6·25 = 373,5 kN; Rd2 = 0,75·Ag·fu =
// 0,75·16,6·40 = 498 kN; Rd = 373,5 kN.
const TensionCase kTension[] = {
    {"action equal to the resistance passes", "373,5", "Ok!", QColor(0, 128, 0)},
    {"action just above fails", "373,51", "Não Ok!", QColor(255, 0, 0)},
    {"small action passes", "10", "Ok!", QColor(0, 128, 0)},
};

TEST_F(Calcular, TensionVerdictTextsAndColours) {
    for (const TensionCase& c : kTension) {
        set(&rolled, "R_Nd", c.Nd);
        press(&rolled, "BitBtn1");
        EXPECT_EQ(text(&rolled, "R_RdNd"), "373,50") << c.name;
        EXPECT_EQ(text(&rolled, "resposta1"), c.verdict) << c.name;
        EXPECT_EQ(colour(&rolled, "resposta1"), c.colour) << c.name;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Calcular, ATypedUnpostedValueIsWhatTheCheckUses) {
    // Ag typed as 20 and not posted: Rd1 = 0,9·20·25 = 450 kN (Rd2 = 600).
    child<QToolButton>(&rolled, "Edit")->click();
    QLineEdit* area = child<QLineEdit>(&rolled, "R_Ag");
    area->selectAll();
    QTest::keyClicks(area, "20");
    set(&rolled, "R_Nd", "100");
    press(&rolled, "BitBtn1");
    EXPECT_EQ(text(&rolled, "R_RdNd"), "450,00");
    EXPECT_EQ(field_in_file(folder.path(), "I_Laminado.DBF", 0, "S"), "16,6");
}

TEST_F(Calcular, ANegativeFyInTheSteelWindowIsRefusedNamingTheBox) {
    // Second grade: FY stored as -34,5. No steel has a negative yield
    // strength: the check stops before any result, as for a text that is not
    // a number, instead of taking 34,5. E typed in its box changes nothing.
    child<QToolButton>(&steel, "Next")->click();
    set(&steel, "E_aco", "1");
    set(&rolled, "R_Nd", "100");
    EXPECT_FALSE(rolled.calculate());
    EXPECT_EQ(dialogs.messages,
              QStringList{"fy: '-34,5' não é válido — fy e fu devem ser maiores que zero."});
    EXPECT_EQ(text(&rolled, "R_RdNd"), "0,00");
    EXPECT_EQ(text(&rolled, "resposta1"), "");
}

TEST_F(Calcular, TheWeldedCheckReadsTheSeriesShownLast) {
    // CVS 300 x 47: d = 300, bf = 200, tw = 8, tf = 9,5 mm; h = 300 - 2·9,5 =
    // 281 mm; Ag = (281·8 + 2·200·9,5)/100 = 60,48 cm². Tension: Rd1 =
    // 0,9·60,48·25 = 1360,8 kN; Rd2 = 0,75·60,48·40 = 1814,4 kN.
    shell::TI_Soldado welded(context);
    child<QComboBox>(&welded, "Serie")->setCurrentText("CVS");
    set(&welded, "R_Nd", "100");
    press(&welded, "BitBtn1");
    EXPECT_EQ(text(&welded, "R_RdNd"), "1360,80");
    EXPECT_EQ(text(&welded, "resposta1"), "Ok!");
}

TEST_F(Calcular, AConversionErrorStopsTheCheckWithTheExactMessage) {
    set(&rolled, "R_RdNd", "999,00");
    set(&rolled, "resposta1", "Ok!");
    set(&rolled, "R_Nd", "100");
    set(&rolled, "R_Vd", "1.5");
    EXPECT_FALSE(rolled.calculate());
    EXPECT_EQ(dialogs.messages, QStringList{"Vd: '1.5' não é um número válido"});
    // The display was reset before the boxes were read; nothing was computed.
    EXPECT_EQ(text(&rolled, "R_RdNd"), "0,00");
    EXPECT_EQ(text(&rolled, "resposta1"), "");
}

struct LengthCase {
    const char* name;
    const char* Nd;
    const char* Mdx;
    const char* Lflx;
    const char* Lb;
    std::string_view message;
};

const LengthCase kLengthRules[] = {
    {"compression with Lflx = 0", "-100", "0", "0", "300", checks::kCompressionLengthMessage},
    {"bending with Lb = 0", "0", "50", "300", "0", checks::kBendingLengthMessage},
};

TEST_F(Calcular, LengthRulesShowTheirMessageAndRaiseTheFlag) {
    for (const LengthCase& c : kLengthRules) {
        shell::TForm_H_Laminado window(context);
        set(&window, "R_Nd", c.Nd);
        set(&window, "R_Mdx", c.Mdx);
        set(&window, "Compri_x", c.Lflx);
        set(&window, "Compri_y", "300");
        set(&window, "Compri_z", c.Lb);
        dialogs.messages.clear();
        EXPECT_EQ(window.state().invalid_length, 0) << c.name;
        press(&window, "BitBtn1");
        ASSERT_EQ(dialogs.messages.size(), 1) << c.name;
        EXPECT_EQ(dialogs.messages.front().toStdString(), c.message) << c.name;
        EXPECT_EQ(window.state().invalid_length, 1) << c.name;
        EXPECT_EQ(text(&window, "R_RdNd"), "0,00") << c.name;
        EXPECT_EQ(text(&window, "R_RdMdx"), "0,00") << c.name;
        EXPECT_EQ(text(&window, "R_Rd_MdNd"), "0,00") << c.name;
    }
}

TEST_F(Calcular, AngleWindowRefusesCompressionWithoutALength) {
    shell::TL_Laminado angle(context);
    set(&angle, "R_Nd", "-10");
    set(&angle, "Compri_x", "0");
    set(&angle, "Compri_y", "100");
    press(&angle, "BitBtn1");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.front(),
              "Não é possível dimensionar o\n      perfil a compressão!\n"
              "Comprimento(os) inválido(os)!");
    EXPECT_EQ(angle.state().invalid_length, 1);
    EXPECT_EQ(text(&angle, "R_RdNd"), "0,00");
}

TEST_F(Calcular, TheCrossOfTwoAnglesCalculatesWithItsOwnButton) {
    // Tension of the pair L 50 x 6,35 (Ag1 = 6,06 cm²): Ag = 12,12 cm²;
    // Rd1 = 0,9·12,12·25 = 272,7; Rd2 = 0,75·12,12·40 = 363,6; Rd = 272,7 kN.
    // Spacing under tension: 240·rz = 240·0,99 = 237,6 cm.
    shell::TLX_Laminado cross(context);
    set(&cross, "R_Nd", "100");
    press(&cross, "BitBtn4");
    EXPECT_EQ(text(&cross, "R_RdNd"), "272,70");
    EXPECT_EQ(text(&cross, "resposta1"), "Ok!");
    EXPECT_EQ(text(&cross, "R_espa"), "237,60");
}

// The screen and the checks describe the same windows: every box the check
// reads exists on the screen, and the panel shows exactly the check's fields.
TEST(WindowsAgree, EveryBoxTheCheckReadsOrWritesIsOnTheScreen) {
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::TEscolhe_Aco steel(folder.location());
    for (std::size_t k = 0; k < checks::kWindowCount; ++k) {
        const shell::MemberDescriptor& shown = shell::member_descriptor(WindowKind(k));
        const checks::WindowDescriptor& checked = checks::descriptor(shown.kind);
        shell::MemberWindow window(shown, {folder.location(), &steel});
        std::vector<std::string> boxes = {"R_Perfil"};
        for (const auto& b : shown.dimensions) {
            boxes.emplace_back(b.box);
        }
        std::vector<std::string> panel;
        for (const auto& p : checked.panel) {
            panel.emplace_back(p.box);
        }
        std::sort(boxes.begin(), boxes.end());
        std::sort(panel.begin(), panel.end());
        EXPECT_EQ(boxes, panel) << checked.class_name;
        for (std::string_view input : checked.inputs) {
            EXPECT_TRUE(window.boxes().has(input)) << checked.class_name << " " << input;
        }
        for (const checks::ResultRow& row : checked.results) {
            EXPECT_TRUE(window.boxes().has(row.box)) << checked.class_name << " " << row.box;
            if (!row.verdict.empty()) {
                EXPECT_TRUE(window.boxes().has(row.verdict))
                    << checked.class_name << " " << row.verdict;
            }
        }
        EXPECT_NE(window.findChild<QPushButton*>(QString::fromLatin1(shown.calculate_button)),
                  nullptr)
            << checked.class_name;
    }
}

// Beside each verdict its utilisation |Sd|/|Rd|, the governing row bold and
// marked. W 150 x 13,0 (d = 148, tw = 4,3, tf = 4,9 mm, Ag = 16,6 cm²,
// Zx = 96,4 cm³), MR250, lengths 100 cm, Nd = +100 kN, Mdx = 1000 kN·cm:
//   Rd(Nd)  = 0,9·16,6·25 = 373,5 (fracture 0,75·16,6·40 = 498): 100/373,5 = 0,268;
//   Rd(Vd)  = 0,9·0,55·(14,8·0,43)·25 = 78,754 (h/tw = 32 far below λp);
//   Rd(Mdx) = 0,9·96,4·25 = 2169 (bf/2tf = 10,2 < 10,9; Lb/ry = 45 < 50,1;
//             h/tw = 32 < 1,47·√(E/fy) = 42,1): 1000/2169 = 0,461;
//   combined (tension) 0,268 + 0,461 = 0,729; Mdy = 0: no row.
TEST_F(Calcular, UtilisationBesideEachVerdictTheLargestGoverns) {
    const char* rows[] = {"R_RdNd", "R_RdVd", "R_RdMdx", "R_RdMdy", "R_Rd_MdNd"};
    const struct {
        const char* Vd;
        const char* ratios[5];
        const char* governs;
    } cases[] = {
        // 60/78,754 = 0,762 > 0,729: shear governs.
        {"60", {"0,27", "0,76", "0,46", "", "0,73"}, "R_RdVd"},
        // 50/78,754 = 0,635 < 0,729: the combined row governs.
        {"50", {"0,27", "0,63", "0,46", "", "0,73"}, "R_Rd_MdNd"},
        // A check that stops (Vd is no number) has no ratio and no mark.
        {"abc", {"", "", "", "", ""}, ""},
    };
    for (const char* length : {"Compri_x", "Compri_y", "Compri_z"}) {
        set(&rolled, length, "100");
    }
    set(&rolled, "R_Nd", "100");
    set(&rolled, "R_Mdx", "1000");
    for (const auto& c : cases) {
        set(&rolled, "R_Vd", c.Vd);
        press(&rolled, "BitBtn1");
        for (int i = 0; i < 5; ++i) {
            const std::string box = rows[i];
            auto* ratio = child<QLabel>(&rolled, ("Aproveitamento_" + box).c_str());
            auto* mark = child<QLabel>(&rolled, ("Governa_" + box).c_str());
            const bool governs = box == c.governs;
            EXPECT_EQ(ratio->text(), QString::fromUtf8(c.ratios[i])) << c.Vd << " " << rows[i];
            EXPECT_EQ(ratio->font().bold(), governs) << c.Vd << " " << rows[i];
            EXPECT_EQ(mark->text(), governs ? QStringLiteral("◀ governa") : QString())
                << c.Vd << " " << rows[i];
        }
    }
    // Results that no longer belong to the window lose their ratios too.
    set(&rolled, "R_Vd", "60");
    press(&rolled, "BitBtn1");
    set(&rolled, "R_Vd", "61");
    EXPECT_EQ(child<QLabel>(&rolled, "Aproveitamento_R_RdVd")->text(), QString());
    EXPECT_EQ(child<QLabel>(&rolled, "Governa_R_RdVd")->text(), QString());
}

}  // namespace
}  // namespace quintaro::testing
