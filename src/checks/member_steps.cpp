#include "checks/member_steps.h"

#include <cmath>

#include "checks/nbr8800_1986/bending.h"
#include "checks/nbr8800_1986/combined.h"
#include "checks/nbr8800_1986/compression.h"
#include "checks/nbr8800_1986/local_buckling.h"
#include "checks/nbr8800_1986/shear.h"
#include "checks/nbr8800_1986/tension.h"
#include "checks/numeric.h"
#include "checks/units.h"
#include "common/decimal.h"
#include "common/handler_error.h"

namespace quintaro::checks::member_steps {
namespace {

namespace nbr = nbr8800_1986;

double with_sign_of(double resistance, double action) {
    return action < 0.0 ? -resistance : resistance;
}

void tension(Boxes& boxes, MemberState& st) {
    const Steel& s = st.steel;
    st.ran_tension = true;
    const nbr::TensionResistance t = nbr::tension_resistance(st.Ag, s.fy, s.fu);
    st.RdNd_y = t.yield;
    st.RdNd_u = t.fracture;
    st.RdNd_t = t.Rd;
    st.tension_limit = t.governing;
    show_result(boxes, st, axial_row(), st.RdNd_t, utilisation(st.Nd, st.RdNd_t),
                st.Nd <= st.RdNd_y && st.Nd <= st.RdNd_u);
}

// The web's effective area when h/tw passes 1,47·√(E/fy): in pure
// compression (for the families that iterate) at the stress the effective
// section carries, otherwise at fy.
void web_effective_area(const FamilyRules& rules, MemberState& st) {
    if (rules.iterate_pure_compression && is_zero(st.Mdx) && is_zero(st.Mdy)) {
        const nbr::IteratedWeb web = nbr::iterate_web_width(st.Nd, st.Ag, st.h, st.tw);
        st.Qa_rule = WebQa::Iterated;
        st.bef = web.bef;
        st.Aef = web.Aef;
        st.f = web.f;
        st.iterations = web.iterations;
        st.web_width_rule = web.rule;
    } else {
        st.Qa_rule = WebQa::AtYield;
        st.bef = nbr::effective_width_at_yield(st.tw, st.hw, st.steel.fy);
        st.Aef = nbr::effective_area(st.Ag, 1.0, st.h, st.bef, st.tw);
    }
}

void compression(const FamilyRules& rules, Boxes& boxes, Messages& messages, MemberState& st) {
    const Steel& s = st.steel;
    st.ran_compression = true;
    st.lx = divide(st.Lflx, st.rx);
    st.ly = divide(st.Lfly, st.ry);
    if (st.lx > nbr::kSlendernessLimit || st.ly > nbr::kSlendernessLimit) {
        st.slenderness_warning = true;
        messages.show(rules.slenderness_message);
    }

    // Flange (unstiffened element).
    const double sqrt_E_fy = nbr::root_E_fy(s.E, s.fy);
    st.bt = rules.full_flange_outstand ? divide(st.bf, st.tf) : divide(st.bf / 2.0, st.tf);
    const nbr::ElementFactor flange =
        nbr::unstiffened_factor(nbr::kFlangeOutstand, st.bt, s.fy, s.E);
    st.Qs = flange.Q;
    st.Qs_range = flange.range;

    // Web (stiffened element).
    st.hw = divide(st.h, st.tw);
    if (st.hw <= nbr::kWebFullyEffective * sqrt_E_fy) {
        st.Qa = 1.0;
    } else {
        web_effective_area(rules, st);
        st.Qa = nbr::effective_area_factor(st.Aef, st.Ag);
    }
    st.Q = finite(st.Qs * st.Qa);

    const double factor = nbr::reduced_slenderness_factor(st.Q, s.fy, s.E);
    st.lx2 = nbr::reduced_slenderness(st.lx, factor);
    st.ly2 = nbr::reduced_slenderness(st.ly, factor);
    const nbr::AxisCurves curves = nbr::i_section_curves(st.tf);
    st.thick_flange = curves.thick_flange;
    st.curve_x = curves.curve_x;
    st.curve_y = curves.curve_y;
    st.ax = curves.alpha_x;
    st.ay = curves.alpha_y;
    const nbr::CurvePoint x = nbr::column_curve(st.lx2, st.ax);
    const nbr::CurvePoint y = nbr::column_curve(st.ly2, st.ay);
    st.plateau_x = x.plateau;
    st.Bx = x.beta;
    st.rox = x.rho;
    st.plateau_y = y.plateau;
    st.By = y.beta;
    st.roy = y.rho;
    st.buckling_axis = st.roy < st.rox ? Axis::y : Axis::x;
    st.ro = st.roy < st.rox ? st.roy : st.rox;
    st.RdNd_c = nbr::compression_resistance(st.ro, st.Q, st.Ag, s.fy);
    show_result(boxes, st, axial_row(), st.RdNd_c, utilisation(st.Nd, st.RdNd_c),
                resists(st.RdNd_c, st.Nd));
}

void shear(const FamilyRules& rules, Boxes& boxes, MemberState& st) {
    const Steel& s = st.steel;
    st.ran_shear = true;
    double factor = nbr::kPlasticShearI;
    if (rules.shear == ShearWeb::RolledPanel) {
        // The rolled sections' shear area takes the full depth; the panel
        // is taken as a = 4·tw long.
        st.Aw = finite(units::mm2_to_cm2_mul(st.d * st.tw));
        st.a = finite(kRolledPanelLength * st.tw);
        st.a_h = divide(st.a, st.h);
        const nbr::PanelCoefficient panel = nbr::panel_coefficient(st.a_h);
        st.k = panel.k;
        st.panel_rule = panel.rule;
    } else {
        st.Aw = finite(units::mm2_to_cm2(st.tw * st.h));
        st.k = nbr::kUnstiffenedWebK;
        st.panel_rule = nbr::PanelRule::Unstiffened;
        if (rules.shear == ShearWeb::Web60)
            factor = nbr::kPlasticShearChannel;
    }
    st.lv = divide(st.h, st.tw);
    const nbr::ShearLimits limits = nbr::shear_limits(st.k, s.E, s.fy);
    st.lpv = limits.lp;
    st.lrv = limits.lr;
    st.Vpl_factor = factor;
    st.Vpl = nbr::plastic_shear(factor, st.Aw, s.fy);
    const nbr::NominalShear nominal = nbr::nominal_shear(st.lv, limits, st.Vpl);
    st.Vn = nominal.Vn;
    st.shear_range = nominal.range;
    st.RdVd = with_sign_of(nbr::shear_resistance(st.Vn), st.Vd);
    show_result(boxes, st, shear_row(), st.RdVd, utilisation(st.Vd, st.RdVd),
                resists(st.RdVd, st.Vd));
}

// Slenderness of the three limit states and the torsion constants, the same
// for both axes.
void bending_slenderness(const FamilyRules& rules, MemberState& st) {
    const Steel& s = st.steel;
    const double sqrt_E_fy = nbr::root_E_fy(s.E, s.fy);
    st.la = divide(st.h, st.tw);
    st.lpa = nbr::web_plastic_limit(sqrt_E_fy);
    st.lra = nbr::web_slender_limit(sqrt_E_fy);
    st.lm = rules.full_flange_outstand ? divide(st.bf, st.tf) : divide(st.bf, 2.0 * st.tf);
    st.lpm = nbr::flange_plastic_limit(sqrt_E_fy);
    st.lt = divide(st.Lb, st.ry);
    st.lpt = nbr::lateral_plastic_limit(sqrt_E_fy);
    st.Cb = nbr::kCb;
    st.B1 = nbr::beta1(s.G, s.E, st.IT, st.Ag);
    st.B2 = nbr::beta2(s.G, s.E, st.Ag, st.d, st.tf, st.IT);
}

// Nominal moment about one axis and its design resistance. `growth` chooses
// how the critical moment of lateral-torsional buckling grows beyond λr.
void bend_axis(MemberState& st, AxisBending& ax, double Z, double W, nbr::LateralGrowth growth,
               double action) {
    const Steel& s = st.steel;
    ax.Z = Z;
    ax.W = W;
    ax.Mpl = nbr::plastic_moment(Z, s.fy);

    const nbr::WebMoment web = nbr::web_moment(ax.Mpl, s.fy, W, st.la, st.lpa, st.lra);
    ax.Mr_FLA = web.Mr;
    ax.Mn_FLA = web.Mn;
    ax.FLA_range = web.range;

    const nbr::FlangeMoment flange = nbr::flange_moment(ax.Mpl, s.fy, s.fr, s.E, W, st.lm, st.lpm);
    ax.Mr_FLM = flange.Mr;
    ax.lrm = flange.lr;
    ax.Mcr_FLM = flange.Mcr;
    ax.Mn_FLM = flange.Mn;
    ax.FLM_range = flange.range;

    const nbr::LateralMoment lateral =
        nbr::lateral_moment(ax.Mpl, s.fy, s.fr, W, st.Cb, st.B1, st.B2, st.lt, st.lpt, growth);
    ax.Mr_FLT = lateral.Mr;
    ax.lrt = lateral.lr;
    ax.Mcr_FLT = lateral.Mcr;
    ax.Mn_FLT = lateral.Mn;
    ax.FLT_range = lateral.range;

    const nbr::NominalMoment nominal =
        nbr::nominal_moment(ax.Mn_FLA, ax.Mn_FLM, ax.Mn_FLT, W, s.fy);
    ax.governing = nominal.governing;
    ax.Mn = nominal.Mn;
    ax.Mn_limit = nominal.limit;
    ax.capped = nominal.capped;
    ax.Rd = with_sign_of(nbr::moment_resistance(ax.Mn), action);
}

// The combined step's moment resistance about one axis: FLA with the web
// limit lowered by the axial force, FLM and FLT as in the bending step.
void recompute_axis(MemberState& st, AxisBending& ax, double action) {
    const Steel& s = st.steel;
    const nbr::WebMoment web = nbr::web_moment(ax.Mpl, s.fy, ax.W, st.la, st.lpa_combined, st.lra);
    ax.Mr_FLA_combined = web.Mr;
    ax.Mn_FLA_combined = web.Mn;
    ax.FLA_range_combined = web.range;
    const nbr::NominalMoment nominal =
        nbr::nominal_moment(ax.Mn_FLA_combined, ax.Mn_FLM, ax.Mn_FLT, ax.W, s.fy);
    ax.governing_combined = nominal.governing;
    ax.capped_combined = nominal.capped;
    ax.Mn_combined = nominal.Mn;
    ax.Rd_combined = with_sign_of(nbr::moment_resistance(nominal.Mn), action);
}

void combined(Boxes& boxes, Messages& messages, MemberState& st) {
    const Steel& s = st.steel;
    const bool mx = !is_zero(st.Mdx);
    const bool my = !is_zero(st.Mdy);
    const bool nd = !is_zero(st.Nd);
    if (!(((mx || my) && nd) || (mx && my)))
        return;

    st.ran_combined = true;
    st.Ny = nbr::squash_load(st.Ag, s.fy);
    const nbr::AxialWebLimit web = nbr::axial_web_limit(st.Nd, st.Ny, nbr::root_E_fy(s.E, s.fy));
    st.axial_use = web.use;
    st.axial_use_low = web.low;
    st.lpa_combined = web.lp;
    if (mx) {
        recompute_axis(st, st.bx, st.Mdx);
        st.RdMdx = st.bx.Rd_combined;
    }
    if (my) {
        recompute_axis(st, st.by, st.Mdy);
        st.RdMdy = st.by.Rd_combined;
    }

    if (st.Nd >= 0.0) {
        st.combined_form = CombinedForm::Tension;
        st.T1 = nbr::interaction_term(st.Nd, st.Nd, st.RdNd_t);
        st.T2 = nbr::interaction_term(st.Mdx, st.Mdx, st.RdMdx);
        st.T3 = nbr::interaction_term(st.Mdy, st.Mdy, st.RdMdy);
    } else if (!is_zero(st.Lflx) && !is_zero(st.Lfly)) {
        st.combined_form = CombinedForm::Compression;
        st.Cmx = nbr::kCm;
        st.Cmy = nbr::kCm;
        st.Nex = nbr::euler_load(st.Ag, s.fy, st.lx2);
        st.Ney = nbr::euler_load(st.Ag, s.fy, st.ly2);
        st.T1 = std::fabs(divide(st.Nd, st.RdNd_c));
        const double ampl_x = nbr::amplification_margin(st.Nd, st.Nex);
        const double ampl_y = nbr::amplification_margin(st.Nd, st.Ney);
        // At |Nd| >= 0,73·Ne the second-order amplification of the moment has
        // no bound: the member cannot carry that moment with this force. Taken
        // through the absolute value, the negative factor would give a small
        // term that passes, so the combined check fails outright instead.
        if ((mx && ampl_x <= 0.0) || (my && ampl_y <= 0.0)) {
            st.amplification_unbounded = true;
            messages.show(kAmplificationMessage);
            boxes.set_verdict(combined_row().verdict, false);
            record_row(st, combined_row().box, std::nullopt, false);
            return;
        }
        st.T2 = nbr::interaction_term(st.Mdx, st.Cmx * st.Mdx, finite(st.RdMdx * ampl_x));
        st.T3 = nbr::interaction_term(st.Mdy, st.Cmy * st.Mdy, finite(st.RdMdy * ampl_y));
    } else {
        // Compression refused for a zero buckling length: no ratio at all.
        return;
    }
    st.S = finite(st.T1 + st.T2 + st.T3);
    st.ratio_shown = true;
    show_result(boxes, st, combined_row(), st.S, std::fabs(st.S),
                std::fabs(st.S) <= nbr::kInteractionLimit);
}

}  // namespace

void read_lengths(const Boxes& boxes, MemberState& st) {
    st.Lflx = read_abs(boxes, "Compri_x");
    st.Lfly = read_abs(boxes, "Compri_y");
    st.Lb = read_abs(boxes, "Compri_z");
}

void start(Boxes& boxes, MemberState& st, MemberFamily family) {
    reset_results(boxes, kMemberResults);
    // Nothing of an earlier run survives except the invalid-length flag, so
    // that the search and the report see only what this run computed.
    const int flag = st.invalid_length;
    st = MemberState{};
    st.invalid_length = flag;
    st.family = family;
    if (boxes.has("R_Perfil"))
        st.designation = boxes.text("R_Perfil");
    st.steel = read_steel(boxes);
    st.Nd = read_signed(boxes, "R_Nd");
    st.Vd = read_signed(boxes, "R_Vd");
    st.Mdx = read_signed(boxes, "R_Mdx");
    st.Mdy = read_signed(boxes, "R_Mdy");
}

void require_web(const Boxes& boxes, const MemberState& st) {
    const double h = st.d - 2.0 * st.tf;
    if (!(h > 0.0)) {
        throw HandlerError(refused_value_message(
            "tf", boxes.text("R_tf"),
            "a alma não tem altura: h = d − 2·tf = " + format_decimal(h, 6) + " mm."));
    }
}

void derive_radii(MemberState& st) {
    st.h = finite(st.d - 2.0 * st.tf);
    st.rx = root(divide(st.Ix, st.Ag));
    st.ry = root(divide(st.Iy, st.Ag));
}

void run(const FamilyRules& rules, Boxes& boxes, Messages& messages, MemberState& st) {
    if (st.Nd > 0.0) {
        tension(boxes, st);
    } else if (st.Nd < 0.0) {
        if (is_zero(st.Lflx) || is_zero(st.Lfly)) {
            messages.show(kCompressionLengthMessage);
            st.invalid_length = 1;
        } else {
            compression(rules, boxes, messages, st);
        }
    }

    if (!is_zero(st.Vd))
        shear(rules, boxes, st);

    const bool mx = !is_zero(st.Mdx);
    const bool my = !is_zero(st.Mdy);
    if (!mx && !my)
        return;
    if (is_zero(st.Lb)) {
        messages.show(kBendingLengthMessage);
        st.invalid_length = 1;
        return;
    }

    bending_slenderness(rules, st);
    if (mx) {
        st.ran_bending_x = true;
        // Beyond λr about x the critical moment grows with √(1 + β2/λ²) in
        // every family: the long beam's torsional stiffness term fades.
        bend_axis(st, st.bx, st.Zx, st.Wx, nbr::LateralGrowth::OverLambda, st.Mdx);
        st.RdMdx = st.bx.Rd;
        show_result(boxes, st, moment_x_row(), st.bx.Rd, utilisation(st.Mdx, st.bx.Rd),
                    resists(st.bx.Rd, st.Mdx));
    }
    if (my) {
        st.ran_bending_y = true;
        bend_axis(st, st.by, st.Zy, st.Wy, rules.lateral_growth_y, st.Mdy);
        st.RdMdy = st.by.Rd;
        show_result(boxes, st, moment_y_row(), st.by.Rd, utilisation(st.Mdy, st.by.Rd),
                    resists(st.by.Rd, st.Mdy));
    }

    combined(boxes, messages, st);
}

}  // namespace quintaro::checks::member_steps
