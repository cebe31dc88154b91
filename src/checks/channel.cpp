// Rolled channel: plastic moduli derived from the plates and the centroid,
// one flange outstand of bf, the web's effective width always from fy, and
// the shear of the web alone with k = 5,34.
#include "checks/member.h"
#include "checks/member_steps.h"
#include "checks/numeric.h"

namespace quintaro::checks {
namespace {

constexpr member_steps::FamilyRules kChannelRules{
    .slenderness_message = kSlendernessMessage,
    .full_flange_outstand = true,
    .iterate_pure_compression = false,
    .shear = member_steps::ShearWeb::Web60,
    .mcr_y_beta2_times_lambda2 = true,
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
    // Dimensions in mm, x in cm.
    const double web = st.d - 2.0 * st.tf;
    st.Zx = finite((st.bf * st.tf * (st.d - st.tf) + st.tw / 4.0 * square(web)) / 1000.0);
    st.Zy = finite(st.tf / 10.0 * square(st.bf / 10.0 - st.x) + st.tf / 10.0 * square(st.x) +
                   web / 10.0 * square(st.x - st.tw / 20.0));
    member_steps::run(kChannelRules, boxes, messages, st);
}

}  // namespace quintaro::checks
