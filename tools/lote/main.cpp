#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "lote.h"
#include "report_files.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
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
