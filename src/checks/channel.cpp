// Rolled channel: plastic moduli derived from the plates and the centroid,
// one flange outstand of bf, the web's effective width always from fy, and
// the shear of the web alone with k = 5,34.
#include "checks/member.h"
#include "checks/member_steps.h"
#include "checks/section_properties.h"

namespace quintaro::checks {
namespace {

constexpr member_steps::FamilyRules kChannelRules{
    .slenderness_message = kSlendernessMessage,
    .full_flange_outstand = true,
    .iterate_pure_compression = false,
    .shear = member_steps::ShearWeb::Web60,
    .lateral_growth_y = nbr8800_1986::LateralGrowth::TimesLambda,
};

}  // namespace

void check_channel(Boxes& boxes, Messages& messages, MemberState& st) {
    member_steps::start(boxes, st, MemberFamily::Channel);
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
    st.x = read_property(boxes, "R_x", "x");
    st.IT = read_property(boxes, "R_IT", "IT");
    member_steps::read_lengths(boxes, st);

    member_steps::derive_radii(st);
    st.Zx = channel_plastic_modulus_x(st.d, st.bf, st.tw, st.tf);
    st.Zy = channel_plastic_modulus_y_about_centroid(st.d, st.bf, st.tw, st.tf, st.x);
    member_steps::run(kChannelRules, boxes, messages, st);
}

}  // namespace quintaro::checks
