// "Calcular" of the angle windows under NBR 8800:2008, from the boxes: the
// boxes reach the check with their meanings (empty ℓc, An and Lflz, the
// choices of Ligacao and Aba_ligada, the forces' signs), the results and
// verdicts reach their boxes, the notices are shown. Sections from the AISC
// tables in data/sources, steel MR250 (fy 25, fu 40):
//   L 76 x 76 x 6,4: Ag 9,29, bf 76,2, tf 6,35 mm, Ix' = Iy' = 51,2, x = y = 2,12, rz 1,49;
//   L 102 x 76 x 6,4: Ag 10,9, d 102, bf 76,2, tf 6,35 mm, Ix' 114 (about the axis
//   parallel to bf), Iy' 55,4, x 1,84 (from the back of d), y 3,10, rz 1,62.
// The hand calculations of the values also taken by tests/checks_2008
// (angles_test.cpp) are written out there; the others here.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "checks/angle_2008.h"
#include "checks/windows.h"
#include "common/decimal.h"
#include "testing/map_boxes.h"
#include "testing/near.h"

namespace quintaro::testing {
namespace {

using checks::WindowKind;
using Texts = std::vector<std::pair<std::string, std::string>>;

const Texts kEqual = {{"R_Perfil", "L 76 x 76 x 6,4"},
                      {"R_bf", "76,2"},
                      {"R_tf", "6,35"},
                      {"R_Ag", "9,29"},
                      {"R_Ixy", "51,2"},
                      {"R_rz", "1,49"},
                      {"R_xy", "2,12"}};
const Texts kUnequal = {{"R_Perfil", "L 102 x 76 x 6,4"},
                        {"R_d", "102"},
                        {"R_bf", "76,2"},
                        {"R_tf", "6,35"},
                        {"R_Ag", "10,9"},
                        {"R_Ix", "114"},
                        {"R_Iy", "55,4"},
                        {"R_x", "1,84"},
                        {"R_y", "3,10"},
                        {"R_rz", "1,62"}};

struct AngleRun2008 {
    MapBoxes boxes;
    RecordingMessages messages;
    checks::AngleState2008 state;
    bool completed = false;
};

// The window's boxes as the user leaves them: lengths and forces "0,00",
// the boxes whose empty text means something left empty.
AngleRun2008 run(WindowKind kind, const Texts& section, const Texts& typed) {
    AngleRun2008 r;
    r.boxes.set({{"tipo_aco", "MR250"}, {"fy_aco", "25"}, {"fu_aco", "40"}});
    for (const auto& [box, text] : section)
        r.boxes.set_text(box, text);
    for (const char* box : {"Compri_x", "Compri_y", "R_Nd", "R_Ntd", "R_e"})
        r.boxes.set_text(box, "0,00");
    for (const auto& [box, text] : typed)
        r.boxes.set_text(box, text);
    r.completed = checks::run_handler(
        r.messages, [&] { checks::check_angle_2008(kind, r.boxes, r.messages, r.state); });
    return r;
}

// A result box holds the value to two decimals.
void expect_box(const AngleRun2008& r, const char* box, std::optional<double> expected,
                const char* id) {
    const double shown = parse_decimal(r.boxes.text(box));
    if (!expected) {
        EXPECT_EQ(r.boxes.text(box), "0,00") << id << " " << box;
        return;
    }
    EXPECT_TRUE(near(*expected, shown, 1e-4) || std::abs(*expected - shown) <= 0.005)
        << id << " " << box << ": " << r.boxes.text(box) << " against " << *expected;
}

TEST(Angle2008Windows, ResultsFromTheBoxes) {
    const struct {
        const char* id;
        WindowKind kind;
        const Texts& section;
        Texts typed;
        std::optional<double> RdNd, RdNt, espa;  // none: "0,00"
        const char* verdict;                     // resposta1
        const char* message;                     // the one message shown, or none
    } rows[] = {
        // 5.2: Ct = 1 − 2,12/10 = 0,788; 0,788·8·40/1,35 = 186,785 < 9,29·25/1,1 = 211,136.
        {"t-lc10",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_lc", "10"}, {"R_An", "8"}},
         186.785,
         {},
         {},
         "Ok!",
         nullptr},
        // No ℓc: 0,60·8·40/1,35 = 142,222, and the user is told.
        {"t-nolc",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_An", "8"}},
         142.222,
         {},
         {},
         "Ok!",
         "Ct = 0,60"},
        // Ct around its lowest value: ℓc 5,29 → 0,59924 refused; 5,31 → 0,600753:
        // 0,600753·8·40/1,35 = 142,401.
        {"t-lc5.29",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_lc", "5,29"}, {"R_An", "8"}},
         {},
         {},
         {},
         "Não Ok!",
         "ligação curta demais"},
        {"t-lc5.31",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_lc", "5,31"}, {"R_An", "8"}},
         142.401,
         {},
         {},
         "Ok!",
         nullptr},
        // Ct around its cap, An 7: ℓc 21,1 → 0,899526·7·40/1,35 = 186,568; 21,3 → 0,90: 186,667.
        {"t-lc21.1",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_lc", "21,1"}, {"R_An", "7"}},
         186.568,
         {},
         {},
         "Ok!",
         nullptr},
        {"t-lc21.3",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_lc", "21,3"}, {"R_An", "7"}},
         186.667,
         {},
         {},
         "Ok!",
         nullptr},
        // An just under Ag: 0,788·9,28·40/1,35 = 216,68 > 211,136 (yield governs).
        {"t-An9.28",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_lc", "10"}, {"R_An", "9,28"}},
         211.136,
         {},
         {},
         "Ok!",
         nullptr},
        // A U pair in tension: 2·186,785, spacing 300·1,49 = 447.
        {"U-t",
         WindowKind::LU_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_lc", "10"}, {"R_An", "8"}, {"R_e", "8"}},
         373.570,
         {},
         447.0,
         "Ok!",
         nullptr},
        // An empty is Ag: 0,788·9,29·40/1,35 = 216,903 > 211,136 (yield governs).
        // L/rz around 300: 446/1,49 = 299,3; 448/1,49 = 300,7.
        {"t-L446",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_lc", "10"}, {"Compri_x", "446"}},
         211.136,
         {},
         {},
         "Ok!",
         nullptr},
        {"t-L448",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "100"}, {"R_lc", "10"}, {"Compri_x", "448"}},
         211.136,
         {},
         {},
         "Ok!",
         "maior que 300"},
        // The T with both forces: tension 2·186,785 per angle summed; compression
        // with Neyz governing (−267,695); spacing min(½·87,106·1,49; 300·1,49) = 64,894.
        {"T-both",
         WindowKind::LT_Laminado,
         kEqual,
         {{"R_Nd", "50"},
          {"R_Ntd", "100"},
          {"Compri_x", "100"},
          {"Compri_y", "300"},
          {"R_e", "8"},
          {"R_lc", "10"},
          {"R_An", "8"}},
         -267.695,
         373.570,
         64.8939,
         "Ok!",
         nullptr},
        // KL/r around 200 (KyLy 100): rx = 2,34762, Nex = π²·20 000·102,4/(KL)² below
        // Neyz 894,41. 199: KL 467,176, Nex 92,612, λ0 2,2396, χ 0,17484 → 73,837;
        // 201: KL 471,871, Nex 90,779 → 72,375. Spacing ½·(KL/rx)·1,49.
        {"T-199",
         WindowKind::LT_Laminado,
         kEqual,
         {{"R_Nd", "50"}, {"Compri_x", "467,176"}, {"Compri_y", "100"}, {"R_e", "8"}},
         -73.8374,
         {},
         148.255,
         "Ok!",
         nullptr},
        {"T-201",
         WindowKind::LT_Laminado,
         kEqual,
         {{"R_Nd", "50"}, {"Compri_x", "471,871"}, {"Compri_y", "100"}, {"R_e", "8"}},
         -72.3753,
         {},
         149.745,
         "Ok!",
         "maior que 200"},
        // U: Neyz governs (−244,438); s = 7,62 + 0,4 − 2,12 = 5,90, Iy 749,17,
        // ry 6,34991: spacing ½·(500/6,34991)·1,49 = 58,6623.
        {"U-yz",
         WindowKind::LU_Laminado,
         kEqual,
         {{"R_Nd", "-50"}, {"Compri_x", "100"}, {"Compri_y", "500"}, {"R_e", "8"}},
         -244.438,
         {},
         58.6623,
         "Ok!",
         nullptr},
        // Cross: torsion governs (−332,084); ry = √(163,551/18,58) = 2,96690:
        // spacing ½·(150/2,96690)·1,49 = 37,6656. Lflz empty is Lfly: the same.
        {"X-z",
         WindowKind::LX_Laminado,
         kEqual,
         {{"R_Nd", "-50"}, {"Compri_x", "150"}, {"Compri_y", "150"}, {"R_e", "8"}},
         -332.084,
         {},
         37.6656,
         "Ok!",
         nullptr},
        // Lflz 0: torsion restrained, Ney = π²·20 000·163,551/150² = 1 434,83 governs:
        // λ0 = √(18,58·25/1 434,83) = 0,56898, χ 0,87328 → 368,763.
        {"X-Lflz0",
         WindowKind::LX_Laminado,
         kEqual,
         {{"R_Nd", "-50"},
          {"Compri_x", "150"},
          {"Compri_y", "150"},
          {"Compri_t", "0"},
          {"R_e", "8"}},
         -368.763,
         {},
         37.6656,
         "Ok!",
         nullptr},
        // 400 > 332,084.
        {"X-400",
         WindowKind::LX_Laminado,
         kEqual,
         {{"R_Nd", "-400"}, {"Compri_x", "150"}, {"Compri_y", "150"}, {"R_e", "8"}},
         -332.084,
         {},
         37.6656,
         "Não Ok!",
         nullptr},
        // E.1.4 about both breaks (values of angles_test.cpp), L = (L/rx1)·2,34762 with
        // L/rx1 = 79, 81, 74, 76; an empty Ligacao is the planar truss, a typed hyphen
        // reads as the dash.
        {"e14-pl-79",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "-50"}, {"Compri_x", "185,462"}},
         -84.7176,
         {},
         {},
         "Ok!",
         nullptr},
        {"e14-pl-81",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "-50"}, {"Compri_x", "190,157"}, {"Ligacao", "Uma aba ligada — treliça plana"}},
         -82.3750,
         {},
         {},
         "Ok!",
         nullptr},
        {"e14-sp-74",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "-50"},
          {"Compri_x", "173,724"},
          {"Ligacao", "Uma aba ligada — treliça espacial"}},
         -99.4151,
         {},
         {},
         "Ok!",
         nullptr},
        {"e14-sp-76",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "-50"},
          {"Compri_x", "178,419"},
          {"Ligacao", " uma aba ligada -  treliça ESPACIAL "}},
         -97.1625,
         {},
         {},
         "Ok!",
         nullptr},
        // Centred, KL 100: Nex governs over Neyz 474,542: −166,290.
        {"centred",
         WindowKind::L_Laminado,
         kEqual,
         {{"R_Nd", "-50"}, {"Compri_x", "100"}, {"Compri_y", "100"}, {"Ligacao", "Carga centrada"}},
         -166.290,
         {},
         {},
         "Ok!",
         nullptr},
        // The unequal angle by its shorter leg bf, by d, and d for an empty box.
        {"L2-bf",
         WindowKind::L2_Laminado,
         kUnequal,
         {{"R_Nd", "-50"}, {"Compri_x", "150"}, {"Aba_ligada", "bf"}},
         -125.722,
         {},
         {},
         "Ok!",
         nullptr},
        {"L2-d",
         WindowKind::L2_Laminado,
         kUnequal,
         {{"R_Nd", "-50"}, {"Compri_x", "150"}, {"Aba_ligada", "d"}},
         -110.023,
         {},
         {},
         "Ok!",
         nullptr},
        {"L2-empty",
         WindowKind::L2_Laminado,
         kUnequal,
         {{"R_Nd", "-50"}, {"Compri_x", "150"}},
         -110.023,
         {},
         {},
         "Ok!",
         nullptr},
        // bl/bs around 1,7 with d typed 129 and 130 (by bf): 129/76,2 = 1,69291:
        // KL = 72·3,23399 + 0,75·150 + 4·(1,69291² − 1)·3,23399 = 369,486,
        // Ne = π²·20 000·114/369,486² = 164,831; Q = 1,34 − 0,76·20,315/28,2843 = 0,794136,
        // λ0 = 1,14581, χ = 0,57606 → 113,559. 130/76,2 = 1,70604: refused.
        {"L2-1.69",
         WindowKind::L2_Laminado,
         kUnequal,
         {{"R_Nd", "-50"}, {"Compri_x", "150"}, {"Aba_ligada", "bf"}, {"R_d", "129"}},
         -113.559,
         {},
         {},
         "Ok!",
         nullptr},
        {"L2-1.71",
         WindowKind::L2_Laminado,
         kUnequal,
         {{"R_Nd", "-50"}, {"Compri_x", "150"}, {"Aba_ligada", "BF"}, {"R_d", "130"}},
         {},
         {},
         {},
         "Não Ok!",
         "bl/bs > 1,7"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        const AngleRun2008 r = run(row.kind, row.section, row.typed);
        ASSERT_TRUE(r.completed) << (r.messages.shown.empty() ? "" : r.messages.shown.front());
        expect_box(r, "R_RdNd", row.RdNd, row.id);
        if (row.kind == WindowKind::LT_Laminado)
            expect_box(r, "R_RdNt", row.RdNt, row.id);
        if (row.kind != WindowKind::L_Laminado && row.kind != WindowKind::L2_Laminado)
            expect_box(r, "R_espa", row.espa, row.id);
        EXPECT_EQ(r.boxes.text("resposta1"), row.verdict);
        if (row.message) {
            ASSERT_EQ(r.messages.shown.size(), 1u);
            EXPECT_NE(r.messages.shown.front().find(row.message), std::string::npos)
                << r.messages.shown.front();
        } else {
            EXPECT_TRUE(r.messages.shown.empty()) << r.messages.shown.front();
        }
    }
}

// The ratios and the governing row, as the windows, the search and the batch
// read them.
TEST(Angle2008Windows, RatiosAndGoverningRow) {
    // T-both: tension 100/373,570 = 0,267687 governs compression 50/267,695 = 0,186780.
    AngleRun2008 r = run(WindowKind::LT_Laminado, kEqual,
                         {{"R_Nd", "50"},
                          {"R_Ntd", "100"},
                          {"Compri_x", "100"},
                          {"Compri_y", "300"},
                          {"R_e", "8"},
                          {"R_lc", "10"},
                          {"R_An", "8"}});
    ASSERT_NE(r.state.governing_row(), nullptr);
    EXPECT_EQ(r.state.governing_row()->box, "R_RdNt");
    EXPECT_TRUE(near(0.267687, r.state.governing_row()->ratio.value_or(0), 1e-5));
    ASSERT_NE(r.state.row("R_RdNd"), nullptr);
    EXPECT_TRUE(near(0.186780, r.state.row("R_RdNd")->ratio.value_or(0), 1e-5));
    EXPECT_EQ(r.boxes.text("Resposta2"), "Ok!");

    // A refused check governs with no ratio.
    r = run(WindowKind::L_Laminado, kEqual, {{"R_Nd", "100"}, {"R_lc", "5"}});
    ASSERT_NE(r.state.governing_row(), nullptr);
    EXPECT_FALSE(r.state.governing_row()->ratio.has_value());
    EXPECT_FALSE(r.state.governing_row()->passed);
}

// Zero buckling lengths: the message, the invalid-length flag, no verdict;
// the next good run keeps the flag (only the search clears it).
TEST(Angle2008Windows, InvalidLength) {
    for (const WindowKind kind : {WindowKind::L_Laminado, WindowKind::LU_Laminado}) {
        AngleRun2008 r = run(kind, kEqual, {{"R_Nd", "-50"}, {"Compri_y", "100"}, {"R_e", "8"}});
        ASSERT_TRUE(r.completed);
        EXPECT_EQ(r.state.invalid_length, 1);
        EXPECT_EQ(r.boxes.text("resposta1"), "");
        EXPECT_EQ(r.boxes.text("R_RdNd"), "0,00");
        EXPECT_TRUE(r.state.rows.empty());
        ASSERT_EQ(r.messages.shown.size(), 1u);
        EXPECT_NE(r.messages.shown.front().find("Comprimento"), std::string::npos);
    }
}

// The spacers' thickness decides the legs' group (Annex F): L 51 x 51 x 3,2
// (b/t = 50,8/3,18 = 15,975): in contact, group 4, 1,415 − 0,74·15,975/28,2843 =
// 0,997051; with spacers, group 3, 1,34 − 0,76·15,975/28,2843 = 0,910755.
TEST(Angle2008Windows, SpacerThicknessGivesTheGroup) {
    for (const auto& [e, Q] : {std::pair{"0", 0.997051}, std::pair{"8", 0.910755}}) {
        Texts section = kEqual;
        section.push_back({"R_bf", "50,8"});
        section.push_back({"R_tf", "3,18"});
        const AngleRun2008 r =
            run(WindowKind::LT_Laminado, section,
                {{"R_Nd", "10"}, {"Compri_x", "100"}, {"Compri_y", "100"}, {"R_e", e}});
        ASSERT_TRUE(r.completed);
        EXPECT_TRUE(near(Q, r.state.result.compression.Q, 1e-5)) << e;
    }
}

// A text that is none of the choices, or no number, stops the check naming
// the box; the results stay cleared.
TEST(Angle2008Windows, RefusedTexts) {
    const struct {
        WindowKind kind;
        Texts typed;
        const char* message;
    } rows[] = {
        {WindowKind::L_Laminado,
         {{"R_Nd", "-50"}, {"Compri_x", "100"}, {"Ligacao", "treliça"}},
         "Ligacao: 'treliça' não é válido — use \"Uma aba ligada — treliça plana\", \"Uma aba "
         "ligada — treliça espacial\" ou \"Carga centrada\"."},
        {WindowKind::L2_Laminado,
         {{"R_Nd", "-50"}, {"Compri_x", "100"}, {"Aba_ligada", "c"}},
         "Aba_ligada: 'c' não é válido — use \"d\" ou \"bf\"."},
        {WindowKind::L_Laminado,
         {{"R_Nd", "100"}, {"R_lc", "dez"}},
         "R_lc: 'dez' não é um número válido"},
        {WindowKind::LT_Laminado,
         {{"R_Ntd", "100"}, {"R_An", "8,0,1"}},
         "R_An: '8,0,1' não é um número válido"},
        {WindowKind::LX_Laminado,
         {{"R_Nd", "-50"}, {"Compri_t", "x"}},
         "Compri_t: 'x' não é um número válido"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        AngleRun2008 r =
            run(row.kind, row.kind == WindowKind::L2_Laminado ? kUnequal : kEqual, row.typed);
        EXPECT_FALSE(r.completed);
        ASSERT_EQ(r.messages.shown.size(), 1u);
        EXPECT_EQ(r.messages.shown.front(), row.message);
        EXPECT_EQ(r.boxes.text("R_RdNd"), "0,00");
        EXPECT_EQ(r.boxes.text("resposta1"), "");
    }
    // An out of range is the check's own notice, with "Não Ok!".
    const AngleRun2008 r = run(WindowKind::L_Laminado, kEqual, {{"R_Nd", "100"}, {"R_An", "9,3"}});
    EXPECT_EQ(r.boxes.text("resposta1"), "Não Ok!");
    ASSERT_FALSE(r.messages.shown.empty());
    EXPECT_NE(r.messages.shown.back().find("An deve ser"), std::string::npos);
}

// Each window as the table of NBR 8800:2008 gives it: the panel filled from
// the catalogue row through the window's own fields (the "Me" windows show
// the turned angle), every input at its empty-window text, then the forces
// and lengths typed. The equal-leg rows repeat ResultsFromTheBoxes; the
// pairs of L 102 x 76 x 6,4 (e = 8 mm, Lflx = Lfly = 250, Lflz empty) are
// these hand calculations: Q = 0,908386 (leg d, group 3), J = 2·(10,2 + 7,62 −
// 0,635)·0,635³/3 = 2,93346, Nez = 7 700·J/r0²,
//   T Ma: s = 1,84 + 0,4, Ix 228, Iy 220,184, y0 = 3,10 − 0,3175; Nex 720,086,
//         Neyz 486,942 governs: λ0 1,00831, χ 0,65342 → 294,080; ½·(250/3,17808)·1,62;
//   T Me: s = 3,10 + 0,4, Ix 110,8, Iy 495,050, y0 = 1,84 − 0,3175; Nex 349,937
//         governs (Neyz 705,523): λ0 1,18943, χ 0,55314 → 248,949; ½·(250/2,25446)·1,62;
//   U Ma: s = 7,62 + 0,4 − 1,84 = 6,18, Iy 943,394; Neyz 361,148 governs (Nex 720,086):
//         λ0 1,17082, χ 0,56340 → 253,568; ½·(250/3,23399)·1,62;
//   U Me: s = 10,2 + 0,4 − 3,10 = 7,5, Iy 1 454,25; Neyz 304,113 governs (Nex 349,937):
//         λ0 1,27590, χ 0,50593 → 227,699; ½·(250/2,25446)·1,62.
TEST(Angle2008Windows, EveryWindowFromItsTable) {
    using Row = std::vector<std::pair<std::string, std::string>>;
    const Row l76 = {{"BITOLA", "L 76 x 76 x 6,4"},
                     {"BF", "76,2"},
                     {"TF", "6,35"},
                     {"AREA", "9,29"},
                     {"I_XY", "51,2"},
                     {"RZ", "1,49"},
                     {"XY", "2,12"}};
    const Row l102 = {{"BITOLA", "L 102 x 76 x 6,4"},
                      {"BW", "102"},
                      {"BF", "76,2"},
                      {"TF", "6,35"},
                      {"AG", "10,9"},
                      {"IX", "114"},
                      {"IY", "55,4"},
                      {"X", "1,84"},
                      {"Y", "3,10"},
                      {"RZ", "1,62"}};
    const Texts pair250 = {{"R_Nd", "-50"}, {"Compri_x", "250"}, {"Compri_y", "250"}, {"R_e", "8"}};
    const struct {
        WindowKind kind;
        const Row& row;
        Texts typed;
        double RdNd;
        std::optional<double> espa;
    } rows[] = {
        {WindowKind::L_Laminado, l76, {{"R_Nd", "-50"}, {"Compri_x", "185,462"}}, -84.7176, {}},
        {WindowKind::L2_Laminado, l102, {{"R_Nd", "-50"}, {"Compri_x", "150"}}, -110.023, {}},
        {WindowKind::LT_Laminado,
         l76,
         {{"R_Nd", "50"}, {"Compri_x", "100"}, {"Compri_y", "300"}, {"R_e", "8"}},
         -267.695,
         64.8939},
        {WindowKind::LU_Laminado,
         l76,
         {{"R_Nd", "-50"}, {"Compri_x", "100"}, {"Compri_y", "500"}, {"R_e", "8"}},
         -244.438,
         58.6623},
        {WindowKind::LX_Laminado,
         l76,
         {{"R_Nd", "-50"}, {"Compri_x", "150"}, {"Compri_y", "150"}, {"R_e", "8"}},
         -332.084,
         37.6656},
        {WindowKind::L2T_Ma_Laminado, l102, pair250, -294.080, 63.7178},
        {WindowKind::L2T_Me_Laminado, l102, pair250, -248.949, 89.8221},
        {WindowKind::L2U_Ma_Laminado, l102, pair250, -253.568, 62.6161},
        {WindowKind::L2U_Me_Laminado, l102, pair250, -227.699, 89.8221},
    };
    for (const auto& r : rows) {
        const checks::WindowDescriptor& window =
            checks::descriptor(r.kind, checks::Standard::Nbr2008);
        SCOPED_TRACE(std::string(window.class_name));
        AngleRun2008 run;
        run.boxes.set({{"tipo_aco", "MR250"}, {"fy_aco", "25"}, {"fu_aco", "40"}});
        for (const checks::PanelField& f : window.panel) {
            for (const auto& [field, text] : r.row) {
                if (field == f.field)
                    run.boxes.set_text(f.box, text);
            }
        }
        for (std::string_view input : window.inputs)
            run.boxes.set_text(input, checks::input_default(input));
        for (const auto& [box, text] : r.typed)
            run.boxes.set_text(box, text);
        auto state = window.make_state();
        ASSERT_TRUE(checks::check(window, run.boxes, run.messages, *state))
            << run.messages.shown.front();
        EXPECT_TRUE(run.messages.shown.empty()) << run.messages.shown.front();
        expect_box(run, "R_RdNd", r.RdNd, window.class_name.data());
        EXPECT_EQ(run.boxes.text("resposta1"), "Ok!");
        if (r.espa)
            expect_box(run, "R_espa", r.espa, window.class_name.data());
        ASSERT_NE(dynamic_cast<checks::AngleState2008*>(state.get()), nullptr);
    }
}

}  // namespace
}  // namespace quintaro::testing
