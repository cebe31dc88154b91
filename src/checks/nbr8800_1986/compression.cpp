#include "checks/nbr8800_1986/compression.h"

#include <numbers>

#include "checks/numeric.h"

namespace quintaro::checks::nbr8800_1986 {

AxisCurves i_section_curves(double tf) {
    if (tf > kThickFlange)
        return {true, 'c', 'd', kCurveC, kCurveD};
    return {false, 'b', 'c', kCurveB, kCurveC};
}

double reduced_slenderness_factor(double Q, double fy, double E) {
    return root(divide(Q * fy, E));
}

double reduced_slenderness(double slenderness, double factor) {
    return finite(slenderness / std::numbers::pi * factor);
}

CurvePoint column_curve(double reduced, double alpha) {
    if (reduced <= kCurvePlateau)
        return {true, 0.0, 1.0};
    const double l2sq = square(reduced);
    CurvePoint p;
    p.beta =
        finite(divide(1.0, 2.0 * l2sq) * (1.0 + alpha * root(l2sq - kCurvePlateauSquared) + l2sq));
    p.rho = finite(p.beta - root(square(p.beta) - divide(1.0, l2sq)));
    return p;
}

double compression_resistance(double rho, double Q, double Ag, double fy) {
    return finite(-kPhiCompression * rho * Q * Ag * fy);
}

}  // namespace quintaro::checks::nbr8800_1986
