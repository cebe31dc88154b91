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

namespace {

std::string labelled(std::string_view label, std::string_view value) {
    std::string line(label);
    line += ':';
    if (!value.empty()) {
        line += ' ';
        line += value;
    }
    return line;
}

}  // namespace

void write_header_block(ReportSink& sink, const ReportHeader& header) {
    sink.append_line(labelled("Projeto", header.project));
    sink.append_line(labelled("Elemento", header.member));
    sink.append_line(labelled("Responsável", header.engineer));
    sink.append_line(labelled("Data", header.date));
    sink.append_line(labelled("Norma", header.standard));
    std::string program = header.program;
    if (!header.version.empty())
        program += (program.empty() ? "versão " : ", versão ") + header.version;
    sink.append_line(labelled("Programa", program));
    sink.append_line("");
}

}  // namespace quintaro::report
