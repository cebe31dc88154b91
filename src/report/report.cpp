#include "report/report.h"

#include "checks/angle.h"
#include "checks/member.h"
#include "report/angle_report.h"
#include "report/member_report.h"

namespace quintaro::report {

bool write_report(checks::WindowKind kind, const checks::WorkingState& state, ReportSink& sink,
                  const ReportHeader& /*header*/) {
    if (const auto* member = dynamic_cast<const checks::MemberState*>(&state)) {
        write_member_report(*member, sink);
        return true;
    }
    if (const auto* angle = dynamic_cast<const checks::AngleState*>(&state))
        return write_angle_report(kind, *angle, sink);
    return false;
}

bool calculate(checks::WindowKind kind, checks::Boxes& boxes, checks::Messages& messages,
               CheckedState checked) {
    checked.complete = checks::check(kind, boxes, messages, checked.state);
    return checked.complete;
}

bool write_window_report(checks::WindowKind kind, checks::Boxes& boxes, checks::Messages& messages,
                         CheckedState checked, ReportSink& sink, const ReportHeader& header) {
    if (!checked.complete && !calculate(kind, boxes, messages, checked))
        return false;
    return write_report(kind, checked.state, sink, header);
}

}  // namespace quintaro::report
