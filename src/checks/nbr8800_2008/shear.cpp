#include "checks/nbr8800_2008/shear.h"

#include <cmath>

namespace quintaro::checks::nbr2008 {
namespace {

// 5.4.3.1.1.
constexpr double kLambdaP = 1.10;
constexpr double kLambdaR = 1.37;
constexpr double kElastic = 1.24;
constexpr double kShearYield = 0.60;

}  // namespace

ShearResult web_shear(const Material& steel, double d, double tw, double h, double Vd) {
    ShearResult out;
    out.outcome = Outcome::Done;
    out.Vd = std::fabs(Vd);
    out.Aw = finite(d * tw);
    out.lambda = divide(h, tw);
    const double unit = root(divide(out.kv * kE, steel.fy));
    out.lambda_p = finite(kLambdaP * unit);
    out.lambda_r = finite(kLambdaR * unit);
    out.Vpl = finite(kShearYield * out.Aw * steel.fy);
    if (out.lambda <= out.lambda_p) {
        out.range = Range::Compact;
        out.VRd = divide(out.Vpl, kGammaA1);
    } else if (out.lambda <= out.lambda_r) {
        out.range = Range::Inelastic;
        out.VRd = divide(divide(out.lambda_p, out.lambda) * out.Vpl, kGammaA1);
    } else {
        out.range = Range::Elastic;
        out.VRd = divide(kElastic * square(divide(out.lambda_p, out.lambda)) * out.Vpl, kGammaA1);
    }
    out.ratio = divide(out.Vd, out.VRd);
    return out;
}

}  // namespace quintaro::checks::nbr2008
