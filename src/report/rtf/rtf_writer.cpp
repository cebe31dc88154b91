#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "common/windows1252.h"
#include "report/rtf/rtf.h"

namespace quintaro::rtf {

namespace {

// Character attributes as RTF sees them, every one resolved against the
// document's default font so that each run states its face and size.
struct RunStyle {
    int font = 0;
    int half_points = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int colour = 0;  // 0: the reader's automatic (window text) colour
};

// Rules of a table's cells, in twips: the thinnest RTF draws, the thickest it
// allows.
constexpr int kMinBorderTwips = 1;
constexpr int kMaxBorderTwips = 75;

class Writer {
  public:
    Writer(const QTextDocument& document, const PageSetup& page)
        : document_(document), page_(page) {}

    std::string run() {
        collect_fonts_and_colours();
        std::string body;
        write_frame(*document_.rootFrame(), body);
        std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 " + escape(fonts_[i]) + ";}";
        }
        out += "}\n{\\colortbl;";
        for (const QColor& c : colours_) {
            out += "\\red" + std::to_string(c.red()) + "\\green" + std::to_string(c.green()) +
                   "\\blue" + std::to_string(c.blue()) + ";";
        }
        out += "}\n";
        out += "\\paperw" + std::to_string(page_.paper_width) + "\\paperh" +
               std::to_string(page_.paper_height) + "\\margl" + std::to_string(page_.margin_left) +
               "\\margr" + std::to_string(page_.margin_right) + "\\margt" +
               std::to_string(page_.margin_top) + "\\margb" + std::to_string(page_.margin_bottom) +
               "\n";
        out += body;
        out += "}\n";
        return out;
    }

  private:
    QFont resolved_font(const QTextCharFormat& format) const {
        return format.font().resolve(document_.defaultFont());
    }

    int font_index(const QString& family) {
        for (std::size_t i = 0; i < fonts_.size(); ++i) {
            if (fonts_[i] == family)
                return static_cast<int>(i);
        }
        fonts_.push_back(family);
        return static_cast<int>(fonts_.size() - 1);
    }

    int colour_index(const QTextCharFormat& format) {
        if (!format.hasProperty(QTextFormat::ForegroundBrush))
            return 0;
        const QColor c = format.foreground().color();
        if (!c.isValid() || format.foreground().style() == Qt::NoBrush)
            return 0;
        for (std::size_t i = 0; i < colours_.size(); ++i) {
            if (colours_[i].rgb() == c.rgb())
                return static_cast<int>(i + 1);
        }
        colours_.push_back(c);
        return static_cast<int>(colours_.size());
    }

    RunStyle style_of(const QTextCharFormat& format) {
        const QFont font = resolved_font(format);
        RunStyle s;
        s.font = font_index(font.family());
        double points = font.pointSizeF();
        if (points <= 0)
            points = font.pixelSize() * 0.75;
        s.half_points = std::max(1, static_cast<int>(std::lround(points * 2)));
        s.bold = font.bold();
        s.italic = font.italic();
        s.underline = font.underline();
        s.strike = font.strikeOut();
        s.colour = colour_index(format);
        return s;
    }

    // The default face comes first, so that \deff0 names it.
    void collect_fonts_and_colours() {
        font_index(document_.defaultFont().family());
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            style_of(block.charFormat());
            for (auto it = block.begin(); !it.atEnd(); ++it)
                style_of(it.fragment().charFormat());
        }
    }

    static std::string style_words(const RunStyle& s) {
        std::string out =
            "\\plain\\f" + std::to_string(s.font) + "\\fs" + std::to_string(s.half_points);
        if (s.bold)
            out += "\\b";
        if (s.italic)
            out += "\\i";
        if (s.underline)
            out += "\\ul";
        if (s.strike)
            out += "\\strike";
        if (s.colour != 0)
            out += "\\cf" + std::to_string(s.colour);
        return out + " ";
    }

    static std::string twips(double pixels) {
        return std::to_string(static_cast<long>(std::lround(pixels * kTwipsPerPixel)));
    }

    static std::string paragraph_words(const QTextBlockFormat& format, bool in_table) {
        std::string out = in_table ? "\\pard\\intbl" : "\\pard";
        const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter) {
            out += "\\qc";
        } else if (align & Qt::AlignJustify) {
            out += "\\qj";
        } else if (align & Qt::AlignRight) {
            out += "\\qr";
        } else {
            out += "\\ql";
        }
        if (format.textIndent() != 0)
            out += "\\fi" + twips(format.textIndent());
        if (format.leftMargin() != 0)
            out += "\\li" + twips(format.leftMargin());
        if (format.rightMargin() != 0)
            out += "\\ri" + twips(format.rightMargin());
        return out;
    }

    // Every paragraph ends with \\par, the last one too, as word processors
    // write it; the last paragraph of a table cell ends with \\cell instead.
    void write_frame(const QTextFrame& frame, std::string& out) {
        for (auto it = frame.begin(); !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                if (auto* table = qobject_cast<QTextTable*>(child)) {
                    write_table(*table, out);
                } else {
                    write_frame(*child, out);
                }
                continue;
            }
            write_block(it.currentBlock(), false, out);
            out += "\\par\n";
        }
    }

    // The blocks of a cell, or of a frame inside it, as paragraphs of the
    // cell.
    void write_cell_blocks(QTextFrame::iterator it, std::vector<QTextBlock>& blocks) const {
        for (; !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                write_cell_blocks(child->begin(), blocks);
            } else {
                blocks.push_back(it.currentBlock());
            }
        }
    }

    // The right edge of every column, in twips from the left margin: the
    // table's width from its format (a share of the width between the
    // margins, fixed, or all of it), each column's from its constraint, the
    // columns without one sharing what is left.
    std::vector<long> column_edges(const QTextTable& table) const {
        const QTextTableFormat format = table.format();
        const int columns = table.columns();
        const double text_width = page_.text_width();
        double width = text_width;
        if (format.width().type() == QTextLength::PercentageLength) {
            width = text_width * format.width().rawValue() / 100.0;
        } else if (format.width().type() == QTextLength::FixedLength) {
            width = format.width().rawValue() * kTwipsPerPixel;
        }
        width = std::max(width, static_cast<double>(columns));
        const QList<QTextLength> constraints = format.columnWidthConstraints();
        std::vector<double> widths(static_cast<std::size_t>(columns), -1);
        double given = 0;
        int free = 0;
        for (int c = 0; c < columns; ++c) {
            const QTextLength length = constraints.value(c);
            double w = -1;
            if (length.type() == QTextLength::PercentageLength) {
                w = width * length.rawValue() / 100.0;
            } else if (length.type() == QTextLength::FixedLength) {
                w = length.rawValue() * kTwipsPerPixel;
            }
            if (w > 0) {
                widths[static_cast<std::size_t>(c)] = w;
                given += w;
            } else {
                ++free;
            }
        }
        const double share = free > 0 ? std::max(width - given, 0.0) / free : 0;
        std::vector<long> edges;
        double edge = 0;
        for (const double w : widths) {
            edge += w > 0 ? w : share;
            const long rounded = std::lround(edge);
            edges.push_back(edges.empty() ? std::max(rounded, 1L)
                                          : std::max(rounded, edges.back() + 1));
        }
        return edges;
    }

    static std::string cell_borders(int twips) {
        if (twips <= 0)
            return {};
        const std::string rule = "\\brdrs\\brdrw" + std::to_string(twips);
        return "\\clbrdrt" + rule + "\\clbrdrl" + rule + "\\clbrdrb" + rule + "\\clbrdrr" + rule;
    }

    // One row at a time, each stating its cells' edges and rules; the heading
    // rows are marked to repeat on every page. A cell covered by its
    // neighbour's span is written empty.
    void write_table(const QTextTable& table, std::string& out) {
        const QTextTableFormat format = table.format();
        const std::vector<long> edges = column_edges(table);
        const bool ruled =
            format.border() > 0 && format.borderStyle() != QTextFrameFormat::BorderStyle_None;
        const int border =
            ruled ? std::clamp(static_cast<int>(std::lround(format.border() * kTwipsPerPixel)),
                               kMinBorderTwips, kMaxBorderTwips)
                  : 0;
        const std::string gap =
            std::to_string(std::max(0L, std::lround(format.cellPadding() * kTwipsPerPixel)));
        for (int r = 0; r < table.rows(); ++r) {
            out += "\\trowd\\trgaph" + gap + "\\trleft0";
            if (r < format.headerRowCount())
                out += "\\trhdr";
            for (const long edge : edges)
                out += cell_borders(border) + "\\cellx" + std::to_string(edge);
            out += "\n";
            for (int c = 0; c < table.columns(); ++c) {
                const QTextTableCell cell = table.cellAt(r, c);
                std::vector<QTextBlock> blocks;
                if (cell.row() == r && cell.column() == c)
                    write_cell_blocks(cell.begin(), blocks);
                if (blocks.empty()) {
                    out += paragraph_words(QTextBlockFormat(), true);
                    out += style_words(style_of(QTextCharFormat()));
                }
                for (std::size_t i = 0; i < blocks.size(); ++i) {
                    write_block(blocks[i], true, out);
                    out += i + 1 < blocks.size() ? "\\par\n" : "";
                }
                out += "\\cell\n";
            }
            out += "\\row\n";
        }
    }

    void write_block(const QTextBlock& block, bool in_table, std::string& out) {
        out += paragraph_words(block.blockFormat(), in_table);
        // An empty paragraph keeps its own size and style (the blank lines of a
        // report keep their height).
        out += style_words(style_of(block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                write_images(format.toImageFormat(), fragment.length(), out);
                continue;
            }
            out += style_words(style_of(format));
            out += escape(fragment.text());
            out += "\n";
        }
    }

    QImage image_of(const QTextImageFormat& format) const {
        const QVariant v = document_.resource(QTextDocument::ImageResource, QUrl(format.name()));
        if (v.canConvert<QImage>()) {
            QImage image = v.value<QImage>();
            if (!image.isNull())
                return image;
        }
        if (v.canConvert<QPixmap>())
            return v.value<QPixmap>().toImage();
        // A picture the document loaded from a file or a data URL is held as
        // its encoded bytes.
        if (v.typeId() == QMetaType::QByteArray)
            return QImage::fromData(v.toByteArray());
        return {};
    }

    void write_images(const QTextImageFormat& format, int count, std::string& out) {
        const QImage image = image_of(format);
        if (image.isNull())
            return;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        const double width = format.width() > 0 ? format.width() : image.width();
        const double height = format.height() > 0 ? format.height() : image.height();
        for (int n = 0; n < count; ++n) {
            out += "{\\pict\\pngblip\\picw" + std::to_string(image.width()) + "\\pich" +
                   std::to_string(image.height()) + "\\picwgoal" + twips(width) + "\\pichgoal" +
                   twips(height) + "\n";
            static const char* kHex = "0123456789abcdef";
            for (int i = 0; i < png.size(); ++i) {
                const auto b = static_cast<unsigned char>(png[i]);
                out.push_back(kHex[b >> 4]);
                out.push_back(kHex[b & 0xF]);
                if (i % 64 == 63)
                    out.push_back('\n');
            }
            out += "}\n";
        }
    }

    // Text as 7-bit RTF: backslash and braces escaped, Windows-1252
    // characters as \'hh, anything else as \uN? (N signed 16-bit, as RTF
    // wants), characters beyond the first plane as their two surrogates.
    static std::string escape(const QString& text) {
        std::string out;
        for (const QChar ch : text) {
            const char16_t u = ch.unicode();
            if (u == '\\' || u == '{' || u == '}') {
                out.push_back('\\');
                out.push_back(static_cast<char>(u));
            } else if (u == '\t') {
                out += "\\tab ";
            } else if (u == QChar::LineSeparator || u == '\n' || u == QChar::ParagraphSeparator) {
                out += "\\line ";
            } else if (u == QChar::ObjectReplacementCharacter || u < 0x20) {
                continue;
            } else if (u < 0x80) {
                out.push_back(static_cast<char>(u));
            } else {
                append_non_ascii(ch, out);
            }
        }
        return out;
    }

    static void append_non_ascii(QChar ch, std::string& out) {
        if (!ch.isSurrogate()) {
            const Result<std::string> single = utf8_to_cp1252(QString(ch).toStdString());
            if (single.ok() && single->size() == 1) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>((*single)[0]));
                out += hex;
                return;
            }
        }
        const int signed16 = static_cast<std::int16_t>(ch.unicode());
        out += "\\u" + std::to_string(signed16) + "?";
    }

    const QTextDocument& document_;
    PageSetup page_;
    std::vector<QString> fonts_;
    std::vector<QColor> colours_;
};

}  // namespace

PageSetup PageSetup::a4(double top, double bottom, double left, double right) {
    const auto twips = [](double mm) {
        return static_cast<int>(std::lround(std::clamp(mm, 0.0, 500.0) / 25.4 * 1440));
    };
    PageSetup page;
    page.margin_top = twips(top);
    page.margin_bottom = twips(bottom);
    page.margin_left = twips(left);
    page.margin_right = twips(right);
    return page;
}

int PageSetup::text_width() const {
    return std::max(1, paper_width - margin_left - margin_right);
}

std::string write_rtf(const QTextDocument& document, const PageSetup& page) {
    return Writer(document, page).run();
}

}  // namespace quintaro::rtf
