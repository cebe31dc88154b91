// The walk over a scripted catalogue. Four sections whose natural (depth)
// order differs from their weight order:
//
//   natural order   A (30 kgf/m)  B (10)  C (20)  D (40)
//   weight order    B  C  A  D
//
// Each row's resistances grow with its weight: 100, 200, 300, 400 (kN or
// kN·cm) for B, C, A, D, so an action of 250 is first covered by A.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_driver.h"
#include "search/lightest.h"
#include "search/variants.h"

namespace quintaro::search {
namespace {

using testing::FakeDriver;
using testing::FakeRow;
using testing::RecordedMessages;

// Every resistance of a row set to `r` (compression negative, shear and
// moments signed like positive actions), combined ratio and slenderness 0.
CheckValues uniform(double r) {
    CheckValues v;
    v.tension = r;
    v.compression = -r;
    v.shear = r;
    v.moment_x = r;
    v.moment_y = r;
    return v;
}

std::vector<FakeRow> catalogue() {
    return {
        {"A", 30, 100, uniform(300)},
        {"B", 10, 200, uniform(100)},
        {"C", 20, 300, uniform(200)},
        {"D", 40, 150, uniform(400)},
    };
}

// The catalogue with one value changed per row (in weight order B, C, A, D).
template <typename Set>
std::vector<FakeRow> with(Set set, double b, double c, double a, double d) {
    std::vector<FakeRow> rows = catalogue();
    set(rows[1].values, b);
    set(rows[2].values, c);
    set(rows[0].values, a);
    set(rows[3].values, d);
    return rows;
}

struct WalkCase {
    const char* title;
    const char* window;
    const char* series;
    std::vector<std::pair<std::string, std::string>> actions;
    std::vector<FakeRow> rows;
    std::vector<std::string> checked;
    std::string current;
    SearchEnd end;
    bool passed;
};

std::vector<WalkCase> walk_cases() {
    auto ratio = [](CheckValues& v, double x) { v.combined_ratio = x; };
    // A combined check that failed without a ratio (x = 1) leaves its ratio at 0.
    auto combined_failed = [](CheckValues& v, double x) { v.combined_failed = x > 0; };
    auto lambda_x = [](CheckValues& v, double x) { v.lambda_x = x; };
    auto lambda_y = [](CheckValues& v, double x) { v.lambda_y = x; };
    auto shear_negative = [](CheckValues& v, double x) { v.shear = -x; };
    auto tension_only = [](CheckValues& v, double x) {
        v = uniform(0);
        v.tension = x;
        v.compression = -1000;  // never judged in the tension branch
    };
    auto compression_only = [](CheckValues& v, double x) {
        v = uniform(0);
        v.compression = -x;
        v.tension = 1000;  // never judged in the compression branch
    };
    const std::vector<std::string> all{"B", "C", "A", "D"};
    return {
        {"lightest already passes: one check",
         "TForm_I_Laminado",
         "",
         {{"R_Nd", "50"}},
         catalogue(),
         {"B"},
         "B",
         SearchEnd::Passed,
         true},
        {"first passing row in the middle",
         "TForm_I_Laminado",
         "",
         {{"R_Nd", "250"}},
         catalogue(),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"only the heaviest passes",
         "TForm_I_Laminado",
         "",
         {{"R_Nd", "350"}},
         catalogue(),
         all,
         "D",
         SearchEnd::EndOfTable,
         true},
        {"no row passes: heaviest stays current",
         "TForm_I_Laminado",
         "",
         {{"R_Nd", "450"}},
         catalogue(),
         all,
         "D",
         SearchEnd::EndOfTable,
         false},
        {"resistance equal to the action passes",
         "TForm_I_Laminado",
         "",
         {{"R_Nd", "300"}},
         catalogue(),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"tension branch judges the tension resistance",
         "TForm_I_Laminado",
         "",
         {{"R_Nd", "250"}},
         with(tension_only, 100, 200, 300, 400),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"compression branch judges the compression resistance",
         "TForm_I_Laminado",
         "",
         {{"R_Nd", "-250"}},
         with(compression_only, 100, 200, 300, 400),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"negative shear compared by magnitude",
         "TForm_H_Laminado",
         "",
         {{"R_Vd", "-150"}},
         with(shear_negative, 100, 200, 300, 400),
         {"B", "C"},
         "C",
         SearchEnd::Passed,
         true},
        {"moment about x",
         "TForm_I_Laminado",
         "",
         {{"R_Mdx", "-250"}},
         catalogue(),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"moment about y",
         "TI_Soldado",
         "CS",
         {{"R_Mdy", "150"}},
         catalogue(),
         {"B", "C"},
         "C",
         SearchEnd::Passed,
         true},
        {"combined ratio exactly 1 passes, just above fails",
         "TForm_I_Laminado",
         "",
         {},
         with(ratio, 1.2, 1.000001, 1.0, 0.5),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"a combined check failed without a ratio does not pass on its zero ratio",
         "TForm_I_Laminado",
         "",
         {},
         with(combined_failed, 1, 1, 0, 0),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"channel: lambda x of exactly 200 passes, just above fails",
         "TForm_U_Laminado",
         "",
         {},
         with(lambda_x, 250, 200.0001, 200, 100),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"channel: lambda y of exactly 200 passes, just above fails",
         "TForm_U_Laminado",
         "",
         {},
         with(lambda_y, 201, 200.0001, 200, 100),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"slenderness is no condition outside the channel",
         "TForm_I_Laminado",
         "",
         {},
         with(lambda_x, 250, 250, 250, 250),
         {"B"},
         "B",
         SearchEnd::Passed,
         true},
        {"welded CS walks like the rolled windows",
         "TI_Soldado",
         "CS",
         {{"R_Nd", "-250"}},
         catalogue(),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"one-force angle window",
         "TL_Laminado",
         "",
         {{"R_Nd", "-250"}},
         catalogue(),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"angle window judges no moment",
         "TLU_Laminado",
         "",
         {{"R_Nd", "150"}},
         with(ratio, 5, 5, 5, 5),
         {"B", "C"},
         "C",
         SearchEnd::Passed,
         true},
        {"two forces: both resistances must cover",
         "TLT_Laminado",
         "",
         {{"R_Nd", "-150"}, {"R_Ntd", "250"}},
         catalogue(),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"two forces: a positive Ncd is still compression",
         "TLT_Laminado",
         "",
         {{"R_Nd", "250"}},
         with(compression_only, 100, 200, 300, 400),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
        {"two forces: only Ntd, compression never computed",
         "TLT_Laminado",
         "",
         {{"R_Ntd", "250"}},
         with(tension_only, 100, 200, 300, 400),
         {"B", "C", "A"},
         "A",
         SearchEnd::Passed,
         true},
    };
}

TEST(LightestWalk, StopsOnTheFirstPassingSectionInWeightOrder) {
    for (const WalkCase& c : walk_cases()) {
        SCOPED_TRACE(c.title);
        FakeDriver driver(c.rows);
        driver.series_text = c.series;
        for (const auto& [box, text] : c.actions)
            driver.boxes[box] = text;
        RecordedMessages messages;
        const SearchOutcome out = find_lightest(c.window, driver, messages);
        EXPECT_EQ(driver.checked, c.checked);
        EXPECT_EQ(driver.current(), c.current);
        EXPECT_EQ(out.end, c.end);
        EXPECT_EQ(out.passed, c.passed);
        EXPECT_EQ(out.checks, static_cast<int>(c.checked.size()));
        EXPECT_TRUE(messages.shown.empty());
        // The section on screen is the section whose check ran last.
        EXPECT_EQ(driver.checked.back(), driver.current());
    }
}

// Nd = 0 is tension in every window but the channel, where only a pulling
// force is tension.
TEST(LightestWalk, ZeroAxialForceChoosesTheBranchOfTheWindow) {
    const struct {
        const char* window;
        const char* series;
        bool tension;
    } cases[] = {
        {"TForm_I_Laminado", "", true}, {"TForm_H_Laminado", "", true},
        {"TI_Soldado", "CS", true},     {"TI_Soldado", "CVS", true},
        {"TI_Soldado", "VS", true},     {"TForm_U_Laminado", "", false},
        {"TL_Laminado", "", true},      {"TLX_Laminado", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window + std::string(" ") + c.series);
        FakeDriver driver(catalogue());
        driver.series_text = c.series;
        driver.boxes["R_Nd"] = "0,00";
        driver.boxes["R_Mdx"] = "50";
        RecordedMessages messages;
        const SearchOutcome out = find_lightest(c.window, driver, messages);
        EXPECT_EQ(out.tension, c.tension);
        EXPECT_EQ(driver.current(), "B");
    }
    // A negative zero typed as "-0" is no compression either.
    FakeDriver driver(catalogue());
    driver.boxes["R_Nd"] = "-0";
    RecordedMessages messages;
    EXPECT_TRUE(find_lightest("TForm_I_Laminado", driver, messages).tension);
}

// A refused length stops the walk on the section that raised it, whichever
// window and branch: the rolled H under tension and the welded CS under
// compression included.
TEST(LightestWalk, InvalidLengthStopsOnTheSectionThatRaisedIt) {
    const struct {
        const char* title;
        const char* window;
        const char* series;
        const char* Nd;
    } cases[] = {
        {"rolled I, compression", "TForm_I_Laminado", "", "-450"},
        {"rolled I, tension with a moment", "TForm_I_Laminado", "", "450"},
        {"rolled H, tension with a moment", "TForm_H_Laminado", "", "450"},
        {"rolled H, compression", "TForm_H_Laminado", "", "-450"},
        {"channel, compression", "TForm_U_Laminado", "", "-450"},
        {"welded CS, compression", "TI_Soldado", "CS", "-450"},
        {"welded CS, tension", "TI_Soldado", "CS", "450"},
        {"welded CVS, compression", "TI_Soldado", "CVS", "-450"},
        {"single angle, compression", "TL_Laminado", "", "-450"},
        {"two-force angle, compression", "TLT_Laminado", "", "-450"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        std::vector<FakeRow> rows = catalogue();
        for (FakeRow& r : rows)
            r.raises_flag = true;  // every row fails and refuses the same length
        FakeDriver driver(rows);
        driver.series_text = c.series;
        driver.boxes["R_Nd"] = c.Nd;
        RecordedMessages messages;
        const SearchOutcome out = find_lightest(c.window, driver, messages);
        EXPECT_EQ(driver.checked, std::vector<std::string>{"B"});
        EXPECT_EQ(driver.current(), "B");
        EXPECT_EQ(out.end, SearchEnd::InvalidLength);
        EXPECT_EQ(driver.count("prior"), 1);
    }
}

// When only the heaviest check refuses a length, the walk has reached the end
// of the table: nothing moves back, and the heaviest section stays with its
// own results (a step back would show them under the second-heaviest).
TEST(LightestWalk, FlagAtTheEndOfTheTableDoesNotStepBack) {
    const struct {
        const char* window;
        const char* series;
        const char* Nd;
    } cases[] = {
        {"TI_Soldado", "CS", "-450"},
        {"TForm_H_Laminado", "", "450"},
        {"TForm_I_Laminado", "", "-450"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        std::vector<FakeRow> rows = catalogue();
        rows[3].raises_flag = true;  // D, the heaviest
        FakeDriver driver(rows);
        driver.series_text = c.series;
        driver.boxes["R_Nd"] = c.Nd;
        RecordedMessages messages;
        const SearchOutcome out = find_lightest(c.window, driver, messages);
        EXPECT_EQ(driver.checked, (std::vector<std::string>{"B", "C", "A", "D"}));
        EXPECT_EQ(driver.current(), "D");
        EXPECT_EQ(out.end, SearchEnd::EndOfTable);
        EXPECT_EQ(driver.count("prior"), 0);
    }
}

TEST(LightestWalk, FlagFromAnEarlierSearchIsClearedFirst) {
    FakeDriver driver(catalogue());
    driver.flag = 1;
    driver.boxes["R_Nd"] = "250";
    RecordedMessages messages;
    find_lightest("TForm_I_Laminado", driver, messages);
    EXPECT_EQ(driver.current(), "A");
    EXPECT_EQ(driver.flag, 0);
}

TEST(LightestWalk, CheckStoppedOnItsMessageEndsTheWalkOnThatRow) {
    std::vector<FakeRow> rows = catalogue();
    rows[2].stops = true;  // C: say an empty field divides by zero
    FakeDriver driver(rows);
    driver.boxes["R_Nd"] = "450";
    RecordedMessages messages;
    const SearchOutcome out = find_lightest("TForm_I_Laminado", driver, messages);
    EXPECT_EQ(driver.checked, (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(driver.current(), "C");
    EXPECT_EQ(out.end, SearchEnd::CheckStopped);
    EXPECT_FALSE(out.passed);
}

// The order walked and the order left behind, per window.
TEST(LightestWalk, OrdersTheCatalogueByWeightAndLeavesTheOrderOfTheWindow) {
    const struct {
        const char* window;
        const char* series;
        std::vector<std::string> log;
        const char* order_after;
    } cases[] = {
        {"TForm_I_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TForm_H_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TForm_U_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TI_Soldado", "CS", {"clear", "tag PESO", "first"}, "PESO"},
        {"TI_Soldado", "CVS", {"clear", "fields PESO", "first"}, "fields D"},
        {"TI_Soldado", "VS", {"clear", "fields PESO", "first"}, "fields D"},
        {"TL_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TL2_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TLT_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TLU_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TLX_Laminado", "", {"clear", "tag Peso", "first"}, "PESO"},
        {"TL2T_Ma_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TL2T_Me_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TL2U_Ma_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
        {"TL2U_Me_Laminado", "", {"clear", "tag PESO", "first"}, "PESO"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window + std::string(" ") + c.series);
        FakeDriver driver(catalogue());
        driver.series_text = c.series;
        driver.boxes["R_Nd"] = "-250";
        RecordedMessages messages;
        find_lightest(c.window, driver, messages);
        ASSERT_GE(driver.log.size(), c.log.size());
        EXPECT_EQ(std::vector<std::string>(driver.log.begin(), driver.log.begin() + 3), c.log);
        EXPECT_EQ(driver.order_name, c.order_after);
        // Changing the order afterwards keeps the section found.
        EXPECT_EQ(driver.current(), "A");
        EXPECT_EQ(driver.checked.back(), "A");
    }
}

TEST(LightestWalk, TwoForceWindowWithoutForcesOnlyOrdersTheTable) {
    FakeDriver driver(catalogue());
    driver.boxes["R_Nd"] = "0,00";
    driver.boxes["R_Ntd"] = "0";
    RecordedMessages messages;
    const SearchOutcome out = find_lightest("TLT_Laminado", driver, messages);
    EXPECT_EQ(driver.log, (std::vector<std::string>{"clear", "tag PESO", "first"}));
    EXPECT_EQ(driver.current(), "B");
    EXPECT_EQ(out.end, SearchEnd::NothingToCheck);
    EXPECT_EQ(out.checks, 0);
}

// A text that is not a number stops the search before the flag or the table
// is touched, with the conversion message.
TEST(LightestWalk, NonNumericActionStopsBeforeTheTableIsTouched) {
    const struct {
        const char* window;
        const char* box;
        const char* text;
    } cases[] = {
        {"TForm_I_Laminado", "R_Nd", "1.5"},
        {"TForm_U_Laminado", "R_Mdy", "abc"},
        {"TI_Soldado", "R_Vd", ""},
        {"TLT_Laminado", "R_Ntd", "1,2,3"},
        {"TL2U_Me_Laminado", "R_Nd", "10 kN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        FakeDriver driver(catalogue());
        driver.series_text = std::string(c.window) == "TI_Soldado" ? "CS" : "";
        driver.flag = 1;
        driver.boxes[c.box] = c.text;
        RecordedMessages messages;
        const SearchOutcome out = find_lightest(c.window, driver, messages);
        EXPECT_EQ(out.end, SearchEnd::ActionNotNumber);
        EXPECT_TRUE(driver.log.empty());
        EXPECT_EQ(driver.flag, 1);
        EXPECT_EQ(messages.shown, std::vector<std::string>{std::string(c.box) + ": '" + c.text +
                                                           "' não é um número válido"});
    }
}

// The series box accepts typing; a text that names no table leaves only the
// flag cleared.
TEST(LightestWalk, UnknownSeriesOnlyReadsTheActionsAndClearsTheFlag) {
    for (const char* series : {"cs", "CS ", "", "XS"}) {
        SCOPED_TRACE(series);
        FakeDriver driver(catalogue());
        driver.series_text = series;
        driver.flag = 1;
        RecordedMessages messages;
        const SearchOutcome out = find_lightest("TI_Soldado", driver, messages);
        EXPECT_EQ(driver.log, std::vector<std::string>{"clear"});
        EXPECT_EQ(out.end, SearchEnd::NoSeries);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(LightestWalk, EmptyTableChecksNothing) {
    FakeDriver driver({});
    driver.boxes["R_Nd"] = "10";
    RecordedMessages messages;
    const SearchOutcome out = find_lightest("TForm_I_Laminado", driver, messages);
    EXPECT_EQ(out.end, SearchEnd::NothingToCheck);
    EXPECT_TRUE(driver.checked.empty());
}

// A table without the weight order would be walked in some other order and
// report a heavier section as the lightest: refuse instead.
TEST(LightestWalk, TableWithoutWeightOrderIsRefused) {
    class NoWeight : public FakeDriver {
      public:
        using FakeDriver::FakeDriver;
        bool set_index_tag(std::string_view) override { return false; }
    };
    NoWeight driver(catalogue());
    driver.boxes["R_Nd"] = "10";
    RecordedMessages messages;
    const SearchOutcome out = find_lightest("TForm_I_Laminado", driver, messages);
    EXPECT_EQ(out.end, SearchEnd::NoWeightOrder);
    EXPECT_TRUE(driver.checked.empty());
    EXPECT_EQ(messages.shown, std::vector<std::string>{std::string(kNoWeightOrderMessage)});
}

TEST(SearchVariants, EveryMemberWindowHasOneAndSeriesAreExact) {
    using checks::WindowKind;
    for (std::size_t k = 0; k < checks::kWindowCount; ++k) {
        const auto kind = WindowKind(k);
        EXPECT_EQ(search_variant(kind).kind, kind);
        if (kind != WindowKind::I_Soldado) {
            EXPECT_NE(find_walk(search_variant(kind), ""), nullptr) << k;
        }
    }
    const SearchVariant& welded = search_variant(WindowKind::I_Soldado);
    for (const char* s : {"CS", "CVS", "VS"})
        EXPECT_NE(find_walk(welded, s), nullptr) << s;
    EXPECT_EQ(find_walk(welded, ""), nullptr);
    EXPECT_EQ(find_walk(welded, "Cs"), nullptr);
    FakeDriver driver(catalogue());
    RecordedMessages messages;
    EXPECT_EQ(find_lightest("TForm1", driver, messages).end, SearchEnd::NoSeries);
    EXPECT_TRUE(driver.log.empty());
}

}  // namespace
}  // namespace quintaro::search
