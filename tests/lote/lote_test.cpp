// quintaro-lote end to end: the built program on small CSV files, with the
// bundled catalogues of the build tree. Steel: the first row of tipo_aco.dbf
// (MR250, fy = 25, fu = 40 kN/cm²) unless --steel says otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lote_testing.h"

namespace {

using quintaro::lote::testing::cell;
using quintaro::lote::testing::Outcome;
using quintaro::lote::testing::parse;
using quintaro::lote::testing::run_lote;

std::string tables() {
    return std::string("--tables '") + QUINTARO_TABLES_DIR + "'";
}

// Section R1 of our own (see the checks' tests): Ag = 50, so with MR250
// tension gives Rd = 0,9·50·25 = 1125 and shear Rd = 0,9·0,55·(300·6·0,01)·25 = 222,75.
const char* kOwnSection = "R_d;R_bf;R_tw;R_tf;R_Ag;R_Peso;R_Ix;R_Iy;R_Wx;R_Wy;R_Zx;R_Zy;R_IT";
const char* kOwnValues = "300;150;6;10;50;39;8000;500;530;66;600;102;10";

TEST(LoteEndToEnd, EveryFamilyChecked) {
    const std::string input =
        std::string("janela;perfil;Serie;Compri_x;Compri_y;Compri_z;R_Nd;R_Vd;R_Mdx;R_Mdy;") +
        kOwnSection + "\n" + "TForm_I_Laminado;;;0;0;0;1125;-222,75;0;0;" + kOwnValues + "\n" +
        "TForm_H_Laminado;W 150 x 22,5;;300;300;300;100;0;1000;0;;;;;;;;;;;;;\n" +
        "TForm_U_Laminado;U 75 x 5,2;;100;100;100;-10;5;10;0;;;;;;;;;;;;;\n" +
        "TI_Soldado;CS 250 x 52;;500;300;300;0;228,69;0;0;;;;;;;;;;;;;\n" +
        "TI_Soldado;VS 900 x 124;VS;500;300;;-20;;;;;;;;;;;;;;;;\n";
    Outcome o = run_lote(tables() + " -", input);
    EXPECT_EQ(o.status, 0) << o.err;
    auto t = parse(o.out);
    ASSERT_EQ(t.rows.size(), 5u);
    // Inputs written back, then the result columns in their fixed order.
    EXPECT_EQ(t.header.front(), "janela");
    const std::vector<std::string> tail(t.header.end() - 13, t.header.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"R_RdNd", "resposta1", "R_RdVd", "resposta2", "R_RdMdx",
                                        "resposta3", "R_RdMdy", "resposta5", "R_Rd_MdNd",
                                        "resposta4", "mensagens", "aproveitamento", "governante"}));
    EXPECT_EQ(cell(t, 0, "R_RdNd"), "1125,00");
    EXPECT_EQ(cell(t, 0, "resposta1"), "Ok!");
    EXPECT_EQ(cell(t, 0, "R_RdVd"), "-222,75");
    EXPECT_EQ(cell(t, 0, "resposta2"), "Ok!");
    EXPECT_EQ(cell(t, 0, "R_RdMdx"), "0,00");
    EXPECT_EQ(cell(t, 0, "resposta3"), "");
    // W 150 x 22,5 (Ag = 29 cm²): Rd = 0,9·29·25 = 652,5.
    EXPECT_EQ(cell(t, 1, "R_RdNd"), "652,50");
    EXPECT_NE(cell(t, 1, "R_Rd_MdNd"), "0,00");
    EXPECT_NE(cell(t, 2, "R_RdNd"), "0,00");
    // CS 250 x 52 shear: 0,9·0,55·(231·8/100)·25 = 228,69 (equal passes).
    EXPECT_EQ(cell(t, 3, "R_RdVd"), "228,69");
    EXPECT_EQ(cell(t, 3, "resposta2"), "Ok!");
    // VS 900 x 124 with a small force: the whole web counts; a finite result.
    EXPECT_EQ(cell(t, 4, "resposta1"), "Ok!");
    for (std::size_t r = 0; r < t.rows.size(); ++r)
        EXPECT_EQ(cell(t, r, "mensagens"), "");
}

TEST(LoteEndToEnd, RowsThatCannotBeCheckedAreWrittenWithTheirReason) {
    const std::string input =
        "janela;perfil;Serie;Compri_x;R_Nd;R_Mdx\n"
        "TForm_X;;;;;\n"
        "TForm_I_Laminado;nenhum;;;10;\n"
        "TI_Soldado;CS 250 x 52;XS;;;\n"
        "TForm_I_Laminado;I 75 x 8,5;;0.5;-10;\n"
        "TForm_I_Laminado;I 75 x 8,5;;0;-10;5\n"
        "TForm_I_Laminado;  I 75 x 8,5  ;;;10;\n";
    Outcome o = run_lote(tables(), input);
    EXPECT_EQ(o.status, 1) << o.err;
    auto t = parse(o.out);
    ASSERT_EQ(t.rows.size(), 6u);
    EXPECT_EQ(cell(t, 0, "mensagens"), "janela desconhecida: 'TForm_X'");
    EXPECT_EQ(cell(t, 0, "R_RdNd"), "");
    EXPECT_EQ(cell(t, 1, "mensagens"), "perfil 'nenhum' não encontrado em I_Laminado.DBF");
    EXPECT_EQ(cell(t, 2, "mensagens"), "série desconhecida: 'XS'");
    EXPECT_EQ(cell(t, 3, "mensagens"), "Compri_x: '0.5' não é um número válido");
    EXPECT_EQ(cell(t, 3, "R_RdNd"), "0,00");
    // Two messages of one check, joined, line breaks as '/'.
    EXPECT_EQ(cell(t, 4, "mensagens"),
              "    Não é possível dimensionar o/perfil a compressão ou flexocopressão!/"
              "   Comprimento(os) inválido(os)! |  Não é possível dimensionar/dimensionar "
              "perfil a flexão!/Comprimento(os) inválido(os)!");
    // The designation is matched after trimming blanks: I 75 x 8,5 has Ag = 10,7:
    // Rd = 0,9·10,7·25 = 240,75.
    EXPECT_EQ(cell(t, 5, "R_RdNd"), "240,75");
}

TEST(LoteEndToEnd, RowValuesOverrideTheCatalogueAndSteelIsChosen) {
    // I 75 x 8,5 with Ag typed as 20: Rd = 0,9·20·25 = 450 with MR250;
    // AR350 (fy = 35, fu = 45): min(0,9·20·35 = 630, 0,75·20·45 = 675) = 630.
    const std::string input = "janela;perfil;R_Ag;R_Nd\nTForm_I_Laminado;I 75 x 8,5;20;10\n";
    Outcome o = run_lote(tables(), input);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(cell(parse(o.out), 0, "R_RdNd"), "450,00");
    Outcome o2 = run_lote(tables() + " --steel AR350", input);
    ASSERT_EQ(o2.status, 0) << o2.err;
    EXPECT_EQ(cell(parse(o2.out), 0, "R_RdNd"), "630,00");
    // The steel of one row given in its own columns.
    Outcome o3 = run_lote(tables(),
                          "janela;perfil;R_Ag;R_Nd;fy_aco;fu_aco\n"
                          "TForm_I_Laminado;I 75 x 8,5;20;10;35;45\n"
                          "TForm_I_Laminado;I 75 x 8,5;20;10;;\n");
    ASSERT_EQ(o3.status, 0) << o3.err;
    EXPECT_EQ(cell(parse(o3.out), 0, "R_RdNd"), "630,00");
    EXPECT_EQ(cell(parse(o3.out), 1, "R_RdNd"), "450,00");
}

TEST(LoteEndToEnd, FormatDetailsKept) {
    // Byte-order mark and CRLF line ends kept; a quoted field with ';' survives.
    const std::string input =
        "\xEF\xBB\xBFjanela;perfil;nota;R_Nd\r\nTForm_I_Laminado;I 75 x 8,5;\"a;b\";10\r\n";
    Outcome o = run_lote(tables() + " -", input);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out.rfind("\xEF\xBB\xBFjanela;perfil;nota;R_Nd;R_RdNd;", 0), 0u) << o.out;
    EXPECT_NE(o.out.find("\"a;b\""), std::string::npos);
    EXPECT_NE(o.out.find("\r\n"), std::string::npos);
}

TEST(LoteEndToEnd, FindsTheBundledTablesBesideTheProgram) {
    // No --tables, run from an empty folder: the build tree's share/quintaro is used.
    Outcome o = run_lote("-", "janela;perfil;R_Nd\nTForm_I_Laminado;I 75 x 8,5;10\n");
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(cell(parse(o.out), 0, "R_RdNd"), "240,75");
}

// After every other column: the largest utilisation of the row's check and
// the result box that governs. Stale values of an earlier run are rewritten.
//   R1 (see above): Nd = 1125 → 1125/1125 = 1,00 (shear 100/222,75 = 0,45);
//     Vd = 223 → 223/222,75 = 1,001 (Nd 500/1125 = 0,44), Não Ok!;
//   R2 = R1 with tw = 8 mm: Q = 1 (bf/2tf = 7,5 < 15,7; h/tw = 35 < 42,1);
//     Lflx = 1000, rx = √(8000/50) = 12,65, λx = 79,1:
//     Ne = π²·20500·50/79,1² = 1618 kN; |Nd| = 1300 ≥ 0,73·Ne = 1181 with a
//     moment: the combined check fails without a ratio;
//   CS 250 x 52 shear 228,69: 100/228,69 = 0,44;
//   L 51 x 51 x 6,4 (Ag = 6,09): min(0,9·6,09·25, 0,75·6,09·40) = 137,03:
//     100/137,03 = 0,73.
TEST(LoteEndToEnd, UtilisationAndGoverningCheckComeLast) {
    const char* r2 = "300;150;8;10;50;39;8000;500;530;66;600;102;10";
    const std::string input =
        std::string("janela;aproveitamento;perfil;Compri_x;Compri_y;Compri_z;R_Nd;R_Vd;R_Mdx;") +
        kOwnSection + ";governante\n" + "TForm_I_Laminado;9;;0;0;0;1125;-100;0;" + kOwnValues +
        ";X\n" + "TForm_I_Laminado;;;0;0;0;500;-223;0;" + kOwnValues + ";\n" +
        "TForm_I_Laminado;;;1000;100;100;-1300;0;100;" + r2 + ";\n" +
        "TI_Soldado;;CS 250 x 52;0;0;0;0;100;0;;;;;;;;;;;;;;\n" +
        "TL_Laminado;;L 51 x 51 x 6,4;100;100;;100;;;;;;;;;;;;;;;;\n" +
        "TForm_I_Laminado;;;0.5;0;0;-10;0;0;" + kOwnValues + ";\n" +
        "TForm_X;;;;;;;;;;;;;;;;;;;;;;\n";
    Outcome o = run_lote(tables(), input);
    auto t = parse(o.out);
    ASSERT_EQ(t.rows.size(), 7u) << o.err;
    ASSERT_GE(t.header.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(t.header.end() - 3, t.header.end()),
              (std::vector<std::string>{"mensagens", "aproveitamento", "governante"}));
    EXPECT_EQ(std::count(t.header.begin(), t.header.end(), "aproveitamento"), 1);
    const struct {
        const char* utilisation;
        const char* governing;
    } expected[] = {
        {"1,00", "R_RdNd"}, {"1,00", "R_RdVd"}, {"", "R_Rd_MdNd"},
        {"0,44", "R_RdVd"}, {"0,73", "R_RdNd"}, {"", ""},  // stopped: Compri_x is no number
        {"", ""},                                          // unknown window
    };
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        EXPECT_EQ(cell(t, r, "aproveitamento"), expected[r].utilisation) << r;
        EXPECT_EQ(cell(t, r, "governante"), expected[r].governing) << r;
    }
    EXPECT_EQ(cell(t, 1, "resposta2"), "Não Ok!");
}

TEST(LoteEndToEnd, BadCommandLineOrFileExitsTwo) {
    const std::string ok = "janela;R_Nd\nTForm_I_Laminado;1\n";
    std::string late_fault = "janela;R_Nd\n";
    for (int i = 0; i < 2000; ++i)
        late_fault += "TForm_I_Laminado;1\n";
    late_fault += "\nTForm_I_Laminado;1;2\n";
    struct Case {
        const char* name;
        std::string args;
        std::string input;
        const char* says;  // part of the message
    };
    const Case cases[] = {
        {"unknown_option", tables() + " --depressa", ok, "opção desconhecida: --depressa"},
        {"two_inputs", tables() + " a.csv b.csv", ok, "mais de um arquivo de entrada"},
        {"missing_value", "--steel", ok, "--steel precisa"},
        {"missing_output", tables() + " --output", ok, "--output precisa"},
        {"unknown_steel", tables() + " --steel XYZ", ok, "aço 'XYZ'"},
        {"unreadable_file", tables() + " /nonexistent/x.csv", ok, "/nonexistent/x.csv"},
        {"no_tables", "--tables /nonexistent", ok, "tipo_aco"},
        {"output_folder_missing", tables() + " --output /nonexistent/o.csv", ok, "/nonexistent"},
        {"output_is_a_folder", tables() + " --output .", ok, "'.' é uma pasta"},
        {"no_janela_column", tables(), "perfil;R_Nd\nx;1\n", "'janela'"},
        {"same_input_twice", tables(), "janela;R_Nd;r_nd\nx;1;2\n", "as colunas 2 ('R_Nd') e 3"},
        {"unterminated_quote", tables(), "janela;R_Nd\n\"TForm_I_Laminado;1\n", "linha 2: aspas"},
        {"too_many_fields", tables(), "janela;R_Nd\nTForm_I_Laminado;1;2\n", "linha 2: mais"},
        // Found before the first row is written: 2000 good rows, a blank line.
        {"too_many_fields_last", tables(), late_fault, "linha 2003: mais campos"},
        {"empty_input", tables(), "", "arquivo sem cabeçalho"},
    };
    for (const Case& c : cases) {
        Outcome o = run_lote(c.args, c.input);
        EXPECT_EQ(o.status, 2) << c.name;
        EXPECT_EQ(o.out, "") << c.name;  // nothing half written
        EXPECT_NE(o.err.find(c.says), std::string::npos) << c.name << ": " << o.err;
    }
}

// The standard per run (--norma) and per row (the norma column). R1 in
// tension, Nd = 500 kN, MR250: 1986: 0,9·50·25 = 1125,00; 2008:
// min(50·25/1,10, 50·40/1,35) = 1136,36; 2008 with Ct = 0,90 and An = 40:
// 0,9·40·40/1,35 = 1066,67.
TEST(LoteEndToEnd, StandardPerRunAndPerRow) {
    const std::string input = std::string("janela;norma;R_Nd;R_Ct;R_An;") + kOwnSection + "\n" +
                              "TForm_I_Laminado;;500;;;" + kOwnValues + "\n" +
                              "TForm_I_Laminado;2008;500;0,90;40;" + kOwnValues + "\n" +
                              "TForm_I_Laminado;1986;500;;;" + kOwnValues + "\n" +
                              "TForm_I_Laminado;2005;500;;;" + kOwnValues + "\n";
    const struct {
        const char* norma;
        const char* first_row;
    } runs[] = {{"", "1125,00"}, {" --norma 1986", "1125,00"}, {" --norma 2008", "1136,36"}};
    for (const auto& run : runs) {
        Outcome o = run_lote(tables() + run.norma + " -", input);
        EXPECT_EQ(o.status, 1) << run.norma << o.err;  // the 2005 row is not checked
        auto t = parse(o.out);
        ASSERT_EQ(t.rows.size(), 4u);
        EXPECT_EQ(cell(t, 0, "R_RdNd"), run.first_row) << run.norma;
        EXPECT_EQ(cell(t, 1, "R_RdNd"), "1066,67") << run.norma;
        EXPECT_EQ(cell(t, 2, "R_RdNd"), "1125,00") << run.norma;
        EXPECT_EQ(cell(t, 3, "R_RdNd"), "") << run.norma;
        EXPECT_EQ(cell(t, 3, "mensagens"), "norma desconhecida: '2005' (use 1986 ou 2008)");
        EXPECT_EQ(t.header[1], "norma");
    }
    const struct {
        const char* args;
        const char* says;
    } refused[] = {
        {" --norma 1999", "--norma: '1999' não é uma norma conhecida"},
        {" --norma 2008 --reports rel", "--reports: o relatório de cálculo pela NBR 8800:2008"},
    };
    for (const auto& r : refused) {
        Outcome o = run_lote(tables() + r.args + " -", input);
        EXPECT_EQ(o.status, 2) << r.args;
        EXPECT_EQ(o.out, "") << r.args;
        EXPECT_NE(o.err.find(r.says), std::string::npos) << o.err;
    }
    // A 2008 row of a 1986 run with --reports is checked but gets no report.
    Outcome o = run_lote(tables() + " --reports rel -",
                         std::string("janela;norma;R_Nd;") + kOwnSection + "\n" +
                             "TForm_I_Laminado;2008;500;" + kOwnValues + "\n");
    EXPECT_EQ(o.status, 1) << o.err;
    auto t = parse(o.out);
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(cell(t, 0, "R_RdNd"), "1136,36");
    EXPECT_EQ(cell(t, 0, "mensagens"),
              "relatório não gravado: o relatório de cálculo pela "
              "NBR 8800:2008 ainda não está disponível");
}

}  // namespace
