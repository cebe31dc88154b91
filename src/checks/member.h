#pragma once

#include <string>

#include "checks/boxes.h"
#include "checks/frame.h"
#include "checks/nbr8800_1986/bending.h"
#include "checks/nbr8800_1986/local_buckling.h"
#include "checks/nbr8800_1986/shear.h"
#include "checks/nbr8800_1986/tension.h"

// The check of the doubly symmetric and channel members: rolled I, rolled H,
// rolled channel and welded I. One algorithm (tension or compression, shear,
// bending about x and y, combined actions) with the few rules in which the
// families differ; the working state keeps every quantity by the symbol the
// formulas and the calculation report use, and every branch the formulas
// took, so that the report and the search read them instead of deciding
// again. The formulas are those of nbr8800_1986/; the symbols are listed in
// GLOSSARY.md.
namespace quintaro::checks {

enum class MemberFamily { RolledI, RolledH, Channel, Welded };

// Which nominal moment governed a bending check (on ties the earlier one).
using Governing = nbr8800_1986::Governing;

// How the web's factor Qa was found.
enum class WebQa {
    Whole,     // h/tw ≤ 1,47·√(E/fy): Qa = 1
    AtYield,   // the effective width at f = fy
    Iterated,  // pure compression: at the stress the effective section carries
};

// Which interaction formula the combined step used.
enum class CombinedForm { Tension, Compression };

// Where the channel's plastic modulus about y came from.
enum class ZySource {
    Catalogue,          // the ZY the table gives
    PlasticNeutralAxis  // the table gives none (or 0): from the plates d, bf, tw, tf
};

// The axis whose column curve gave the smaller ρ (on a tie x).
enum class Axis { x, y, z };

// Bending about one axis: the bending step and its recomputation in the
// combined step. Moments in kN·cm.
struct AxisBending {
    double Z = 0.0;  // plastic modulus used (cm³)
    double W = 0.0;  // elastic modulus used, Wc = Wt = W (cm³)
    double Mpl = 0.0;
    // Web local buckling (FLA): Mr only when la > lpa.
    double Mr_FLA = 0.0;
    double Mn_FLA = 0.0;
    Range FLA_range = Range::Full;  // Full or Inelastic
    // Flange local buckling (FLM).
    double Mr_FLM = 0.0;
    double lrm = 0.0;
    double Mcr_FLM = 0.0;  // only when lm > lrm
    double Mn_FLM = 0.0;
    Range FLM_range = Range::Full;
    // Lateral-torsional buckling (FLT).
    double Mr_FLT = 0.0;
    double lrt = 0.0;
    double Mcr_FLT = 0.0;  // only when lt > lrt
    double Mn_FLT = 0.0;
    Range FLT_range = Range::Full;
    // Governing nominal moment, the 1,25·W·fy cap and the design resistance
    // shown in the result box (signed like its action).
    Governing governing = Governing::FLA;
    double Mn = 0.0;
    double Mn_limit = 0.0;  // 1,25·W·fy
    bool capped = false;
    double Rd = 0.0;
    // Combined step: FLA again with the web limit lowered by the axial force.
    double Mr_FLA_combined = 0.0;
    double Mn_FLA_combined = 0.0;
    Range FLA_range_combined = Range::Full;
    Governing governing_combined = Governing::FLA;
    double Mn_combined = 0.0;
    bool capped_combined = false;
    double Rd_combined = 0.0;
};

// Working state of one member window. Units: mm for d, bf, tw, tf, h, bef, a;
// cm², cm⁴, cm³, cm; kN, kN·cm, kN/cm².
struct MemberState : WorkingState {
    MemberFamily family = MemberFamily::RolledI;
    std::string series;  // welded window: text of Serie when the check ran

    // Section values read or derived.
    double d = 0.0, bf = 0.0, tw = 0.0, tf = 0.0;
    double Ag = 0.0, P = 0.0;
    double Ix = 0.0, Iy = 0.0, Wx = 0.0, Wy = 0.0, Zx = 0.0, Zy = 0.0, IT = 0.0;
    double x = 0.0;  // channel: centroid distance from the back of the web (cm)
    // Channel: where Zy came from and, when from the plates, their area (mm²)
    // and the plastic neutral axis from the back of the web (mm).
    ZySource Zy_source = ZySource::Catalogue;
    double A_plates = 0.0, xp = 0.0;
    bool xp_in_web = false;
    double h = 0.0, rx = 0.0, ry = 0.0;

    // Inputs: lengths (absolute) and actions (signed).
    double Lflx = 0.0, Lfly = 0.0, Lb = 0.0;
    double Nd = 0.0, Vd = 0.0, Mdx = 0.0, Mdy = 0.0;

    // Which steps ran in the last check.
    bool ran_tension = false;
    bool ran_compression = false;
    bool ran_shear = false;
    bool ran_bending_x = false;
    bool ran_bending_y = false;
    bool ran_combined = false;  // the moments were recomputed
    bool ratio_shown = false;   // a combined ratio was computed and shown
    // Compression with |Nd| >= 0,73·Ne about an axis with a moment: the
    // combined check failed without a ratio.
    bool amplification_unbounded = false;

    // Tension.
    double RdNd_y = 0.0;  // 0,9·Ag·fy
    double RdNd_u = 0.0;  // 0,75·Ag·fu
    double RdNd_t = 0.0;  // the smaller
    nbr8800_1986::TensionLimit tension_limit = nbr8800_1986::TensionLimit::Yield;

    // Compression.
    double lx = 0.0, ly = 0.0;
    bool slenderness_warning = false;
    double bt = 0.0;  // flange ratio used for Qs
    double Qs = 0.0;
    Range Qs_range = Range::Full;
    double hw = 0.0;  // h/tw
    WebQa Qa_rule = WebQa::Whole;
    double bef = 0.0, Aef = 0.0, Qa = 0.0, Q = 0.0;
    double f = 0.0;      // last web stress of the iteration (MPa)
    int iterations = 0;  // rounds of the iteration (0 when it did not run)
    // How the last round of the iteration found bef.
    nbr8800_1986::WebWidthRule web_width_rule = nbr8800_1986::WebWidthRule::Formula;
    double lx2 = 0.0, ly2 = 0.0;
    // Column curves: c and d instead of b and c for flanges over 40 mm.
    bool thick_flange = false;
    char curve_x = ' ', curve_y = ' ';
    double ax = 0.0, ay = 0.0;
    bool plateau_x = false, plateau_y = false;  // λ̄ ≤ 0,2: ρ = 1
    double Bx = 0.0, By = 0.0;
    double rox = 0.0, roy = 0.0, ro = 0.0;
    Axis buckling_axis = Axis::x;
    double RdNd_c = 0.0;  // negative

    // Shear.
    double Aw = 0.0;
    double a = 0.0;    // rolled: 4·tw (mm)
    double a_h = 0.0;  // rolled: a/h
    double k = 0.0;
    nbr8800_1986::PanelRule panel_rule = nbr8800_1986::PanelRule::Unstiffened;
    double lv = 0.0, lpv = 0.0, lrv = 0.0;
    double Vpl_factor = 0.0;  // c of Vpl = c·Aw·fy
    double Vpl = 0.0, Vn = 0.0;
    Range shear_range = Range::Full;
    double RdVd = 0.0;  // signed like Vd

    // Bending: slenderness shared by both axes.
    double la = 0.0, lpa = 0.0, lra = 0.0;
    double lm = 0.0, lpm = 0.0;
    double lt = 0.0, lpt = 0.0;
    double Cb = 0.0, B1 = 0.0, B2 = 0.0;
    AxisBending bx, by;

    // Combined actions.
    double Ny = 0.0;
    double axial_use = 0.0;      // |Nd|/(0,9·Ny)
    bool axial_use_low = false;  // ≤ 0,207: the web limit falls with the force
    double lpa_combined = 0.0;   // web limit under axial force
    CombinedForm combined_form = CombinedForm::Tension;
    double Cmx = 0.0, Cmy = 0.0;
    double Nex = 0.0, Ney = 0.0;
    double T1 = 0.0, T2 = 0.0, T3 = 0.0, S = 0.0;

    // Held moment resistances: those of the combined step when it ran, else
    // those of the bending steps (what the lightest-section search compares).
    double RdMdx = 0.0, RdMdy = 0.0;
};

void check_rolled_i(Boxes& boxes, Messages& messages, MemberState& state);
void check_rolled_h(Boxes& boxes, Messages& messages, MemberState& state);
void check_channel(Boxes& boxes, Messages& messages, MemberState& state);
void check_welded(Boxes& boxes, Messages& messages, MemberState& state);

}  // namespace quintaro::checks
