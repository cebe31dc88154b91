#include <iostream>
#include <string>
#include <vector>

#include "lote.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return quintaro::lote::run(args, quintaro::lote::default_tables_dir(argv[0]), std::cin,
                               std::cout, std::cerr);
}
