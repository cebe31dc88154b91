#pragma once

#include <QImage>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include "report/sink.h"

class QTextDocument;
class QTextTable;

// A calculation report written into a QTextDocument: one paragraph per line,
// left-aligned with no indent, tables as ruled text tables, the section
// picture as a paragraph of its own. The report window and the report files
// of quintaro-lote both write through it.
namespace quintaro::report {

// The character format of a report line: size in points, bold for the two
// bold styles, underline for the heading style, the colour unless it is the
// window-text colour (left as the document's automatic colour), and the face
// when one is given (otherwise the document's default face).
QTextCharFormat line_format(int points, Style style, Colour colour, const QString& face = {});

// Appends one paragraph at the end of the document. `into_last_block`: the
// text goes into the document's last block (an empty document's only block,
// or the block that follows a table) instead of a new one.
void append_paragraph(QTextDocument& document, const QString& text, const QTextCharFormat& format,
                      bool into_last_block);

class DocumentSink : public ReportSink {
  public:
    // `face`: the face every line is written in; empty for the document's
    // default face.
    DocumentSink(QTextDocument& document, QImage picture, QString face = {});

    void show() override {}
    void clear() override;
    void insert_picture() override;
    void set_size(int points) override { size_ = points; }
    void set_style(Style style) override { style_ = style; }
    void set_colour(Colour colour) override { colour_ = colour; }
    void append_line(std::string_view text) override;
    void begin_table(const std::vector<TableColumn>& columns) override;
    void table_row(const std::vector<TableCell>& cells) override;
    void end_table() override;

  protected:
    const QImage& picture() const { return picture_; }
    // Nothing was written since the document was emptied.
    bool nothing_written() const { return nothing_written_; }
    // For a destination that puts the picture in itself: the document's last
    // block now holds something, the next line goes into a block of its own.
    void picture_placed();
    // Empties the document (a destination may have its own way).
    virtual void empty_document();

  private:
    QTextDocument& document_;
    QImage picture_;
    QString face_;
    int size_ = 11;
    Style style_ = Style::Plain;
    Colour colour_ = kWindowText;
    bool into_last_block_ = true;
    bool nothing_written_ = true;
    QTextTable* table_ = nullptr;
    std::vector<TableColumn> columns_;
};

}  // namespace quintaro::report
