#include "report/report.h"

#include "checks/member.h"
#include "report/member_report.h"

namespace quintaro::report {

bool write_report(const checks::WorkingState& state, ReportSink& sink) {
    if (const auto* member = dynamic_cast<const checks::MemberState*>(&state)) {
        write_member_report(*member, sink);
        return true;
    }
    return false;
}

}  // namespace quintaro::report
