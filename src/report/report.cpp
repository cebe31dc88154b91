#include "report/report.h"

#include "checks/angle.h"
#include "checks/member.h"
#include "report/angle_report.h"
#include "report/member_report.h"

namespace quintaro::report {

bool write_report(checks::WindowKind kind, const checks::WorkingState& state, ReportSink& sink) {
    if (const auto* member = dynamic_cast<const checks::MemberState*>(&state)) {
        write_member_report(*member, sink);
        return true;
    }
    if (const auto* angle = dynamic_cast<const checks::AngleState*>(&state))
        return write_angle_report(kind, *angle, sink);
    return false;
}

}  // namespace quintaro::report
