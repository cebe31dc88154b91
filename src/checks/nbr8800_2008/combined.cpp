#include "checks/nbr8800_2008/combined.h"

#include <algorithm>

namespace quintaro::checks::nbr2008 {
namespace {

// 5.5.1.2 a).
constexpr double kMomentWeight = 8.0 / 9.0;

}  // namespace

double amplification_factor(double Cm, double Nd, double Ne1) {
    return std::max(divide(Cm, 1.0 - divide(Nd, Ne1)), 1.0);
}

double interaction_ratio(double n, double mx, double my, InteractionForm& form) {
    if (n >= kAxialShareBreak) {
        form = InteractionForm::HighAxial;
        return finite(n + kMomentWeight * (mx + my));
    }
    form = InteractionForm::LowAxial;
    return finite(n / 2.0 + mx + my);
}

}  // namespace quintaro::checks::nbr2008
