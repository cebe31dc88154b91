#pragma once

// Every expected value of these tests is one row of a table: an id, where the
// number comes from (a book's worked example, a published catalogue value, or
// "hand" for a hand calculation whose steps the comment above the row gives),
// the expected value and the relative tolerance. The rows are plain
// aggregates, one per line group, so that a script can collect them for the
// verification manual.
#include <gtest/gtest.h>

#include "testing/near.h"

namespace quintaro::testing::nbr2008 {

struct Expect {
    const char* id;
    const char* source;
    double value;
    double tol;  // relative
};

inline void expect_row(const Expect& e, double got) {
    EXPECT_TRUE(::quintaro::testing::near(e.value, got, e.tol)) << e.id << " (" << e.source << ")";
}

}  // namespace quintaro::testing::nbr2008
