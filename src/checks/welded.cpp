// Welded I sections (CS, CVS, VS): every property derived from the four plate
// dimensions, welds ignored.
#include "checks/member.h"
#include "checks/member_steps.h"
#include "checks/section_properties.h"

namespace quintaro::checks {
namespace {

constexpr member_steps::FamilyRules kWeldedRules{
    .slenderness_message = kWeldedSlendernessMessage,
    .full_flange_outstand = false,
    .iterate_pure_compression = true,
    .shear = member_steps::ShearWeb::Web55,
    .lateral_growth_y = nbr8800_1986::LateralGrowth::TimesLambda,
};

}  // namespace

void check_welded(Boxes& boxes, Messages& messages, MemberState& st) {
    member_steps::start(boxes, st, MemberFamily::Welded);
    st.series = boxes.has("Serie") ? boxes.text("Serie") : std::string();
    st.P = read_abs(boxes, "R_Peso");
    st.bf = read_property(boxes, "R_bf", "bf");
    st.tf = read_property(boxes, "R_tf", "tf");
    st.tw = read_property(boxes, "R_tw", "tw");
    st.d = read_property(boxes, "R_d", "d");
    member_steps::require_web(boxes, st);
    member_steps::read_lengths(boxes, st);
    const WeldedIProperties p = welded_i_properties(st.d, st.bf, st.tw, st.tf);
    st.h = p.h;
    st.Ag = p.Ag;
    st.Ix = p.Ix;
    st.Iy = p.Iy;
    st.IT = p.IT;
    st.Wx = p.Wx;
    st.Wy = p.Wy;
    st.Zx = p.Zx;
    st.Zy = p.Zy;
    st.rx = p.rx;
    st.ry = p.ry;
    member_steps::run(kWeldedRules, boxes, messages, st);
}

}  // namespace quintaro::checks
