#include "checks/nbr8800_1986/local_buckling.h"

#include <cmath>

#include "checks/numeric.h"
#include "checks/units.h"

namespace quintaro::checks::nbr8800_1986 {

ElementFactor unstiffened_factor(const UnstiffenedElement& element, double ratio, double fy,
                                 double E) {
    const double sqrt_E_fy = root(divide(E, fy));
    if (ratio <= element.full * sqrt_E_fy)
        return {1.0, Range::Full};
    if (ratio <= element.elastic * sqrt_E_fy)
        return {finite(element.a - element.b * ratio * root(divide(fy, E))), Range::Inelastic};
    return {divide(element.c * E, fy * square(ratio)), Range::Elastic};
}

double effective_width(const EffectiveWidthFormula& formula, double t, double ratio,
                       double sqrt_f) {
    return finite(divide(formula.a * t, sqrt_f) * (1.0 - divide(formula.b, ratio * sqrt_f)));
}

double effective_width_at_yield(double t, double ratio, double fy) {
    return effective_width(kEffectiveWidthAtYield, t, ratio, root(units::kn_per_cm2_to_mpa(fy)));
}

double effective_area(double Ag, double elements, double b, double bef, double t) {
    return finite(Ag - units::mm2_to_cm2_mul(elements * (b - bef) * t));
}

double effective_area_factor(double Aef, double Ag) {
    return divide(Aef, Ag);
}

IteratedWeb iterate_web_width(double Nd, double Ag, double h, double tw) {
    IteratedWeb web;
    const double force = std::fabs(Nd);
    const double hw = divide(h, tw);
    const double whole_web_root = divide(kWholeWebRootStress, hw);
    double f = units::stress_mpa(force, Ag);
    for (int round = 1;; ++round) {
        const double sqrt_f = root(f);
        if (sqrt_f <= whole_web_root) {
            web.bef = h;
            web.rule = WebWidthRule::WholeWeb;
        } else {
            web.bef = effective_width(kEffectiveWidthAtStress, tw, hw, sqrt_f);
            web.rule = WebWidthRule::Formula;
            if (web.bef > h) {
                web.bef = h;
                web.rule = WebWidthRule::CappedAtWidth;
            }
        }
        web.Aef = effective_area(Ag, 1.0, h, web.bef, tw);
        const double next = units::stress_mpa(force, web.Aef);
        web.f = f;
        web.iterations = round;
        if (std::fabs(next - f) <= kStressTolerance || round >= kMaxEffectiveWidthRounds)
            return web;
        f = next;
    }
}

}  // namespace quintaro::checks::nbr8800_1986
