#include "checks/nbr8800_1986/shear.h"

#include "checks/numeric.h"

namespace quintaro::checks::nbr8800_1986 {

PanelCoefficient panel_coefficient(double a_h) {
    if (a_h > kPanelLong)
        return {kUnstiffenedWebK, PanelRule::VeryLong};
    if (a_h < kPanelSquare)
        return {finite(kPanelK + divide(kUnstiffenedWebK, square(a_h))), PanelRule::Short};
    return {finite(kUnstiffenedWebK + divide(kPanelK, square(a_h))), PanelRule::Long};
}

ShearLimits shear_limits(double k, double E, double fy) {
    const double sqrt_kE_fy = root(divide(k * E, fy));
    return {finite(kShearPlastic * sqrt_kE_fy), finite(kShearInelastic * sqrt_kE_fy)};
}

double plastic_shear(double factor, double Aw, double fy) {
    return finite(factor * Aw * fy);
}

NominalShear nominal_shear(double l, const ShearLimits& limits, double Vpl) {
    if (l <= limits.lp)
        return {Vpl, Range::Full};
    if (l <= limits.lr)
        return {finite(divide(limits.lp, l) * Vpl), Range::Inelastic};
    return {finite(kShearElastic * square(divide(limits.lp, l)) * Vpl), Range::Elastic};
}

double shear_resistance(double Vn) {
    return finite(kPhiShear * Vn);
}

}  // namespace quintaro::checks::nbr8800_1986
