#include "report/document/document_sink.h"

#include <QTextBlockFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QTextTableFormat>
#include <QUrl>
#include <algorithm>

namespace quintaro::report {

namespace {

// Room between a cell's rule and its text, in document pixels.
constexpr double kCellPadding = 4;
// Room above and below a table, in document pixels: about a blank line, which
// the text layout does not show when it is the paragraph right before or after
// a table.
constexpr double kTableSpace = 12;

QString from_utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment alignment_of(Align align) {
    switch (align) {
        case Align::Centre:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

// The table spans the columns' shares of the width between the margins (at
// most all of it); each column's constraint is its share of the table. A
// column without a share takes what the others leave.
QTextTableFormat table_format(const std::vector<TableColumn>& columns) {
    int total = 0;
    for (const TableColumn& column : columns)
        total += std::max(0, column.percent);
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::black);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(kCellPadding);
    format.setMargin(0);
    format.setTopMargin(kTableSpace);
    format.setBottomMargin(kTableSpace);
    format.setAlignment(Qt::AlignLeft);
    format.setHeaderRowCount(1);
    const bool every_column_has_a_share = std::all_of(
        columns.begin(), columns.end(), [](const TableColumn& c) { return c.percent > 0; });
    format.setWidth(QTextLength(QTextLength::PercentageLength,
                                every_column_has_a_share ? std::min(total, 100) : 100));
    QList<QTextLength> widths;
    for (const TableColumn& column : columns) {
        widths << (column.percent > 0 && total > 0
                       ? QTextLength(QTextLength::PercentageLength, column.percent * 100.0 / total)
                       : QTextLength());
    }
    format.setColumnWidthConstraints(widths);
    return format;
}

void write_cell(QTextTable& table, int row, int column, Align align, const QString& text,
                const QTextCharFormat& format) {
    QTextCursor cursor = table.cellAt(row, column).firstCursorPosition();
    QTextBlockFormat block;
    block.setAlignment(alignment_of(align));
    cursor.setBlockFormat(block);
    cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
}

}  // namespace

QTextCharFormat line_format(int points, Style style, Colour colour, const QString& face) {
    QTextCharFormat format;
    if (!face.isEmpty())
        format.setFontFamilies({face});
    format.setFontPointSize(points);
    format.setFontWeight(style != Style::Plain ? QFont::Bold : QFont::Normal);
    format.setFontItalic(false);
    format.setFontUnderline(style == Style::BoldUnderline);
    if (!colour.window_text)
        format.setForeground(QColor(colour.red, colour.green, colour.blue));
    return format;
}

void append_paragraph(QTextDocument& document, const QString& text, const QTextCharFormat& format,
                      bool into_last_block) {
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    if (into_last_block) {
        cursor.setBlockFormat(QTextBlockFormat());
        cursor.setBlockCharFormat(format);
    } else {
        cursor.insertBlock(QTextBlockFormat(), format);
    }
    cursor.insertText(text, format);
}

DocumentSink::DocumentSink(QTextDocument& document, QImage picture, QString face)
    : document_(document),
      picture_(std::move(picture)),
      face_(std::move(face)),
      into_last_block_(document.isEmpty()),
      nothing_written_(document.isEmpty()) {}

void DocumentSink::empty_document() {
    document_.clear();
}

void DocumentSink::clear() {
    empty_document();
    into_last_block_ = true;
    nothing_written_ = true;
    table_ = nullptr;
}

void DocumentSink::picture_placed() {
    into_last_block_ = false;
    nothing_written_ = false;
}

void DocumentSink::insert_picture() {
    const QString name = QStringLiteral("quintaro-secao-%1").arg(picture_.cacheKey());
    document_.addResource(QTextDocument::ImageResource, QUrl(name), picture_);
    QTextCursor cursor(&document_);
    cursor.movePosition(QTextCursor::End);
    if (!into_last_block_)
        cursor.insertBlock(QTextBlockFormat());
    QTextImageFormat image;
    image.setName(name);
    image.setWidth(picture_.width());
    image.setHeight(picture_.height());
    cursor.insertImage(image);
    picture_placed();
}

void DocumentSink::append_line(std::string_view text) {
    append_paragraph(document_, from_utf8(text), line_format(size_, style_, colour_, face_),
                     into_last_block_);
    into_last_block_ = false;
    nothing_written_ = false;
}

void DocumentSink::begin_table(const std::vector<TableColumn>& columns) {
    if (columns.empty())
        return;
    columns_ = columns;
    QTextCursor cursor(&document_);
    cursor.movePosition(QTextCursor::End);
    table_ = cursor.insertTable(1, static_cast<int>(columns.size()), table_format(columns));
    const QTextCharFormat heading = line_format(size_, Style::Bold, kWindowText, face_);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        write_cell(*table_, 0, static_cast<int>(c), columns[c].align, from_utf8(columns[c].heading),
                   heading);
    }
    nothing_written_ = false;
}

void DocumentSink::table_row(const std::vector<TableCell>& cells) {
    if (table_ == nullptr)
        return;
    const int row = table_->rows();
    table_->appendRows(1);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const TableCell cell = c < cells.size() ? cells[c] : TableCell{};
        write_cell(*table_, row, static_cast<int>(c), columns_[c].align, from_utf8(cell.text),
                   line_format(size_, cell.style, cell.colour, face_));
    }
}

void DocumentSink::end_table() {
    if (table_ == nullptr)
        return;
    table_ = nullptr;
    columns_.clear();
    // The block that follows a table is the next line's.
    into_last_block_ = true;
}

}  // namespace quintaro::report
