#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <string>
#include <vector>

namespace quintaro::rtf::testing {

// One paragraph as the reader of a report sees it: alignment, indents (in
// whole pixels) and each run's text with its resolved character attributes.
inline std::string describe_block(const QTextDocument& doc, const QTextBlock& block) {
    QString out;
    const QTextBlockFormat b = block.blockFormat();
    const Qt::Alignment a = b.alignment() & Qt::AlignHorizontal_Mask;
    const char* align = (a & Qt::AlignHCenter)   ? "centre"
                        : (a & Qt::AlignJustify) ? "justify"
                        : (a & Qt::AlignRight)   ? "right"
                                                 : "left";
    out += QStringLiteral("[%1 first=%2 left=%3 right=%4]")
               .arg(align)
               .arg(qRound(b.textIndent()))
               .arg(qRound(b.leftMargin()))
               .arg(qRound(b.rightMargin()));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const QTextCharFormat c = f.charFormat();
        if (c.isImageFormat()) {
            const QTextImageFormat im = c.toImageFormat();
            const QImage image =
                doc.resource(QTextDocument::ImageResource, QUrl(im.name())).value<QImage>();
            out +=
                QStringLiteral(" {picture %1x%2 shown %3x%4 centre pixel %5}")
                    .arg(image.width())
                    .arg(image.height())
                    .arg(qRound(im.width()))
                    .arg(qRound(im.height()))
                    .arg(image.isNull()
                             ? QStringLiteral("none")
                             : QColor(image.pixel(image.width() / 2, image.height() / 2)).name());
            continue;
        }
        const QFont font = c.font().resolve(doc.defaultFont());
        const QColor colour =
            c.hasProperty(QTextFormat::ForegroundBrush) ? c.foreground().color() : QColor();
        out += QStringLiteral(" {%1 %2pt%3%4%5%6 %7 \"%8\"}")
                   .arg(font.family())
                   .arg(font.pointSizeF())
                   .arg(font.bold() ? " bold" : "")
                   .arg(font.italic() ? " italic" : "")
                   .arg(font.underline() ? " underline" : "")
                   .arg(font.strikeOut() ? " strike" : "")
                   .arg(colour.isValid() ? colour.name() : QStringLiteral("auto"))
                   .arg(f.text());
    }
    return out.toStdString();
}

inline std::vector<std::string> describe(const QTextDocument& doc) {
    std::vector<std::string> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out.push_back(describe_block(doc, b));
    return out;
}

// Each table of the document as its shape and rules, then its rows with the
// cells' texts: "2x3 header 1 ruled 1px width 100% columns 40%/35%/25% |
// a|b|c / d|e|f". Widths are rounded to whole percent.
inline std::vector<std::string> describe_tables(const QTextDocument& doc) {
    std::vector<std::string> out;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        const auto* table = qobject_cast<QTextTable*>(it.currentFrame());
        if (table == nullptr)
            continue;
        const QTextTableFormat f = table->format();
        QString d = QStringLiteral("%1x%2 header %3 ")
                        .arg(table->rows())
                        .arg(table->columns())
                        .arg(f.headerRowCount());
        d += f.border() > 0 ? QStringLiteral("ruled %1px").arg(f.border()) : "unruled";
        d += QStringLiteral(" width %1%").arg(qRound(f.width().rawValue()));
        QStringList widths;
        for (const QTextLength& w : f.columnWidthConstraints())
            widths << (w.type() == QTextLength::PercentageLength
                           ? QString::number(qRound(w.rawValue())) + "%"
                           : QStringLiteral("?"));
        d += " columns " + widths.join('/') + " |";
        for (int r = 0; r < table->rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                QStringList paragraphs;
                for (auto b = cell.begin(); !b.atEnd(); ++b)
                    paragraphs << b.currentBlock().text();
                cells << paragraphs.join("¶");
            }
            d += (r == 0 ? " " : " / ") + cells.join('|');
        }
        out.push_back(d.toStdString());
    }
    return out;
}

inline std::vector<std::string> plain_paragraphs(const QTextDocument& doc) {
    std::vector<std::string> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString t = b.text();
        t.remove(QChar::ObjectReplacementCharacter);
        out.push_back(t.toStdString());
    }
    return out;
}

// A small picture with a known colour in its middle.
inline QImage test_picture() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(10, 8, 20, 14, QColor(0, 0, 255));
    return image;
}

inline QTextCharFormat run_format(const QString& family, double points, bool bold, bool italic,
                                  bool underline, bool strike, QColor colour = {}) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setFontUnderline(underline);
    f.setFontStrikeOut(strike);
    if (colour.isValid())
        f.setForeground(colour);
    return f;
}

}  // namespace quintaro::rtf::testing

#include <QGuiApplication>

namespace quintaro::rtf::testing {

// Fonts and pictures need a GUI application object (offscreen in tests).
inline void ensure_gui_application() {
    static int argc = 1;
    static char name[] = "report_rtf_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr)
        new QGuiApplication(argc, argv);
}

}  // namespace quintaro::rtf::testing
