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
    st.d = read_abs(boxes, "R_d");
    st.bf = read_abs(boxes, "R_bf");
    st.tw = read_abs(boxes, "R_tw");
    st.tf = read_abs(boxes, "R_tf");
    st.Ag = read_abs(boxes, "R_Ag");
    st.P = read_abs(boxes, "R_Peso");
    st.Ix = read_abs(boxes, "R_Ix");
    st.Iy = read_abs(boxes, "R_Iy");
    st.Wx = read_abs(boxes, "R_Wx");
    st.Wy = read_abs(boxes, "R_Wy");
    st.x = read_abs(boxes, "R_x");
    st.IT = read_abs(boxes, "R_IT");
    member_steps::read_lengths(boxes, st);

    member_steps::derive_radii(st);
    st.Zx = channel_plastic_modulus_x(st.d, st.bf, st.tw, st.tf);
    st.Zy = channel_plastic_modulus_y_about_centroid(st.d, st.bf, st.tw, st.tf, st.x);
    member_steps::run(kChannelRules, boxes, messages, st);
}

}  // namespace quintaro::checks
