#include "checks/nbr8800_2008/local_buckling.h"

#include <algorithm>

namespace quintaro::checks::nbr2008 {
namespace {

// Table F.1 and F.2 a) to d): for each group, the limit of Qs = 1, the end of
// the inelastic line and the line's coefficients (Qs = a − b·(b/t)·√(fy/E)),
// and the elastic coefficient (Qs = c·E/(fy·(b/t)²)), all in units of √(E/fy).
struct GroupRule {
    double full;
    double elastic;
    double a;
    double b;
    double c;
};

// F.2 a) group 3.
constexpr GroupRule kGroup3{0.45, 0.91, 1.340, 0.76, 0.53};
// F.2 b) group 4.
constexpr GroupRule kGroup4{0.56, 1.03, 1.415, 0.74, 0.69};
// F.2 c) group 5 (with kc: limits times √kc, line on √(fy/(kc·E)), elastic times kc).
constexpr GroupRule kGroup5{0.64, 1.17, 1.415, 0.65, 0.90};
// F.2 d) group 6.
constexpr GroupRule kGroup6{0.75, 1.03, 1.908, 1.22, 0.69};

const GroupRule& rule_of(ElementGroup group) {
    switch (group) {
        case ElementGroup::Group3:
            return kGroup3;
        case ElementGroup::Group5:
            return kGroup5;
        case ElementGroup::Group6:
            return kGroup6;
        case ElementGroup::Group2:
        case ElementGroup::Group4:
            break;
    }
    return kGroup4;
}

}  // namespace

double kc_factor(double h_tw) {
    const double kc = divide(4.0, root(h_tw));
    return std::clamp(kc, kKcLowest, kKcHighest);
}

QsResult unstiffened_factor(ElementGroup group, double b_t, const Material& steel, double kc) {
    QsResult out;
    out.group = group;
    out.b_t = b_t;
    const GroupRule& rule = rule_of(group);
    // Group 5 works with E·kc in place of E.
    out.kc = group == ElementGroup::Group5 ? kc : 1.0;
    const double unit = root(divide(kE * out.kc, steel.fy));  // √(E·kc/fy)
    out.limit_full = finite(rule.full * unit);
    out.limit_elastic = finite(rule.elastic * unit);
    if (b_t <= out.limit_full) {
        out.Qs = 1.0;
        out.range = Range::Compact;
    } else if (b_t <= out.limit_elastic) {
        out.Qs = finite(rule.a - rule.b * divide(b_t, unit));
        out.range = Range::Inelastic;
    } else {
        out.Qs = divide(rule.c * kE * out.kc, steel.fy * square(b_t));
        out.range = Range::Elastic;
    }
    return out;
}

double effective_width(double t, double b_t, double sigma, double ca) {
    const double unit = root(divide(kE, sigma));
    return finite(1.92 * t * unit * (1.0 - divide(ca, b_t) * unit));
}

QaResult stiffened_factor(double b, double t, double Ag, double sigma) {
    QaResult out;
    out.b = b;
    out.t = t;
    out.b_t = divide(b, t);
    out.sigma = sigma;
    out.limit = finite(kWholeWebFactor * root(divide(kE, sigma)));
    out.Aef = Ag;
    // Up to the limit the formula would give a width that first exceeds b
    // and, for small stresses, falls back below it and even below zero:
    // the element is wholly effective there.
    if (out.b_t <= out.limit) {
        out.bef = b;
        out.width = WebWidth::Whole;
        out.Qa = 1.0;
        return out;
    }
    out.bef = std::min(effective_width(t, out.b_t, sigma), b);
    out.width = WebWidth::Effective;
    out.Aef = finite(Ag - (b - out.bef) * t);
    out.Qa = divide(out.Aef, Ag);
    return out;
}

}  // namespace quintaro::checks::nbr2008
