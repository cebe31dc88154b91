// The batch file format: what is read and what is written back.
#include <gtest/gtest.h>

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
    const std::pair<const char*, const char*> cases[] = {
        {"", "arquivo sem cabeçalho"},
        {"a;b\n\"1;2\n", "linha 2: aspas sem fechamento"},
        {"a\n1;2\n", "linha 2: mais campos que o cabeçalho (2 > 1)"},
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
    EXPECT_TRUE(parsed->crlf);
    EXPECT_EQ(write_csv(*parsed), text);
}

}  // namespace
