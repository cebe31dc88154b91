// quintaro-lote --lightest end to end: the built program over small
// catalogues written for the test, whose outcomes are known by hand.
// Steel A36: fy = 25, fu = 40 kN/cm², so tension resistances are
// min(0,9·Ag·25; 0,75·Ag·40) = 22,5·Ag kN.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "catalogue_source.h"
#include "checks/frame.h"
#include "csv.h"
#include "search/dbf_fixture.h"

namespace {

namespace fs = std::filesystem;
using quintaro::testing::DbfRow;
using quintaro::testing::ScratchFolder;
using quintaro::testing::write_dbf;

// Rolled I by weight B, C, A, D with Ag = 10, 20, 30, 40 cm²: 225, 450, 675,
// 900 kN. Welded CVS by weight X2, X1, X4, X3 with 495; 596,25; 643,5;
// 953,1 kN (Ag = (h·tw + 2·bf·tf)/100). Equal-leg angles L1, L2, L3 with one
// angle's area 10, 15, 20 cm²: a pair under tension 45·Ag1 = 450, 675, 900 kN.
void write_catalogues(const fs::path& dir) {
    write_dbf(dir / "tipo_aco.dbf", {{"TIPO", true}, {"FY"}, {"FU"}}, {{"A36", "25", "40"}});
    auto rolled_row = [](const char* name, const char* d, const char* ag, const char* peso) {
        return DbfRow{name,   d,     "100", "5",  "8",   ag,   peso,
                      "1000", "100", "100", "20", "110", "30", "5"};
    };
    write_dbf(dir / "I_Laminado.DBF", quintaro::testing::rolled_columns(),
              {rolled_row("A", "100", "30", "23.6"), rolled_row("B", "150", "10", "7.9"),
               rolled_row("C", "200", "20", "15.7"), rolled_row("D", "250", "40", "31.4")});
    write_dbf(dir / "I_Soldado_CVS.dbf", quintaro::testing::welded_columns(),
              {{"X1", "150", "100", "5", "10", "20.8"},
               {"X2", "200", "80", "5", "8", "17.3"},
               {"X3", "250", "120", "6", "12", "33.3"},
               {"X4", "300", "90", "5", "8", "22.5"}});
    auto angle = [](const char* name, const char* area, const char* peso) {
        return DbfRow{name, "50", "5", area, peso, "20", "1", "1.4"};
    };
    write_dbf(dir / "L_Laminado.DBF", quintaro::testing::equal_angle_columns(),
              {angle("L3", "20", "15.7"), angle("L1", "10", "7.8"), angle("L2", "15", "11.8")});
}

std::string read_file(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

struct LoteRun {
    int status = -1;
    quintaro::lote::CsvTable out;
};

LoteRun run_lightest(const ScratchFolder& folder, const std::string& input,
                     const std::string& mode = "--lightest") {
    std::ofstream(folder.path() / "in.csv", std::ios::binary) << input;
    const std::string command = "cd '" + folder.path().string() + "' && '" QUINTARO_LOTE_EXE "' " +
                                mode + " --tables . in.csv > out.csv 2> err.txt";
    const int raw = std::system(command.c_str());
    LoteRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    auto parsed = quintaro::lote::parse_csv(read_file(folder.path() / "out.csv"));
    EXPECT_TRUE(parsed.ok()) << read_file(folder.path() / "err.txt");
    if (parsed.ok())
        r.out = parsed.value();
    return r;
}

std::string cell(const quintaro::lote::CsvTable& t, std::size_t row, const std::string& column) {
    for (std::size_t i = 0; i < t.header.size(); ++i) {
        if (t.header[i] == column)
            return t.rows.at(row).at(i);
    }
    ADD_FAILURE() << "no column " << column;
    return {};
}

std::string as_cell(std::string_view message) {
    std::string out(message);
    for (char& c : out) {
        if (c == '\n')
            c = '/';
    }
    return out;
}

TEST(LoteLightest, WritesTheSectionFoundWithItsResultsAndMessages) {
    ScratchFolder folder("lote-lightest");
    write_catalogues(folder.path());
    const LoteRun r = run_lightest(
        folder,
        "janela;perfil;Serie;Compri_x;Compri_y;Compri_z;R_Nd;R_Vd;R_Mdx;R_Mdy;R_Ntd;R_d\n"
        // The section columns are not read: the catalogue gives the sections.
        "TForm_I_Laminado;Z 999;;0;0;0;500;0;0;0;;999\n"
        "TForm_I_Laminado;;;0;0;0;1000;0;0;0;;\n"
        "TForm_I_Laminado;;;0;100;0;-100;0;0;0;;\n"
        "TI_Soldado;;CVS;0;0;0;600;0;0;0;;\n"
        "TLT_Laminado;;;0;0;;0;;;;500;\n"
        "TLT_Laminado;;;0;0;;0;;;;0;\n");
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.out.rows.size(), 6u);

    // 675 kN of A is the first to cover 500.
    EXPECT_EQ(cell(r.out, 0, "perfil"), "A");
    EXPECT_EQ(cell(r.out, 0, "R_d"), "100");
    EXPECT_EQ(cell(r.out, 0, "R_RdNd"), "675,00");
    EXPECT_EQ(cell(r.out, 0, "resposta1"), "Ok!");
    EXPECT_EQ(cell(r.out, 0, "mensagens"), "");
    // None covers 1000: the heaviest with its own result.
    EXPECT_EQ(cell(r.out, 1, "perfil"), "D");
    EXPECT_EQ(cell(r.out, 1, "R_RdNd"), "900,00");
    EXPECT_EQ(cell(r.out, 1, "resposta1"), "Não Ok!");
    // A zero buckling length under compression: the lightest, the message once.
    EXPECT_EQ(cell(r.out, 2, "perfil"), "B");
    EXPECT_EQ(cell(r.out, 2, "R_RdNd"), "0,00");
    EXPECT_EQ(cell(r.out, 2, "resposta1"), "");
    EXPECT_EQ(cell(r.out, 2, "mensagens"), as_cell(quintaro::checks::kCompressionLengthMessage));
    // Welded CVS: X4 (643,5 kN) after X2 and X1.
    EXPECT_EQ(cell(r.out, 3, "perfil"), "X4");
    EXPECT_EQ(cell(r.out, 3, "R_RdNd"), "643,50");
    // Two forces, only Ntd = 500: L2 (675 kN).
    EXPECT_EQ(cell(r.out, 4, "perfil"), "L2");
    EXPECT_EQ(cell(r.out, 4, "R_RdNt"), "675,00");
    EXPECT_EQ(cell(r.out, 4, "Resposta2"), "Ok!");
    // No force: the lightest row, nothing computed.
    EXPECT_EQ(cell(r.out, 5, "perfil"), "L1");
    EXPECT_EQ(cell(r.out, 5, "R_RdNt"), "0,00");
    EXPECT_EQ(cell(r.out, 5, "Resposta2"), "");
}

TEST(LoteLightest, RowThatCannotBeSearchedIsReported) {
    ScratchFolder folder("lote-lightest-bad");
    write_catalogues(folder.path());
    // No perfil column in the file: the search adds it.
    const LoteRun r = run_lightest(folder,
                                   "janela;Serie;R_Nd\n"
                                   "TForm_I_Laminado;;1.5\n"
                                   "TI_Soldado;XS;10\n"
                                   "TForm_I_Laminado;;225\n");
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.out.rows.size(), 3u);
    EXPECT_EQ(cell(r.out, 0, "perfil"), "");
    EXPECT_EQ(cell(r.out, 0, "mensagens"), "R_Nd: '1.5' não é um número válido");
    EXPECT_EQ(cell(r.out, 1, "perfil"), "");
    EXPECT_EQ(cell(r.out, 1, "mensagens"), "série desconhecida: 'XS'");
    // 22,5·10 = 225: the lightest passes with equality.
    EXPECT_EQ(cell(r.out, 2, "perfil"), "B");
    EXPECT_EQ(cell(r.out, 2, "resposta1"), "Ok!");
}

// A catalogue with no section, or one the reader refuses, is the reason
// given for each row that needs it; the other rows are checked.
TEST(LoteLightest, CatalogueWithoutSectionsOrUnreadable) {
    ScratchFolder folder("lote-lightest-empty");
    write_catalogues(folder.path());
    write_dbf(folder.path() / "I_Laminado.DBF", quintaro::testing::rolled_columns(), {});
    std::ofstream(folder.path() / "I_Soldado_CVS.dbf") << "isto não é uma tabela";
    const std::string input =
        "janela;perfil;Serie;R_Nd\n"
        "TForm_I_Laminado;A;;10\n"
        "TI_Soldado;X1;CVS;10\n"
        "TL_Laminado;L1;;10\n";
    for (const char* mode : {"--lightest", ""}) {
        const LoteRun r = run_lightest(folder, input, mode);
        EXPECT_EQ(r.status, 1) << mode;
        ASSERT_EQ(r.out.rows.size(), 3u) << mode;
        EXPECT_EQ(cell(r.out, 0, "mensagens"),
                  *mode ? "a tabela I_Laminado.DBF não tem perfis: não há onde procurar o mais leve"
                        : "perfil 'A' não encontrado em I_Laminado.DBF")
            << mode;
        EXPECT_NE(cell(r.out, 1, "mensagens").find("I_Soldado_CVS.dbf"), std::string::npos)
            << mode << cell(r.out, 1, "mensagens");
        EXPECT_EQ(cell(r.out, 1, "R_RdNd"), "") << mode;
        // L1: one angle of area 10 cm² in tension, 22,5·10 = 225 kN.
        EXPECT_EQ(cell(r.out, 2, "perfil"), "L1") << mode;
        EXPECT_EQ(cell(r.out, 2, "R_RdNd"), "225,00") << mode;
        EXPECT_EQ(cell(r.out, 2, "mensagens"), "") << mode;
    }
}

TEST(LoteSteel, AGradeWhoseFyOrFuIsNoNumberIsRefusedNamingIt) {
    ScratchFolder folder("lote-steel");
    write_dbf(folder.path() / "tipo_aco.dbf", {{"TIPO", true}, {"FY", true}, {"FU"}},
              {{"A36", "25", "40"}, {"B", "25O", "40"}, {"C", "", "40"}});
    struct Case {
        const char* grade;
        const char* named;  // "" = accepted
    };
    const Case cases[] = {
        {"A36", ""},  // a text field holding a number is a number
        {"B", "aço 'B' em "},
        {"B", "/tipo_aco.dbf: fy ou fu não é um número (FY \"25O\", FU \"40\")"},
        {"C", "fy ou fu não é um número (FY \"\", FU \"40\")"},
    };
    for (const auto& c : cases) {
        const auto steel = quintaro::lote::load_steel(folder.path().string(), c.grade);
        EXPECT_EQ(steel.ok(), *c.named == '\0') << c.grade << ": " << steel.error();
        if (!steel.ok()) {
            EXPECT_NE(steel.error().find(c.named), std::string::npos) << steel.error();
        }
    }
}

}  // namespace
