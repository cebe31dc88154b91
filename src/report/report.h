#pragma once

#include "checks/boxes.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "report/report_header.h"
#include "report/sink.h"

// "Relatório" of any member window: the report of the working state that the
// window's last check left, written by the writer of its family.
namespace quintaro::report {

// Writes the report of window `kind` into `sink` (cleared first, picture
// first). `header` says what the report is about, for the header block above
// the drawing (the family writers do not write that block yet). Returns false
// when the state is not one of that window's.
bool write_report(checks::WindowKind kind, const checks::WorkingState& state, ReportSink& sink,
                  const ReportHeader& header = {});

// The working state of a window and whether it holds a finished check: set by
// a "Calcular" (or a search step) that ran to its end, cleared by one that
// stopped on a fault, false at start-up.
struct CheckedState {
    checks::WorkingState& state;
    bool& complete;
};

// "Calcular" of a window keeping `checked.complete` up to date.
bool calculate(checks::WindowKind kind, checks::Boxes& boxes, checks::Messages& messages,
               CheckedState checked);

// "Relatório": when the state holds no finished check (none since start-up,
// or the last one stopped), the window's "Calcular" runs first, so that a
// report never shows values no check produced; a check that stops again has
// shown its message and nothing is written. Returns whether a report was
// written.
bool write_window_report(checks::WindowKind kind, checks::Boxes& boxes, checks::Messages& messages,
                         CheckedState checked, ReportSink& sink, const ReportHeader& header = {});

}  // namespace quintaro::report
