// Rolled channel: the plastic modulus about x derived from the plates, that
// about y the table's (or the plates' when the table gives none), one flange
// outstand of bf, the web's effective width always from fy, and the shear of
// the web alone with k = 5,34.
#include "checks/member.h"
#include "checks/member_steps.h"
#include "checks/numeric.h"
#include "checks/section_properties.h"
#include "common/handler_error.h"

namespace quintaro::checks {
namespace {

constexpr std::string_view kZyBox = "R_Zy";

constexpr member_steps::FamilyRules kChannelRules{
    .slenderness_message = kSlendernessMessage,
    .full_flange_outstand = true,
    .iterate_pure_compression = false,
    .shear = member_steps::ShearWeb::Web60,
    .lateral_growth_y = nbr8800_1986::LateralGrowth::TimesLambda,
};

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Zy as the table gives it (ZY). A table without ZY (an older or a user's
// table) or a row with 0 takes the plates' plastic modulus instead; a
// negative value is refused like any other property.
void read_plastic_modulus_y(const Boxes& boxes, MemberState& st) {
    const bool given = boxes.has(kZyBox) && !blank(boxes.text(kZyBox));
    const double Zy = given ? read_signed(boxes, kZyBox) : 0.0;
    if (Zy < 0.0) {
        throw HandlerError(refused_value_message("Zy", boxes.text(kZyBox), kNotPositiveProperty));
    }
    if (!is_zero(Zy)) {
        st.Zy = Zy;
        st.Zy_source = ZySource::Catalogue;
        return;
    }
    const ChannelPlasticY plates = channel_plastic_modulus_y(st.d, st.bf, st.tw, st.tf);
    st.Zy = plates.Zy;
    st.Zy_source = ZySource::PlasticNeutralAxis;
    st.A_plates = plates.A;
    st.xp = plates.xp;
    st.xp_in_web = plates.in_web;
}

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
    st.x = read_abs(boxes, "R_x");  // no formula of this standard takes it
    st.IT = read_property(boxes, "R_IT", "IT");
    read_plastic_modulus_y(boxes, st);
    member_steps::read_lengths(boxes, st);

    member_steps::derive_radii(st);
    st.Zx = channel_plastic_modulus_x(st.d, st.bf, st.tw, st.tf);
    member_steps::run(kChannelRules, boxes, messages, st);
}

}  // namespace quintaro::checks
