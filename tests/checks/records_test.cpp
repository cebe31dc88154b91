// What a check records besides its results: each verdict row with its ratio
// |Sd|/|Rd| and the row that governs, against hand calculations.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "angle_fixture.h"
#include "checks/frame.h"
#include "member_fixture.h"
#include "testing/near.h"

namespace quintaro::testing {
namespace {

using checks::RowRecord;
using checks::WindowKind;

// ---- The governing row ------------------------------------------------------

struct GoverningCase {
    const char* name;
    std::vector<RowRecord> rows;  // recorded in this order
    std::optional<std::size_t> governing;
};

const GoverningCase kGoverning[] = {
    {"none_before_any_verdict", {}, std::nullopt},
    {"largest_ratio", {{"a", 0.5, true}, {"b", 0.9, true}, {"c", 0.8, true}}, 1},
    {"a_failed_row_with_a_larger_ratio", {{"a", 0.5, true}, {"b", 1.3, false}}, 1},
    {"tie_keeps_the_earlier_row", {{"a", 0.75, true}, {"b", 0.75, true}}, 0},
    // A row that failed without a ratio governs even a larger ratio.
    {"failed_without_ratio", {{"a", 2.0, false}, {"b", std::nullopt, false}, {"c", 3.0, false}}, 1},
    {"first_of_two_without_ratio", {{"a", std::nullopt, false}, {"b", std::nullopt, false}}, 0},
};

TEST(Records, GoverningRow) {
    for (const GoverningCase& c : kGoverning) {
        SCOPED_TRACE(c.name);
        checks::WorkingState state;
        for (const RowRecord& r : c.rows)
            checks::record_row(state, r.box, r.ratio, r.passed);
        EXPECT_EQ(state.governing, c.governing);
    }
}

TEST(Records, UtilisationHasNoRatioForAZeroResistance) {
    EXPECT_NEAR_REL(0.5, *checks::utilisation(-50.0, 100.0), 1e-15);
    EXPECT_NEAR_REL(0.5, *checks::utilisation(50.0, -100.0), 1e-15);
    EXPECT_FALSE(checks::utilisation(5.0, 0.0).has_value());
    EXPECT_FALSE(checks::utilisation(1e300, 1e-300).has_value());
}

// ---- Member rows ------------------------------------------------------------

// Section R1, steel T51 (fy = 51,25, fu = 60, √(E/fy) = 20), Lb = 100 cm.
//  Tension: Rd = min(0,9·50·51,25 = 2306,25; 0,75·50·60 = 2250) = 2250;
//   Nd = 1125 → 0,5.
//  Shear: Aw = 300·6/100 = 18 cm²; a/h = 24/280, k = 4 + 5,34/(a/h)² = 730,83,
//   λp = 1,08·√(k·E/fy) = 583,9 ≥ λ = 46,67: Vn = Vpl = 0,55·18·51,25 =
//   507,375; Rd = 456,6375; Vd = 365,31 → 0,8.
//  Bending x: λ = 46,67 ≤ 70, λ = 7,5 ≤ 7,6, λ = 100/√10 = 31,6 ≤ 35: Mn =
//   Mpl = 600·51,25 = 30750 (below 1,25·530·51,25); Rd = 27675;
//   Mdx = 24907,5 → 0,9.
//  Combined: |Nd|/(0,9·Ny) = 1125/2306,25 = 0,488 > 0,207: λp = 1,47·20 =
//   29,4; Mn = 30750 − (30750 − 51,25·530)·(46,667 − 29,4)/(112 − 29,4) =
//   30000,0706; Rd = 27000,0636; S = 0,5 + 24907,5/27000,0636 = 1,42250.
struct MemberRowsCase {
    const char* name;
    const char *Nd, *Vd, *Mdx;
    std::vector<std::pair<std::string, double>> ratios;
    std::string governing;
};

const MemberRowsCase kMemberRows[] = {
    {"tension_and_shear", "1125", "365,31", "0", {{"R_RdNd", 0.5}, {"R_RdVd", 0.8}}, "R_RdVd"},
    {"every_row",
     "1125",
     "365,31",
     "24907,5",
     {{"R_RdNd", 0.5}, {"R_RdVd", 0.8}, {"R_RdMdx", 0.9}, {"R_Rd_MdNd", 1.4224978}},
     "R_Rd_MdNd"},
};

TEST(Records, MemberRowsAndTheirRatios) {
    for (const MemberRowsCase& c : kMemberRows) {
        SCOPED_TRACE(c.name);
        MapBoxes b = rolled_r1();
        set_steel(b, "51,25", "60");
        set_actions(b, c.Nd, c.Vd, c.Mdx, "0");
        set_lengths(b, "0", "0", "100");
        CheckRun r = run_check(WindowKind::I_Laminado, b);
        ASSERT_TRUE(r.completed);
        ASSERT_EQ(r.state.rows.size(), c.ratios.size());
        for (std::size_t i = 0; i < c.ratios.size(); ++i) {
            EXPECT_EQ(r.state.rows[i].box, c.ratios[i].first);
            ASSERT_TRUE(r.state.rows[i].ratio.has_value());
            EXPECT_NEAR_REL(c.ratios[i].second, *r.state.rows[i].ratio, 1e-7);
            // The verdict and the ratio agree.
            EXPECT_EQ(r.state.rows[i].passed, *r.state.rows[i].ratio <= 1.0);
        }
        ASSERT_NE(r.state.governing_row(), nullptr);
        EXPECT_EQ(r.state.governing_row()->box, c.governing);
    }
}

TEST(Records, UnboundedAmplificationGovernsWithoutARatio) {
    // W 150 x 13,0, MR250, lengths 300 cm, Nd = −150, Mdy = 100. About y:
    // ry = √(82/16,6), λ̄y = 1,50042, ρy = 0,323118 (curve c); about x ρx =
    // 0,842908 (curve b). Rd = 0,9·0,323118·16,6·25 = 120,684: ratio 1,24291.
    // 0,73·Ney = 0,73·16,6·25/1,50042² = 134,57 < 150: no ratio.
    MapBoxes b{{"R_Perfil", "W 150 x 13,0"},
               {"R_d", "148"},
               {"R_bf", "100"},
               {"R_tw", "4,3"},
               {"R_tf", "4,9"},
               {"R_Ag", "16,6"},
               {"R_Peso", "13"},
               {"R_Ix", "635"},
               {"R_Iy", "82"},
               {"R_Wx", "85,8"},
               {"R_Wy", "16,4"},
               {"R_Zx", "96,4"},
               {"R_Zy", "25,5"},
               {"R_IT", "1,72"}};
    set_steel(b, "25", "40");
    set_actions(b, "-150", "0", "0", "100");
    set_lengths(b, "300", "300", "300");
    CheckRun r = run_check(WindowKind::I_Laminado, b);
    ASSERT_TRUE(r.state.amplification_unbounded);
    const checks::RowRecord* axial = r.state.row("R_RdNd");
    ASSERT_NE(axial, nullptr);
    EXPECT_NEAR_REL(1.24291, *axial->ratio, 1e-5);
    const checks::RowRecord* governing = r.state.governing_row();
    ASSERT_NE(governing, nullptr);
    EXPECT_EQ(governing->box, "R_Rd_MdNd");
    EXPECT_FALSE(governing->ratio.has_value());
    EXPECT_FALSE(governing->passed);
}

TEST(Records, AnEarlierRunLeavesNoRows) {
    MapBoxes b = rolled_r1();
    set_steel(b, "51,25", "60");
    set_actions(b, "1125", "365,31", "0", "0");
    checks::MemberState state;
    RecordingMessages m;
    ASSERT_TRUE(checks::check(WindowKind::I_Laminado, b, m, state));
    set_actions(b, "0", "0", "0", "0");
    ASSERT_TRUE(checks::check(WindowKind::I_Laminado, b, m, state));
    EXPECT_TRUE(state.rows.empty());
    EXPECT_FALSE(state.governing.has_value());
}

TEST(Records, AnglePairTensionRow) {
    // Two A1 angles, T51: Ag = 40, Rd = min(0,9·40·51,25 = 1845; 0,75·40·60 =
    // 1800) = 1800; Ntd = 900 → 0,5 in the tension row, the only verdict.
    MapBoxes b = angle_boxes(WindowKind::LT_Laminado, kA1);
    b.set_text("R_Ntd", "900");
    AngleRun r = run_angle(WindowKind::LT_Laminado, b);
    ASSERT_EQ(r.state.rows.size(), 1u);
    EXPECT_EQ(r.state.rows[0].box, "R_RdNt");
    EXPECT_NEAR_REL(0.5, *r.state.rows[0].ratio, 1e-12);
    EXPECT_EQ(r.state.governing, 0u);
}

}  // namespace
}  // namespace quintaro::testing
