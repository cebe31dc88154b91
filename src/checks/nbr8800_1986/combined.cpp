#include "checks/nbr8800_1986/combined.h"

#include <cmath>

#include "checks/nbr8800_1986/bending.h"
#include "checks/numeric.h"

namespace quintaro::checks::nbr8800_1986 {

double squash_load(double Ag, double fy) {
    return finite(Ag * fy);
}

AxialWebLimit axial_web_limit(double Nd, double Ny, double sqrt_E_fy) {
    AxialWebLimit w;
    w.use = divide(std::fabs(Nd), kPhiSquash * Ny);
    w.low = w.use <= kAxialWebBranch;
    if (w.low)
        w.lp = finite(kWebPlastic * sqrt_E_fy * (1.0 - kAxialWebSlope * w.use));
    else
        w.lp = finite(kAxialWebHigh * sqrt_E_fy);
    return w;
}

double euler_load(double Ag, double fy, double reduced) {
    return divide(Ag * fy, square(reduced));
}

double amplification_margin(double Nd, double Ne) {
    return 1.0 - std::fabs(divide(Nd, kAmplification * Ne));
}

double interaction_term(double action, double numerator, double denominator) {
    if (is_zero(action))
        return 0.0;
    return std::fabs(divide(numerator, denominator));
}

}  // namespace quintaro::checks::nbr8800_1986
