// The reports of the nine angle windows against texts typed from the report's
// line templates, with values worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_testing.h"

namespace quintaro::report::testing {
namespace {

using Lines = std::vector<std::string>;

// L 50,8 x 6,35 of equal legs: Ag 6,06 cm², Ix' = Iy' 14,6 cm⁴, rz 0,99 cm,
// centroid 1,50 cm from the back of a leg.
void equal_angle(Window& w) {
    auto& b = w.boxes.values;
    b["R_Perfil"] = "L 50,8 x 6,35";
    b["R_bf"] = "50,8";
    b["R_tf"] = "6,35";
    b["R_Ag"] = "6,06";
    b["R_Peso"] = "4,75";
    b["R_Ixy"] = "14,6";
    b["R_rz"] = "0,99";
    b["R_xy"] = "1,5";
    b["R_e"] = "0";
    b["R_Ntd"] = "0";
    b["Compri_x"] = "100";
    b["Compri_y"] = "120";
    b["R_Nd"] = "-40";
}

// L 101,6 x 76,2 x 6,35 of two widths.
void unequal_angle(Window& w) {
    auto& b = w.boxes.values;
    b["R_Perfil"] = "L 101,6 x 76,2 x 6,35";
    b["R_d"] = "101,6";
    b["R_bf"] = "76,2";
    b["R_tf"] = "6,35";
    b["R_Ag"] = "10,8";
    b["R_Peso"] = "8,5";
    b["R_Ix"] = "113";
    b["R_Iy"] = "54,5";
    b["R_x"] = "1,89";
    b["R_y"] = "3,18";
    b["R_rz"] = "1,65";
    b["R_e"] = "8";
    b["Compri_x"] = "200";
    b["Compri_y"] = "200";
    b["R_Nd"] = "100";
}

std::vector<StyledLine> report_of(Window& w) {
    EXPECT_TRUE(w.calculate());
    return w.calculation();
}

TEST(AngleReport, SingleEqualAnglePropertiesOnThePrincipalAxes) {
    Window w("TL_Laminado");
    equal_angle(w);
    const auto lines = report_of(w);
    EXPECT_EQ(lines[1].text, "Dimensionamento Perfil L Laminado(abas iguais)");
    // Ix = Ag·rz² = 6,06·0,99² = 5,9394; Iy = 2·14,6 - 5,9394 = 23,2606;
    // rx = rz = 0,99; ry = √(23,2606/6,06) = 1,95918.
    const std::size_t at = find_line(lines, "Propriedades geométricas do perfil");
    ASSERT_LT(at, lines.size());
    const Lines expected = {
        "Propriedades geométricas do perfil",
        "Perfil L 50,8 x 6,35",
        "bf = 50,80 mm",
        "tf = 6,35 mm",
        "Ag = 6,06 cm²",
        "Ix = 5,94 cm4",
        "Iy = 23,26 cm4",
        "",
        "Observação: Ix e Iy são os eixos principais de inêrcia!",
        "rx = raiz(Ix/Ag)",
        "rx = raiz(5,94/6,06)",
        "rx = 0,99 cm",
        "",
        "ry = raiz(Iy/Ag)",
        "ry = raiz(23,26/6,06)",
        "ry = 1,96 cm",
        "",
        "Comprimentos de Flambagem",
        "Lflx = 100,00 cm",
        "Lfly = 120,00 cm",
        "",
        "Esforços Solicitantes",
        "Nd = -40,00 kN",
        "",
    };
    EXPECT_EQ(texts(lines, at, expected.size()), expected);
}

TEST(AngleReport, SingleAngleSlendernessOnThreeAxesAndQ) {
    Window w("TL_Laminado");
    equal_angle(w);
    const auto lines = report_of(w);
    // λx = 100/0,99 = 101,01; λy = 120/1,95918 = 61,25; λz = 120/0,99 = 121,21.
    // bf/tf = 50,8/6,35 = 8 <= 0,44·√(20500/25) = 12,6: Q = 1.
    const std::size_t at = find_line(lines, "Verificação do Esforço de Compressão");
    ASSERT_LT(at, lines.size());
    const Lines expected = {
        "Verificação do Esforço de Compressão",
        "Verificação da esbeltez do elemento (Item 5.3.5 NBR8800/88)",
        "lx = Lflx/rx",
        "lx = 100,00/0,99",
        "lx = 101,01",
        "",
        "ly = Lfly/ry",
        "ly = 120,00/1,96",
        "ly = 61,25",
        "",
        "lz = Lfly/rz",
        "lz = 120,00/0,99",
        "lz = 121,21",
        "",
        "lx e ly <= 200",
        "101,01 e 61,25 <= 200",
        "lz <= 200",
        "121,21 <= 200",
        "",
        "Ok! Esbeltes verifica!",
        "",
        "Cálculo de Q (Anexo E da NBR8800/88)",
        "bf/tf <= 0,44*raiz(E/fy)",
        "Q =1",
        "",
        "Q = 1,00",
        "",
    };
    EXPECT_EQ(texts(lines, at, expected.size()), expected);
    // Curve c on all three axes.
    EXPECT_LT(find_line(lines, "Curva c -> az = 0,384"), lines.size());
    // A single angle has no spacers.
    EXPECT_EQ(lines.back().text, "");
}

TEST(AngleReport, BackToBackPairTensionIsComparedWithNtd) {
    Window w("TLT_Laminado");
    equal_angle(w);
    w.boxes.values["R_Nd"] = "0";
    w.boxes.values["R_Ntd"] = "100";
    w.boxes.values["R_e"] = "8";
    const auto lines = report_of(w);
    EXPECT_EQ(lines[1].text, "Dimensionamento Perfil L Laminado Combinados (abas iguais)");
    // Ag = 2·6,06 = 12,12; 0,9·12,12·25 = 272,7; 0,75·12,12·40 = 363,6.
    const std::size_t at = find_line(lines, "Verificação do Esforço de Tração");
    ASSERT_LT(at, lines.size());
    const Lines expected = {
        "Verificação do Esforço de Tração",
        "Escoamento da seção bruta",
        "ft = 0,9",
        "Rd(Nt) = ft*Ag*fy",
        "Rd(Nt) = 0,9*12,12*25,00",
        "Rd(Nt) = 272,70 kN",
        "",
        "Ruptura da seção líquida",
        "ft = 0,75",
        "Rd(Nt) = ft*Ag*fu",
        "Rd(Nt) = 0,75*12,12*40,00",
        "Rd(Nt) = 363,60 kN",
        "",
        "Adota-se para Rd(Nt) o menor valor das duas verificações",
        "Rd(Nt) = 272,70 kN",
        "",
        "Rd(Nt) >= Ntd",
        "272,70 kN >= 100,00 kN",
        "",
        "Ok! Perfil suporta ao esforço solicitado!",
        "",
        // 240·rz = 240·0,99 = 237,6 cm.
        "Espaçadores no máximo a cada 237,60 cm",
    };
    EXPECT_EQ(texts(lines, at, expected.size()), expected);
    EXPECT_EQ(lines.size(), at + expected.size());
    EXPECT_LT(find_line(lines, "Nt = 100,00 kN"), lines.size());
}

TEST(AngleReport, ToeToToePairMeasuresFromTheTipOfTheLeg) {
    Window w("TLU_Laminado");
    equal_angle(w);
    w.boxes.values["R_Perfil"] = "L 76,2 x 4,76";
    w.boxes.values["R_bf"] = "76,2";
    w.boxes.values["R_tf"] = "4,76";
    w.boxes.values["R_Ag"] = "7,03";
    w.boxes.values["R_Ixy"] = "39,9";
    w.boxes.values["R_xy"] = "2,08";
    w.boxes.values["R_Nd"] = "50";
    const auto lines = report_of(w);
    // Iy = 2·(39,9 + 7,03·(7,62 + 0 - 2,08)²) = 511,324 cm⁴.
    const std::size_t at = find_line(lines, "Iy = 2*(Iy1+(Ag1*(((bf/10)+((esp/10)/2))-x)²))");
    ASSERT_LT(at, lines.size());
    const Lines expected = {
        "Iy = 2*(Iy1+(Ag1*(((bf/10)+((esp/10)/2))-x)²))",
        "Iy = 2*(39,90+(7,03*(((76,20/10)+((0,00/10)/2))-2,08)²))",
        "Iy = 511,32 cm4",
        "",
    };
    EXPECT_EQ(texts(lines, at, expected.size()), expected);
}

TEST(AngleReport, CrossPairRadiiFromOneAngle) {
    Window w("TLX_Laminado");
    equal_angle(w);
    w.boxes.values["R_e"] = "6";
    const auto lines = report_of(w);
    // rx = √(14,6/6,06) = 1,55217; ry = √(2·1,55217² - 0,99²) = 1,96074.
    const std::size_t at = find_line(lines, "Dados do conjuto");
    ASSERT_LT(at, lines.size());
    const Lines expected = {
        "Dados do conjuto",
        "rx = raiz(Ix´/Ag´)",
        "rx = raiz(14,60/6,06)",
        "rx = 1,55 cm",
        "",
        "ry = raiz(2*rx²-rz²)",
        "ry = raiz(2*1,55²-0,99²)",
        "ry = 1,96 cm",
        "",
        "Ag = 2*Ag´",
        "Ag = 2*6,06",
        "Ag = 12,12 cm²",
        "",
    };
    EXPECT_EQ(texts(lines, at, expected.size()), expected);
    // One angle: its radius rz and the spacer in cm.
    EXPECT_LT(find_line(lines, "e = 0,60 cm"), lines.size());
}

TEST(AngleReport, TitlesOfTheWindowsOfTwoWidths) {
    for (const char* name : {"TL2_Laminado", "TL2T_Ma_Laminado", "TL2T_Me_Laminado",
                             "TL2U_Ma_Laminado", "TL2U_Me_Laminado"}) {
        Window w(name);
        unequal_angle(w);
        const auto lines = report_of(w);
        EXPECT_EQ(lines[1].text, "Dimensionamento Perfil L Laminado (abas desiguais)") << name;
        // h = d, then the radii.
        const std::size_t h = find_line(lines, "h = d");
        ASSERT_LT(h, lines.size()) << name;
        EXPECT_EQ(texts(lines, h, 3), (Lines{"h = d", "h = 101,60", "h = 101,60 mm"})) << name;
    }
}

TEST(AngleReport, SpacerLineClosesEveryPairReportEvenWithoutAForce) {
    for (const char* name : {"TLT_Laminado", "TLU_Laminado", "TLX_Laminado", "TL2T_Ma_Laminado",
                             "TL2T_Me_Laminado", "TL2U_Ma_Laminado", "TL2U_Me_Laminado"}) {
        Window w(name);
        if (std::string(name).starts_with("TL2"))
            unequal_angle(w);
        else
            equal_angle(w);
        w.boxes.values["R_Nd"] = "0";
        w.boxes.values["R_Ntd"] = "0";
        const auto lines = report_of(w);
        EXPECT_EQ(lines.back().text, "Espaçadores no máximo a cada 0,00 cm") << name;
        EXPECT_EQ(find_line(lines, "Verificação do Esforço de Tração"), lines.size()) << name;
        EXPECT_EQ(find_line(lines, "Verificação do Esforço de Compressão"), lines.size()) << name;
    }
}

}  // namespace
}  // namespace quintaro::report::testing
