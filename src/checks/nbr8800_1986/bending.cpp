#include "checks/nbr8800_1986/bending.h"

#include <numbers>

#include "checks/numeric.h"
#include "checks/units.h"

namespace quintaro::checks::nbr8800_1986 {

namespace {
constexpr double kPi = std::numbers::pi;
}  // namespace

double root_E_fy(double E, double fy) {
    return root(divide(E, fy));
}

double web_plastic_limit(double sqrt_E_fy) {
    return finite(kWebPlastic * sqrt_E_fy);
}

double web_slender_limit(double sqrt_E_fy) {
    return finite(kWebSlender * sqrt_E_fy);
}

double flange_plastic_limit(double sqrt_E_fy) {
    return finite(kFlangePlastic * sqrt_E_fy);
}

double lateral_plastic_limit(double sqrt_E_fy) {
    return finite(kLateralPlastic * sqrt_E_fy);
}

double beta1(double G, double E, double IT, double Ag) {
    return finite(kPi * root(G * E * IT * Ag));
}

double beta2(double G, double E, double Ag, double d, double tf, double IT) {
    const double lever = units::mm_to_cm(d - tf);
    return divide(kPi * kPi * E / (4.0 * G) * Ag * square(lever), IT);
}

double plastic_moment(double Z, double fy) {
    return finite(Z * fy);
}

double web_yield_moment(double fy, double W) {
    return finite(fy * W);
}

double residual_moment(double fy, double fr, double W) {
    return finite((fy - fr) * W);
}

double flange_residual_moment(double fy, double fr, double W) {
    const double Mr = residual_moment(fy, fr, W);
    return Mr > fy * W ? web_yield_moment(fy, W) : Mr;
}

double interpolate(double Mpl, double Mr, double l, double lp, double lr) {
    return finite(Mpl - (Mpl - Mr) * divide(l - lp, lr - lp));
}

WebMoment web_moment(double Mpl, double fy, double W, double l, double lp, double lr) {
    if (l > lp) {
        const double Mr = web_yield_moment(fy, W);
        return {Mr, interpolate(Mpl, Mr, l, lp, lr), Range::Inelastic};
    }
    return {0.0, Mpl, Range::Full};
}

FlangeMoment flange_moment(double Mpl, double fy, double fr, double E, double W, double l,
                           double lp) {
    FlangeMoment m;
    m.Mr = flange_residual_moment(fy, fr, W);
    m.lr = finite(kFlangeSlender * root(divide(E * W, m.Mr)));
    if (l <= lp) {
        m.Mn = Mpl;
    } else if (l <= m.lr) {
        m.Mn = interpolate(Mpl, m.Mr, l, lp, m.lr);
        m.range = Range::Inelastic;
    } else {
        m.Mcr = divide(kFlangeCritical * E * W, square(l));
        m.Mn = m.Mcr;
        m.range = Range::Elastic;
    }
    return m;
}

LateralMoment lateral_moment(double Mpl, double fy, double fr, double W, double Cb, double B1,
                             double B2, double l, double lp, LateralGrowth growth) {
    LateralMoment m;
    m.Mr = residual_moment(fy, fr, W);
    const double B1sq = finite(square(Cb) * square(B1));
    m.lr = finite(divide(kLateralSlender * Cb * B1, m.Mr) *
                  root(1.0 + root(1.0 + divide(kLateralSlenderInner * B2 * square(m.Mr), B1sq))));
    if (l <= lp) {
        m.Mn = Mpl;
    } else if (l <= m.lr) {
        m.Mn = interpolate(Mpl, m.Mr, l, lp, m.lr);
        m.range = Range::Inelastic;
    } else {
        const double grows =
            growth == LateralGrowth::TimesLambda ? finite(B2 * square(l)) : divide(B2, square(l));
        m.Mcr = finite(divide(Cb * B1, l) * root(1.0 + grows));
        m.Mn = m.Mcr;
        m.range = Range::Elastic;
    }
    return m;
}

double moment_cap(double W, double fy) {
    return finite(kMomentCap * W * fy);
}

NominalMoment nominal_moment(double FLA, double FLM, double FLT, double W, double fy) {
    NominalMoment n;
    n.Mn = FLA;
    if (FLM < n.Mn) {
        n.governing = Governing::FLM;
        n.Mn = FLM;
    }
    if (FLT < n.Mn) {
        n.governing = Governing::FLT;
        n.Mn = FLT;
    }
    n.limit = moment_cap(W, fy);
    if (n.Mn > n.limit) {
        n.Mn = n.limit;
        n.capped = true;
    }
    return n;
}

double moment_resistance(double Mn) {
    return finite(kPhiBending * Mn);
}

}  // namespace quintaro::checks::nbr8800_1986
