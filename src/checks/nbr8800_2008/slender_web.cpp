#include "checks/nbr8800_2008/slender_web.h"

#include <algorithm>

namespace quintaro::checks::nbr2008 {
namespace {

// H.2.
constexpr double kKpgBase = 1200.0;
constexpr double kKpgSlope = 300.0;
constexpr double kWebLambdaR = 5.70;
constexpr double kFltLambdaP = 1.10;
constexpr double kElasticStressFactor = 0.70;  // λr at 0,7·fy
constexpr double kInelasticDrop = 0.30;
constexpr double kFlmLambdaP = 0.38;
constexpr double kFlmLambdaR = 0.95;
constexpr double kFlmElastic = 0.90;
constexpr double kWebShare = 1.0 / 6.0;  // a third of the compressed half of the web

// kpg·W·fy·[1 − 0,3·(λ − λp)/(λr − λp)].
double inelastic(double ceiling, double lambda, double lambda_p, double lambda_r) {
    return finite(ceiling *
                  (1.0 - kInelasticDrop * divide(lambda - lambda_p, lambda_r - lambda_p)));
}

}  // namespace

double slender_web_limit(const Material& steel) {
    return std::min(divide(kUnstiffenedWebLimit * kE, steel.fy), kAbsoluteWebLimit);
}

double plate_girder_factor(const Material& steel, double ar, double hc_tw) {
    const double kpg = finite(1.0 - divide(ar, kKpgBase + kKpgSlope * ar) *
                                        (hc_tw - kWebLambdaR * root_e_fy(steel)));
    return std::min(kpg, 1.0);
}

SlenderWebResult slender_web_bending(const Material& steel, const PlateGirder& g, double Lb,
                                     double Cb) {
    SlenderWebResult out;
    out.h_tw = divide(g.h, g.tw);
    out.h_tw_limit = slender_web_limit(steel);
    out.within_limits = out.h_tw <= out.h_tw_limit;
    if (!out.within_limits)
        return out;
    out.ar = std::min(divide(g.h * g.tw, g.bf * g.tf), kArHighest);
    out.kpg = plate_girder_factor(steel, out.ar, out.h_tw);
    const double ceiling = finite(out.kpg * g.W * steel.fy);

    // H.2 a): yielding of the tension flange.
    settle(out.tension_flange, finite(g.W * steel.fy), finite(g.W * steel.fy));

    // H.2 b): lateral-torsional buckling of the compression flange.
    const double web_part = g.h * kWebShare;
    const double area = finite(g.bf * g.tf + web_part * g.tw);
    const double inertia = finite((g.tf * cube(g.bf) + web_part * cube(g.tw)) / 12.0);
    out.rT = root(divide(inertia, area));
    LimitStateResult& flt = out.flt;
    flt.lambda = divide(Lb, out.rT);
    flt.lambda_p = finite(kFltLambdaP * root_e_fy(steel));
    flt.lambda_r =
        cb_entry::lambda_r(finite(kPi * root(divide(kE, kElasticStressFactor * steel.fy))), Cb);
    flt.Mr = finite(kElasticStressFactor * ceiling);
    if (flt.lambda <= flt.lambda_p) {
        flt.range = Range::Compact;
        settle(flt, ceiling, ceiling);
    } else if (flt.lambda <= flt.lambda_r) {
        flt.range = Range::Inelastic;
        settle(flt,
               cb_entry::inelastic(Cb, inelastic(ceiling, flt.lambda, flt.lambda_p, flt.lambda_r)),
               ceiling);
    } else {
        flt.range = Range::Elastic;
        flt.Mcr = cb_entry::elastic(Cb, divide(out.kpg * kPi * kPi * kE * g.W, square(flt.lambda)));
        settle(flt, flt.Mcr, ceiling);
    }

    // H.2 c): local buckling of the compression flange.
    LimitStateResult& flm = out.flm;
    flm.lambda = divide(g.bf, 2.0 * g.tf);
    flm.lambda_p = finite(kFlmLambdaP * root_e_fy(steel));
    flm.lambda_r = finite(kFlmLambdaR * root(divide(kE * g.kc, kElasticStressFactor * steel.fy)));
    flm.Mr = finite(kElasticStressFactor * ceiling);
    if (flm.lambda <= flm.lambda_p) {
        flm.range = Range::Compact;
        settle(flm, ceiling, ceiling);
    } else if (flm.lambda <= flm.lambda_r) {
        flm.range = Range::Inelastic;
        settle(flm, inelastic(ceiling, flm.lambda, flm.lambda_p, flm.lambda_r), ceiling);
    } else {
        flm.range = Range::Elastic;
        flm.Mcr = divide(kFlmElastic * out.kpg * kE * g.kc * g.W, square(flm.lambda));
        settle(flm, flm.Mcr, ceiling);
    }
    return out;
}

}  // namespace quintaro::checks::nbr2008
