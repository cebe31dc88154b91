#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Where a calculation report is written: the report window, an RTF file of
// the batch tool, or a recorder in the tests. A writer sets the character
// attributes, which hold for every line appended after them until set again,
// and appends one paragraph per line or a table of rows.
namespace quintaro::report {

enum class Style { Plain, Bold, BoldUnderline };

// A text colour: an RGB triple, or the system's window-text colour.
struct Colour {
    bool window_text = true;
    std::uint8_t red = 0, green = 0, blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour kWindowText{};
inline constexpr Colour kPassGreen{false, 0, 128, 0};
inline constexpr Colour kFailRed{false, 255, 0, 0};

enum class Align { Left, Centre, Right };

// One column of a table: the text of its heading, its share of the width
// between the page margins in percent, and how its cells are aligned.
struct TableColumn {
    std::string heading;
    int percent = 0;
    Align align = Align::Left;

    friend bool operator==(const TableColumn&, const TableColumn&) = default;
};

// One cell of a table row: its text (UTF-8) and its own style and colour.
struct TableCell {
    std::string text;
    Style style = Style::Plain;
    Colour colour = kWindowText;

    friend bool operator==(const TableCell&, const TableCell&) = default;
};

class ReportSink {
  public:
    virtual ~ReportSink() = default;
    // Shows the report's destination (the report window; nothing for a file).
    virtual void show() = 0;
    // Empties the document.
    virtual void clear() = 0;
    // Puts the member window's section drawing at the current end.
    virtual void insert_picture() = 0;
    virtual void set_size(int points) = 0;
    virtual void set_style(Style style) = 0;
    virtual void set_colour(Colour colour) = 0;
    // One paragraph, UTF-8.
    virtual void append_line(std::string_view text) = 0;

    // A table with ruled cells at the current end, at the size in force. Its
    // first row holds the columns' headings in bold and is repeated at the
    // top of every printed page the table runs onto. Between begin_table and
    // end_table a writer sends rows only, one cell per column; a short row is
    // filled with empty cells, cells beyond the last column are not written.
    virtual void begin_table(const std::vector<TableColumn>& columns) = 0;
    virtual void table_row(const std::vector<TableCell>& cells) = 0;
    // Closes the table; the next line is the paragraph right after it.
    virtual void end_table() = 0;
};

// What a table part is, for a recorder.
enum class TablePart { None, Begin, Row, End };

// A paragraph as a recorder keeps it: its text and the attributes in force
// when it was appended. The picture is kept as the paragraph "[figura]"; a
// table as its opening (the columns), one entry per row (the cells) and its
// end, in the order they were sent.
struct StyledLine {
    int size = 0;
    Style style = Style::Plain;
    Colour colour;
    bool picture = false;
    std::string text;
    TablePart table = TablePart::None;
    std::vector<TableColumn> columns;
    std::vector<TableCell> cells;

    friend bool operator==(const StyledLine&, const StyledLine&) = default;
};

// Records what a writer sends, as paragraphs with their attributes.
class RecordingSink : public ReportSink {
  public:
    void show() override {
        ++shown_;
        shown_after_last_line_ = true;
    }
    void clear() override;
    void insert_picture() override;
    void set_size(int points) override { size_ = points; }
    void set_style(Style style) override { style_ = style; }
    void set_colour(Colour colour) override { colour_ = colour; }
    void append_line(std::string_view text) override;
    void begin_table(const std::vector<TableColumn>& columns) override;
    void table_row(const std::vector<TableCell>& cells) override;
    void end_table() override;

    const std::vector<StyledLine>& lines() const { return lines_; }
    int times_shown() const { return shown_; }
    // Whether show() came after the last line was appended.
    bool shown_after_writing() const { return shown_after_last_line_; }

  private:
    StyledLine& add(TablePart part);

    std::vector<StyledLine> lines_;
    int size_ = 11;
    Style style_ = Style::Plain;
    Colour colour_ = kWindowText;
    int shown_ = 0;
    bool shown_after_last_line_ = false;
};

// One paragraph as a line of a golden file: size, style, colour and text,
// e.g. "11 BU texto |Verificação do Esforço de Tração". A table is written
// as its opening with each column's heading, width and alignment, one line
// per row with each cell's style, colour and text, and its end:
//   11 [tabela] Verificação (34%, esq.) ‖ Sd/Rd (10%, dir.)
//   11 [linha] B  verm. |Flexão x ‖ B  verm. |1,12 ◄ governa
//   [fim da tabela]
std::string describe(const StyledLine& line);
std::string describe(const std::vector<StyledLine>& lines);

}  // namespace quintaro::report
