#pragma once

#include <iosfwd>
#include <string>

#include "checks/standard.h"
#include "common/result.h"

// The batch itself: a CSV file of members read, checked and written one row
// at a time.
namespace quintaro::lote {

class Catalogues;
class RowReports;
struct SteelBoxes;

struct BatchSettings {
    const SteelBoxes& steel;
    Catalogues& catalogues;
    bool lightest = false;          // each row is its window's lightest-section search
    RowReports* reports = nullptr;  // the report of every row checked
    // The standard of a row whose `norma` column is empty or missing.
    checks::Standard standard = checks::kDefaultStandard;
};

struct BatchOutcome {
    long rows = 0;            // data rows written
    bool all_checked = true;  // every row was checked (or searched)
    // A failure met after the header was written: the input changed while
    // it was read, could not be read again, or the output could not be
    // written. The rows before it are written; when the output still takes
    // them, a last row says in `mensagens` that the batch stopped there.
    std::string interrupted;
};

// Reads the file twice: a first reading checks that it is a table of members
// (quotes, field counts, a `janela` column, no input given twice) and finds
// its encoding and the windows it names, so that nothing is written for a
// file that cannot be read whole; the second reads, checks and writes each
// row in turn, so memory does not grow with the file. `in` must be able to
// seek back to where it stands.
//
// Text that is not UTF-8 is taken as Windows-1252 (what spreadsheet programs
// write in Brazil) and written back in it. Warnings (a column that is not
// read) go to `err`.
Result<BatchOutcome> run_batch(std::istream& in, std::ostream& out, std::ostream& err,
                               const BatchSettings& settings);

}  // namespace quintaro::lote
