#include "report_document.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QUrl>

namespace quintaro::lote {
namespace {

// The report window's default face.
constexpr const char* kReportFace = "Verdana";

}  // namespace

void DocumentSink::insert_picture() {
    const QString name = QStringLiteral("quintaro-secao-%1").arg(picture_.cacheKey());
    document_.addResource(QTextDocument::ImageResource, QUrl(name), picture_);
    QTextCursor cursor(&document_);
    cursor.movePosition(QTextCursor::End);
    if (!document_.isEmpty())
        cursor.insertBlock(QTextBlockFormat());
    QTextImageFormat image;
    image.setName(name);
    image.setWidth(picture_.width());
    image.setHeight(picture_.height());
    cursor.insertImage(image);
}

void DocumentSink::append_line(std::string_view text) {
    QTextCharFormat format;
    format.setFontFamilies({QString::fromUtf8(kReportFace)});
    format.setFontPointSize(size_);
    const bool bold = style_ != report::Style::Plain;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(style_ == report::Style::BoldUnderline);
    if (!colour_.window_text)
        format.setForeground(QColor(colour_.red, colour_.green, colour_.blue));
    QTextCursor cursor(&document_);
    cursor.movePosition(QTextCursor::End);
    if (document_.isEmpty()) {
        cursor.setBlockFormat(QTextBlockFormat());
        cursor.setBlockCharFormat(format);
    } else {
        cursor.insertBlock(QTextBlockFormat(), format);
    }
    cursor.insertText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), format);
}

}  // namespace quintaro::lote
