#pragma once

#include <string_view>

#include "checks/window_kind.h"

// How the angles of an angle window are arranged, in the words both the
// window's caption and the report use ("2 cantoneiras em T"): which shape
// the pair forms and, for legs of two widths, which legs are joined or
// turned. Empty for the windows of other families.
namespace quintaro::report {

std::string_view arrangement_name(checks::WindowKind kind);

}  // namespace quintaro::report
