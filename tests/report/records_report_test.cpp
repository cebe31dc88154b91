// The report writes the branch the check recorded, never one of its own: a
// record changed in the working state after "Calcular" changes the report's
// line, whatever the numbers beside it say.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "checks/angle.h"
#include "checks/member.h"
#include "report_testing.h"

namespace quintaro::report::testing {
namespace {

using checks::AngleState;
using checks::MemberState;
using checks::Range;

// W 150 x 13,0 in compression, shear and bending about x (MR250): a stocky
// flange and web, λ̄ above 0,2, the shear and FLT in their plastic ranges, no
// cap, and a combination with |Nd|/(0,9·Ny) below 0,207.
const std::map<std::string, std::string> kW150{
    {"window", "TForm_I_Laminado"},
    {"R_Perfil", "W 150 x 13,0"},
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
    {"R_IT", "1,72"},
    {"Compri_x", "300"},
    {"Compri_y", "100"},
    {"Compri_z", "50"},
    {"R_Nd", "-20"},
    {"R_Vd", "10"},
    {"R_Mdx", "500"},
    {"R_Mdy", "0"},
};

// Two L 50,8 x 6,35 back to back without a spacer, in compression (A36).
const std::map<std::string, std::string> kPairT{
    {"window", "TLT_Laminado"},
    {"R_Perfil", "L 50,8 x 6,35"},
    {"R_bf", "50,8"},
    {"R_tf", "6,35"},
    {"R_Ag", "6,06"},
    {"R_Peso", "4,75"},
    {"R_Ixy", "14,6"},
    {"R_rz", "0,99"},
    {"R_xy", "1,5"},
    {"R_e", "0"},
    {"R_Ntd", "0"},
    {"Compri_x", "100"},
    {"Compri_y", "120"},
    {"R_Nd", "-40"},
};

struct FollowCase {
    const char* name;
    const std::map<std::string, std::string>* boxes;
    std::function<void(checks::WorkingState&)> change;
    const char* before;  // written before the change, not after (nullptr: not checked)
    const char* after;   // written after the change, not before
};

MemberState& member(checks::WorkingState& s) {
    return dynamic_cast<MemberState&>(s);
}
AngleState& angle(checks::WorkingState& s) {
    return dynamic_cast<AngleState&>(s);
}

const FollowCase kCases[] = {
    {"flange_Qs_range", &kW150, [](auto& s) { member(s).Qs_range = Range::Elastic; },
     "(bf/2)/tf <= 0,55*raiz(E/fy)", "(bf/2)/tf > 1.02*raiz(E/fy)"},
    {"web_Qa_rule", &kW150, [](auto& s) { member(s).Qa_rule = checks::WebQa::AtYield; },
     "h/tw <= 1,47*raiz(E/fy)", "h/tw > 1.47*raiz(E/fy)"},
    {"column_curve_plateau", &kW150, [](auto& s) { member(s).plateau_x = true; }, "lx2 > 0,2",
     "lx2 <= 0,2"},
    {"thick_flange_curves", &kW150,
     [](auto& s) {
         member(s).thick_flange = true;
         member(s).curve_x = 'c';
     },
     "tf <= 40", "Curva c -> ax = 0,281"},
    {"shear_range", &kW150, [](auto& s) { member(s).shear_range = Range::Elastic; }, "l < lp",
     "l > lr"},
    {"shear_panel", &kW150,
     [](auto& s) { member(s).panel_rule = checks::nbr8800_1986::PanelRule::Long; }, "(a/h)<1",
     "(a/h)>=1"},
    {"FLT_range", &kW150, [](auto& s) { member(s).bx.FLT_range = Range::Elastic; }, nullptr,
     "Mcr =((Cb*B1)/l)*raiz(1+(B2/l²))"},
    {"moment_cap", &kW150,
     [](auto& s) {
         member(s).bx.capped = true;
         member(s).bx.capped_combined = true;
     },
     "Mn <= (1,25*W*fy) -> Ok!", "Mn > (1,25*W*fy) -> Não Ok!"},
    {"axial_web_branch", &kW150, [](auto& s) { member(s).axial_use_low = false; },
     "Nd/(0,9*Ny) <= 0,207", "Nd/(0.9*Ny) > 0,207"},
    {"combined_FLA_range", &kW150,
     [](auto& s) { member(s).bx.FLA_range_combined = Range::Inelastic; }, nullptr,
     "Mn = Mpl-((Mpl-Mr)*(l-lp)/(lr-lp))"},
    {"verdict_of_a_row", &kW150, [](auto& s) { s.rows.front().passed = false; }, nullptr,
     "Não Ok! Perfil não suporta ao esforço solicitado!"},
    {"angle_leg_limit", &kPairT, [](auto& s) { angle(s).qa_limit_factor = 0.5; },
     "bf/tf <= 0,55*raiz(E/fy)", "bf/tf <= 0,50*raiz(E/fy)"},
    {"angle_leg_range", &kPairT, [](auto& s) { angle(s).Qs_range = Range::Elastic; },
     "bf/tf <= 0,44*raiz(E/fy)", "bf/tf > 0,90*raiz(E/fy)"},
};

bool has(const std::vector<StyledLine>& lines, const char* text) {
    return find_line(lines, text) != lines.size();
}

TEST(ReportFollowsTheRecords, ChangedRecordChangedLine) {
    for (const FollowCase& c : kCases) {
        SCOPED_TRACE(c.name);
        Window w(c.boxes->at("window"));
        for (const auto& [box, text] : *c.boxes) {
            if (box != "window")
                w.boxes.values[box] = text;
        }
        ASSERT_TRUE(w.calculate());
        const std::vector<StyledLine> before = w.report();
        if (c.before != nullptr) {
            EXPECT_TRUE(has(before, c.before));
        }
        EXPECT_FALSE(has(before, c.after));
        c.change(*w.state);
        const std::vector<StyledLine> after = w.report();
        if (c.before != nullptr) {
            EXPECT_FALSE(has(after, c.before));
        }
        EXPECT_TRUE(has(after, c.after));
    }
}

}  // namespace
}  // namespace quintaro::report::testing
