// Single angle windows (equal legs, two leg widths) against hand calculations.
// Sections A1, B1 and the steel T51 are described in angle_fixture.h.
#include <gtest/gtest.h>

#include "angle_fixture.h"
#include "testing/near.h"

namespace quintaro::testing {
namespace {

using checks::WindowKind;

AngleRow with(AngleRow row, const std::string& field, const std::string& text) {
    row[field] = text;
    return row;
}

MapBoxes single(const AngleRow& row, const std::string& Nd, const std::string& Lflx,
                const std::string& Lfly) {
    MapBoxes b =
        angle_boxes(row.count("AREA") ? WindowKind::L_Laminado : WindowKind::L2_Laminado, row);
    b.set({{"R_Nd", Nd}, {"Compri_x", Lflx}, {"Compri_y", Lfly}});
    return b;
}

AngleRun run_l(MapBoxes b, checks::AngleState st = {}) {
    return run_angle(WindowKind::L_Laminado, std::move(b), std::move(st));
}
AngleRun run_l2(MapBoxes b) {
    return run_angle(WindowKind::L2_Laminado, std::move(b));
}

// ---- Principal axes -----------------------------------------------------------

// The minor principal inertia is Ag·rz² and the major one the rest of
// Ix' + Iy'. Checked against the catalogue's own principal values (Iz, Iw),
// which it publishes beside rz: they agree to the rounding of rz.
struct PrincipalCase {
    const char* source;  // row of the public catalogue
    AngleRow row;
    WindowKind window;
    double Ix, Iy;            // hand calculation
    double Iz_book, Iw_book;  // the catalogue's principal inertias
};

const PrincipalCase kPrincipal[] = {
    // aisc_l_equal.csv, L102X102X12.7: area 24,2, Ix = Iy = 230, rz 1,97,
    // Iz 93,7, Iw 366. Ix = 24,2·1,97² = 93,91778; Iy = 2·230 − 93,91778 = 366,08222.
    {"L102X102X12.7",
     {{"BITOLA", "L 102 x 102 x 12,7"},
      {"BF", "101,6"},
      {"TF", "12,7"},
      {"AREA", "24,2"},
      {"PESO", "19"},
      {"I_XY", "230"},
      {"RZ", "1,97"},
      {"XY", "3"}},
     WindowKind::L_Laminado,
     93.91778,
     366.08222,
     93.7,
     366.0},
    // aisc_l_unequal.csv, L152X102X12.7: area 30,6, Ix 720, Iy 259, rz 2,19,
    // Iz 147, Iw 832. Ix = 30,6·2,19² = 146,76066; Iy = 720 + 259 − 146,76066 = 832,23934.
    {"L152X102X12.7",
     {{"BITOLA", "L 152 x 102 x 12,7"},
      {"BW", "152"},
      {"BF", "102"},
      {"TF", "12,7"},
      {"AG", "30,6"},
      {"PESO", "24"},
      {"IX", "720"},
      {"IY", "259"},
      {"X", "2,49"},
      {"Y", "5,03"},
      {"RZ", "2,19"}},
     WindowKind::L2_Laminado,
     146.76066,
     832.23934,
     147.0,
     832.0},
};

TEST(AnglePrincipalAxes, AgreeWithTheCatalogue) {
    for (const PrincipalCase& c : kPrincipal) {
        SCOPED_TRACE(c.source);
        AngleRun r = run_angle(c.window, angle_boxes(c.window, c.row));
        ASSERT_TRUE(r.completed);
        EXPECT_NEAR_REL(c.Ix, r.state.Ix, 1e-9);
        EXPECT_NEAR_REL(c.Iy, r.state.Iy, 1e-9);
        EXPECT_NEAR_REL(c.Iz_book, r.state.Ix, 0.005);
        EXPECT_NEAR_REL(c.Iw_book, r.state.Iy, 0.005);
    }
}

TEST(AnglePrincipalAxes, RadiiOfOurSections) {
    // A1: rx = rz = 2, ry = √(280/20) = 3,74165738677394.
    AngleRun a = run_l(single(kA1, "0", "0", "0"));
    EXPECT_NEAR_REL(2.0, a.state.rx, 1e-12);
    EXPECT_NEAR_REL(3.74165738677394, a.state.ry, 1e-12);
    // B1: Ix = 24·2,2² = 116,16; Iy = 550 + 200 − 116,16 = 633,84;
    // rx = √(116,16/24) = 2,2; ry = √(633,84/24) = 5,13906606301184.
    AngleRun b = run_l2(single(kB1, "0", "0", "0"));
    EXPECT_NEAR_REL(116.16, b.state.Ix, 1e-12);
    EXPECT_NEAR_REL(633.84, b.state.Iy, 1e-12);
    EXPECT_NEAR_REL(2.2, b.state.rx, 1e-12);
    EXPECT_NEAR_REL(5.13906606301184, b.state.ry, 1e-12);
}

// ---- Tension --------------------------------------------------------------------

struct TensionCase {
    const char* name;
    const char* fu;
    const char* Nd;
    const char* shown;
    bool passes;
};

// A1 in steel fy = 25: Rd1 = 0,9·20·25 = 450; Rd2 = 0,75·20·fu.
const TensionCase kTension[] = {
    // fu = 40: Rd2 = 600, Rd1 governs.
    {"yield_governs_equal_passes", "40", "450", "450,00", true},
    {"yield_governs_above_fails", "40", "450,01", "450,00", false},
    // fu = 30: Rd2 = 0,75·20·30 = 450 = Rd1.
    {"equal_resistances_show_that_value", "30", "450", "450,00", true},
    {"equal_resistances_above_fails", "30", "450,5", "450,00", false},
    // fu = 28: Rd2 = 420 governs; Nd = 430 is below Rd1 but above Rd2.
    {"fracture_governs", "28", "430", "420,00", false},
    {"fracture_governs_equal_passes", "28", "420", "420,00", true},
};

TEST(AngleTension, TableOfCases) {
    for (const TensionCase& c : kTension) {
        SCOPED_TRACE(c.name);
        MapBoxes b = single(kA1, c.Nd, "0", "0");  // lengths play no part in tension
        b.set({{"fy_aco", "25"}, {"fu_aco", c.fu}});
        AngleRun r = run_l(b);
        ASSERT_TRUE(r.completed);
        EXPECT_EQ(r.boxes.text("R_RdNd"), c.shown);
        EXPECT_EQ(r.boxes.text("resposta1"), c.passes ? "Ok!" : "Não Ok!");
        EXPECT_EQ(r.boxes.colour("resposta1"), c.passes ? "green" : "red");
        EXPECT_TRUE(r.messages.shown.empty());
        EXPECT_EQ(r.state.invalid_length, 0);
    }
}

// ---- Local buckling factor ----------------------------------------------------

// A1 with its leg bf varied, tf = 10, steel T51 (√(E/fy) = 20, √(fy/E) = 0,05),
// short lengths Lflx = Lfly = 10 cm: λ ≤ 5, λ̄ ≤ 5·0,05/π < 0,2, so ρ = 1 and
// Rd = −0,9·Q·Ag·fy = −0,9·Q·20·51,25 = −922,5·Q.
struct QCase {
    const char* name;
    const char* bf;
    double Q;
};
const QCase kQ[] = {
    // bf/tf = 8 ≤ 8,8: Q = 1.
    {"stocky_leg", "80", 1.0},
    // bf/tf = 8,8 = 0,44·20 exactly: still Q = 1.
    {"at_lower_limit", "88", 1.0},
    // 8,8 < 12 ≤ 18: Q = 1,34 − 0,77·12·0,05 = 0,878.
    {"middle_range", "120", 0.878},
    // 18 = 0,9·20 exactly: the middle formula, 1,34 − 0,77·18·0,05 = 0,647
    // (the slender one would give 0,52·400/324 = 0,641975).
    {"at_upper_limit", "180", 0.647},
    // 20 > 18: Q = 0,52·E/(fy·(bf/tf)²) = 0,52·400/400 = 0,52.
    {"slender_leg", "200", 0.52},
    // 24: 0,52·400/576 = 0,361111111111111.
    {"very_slender_leg", "240", 0.361111111111111},
};

TEST(AngleLocalBuckling, EqualLegTable) {
    for (const QCase& c : kQ) {
        SCOPED_TRACE(c.name);
        AngleRun r = run_l(single(with(kA1, "BF", c.bf), "-100", "10", "10"));
        ASSERT_TRUE(r.completed);
        EXPECT_NEAR_REL(c.Q, r.state.Q, 1e-12);
        EXPECT_NEAR_REL(1.0, r.state.ro, 1e-12);
        EXPECT_NEAR_REL(-922.5 * c.Q, r.state.Rd_c, 1e-12);
    }
}

TEST(AngleLocalBuckling, ShownResultAndVerdict) {
    // bf = 200: Rd = −922,5·0,52 = −479,7.
    AngleRun pass = run_l(single(with(kA1, "BF", "200"), "-479,7", "10", "10"));
    EXPECT_EQ(pass.boxes.text("R_RdNd"), "-479,70");
    EXPECT_EQ(pass.boxes.text("resposta1"), "Ok!");
    AngleRun fail = run_l(single(with(kA1, "BF", "200"), "-480", "10", "10"));
    EXPECT_EQ(fail.boxes.text("resposta1"), "Não Ok!");
    EXPECT_EQ(fail.boxes.colour("resposta1"), "red");
}

// B1 (d = 150, bf = 100, tf = 10) in TL2_Laminado: Q of each leg, the smaller
// governs. Lengths 10 cm keep ρ = 1, so Rd = −0,9·Q·24·51,25 = −1107·Q.
struct TwoLegCase {
    const char* name;
    const char* bw;
    const char* bf;
    double Q_bf, Q_d, Q;
};
const TwoLegCase kTwoLeg[] = {
    // d/tf = 15: Q_d = 1,34 − 0,77·15·0,05 = 0,7625; bf/tf = 10: Q_bf = 0,955.
    {"longer_leg_d_governs", "150", "100", 0.955, 0.7625, 0.7625},
    // bf/tf = 16: Q_bf = 1,34 − 0,77·16·0,05 = 0,724 < Q_d = 0,7625.
    {"wider_bf_governs", "150", "160", 0.724, 0.7625, 0.724},
    // Equal legs: both 0,7625.
    {"tie", "150", "150", 0.7625, 0.7625, 0.7625},
    // d/tf = 8 ≤ 8,8: Q_d = 1; Q_bf = 0,955 governs.
    {"stocky_d", "80", "100", 0.955, 1.0, 0.955},
};

TEST(AngleLocalBuckling, TwoLegWidthsTakeTheSmaller) {
    for (const TwoLegCase& c : kTwoLeg) {
        SCOPED_TRACE(c.name);
        AngleRun r = run_l2(single(with(with(kB1, "BW", c.bw), "BF", c.bf), "-100", "10", "10"));
        ASSERT_TRUE(r.completed);
        EXPECT_NEAR_REL(c.Q_bf, r.state.Q_bf, 1e-12);
        EXPECT_NEAR_REL(c.Q_d, r.state.Q_d, 1e-12);
        EXPECT_NEAR_REL(c.Q, r.state.Q, 1e-12);
        EXPECT_NEAR_REL(-1107.0 * c.Q, r.state.Rd_c, 1e-12);
    }
}

// ---- Buckling about three axes ---------------------------------------------------

// A1 with bf = 80 (Q = 1): rx = rz = 2, ry = √14. λ̄ = λ·0,05/π. Curve c:
// β = (1 + 0,384·√(λ̄² − 0,04) + λ̄²)/(2·λ̄²), ρ = β − √(β² − 1/λ̄²).
struct AxesCase {
    const char* name;
    const char* Lflx;
    const char* Lfly;
    double lx, ly, lz;
    double rox, roy, roz, ro;
};
const AxesCase kAxes[] = {
    // λx = 30, λy = 200/√14 = 53,4522483824849, λz = 100 (minor axis, second
    // length) governs: λ̄z = 100·0,05/π = 1,59154943091895, βz = 0,817072942743126,
    // ρz = 0,294747356811001.
    {"minor_axis_with_second_length", "60", "200", 30.0, 53.4522483824849, 100.0, 0.829654962102375,
     0.631118752516806, 0.294747356811001, 0.294747356811001},
    // λx = 100 governs; λz = 30.
    {"minor_axis_with_first_length", "200", "60", 100.0, 16.0356745147455, 30.0, 0.294747356811001,
     0.939102900708655, 0.829654962102375, 0.294747356811001},
    // λx = λz = 75: a tie, ρ = ρx = ρz = 0,446252993399521 (λ̄ = 1,19366207318922).
    {"tie_between_x_and_z", "150", "150", 75.0, 40.0891862868637, 75.0, 0.446252993399521,
     0.749199177835351, 0.446252993399521, 0.446252993399521},
};

TEST(AngleCompression, SmallestOfThreeAxes) {
    for (const AxesCase& c : kAxes) {
        SCOPED_TRACE(c.name);
        AngleRun r = run_l(single(with(kA1, "BF", "80"), "-100", c.Lflx, c.Lfly));
        ASSERT_TRUE(r.completed);
        EXPECT_NEAR_REL(c.lx, r.state.lx, 1e-12);
        EXPECT_NEAR_REL(c.ly, r.state.ly, 1e-12);
        EXPECT_NEAR_REL(c.lz, r.state.lz, 1e-12);
        EXPECT_NEAR_REL(c.rox, r.state.rox, 1e-12);
        EXPECT_NEAR_REL(c.roy, r.state.roy, 1e-12);
        EXPECT_NEAR_REL(c.roz, r.state.roz, 1e-12);
        EXPECT_NEAR_REL(c.ro, r.state.ro, 1e-12);
        // Rd = −0,9·ρ·1·20·51,25 = −922,5·ρ.
        EXPECT_NEAR_REL(-922.5 * c.ro, r.state.Rd_c, 1e-12);
        EXPECT_TRUE(r.messages.shown.empty());
    }
}

TEST(AngleCompression, ReducedSlendernessAtAndAboveTwoTenths) {
    // λ̄x = 0,2 when λx = 0,2·π/0,05 = 4π, Lflx = 2·4π = 25,1327412287183;
    // Lfly = 10 keeps the other axes below. Both branches give ρ = 1 there
    // (β = 13, ρ = 13 − √(169 − 25) = 1).
    AngleRun at = run_l(single(with(kA1, "BF", "80"), "-100", "25,1327412287183", "10"));
    EXPECT_NEAR_REL(0.2, at.state.lx2, 1e-12);
    EXPECT_NEAR_REL(1.0, at.state.rox, 1e-9);
    EXPECT_NEAR_REL(-922.5, at.state.Rd_c, 1e-9);
    EXPECT_EQ(at.boxes.text("R_RdNd"), "-922,50");
    // λx = 20: λ̄ = 20·0,05/π = 0,318309886183791, β = 5,90405431547508,
    // ρ = 0,905229157601426, Rd = −922,5·ρ = −835,073897887315.
    AngleRun above = run_l(single(with(kA1, "BF", "80"), "-100", "40", "10"));
    EXPECT_NEAR_REL(0.318309886183791, above.state.lx2, 1e-12);
    EXPECT_NEAR_REL(5.90405431547508, above.state.Bx, 1e-12);
    EXPECT_NEAR_REL(0.905229157601426, above.state.rox, 1e-12);
    EXPECT_EQ(above.boxes.text("R_RdNd"), "-835,07");
}

TEST(AngleCompression, TwoLegWidthsFullCase) {
    // B1, Lflx = Lfly = 200: λx = λz = 200/2,2 = 90,9090909090909,
    // λy = 200/5,13906606301184 = 38,9175771526834; Q = 0,7625;
    // λ̄ = λ/π·√(0,7625·51,25/20500) → λ̄x = 1,26341890319239, ρx = ρz = 0,414244210519837,
    // ρy = 0,798840169356089; Rd = −0,9·0,414244210519837·0,7625·24·51,25 = −349,658360047163.
    AngleRun r = run_l2(single(kB1, "-300", "200", "200"));
    ASSERT_TRUE(r.completed);
    EXPECT_NEAR_REL(90.9090909090909, r.state.lx, 1e-12);
    EXPECT_NEAR_REL(38.9175771526834, r.state.ly, 1e-12);
    EXPECT_NEAR_REL(1.26341890319239, r.state.lx2, 1e-12);
    EXPECT_NEAR_REL(0.414244210519837, r.state.ro, 1e-12);
    EXPECT_NEAR_REL(-349.658360047163, r.state.Rd_c, 1e-12);
    EXPECT_EQ(r.boxes.text("R_RdNd"), "-349,66");
    EXPECT_EQ(r.boxes.text("resposta1"), "Ok!");
    EXPECT_NEAR_REL(18.8, r.state.P, 1e-12);  // kept for the report
}

// ---- Messages and refusals ---------------------------------------------------------

struct SlenderCase {
    const char* name;
    const char* Lflx;
    const char* Lfly;
    bool warned;
};
// A1: λx = Lflx/2, λy = Lfly/√14, λz = Lfly/2.
const SlenderCase kSlender[] = {
    // λx = 50, λy = 112,25, λz = 210: only the third axis is over.
    {"only_z_over", "100", "420", true},
    // λx = λz = 250, λy = 133,6: two axes over, one message.
    {"two_axes_over", "500", "500", true},
    // λx = λz = 200 exactly: accepted.
    {"at_the_limit", "400", "400", false},
};

TEST(AngleMessages, SlendernessShownOnce) {
    for (const SlenderCase& c : kSlender) {
        SCOPED_TRACE(c.name);
        AngleRun r = run_l(single(kA1, "-10", c.Lflx, c.Lfly));
        ASSERT_TRUE(r.completed);
        if (c.warned) {
            ASSERT_EQ(r.messages.shown.size(), 1u);
            EXPECT_EQ(r.messages.shown[0], kSlendernessText);
        } else {
            EXPECT_TRUE(r.messages.shown.empty());
        }
        // The result is still computed and judged.
        EXPECT_NE(r.boxes.text("R_RdNd"), "0,00");
        EXPECT_EQ(r.boxes.text("resposta1"), "Ok!");
    }
}

TEST(AngleMessages, ZeroLengthRefusesCompression) {
    for (const auto& [Lflx, Lfly] : {std::pair{"0", "300"}, std::pair{"300", "0"}}) {
        AngleRun r = run_l(single(kA1, "-100", Lflx, Lfly));
        EXPECT_TRUE(r.completed);
        ASSERT_EQ(r.messages.shown.size(), 1u);
        EXPECT_EQ(r.messages.shown[0], kRefusalText);
        EXPECT_EQ(r.state.invalid_length, 1);
        EXPECT_EQ(r.boxes.text("R_RdNd"), "0,00");
        EXPECT_EQ(r.boxes.text("resposta1"), "");
        EXPECT_FALSE(r.state.ran_compression);
    }
}

TEST(AngleEdgeCases, NoForceComputesNothing) {
    MapBoxes b = single(kA1, "0,00", "300", "300");
    b.set({{"R_RdNd", "123,00"}, {"resposta1", "Ok!"}});
    AngleRun r = run_l(b);
    EXPECT_EQ(r.boxes.text("R_RdNd"), "0,00");
    EXPECT_EQ(r.boxes.text("resposta1"), "");
    EXPECT_FALSE(r.state.ran_tension);
    EXPECT_FALSE(r.state.ran_compression);
    EXPECT_TRUE(r.messages.shown.empty());
}

TEST(AngleEdgeCases, NegativeLengthsAreMagnitudesNegativePropertiesAreRefused) {
    AngleRun pos = run_l(single(kA1, "-100", "150", "150"));
    AngleRun neg = run_l(single(kA1, "-100", "-150", "-150"));
    EXPECT_NEAR_REL(pos.state.Rd_c, neg.state.Rd_c, 1e-15);
    EXPECT_EQ(pos.boxes.text("R_RdNd"), neg.boxes.text("R_RdNd"));
    AngleRun area = run_l(single(with(kA1, "AREA", "-20"), "-100", "150", "150"));
    EXPECT_FALSE(area.completed);
    ASSERT_EQ(area.messages.shown.size(), 1u);
    EXPECT_EQ(area.messages.shown[0],
              "Ag: '-20' não é válido — as propriedades do perfil devem ser maiores que zero.");
    EXPECT_EQ(area.boxes.text("R_RdNd"), "0,00");
}

TEST(AngleEdgeCases, EarlierRunLeavesNothingBehind) {
    AngleRun first = run_l(single(kA1, "-100", "150", "150"));
    ASSERT_TRUE(first.state.ran_compression);
    // The same window, now in tension: the compression quantities are gone,
    // the invalid-length flag is kept.
    checks::AngleState kept = first.state;
    kept.invalid_length = 1;
    AngleRun second = run_l(single(kA1, "100", "150", "150"), kept);
    EXPECT_TRUE(second.state.ran_tension);
    EXPECT_FALSE(second.state.ran_compression);
    EXPECT_EQ(second.state.Rd_c, 0.0);
    EXPECT_EQ(second.state.Q, 0.0);
    EXPECT_EQ(second.state.lx, 0.0);
    EXPECT_EQ(second.state.invalid_length, 1);
}

struct FaultCase {
    const char* name;
    const char* field;
    const char* text;
    const char* Nd;
    const char* message;
};
const FaultCase kFaults[] = {
    // An empty box (empty catalogue field) is not a number.
    {"empty_area", "AREA", "", "-100", "R_Ag: '' não é um número válido"},
    // Ag = 0 and rz = 0 are refused, naming the box.
    {"zero_area", "AREA", "0", "0",
     "Ag: '0' não é válido — as propriedades do perfil devem ser maiores que zero."},
    {"zero_rz", "RZ", "0", "-100",
     "rz: '0' não é válido — as propriedades do perfil devem ser maiores que zero."},
    // Ix' too small for rz: Iy = 2·10 − 80 < 0, ry = √(negative).
    {"inertia_below_the_minor_one", "I_XY", "10", "-100", "Invalid floating point operation"},
    // An absurd area overflows the resistance.
    {"overflow", "AREA", "1E308", "100", "Floating point overflow"},
};

TEST(AngleEdgeCases, RefusedValuesAndNumericFaultsStopTheCheck) {
    for (const FaultCase& c : kFaults) {
        SCOPED_TRACE(c.name);
        AngleRun r = run_l(single(with(kA1, c.field, c.text), c.Nd, "150", "150"));
        EXPECT_FALSE(r.completed);
        ASSERT_EQ(r.messages.shown.size(), 1u);
        EXPECT_EQ(r.messages.shown[0], c.message);
        EXPECT_EQ(r.boxes.text("R_RdNd"), "0,00");
        EXPECT_EQ(r.boxes.text("resposta1"), "");
    }
}

}  // namespace
}  // namespace quintaro::testing
