#include <gtest/gtest.h>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "gui_testing.h"
#include "shell/escolhe_aco.h"
#include "shell/member_windows.h"

namespace quintaro::testing {
namespace {

using checks::WindowKind;

class Member : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::TEscolhe_Aco steel{folder.location()};
    shell::WindowContext context{folder.location(), &steel};

    std::unique_ptr<shell::MemberWindow> make(WindowKind kind) {
        return std::make_unique<shell::MemberWindow>(shell::member_descriptor(kind), context);
    }
};

// The text of the label to the left of a box and of the unit to its right, as
// laid out in its grid.
std::pair<QString, QString> label_and_unit(QLineEdit* box) {
    auto* grid = qobject_cast<QGridLayout*>(box->parentWidget()->layout());
    if (grid == nullptr) {
        return {};
    }
    int row = 0, col = 0, rs = 0, cs = 0;
    grid->getItemPosition(grid->indexOf(box), &row, &col, &rs, &cs);
    const auto text_at = [&](int c) {
        QLayoutItem* item = grid->itemAtPosition(row, c);
        auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
        return label ? label->text() : QString();
    };
    return {text_at(col - 1), text_at(col + 1)};
}

struct Expected {
    const char* box;
    const char* label;
    const char* unit;
};

struct WindowCase {
    WindowKind kind;
    std::vector<Expected> boxes;
};

const std::vector<Expected> kFrameBoxes = {
    {"Compri_x", "Lflx", "cm"},
    {"Compri_y", "Lfly", "cm"},
    {"Compri_z", "Lb", "cm"},
    {"R_Nd", "Nd", "kN"},
    {"R_Vd", "Vd", "kN"},
    {"R_Mdx", "Mdx", "kN.cm"},
    {"R_Mdy", "Mdy", "kN.cm"},
    {"R_RdNd", "Rd(Nd)", "kN"},
    {"R_RdVd", "Rd(Vd)", "kN"},
    {"R_RdMdx", "Rd(Mdx)", "kN.cm"},
    {"R_RdMdy", "Rd(Mdy)", "kN.cm"},
    {"R_Rd_MdNd", "Rd(Md+Nd)", "<= 1"},
};

std::vector<Expected> with_frame(std::vector<Expected> boxes) {
    boxes.insert(boxes.end(), kFrameBoxes.begin(), kFrameBoxes.end());
    return boxes;
}

const WindowCase kWindows[] = {
    {WindowKind::I_Laminado, with_frame({{"R_d", "d", "mm"},
                                         {"R_bf", "bf", "mm"},
                                         {"R_tw", "tw", "mm"},
                                         {"R_tf", "tf", "mm"},
                                         {"R_Ag", "Ag", "cm²"},
                                         {"R_Peso", "P", "kgf/m"},
                                         {"R_Ix", "Ix", "cm⁴"},
                                         {"R_Iy", "Iy", "cm⁴"},
                                         {"R_Wx", "Wx", "cm³"},
                                         {"R_Wy", "Wy", "cm³"},
                                         {"R_Zx", "Zx", "cm³"},
                                         {"R_Zy", "Zy", "cm³"},
                                         {"R_IT", "IT", "cm⁴"}})},
    {WindowKind::U_Laminado,
     with_frame({{"R_Ag", "Ag", "cm²"}, {"R_x", "x", "cm"}, {"R_IT", "IT", "cm⁴"}})},
    {WindowKind::I_Soldado,
     with_frame({{"R_d", "d", "mm"}, {"R_tf", "tf", "mm"}, {"R_Peso", "P", "kgf/m"}})},
    {WindowKind::L_Laminado,
     {{"R_bf", "bf", "mm"},
      {"R_Ixy", "Ix'=Iy'", "cm⁴"},
      {"R_rz", "rz", "cm"},
      {"R_xy", "x=y", "cm"},
      {"Compri_x", "Lflx", "cm"},
      {"Compri_y", "Lfly", "cm"},
      {"R_Nd", "Nd", "kN"},
      {"R_RdNd", "Rd(Nd)", "kN"}}},
    {WindowKind::LT_Laminado,
     {{"R_bf", "bf*", "mm"},
      {"R_Ixy", "Ix*=Iy*", "cm⁴"},
      {"R_xy", "x=y*", "cm"},
      {"R_e", "e", "mm"},
      {"R_Nd", "Ncd", "kN"},
      {"R_Ntd", "Ntd", "kN"},
      {"R_RdNd", "Rd(Nc)", "kN"},
      {"R_RdNt", "Rd(Nt)", "kN"},
      {"R_espa", "Espaçadores no\nmáximo a cada", "cm"}}},
    {WindowKind::LU_Laminado,
     {{"R_e", "e", "mm"},
      {"R_Nd", "Nd", "kN"},
      {"R_RdNd", "Rd(Nd)", "kN"},
      {"R_espa", "Espaçadores em X a cada", "cm"}}},
    {WindowKind::LX_Laminado,
     {{"R_e", "e", "mm"}, {"R_espa", "Espaçadores no\nmáximo a cada", "cm"}}},
    {WindowKind::L2_Laminado,
     {{"R_d", "d", "mm"},
      {"R_Ix", "Ix'", "cm⁴"},
      {"R_Iy", "Iy'", "cm⁴"},
      {"R_x", "x", "cm"},
      {"R_y", "y", "cm"},
      {"R_rz", "rz", "cm"}}},
    {WindowKind::L2T_Me_Laminado,
     {{"R_d", "d*", "mm"},
      {"R_Ix", "Ix*", "cm⁴"},
      {"R_y", "y*", "cm"},
      {"R_espa", "Espaçadores no\nmáximo a cada", "cm"}}},
    {WindowKind::L2U_Me_Laminado,
     {{"R_Ag", "Ag*", "cm²"}, {"R_espa", "Espaçadores em X a cada", "cm"}}},
    {WindowKind::L2T_Ma_Laminado, {{"R_espa", "Espaçadores no\nmáximo a cada", "cm"}}},
    {WindowKind::L2U_Ma_Laminado, {{"R_espa", "Espaçadores em X a cada", "cm"}}},
};

TEST_F(Member, EveryWindowCarriesItsBoxesWithLabelsAndUnits) {
    for (const WindowCase& c : kWindows) {
        auto window = make(c.kind);
        for (const Expected& e : c.boxes) {
            QLineEdit* box = child<QLineEdit>(window.get(), e.box);
            if (box == nullptr) {
                continue;
            }
            const auto [label, unit] = label_and_unit(box);
            EXPECT_EQ(label.toStdString(), e.label)
                << window->objectName().toStdString() << " " << e.box;
            EXPECT_EQ(unit.toStdString(), e.unit)
                << window->objectName().toStdString() << " " << e.box;
        }
    }
}

TEST_F(Member, InputsAndResultsStartAtZeroAndResultsAreReadOnly) {
    auto window = make(WindowKind::H_Laminado);
    for (const char* input :
         {"Compri_x", "Compri_y", "Compri_z", "R_Nd", "R_Vd", "R_Mdx", "R_Mdy"}) {
        EXPECT_EQ(child<QLineEdit>(window.get(), input)->text(), "0,00") << input;
        EXPECT_FALSE(child<QLineEdit>(window.get(), input)->isReadOnly()) << input;
    }
    for (const char* result : {"R_RdNd", "R_RdVd", "R_RdMdx", "R_RdMdy", "R_Rd_MdNd"}) {
        EXPECT_EQ(child<QLineEdit>(window.get(), result)->text(), "0,00") << result;
        EXPECT_TRUE(child<QLineEdit>(window.get(), result)->isReadOnly()) << result;
    }
    for (const char* verdict : {"resposta1", "resposta2", "resposta3", "resposta4", "resposta5"}) {
        EXPECT_TRUE(child<QLineEdit>(window.get(), verdict)->text().isEmpty()) << verdict;
        EXPECT_TRUE(child<QLineEdit>(window.get(), verdict)->isReadOnly()) << verdict;
    }
}

TEST_F(Member, ButtonsHaveTheirNamesAndCaptions) {
    const std::pair<WindowKind, const char*> cases[] = {{WindowKind::I_Laminado, "BitBtn1"},
                                                        {WindowKind::LX_Laminado, "BitBtn4"}};
    for (const auto& [kind, calculate] : cases) {
        auto window = make(kind);
        EXPECT_EQ(child<QPushButton>(window.get(), calculate)->text(), "Calcular");
        EXPECT_EQ(child<QPushButton>(window.get(), "BitBtn2")->text(), "Relatório");
        EXPECT_EQ(child<QPushButton>(window.get(), "BitBtn3")->text(), "Mais Leve");
        EXPECT_EQ(child<QPushButton>(window.get(), "SpeedButton1")->text(), "Ok");
    }
}

TEST_F(Member, TeeWindowHintsNameTheTwoForces) {
    auto window = make(WindowKind::LT_Laminado);
    EXPECT_EQ(child<QLineEdit>(window.get(), "R_Nd")->toolTip(),
              "Solicitação de Cálculo à Compressão (Nc,Rd)");
    EXPECT_EQ(child<QLineEdit>(window.get(), "R_Ntd")->toolTip(),
              "Solicitação de Cálculo à Tração (Nt,Rd)");
    EXPECT_NE(child<QLineEdit>(window.get(), "Resposta2"), nullptr);
}

TEST_F(Member, DoubleAngleWindowsCarryTheSingleAngleNote) {
    for (std::size_t k = 0; k < checks::kWindowCount; ++k) {
        const auto kind = static_cast<WindowKind>(k);
        auto window = make(kind);
        bool note = false;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            note = note || label->text() == "* Dado referente a uma única cantoneira";
        }
        const bool pair = kind == WindowKind::LT_Laminado || kind == WindowKind::LU_Laminado ||
                          kind == WindowKind::LX_Laminado || kind == WindowKind::L2T_Ma_Laminado ||
                          kind == WindowKind::L2T_Me_Laminado ||
                          kind == WindowKind::L2U_Ma_Laminado ||
                          kind == WindowKind::L2U_Me_Laminado;
        EXPECT_EQ(note, pair) << window->objectName().toStdString();
        EXPECT_EQ(shell::member_descriptor(kind).kind, kind);
    }
}

TEST_F(Member, PurposeTextSaysWhatTheSectionSuits) {
    const std::pair<WindowKind, const char*> cases[] = {
        {WindowKind::H_Laminado,
         "Perfil indicado para elementos sujeitos\nà flexão composta (Ex.: colunas)"},
        {WindowKind::LX_Laminado,
         "Perfil indicado para elementos sujeitos\nà tração ou compressão\n"
         "(Ex.: elementos de treliça, contraventamento)"},
        {WindowKind::L2U_Ma_Laminado,
         "Perfil indicado para elementos sujeitos à tração \n"
         "ou compressão (Ex.: elementos de treliça)"},
    };
    for (const auto& [kind, text] : cases) {
        auto window = make(kind);
        EXPECT_EQ(child<QPlainTextEdit>(window.get(), "Memo1")->toPlainText().toStdString(), text);
    }
}

TEST_F(Member, ContentsSurviveASecondShowing) {
    shell::TForm_I_Laminado window(context);
    child<QToolButton>(&window, "Next")->click();
    child<QLineEdit>(&window, "R_Nd")->setText("-120,5");
    child<QLineEdit>(&window, "R_RdNd")->setText("-310,27");
    for (int showing = 0; showing < 2; ++showing) {
        window.show();
        QTest::qWait(1);
        child<QPushButton>(&window, "SpeedButton1")->click();
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(child<QLineEdit>(&window, "R_Perfil")->text(), "W 200 x 15,0");
    EXPECT_EQ(child<QLineEdit>(&window, "R_Nd")->text(), "-120,5");
    EXPECT_EQ(child<QLineEdit>(&window, "R_RdNd")->text(), "-310,27");
}

TEST_F(Member, ATypedUnpostedValueIsWhatTheChecksRead) {
    shell::TForm_I_Laminado window(context);
    child<QToolButton>(&window, "Edit")->click();
    QLineEdit* depth = child<QLineEdit>(&window, "R_d");
    depth->selectAll();
    QTest::keyClicks(depth, "152,5");
    EXPECT_EQ(window.boxes().text("R_d"), "152,5");
    EXPECT_EQ(field_in_file(folder.path(), "I_Laminado.DBF", 0, "D"), "148");
}

TEST_F(Member, SteelBoxesAreReadFromTheSteelWindow) {
    shell::TForm_U_Laminado window(context);
    EXPECT_TRUE(window.boxes().has("fy_aco"));
    EXPECT_EQ(window.boxes().text("tipo_aco"), "ASTM A36");
    EXPECT_EQ(window.boxes().text("fy_aco"), "25");
    EXPECT_EQ(window.boxes().text("fu_aco"), "40");
    child<QToolButton>(&steel, "Next")->click();
    EXPECT_EQ(window.boxes().text("fy_aco"), "-34,5");
    EXPECT_FALSE(window.boxes().has("E_aco_missing"));
}

// The steel shown beside the inputs is the one the check reads; a grade the
// check refuses shows the check's reason, never a value it would not use.
TEST_F(Member, SteelLabelFollowsTheGradeAsTheCheckReadsIt) {
    shell::TForm_U_Laminado window(context);
    const struct {
        const char* button;
        const char* shown;
    } cases[] = {
        {"First", "Aço ASTM A36 — fy = 25,00 kN/cm²"},
        {"Next",
         "Aço ASTM A572 Gr 50 — fy: '-34,5' não é válido — fy e fu devem ser maiores "
         "que zero."},
        {"Last", "Aço AR350 — fy = 35,00 kN/cm²"},
    };
    for (const auto& c : cases) {
        child<QToolButton>(&steel, c.button)->click();
        EXPECT_EQ(child<QLabel>(&window, "Label_Aco")->text(), QString::fromUtf8(c.shown))
            << c.button;
    }
}

TEST_F(Member, VerdictsAreGreenOkOrRedNotOkAndClearingKeepsTheColour) {
    shell::TForm_I_Laminado window(context);
    QLineEdit* verdict = child<QLineEdit>(&window, "resposta3");
    window.boxes().set_verdict("resposta3", true);
    EXPECT_EQ(verdict->text(), "Ok!");
    EXPECT_EQ(verdict->palette().color(QPalette::Text), QColor(0, 128, 0));
    window.boxes().set_verdict("resposta3", false);
    EXPECT_EQ(verdict->text(), "Não Ok!");
    EXPECT_EQ(verdict->palette().color(QPalette::Text), QColor(255, 0, 0));
    window.boxes().clear_verdict("resposta3");
    EXPECT_EQ(verdict->text(), "");
    EXPECT_EQ(verdict->palette().color(QPalette::Text), QColor(255, 0, 0));
}

}  // namespace
}  // namespace quintaro::testing
