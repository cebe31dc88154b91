#include "report/report_header.h"

namespace quintaro::report {

std::string_view program_version() {
    return QUINTARO_VERSION;
}

ReportHeader stamped_header(const ReportHeader& typed, std::string date,
                            std::string_view standard) {
    ReportHeader header;
    header.project = typed.project;
    header.member = typed.member;
    header.engineer = typed.engineer;
    header.date = std::move(date);
    header.standard = standard;
    header.program = kProgramName;
    header.version = program_version();
    return header;
}

}  // namespace quintaro::report
