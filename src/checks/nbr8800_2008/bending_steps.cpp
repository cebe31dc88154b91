#include "checks/nbr8800_2008/bending_steps.h"

namespace quintaro::checks::nbr2008 {

double plastic_moment(double Z, double fy) {
    return finite(Z * fy);
}

double bending_cap(double W, double fy) {
    return divide(kElasticCapFactor * W * fy, kGammaA1);
}

double inelastic_line(double Mpl, double Mr, double lambda, double lambda_p, double lambda_r) {
    return finite(Mpl - (Mpl - Mr) * divide(lambda - lambda_p, lambda_r - lambda_p));
}

namespace cb_entry {

double lambda_r(double lambda_r_uniform, double /*Cb*/) {
    return lambda_r_uniform;
}

double inelastic(double Cb, double line_moment) {
    return finite(Cb * line_moment);
}

double elastic(double Cb, double Mcr_uniform) {
    return finite(Cb * Mcr_uniform);
}

}  // namespace cb_entry

void settle(LimitStateResult& state, double Mn, double ceiling) {
    state.applies = true;
    state.capped = Mn > ceiling;
    state.Mn = state.capped ? ceiling : Mn;
    state.MRd = divide(state.Mn, kGammaA1);
}

}  // namespace quintaro::checks::nbr2008
