#include "checks/nbr8800_2008/bending.h"

namespace quintaro::checks::nbr2008 {
namespace {

// Table G.1, FLT.
constexpr double kFltLambdaP = 1.76;
constexpr double kFltLambdaR = 1.38;
constexpr double kFltCwTerm = 27.0;
constexpr double kFltJTerm = 0.039;
// Table G.1, FLM.
constexpr double kFlmLambdaP = 0.38;
constexpr double kFlmLambdaRRolled = 0.83;
constexpr double kFlmLambdaRWelded = 0.95;
constexpr double kFlmElasticRolled = 0.69;
constexpr double kFlmElasticWelded = 0.90;
// Table G.1, FLA.
constexpr double kFlaLambdaP = 3.76;
constexpr double kFlaLambdaR = 5.70;

double residual_reduced(double fy) {
    return finite(fy - kResidualStressFactor * fy);  // fy − σr
}

}  // namespace

double flt_beta1(double fy, double W, double J) {
    return divide(residual_reduced(fy) * W, kE * J);
}

double flt_lambda_r(const TorsionSection& s, double fy) {
    const double b1 = flt_beta1(fy, s.W, s.J);
    const double first = divide(kFltLambdaR * root(s.Iy * s.J), s.ry * s.J * b1);
    const double inner = root(1.0 + divide(kFltCwTerm * s.Cw * square(b1), s.Iy));
    return finite(first * root(1.0 + inner));
}

double flt_mcr_uniform(const TorsionSection& s, double Lb) {
    const double euler = divide(kPi * kPi * kE * s.Iy, square(Lb));
    const double warping = divide(s.Cw, s.Iy) * (1.0 + divide(kFltJTerm * s.J * square(Lb), s.Cw));
    return finite(euler * root(warping));
}

LimitStateResult lateral_torsional(const Material& steel, const TorsionSection& s, double Lb,
                                   double Cb, double Mpl) {
    LimitStateResult out;
    out.lambda = divide(Lb, s.ry);
    out.lambda_p = finite(kFltLambdaP * root_e_fy(steel));
    out.lambda_r = cb_entry::lambda_r(flt_lambda_r(s, steel.fy), Cb);
    out.Mr = finite(residual_reduced(steel.fy) * s.W);
    if (out.lambda <= out.lambda_p) {
        out.range = Range::Compact;
        settle(out, Mpl, Mpl);
    } else if (out.lambda <= out.lambda_r) {
        out.range = Range::Inelastic;
        const double line = inelastic_line(Mpl, out.Mr, out.lambda, out.lambda_p, out.lambda_r);
        settle(out, cb_entry::inelastic(Cb, line), Mpl);
    } else {
        out.range = Range::Elastic;
        out.Mcr = cb_entry::elastic(Cb, flt_mcr_uniform(s, Lb));
        settle(out, out.Mcr, Mpl);
    }
    return out;
}

LimitStateResult flange_local(const Material& steel, double lambda, double W, double Mpl,
                              FlangeKind kind, double kc) {
    LimitStateResult out;
    out.lambda = lambda;
    out.lambda_p = finite(kFlmLambdaP * root_e_fy(steel));
    const double reduced = residual_reduced(steel.fy);
    out.Mr = finite(reduced * W);
    if (kind == FlangeKind::Rolled)
        out.lambda_r = finite(kFlmLambdaRRolled * root(divide(kE, reduced)));
    else
        out.lambda_r = finite(kFlmLambdaRWelded * root(divide(kE * kc, reduced)));
    if (lambda <= out.lambda_p) {
        out.range = Range::Compact;
        settle(out, Mpl, Mpl);
    } else if (lambda <= out.lambda_r) {
        out.range = Range::Inelastic;
        settle(out, inelastic_line(Mpl, out.Mr, lambda, out.lambda_p, out.lambda_r), Mpl);
    } else {
        out.range = Range::Elastic;
        out.Mcr = kind == FlangeKind::Rolled
                      ? divide(kFlmElasticRolled * kE * W, square(lambda))
                      : divide(kFlmElasticWelded * kE * kc * W, square(lambda));
        settle(out, out.Mcr, Mpl);
    }
    return out;
}

double web_lambda_r(const Material& steel) {
    return finite(kFlaLambdaR * root_e_fy(steel));
}

LimitStateResult web_local(const Material& steel, double lambda, double W, double Mpl) {
    LimitStateResult out;
    out.lambda = lambda;
    out.lambda_p = finite(kFlaLambdaP * root_e_fy(steel));
    out.lambda_r = web_lambda_r(steel);
    out.Mr = finite(steel.fy * W);
    if (lambda <= out.lambda_p) {
        out.range = Range::Compact;
        settle(out, Mpl, Mpl);
    } else if (lambda <= out.lambda_r) {
        out.range = Range::Inelastic;
        settle(out, inelastic_line(Mpl, out.Mr, lambda, out.lambda_p, out.lambda_r), Mpl);
    } else {
        // A slender web: Table G.1 has no value, Annex H takes over.
        out.range = Range::Elastic;
    }
    return out;
}

}  // namespace quintaro::checks::nbr2008
