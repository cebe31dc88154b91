#pragma once

#include "checks/frame.h"
#include "search/member_driver.h"

namespace quintaro::search {

// The values the walk judges, taken from a check's working state. Throws
// std::logic_error for a working state of a family it does not know, so that
// no section is ever judged on values that were not read.
CheckValues check_values(const checks::WorkingState& state);

}  // namespace quintaro::search
