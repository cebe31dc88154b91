#include "checks/angle.h"

#include <cmath>
#include <span>

#include "checks/nbr8800_1986/built_up.h"
#include "checks/nbr8800_1986/compression.h"
#include "checks/nbr8800_1986/local_buckling.h"
#include "checks/nbr8800_1986/tension.h"
#include "checks/numeric.h"
#include "checks/units.h"
#include "common/decimal.h"

namespace quintaro::checks {

const AngleRules kSingleEqualRules{
    .section = AngleSection::SingleEqual,
    .equal_legs = true,
};

const AngleRules kSingleUnequalRules{
    .section = AngleSection::SingleUnequal,
    .equal_legs = false,
    .both_legs_q = true,
    .reads_weight = true,
};

// Back to back, both outstanding legs given an effective width.
const AngleRules kPairTRules{
    .section = AngleSection::PairBackToBack,
    .equal_legs = true,
    .two_forces = true,
    .qs_leg = Leg::bf,
    .qa_leg = Leg::bf,
    .qa_limit_without_spacer = nbr8800_1986::kContinuousLegLimit,
    .k = 2,
    .spacer_warning = true,
    .spacing = SpacingRule::LargerAxis,
    .spacing_needs_both_lengths = false,
};

const AngleRules kPairURules{
    .section = AngleSection::PairToeToToe,
    .equal_legs = true,
    .toe_leg = Leg::bf,
    .qs_leg = Leg::bf,
    .qa_leg = Leg::bf,
    .qa_limit_without_spacer = nbr8800_1986::kContinuousLegLimit,
    .k = 1,
    .spacing = SpacingRule::SmallerAxis,
};

const AngleRules kPairXRules{
    .section = AngleSection::PairCross,
    .equal_legs = true,
    .qs_leg = Leg::bf,
    .qa_leg = Leg::bf,
    .qa_limit_without_spacer = nbr8800_1986::kSpacedLegLimit,
    .k = 1,
    .spacer_warning = true,
    // One angle between spacers is kept to the slenderness of the cross, as in
    // the T. Measured against max(λy, Lfly/rz) instead, the spacing always
    // came out as Lfly itself (rz is below ry), i.e. no spacer at all.
    .spacing = SpacingRule::LargerAxis,
    .spacing_needs_both_lengths = true,
};

// Longer legs d upright and together.
const AngleRules kPair2TMaRules{
    .section = AngleSection::PairBackToBack,
    .equal_legs = false,
    .qs_leg = Leg::bf,
    .qa_leg = Leg::d,
    .qa_limit_without_spacer = nbr8800_1986::kContinuousLegLimit,
    .k = 1,
    .spacer_warning = true,
    .spacing = SpacingRule::LargerAxis,
    .spacing_needs_both_lengths = true,
    .reads_weight = true,
};

// Shorter legs bf upright and together; the panel shows the turned angle.
const AngleRules kPair2TMeRules{
    .section = AngleSection::PairBackToBack,
    .equal_legs = false,
    .qs_leg = Leg::d,
    .qa_leg = Leg::bf,
    .qa_limit_without_spacer = nbr8800_1986::kContinuousLegLimit,
    .k = 1,
    .spacer_warning = true,
    .spacing = SpacingRule::LargerAxis,
    .spacing_needs_both_lengths = true,
    .reads_weight = true,
};

// Legs bf horizontal with their tips facing across the gap.
const AngleRules kPair2UMaRules{
    .section = AngleSection::PairToeToToe,
    .equal_legs = false,
    .toe_leg = Leg::bf,
    .qs_leg = Leg::bf,
    .qa_leg = Leg::d,
    .qa_limit_without_spacer = nbr8800_1986::kContinuousLegLimit,
    .k = 1,
    .spacing = SpacingRule::SmallerAxis,
    .reads_weight = true,
};

// Legs d horizontal with their tips facing across the gap.
const AngleRules kPair2UMeRules{
    .section = AngleSection::PairToeToToe,
    .equal_legs = false,
    .toe_leg = Leg::d,
    .qs_leg = Leg::bf,
    .qa_leg = Leg::d,
    .qa_limit_without_spacer = nbr8800_1986::kContinuousLegLimit,
    .k = 1,
    .spacing = SpacingRule::SmallerAxis,
    .reads_weight = true,
};

namespace {

namespace nbr = nbr8800_1986;

// Column curve c on every axis of every angle window.
constexpr char kAngleCurveName = 'c';
constexpr double kAngleCurve = nbr::kCurveC;

bool is_pair(const AngleRules& rules) {
    return rules.section != AngleSection::SingleEqual &&
           rules.section != AngleSection::SingleUnequal;
}

double leg(const AngleState& st, Leg which) {
    return which == Leg::bf ? st.bf : st.d;
}

// The force that asks for compression and the one that asks for tension.
bool compressed(const AngleRules& rules, const AngleState& st) {
    return rules.two_forces ? !is_zero(st.Nd) : st.Nd < 0.0;
}
bool tensioned(const AngleRules& rules, const AngleState& st) {
    return rules.two_forces ? !is_zero(st.Nt) : st.Nd > 0.0;
}

void reset(const AngleRules& rules, Boxes& boxes, AngleState& st) {
    reset_results(boxes, std::span(&kAngleAxialRow, 1));
    if (rules.two_forces)
        reset_results(boxes, std::span(&kAngleTensionRow, 1));
    if (rules.spacing != SpacingRule::None)
        boxes.set_text(kSpacingBox, "0,00");
    // Nothing of an earlier run survives except the invalid-length flag, so
    // that the search and the report see only what this run computed.
    const int flag = st.invalid_length;
    st = AngleState{};
    st.invalid_length = flag;
}

void read(const AngleRules& rules, const Boxes& boxes, AngleState& st) {
    if (boxes.has("R_Perfil"))
        st.designation = boxes.text("R_Perfil");
    st.steel = read_steel(boxes);
    st.Nd = read_signed(boxes, "R_Nd");
    if (rules.two_forces)
        st.Nt = read_signed(boxes, "R_Ntd");
    st.Ag1 = read_property(boxes, "R_Ag", "Ag");
    st.Lflx = read_abs(boxes, "Compri_x");
    st.Lfly = read_abs(boxes, "Compri_y");
    st.bf = read_property(boxes, "R_bf", "bf");
    st.tf = read_property(boxes, "R_tf", "tf");
    if (rules.equal_legs) {
        st.Ix1 = read_property(boxes, "R_Ixy", "Ix'=Iy'");
        st.Iy1 = st.Ix1;
        // The cross works with the diagonal axes and needs no centroid.
        if (is_pair(rules) && rules.section != AngleSection::PairCross)
            st.c = read_property(boxes, "R_xy", "x=y");
    } else {
        st.d = read_property(boxes, "R_d", "d");
        st.Ix1 = read_property(boxes, "R_Ix", "Ix'");
        st.Iy1 = read_property(boxes, "R_Iy", "Iy'");
        if (is_pair(rules))
            st.c = read_property(boxes, "R_x", "x");
    }
    st.rz = read_property(boxes, "R_rz", "rz");
    if (rules.reads_weight)
        st.P = read_abs(boxes, "R_Peso");
    if (is_pair(rules))
        st.e = read_abs(boxes, "R_e");
}

void form_section(const AngleRules& rules, AngleState& st) {
    const double e_cm = units::mm_to_cm_mul(st.e);
    switch (rules.section) {
        case AngleSection::SingleEqual:
            // Principal axes: the minor one from rz; Ix' + Iy' is the same
            // about any pair of perpendicular axes.
            st.Ag = st.Ag1;
            st.Ix = finite(st.Ag * st.rz * st.rz);
            st.Iy = finite(2.0 * st.Ix1 - st.Ix);
            st.rx = st.rz;
            st.ry = root(divide(st.Iy, st.Ag));
            return;
        case AngleSection::SingleUnequal:
            st.Ag = st.Ag1;
            st.Ix = finite(st.Ag * st.rz * st.rz);
            st.Iy = finite(st.Ix1 + st.Iy1 - st.Ix);
            st.rx = root(divide(st.Ix, st.Ag));
            st.ry = root(divide(st.Iy, st.Ag));
            return;
        case AngleSection::PairBackToBack:
            st.s = finite(st.c + e_cm * 0.5);
            break;
        case AngleSection::PairToeToToe:
            st.s = finite(units::mm_to_cm_mul(leg(st, rules.toe_leg)) + e_cm * 0.5 - st.c);
            break;
        case AngleSection::PairCross:
            st.Ag = finite(2.0 * st.Ag1);
            st.rx = root(divide(st.Ix1, st.Ag1));
            st.ry = root(2.0 * square(st.rx) - square(st.rz));
            return;
    }
    st.Ag = finite(2.0 * st.Ag1);
    st.Ix = finite(2.0 * st.Ix1);
    st.Iy = finite(2.0 * (st.Iy1 + st.Ag1 * square(st.s)));
    st.rx = root(divide(st.Ix, st.Ag));
    st.ry = root(divide(st.Iy, st.Ag));
}

// Local-buckling factor of an unstiffened leg of width b.
nbr::ElementFactor leg_factor(const Steel& s, double b, double tf) {
    return nbr::unstiffened_factor(nbr::kAngleLeg, divide(b, tf), s.fy, s.E);
}

// Effective-width factor of the leg that the pair's spacers stiffen.
void effective_width_factor(const AngleRules& rules, AngleState& st) {
    const Steel& s = st.steel;
    const double b = leg(st, rules.qa_leg);
    st.qa_limit_factor = is_zero(st.e) ? rules.qa_limit_without_spacer : nbr::kSpacedLegLimit;
    st.qa_ratio = divide(b, st.tf);
    st.qa_limit = finite(st.qa_limit_factor * root(divide(s.E, s.fy)));
    if (st.qa_ratio <= st.qa_limit) {
        st.Qa = 1.0;
        return;
    }
    st.qa_reduced = true;
    st.bef = nbr::effective_width_at_yield(st.tf, st.qa_ratio, s.fy);
    // A leg is never wider than itself: a wider effective width would give
    // more than the gross area.
    if (st.bef > b) {
        st.bef = b;
        st.bef_capped = true;
    }
    st.Aef = nbr::effective_area(st.Ag, static_cast<double>(rules.k), b, st.bef, st.tf);
    st.Qa = nbr::effective_area_factor(st.Aef, st.Ag);
}

void tension(const AngleRules& rules, Boxes& boxes, AngleState& st) {
    const Steel& s = st.steel;
    st.ran_tension = true;
    const nbr::TensionResistance t = nbr::tension_resistance(st.Ag, s.fy, s.fu);
    st.Rd1 = t.yield;
    st.Rd2 = t.fracture;
    st.Rd_t = t.Rd;
    st.tension_limit = t.governing;
    // Judged on the magnitude: a tension typed with a minus sign in the
    // tension box is still a tension.
    const double N = std::fabs(rules.two_forces ? st.Nt : st.Nd);
    show_result(boxes, st, rules.two_forces ? kAngleTensionRow : kAngleAxialRow, st.Rd_t,
                utilisation(N, st.Rd_t), N <= st.Rd1 && N <= st.Rd2);
}

void compression(const AngleRules& rules, Boxes& boxes, Messages& messages, AngleState& st) {
    const Steel& s = st.steel;
    st.ran_compression = true;
    const bool single = !is_pair(rules);
    st.lx = divide(st.Lflx, st.rx);
    st.ly = divide(st.Lfly, st.ry);
    if (single)
        st.lz = divide(st.Lfly, st.rz);
    if (st.lx > nbr::kSlendernessLimit || st.ly > nbr::kSlendernessLimit ||
        st.lz > nbr::kSlendernessLimit) {
        st.slenderness_warning = true;
        messages.show(kSlendernessMessage);
    }

    if (single) {
        const nbr::ElementFactor bf = leg_factor(s, st.bf, st.tf);
        st.Q_bf = bf.Q;
        st.Q_bf_range = bf.range;
        st.Q = st.Q_bf;
        if (rules.both_legs_q) {
            const nbr::ElementFactor d = leg_factor(s, st.d, st.tf);
            st.Q_d = d.Q;
            st.Q_d_range = d.range;
            if (st.Q_d < st.Q)
                st.Q = st.Q_d;
        }
    } else {
        const nbr::ElementFactor qs = leg_factor(s, leg(st, rules.qs_leg), st.tf);
        st.Qs = qs.Q;
        st.Qs_range = qs.range;
        effective_width_factor(rules, st);
        st.Q = finite(st.Qs * st.Qa);
    }

    const double factor = nbr::reduced_slenderness_factor(st.Q, s.fy, s.E);
    st.lx2 = nbr::reduced_slenderness(st.lx, factor);
    st.ly2 = nbr::reduced_slenderness(st.ly, factor);
    st.curve = kAngleCurveName;
    st.alpha = kAngleCurve;
    const nbr::CurvePoint x = nbr::column_curve(st.lx2, kAngleCurve);
    const nbr::CurvePoint y = nbr::column_curve(st.ly2, kAngleCurve);
    st.plateau_x = x.plateau;
    st.Bx = x.beta;
    st.rox = x.rho;
    st.plateau_y = y.plateau;
    st.By = y.beta;
    st.roy = y.rho;
    st.ro = st.roy < st.rox ? st.roy : st.rox;
    if (single) {
        st.lz2 = nbr::reduced_slenderness(st.lz, factor);
        const nbr::CurvePoint z = nbr::column_curve(st.lz2, kAngleCurve);
        st.plateau_z = z.plateau;
        st.Bz = z.beta;
        st.roz = z.rho;
        if (st.roz < st.ro)
            st.ro = st.roz;
    }
    st.Rd_c = nbr::compression_resistance(st.ro, st.Q, st.Ag, s.fy);
    show_result(boxes, st, kAngleAxialRow, st.Rd_c, utilisation(st.Nd, st.Rd_c),
                resists(st.Rd_c, st.Nd));
}

// The largest spacing of the spacers: the slenderness of one angle between
// spacers (over its rz) kept to that of the pair, or to 240 under tension.
void spacing(const AngleRules& rules, Boxes& boxes, AngleState& st) {
    const bool pushed = compressed(rules, st);
    const bool pulled = tensioned(rules, st);
    if (!pushed && !pulled)
        return;
    st.ran_spacing = true;
    const bool x_set = !is_zero(st.Lflx);
    const bool y_set = !is_zero(st.Lfly);
    const bool lengths_usable =
        rules.spacing_needs_both_lengths ? (x_set && y_set) : (x_set || y_set);
    switch (rules.spacing) {
        case SpacingRule::None:
            return;
        case SpacingRule::LargerAxis:
            if (pushed && lengths_usable) {
                st.lx = divide(st.Lflx, st.rx);
                st.ly = divide(st.Lfly, st.ry);
                st.ac = nbr::compression_spacing(st.rz, st.ly > st.lx ? st.ly : st.lx);
            }
            if (pulled)
                st.at = nbr::tension_spacing(st.rz);
            break;
        case SpacingRule::SmallerAxis: {
            st.lx = divide(st.Lflx, st.rx);
            st.ly = divide(st.Lfly, st.ry);
            const double value = nbr::compression_spacing(st.rz, st.ly < st.lx ? st.ly : st.lx);
            if (pushed)
                st.ac = value;
            if (pulled)
                st.at = value;
            break;
        }
    }
    st.espa = st.at > st.ac ? st.at : st.ac;
    boxes.set_text(kSpacingBox, format_decimal(st.espa, 6));
}

}  // namespace

void check_angle(const AngleRules& rules, Boxes& boxes, Messages& messages, AngleState& st) {
    reset(rules, boxes, st);
    read(rules, boxes, st);
    form_section(rules, st);

    if (rules.spacer_warning && !is_zero(st.e) && st.tf > st.e) {
        st.spacer_warning = true;
        messages.show(kSpacerMessage);
    }

    if (tensioned(rules, st))
        tension(rules, boxes, st);

    if (compressed(rules, st)) {
        if (is_zero(st.Lflx) || is_zero(st.Lfly)) {
            messages.show(kAngleLengthMessage);
            st.invalid_length = 1;
        } else {
            compression(rules, boxes, messages, st);
        }
    }

    if (rules.spacing != SpacingRule::None)
        spacing(rules, boxes, st);
}

}  // namespace quintaro::checks
