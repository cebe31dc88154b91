#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

// The batch file format: UTF-8 text, an optional byte-order mark, fields
// separated by ';', quoted with '"' when they hold a separator, a quote or a
// line break, one header row.
namespace quintaro::lote {

struct CsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;  // each as long as the header
    bool had_bom = false;
    bool crlf = false;  // line ends of the input, kept in the output
};

// Fails with a reason naming the line for an unterminated quote or a row with
// more fields than the header; shorter rows are padded with empty fields.
Result<CsvTable> parse_csv(std::string_view text);

std::string write_csv(const CsvTable& table);

}  // namespace quintaro::lote
