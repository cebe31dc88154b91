#include "csv.h"

namespace quintaro::lote {
namespace {

constexpr char kSeparator = ';';
constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool needs_quotes(std::string_view field) {
    return field.find_first_of(";\"\r\n") != std::string_view::npos;
}

void append_field(std::string& out, std::string_view field) {
    if (!needs_quotes(field)) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace

Result<CsvTable> parse_csv(std::string_view text) {
    CsvTable table;
    if (text.substr(0, kBom.size()) == kBom) {
        table.had_bom = true;
        text.remove_prefix(kBom.size());
    }
    const auto first_break = text.find('\n');
    table.crlf =
        first_break != std::string_view::npos && first_break > 0 && text[first_break - 1] == '\r';

    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    bool field_started = false;
    int line = 1;
    int record_line = 1;
    const auto end_record = [&] {
        record.push_back(std::move(field));
        field.clear();
        // A line with nothing on it separates nothing: skip it.
        if (!(record.size() == 1 && record[0].empty() && !field_started)) {
            records.push_back(std::move(record));
        }
        record.clear();
        field_started = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
            continue;
        }
        switch (c) {
            case '"':
                quoted = true;
                field_started = true;
                break;
            case kSeparator:
                record.push_back(std::move(field));
                field.clear();
                field_started = true;
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n')
                    break;
                field += c;
                break;
            case '\n':
                end_record();
                ++line;
                record_line = line;
                break;
            default:
                field += c;
                field_started = true;
        }
    }
    if (quoted) {
        return Result<CsvTable>::failure("linha " + std::to_string(record_line) +
                                         ": aspas sem fechamento");
    }
    if (!field.empty() || !record.empty() || field_started)
        end_record();
    if (records.empty())
        return Result<CsvTable>::failure("arquivo sem cabeçalho");

    table.header = std::move(records.front());
    for (std::size_t r = 1; r < records.size(); ++r) {
        auto& row = records[r];
        if (row.size() > table.header.size()) {
            return Result<CsvTable>::failure(
                "linha " + std::to_string(r + 1) + ": mais campos que o cabeçalho (" +
                std::to_string(row.size()) + " > " + std::to_string(table.header.size()) + ")");
        }
        row.resize(table.header.size());
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string write_csv(const CsvTable& table) {
    std::string out;
    if (table.had_bom)
        out += kBom;
    const char* eol = table.crlf ? "\r\n" : "\n";
    const auto write_row = [&](const std::vector<std::string>& row) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += kSeparator;
            append_field(out, row[i]);
        }
        out += eol;
    };
    write_row(table.header);
    for (const auto& row : table.rows)
        write_row(row);
    return out;
}

}  // namespace quintaro::lote
