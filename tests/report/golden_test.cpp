// Golden reports: each folder under golden/ holds input.txt (the window, its
// boxes and the steel) and expected.txt (the report, one paragraph a line with
// its size, style and colour). The test presses "Calcular" and "Relatório" and
// compares. With QUINTARO_UPDATE_GOLDEN=1 it writes expected.txt instead; a
// changed file is then read against the report's line templates before it is
// committed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
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

// The text of each paragraph of a golden file (a table row's cells joined).
std::vector<std::string> golden_texts(const std::string& name) {
    std::istringstream in(read_file(kGoldenDir / name / "expected.txt"));
    std::vector<std::string> out;
    std::string line;
    while (std::getline(in, line)) {
        const auto bar = line.find('|');
        out.push_back(bar == std::string::npos ? "" : line.substr(bar + 1));
    }
    return out;
}

// Every reviewed report reads as a Brazilian document: no number with a
// decimal point (the clause numbers "Item 5.3.5" and the program's version
// are not quantities), parentheses that close in order on every line, and no
// line written twice in a row (empty lines between do not count).
TEST(GoldenReportText, DecimalCommaBalancedParenthesesNoRepeatedLine) {
    const std::vector<std::string> names = case_names();
    ASSERT_FALSE(names.empty());
    const std::regex not_quantities(R"((Item|versão) \d+(\.\d+)+)");
    const std::regex decimal_point(R"(\d\.\d)");
    for (const std::string& name : names) {
        std::string previous;
        int number = 0;
        for (const std::string& text : golden_texts(name)) {
            ++number;
            SCOPED_TRACE(name + ", paragraph " + std::to_string(number) + ": " + text);
            const std::string quantities = std::regex_replace(text, not_quantities, "");
            EXPECT_FALSE(std::regex_search(quantities, decimal_point));
            int depth = 0;
            for (char c : text) {
                depth += c == '(' ? 1 : c == ')' ? -1 : 0;
                EXPECT_GE(depth, 0);
            }
            EXPECT_EQ(depth, 0);
            if (text.empty())
                continue;
            EXPECT_NE(text, previous);
            previous = text;
        }
    }
}

double comma_number(const std::string& text) {
    std::string c = text;
    std::replace(c.begin(), c.end(), ',', '.');
    return std::stod(c);
}

// A verdict's comparison line compares magnitudes: both sides positive, and
// the inequality written holds exactly when the verdict under it is "Ok!".
// A resistance line computed as 0,90 times a nominal value gives that value
// with its sign. Over every reviewed report (tension, compression, shear,
// negative moments).
TEST(GoldenReportText, ComparisonsHoldExactlyWhenTheVerdictPasses) {
    const std::regex comparison(R"((-?[\d,]+) (kN|kN\*cm) >= (-?[\d,]+) \2)");
    const std::regex factored(R"(Rd\((Md|Vd)\) = 0,90\*(-?[\d,]+))");
    const std::regex result(R"(Rd\((Md|Vd)\) = (-?[\d,]+) kN.*)");
    int comparisons = 0, failing = 0;
    for (const std::string& name : case_names()) {
        const std::vector<std::string> texts = golden_texts(name);
        for (std::size_t i = 0; i + 3 < texts.size(); ++i) {
            SCOPED_TRACE(name + ": " + texts[i]);
            std::smatch m;
            if (std::regex_match(texts[i], m, comparison)) {
                const double resistance = comma_number(m[1]), action = comma_number(m[3]);
                EXPECT_GE(resistance, 0.0);
                EXPECT_GE(action, 0.0);
                const bool ok = texts[i + 2].rfind("Ok!", 0) == 0;
                EXPECT_TRUE(ok || texts[i + 2].rfind("Não Ok!", 0) == 0) << texts[i + 2];
                EXPECT_EQ(resistance >= action, ok);
                ++comparisons;
                failing += ok ? 0 : 1;
            }
            std::smatch r;
            if (std::regex_match(texts[i], m, factored) &&
                std::regex_match(texts[i + 1], r, result)) {
                // Both written to two decimals and six digits.
                const double want = 0.9 * comma_number(m[2]);
                EXPECT_NEAR(comma_number(r[2]), want, std::max(0.011, 2e-5 * std::fabs(want)));
            }
        }
    }
    EXPECT_GT(comparisons, 40);
    EXPECT_GT(failing, 5);
}

// The defects of the old texts, each on the case that showed it: a line the
// report must write, one it must not, and one that must come before another.
struct DefectCase {
    const char* name;
    const char* golden;
    const char* written;
    const char* not_written;
    const char* before;  // `before` comes before `written`; nullptr: not checked
};

const DefectCase kDefects[] = {
    // 0,9·Mn = 0,9·878,26 = 790,434 kN·cm, positive whatever the sign of Mdx.
    {"moment_resistance_positive", "w-negative-moments", "Rd(Md) = 790,43 kN*cm",
     "Rd(Md) = -790,43 kN*cm", "Rd(Md) = 0,90*878,26"},
    {"negative_moment_compared_as_magnitude", "w-negative-moments", "790,43 kN*cm >= 2000,00 kN*cm",
     "-790,43 kN*cm >= -2000,00 kN*cm", "Rd(Md) >= Mdx"},
    // √f = √1,27 = 1,13 <= 280/(875/8) = 2,56: the whole web, h = 900 − 2·12,5.
    {"whole_web_rule_written", "w-compression-whole-web", "bef = 875,00 mm",
     "bef = (797*tw)/raiz(f)*(1-(140/((h/tw)*raiz(f)))) <= h", "raiz(f) <= 280/(h/tw)"},
    {"pair_area_after_Iy", "lt-compression-positive", "Ag = 2*Ag´", nullptr, "Iy = 2*(Iy´+"},
    {"pair_area_before_radii", "lu-compression", "rx = raiz(Ix/Ag)", nullptr, "Ag = 2*Ag´"},
    {"cross_area_after_ry", "lx-compression", "Ag = 2*Ag´", nullptr, "ry = raiz(2*rx²-rz²)"},
    {"angle_plateau_symbol", "l-compression-short", "l2y <= 0,2", "ly2 <= 0,2", nullptr},
    {"cap_is_no_failure", "u-flt-beyond", "Mn limitado a 1,25*W*fy", "Mn > (1,25*W*fy) -> Não Ok!",
     nullptr},
};

TEST(GoldenReportText, DefectsOfTheOldTexts) {
    for (const DefectCase& c : kDefects) {
        SCOPED_TRACE(c.name);
        Window window = load(kGoldenDir / c.golden);
        ASSERT_TRUE(window.calculate());
        const std::vector<StyledLine> lines = window.report();
        const std::size_t at = find_line(lines, c.written);
        EXPECT_LT(at, lines.size());
        if (c.not_written != nullptr) {
            EXPECT_EQ(find_line(lines, c.not_written), lines.size());
        }
        if (c.before != nullptr) {
            std::size_t before = lines.size();
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (lines[i].text.rfind(c.before, 0) == 0) {
                    before = i;
                    break;
                }
            }
            EXPECT_LT(before, at);
        }
    }
}

}  // namespace
}  // namespace quintaro::report::testing
