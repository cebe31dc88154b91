#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "checks/windows.h"
#include "common/result.h"

// quintaro-lote: checks a list of members read from a CSV file with the very
// check code of the member windows and writes each row back with the window's
// result boxes, verdicts and messages.
namespace quintaro::catalogue {
class Table;
}

namespace quintaro::lote {

struct Options {
    std::string tables_dir;   // "" = the process's working folder
    std::string steel;        // TIPO of tipo_aco.dbf; "" = its first row
    std::string input;        // a path, or "-" for standard input
    bool lightest = false;    // search each row's catalogue for its lightest passing section
    std::string reports_dir;  // --reports: one calculation report per row; "" = none
    bool pdf = false;         // --pdf: a PDF beside each report
};

// Receives the working state of every row that was checked, to write its
// calculation report. `row` counts the data rows from 1.
class RowReports {
  public:
    virtual ~RowReports() = default;
    virtual Status write(int row, const checks::WindowDescriptor& window,
                         const checks::WorkingState& state) = 0;
};

// Makes the report writer of a batch from its options (the program gives one
// that draws the sections and writes RTF); a failure stops the batch.
using RowReportsFactory = std::function<Result<std::unique_ptr<RowReports>>(const Options&)>;

// The file name (without extension) of a row's report: the row number in four
// digits, the window and the designation, with blanks and characters that a
// file name cannot hold as '_' ("0007-TForm_I_Laminado-W_150_x_13,0").
std::string report_file_stem(int row, std::string_view window, std::string_view designation);

// Parses the arguments after the program name; fails with the reason for a
// bad command line. `default_tables` is used when --tables is not given.
Result<Options> parse_command_line(const std::vector<std::string>& args,
                                   const std::string& default_tables);

// The folder share/quintaro beside the executable's folder when it exists,
// else "" (the working folder).
std::string default_tables_dir(const char* argv0);

// One catalogue row as panel box texts, found by designation.
using PanelTexts = std::map<std::string, std::string, std::less<>>;

// Where sections and the steel come from. The table-backed source reads the
// dBASE files; tests may give their own.
class SectionSource {
  public:
    virtual ~SectionSource() = default;
    // The panel box texts of the row whose designation (trimmed) is
    // `designation`, or a failure naming the table. A file that cannot be
    // opened is reported through `fatal`.
    virtual Result<PanelTexts> section(const checks::WindowDescriptor& window,
                                       const checks::CatalogueTable& table,
                                       std::string_view designation) = 0;
    // The open table of one catalogue, for walking it (one per file, kept
    // for the whole batch); nullptr when it cannot be opened, the reason in
    // `fatal`.
    virtual catalogue::Table* table(const checks::CatalogueTable& table) = 0;
    // The fatal error met by section() or table(), or "".
    virtual const std::string& fatal() const = 0;
};

// The steel grade window's three boxes.
struct SteelBoxes {
    std::string tipo, fy, fu;
};

// Reads tipo_aco.dbf from the tables folder: the row whose TIPO equals
// `grade` (trimmed), or the first row when `grade` is empty.
Result<SteelBoxes> load_steel(const std::string& tables_dir, const std::string& grade);

std::unique_ptr<SectionSource> table_source(const std::string& tables_dir);

// Outcome of a batch: the rows with their results, and whether every row
// could be checked.
struct BatchOutcome {
    std::string csv;
    bool all_checked = true;
};

// Checks every row of the CSV text. Fails (exit status 2) for a file that is
// not a table of members or a catalogue that cannot be read. With `lightest`
// each row is the lightest-section search of its window instead, over the
// window's catalogue (the row's section columns are not read). With `reports`,
// every row that was checked also gets its report (of the section found, after
// a search); a report that cannot be written is told in the row's messages.
Result<BatchOutcome> run_batch(std::string_view csv_text, const SteelBoxes& steel,
                               SectionSource& sections, bool lightest = false,
                               RowReports* reports = nullptr);

// The whole program: exit status 0 (all rows checked), 1 (some row could not
// be checked; its reason is in its `mensagens`) or 2 (bad command line,
// unreadable file).
int run(const std::vector<std::string>& args, const std::string& default_tables, std::istream& in,
        std::ostream& out, std::ostream& err, const RowReportsFactory& make_reports = {});

}  // namespace quintaro::lote
