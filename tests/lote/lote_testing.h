#pragma once

// Running the built quintaro-lote from a test, and reading what it wrote.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "csv.h"

namespace quintaro::lote::testing {

namespace fs = std::filesystem;

inline std::string read_file(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program in a fresh folder holding `input` as in.csv:
// `cd FOLDER && [env] quintaro-lote ARGS < in.csv > out.csv 2> err.txt`.
// `feed` replaces "< in.csv" (say "in.csv", or a pipe written before the
// program: "cat in.csv |" goes in `env`), `env` comes before the program.
inline Outcome run_lote(const std::string& args, const std::string& input = "",
                        const std::string& feed = "< in.csv", const std::string& env = "") {
    const fs::path dir = fs::temp_directory_path() / ("lote_test_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "in.csv", std::ios::binary) << input;
    const std::string command = "cd '" + dir.string() + "' && " + env +
                                " '" QUINTARO_LOTE_EXE "' " + args + " " + feed +
                                " > out.csv 2> err.txt";
    const int raw = std::system(command.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    o.out = read_file(dir / "out.csv");
    o.err = read_file(dir / "err.txt");
    fs::remove_all(dir);
    return o;
}

inline CsvTable parse(const std::string& text) {
    auto parsed = parse_csv(text);
    EXPECT_TRUE(parsed.ok()) << parsed.error();
    return parsed.ok() ? parsed.value() : CsvTable{};
}

// A cell of the output by row and column name.
inline std::string cell(const CsvTable& t, std::size_t row, const std::string& column) {
    for (std::size_t i = 0; i < t.header.size(); ++i) {
        if (t.header[i] == column)
            return t.rows.at(row).at(i);
    }
    ADD_FAILURE() << "no column " << column;
    return {};
}

}  // namespace quintaro::lote::testing
