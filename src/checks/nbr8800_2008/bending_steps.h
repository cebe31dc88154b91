#pragma once

#include "checks/nbr8800_2008/constants.h"

// What every bending limit state of NBR 8800:2008 shares: the record of one
// limit state, the plastic moment, the 1,50·W·fy cap, and the step where Cb
// enters the lateral-torsional resistance.
namespace quintaro::checks::nbr2008 {

// One limit state of Annex G or H by symbol. Moments in kN·cm; Mn is the
// nominal moment after Cb and the caps, MRd = Mn/γa1.
struct LimitStateResult {
    bool applies = false;
    double lambda = 0.0, lambda_p = 0.0, lambda_r = 0.0;
    double Mr = 0.0;   // moment at λr
    double Mcr = 0.0;  // elastic moment, only in the elastic range
    double Mn = 0.0;
    double MRd = 0.0;
    Range range = Range::Compact;
    bool capped = false;  // the Cb-raised value was cut to its ceiling
};

// Annex G, G.2.1: Mpl = Z·fy.
double plastic_moment(double Z, double fy);
// 5.4.2.2: MRd ≤ 1,50·W·fy/γa1.
inline constexpr double kElasticCapFactor = 1.50;
double bending_cap(double W, double fy);

// Straight line from Mpl at λp to Mr at λr (Annex G, G.2.1 b).
double inelastic_line(double Mpl, double Mr, double lambda, double lambda_p, double lambda_r);

// Where Cb enters the lateral-torsional resistance. NBR 8800:2008, Annex G:
// λr does not depend on Cb, and Cb multiplies the inelastic line and the
// elastic moment, each then kept to its ceiling. The 2024 edition moves Cb
// into λr and drops it from the inelastic line: that edition replaces these
// three functions and nothing else.
namespace cb_entry {
double lambda_r(double lambda_r_uniform, double Cb);
double inelastic(double Cb, double line_moment);
double elastic(double Cb, double Mcr_uniform);
}  // namespace cb_entry

// Fills Mn (kept to `ceiling`) and MRd; records whether the ceiling cut it.
void settle(LimitStateResult& state, double Mn, double ceiling);

}  // namespace quintaro::checks::nbr2008
