// Rolled I and rolled H sections: one check; the windows differ only in the
// critical moment of lateral-torsional buckling about y. Both read the weight,
// which no formula uses but the report prints.
#include "checks/member.h"
#include "checks/member_steps.h"

namespace quintaro::checks {
namespace {

constexpr member_steps::FamilyRules kRolledIRules{
    .slenderness_message = kSlendernessMessage,
    .full_flange_outstand = false,
    .iterate_pure_compression = true,
    .shear = member_steps::ShearWeb::RolledPanel,
    .lateral_growth_y = nbr8800_1986::LateralGrowth::TimesLambda,
};

constexpr member_steps::FamilyRules kRolledHRules{
    .slenderness_message = kSlendernessMessage,
    .full_flange_outstand = false,
    .iterate_pure_compression = true,
    .shear = member_steps::ShearWeb::RolledPanel,
    .lateral_growth_y = nbr8800_1986::LateralGrowth::OverLambda,
};

void check_rolled(MemberFamily family, const member_steps::FamilyRules& rules, Boxes& boxes,
                  Messages& messages, MemberState& st) {
    member_steps::start(boxes, st, family);
    st.d = read_property(boxes, "R_d", "d");
    st.bf = read_property(boxes, "R_bf", "bf");
    st.tw = read_property(boxes, "R_tw", "tw");
    st.tf = read_property(boxes, "R_tf", "tf");
    member_steps::require_web(boxes, st);
    st.Ag = read_property(boxes, "R_Ag", "Ag");
    st.P = read_abs(boxes, "R_Peso");
    st.Ix = read_property(boxes, "R_Ix", "Ix");
    st.Iy = read_property(boxes, "R_Iy", "Iy");
    st.Wx = read_property(boxes, "R_Wx", "Wx");
    st.Wy = read_property(boxes, "R_Wy", "Wy");
    st.Zx = read_property(boxes, "R_Zx", "Zx");
    st.Zy = read_property(boxes, "R_Zy", "Zy");
    st.IT = read_property(boxes, "R_IT", "IT");
    member_steps::read_lengths(boxes, st);
    member_steps::derive_radii(st);
    member_steps::run(rules, boxes, messages, st);
}

}  // namespace

void check_rolled_i(Boxes& boxes, Messages& messages, MemberState& state) {
    check_rolled(MemberFamily::RolledI, kRolledIRules, boxes, messages, state);
}

void check_rolled_h(Boxes& boxes, Messages& messages, MemberState& state) {
    check_rolled(MemberFamily::RolledH, kRolledHRules, boxes, messages, state);
}

}  // namespace quintaro::checks
