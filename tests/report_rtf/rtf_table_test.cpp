// Tables: a report's summary written through the sink into a document, saved
// as RTF and read back cell by cell; the rows, cells and rules the writer
// states; the page it states; how the reader makes tables of what word
// processors write, and of what they should not.
#include <gtest/gtest.h>

#include "report/document/document_sink.h"
#include "report/rtf/rtf.h"
#include "rtf_test_support.h"

namespace quintaro::rtf {
namespace {

using report::Align;
using report::kFailRed;
using report::kPassGreen;
using report::Style;
using report::TableCell;
using report::TableColumn;

class RtfTables : public ::testing::Test {
  protected:
    void SetUp() override { testing::ensure_gui_application(); }
};

// A summary of two checks, the second governing (bold, red, marked), between
// two paragraphs.
void write_summary(report::ReportSink& sink) {
    sink.set_size(11);
    sink.append_line("Resumo");
    sink.begin_table({{"Verificação", 34, Align::Left},
                      {"Solicitação", 16, Align::Right},
                      {"Resistência", 16, Align::Right},
                      {"Sd/Rd", 10, Align::Right},
                      {"Resultado", 24, Align::Left}});
    sink.table_row({{"Compressão"},
                    {"150,00 kN"},
                    {"373,50 kN"},
                    {"0,40"},
                    {"Ok!", Style::Plain, kPassGreen}});
    sink.table_row({{"Flexão x", Style::Bold},
                    {"400,00 kN*cm", Style::Bold},
                    {"357,14 kN*cm", Style::Bold},
                    {"1,12", Style::Bold},
                    {"Não Ok! ◄ governa", Style::Bold, kFailRed}});
    sink.end_table();
    sink.append_line("depois");
}

TEST_F(RtfTables, SummaryWrittenThroughTheSinkReadsBackCellByCell) {
    QTextDocument document;
    report::DocumentSink sink(document, QImage(), "DejaVu Sans");
    write_summary(sink);
    const std::vector<std::string> table = {
        "3x5 header 1 ruled 1px width 100% columns 34%/16%/16%/10%/24% |"
        " Verificação|Solicitação|Resistência|Sd/Rd|Resultado"
        " / Compressão|150,00 kN|373,50 kN|0,40|Ok!"
        " / Flexão x|400,00 kN*cm|357,14 kN*cm|1,12|Não Ok! ◄ governa"};
    ASSERT_EQ(testing::describe_tables(document), table);
    // The line after the table is the paragraph right after it.
    EXPECT_EQ(testing::plain_paragraphs(document).back(), "depois");
    EXPECT_EQ(document.lastBlock().previous().text(), "Não Ok! ◄ governa");

    const std::string text = write_rtf(document);
    QTextDocument read;
    ASSERT_TRUE(read_rtf(text, read).ok());
    EXPECT_EQ(testing::describe_tables(read), table);
    // Every paragraph, in the cells too, with its alignment and attributes.
    EXPECT_EQ(testing::describe(read), testing::describe(document));
    // Read and written again, the same text.
    EXPECT_EQ(write_rtf(read), text);
}

TEST_F(RtfTables, SinkFillsShortRowsAndKeepsCellsToTheColumns) {
    QTextDocument document;
    report::DocumentSink sink(document, QImage());
    sink.begin_table({{"a", 50, Align::Left}, {"b", 0, Align::Centre}});
    sink.table_row({{"só um"}});
    sink.table_row({{"1"}, {"2"}, {"a mais"}});
    sink.end_table();
    // The column without a share takes what is left of the width.
    EXPECT_EQ(testing::describe_tables(document),
              std::vector<std::string>{"3x2 header 1 ruled 1px width 100% columns 100%/? |"
                                       " a|b / só um| / 1|2"});
    const std::vector<std::string> blocks = testing::describe(document);
    EXPECT_NE(blocks[2].find("[centre"), std::string::npos) << blocks[2];
    EXPECT_NE(blocks[1].find("bold"), std::string::npos) << blocks[1];
}

// Two columns of 40 and 60 % of the width between the margins of A4 with the
// printer's margins: 11906 - 1417 - 850 = 9639 twips, edges at 0.4 * 9639 =
// 3855.6 -> 3856 and 9639. Padding 4 px = 60 twips; rules of 1 px = 15 twips.
TEST_F(RtfTables, WriterStatesRowsCellsAndRules) {
    QTextDocument document;
    report::DocumentSink sink(document, QImage());
    sink.append_line("antes");
    sink.begin_table({{"x", 40, Align::Left}, {"y", 60, Align::Right}});
    sink.table_row({{"1"}, {"2"}});
    sink.end_table();
    const std::string text = write_rtf(document);
    const std::string rule = "\\brdrs\\brdrw15";
    const std::string rules =
        "\\clbrdrt" + rule + "\\clbrdrl" + rule + "\\clbrdrb" + rule + "\\clbrdrr" + rule;
    const std::string row = rules + "\\cellx3856" + rules + "\\cellx9639\n";
    EXPECT_NE(text.find("\\trowd\\trgaph60\\trleft0\\trhdr" + row), std::string::npos) << text;
    EXPECT_NE(text.find("\\trowd\\trgaph60\\trleft0" + row), std::string::npos) << text;
    EXPECT_NE(text.find("\\pard\\intbl\\qr"), std::string::npos) << text;
    EXPECT_NE(text.find("2\n\\cell\n\\row\n\\pard\\ql"), std::string::npos) << text;
}

// A4 is 210 x 297 mm = 11906 x 16838 twips (1440 per inch); margins 30, 25,
// 25, 15 mm = 1701, 1417, 1417, 850 twips; 20 and 60 mm = 1134 and 3402.
TEST_F(RtfTables, PageIsA4WithThePrinterMargins) {
    QTextDocument document;
    QTextCursor(&document).insertText("x");
    EXPECT_NE(write_rtf(document).find(
                  "\\paperw11906\\paperh16838\\margl1417\\margr850\\margt1701\\margb1417\n"),
              std::string::npos);
    const PageSetup chosen = PageSetup::a4(20, 20, 60, 30);
    EXPECT_NE(write_rtf(document, chosen)
                  .find("\\paperw11906\\paperh16838\\margl3402\\margr1701\\margt1134\\margb1134"),
              std::string::npos);
    EXPECT_EQ(chosen.text_width(), 11906 - 3402 - 1701);
}

struct TableCase {
    const char* name;
    std::string rtf;
    std::vector<std::string> tables;
    std::string paragraphs;  // every block in order, "|" between them
};

std::string paragraphs_of(const QTextDocument& document) {
    std::string out;
    for (const std::string& p : testing::plain_paragraphs(document))
        out += (out.empty() ? "" : "|") + p;
    return out.empty() ? "" : out;
}

std::string many_cells(int n) {
    std::string out = "{\\rtf1\\trowd\\cellx9000 ";
    for (int i = 1; i <= n; ++i)
        out += "\\intbl c" + std::to_string(i) + "\\cell ";
    return out + "\\row}";
}

// The file's page is A4 with margins of 25 and 15 mm: 11906 - 1417 - 850 =
// 9639 twips between them (a file that does not say has 12240 - 2 * 1800).
TEST_F(RtfTables, ReaderMakesTablesOfRows) {
    const std::string page =
        "{\\rtf1\\paperw11906\\paperh16838\\margl1417\\margr850"
        "\\margt1701\\margb1417 ";
    const TableCase cases[] = {
        {"ruled heading row and a row, as word processors write them",
         page +
             "antes\\par\\trowd\\trgaph108\\trhdr\\clbrdrt\\brdrs\\brdrw15\\cellx3856"
             "\\clbrdrt\\brdrs\\brdrw15\\cellx9639\\pard\\intbl a\\cell b\\cell\\row"
             "\\trowd\\clbrdrt\\brdrs\\brdrw15\\cellx3856\\cellx9639\\pard\\intbl c\\par c2\\cell"
             " d\\cell\\row\\pard depois\\par}",
         {"2x2 header 1 ruled 1px width 100% columns 40%/60% | a|b / c¶c2|d"},
         "antes|a|b|c|c2|d|depois"},
        {"half the width, no rules, the row definition after \\row\\pard",
         page + "\\trowd\\trleft0\\cellx2410\\cellx4820\\intbl a\\cell b\\cell\\row\\pard\\trowd"
                "\\cellx2410\\cellx4820\\intbl c\\cell d\\cell\\row\\pard fim\\par}",
         {"2x2 header 0 unruled width 50% columns 50%/50% | a|b / c|d"},
         "a|b|c|d|fim"},
        {"paragraph rules are not the table's",
         page + "\\pard\\brdrb\\brdrs x\\par\\trowd\\cellx9639\\intbl a\\cell\\row}",
         {"1x1 header 0 unruled width 100% columns 100% | a"},
         "x|a|"},
        {"cell without \\intbl, text before \\row, no \\row at the end",
         "{\\rtf1\\trowd\\cellx1000\\cellx2000 a\\cell b\\row\\trowd\\cellx1000\\intbl c",
         {"2x2 header 0 unruled width 23% columns 50%/50% | a|b / c|"},
         "a|b|c||"},
        {"rows of different lengths",
         "{\\rtf1\\trowd\\cellx1000\\intbl a\\cell\\row\\trowd\\cellx1000\\cellx3000\\intbl"
         " b\\cell c\\cell\\row}",
         {"2x2 header 0 unruled width 35% columns 33%/67% | a| / b|c"},
         "a||b|c|"},
        {"nested table's cells stay in the outer cell",
         "{\\rtf1\\trowd\\cellx4000\\intbl x\\par{\\*\\nesttableprops\\trowd\\cellx1000"
         "\\nestrow}\\itap2 n1\\nestcell n2\\nestcell{\\nonesttables n1 n2}\\itap1\\cell\\row}",
         {"1x1 header 0 unruled width 46% columns 100% | x¶n1¶n2¶"},
         "x|n1|n2||"},
        {"more cells than columns: the rest joins the last", many_cells(66), {}, ""},
    };
    for (const TableCase& c : cases) {
        QTextDocument document;
        ASSERT_TRUE(read_rtf(c.rtf, document).ok()) << c.name;
        if (c.paragraphs.empty()) {
            const auto tables = testing::describe_tables(document);
            ASSERT_EQ(tables.size(), 1u) << c.name;
            EXPECT_EQ(tables[0].substr(0, 5), "1x64 ") << c.name;
            EXPECT_NE(tables[0].find("|c63|c64¶c65¶c66"), std::string::npos) << tables[0];
            continue;
        }
        EXPECT_EQ(testing::describe_tables(document), c.tables) << c.name;
        EXPECT_EQ(paragraphs_of(document), c.paragraphs) << c.name;
        // Written by ours and read again: the same document.
        QTextDocument again;
        ASSERT_TRUE(read_rtf(write_rtf(document), again).ok()) << c.name;
        EXPECT_EQ(testing::describe(again), testing::describe(document)) << c.name;
        EXPECT_EQ(testing::describe_tables(again), testing::describe_tables(document)) << c.name;
    }
}

// A hostile file cannot make a table of millions of cells: past 20000 cells
// the rows go on in another table.
TEST_F(RtfTables, HugeTablesAreSplit) {
    std::string text = "{\\rtf1\\trowd\\cellx500\\cellx1000 ";
    for (int r = 0; r < 10001; ++r)
        text += "\\intbl a\\cell b\\cell\\row ";
    QTextDocument document;
    ASSERT_TRUE(read_rtf(text + "}", document).ok());
    const auto tables = testing::describe_tables(document);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0].substr(0, 8), "10000x2 ");
    EXPECT_EQ(tables[1].substr(0, 4), "1x2 ");
}

}  // namespace
}  // namespace quintaro::rtf
