#pragma once

#include "checks/member.h"
#include "report/report_header.h"
#include "report/sink.h"

// The calculation report of the rolled I, rolled H, rolled channel and welded
// I windows: one report, written from the working state the window's last
// "Calcular" left, with the texts in which the four families differ.
namespace quintaro::report {

// `header`: the block above the summary (see report_header.h).
void write_member_report(const checks::MemberState& state, ReportSink& sink,
                         const ReportHeader& header);

}  // namespace quintaro::report
