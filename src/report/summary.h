#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/frame.h"
#include "report/sink.h"

// The summary table a report opens with: one row per check that gave a
// verdict, with its action, resistance, ratio and verdict, the governing row
// marked in bold and in words. Shared by the writers of every standard.
namespace quintaro::report {

enum class SummaryVerdict { Passed, Failed, None };

struct SummaryRow {
    std::string check;       // with its unit: "Compressão (kN)", "Flexão em x (kN*cm)"
    std::string action;      // as stated, with its sign; "" for none
    std::string resistance;  // positive; "" for none
    std::optional<double> ratio;
    SummaryVerdict verdict = SummaryVerdict::None;
    bool governing = false;
};

// The row of the check that filled result box `box`, with the ratio, verdict
// and governing mark the check recorded; none when the last check gave that
// box no verdict.
std::optional<SummaryRow> recorded_row(const checks::WorkingState& state, std::string_view box,
                                       std::string check, std::string action,
                                       std::string resistance);

// The words a colour-blind reader finds beside the governing verdict.
inline constexpr std::string_view kGoverningMark = " (governa)";

// "Resumo das verificações" in bold, the table (or a line saying that no
// check gave a verdict) and an empty line; at size 11 before and after.
void write_summary(ReportSink& sink, const std::vector<SummaryRow>& rows);

}  // namespace quintaro::report
