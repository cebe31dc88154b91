#include "checks/angle_2008.h"

#include <cmath>
#include <span>
#include <string>

#include "checks/angle.h"
#include "checks/numeric.h"
#include "common/decimal.h"
#include "common/handler_error.h"

namespace quintaro::checks {
namespace {

namespace nbr = nbr2008;

bool is_pair(WindowKind kind) {
    return kind != WindowKind::L_Laminado && kind != WindowKind::L2_Laminado;
}

bool two_forces(WindowKind kind) {
    return kind == WindowKind::LT_Laminado;
}

// The windows of the equal-leg table (R_Ixy, R_xy); the others show d, Ix,
// Iy, x and y of the table of two leg widths.
bool equal_legs(WindowKind kind) {
    return kind == WindowKind::L_Laminado || kind == WindowKind::LT_Laminado ||
           kind == WindowKind::LU_Laminado || kind == WindowKind::LX_Laminado;
}

// A choice as typed, compared without regard to blanks around and between
// words, to ASCII case or to the kind of dash (a batch file may hold "-").
std::string normalised(std::string_view text) {
    std::string out;
    bool blank = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        // "—" (E2 80 94) and "–" (E2 80 93) read as "-".
        if (c == '\xE2' && i + 2 < text.size() && text[i + 1] == '\x80' &&
            (text[i + 2] == '\x94' || text[i + 2] == '\x93')) {
            c = '-';
            i += 2;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            blank = true;
            continue;
        }
        if (blank && !out.empty())
            out += ' ';
        blank = false;
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

// The position of the box's text among `choices`; an empty box is the
// first. Any other text stops the check, naming the box and the choices.
std::size_t read_choice(const Boxes& boxes, std::string_view name,
                        std::span<const std::string_view> choices) {
    const std::string text = boxes.text(name);
    const std::string typed = normalised(text);
    if (typed.empty())
        return 0;
    std::string listed;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (typed == normalised(choices[i]))
            return i;
        listed += (i == 0 ? "" : i + 1 == choices.size() ? " ou " : ", ");
        listed += "\"" + std::string(choices[i]) + "\"";
    }
    throw HandlerError(refused_value_message(boxes.label(name), text, "use " + listed + "."));
}

// A box whose empty text has a meaning of its own.
std::optional<double> read_optional(const Boxes& boxes, std::string_view name, bool absolute) {
    if (normalised(boxes.text(name)).empty())
        return std::nullopt;
    return absolute ? read_abs(boxes, name) : read_signed(boxes, name);
}

void reset(WindowKind kind, Boxes& boxes, AngleState2008& st) {
    reset_results(boxes, std::span(&kAngleAxialRow, 1));
    if (two_forces(kind))
        reset_results(boxes, std::span(&kAngleTensionRow, 1));
    if (is_pair(kind))
        boxes.set_text(kSpacingBox, "0,00");
    // Nothing of an earlier run survives except the invalid-length flag.
    const int flag = st.invalid_length;
    st = AngleState2008{};
    st.invalid_length = flag;
}

nbr::AngleInput read(WindowKind kind, nbr::AngleWindow window, const Boxes& boxes,
                     AngleState2008& st) {
    nbr::AngleInput in;
    in.window = window;
    if (boxes.has("R_Perfil"))
        st.designation = boxes.text("R_Perfil");
    st.steel = read_steel(boxes);
    in.steel = {st.steel.fy, st.steel.fu};
    if (two_forces(kind)) {
        // The T's two boxes hold the compression and the tension; a sign typed
        // in either does not turn one into the other.
        in.Ncd = read_abs(boxes, "R_Nd");
        in.Ntd = read_abs(boxes, "R_Ntd");
    } else {
        const double Nd = read_signed(boxes, "R_Nd");
        in.Ncd = Nd < 0.0 ? -Nd : 0.0;
        in.Ntd = Nd > 0.0 ? Nd : 0.0;
    }
    in.Ag1 = read_property(boxes, "R_Ag", "Ag");
    in.bf = read_property(boxes, "R_bf", "bf");
    in.tf = read_property(boxes, "R_tf", "tf");
    if (equal_legs(kind)) {
        in.d = in.bf;
        in.Ix1 = in.Iy1 = read_property(boxes, "R_Ixy", "Ix'=Iy'");
        in.cx = in.cy = read_property(boxes, "R_xy", "x=y");
    } else {
        in.d = read_property(boxes, "R_d", "d");
        in.Ix1 = read_property(boxes, "R_Ix", "Ix'");
        in.Iy1 = read_property(boxes, "R_Iy", "Iy'");
        in.cx = read_property(boxes, "R_x", "x");
        in.cy = read_property(boxes, "R_y", "y");
    }
    in.rz = read_property(boxes, "R_rz", "rz");
    if (is_pair(kind))
        in.e = read_abs(boxes, "R_e");
    in.KxLx = read_abs(boxes, "Compri_x");
    in.KyLy = read_abs(boxes, "Compri_y");
    in.KzLz = read_optional(boxes, kTorsionLengthBox, true);
    if (!is_pair(kind)) {
        constexpr nbr::AngleLoading kLoadings[] = {nbr::AngleLoading::PlanarTruss,
                                                   nbr::AngleLoading::SpatialTruss,
                                                   nbr::AngleLoading::Centred};
        in.loading = kLoadings[read_choice(boxes, kLoadingBox, kLoadingTexts)];
        if (kind == WindowKind::L2_Laminado) {
            in.leg = read_choice(boxes, kConnectedLegBox, kLegTexts) == 0 ? nbr::ConnectedLeg::d
                                                                          : nbr::ConnectedLeg::bf;
        }
    }
    in.lc = read_optional(boxes, kConnectionLengthBox, true);
    in.An = read_optional(boxes, kAnBox, false);
    return in;
}

bool has(const nbr::Notices& notices, nbr::Notice notice) {
    for (nbr::Notice n : notices) {
        if (n == notice)
            return true;
    }
    return false;
}

// A check asked for: its resistance and verdict, or, refused, "Não Ok!" with
// no ratio (the member is not shown to resist).
void show_row(Boxes& boxes, AngleState2008& st, const ResultRow& row, nbr::Outcome outcome,
              double shown, double resistance, double action) {
    if (outcome == nbr::Outcome::Done)
        show_result(boxes, st, row, shown, utilisation(action, resistance),
                    resists(resistance, action));
    else if (outcome == nbr::Outcome::Refused)
        show_result(boxes, st, row, 0.0, std::nullopt, false);
}

}  // namespace

std::optional<nbr2008::AngleWindow> angle_window_2008(WindowKind kind) {
    switch (kind) {
        case WindowKind::L_Laminado:
            return nbr::AngleWindow::L;
        case WindowKind::L2_Laminado:
            return nbr::AngleWindow::L2;
        case WindowKind::LT_Laminado:
            return nbr::AngleWindow::LT;
        case WindowKind::LU_Laminado:
            return nbr::AngleWindow::LU;
        case WindowKind::LX_Laminado:
            return nbr::AngleWindow::LX;
        case WindowKind::L2T_Ma_Laminado:
            return nbr::AngleWindow::L2T_Ma;
        case WindowKind::L2T_Me_Laminado:
            return nbr::AngleWindow::L2T_Me;
        case WindowKind::L2U_Ma_Laminado:
            return nbr::AngleWindow::L2U_Ma;
        case WindowKind::L2U_Me_Laminado:
            return nbr::AngleWindow::L2U_Me;
        case WindowKind::I_Laminado:
        case WindowKind::H_Laminado:
        case WindowKind::U_Laminado:
        case WindowKind::I_Soldado:
            break;
    }
    return std::nullopt;
}

void check_angle_2008(WindowKind kind, Boxes& boxes, Messages& messages, AngleState2008& st) {
    const std::optional<nbr::AngleWindow> window = angle_window_2008(kind);
    if (!window)
        throw HandlerError("Esta janela não tem a verificação de cantoneiras.");
    reset(kind, boxes, st);
    st.input = read(kind, *window, boxes, st);
    st.result = nbr::check_angle(st.input);
    const nbr::AngleResult& r = st.result;

    if (st.input.Ntd > 0.0) {
        show_row(boxes, st, two_forces(kind) ? kAngleTensionRow : kAngleAxialRow, r.tension.outcome,
                 r.tension.NtRd, r.tension.NtRd, st.input.Ntd);
    }
    if (st.input.Ncd > 0.0) {
        if (has(r.notices, nbr::Notice::CompressionLength))
            st.invalid_length = 1;  // no verdict: the lengths are to be given
        else
            show_row(boxes, st, kAngleAxialRow, r.compression.outcome, -r.compression.NcRd,
                     r.compression.NcRd, st.input.Ncd);
    }
    if (r.spacing.outcome == nbr::Outcome::Done)
        boxes.set_text(kSpacingBox, format_decimal(finite(r.spacing.l), 6));

    for (nbr::Notice notice : r.notices)
        messages.show(nbr::notice_text(notice));
}

}  // namespace quintaro::checks
