#pragma once

#include "checks/nbr8800_2008/constants.h"

// Axial force with bending (NBR 8800:2008, 5.5.1.2), with the first-order
// moments amplified by B1 when they do not yet hold the second-order effects.
namespace quintaro::checks::nbr2008 {

// 5.5.1.2: the interaction changes form at NSd/NRd = 0,2.
inline constexpr double kAxialShareBreak = 0.2;
// Annex D, D.2.2: Cm = 1,0 is the safe value when the moment diagram is not known.
inline constexpr double kCmSafe = 1.0;

// Annex D, D.2.2: B1 = Cm/(1 − NSd/Ne1), at least 1. Ne1 > NSd is the
// caller's to ensure.
double amplification_factor(double Cm, double Nd, double Ne1);

enum class InteractionForm {
    HighAxial,  // NSd/NRd ≥ 0,2: n + 8/9·(mx + my)
    LowAxial,   // NSd/NRd < 0,2: n/2 + (mx + my)
};

// 5.5.1.2 a) and b) from the three shares NSd/NRd, Mx,Sd/Mx,Rd, My,Sd/My,Rd.
double interaction_ratio(double n, double mx, double my, InteractionForm& form);

struct CombinedResult {
    Outcome outcome = Outcome::NotRun;
    // |Nd| ≥ Ne1 about an axis with a moment: the member fails with no ratio.
    bool unbounded = false;
    bool amplified = false;  // B1 applied (compression, moments without 2nd order)
    double Cm = kCmSafe;
    double Ne1x = 0.0, Ne1y = 0.0;
    double B1x = 1.0, B1y = 1.0;
    double Mdx = 0.0, Mdy = 0.0;  // moments entering the ratio (magnitudes, amplified)
    double NRd = 0.0;             // Nt,Rd or Nc,Rd
    double n = 0.0, mx = 0.0, my = 0.0;
    InteractionForm form = InteractionForm::LowAxial;
    double ratio = 0.0;
};

}  // namespace quintaro::checks::nbr2008
