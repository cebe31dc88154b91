#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "lote.h"
#include "quintaro_version.h"
#include "report_files.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // A write past the file-size limit fails with EFBIG and is reported as
    // such, instead of the signal killing the batch half way.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (std::find(args.begin(), args.end(), "--version") != args.end()) {
        std::cout << "quintaro-lote " << quintaro::kVersion << "\n";
        return 0;
    }
    // The reports are painted offscreen whatever the environment names: a
    // batch has no window, and an xcb or wayland platform without a display
    // would abort the whole run.
    const quintaro::lote::RowReportsFactory reports = [](const quintaro::lote::Options& options) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return quintaro::lote::make_report_files(options);
    };
    return quintaro::lote::run(args, quintaro::lote::default_tables_dir(argv[0]), std::cin,
                               std::cout, std::cerr, reports);
}
