#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <QVariant>
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

class Writer {
  public:
    explicit Writer(const QTextDocument& document) : document_(document) {}

    std::string run() {
        collect_tables();
        // Every paragraph ends with \par, the last one too, as word processors
        // write it.
        std::string body;
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            write_block(block, body);
            body += "\\par\n";
        }
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
    void collect_tables() {
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

    static std::string paragraph_words(const QTextBlockFormat& format) {
        std::string out = "\\pard";
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

    void write_block(const QTextBlock& block, std::string& out) {
        out += paragraph_words(block.blockFormat());
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
    std::vector<QString> fonts_;
    std::vector<QColor> colours_;
};

}  // namespace

std::string write_rtf(const QTextDocument& document) {
    return Writer(document).run();
}

}  // namespace quintaro::rtf
