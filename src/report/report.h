#pragma once

#include "checks/frame.h"
#include "report/sink.h"

// "Relatório" of any member window: the report of the working state that the
// window's last check left, written by the writer of its family.
namespace quintaro::report {

// Writes the report into `sink` (cleared first, picture first). Returns false
// when the state belongs to no family with a report.
bool write_report(const checks::WorkingState& state, ReportSink& sink);

}  // namespace quintaro::report
