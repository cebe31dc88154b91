#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "checks/windows.h"
#include "command_line.h"
#include "common/result.h"

// quintaro-lote: checks a list of members read from a CSV file with the very
// check code of the member windows and writes each row back with the window's
// result boxes, verdicts and messages.
namespace quintaro::lote {

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

// The whole program: exit status 0 (all rows checked), 1 (some row could not
// be checked, its reason in its `mensagens`, or no row at all) or 2 (bad
// command line, unreadable file, or a failure after rows were written: see
// run_batch).
int run(const std::vector<std::string>& args, const std::string& default_tables, std::istream& in,
        std::ostream& out, std::ostream& err, const RowReportsFactory& make_reports = {});

}  // namespace quintaro::lote
