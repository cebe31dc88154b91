// The frame every check shares: reset, reading, conversion errors, numeric
// faults, the verdict rule and the window descriptors.
#include <gtest/gtest.h>

#include <stdexcept>

#include "checks/frame.h"
#include "checks/member.h"
#include "checks/numeric.h"
#include "checks/windows.h"
#include "member_fixture.h"
#include "testing/near.h"

namespace quintaro::testing {
namespace {

using checks::MemberState;
using checks::WindowKind;

bool run(WindowKind kind, MapBoxes& b, RecordingMessages& m, MemberState& s) {
    return checks::check(kind, b, m, s);
}

TEST(Frame, ResetClearsEveryResultAndVerdictText) {
    MapBoxes b = rolled_r1();
    for (const auto& row : checks::kMemberResults) {
        b.set_text(row.box, "9,99");
        b.set_verdict(row.verdict, false);
    }
    RecordingMessages m;
    MemberState s;
    ASSERT_TRUE(run(WindowKind::I_Laminado, b, m, s));
    for (const auto& row : checks::kMemberResults) {
        expect_untouched(b, std::string(row.box), std::string(row.verdict));
        EXPECT_EQ(b.colour(row.verdict), "red");  // the colour stays until the next verdict
    }
}

struct ConversionCase {
    const char* box;
    const char* text;
};
const ConversionCase kConversion[] = {
    {"R_Nd", "0.5"}, {"R_Vd", "1,2,3"}, {"R_Mdx", "abc"},   {"R_Mdy", "1 000"},
    {"fy_aco", ""},  {"fu_aco", "x"},   {"R_Ix", "8000kN"}, {"Compri_z", "--1"},
};

TEST(Frame, ConversionErrorStopsWithItsMessage) {
    for (const ConversionCase& c : kConversion) {
        SCOPED_TRACE(c.box);
        MapBoxes b = rolled_r1();
        set_actions(b, "100", "10", "10", "10");
        set_lengths(b, "100", "100", "100");
        b.set_text(c.box, c.text);
        RecordingMessages m;
        MemberState s;
        EXPECT_FALSE(run(WindowKind::I_Laminado, b, m, s));
        ASSERT_EQ(m.shown.size(), 1u);
        EXPECT_EQ(m.shown[0], std::string(c.box) + ": '" + c.text + "' não é um número válido");
        // Reading comes before any result: every box is still reset.
        for (const auto& row : checks::kMemberResults) {
            expect_untouched(b, std::string(row.box), std::string(row.verdict));
        }
    }
}

TEST(Frame, NumbersAcceptedAsTyped) {
    // "0" and "0,00" are zero; blanks and an exponent are accepted.
    MapBoxes b = rolled_r1();
    set_steel(b, " 25 ", " 4E1 ");
    set_actions(b, " 1,125E+3 ", "0", "0,00", "0");
    RecordingMessages m;
    MemberState s;
    ASSERT_TRUE(run(WindowKind::H_Laminado, b, m, s));
    EXPECT_EQ(s.steel.fy, 25.0);
    EXPECT_EQ(s.steel.fu, 40.0);
    EXPECT_EQ(s.steel.name, "ensaio");
    EXPECT_EQ(b.text("R_RdNd"), "1125,00");
    EXPECT_EQ(b.text("resposta1"), "Ok!");
    EXPECT_TRUE(m.shown.empty());
}

struct FaultCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> boxes;
    std::string message;  // "" for a check that completes
};

const std::string kProperty =
    " não é válido — as propriedades do perfil devem ser maiores que zero.";
const std::string kStrength = " não é válido — fy e fu devem ser maiores que zero.";

// Values no section or steel has stop the check before any result, with a
// message naming the box; numeric faults left stop it with the runtime's.
// Section R1 (d = 300), steel 25/40, bending about x over Lb = 100.
TEST(Frame, RefusedValuesAndNumericFaultsStopTheCheck) {
    const FaultCase cases[] = {
        {"empty_row", {{"R_Ag", "0"}, {"R_Ix", "0"}, {"R_Iy", "0"}}, "Ag: '0'" + kProperty},
        {"negative_inertia", {{"R_Ix", "-8000"}}, "Ix: '-8000'" + kProperty},
        {"zero_flange", {{"R_tf", "0"}}, "tf: '0'" + kProperty},
        // IT is refused even where only the tension would run.
        {"zero_torsion", {{"R_IT", "0"}, {"R_Nd", "10"}, {"R_Mdx", "0"}}, "IT: '0'" + kProperty},
        // h = d − 2·tf = 300 − 2·150 = 0; 300 − 2·149,99 = 0,02 mm is a web.
        {"flanges_leave_no_web",
         {{"R_tf", "150"}},
         "tf: '150' não é válido — a alma não tem altura: h = d − 2·tf = 0,00 mm."},
        {"thinnest_web", {{"R_tf", "149,99"}}, ""},
        {"fy_zero", {{"fy_aco", "0"}}, "fy: '0'" + kStrength},
        {"fy_negative", {{"fy_aco", "-25"}}, "fy: '-25'" + kStrength},
        {"fu_negative", {{"fu_aco", "-40"}}, "fu: '-40'" + kStrength},
        {"fy_above_fu",
         {{"fy_aco", "40,01"}},
         "fy: '40,01' não é válido — fy não pode ser maior que fu = 40,00 kN/cm²."},
        {"fy_equal_to_fu", {{"fy_aco", "40"}}, ""},
        // Mr = (fy − fr)·W would be nil: fy = fr = 11,5 is refused, 11,51
        // gives Mr = 0,01·530 = 5,3 kN·cm and the check runs.
        {"fy_at_the_residual_stress",
         {{"fy_aco", "11,5"}},
         "fy: '11,5' não é válido — fy deve ser maior que a tensão residual fr = 11,5 kN/cm²."},
        {"fy_just_above_the_residual_stress", {{"fy_aco", "11,51"}}, ""},
        // Zx = 1E307: Mpl = 1E307·25 is beyond a double.
        {"overflow", {{"R_Zx", "1E307"}}, kOverflow},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        MapBoxes b = rolled_r1();
        b.set({{"R_Mdx", "10"}, {"Compri_z", "100"}});
        for (const auto& [name, text] : c.boxes)
            b.set_text(name, text);
        RecordingMessages m;
        MemberState s;
        EXPECT_EQ(run(WindowKind::I_Laminado, b, m, s), c.message.empty());
        if (c.message.empty()) {
            EXPECT_TRUE(m.shown.empty());
            continue;
        }
        ASSERT_EQ(m.shown.size(), 1u);
        EXPECT_EQ(m.shown[0], c.message);
        for (const auto& row : checks::kMemberResults)
            expect_untouched(b, std::string(row.box), std::string(row.verdict));
    }
}

TEST(Frame, ResultsWrittenBeforeAFaultStay) {
    // Tension is shown, then the bending step overflows: Mpl = 1E307·25.
    MapBoxes b = rolled_r1();
    b.set({{"R_Zx", "1E307"}, {"R_Nd", "100"}, {"R_Mdx", "10"}, {"Compri_z", "100"}});
    RecordingMessages m;
    MemberState s;
    EXPECT_FALSE(run(WindowKind::I_Laminado, b, m, s));
    EXPECT_EQ(b.text("R_RdNd"), "1125,00");
    EXPECT_EQ(b.text("resposta1"), "Ok!");
    expect_untouched(b, "R_RdMdx", "resposta3");
}

TEST(Frame, GuardedArithmetic) {
    EXPECT_EQ(checks::divide(1.0, 4.0), 0.25);
    EXPECT_THROW(checks::divide(1.0, 0.0), HandlerError);
    EXPECT_THROW(checks::divide(1.0, -0.0), HandlerError);
    EXPECT_THROW(checks::root(-1e-300), HandlerError);
    EXPECT_EQ(checks::root(0.0), 0.0);
    EXPECT_THROW(checks::square(1e200), HandlerError);
    EXPECT_THROW(checks::divide(1e300, 1e-300), HandlerError);
    EXPECT_TRUE(checks::is_zero(-0.0));
    EXPECT_FALSE(checks::is_zero(1e-320));
}

TEST(Frame, RunHandlerShowsTheMessageAndNothingEscapes) {
    RecordingMessages m;
    EXPECT_TRUE(checks::run_handler(m, [] {}));
    EXPECT_FALSE(checks::run_handler(m, [] { throw HandlerError("parou"); }));
    EXPECT_FALSE(checks::run_handler(m, [] { throw std::runtime_error("outro"); }));
    EXPECT_FALSE(checks::run_handler(m, [] { throw 42; }));
    ASSERT_EQ(m.shown.size(), 3u);
    EXPECT_EQ(m.shown[0], "parou");
    EXPECT_EQ(m.shown[1], "outro");
}

TEST(Frame, VerdictRuleOnMagnitudes) {
    EXPECT_TRUE(checks::resists(-10.0, 10.0));
    EXPECT_TRUE(checks::resists(10.0, -10.0));
    EXPECT_FALSE(checks::resists(-9.99, 10.0));
}

TEST(Windows, DescriptorsInOnePlace) {
    const auto* i = checks::find_window("TForm_I_Laminado");
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->tables.front().file, "I_Laminado.DBF");
    EXPECT_EQ(i->panel.front().box, "R_Perfil");
    EXPECT_EQ(i->panel.front().field, "BITOLA");
    const auto* u = checks::find_window("TForm_U_Laminado");
    ASSERT_NE(u, nullptr);
    bool has_x = false;
    bool has_zy = false;
    for (const auto& p : u->panel) {
        if (p.box == "R_x")
            has_x = p.field == "ZX";
        if (p.box == "R_Zy")
            has_zy = p.field == "ZY";
    }
    EXPECT_TRUE(has_x);
    EXPECT_TRUE(has_zy);
    const auto* w = checks::find_window("TI_Soldado");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(checks::table_for_series(*w, "")->file, "I_Soldado_CS.DBF");
    EXPECT_EQ(checks::table_for_series(*w, "CVS")->file, "I_Soldado_CVS.dbf");
    EXPECT_EQ(checks::table_for_series(*w, "VS")->file, "I_Soldado_VS.dbf");
    EXPECT_EQ(checks::table_for_series(*w, "vs"), nullptr);
    EXPECT_EQ(checks::find_window("TForm_X"), nullptr);
    for (const auto& d : checks::window_descriptors()) {
        auto state = d.make_state();
        ASSERT_NE(state, nullptr);
        EXPECT_EQ(&checks::descriptor(d.kind), &d);
    }
}

}  // namespace
}  // namespace quintaro::testing
