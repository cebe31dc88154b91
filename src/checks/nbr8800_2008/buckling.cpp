#include "checks/nbr8800_2008/buckling.h"

#include <cmath>

namespace quintaro::checks::nbr2008 {
namespace {

// 5.3.3.
constexpr double kChiBase = 0.658;
constexpr double kChiElastic = 0.877;

// E.1.4 a) and b): Kx1·Lx1 = c1·rx1 + c2·L below and above the break.
struct LengthPair {
    double break_at;
    double below_r, below_L;
    double above_r, above_L;
};
constexpr LengthPair kPlanar{kPlanarBreak, 72.0, 0.75, 32.0, 1.25};
constexpr LengthPair kSpatial{kSpatialBreak, 60.0, 0.80, 45.0, 1.00};
// E.1.4: increment for unequal legs connected by the shorter one, and the
// lower bound on the result.
constexpr double kShortLegIncrement = 4.0;
constexpr double kShortLegLowerBound = 0.95;

// Bisection rounds for the cubic: the bracket halves each round, so 200
// rounds take any bracket below the resolution of a double.
constexpr int kCubicRounds = 200;

}  // namespace

double flexural_load(double I, double KL) {
    return divide(kPi * kPi * kE * I, square(KL));
}

double torsional_load(double Cw, double J, double KzLz, double r0sq) {
    return divide(divide(kPi * kPi * kE * Cw, square(KzLz)) + kG * J, r0sq);
}

double polar_radius_sq(double rx, double ry, double x0, double y0) {
    return finite(square(rx) + square(ry) + square(x0) + square(y0));
}

double flexural_torsional_load(double Ne_sym, double Nez, double a0, double r0sq) {
    const double k = finite(1.0 - divide(square(a0), r0sq));
    const double sum = finite(Ne_sym + Nez);
    const double disc = finite(1.0 - divide(4.0 * Ne_sym * Nez * k, square(sum)));
    return finite(divide(sum, 2.0 * k) * (1.0 - root(disc)));
}

double asymmetric_load(double Nex, double Ney, double Nez, double x0, double y0, double r0sq) {
    const double ax = divide(square(x0), r0sq);
    const double ay = divide(square(y0), r0sq);
    const auto f = [&](double N) {
        return finite((N - Nex) * (N - Ney) * (N - Nez) - N * N * (N - Ney) * ax -
                      N * N * (N - Nex) * ay);
    };
    // f(0) < 0 and f(min(Nex, Ney, Nez)) ≥ 0: the smallest root lies between.
    double lo = 0.0;
    double hi = std::fmin(Nex, std::fmin(Ney, Nez));
    if (f(hi) <= 0.0)
        return hi;
    for (int round = 0; round < kCubicRounds && hi - lo > 0.0; ++round) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi)
            break;
        if (f(mid) < 0.0)
            lo = mid;
        else
            hi = mid;
    }
    return 0.5 * (lo + hi);
}

double reduced_slenderness(double Q, double Ag, double fy, double Ne) {
    return root(divide(Q * Ag * fy, Ne));
}

bool reduction_is_elastic(double lambda0) {
    return lambda0 > kLambda0Break;
}

double reduction_factor(double lambda0) {
    if (reduction_is_elastic(lambda0))
        return divide(kChiElastic, square(lambda0));
    return finite(std::pow(kChiBase, square(lambda0)));
}

double compression_resistance(double chi, double Q, double Ag, double fy) {
    return divide(chi * Q * Ag * fy, kGammaA1);
}

EquivalentLength equivalent_length(TrussKind kind, double L, double rx1, bool short_leg,
                                   double leg_ratio, double rz) {
    EquivalentLength out;
    out.kind = kind;
    out.L = L;
    out.rx1 = rx1;
    out.L_rx1 = divide(L, rx1);
    const LengthPair& pair = kind == TrussKind::Planar ? kPlanar : kSpatial;
    out.beyond_break = out.L_rx1 > pair.break_at;
    out.KL_base = out.beyond_break ? finite(pair.above_r * rx1 + pair.above_L * L)
                                   : finite(pair.below_r * rx1 + pair.below_L * L);
    out.KL = out.KL_base;
    out.short_leg = short_leg;
    out.leg_ratio = leg_ratio;
    if (short_leg) {
        out.increment = finite(kShortLegIncrement * (square(leg_ratio) - 1.0) * rx1);
        out.KL = finite(out.KL_base + out.increment);
        out.lower_bound = finite(kShortLegLowerBound * L * divide(rx1, rz));
        if (out.lower_bound > out.KL) {
            out.KL = out.lower_bound;
            out.lower_bound_governs = true;
        }
    }
    return out;
}

void consider_mode(CompressionResult& out, double load, BucklingMode mode) {
    if (load < out.Ne) {
        out.Ne = load;
        out.mode = mode;
    }
}

void finish_compression(const Material& steel, double Ag, CompressionResult& out) {
    out.lambda0 = reduced_slenderness(out.Q, Ag, steel.fy, out.Ne);
    out.chi = reduction_factor(out.lambda0);
    out.chi_elastic = reduction_is_elastic(out.lambda0);
    out.NcRd = compression_resistance(out.chi, out.Q, Ag, steel.fy);
    out.outcome = Outcome::Done;
    out.ratio = divide(out.Nd, out.NcRd);
}

}  // namespace quintaro::checks::nbr2008
