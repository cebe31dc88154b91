#pragma once

#include "checks/angle.h"
#include "checks/windows.h"
#include "report/report_header.h"
#include "report/sink.h"

// The calculation report of the nine angle windows: one writer, with each
// window's title, property lines and leg texts held as data.
namespace quintaro::report {

// False when `kind` is not an angle window.
bool write_angle_report(checks::WindowKind kind, const checks::AngleState& state, ReportSink& sink,
                        const ReportHeader& header);

}  // namespace quintaro::report
