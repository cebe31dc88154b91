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
    // "0" and "0,00" are zero; blanks and an exponent are accepted; a negative
    // fy acts as its absolute value.
    MapBoxes b = rolled_r1();
    set_steel(b, "-25", " 4E1 ");
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
    const char* message;
};

TEST(Frame, NumericFaultsStopTheCheck) {
    const FaultCase cases[] = {
        // An empty row: Ix/Ag = 0/0.
        {"empty_row",
         {{"R_Ag", "0"}, {"R_Ix", "0"}, {"R_Iy", "0"}, {"R_Nd", "10"}},
         kInvalidOperation},
        // Ag = 0 with Ix = 8000: 8000/0.
        {"zero_area", {{"R_Ag", "0"}, {"R_Nd", "10"}}, kDivisionByZero},
        // tf = 0 in compression: (bf/2)/0.
        {"zero_flange",
         {{"R_tf", "0"}, {"R_Nd", "-10"}, {"Compri_x", "100"}, {"Compri_y", "100"}},
         kDivisionByZero},
        // IT = 0 in bending: β1 = 0, then β2 = …/0.
        {"zero_torsion", {{"R_IT", "0"}, {"R_Mdx", "10"}, {"Compri_z", "100"}}, kDivisionByZero},
        // fy = 5 < fr = 11,5: (fy − fr)·W < 0 under the root of λr (FLM).
        {"steel_below_residual_stress",
         {{"fy_aco", "5"}, {"R_Mdx", "10"}, {"Compri_z", "100"}},
         kInvalidOperation},
        // Zx = 1E307: Mpl = 1E307·25 is beyond a double.
        {"overflow", {{"R_Zx", "1E307"}, {"R_Mdx", "10"}, {"Compri_z", "100"}}, kOverflow},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        MapBoxes b = rolled_r1();
        for (const auto& [name, text] : c.boxes)
            b.set_text(name, text);
        RecordingMessages m;
        MemberState s;
        EXPECT_FALSE(run(WindowKind::I_Laminado, b, m, s));
        ASSERT_EQ(m.shown.size(), 1u);
        EXPECT_EQ(m.shown[0], c.message);
        for (const auto& row : checks::kMemberResults) {
            EXPECT_EQ(b.text(row.box).find("inf"), std::string::npos);
            EXPECT_EQ(b.text(row.box).find("nan"), std::string::npos);
        }
    }
}

TEST(Frame, ResultsWrittenBeforeAFaultStay) {
    // Tension is shown, then the bending step divides by IT = 0.
    MapBoxes b = rolled_r1();
    b.set({{"R_IT", "0"}, {"R_Nd", "100"}, {"R_Mdx", "10"}, {"Compri_z", "100"}});
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
    for (const auto& p : u->panel) {
        if (p.box == "R_x")
            has_x = p.field == "ZX";
        EXPECT_NE(p.box, "R_Zy");
    }
    EXPECT_TRUE(has_x);
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
