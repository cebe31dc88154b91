// The search with the real checks over small dBASE catalogues, through the
// driver that quintaro-lote uses. Steel A36 of the tests: fy = 25, fu = 40
// kN/cm², so a tension resistance is min(0,9·Ag·25; 0,75·Ag·40) = 22,5·Ag kN.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/table.h"
#include "checks/angle.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "dbf_fixture.h"
#include "search/catalogue_driver.h"
#include "search/lightest.h"
#include "testing/map_boxes.h"

namespace quintaro::search {
namespace {

using quintaro::testing::DbfRow;
using quintaro::testing::MapBoxes;
using quintaro::testing::RecordingMessages;
using quintaro::testing::ScratchFolder;
using quintaro::testing::write_dbf;

// One window without a screen over catalogues written into a scratch folder.
struct Bench {
    explicit Bench(const char* window_class, checks::Standard standard = checks::kDefaultStandard)
        : folder(window_class), window(*checks::find_window(window_class, standard)) {
        state = window.make_state();
        boxes.set({{"tipo_aco", "A36"}, {"fy_aco", "25"}, {"fu_aco", "40"}});
        for (std::string_view box : window.inputs)
            boxes.set_text(box, checks::input_default(box));
        driver = std::make_unique<CatalogueDriver>(
            window, boxes, messages, *state,
            [this](const checks::CatalogueTable& t) { return open(t.file); });
    }

    catalogue::Table* open(std::string_view file) {
        auto& slot = tables[std::string(file)];
        if (!slot) {
            auto opened =
                catalogue::Table::open(file, catalogue::TableLocation{folder.path().string(), ""});
            if (!opened)
                return nullptr;
            slot = std::move(opened).value();
        }
        return slot.get();
    }

    SearchOutcome search() {
        return find_lightest(window.class_name, *driver, messages, window.standard);
    }

    ScratchFolder folder;
    const checks::WindowDescriptor& window;
    MapBoxes boxes;
    RecordingMessages messages;
    std::unique_ptr<checks::WorkingState> state;
    std::map<std::string, std::unique_ptr<catalogue::Table>> tables;
    std::unique_ptr<CatalogueDriver> driver;
};

// Four rolled sections in depth order A, B, C, D; by weight B, C, A, D with
// Ag = 10, 20, 30, 40 cm², so tension resistances 225, 450, 675, 900 kN.
void write_rolled(const Bench& b, const char* file) {
    auto row = [](const char* name, const char* d, const char* ag, const char* peso) {
        return DbfRow{name,   d,     "100", "5",  "8",   ag,   peso,
                      "1000", "100", "100", "20", "110", "30", "5"};
    };
    write_dbf(b.folder.path() / file, testing::rolled_columns(),
              {row("A", "100", "30", "23.6"), row("B", "150", "10", "7.9"),
               row("C", "200", "20", "15.7"), row("D", "250", "40", "31.4")});
}

TEST(CatalogueSearch, RolledTensionFindsTheLightestCoveringSection) {
    const struct {
        const char* Nd;
        const char* found;
        const char* result;
        const char* verdict;
        int checks;
    } cases[] = {
        {"225", "B", "225,00", "Ok!", 1},  // 22,5·10 = 225: equality passes
        {"500", "A", "675,00", "Ok!", 3},
        {"800", "D", "900,00", "Ok!", 4},
        {"1000", "D", "900,00", "Não Ok!", 4},  // none passes: the heaviest stays
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Nd);
        Bench b("TForm_I_Laminado");
        write_rolled(b, "I_Laminado.DBF");
        b.boxes.set_text("R_Nd", c.Nd);
        const SearchOutcome out = b.search();
        EXPECT_EQ(out.checks, c.checks);
        EXPECT_EQ(b.boxes.text("R_Perfil"), c.found);
        EXPECT_EQ(b.boxes.text("R_RdNd"), c.result);
        EXPECT_EQ(b.boxes.text("resposta1"), c.verdict);
        EXPECT_EQ(b.tables.at("I_Laminado.DBF")->order_name(), "PESO");
        EXPECT_TRUE(b.messages.shown.empty());
    }
}

// A zero length refuses the first (lightest) section: its message once, that
// section current, the flag left set.
TEST(CatalogueSearch, InvalidLengthStopsAfterTheLightestSection) {
    const struct {
        const char* window;
        const char* Nd;
        const char* Mdx;
        std::string_view message;
    } cases[] = {
        {"TForm_I_Laminado", "-100", "0", checks::kCompressionLengthMessage},
        {"TForm_I_Laminado", "100", "50", checks::kBendingLengthMessage},
        // Rolled H under tension stops on the flag like every other window.
        {"TForm_H_Laminado", "100", "50", checks::kBendingLengthMessage},
        {"TForm_H_Laminado", "-100", "0", checks::kCompressionLengthMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " Nd " + c.Nd);
        Bench b(c.window);
        write_rolled(
            b, c.window == std::string("TForm_H_Laminado") ? "H_Laminado.DBF" : "I_Laminado.DBF");
        b.boxes.set({{"R_Nd", c.Nd}, {"R_Mdx", c.Mdx}});
        const SearchOutcome out = b.search();
        EXPECT_EQ(out.end, SearchEnd::InvalidLength);
        EXPECT_EQ(out.checks, 1);
        EXPECT_EQ(b.boxes.text("R_Perfil"), "B");
        EXPECT_EQ(b.messages.shown, std::vector<std::string>{std::string(c.message)});
        EXPECT_EQ(b.state->invalid_length, 1);
    }
}

// Channel U1, U2, U3 (weights 5, 6, 7) with Ag = 10 cm² and Ix = 999, 1000,
// 1100 cm⁴: rx = √(Ix/Ag) = 9,995; 10; 10,488 cm. With Lflx = 2000 cm,
// λx = 200,10; 200 (exactly); 190,7. Iy = 40 gives ry = 2 and λy = 100/2 = 50.
// Nd = −1 kN is covered by any of them (about 38 kN of resistance), so only
// the slenderness decides: U1 fails (and warns), U2 passes.
TEST(CatalogueSearch, ChannelSlendernessOfExactly200Passes) {
    Bench b("TForm_U_Laminado");
    auto row = [](const char* name, const char* ix, const char* peso) {
        return DbfRow{name, "100", "40", "5", "7", "10", peso, ix, "40", "200", "15", "1.2", "2"};
    };
    write_dbf(b.folder.path() / "U_Laminado.DBF", testing::channel_columns(),
              {row("U3", "1100", "7"), row("U2", "1000", "6"), row("U1", "999", "5")});
    b.boxes.set({{"R_Nd", "-1"}, {"Compri_x", "2000"}, {"Compri_y", "100"}});
    const SearchOutcome out = b.search();
    EXPECT_EQ(out.end, SearchEnd::Passed);
    EXPECT_EQ(out.checks, 2);
    EXPECT_EQ(b.boxes.text("R_Perfil"), "U2");
    EXPECT_EQ(b.boxes.text("resposta1"), "Ok!");
    EXPECT_EQ(b.messages.shown, std::vector<std::string>{std::string(checks::kSlendernessMessage)});
}

// Welded CVS: X1..X4 in depth order 150, 200, 250, 300 mm. Ag = (h·tw + 2·bf·tf)/100:
//   X1 d 150, bf 100, tw 5, tf 10: h 130, Ag 26,5  -> 596,25 kN, 20,8 kgf/m
//   X2 d 200, bf 80,  tw 5, tf 8:  h 184, Ag 22    -> 495 kN,    17,3 kgf/m
//   X3 d 250, bf 120, tw 6, tf 12: h 226, Ag 42,36 -> 953,1 kN,  33,3 kgf/m
//   X4 d 300, bf 90,  tw 5, tf 8:  h 284, Ag 28,6  -> 643,5 kN,  22,5 kgf/m
// By weight X2, X1, X4, X3; Nd = 600 is first covered by X4.
TEST(CatalogueSearch, WeldedCvsIsLeftOrderedByDepthOnTheSectionFound) {
    Bench b("TI_Soldado");
    write_dbf(b.folder.path() / "I_Soldado_CVS.dbf", testing::welded_columns(),
              {{"X1", "150", "100", "5", "10", "20.8"},
               {"X2", "200", "80", "5", "8", "17.3"},
               {"X3", "250", "120", "6", "12", "33.3"},
               {"X4", "300", "90", "5", "8", "22.5"}});
    b.boxes.set({{"Serie", "CVS"}, {"R_Nd", "600"}});
    const SearchOutcome out = b.search();
    EXPECT_EQ(out.end, SearchEnd::Passed);
    const catalogue::Table& t = *b.tables.at("I_Soldado_CVS.dbf");
    EXPECT_EQ(t.order_name(), "D");
    EXPECT_EQ(t.row_number(), 3);  // X4 is the deepest
    EXPECT_EQ(t.text("PERFIL"), "X4");
    EXPECT_EQ(b.boxes.text("R_Perfil"), "X4");
    EXPECT_EQ(b.boxes.text("R_RdNd"), "643,50");
    EXPECT_EQ(b.tables.count("I_Soldado_CS.DBF"), 0u);  // the other series untouched
}

TEST(CatalogueSearch, NonNumericActionLeavesTheTableAsItWas) {
    Bench b("TForm_I_Laminado");
    write_rolled(b, "I_Laminado.DBF");
    catalogue::Table& t = *b.open("I_Laminado.DBF");
    ASSERT_TRUE(t.set_index_tag("D"));
    ASSERT_TRUE(t.first());
    ASSERT_TRUE(t.next());
    b.boxes.set_text("R_Mdx", "1.5");
    const SearchOutcome out = b.search();
    EXPECT_EQ(out.end, SearchEnd::ActionNotNumber);
    EXPECT_EQ(t.order_name(), "D");
    EXPECT_EQ(t.row_number(), 1);
    EXPECT_EQ(b.messages.shown, std::vector<std::string>{"R_Mdx: '1.5' não é um número válido"});
}

// Equal-leg angles L1, L2, L3 by weight with one-angle areas 10, 15, 20 cm²:
// single angle 22,5·Ag1 = 225; 337,5; 450 kN; a pair 45·Ag1 = 450; 675; 900 kN.
void write_angles(const Bench& b, const char* file) {
    auto row = [](const char* name, const char* area, const char* peso) {
        return DbfRow{name, "50", "5", area, peso, "20", "1", "1.4"};
    };
    write_dbf(b.folder.path() / file, testing::equal_angle_columns(),
              {row("L3", "20", "15.7"), row("L1", "10", "7.8"), row("L2", "15", "11.8")});
}

TEST(CatalogueSearch, AngleWindowsJudgeTheAxialForce) {
    {
        Bench b("TL_Laminado");
        write_angles(b, "L_Laminado.DBF");
        b.boxes.set_text("R_Nd", "300");
        b.search();
        EXPECT_EQ(b.boxes.text("R_Perfil"), "L2");
        EXPECT_EQ(b.boxes.text("R_RdNd"), "337,50");
    }
    {
        // Only Ntd: the compression term never holds the walk back.
        Bench b("TLT_Laminado");
        write_angles(b, "L_Laminado.DBF");
        b.boxes.set_text("R_Ntd", "500");
        const SearchOutcome out = b.search();
        EXPECT_EQ(out.checks, 2);
        EXPECT_EQ(b.boxes.text("R_Perfil"), "L2");
        EXPECT_EQ(b.boxes.text("R_RdNt"), "675,00");
        EXPECT_EQ(b.boxes.text("Resposta2"), "Ok!");
    }
    {
        // No force at all: weight order, lightest row, nothing computed.
        Bench b("TLT_Laminado");
        write_angles(b, "L_Laminado.DBF");
        b.boxes.set_text("R_RdNd", "untouched");
        const SearchOutcome out = b.search();
        EXPECT_EQ(out.checks, 0);
        EXPECT_EQ(b.boxes.text("R_Perfil"), "L1");
        EXPECT_EQ(b.boxes.text("R_RdNd"), "untouched");
        EXPECT_EQ(b.tables.at("L_Laminado.DBF")->order_name(), "PESO");
    }
    {
        // A zero buckling length under compression: one message, lightest current.
        Bench b("TLX_Laminado");
        write_angles(b, "L_Laminado.dbf");
        b.boxes.set({{"R_Nd", "-100"}, {"Compri_y", "100"}});
        const SearchOutcome out = b.search();
        EXPECT_EQ(out.end, SearchEnd::InvalidLength);
        EXPECT_EQ(b.boxes.text("R_Perfil"), "L1");
        EXPECT_EQ(b.messages.shown,
                  std::vector<std::string>{std::string(checks::kAngleLengthMessage)});
    }
}

// Under NBR 8800:2008 an angle passes on its own verdicts. Tension 300 kN
// without ℓc (Ct = 0,60): L1 min(10·25/1,10, 0,6·10·40/1,35 = 177,78), L2
// 266,67, L3 min(454,55, 355,56) = 355,56, the first to pass. The T pair
// under 1 kN of compression (e = 0, Lfly = 100) passes on its resistance
// but not beyond KL/r = 200 (5.3.4.1): rx = √(2·20/(2·Ag1)) = 1,41421 for L1,
// 1,15470 for L2, 1 for L3; Lflx 280 gives L1 197,99, Lflx 290 205,06 and
// more for the others, so no row passes.
TEST(CatalogueSearch, AngleWindowsUnder2008JudgeEveryVerdict) {
    {
        Bench b("TL_Laminado", checks::Standard::Nbr2008);
        write_angles(b, "L_Laminado.DBF");
        b.boxes.set_text("R_Nd", "300");
        // L3, the heaviest, is the last row: the walk ends there, passed.
        const SearchOutcome out = b.search();
        EXPECT_TRUE(out.passed);
        EXPECT_EQ(out.checks, 3);
        EXPECT_EQ(b.boxes.text("R_Perfil"), "L3");
        EXPECT_EQ(b.boxes.text("R_RdNd"), "355,56");
    }
    const struct {
        const char* Lflx;
        SearchEnd end;
        const char* found;
    } tees[] = {{"280", SearchEnd::Passed, "L1"}, {"290", SearchEnd::EndOfTable, "L3"}};
    for (const auto& t : tees) {
        Bench b("TLT_Laminado", checks::Standard::Nbr2008);
        write_angles(b, "L_Laminado.DBF");
        b.boxes.set({{"R_Nd", "1"}, {"Compri_x", t.Lflx}, {"Compri_y", "100"}});
        const SearchOutcome out = b.search();
        EXPECT_EQ(out.end, t.end) << t.Lflx;
        EXPECT_EQ(out.passed, t.end == SearchEnd::Passed) << t.Lflx;
        EXPECT_EQ(b.boxes.text("R_Perfil"), t.found) << t.Lflx;
    }
    // No force at all: nothing to look for.
    Bench b("TLT_Laminado", checks::Standard::Nbr2008);
    write_angles(b, "L_Laminado.DBF");
    EXPECT_EQ(b.search().checks, 0);
}

}  // namespace
}  // namespace quintaro::search
