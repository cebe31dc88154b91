#pragma once

#include <string>
#include <string_view>

// What a report says it is about, written above the section drawing.
namespace quintaro::report {

struct ReportHeader {
    // As the user typed them in "Dados do relatório"; each may be empty.
    std::string project;
    std::string member;  // the member's mark on the drawings, e.g. "V-12"
    std::string engineer;
    // Filled by the program.
    std::string date;      // dd/mm/aaaa
    std::string standard;  // "NBR 8800:1986"
    std::string program;   // "Quintaro"
    std::string version;   // "1.5"

    friend bool operator==(const ReportHeader&, const ReportHeader&) = default;
};

inline constexpr std::string_view kStandard1986 = "NBR 8800:1986";
inline constexpr std::string_view kProgramName = "Quintaro";

// The program's version as the build states it.
std::string_view program_version();

// The header of a report written on `date` to `standard` by this program, with
// the project, member and engineer of `typed`.
ReportHeader stamped_header(const ReportHeader& typed, std::string date,
                            std::string_view standard = kStandard1986);

}  // namespace quintaro::report
