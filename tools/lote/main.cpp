#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "lote.h"
#include "quintaro_version.h"
#include "report_files.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (std::find(args.begin(), args.end(), "--version") != args.end()) {
        std::cout << "quintaro-lote " << quintaro::kVersion << "\n";
        return 0;
    }
    const quintaro::lote::RowReportsFactory reports = quintaro::lote::make_report_files;
    return quintaro::lote::run(args, quintaro::lote::default_tables_dir(argv[0]), std::cin,
                               std::cout, std::cerr, reports);
}
