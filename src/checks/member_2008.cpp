#include "checks/member_2008.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "checks/numeric.h"
#include "common/decimal.h"
#include "common/handler_error.h"

namespace quintaro::checks {
namespace {

namespace nb = nbr2008;

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// A box only these checks have: a window or a batch row without it takes
// `absent`.
double read_or(const Boxes& boxes, std::string_view name, double absent) {
    return boxes.has(name) ? read_signed(boxes, name) : absent;
}

// A box whose empty text has a meaning of its own (An = Ag, KzLz = Lb).
std::optional<double> read_unless_empty(const Boxes& boxes, std::string_view name) {
    if (!boxes.has(name) || blank(boxes.text(name)))
        return std::nullopt;
    return read_signed(boxes, name);
}

bool read_second_order(const Boxes& boxes) {
    if (!boxes.has(kSecondOrderBox))
        return false;
    const std::string text = boxes.text(kSecondOrderBox);
    if (text == "1")
        return true;
    if (text == "0" || blank(text))
        return false;
    throw HandlerError(refused_value_message(boxes.label(kSecondOrderBox), text,
                                             "use 1 (marcado) ou 0 (desmarcado)."));
}

double with_sign_of(double resistance, double action) {
    return action < 0.0 ? -resistance : resistance;
}

// The flanges must leave a web: h = d − 2·tf above zero.
void require_web(const Boxes& boxes, const nb::MemberInput& in) {
    const double h = in.d - 2.0 * in.tf;
    if (!(h > 0.0)) {
        throw HandlerError(refused_value_message(
            "tf", boxes.text("R_tf"),
            "a alma não tem altura: h = d − 2·tf = " + format_decimal(h, 6) + " mm."));
    }
}

// Frame start: results reset, the state cleared but for the flag, steel,
// actions, lengths and the inputs of this standard read.
void start(Boxes& boxes, MemberState2008& st, nb::MemberKind kind) {
    reset_results(boxes, kMemberResults);
    const int flag = st.invalid_length;
    st = MemberState2008{};
    st.invalid_length = flag;
    st.kind = kind;
    if (boxes.has("R_Perfil"))
        st.designation = boxes.text("R_Perfil");
    st.steel = read_steel(boxes);
    nb::MemberInput& in = st.input;
    in.kind = kind;
    in.steel = {st.steel.fy, st.steel.fu};
    in.Nd = read_signed(boxes, "R_Nd");
    in.Vd = read_signed(boxes, "R_Vd");
    in.Mdx = read_signed(boxes, "R_Mdx");
    in.Mdy = read_signed(boxes, "R_Mdy");
    in.KxLx = read_abs(boxes, "Compri_x");
    in.KyLy = read_abs(boxes, "Compri_y");
    in.Lb = read_abs(boxes, "Compri_z");
    if (const auto KzLz = read_unless_empty(boxes, kTorsionLengthBox))
        in.KzLz = std::fabs(*KzLz);
    in.Ct = read_or(boxes, kCtBox, 1.0);
    in.An = read_unless_empty(boxes, kAnBox);
    in.Cb = read_or(boxes, kCbBox, 1.0);
    in.second_order_included = read_second_order(boxes);
}

void read_plates(const Boxes& boxes, nb::MemberInput& in) {
    in.d = read_property(boxes, "R_d", "d");
    in.bf = read_property(boxes, "R_bf", "bf");
    in.tw = read_property(boxes, "R_tw", "tw");
    in.tf = read_property(boxes, "R_tf", "tf");
    require_web(boxes, in);
}

// An input no section can change stops the search as a refused length does.
bool stops_every_section(nb::Notice notice) {
    return notice == nb::Notice::CompressionLength || notice == nb::Notice::BendingLength ||
           notice == nb::Notice::CtOutOfRange || notice == nb::Notice::CbOutOfRange;
}

void show_results(Boxes& boxes, MemberState2008& st) {
    const nb::MemberInput& in = st.input;
    const nb::MemberResult& r = st.result;
    using nb::Outcome;
    if (r.tension.outcome == Outcome::Done) {
        show_result(boxes, st, axial_row(), r.tension.NtRd, r.tension.ratio,
                    resists(r.tension.NtRd, in.Nd));
    } else if (r.compression.outcome == Outcome::Done) {
        show_result(boxes, st, axial_row(), -r.compression.NcRd, r.compression.ratio,
                    resists(r.compression.NcRd, in.Nd));
    }
    if (r.shear.outcome == Outcome::Done) {
        show_result(boxes, st, shear_row(), with_sign_of(r.shear.VRd, in.Vd), r.shear.ratio,
                    resists(r.shear.VRd, in.Vd));
    }
    if (r.bx.outcome == Outcome::Done) {
        show_result(boxes, st, moment_x_row(), with_sign_of(r.bx.MRd, in.Mdx), r.bx.ratio,
                    resists(r.bx.MRd, in.Mdx));
    }
    if (r.by.outcome == Outcome::Done) {
        show_result(boxes, st, moment_y_row(), with_sign_of(r.by.MRd, in.Mdy), r.by.ratio,
                    resists(r.by.MRd, in.Mdy));
    }
    if (r.combined.unbounded) {
        boxes.set_verdict(combined_row().verdict, false);
        record_row(st, combined_row().box, std::nullopt, false);
    } else if (r.combined.outcome == Outcome::Done) {
        show_result(boxes, st, combined_row(), r.combined.ratio, r.combined.ratio,
                    r.combined.ratio <= 1.0);
    }
}

void finish(Boxes& boxes, Messages& messages, MemberState2008& st) {
    st.result = nb::check_member(st.input);
    st.checked = true;
    for (const nb::Notice notice : st.result.notices) {
        messages.show(notice_message(boxes, notice));
        if (stops_every_section(notice))
            st.invalid_length = 1;
    }
    show_results(boxes, st);
}

// The catalogue properties every rolled section has, in the order the panel
// shows them.
void read_rolled_properties(const Boxes& boxes, MemberState2008& st) {
    nb::MemberInput& in = st.input;
    read_plates(boxes, in);
    in.Ag = read_property(boxes, "R_Ag", "Ag");
    st.P = read_abs(boxes, "R_Peso");
    in.Ix = read_property(boxes, "R_Ix", "Ix");
    in.Iy = read_property(boxes, "R_Iy", "Iy");
    in.Wx = read_property(boxes, "R_Wx", "Wx");
    in.Wy = read_property(boxes, "R_Wy", "Wy");
}

void check_rolled(nb::MemberKind kind, Boxes& boxes, Messages& messages, MemberState2008& st) {
    start(boxes, st, kind);
    read_rolled_properties(boxes, st);
    st.input.Zx = read_property(boxes, "R_Zx", "Zx");
    st.input.Zy = read_property(boxes, "R_Zy", "Zy");
    st.input.IT = read_property(boxes, "R_IT", "IT");
    finish(boxes, messages, st);
}

}  // namespace

std::string notice_message(const Boxes& boxes, nb::Notice notice) {
    const auto named = [&](std::string_view box) {
        return refused_value_message(boxes.label(box), boxes.text(box), nb::notice_text(notice));
    };
    switch (notice) {
        case nb::Notice::CtOutOfRange:
            return named(kCtBox);
        case nb::Notice::AnOutOfRange:
            return named(kAnBox);
        case nb::Notice::CbOutOfRange:
            return named(kCbBox);
        default:
            return std::string(nb::notice_text(notice));
    }
}

void check_rolled_i_2008(Boxes& boxes, Messages& messages, MemberState2008& state) {
    check_rolled(nb::MemberKind::RolledI, boxes, messages, state);
}

void check_rolled_h_2008(Boxes& boxes, Messages& messages, MemberState2008& state) {
    check_rolled(nb::MemberKind::RolledH, boxes, messages, state);
}

// The channel's plastic moduli are formed from the plates: its table's ZY is
// not read.
void check_channel_2008(Boxes& boxes, Messages& messages, MemberState2008& st) {
    start(boxes, st, nb::MemberKind::Channel);
    read_rolled_properties(boxes, st);
    st.input.x = read_property(boxes, "R_x", "x");
    st.input.IT = read_property(boxes, "R_IT", "IT");
    finish(boxes, messages, st);
}

// Every property of the welded I comes from its four plates.
void check_welded_2008(Boxes& boxes, Messages& messages, MemberState2008& st) {
    start(boxes, st, nb::MemberKind::Welded);
    st.series = boxes.has("Serie") ? boxes.text("Serie") : std::string();
    st.P = read_abs(boxes, "R_Peso");
    read_plates(boxes, st.input);
    finish(boxes, messages, st);
}

}  // namespace quintaro::checks
