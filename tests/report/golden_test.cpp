// Golden reports: each folder under golden/ holds input.txt (the window, its
// boxes and the steel) and expected.txt (the report, one paragraph a line with
// its size, style and colour). The test presses "Calcular" and "Relatório" and
// compares. With QUINTARO_UPDATE_GOLDEN=1 it writes expected.txt instead; a
// changed file is then read against the report's line templates before it is
// committed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "report_testing.h"

namespace quintaro::report::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = QUINTARO_GOLDEN_DIR;

bool updating() {
    const char* value = std::getenv("QUINTARO_UPDATE_GOLDEN");
    return value != nullptr && std::string(value) == "1";
}

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    if (fs::is_directory(kGoldenDir)) {
        for (const auto& entry : fs::directory_iterator(kGoldenDir)) {
            if (entry.is_directory() && fs::exists(entry.path() / "input.txt"))
                names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// input.txt: "window <class>", then "<box> <text>" lines; '#' starts a note.
Window load(const fs::path& folder) {
    std::istringstream in(read_file(folder / "input.txt"));
    std::string line;
    std::string class_name;
    std::vector<std::pair<std::string, std::string>> boxes;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const auto space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string value = space == std::string::npos ? "" : line.substr(space + 1);
        if (key == "window")
            class_name = value;
        else
            boxes.emplace_back(key, value);
    }
    Window window(class_name);
    for (const auto& [key, value] : boxes)
        window.boxes.values[key] = value;
    return window;
}

class GoldenReport : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenReport, MatchesTheReviewedReport) {
    const fs::path folder = kGoldenDir / GetParam();
    Window window = load(folder);
    ASSERT_TRUE(window.calculate()) << "the check stopped: " << window.messages.shown.back();
    const std::string got = describe(window.report());
    // A second "Relatório" replaces the first document with the same one.
    ASSERT_EQ(describe(window.report()), got);

    const fs::path expected_file = folder / "expected.txt";
    if (updating()) {
        std::ofstream(expected_file, std::ios::binary) << got;
        GTEST_SKIP() << "wrote " << expected_file;
    }
    ASSERT_TRUE(fs::exists(expected_file)) << "no expected.txt; run with QUINTARO_UPDATE_GOLDEN=1";
    const std::string expected = read_file(expected_file);
    if (expected == got)
        return;
    // Point at the first differing paragraph.
    std::istringstream e(expected), g(got);
    std::string el, gl;
    int number = 1;
    while (true) {
        const bool more_e = static_cast<bool>(std::getline(e, el));
        const bool more_g = static_cast<bool>(std::getline(g, gl));
        if (!more_e && !more_g)
            break;
        if (!more_e || !more_g || el != gl) {
            ADD_FAILURE() << "paragraph " << number << "\n expected: " << (more_e ? el : "(end)")
                          << "\n      got: " << (more_g ? gl : "(end)");
            return;
        }
        ++number;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenReport, ::testing::ValuesIn(case_names()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenReport);

}  // namespace
}  // namespace quintaro::report::testing
