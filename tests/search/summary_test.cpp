// What "Mais Leve" writes down on its walk and the one summary it makes of it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_driver.h"
#include "search/summary.h"

namespace quintaro::search {
namespace {

using checks::WindowKind;
using testing::FakeDriver;
using testing::FakeRow;
using testing::RecordedMessages;

std::string label(std::string_view box) {
    return "<" + std::string(box) + ">";
}

// Resistances all 100 (compression -100), ratio and slenderness 0.
CheckValues covering() {
    CheckValues v;
    v.tension = v.shear = v.moment_x = v.moment_y = 100;
    v.compression = -100;
    return v;
}

template <typename Change>
CheckValues changed(Change change) {
    CheckValues v = covering();
    change(v);
    return v;
}

struct FailureCase {
    const char* name;
    WindowKind window;
    CheckValues values;
    unsigned failed;
};

// Actions Nd = -100 (Ncd in the tee, Ntd = 100), Vd = Mdx = Mdy = 100: each
// comparison just held and just failed.
const FailureCase kFailures[] = {
    {"every resistance equal to its action", WindowKind::I_Laminado, covering(), 0},
    {"compression short", WindowKind::I_Laminado,
     changed([](CheckValues& v) { v.compression = -99.99; }), kAxialFailed},
    {"shear and moment x short", WindowKind::I_Laminado, changed([](CheckValues& v) {
         v.shear = 99.99;
         v.moment_x = -99.99;
     }),
     kShearFailed | kMomentXFailed},
    {"moment y short", WindowKind::H_Laminado, changed([](CheckValues& v) { v.moment_y = 99.99; }),
     kMomentYFailed},
    {"ratio exactly 1", WindowKind::I_Laminado,
     changed([](CheckValues& v) { v.combined_ratio = 1.0; }), 0},
    {"ratio past 1", WindowKind::I_Laminado,
     changed([](CheckValues& v) { v.combined_ratio = 1.0001; }), kCombinedFailed},
    {"combined failed without a ratio", WindowKind::I_Soldado,
     changed([](CheckValues& v) { v.combined_failed = true; }), kCombinedFailed},
    {"channel slenderness 200", WindowKind::U_Laminado,
     changed([](CheckValues& v) { v.lambda_x = v.lambda_y = 200; }), 0},
    {"channel slenderness past 200", WindowKind::U_Laminado,
     changed([](CheckValues& v) { v.lambda_y = 200.01; }), kSlendernessFailed},
    {"tee tension short", WindowKind::LT_Laminado,
     changed([](CheckValues& v) { v.tension = 99.99; }), kTensionFailed},
    {"tee both short", WindowKind::LT_Laminado, changed([](CheckValues& v) {
         v.tension = 99.99;
         v.compression = -99.99;
     }),
     kAxialFailed | kTensionFailed},
};

TEST(SearchRecord, EachSectionCheckedIsWrittenDownWithTheComparisonsItFailed) {
    for (const FailureCase& c : kFailures) {
        SCOPED_TRACE(c.name);
        // The row under test is the only one: the walk ends on it.
        FakeDriver driver({{"X", 10, 100, c.values, false, false, {"aviso"}}});
        driver.boxes = {{"R_Nd", "-100"},
                        {"R_Vd", "100"},
                        {"R_Mdx", "100"},
                        {"R_Mdy", "100"},
                        {"R_Ntd", "100"}};
        driver.series_text = c.window == WindowKind::I_Soldado ? "CS" : "";
        RecordedMessages messages;
        SearchRecord record;
        find_lightest(c.window, driver, messages, &record);
        ASSERT_EQ(record.sections.size(), 1u);
        EXPECT_EQ(record.sections[0].failed, c.failed);
        EXPECT_EQ(record.sections[0].designation, "X");
        EXPECT_EQ(record.sections[0].weight, "10");
        EXPECT_EQ(record.sections[0].messages, std::vector<std::string>{"aviso"});
        EXPECT_TRUE(messages.shown.empty());
    }
}

// Five sections by weight: three fail (two on Mdx, one on Nd and Mdx, two
// with the same warning), the fourth passes, the fifth is never checked.
TEST(SearchSummary, CountsTheRejectedByFailingCheckAndByMessage) {
    const auto fails = [](double compression, double moment_x) {
        return changed([=](CheckValues& v) {
            v.compression = -compression;
            v.moment_x = moment_x;
        });
    };
    FakeDriver driver({
        {"P1", 10, 1, fails(100, 50), false, false, {"esbelto\n(5.3.5)"}},
        {"P2", 20, 2, fails(50, 50), false, false, {"esbelto\n(5.3.5)", "outro"}},
        {"P3", 30.5, 3, fails(100, 99), false, false, {}},
        {"P4",
         40,
         4,
         changed([](CheckValues& v) {
             v.governing = "R_RdMdx";
             v.utilisation = 0.8749;
         }),
         false,
         false,
         {"seu aviso"}},
        {"P5", 50, 5, covering(), false, false, {}},
    });
    driver.boxes = {{"R_Nd", "-100"}, {"R_Vd", "0"}, {"R_Mdx", "100"}, {"R_Mdy", "0"}};
    RecordedMessages messages;
    SearchRecord record;
    const SearchOutcome out = find_lightest(WindowKind::I_Laminado, driver, messages, &record);
    ASSERT_EQ(record.sections.size(), 4u);
    EXPECT_EQ(record.sections.back().messages, std::vector<std::string>{"seu aviso"});
    EXPECT_EQ(search_summary(out, record, label),
              "Perfil encontrado: P4 (40 kgf/m)\n"
              "Maior aproveitamento: 0,87 em <R_RdMdx>\n"
              "\n"
              "Perfis mais leves rejeitados: 3\n"
              "Não atendem em (um perfil pode falhar em mais de uma verificação):\n"
              "    <R_RdNd>: 1\n"
              "    <R_RdMdx>: 3\n"
              "Mensagens dos perfis rejeitados:\n"
              "    2 × esbelto / (5.3.5)\n"
              "    1 × outro\n"
              "O mais pesado dos rejeitados: P3 (30,5 kgf/m), que não atende em <R_RdMdx>.");
}

// P1 fails on shear; the walk ends on P2 (P3 is heavier).
TEST(SearchSummary, TellsWhereAWalkEndedThatFoundNothing) {
    const CheckValues short_shear = changed([](CheckValues& v) { v.shear = 1; });
    // A combined check failed without a ratio governs with no utilisation.
    const CheckValues unbounded = changed([](CheckValues& v) {
        v.shear = 1;
        v.governing = "R_Rd_MdNd";
    });
    const struct {
        const char* name;
        std::vector<FakeRow> rows;
        const char* first_line;
    } cases[] = {
        {"end of table",
         {{"P1", 10, 1, short_shear}, {"P2", 20, 2, unbounded}},
         "Nenhum perfil do catálogo atende às solicitações.\nFica na janela o mais pesado: P2 "
         "(20 kgf/m), que não atende em <R_RdVd>.\nGoverna <R_Rd_MdNd>, que falhou sem "
         "aproveitamento definido.\n"},
        {"stopped",
         {{"P1", 10, 1, short_shear}, {"P2", 20, 2, covering(), false, true}, {"P3", 30, 3}},
         "Busca interrompida em P2 (20 kgf/m): a verificação parou (veja a mensagem).\n"},
        {"invalid length",
         {{"P1", 10, 1, short_shear}, {"P2", 20, 2, covering(), true}, {"P3", 30, 3}},
         "Busca interrompida em P2 (20 kgf/m): comprimento inválido (veja a mensagem).\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDriver driver(c.rows);
        driver.boxes = {{"R_Nd", "0"}, {"R_Vd", "100"}, {"R_Mdx", "0"}, {"R_Mdy", "0"}};
        RecordedMessages messages;
        SearchRecord record;
        const SearchOutcome out = find_lightest(WindowKind::I_Laminado, driver, messages, &record);
        const std::string summary = search_summary(out, record, label);
        EXPECT_EQ(summary.substr(0, std::string(c.first_line).size()), c.first_line);
        EXPECT_NE(summary.find("Perfis mais leves rejeitados: 1\n"), std::string::npos);
    }
}

TEST(SearchSummary, AnUnknownSeriesListsTheSeriesOfTheWindow) {
    EXPECT_EQ(unknown_series_message(WindowKind::I_Soldado, "XS"),
              "A série \"XS\" não existe nesta janela: escolha uma destas: CS, CVS, VS.");
}

}  // namespace
}  // namespace quintaro::search
