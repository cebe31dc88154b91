#pragma once

#include "checks/frame.h"
#include "checks/windows.h"
#include "report/sink.h"

// "Relatório" of any member window: the report of the working state that the
// window's last check left, written by the writer of its family.
namespace quintaro::report {

// Writes the report of window `kind` into `sink` (cleared first, picture
// first). Returns false when the state is not one of that window's.
bool write_report(checks::WindowKind kind, const checks::WorkingState& state, ReportSink& sink);

}  // namespace quintaro::report
