#pragma once

#include "checks/nbr8800_2008/bending_steps.h"

// Bending about x of an I section whose web is slender, h/tw > 5,70·√(E/fy)
// (NBR 8800:2008, Annex H), doubly symmetric: hc = h, Wxc = Wxt = W.
namespace quintaro::checks::nbr2008 {

// H.1: webs without transverse stiffeners: h/tw ≤ 0,42·E/fy and ≤ 260.
inline constexpr double kUnstiffenedWebLimit = 0.42;
inline constexpr double kAbsoluteWebLimit = 260.0;
// H.2: ar ≤ 10.
inline constexpr double kArHighest = 10.0;

struct SlenderWebResult {
    double h_tw = 0.0;
    double h_tw_limit = 0.0;  // the largest h/tw Annex H admits without stiffeners
    bool within_limits = false;
    double ar = 0.0;                  // hc·tw/(bfc·tfc), at most 10
    double kpg = 0.0;                 // H.2
    double rT = 0.0;                  // compression flange plus a third of the compressed web
    LimitStateResult tension_flange;  // Wxt·fy
    LimitStateResult flt;             // λ = Lb/rT
    LimitStateResult flm;             // λ = bf/2tf
};

// The section's plates in cm; W the elastic modulus about x; kc of Annex F.
struct PlateGirder {
    double bf = 0.0, tf = 0.0, h = 0.0, tw = 0.0;
    double W = 0.0;
    double kc = 1.0;
};

// H.1: whether the web may be designed by this Annex.
double slender_web_limit(const Material& steel);
// H.2: kpg = 1 − ar/(1 200 + 300·ar)·(hc/tw − 5,70·√(E/fy)), at most 1.
double plate_girder_factor(const Material& steel, double ar, double hc_tw);
// H.2: the three limit states; within_limits false leaves them unset.
SlenderWebResult slender_web_bending(const Material& steel, const PlateGirder& g, double Lb,
                                     double Cb);

}  // namespace quintaro::checks::nbr2008
