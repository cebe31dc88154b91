#include "report/sink.h"

#include <cstdio>

namespace quintaro::report {

void RecordingSink::clear() {
    lines_.clear();
}

StyledLine& RecordingSink::add(TablePart part) {
    StyledLine& line = lines_.emplace_back();
    line.size = size_;
    line.style = style_;
    line.colour = colour_;
    line.table = part;
    shown_after_last_line_ = false;
    return line;
}

void RecordingSink::insert_picture() {
    StyledLine& line = add(TablePart::None);
    line.picture = true;
    line.text = "[figura]";
}

void RecordingSink::append_line(std::string_view text) {
    add(TablePart::None).text = text;
}

void RecordingSink::begin_table(const std::vector<TableColumn>& columns) {
    add(TablePart::Begin).columns = columns;
}

void RecordingSink::table_row(const std::vector<TableCell>& cells) {
    add(TablePart::Row).cells = cells;
}

void RecordingSink::end_table() {
    add(TablePart::End);
}

namespace {

// Style, colour and text: "B  verm. |Não Ok!".
std::string attributes_and_text(Style style_of, const Colour& colour_of, const std::string& text) {
    const char* style = style_of == Style::Bold            ? "B "
                        : style_of == Style::BoldUnderline ? "BU"
                                                           : "- ";
    std::string colour = "texto ";
    if (!colour_of.window_text) {
        if (colour_of == kPassGreen) {
            colour = "verde ";
        } else if (colour_of == kFailRed) {
            colour = "verm. ";
        } else {
            char rgb[16];
            std::snprintf(rgb, sizeof rgb, "%02x%02x%02x", colour_of.red, colour_of.green,
                          colour_of.blue);
            colour = rgb;
        }
    }
    return std::string(style) + " " + colour + "|" + text;
}

constexpr const char* kCellSeparator = " ‖ ";

std::string describe_columns(const std::vector<TableColumn>& columns) {
    std::string out;
    for (const TableColumn& column : columns) {
        if (!out.empty())
            out += kCellSeparator;
        const char* align = column.align == Align::Right    ? "dir."
                            : column.align == Align::Centre ? "centro"
                                                            : "esq.";
        out += column.heading + " (" + std::to_string(column.percent) + "%, " + align + ")";
    }
    return out;
}

std::string describe_cells(const std::vector<TableCell>& cells) {
    std::string out;
    for (const TableCell& cell : cells) {
        if (!out.empty())
            out += kCellSeparator;
        out += attributes_and_text(cell.style, cell.colour, cell.text);
    }
    return out;
}

}  // namespace

std::string describe(const StyledLine& line) {
    if (line.picture)
        return "[figura]";
    const std::string size = std::to_string(line.size);
    switch (line.table) {
        case TablePart::Begin:
            return size + " [tabela] " + describe_columns(line.columns);
        case TablePart::Row:
            return size + " [linha] " + describe_cells(line.cells);
        case TablePart::End:
            return "[fim da tabela]";
        case TablePart::None:
            break;
    }
    return size + " " + attributes_and_text(line.style, line.colour, line.text);
}

std::string describe(const std::vector<StyledLine>& lines) {
    std::string out;
    for (const StyledLine& line : lines) {
        out += describe(line);
        out += '\n';
    }
    return out;
}

}  // namespace quintaro::report
