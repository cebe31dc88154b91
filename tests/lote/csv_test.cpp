// The batch file format: what is read and what is written back.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "csv.h"

namespace {

using quintaro::lote::parse_csv;
using quintaro::lote::write_csv;
using Rows = std::vector<std::vector<std::string>>;

struct ParseCase {
    const char* name;
    std::string text;
    std::vector<std::string> header;
    Rows rows;
};

TEST(Csv, ReadsFieldsAsWritten) {
    const ParseCase cases[] = {
        {"plain", "a;b\n1;2\n", {"a", "b"}, {{"1", "2"}}},
        {"no_final_line_break", "a;b\n1;2", {"a", "b"}, {{"1", "2"}}},
        {"short_row_padded", "a;b;c\n1\n", {"a", "b", "c"}, {{"1", "", ""}}},
        {"blank_lines_skipped", "a\n\n1\n\n", {"a"}, {{"1"}}},
        {"quoted_separator_quote_and_break",
         "a;b\n\"x;y\";\"say \"\"oi\"\"\nnext\"\n",
         {"a", "b"},
         {{"x;y", "say \"oi\"\nnext"}}},
        {"crlf", "a;b\r\n1;2\r\n", {"a", "b"}, {{"1", "2"}}},
        // What "CSV (Macintosh)" writes: a lone CR ends a line.
        {"cr_only", "a;b\r1;2\r3;4", {"a", "b"}, {{"1", "2"}, {"3", "4"}}},
        {"mixed_ends_and_blank_cr_lines", "a\r\r\n1\n\r2\r", {"a"}, {{"1"}, {"2"}}},
        {"quoted_breaks_kept_as_typed", "a\r\"x\ry\r\nz\"\r", {"a"}, {{"x\ry\r\nz"}}},
        {"empty_fields", ";\n;\n", {"", ""}, {{"", ""}}},
    };
    for (const ParseCase& c : cases) {
        auto parsed = parse_csv(c.text);
        ASSERT_TRUE(parsed.ok()) << c.name << ": " << parsed.error();
        EXPECT_EQ(parsed->header, c.header) << c.name;
        EXPECT_EQ(parsed->rows, c.rows) << c.name;
    }
}

TEST(Csv, RefusesWhatItCannotReadWhole) {
    // Lines are those of the file: blank lines and line breaks inside quotes
    // count, whatever ends them.
    const std::pair<const char*, const char*> cases[] = {
        {"", "arquivo sem cabeçalho"},
        {"a;b\n\"1;2\n", "linha 2: aspas sem fechamento"},
        {"a\n1;2\n", "linha 2: mais campos que o cabeçalho (2 > 1)"},
        {"a;b\n\n1;\"x\ny\"\n\n1;2;3\n", "linha 6: mais campos que o cabeçalho (3 > 2)"},
        {"a;b\r\n\r\n1;\"x\r\ny\"\r\n1;2;3\r\n", "linha 5: mais campos que o cabeçalho (3 > 2)"},
        {"a;b\r\r1;\"x\ry\"\r1;2;3\r", "linha 5: mais campos que o cabeçalho (3 > 2)"},
        {"a\n\n\"1\n2\n", "linha 3: aspas sem fechamento"},
    };
    for (const auto& [text, reason] : cases) {
        auto parsed = parse_csv(text);
        ASSERT_FALSE(parsed.ok()) << text;
        EXPECT_EQ(parsed.error(), reason);
    }
}

TEST(Csv, WritesBackWhatItRead) {
    const std::string text =
        "\xEF\xBB\xBFnota;valor\r\n\"a;b\";\"1\r\n2\"\r\n\"di \"\"x\"\"\";3\r\n";
    auto parsed = parse_csv(text);
    ASSERT_TRUE(parsed.ok());
    EXPECT_TRUE(parsed->had_bom);
    EXPECT_EQ(parsed->line_end, quintaro::lote::LineEnd::CrLf);
    EXPECT_EQ(write_csv(*parsed), text);
}

TEST(Csv, LineEndOfTheFileIsKept) {
    using quintaro::lote::LineEnd;
    const std::pair<const char*, LineEnd> cases[] = {
        {"a\n1\r\n", LineEnd::Lf},     {"a\r\n1\n", LineEnd::CrLf}, {"a\r1\n", LineEnd::Cr},
        {"\r\na\n1\n", LineEnd::CrLf}, {"a", LineEnd::Lf},
    };
    for (const auto& [text, end] : cases) {
        auto parsed = parse_csv(text);
        ASSERT_TRUE(parsed.ok()) << text;
        EXPECT_EQ(parsed->line_end, end) << text;
    }
    auto cr = parse_csv("a;b\r1;2\r");
    ASSERT_TRUE(cr.ok());
    EXPECT_EQ(write_csv(*cr), "a;b\r1;2\r");
}

// The reader tells whether the whole file is UTF-8 (else it is taken as
// Windows-1252), across the chunks it reads.
TEST(Csv, TellsUtf8FromOtherBytes) {
    const std::string chunk_end(65535, 'x');
    const std::pair<std::string, bool> cases[] = {
        {"a;b\n1;2\n", true},
        {"p\xC3\xA7o\n", true},            // ç
        {"R_Nd\xC2\xA0\n", true},          // no-break space
        {"\xF0\x9F\x99\x82\n", true},      // four bytes
        {chunk_end + "\xC3\xA7\n", true},  // split between two chunks
        {"p\xE7o\n", false},               // ç in Windows-1252
        {"R_Nd\xA0\n", false},             // its no-break space
        {"\xC0\xAF\n", false},             // overlong
        {"\xED\xA0\x80\n", false},         // surrogate
        {"\xF4\x90\x80\x80\n", false},     // past U+10FFFF
        {"a\xC3", false},                  // cut short at the end
        {chunk_end + "\xC3", false},
    };
    for (const auto& [text, utf8] : cases) {
        std::istringstream in(text);
        quintaro::lote::CsvReader reader(in);
        quintaro::lote::Record record;
        while (reader.next(record)) {
        }
        EXPECT_EQ(reader.utf8(), utf8) << text.substr(text.size() > 16 ? text.size() - 16 : 0);
    }
}

TEST(Csv, FieldLongerThanAChunk) {
    const std::string big(200000, 'v');
    auto parsed = parse_csv("a;b\n" + big + ";\"" + big + "\"\n");
    ASSERT_TRUE(parsed.ok());
    ASSERT_EQ(parsed->rows.size(), 1u);
    EXPECT_EQ(parsed->rows[0][0], big);
    EXPECT_EQ(parsed->rows[0][1], big);
}

}  // namespace
