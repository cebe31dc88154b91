// quintaro-lote reads, checks and writes one row at a time: what it writes
// is what the batch tool wrote before it streamed (golden files), whatever
// the line ends, the spelling of the columns, the encoding and the way the
// file arrives; and a batch that stops half way never looks finished.
// Steel MR250 (fy = 25, fu = 40 kN/cm²). I 75 x 8,5 has Ag = 10,7 cm², so its
// tension resistance is Rd = min(0,9·10,7·25 = 240,75; 0,75·10,7·40 = 321) = 240,75 kN.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/windows1252.h"
#include "lote.h"
#include "lote_testing.h"

namespace {

namespace fs = std::filesystem;
using quintaro::lote::testing::cell;
using quintaro::lote::testing::Outcome;
using quintaro::lote::testing::parse;
using quintaro::lote::testing::read_file;
using quintaro::lote::testing::run_lote;

const std::string kTables = std::string("--tables '") + QUINTARO_TABLES_DIR + "'";
const fs::path kGolden = QUINTARO_LOTE_GOLDEN_DIR;

// The expected files were written by quintaro-lote as it was before it
// streamed and reviewed by hand; they change only with a deliberate change
// of the output (QUINTARO_UPDATE_GOLDEN=1 rewrites them from the program).
TEST(LoteGolden, OutputUnchangedWhateverTheWayTheFileArrives) {
    struct Case {
        const char* input;
        const char* options;
        const char* expected;
        int status;
    };
    const Case cases[] = {
        {"lote_batch.csv", "", "lote_batch.expected.csv", 1},
        {"lote_batch.csv", "--lightest", "lote_batch.lightest.expected.csv", 1},
        {"lote_bom_crlf.csv", "", "lote_bom_crlf.expected.csv", 0},
    };
    const bool update = std::getenv("QUINTARO_UPDATE_GOLDEN") != nullptr;
    for (const Case& c : cases) {
        const std::string input = read_file(kGolden / c.input);
        ASSERT_FALSE(input.empty()) << c.input;
        const std::string args = kTables + " " + c.options;
        const Outcome redirected = run_lote(args, input);
        EXPECT_EQ(redirected.status, c.status)
            << c.input << " " << c.options << ": " << redirected.err;
        if (update)
            std::ofstream(kGolden / c.expected, std::ios::binary) << redirected.out;
        const std::string expected = read_file(kGolden / c.expected);
        EXPECT_EQ(redirected.out, expected) << c.input << " " << c.options;
        // A pipe cannot be read twice: the program keeps a copy.
        EXPECT_EQ(run_lote(args + " -", input, "", "cat in.csv |").out, expected) << c.input;
        // A named output holds the same bytes; nothing goes to standard output.
        const Outcome named = run_lote(args + " --output o.csv in.csv; cat o.csv", input, "");
        EXPECT_EQ(named.out, expected) << c.input;
    }
}

// The same batch saved in Windows-1252 gives the same output in Windows-1252.
TEST(LoteGolden, Windows1252FileGetsTheSameOutputInItsEncoding) {
    const auto cp1252 = [](const std::string& utf8) {
        auto encoded = quintaro::utf8_to_cp1252(utf8);
        EXPECT_TRUE(encoded.ok()) << encoded.error();
        return encoded.ok() ? encoded.value() : std::string();
    };
    const Outcome o = run_lote(kTables, cp1252(read_file(kGolden / "lote_batch.csv")));
    EXPECT_EQ(o.status, 1) << o.err;
    EXPECT_EQ(o.out, cp1252(read_file(kGolden / "lote_batch.expected.csv")));
}

TEST(LoteStreaming, EveryKindOfLineEnd) {
    struct Case {
        std::string eol;
        std::size_t line_feeds, returns;  // in the output: three lines
    };
    const Case cases[] = {{"\n", 3, 0}, {"\r\n", 3, 3}, {"\r", 0, 3}};
    for (const Case& c : cases) {
        const std::string input = "janela;perfil;R_Nd" + c.eol +
                                  "TForm_I_Laminado;I 75 x 8,5;240,74" + c.eol + c.eol +
                                  "TForm_I_Laminado;I 75 x 8,5;240,76" + c.eol;
        const Outcome o = run_lote(kTables, input);
        EXPECT_EQ(o.status, 0) << o.err;
        const auto t = parse(o.out);
        ASSERT_EQ(t.rows.size(), 2u) << o.out;
        // A hundredth below the resistance passes, a hundredth past it fails.
        EXPECT_EQ(cell(t, 0, "resposta1"), "Ok!");
        EXPECT_EQ(cell(t, 1, "resposta1"), "Não Ok!");
        EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\n'), c.line_feeds);
        EXPECT_EQ(std::count(o.out.begin(), o.out.end(), '\r'), c.returns);
    }
}

// Columns are found without regard to case or blanks; the header is written
// back as it was typed, so that the output can be read again.
TEST(LoteStreaming, ColumnsSpelledAnyWay) {
    struct Case {
        const char* name;
        std::string header;
        std::string note;           // a note typed in the row, copied through
        std::string expected_note;  // as written back
        std::string not_ok;         // the failing verdict as written
    };
    const Case cases[] = {
        {"utf8", "JANELA;Perfil; compri_x\xC2\xA0;r_nd\xC2\xA0;nota;R_Nx", "a\xC3\xA7o",
         "a\xC3\xA7o", "N\xC3\xA3o Ok!"},
        // Not UTF-8: Windows-1252, as spreadsheet programs write it, and
        // written back in it.
        {"windows_1252", "JANELA;Perfil; compri_x\xA0;r_nd\xA0;nota;R_Nx", "a\xE7o", "a\xE7o",
         "N\xE3o Ok!"},
    };
    for (const Case& c : cases) {
        const std::string input = c.header + "\nTForm_I_Laminado;I 75 x 8,5;100;240,76;" + c.note +
                                  ";1\nTForm_I_Laminado;I 75 x 8,5;100;240,74;;\n";
        const Outcome o = run_lote(kTables, input);
        EXPECT_EQ(o.status, 0) << c.name << ": " << o.err;
        EXPECT_EQ(o.out.substr(0, c.header.size() + 1), c.header + ";") << c.name;
        const auto t = parse(o.out);
        ASSERT_EQ(t.rows.size(), 2u) << c.name;
        EXPECT_EQ(cell(t, 0, "R_RdNd"), "240,75") << c.name;
        EXPECT_EQ(cell(t, 0, "resposta1"), c.not_ok) << c.name;
        EXPECT_EQ(cell(t, 1, "resposta1"), "Ok!") << c.name;
        EXPECT_EQ(cell(t, 0, "nota"), c.expected_note) << c.name;
        EXPECT_NE(o.err.find("coluna 5 ('nota')"), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("coluna 6 ('R_Nx')"), std::string::npos) << o.err;
    }
}

TEST(LoteStreaming, RowWithNothingToCheckIsNotChecked) {
    const std::string member_columns =
        "as colunas Compri_x, Compri_y, Compri_z, R_Nd, R_Vd, R_Mdx e R_Mdy (solicitações e "
        "comprimentos) estão vazias ou não existem";
    struct Case {
        const char* name;
        std::string input;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"nothing", "janela;perfil;R_Nd\nTForm_I_Laminado;I 75 x 8,5; \n", 1,
         "nada a verificar: " + member_columns},
        {"misnamed_columns", "janela;perfil;R_Nx;Compri\nTForm_I_Laminado;I 75 x 8,5;10;100\n", 1,
         "nada a verificar: " + member_columns},
        // One length is something to check (the resistances with no action).
        {"one_length", "janela;perfil;Compri_x\nTForm_I_Laminado;I 75 x 8,5;100\n", 0, ""},
        {"explicit_zero", "janela;perfil;R_Nd\nTForm_I_Laminado;I 75 x 8,5;0\n", 0, ""},
        // The spacers' thickness belongs to the section of a pair of angles.
        {"spacers_only", "janela;perfil;R_e\nTLT_Laminado;L 51 x 51 x 3,2;5\n", 1,
         "nada a verificar: as colunas Compri_x, Compri_y, R_Nd e R_Ntd (solicitações e "
         "comprimentos) estão vazias ou não existem"},
    };
    for (const Case& c : cases) {
        for (const char* mode : {"", "--lightest"}) {
            const Outcome o = run_lote(kTables + " " + mode, c.input);
            EXPECT_EQ(o.status, c.status) << c.name << mode << ": " << o.err;
            EXPECT_EQ(cell(parse(o.out), 0, "mensagens"), c.message) << c.name << mode;
        }
    }
}

TEST(LoteStreaming, FileWithoutRowsIsNotASuccess) {
    for (const char* input : {"janela;R_Nd\n", "janela;R_Nd\r\n\r\n\r\n"}) {
        const Outcome o = run_lote(kTables, input);
        EXPECT_EQ(o.status, 1);
        EXPECT_EQ(parse(o.out).header, (std::vector<std::string>{"janela", "R_Nd", "mensagens",
                                                                 "aproveitamento", "governante"}));
        EXPECT_NE(o.err.find("não tem linhas de membros"), std::string::npos) << o.err;
    }
}

// A file that changes while the batch reads it a second time, as one saved
// over by a spreadsheet during the run.
class ChangingText : public std::stringbuf {
  public:
    ChangingText(const std::string& first, std::string second)
        : std::stringbuf(first, std::ios::in), second_(std::move(second)) {}

  protected:
    pos_type seekpos(pos_type pos, std::ios::openmode which) override {
        if (!second_.empty()) {
            str(second_);
            second_.clear();
        }
        return std::stringbuf::seekpos(pos, which);
    }

  private:
    std::string second_;
};

TEST(LoteStreaming, BatchThatStopsHalfWaySaysSo) {
    const std::string head = "janela;perfil;R_Nd\n";
    const std::string row = "TForm_I_Laminado;I 75 x 8,5;10\n";
    struct Case {
        const char* name;
        std::string second;
        std::size_t rows_before;  // rows written before the stop row
    };
    const Case cases[] = {
        {"row_added", head + row + row + row, 2},
        {"window_never_seen", head + row + "TForm_H_Laminado;W 150 x 22,5;10\n", 1},
        {"value_changed", head + row + "TForm_I_Laminado;I 75 x 8,5;11\n", 2},
        {"row_lost", head + row, 1},
    };
    const fs::path dir = fs::temp_directory_path() / ("lote_stop_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    for (const Case& c : cases) {
        for (const bool named : {false, true}) {
            ChangingText text(head + row + row, c.second);
            std::istream in(&text);
            std::ostringstream out, err;
            const fs::path target = dir / "resultado.csv";
            std::vector<std::string> args{"--tables", QUINTARO_TABLES_DIR, "-"};
            if (named)
                args.insert(args.end(), {"--output", target.string()});
            EXPECT_EQ(quintaro::lote::run(args, "", in, out, err), 2) << c.name;
            EXPECT_NE(err.str().find("a entrada mudou"), std::string::npos) << err.str();
            if (named) {
                // Nothing appears, not even a hidden partial file.
                EXPECT_TRUE(fs::is_empty(dir)) << c.name;
                continue;
            }
            const auto t = parse(out.str());
            ASSERT_EQ(t.rows.size(), c.rows_before + 1) << c.name;
            EXPECT_EQ(cell(t, c.rows_before, "mensagens").rfind("LOTE INTERROMPIDO: ", 0), 0u)
                << c.name;
            EXPECT_EQ(cell(t, c.rows_before, "janela"), "") << c.name;
        }
    }
    fs::remove_all(dir);
}

TEST(LoteStreaming, OutputThatCannotBeWrittenIsNotASuccess) {
    const fs::path dir = fs::temp_directory_path() / ("lote_full_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "in.csv") << "janela;R_Nd\nTForm_I_Laminado;10\n";
    const std::string command = "cd '" + dir.string() + "' && '" QUINTARO_LOTE_EXE "' " + kTables +
                                " in.csv > /dev/full 2> err.txt";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
    const std::string err = read_file(dir / "err.txt");
    EXPECT_NE(err.find("erro ao escrever a saída"), std::string::npos) << err;
    fs::remove_all(dir);
}

}  // namespace
