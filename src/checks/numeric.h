#pragma once

#include <cmath>

#include "common/handler_error.h"

// Guarded arithmetic for the checks. A formula fed with an empty catalogue row
// or an absurd entry must stop the check with the runtime's message instead of
// carrying an infinity or a NaN onward into a result box or a verdict.
namespace quintaro::checks {

// True for +0 and -0 only (a typed "0,00" or an empty action).
inline bool is_zero(double x) {
    return std::fpclassify(x) == FP_ZERO;
}

// Passes a finite value through; stops the check on an infinity or a NaN.
inline double finite(double x) {
    if (std::isnan(x))
        throw HandlerError(kInvalidOperation);
    if (std::isinf(x))
        throw HandlerError(kOverflow);
    return x;
}

// a / b; a zero divisor stops the check (0/0 is an invalid operation).
inline double divide(double a, double b) {
    if (is_zero(b))
        throw HandlerError(is_zero(a) ? kInvalidOperation : kDivisionByZero);
    return finite(finite(a) / b);
}

// Square root; a negative radicand stops the check.
inline double root(double x) {
    if (finite(x) < 0.0)
        throw HandlerError(kInvalidOperation);
    return std::sqrt(x);
}

inline double square(double x) {
    return finite(x * x);
}

}  // namespace quintaro::checks
