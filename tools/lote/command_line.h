#pragma once

#include <string>
#include <vector>

#include "checks/standard.h"
#include "common/result.h"

// The command line of quintaro-lote.
namespace quintaro::lote {

struct Options {
    std::string tables_dir;   // "" = the process's working folder
    std::string steel;        // TIPO of tipo_aco.dbf; "" = its first row
    std::string input;        // a path, or "-" for standard input
    std::string output;       // a path, or "-" for standard output
    bool lightest = false;    // search each row's catalogue for its lightest passing section
    std::string reports_dir;  // --reports: one calculation report per row; "" = none
    bool pdf = false;         // --pdf: a PDF beside each report
    std::string norma;        // --norma as typed; "" = 1986
    // The standard of the rows without a `norma` of their own.
    checks::Standard standard = checks::kDefaultStandard;
};

// Parses the arguments after the program name; fails with the reason for a
// bad command line. `default_tables` is used when --tables is not given.
Result<Options> parse_command_line(const std::vector<std::string>& args,
                                   const std::string& default_tables);

// What --help prints.
std::string usage();

// The folder share/quintaro beside the executable's folder when it exists,
// else "" (the working folder).
std::string default_tables_dir(const char* argv0);

}  // namespace quintaro::lote
