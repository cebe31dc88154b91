#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <sstream>

namespace quintaro::testing {

// Relative comparison for engineering values; on failure prints expected, got
// and the difference.
inline ::testing::AssertionResult near(double expected, double got, double rel_tol = 1e-9) {
    const double diff = got - expected;
    const double scale = std::max(1.0, std::fabs(expected));
    if (std::isfinite(got) && std::fabs(diff) <= rel_tol * scale) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream out;
    out << std::setprecision(15) << "expected " << expected << ", got " << got << ", difference "
        << diff << " (tolerance " << rel_tol * scale << ")";
    return ::testing::AssertionFailure() << out.str();
}

}  // namespace quintaro::testing

#define EXPECT_NEAR_REL(expected, got, tol) \
    EXPECT_TRUE(::quintaro::testing::near(expected, got, tol))
