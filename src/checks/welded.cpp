// Welded I sections (CS, CVS, VS): every property derived from the four plate
// dimensions, welds ignored.
#include "checks/member.h"
#include "checks/member_steps.h"
#include "checks/numeric.h"

namespace quintaro::checks {
namespace {

constexpr member_steps::FamilyRules kWeldedRules{
    .slenderness_message = kWeldedSlendernessMessage,
    .full_flange_outstand = false,
    .iterate_pure_compression = true,
    .shear = member_steps::ShearWeb::Web55,
    .mcr_y_beta2_times_lambda2 = true,
};

double cube(double x) {
    return finite(x * x * x);
}

// Properties from d, bf, tw, tf (mm) into cm units.
void derive_welded(MemberState& st) {
    const double d = st.d, bf = st.bf, tw = st.tw, tf = st.tf;
    const double h = finite(d - 2.0 * tf);
    st.h = h;
    st.Ag = finite((h * tw + 2.0 * bf * tf) / 100.0);
    st.Ix = finite((bf * cube(d) / 12.0 - (bf - tw) * cube(h) / 12.0) / 10000.0);
    st.Iy = finite((h * cube(tw) / 12.0 + 2.0 * tf * cube(bf) / 12.0) / 10000.0);
    st.IT = finite(((d - tf) * cube(tw) + 2.0 * bf * cube(tf)) / 3.0 / 10000.0);
    st.Wx = divide(2.0 * st.Ix, d / 10.0);
    st.Wy = divide(2.0 * st.Iy, bf / 10.0);
    st.Zx = finite((tw * square(h) + bf * (square(d) - square(h))) / 4.0 / 1000.0);
    st.Zy = finite((h * square(tw) / 4.0 + tf * square(bf) / 2.0) / 1000.0);
    st.rx = root(divide(st.Ix, st.Ag));
    st.ry = root(divide(st.Iy, st.Ag));
}

}  // namespace

void check_welded(Boxes& boxes, Messages& messages, MemberState& st) {
    member_steps::start(boxes, st, MemberFamily::Welded);
    st.series = boxes.has("Serie") ? boxes.text("Serie") : std::string();
    st.P = read_abs(boxes, "R_Peso");
    st.bf = read_abs(boxes, "R_bf");
    st.tf = read_abs(boxes, "R_tf");
    st.tw = read_abs(boxes, "R_tw");
    st.d = read_abs(boxes, "R_d");
    member_steps::read_lengths(boxes, st);
    derive_welded(st);
    member_steps::run(kWeldedRules, boxes, messages, st);
}

}  // namespace quintaro::checks
