#pragma once

#include <string>

#include "checks/boxes.h"
#include "checks/frame.h"

// The check of the doubly symmetric and channel members: rolled I, rolled H,
// rolled channel and welded I. One algorithm (tension or compression, shear,
// bending about x and y, combined actions) with the few rules in which the
// families differ; the working state keeps every quantity by the symbol the
// formulas and the calculation report use.
namespace quintaro::checks {

enum class MemberFamily { RolledI, RolledH, Channel, Welded };

// Which nominal moment governed a bending check (on ties the earlier one).
enum class Governing { FLA, FLM, FLT };

// Bending about one axis: the bending step and its recomputation in the
// combined step. Moments in kN·cm.
struct AxisBending {
    double Z = 0.0;  // plastic modulus used (cm³)
    double W = 0.0;  // elastic modulus used, Wc = Wt = W (cm³)
    double Mpl = 0.0;
    // Web local buckling (FLA): Mr only when la > lpa.
    double Mr_FLA = 0.0;
    double Mn_FLA = 0.0;
    // Flange local buckling (FLM).
    double Mr_FLM = 0.0;
    double lrm = 0.0;
    double Mcr_FLM = 0.0;  // only when lm > lrm
    double Mn_FLM = 0.0;
    // Lateral-torsional buckling (FLT).
    double Mr_FLT = 0.0;
    double lrt = 0.0;
    double Mcr_FLT = 0.0;  // only when lt > lrt
    double Mn_FLT = 0.0;
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

    // Compression.
    double lx = 0.0, ly = 0.0;
    bool slenderness_warning = false;
    double bt = 0.0;  // flange ratio used for Qs
    double Qs = 0.0;
    double hw = 0.0;  // h/tw
    double bef = 0.0, Aef = 0.0, Qa = 0.0, Q = 0.0;
    double f = 0.0;      // last web stress of the iteration (MPa)
    int iterations = 0;  // rounds of the iteration (0 when it did not run)
    double lx2 = 0.0, ly2 = 0.0;
    double ax = 0.0, ay = 0.0;
    double Bx = 0.0, By = 0.0;
    double rox = 0.0, roy = 0.0, ro = 0.0;
    double RdNd_c = 0.0;  // negative

    // Shear.
    double Aw = 0.0;
    double a = 0.0;    // rolled: 4·tw (mm)
    double a_h = 0.0;  // rolled: a/h
    double k = 0.0;
    double lv = 0.0, lpv = 0.0, lrv = 0.0;
    double Vpl = 0.0, Vn = 0.0;
    double RdVd = 0.0;  // signed like Vd

    // Bending: slenderness shared by both axes.
    double la = 0.0, lpa = 0.0, lra = 0.0;
    double lm = 0.0, lpm = 0.0;
    double lt = 0.0, lpt = 0.0;
    double Cb = 0.0, B1 = 0.0, B2 = 0.0;
    AxisBending bx, by;

    // Combined actions.
    double Ny = 0.0;
    double lpa_combined = 0.0;  // web limit under axial force
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
