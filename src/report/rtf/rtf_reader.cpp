#include <QColor>
#include <QImage>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_set>
#include <variant>
#include <vector>

#include "common/windows1252.h"
#include "report/rtf/rtf.h"

namespace quintaro::rtf {

namespace {

// Real documents nest a few dozen groups deep; anything far beyond that is not
// a document we should try to make sense of.
constexpr std::size_t kMaxDepth = 1000;
constexpr int kMaxHalfPoints = 3276;    // 1638 points, the largest size word processors offer
constexpr int kMaxIndentTwips = 31680;  // 22 inches
constexpr double kMaxPicturePixels = 10000;
constexpr int kMaxPageTwips = 31680;  // 22 inches, the largest paper word processors offer
// Word processors allow 63 columns; a table beyond so many cells is read as
// several tables, so that a hostile file cannot make one of millions of cells.
constexpr std::size_t kMaxColumns = 64;
constexpr std::size_t kMaxTableCells = 20000;
// Room between a cell's rule and its text, in twips, when the file gives none.
constexpr int kDefaultCellGap = 60;
// Room above and below a table, in pixels, as the report's tables have it: the
// text layout does not show an empty paragraph right before or after a table.
constexpr double kTableSpace = 12;

enum class Destination { Text, Skip, FontTable, ColourTable, Picture };
enum class PictureKind { None, Png, Jpeg, Other };

struct CharState {
    int font = -1;  // -1: the document's default font (\deff)
    int half_points = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;  // \v: text that word processors keep but do not show
    int colour = 0;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int first = 0;  // twips
    int left = 0;
    int right = 0;
    bool in_table = false;  // \intbl
};

struct Group {
    CharState chr;
    ParaState para;
    Destination destination = Destination::Text;
    int unicode_skip = 1;  // \uc
    bool starred = false;  // the group opened with \*
    bool first_word = true;
};

struct Piece {
    QString text;
    QTextCharFormat format;
    QImage image;
    QSizeF size;  // display size of an image, in pixels
};

struct Paragraph {
    QTextBlockFormat block;
    QTextCharFormat end_format;
    std::vector<Piece> pieces;
};

// A table row's properties (\trowd to the next \trowd), in twips.
struct RowDefinition {
    int left = 0;  // \trleft
    int gap = -1;  // \trgaph; -1 when not given
    bool header = false;
    bool ruled = false;
    int border = 0;
    std::vector<int> edges;  // \cellx, from the left margin
};

struct TableCell {
    std::vector<Paragraph> paragraphs;
};

struct TableRow {
    RowDefinition definition;
    std::vector<TableCell> cells;
};

struct Table {
    std::vector<TableRow> rows;
    std::size_t columns = 0;
};

using Item = std::variant<Paragraph, Table>;

// RTF's defaults: US Letter with margins of an inch and a quarter at the sides.
struct Page {
    int width = 12240;
    int left = 1800;
    int right = 1800;
    int text_width() const { return std::max(1, width - left - right); }
};

struct Font {
    QString name;
    int charset = 0;
};

struct Picture {
    PictureKind kind = PictureKind::None;
    QByteArray data;
    int high_nibble = -1;
    int pic_w = 0, pic_h = 0, goal_w = 0, goal_h = 0;
    int scale_x = 100, scale_y = 100;
    std::size_t depth = 0;
};

int clamp_int(std::int64_t v, int lo, int hi) {
    return static_cast<int>(std::clamp<std::int64_t>(v, lo, hi));
}

bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

int hex_value(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Windows code page of a font's \fcharset.
int code_page_of_charset(int charset) {
    switch (charset) {
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 238:
            return 1250;
        default:
            return 1252;
    }
}

QString decode_byte(unsigned char byte, int code_page) {
    if (byte < 0x80)
        return QString(QChar(byte));
    if (code_page != 1252) {
        const QByteArray name = "windows-" + QByteArray::number(code_page);
        QStringDecoder decoder(name.constData());
        if (decoder.isValid()) {
            const char c = static_cast<char>(byte);
            QString s = decoder.decode(QByteArrayView(&c, 1));
            if (!s.isEmpty())
                return s;
        }
    }
    return QString::fromStdString(cp1252_to_utf8(std::string(1, static_cast<char>(byte))));
}

const std::unordered_set<std::string>& skipped_destinations() {
    static const std::unordered_set<std::string> words = {
        "stylesheet", "info",        "header",        "headerl",
        "headerr",    "headerf",     "footer",        "footerl",
        "footerr",    "footerf",     "footnote",      "annotation",
        "pntxta",     "pntxtb",      "objdata",       "nonshppict",
        "xe",         "tc",          "txe",           "rxe",
        "fldinst",    "filetbl",     "listtable",     "listoverridetable",
        "revtbl",     "rsidtbl",     "generator",     "template",
        "pgdsctbl",   "themedata",   "datastore",     "latentstyles",
        "docvar",     "falt",        "panose",        "bkmkstart",
        "bkmkend",    "userprops",   "xmlnstbl",      "colorschememapping",
        "fchars",     "lchars",      "pgptbl",        "mmathPr",
        "atnid",      "atnauthor",   "ftnsep",        "ftnsepc",
        "aftnsep",    "aftnsepc",    "wgrffmtfilter", "shpinst",
        "objclass",   "nonesttables"};
    return words;
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    Status run() {
        std::size_t i = 0;
        while (i < text_.size() &&
               (text_[i] == ' ' || text_[i] == '\r' || text_[i] == '\n' || text_[i] == '\t')) {
            ++i;
        }
        if (text_.substr(i, 5) != "{\\rtf")
            return Status::failure(kNotRtf);
        pos_ = i;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '{') {
                if (!open_group())
                    return Status::failure(kNotRtf);
            } else if (c == '}') {
                close_group();
                if (stack_.empty())
                    break;  // the document's own group has ended
            } else if (c == '\\') {
                control();
            } else if (c == '\r' || c == '\n') {
                continue;
            } else if (!stack_.empty()) {
                character(static_cast<unsigned char>(c));
            }
        }
        // A truncated file still gives the text it holds.
        while (!stack_.empty())
            close_group();
        close_table();
        return success();
    }

    // A table goes after the paragraph before it; the block that follows a
    // table (there always is one) takes the next paragraph.
    void build(QTextDocument& document) const {
        document.clear();
        QTextCursor cursor(&document);
        bool block_free = true;
        for (const Item& item : items_) {
            if (const auto* p = std::get_if<Paragraph>(&item)) {
                insert_paragraph(document, cursor, *p, block_free);
                continue;
            }
            const Table& t = std::get<Table>(item);
            QTextTable* table = cursor.insertTable(static_cast<int>(t.rows.size()),
                                                   static_cast<int>(t.columns), table_format(t));
            for (std::size_t r = 0; r < t.rows.size(); ++r) {
                const std::vector<TableCell>& cells = t.rows[r].cells;
                for (std::size_t c = 0; c < cells.size(); ++c) {
                    QTextCursor in_cell = table->cellAt(static_cast<int>(r), static_cast<int>(c))
                                              .firstCursorPosition();
                    bool cell_free = true;
                    for (const Paragraph& p : cells[c].paragraphs)
                        insert_paragraph(document, in_cell, p, cell_free);
                }
            }
            cursor = table->lastCursorPosition();
            cursor.movePosition(QTextCursor::NextBlock);
            block_free = true;
        }
    }

  private:
    static void insert_paragraph(QTextDocument& document, QTextCursor& cursor, const Paragraph& p,
                                 bool& block_free) {
        static std::atomic<int> picture_counter{0};
        if (block_free) {
            cursor.setBlockFormat(p.block);
            cursor.setBlockCharFormat(p.end_format);
            block_free = false;
        } else {
            cursor.insertBlock(p.block, p.end_format);
        }
        for (const Piece& piece : p.pieces) {
            if (piece.image.isNull()) {
                cursor.insertText(piece.text, piece.format);
                continue;
            }
            const QUrl name(QStringLiteral("rtfpicture:%1").arg(++picture_counter));
            document.addResource(QTextDocument::ImageResource, name, piece.image);
            QTextImageFormat image;
            image.merge(piece.format);
            image.setName(name.toString());
            image.setWidth(piece.size.width());
            image.setHeight(piece.size.height());
            cursor.insertImage(image);
        }
    }

    // Ruled when its rows are; the cells' widths as shares of the widest
    // row's width, and that width as a share of the width between the
    // margins (all of it at most).
    QTextTableFormat table_format(const Table& t) const {
        QTextTableFormat format;
        format.setCellSpacing(0);
        format.setMargin(0);
        format.setTopMargin(kTableSpace);
        format.setBottomMargin(kTableSpace);
        format.setAlignment(Qt::AlignLeft);
        format.setBorderCollapse(true);
        // The widths of the first row with every column.
        const RowDefinition* widest = &t.rows.front().definition;
        for (const TableRow& row : t.rows) {
            if (row.cells.size() == t.columns) {
                widest = &row.definition;
                break;
            }
        }
        int header_rows = 0;
        while (header_rows < static_cast<int>(t.rows.size()) &&
               t.rows[static_cast<std::size_t>(header_rows)].definition.header) {
            ++header_rows;
        }
        format.setHeaderRowCount(header_rows);
        const RowDefinition& first = t.rows.front().definition;
        format.setCellPadding((first.gap >= 0 ? first.gap : kDefaultCellGap) / kTwipsPerPixel);
        if (first.ruled) {
            format.setBorder(std::max(first.border, 1) / kTwipsPerPixel);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderBrush(Qt::black);
        } else {
            format.setBorder(0);
        }
        std::vector<int> widths;
        int previous = widest->left;
        int total = 0;
        for (const int edge : widest->edges) {
            widths.push_back(std::max(edge - previous, 0));
            total += widths.back();
            previous = std::max(previous, edge);
        }
        if (total <= 0) {
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            return format;
        }
        const double share = std::clamp(100.0 * total / page_.text_width(), 1.0, 100.0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, share));
        QList<QTextLength> constraints;
        for (std::size_t c = 0; c < t.columns; ++c) {
            constraints << (c < widths.size() && widths[c] > 0
                                ? QTextLength(QTextLength::PercentageLength,
                                              100.0 * widths[c] / total)
                                : QTextLength());
        }
        format.setColumnWidthConstraints(constraints);
        return format;
    }

    Group& top() { return stack_.back(); }

    bool open_group() {
        if (stack_.size() >= kMaxDepth)
            return false;
        Group g = stack_.empty() ? Group{} : stack_.back();
        g.starred = false;
        g.first_word = true;
        stack_.push_back(g);
        skip_ = 0;
        return true;
    }

    void close_group() {
        if (stack_.empty())
            return;
        const Group closing = stack_.back();
        if (closing.destination == Destination::FontTable && !font_name_.isEmpty()) {
            commit_font();
        }
        if (closing.destination == Destination::Picture && picture_.depth == stack_.size()) {
            finish_picture();
        }
        if (stack_.size() == 1)
            end_last_paragraph();
        stack_.pop_back();
        skip_ = 0;
    }

    // A control word or symbol; pos_ is just after the backslash.
    void control() {
        if (pos_ >= text_.size())
            return;
        const char c = text_[pos_];
        if (!is_letter(c)) {
            ++pos_;
            symbol(c);
            return;
        }
        std::string word;
        while (pos_ < text_.size() && is_letter(text_[pos_])) {
            if (word.size() < 32)
                word.push_back(text_[pos_]);
            ++pos_;
        }
        std::optional<std::int64_t> param;
        bool negative = false;
        if (pos_ < text_.size() && text_[pos_] == '-' && pos_ + 1 < text_.size() &&
            is_digit(text_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        if (pos_ < text_.size() && is_digit(text_[pos_])) {
            std::int64_t v = 0;
            while (pos_ < text_.size() && is_digit(text_[pos_])) {
                if (v < 100000000000LL)
                    v = v * 10 + (text_[pos_] - '0');
                ++pos_;
            }
            param = negative ? -v : v;
        }
        if (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;  // the delimiting space
        if (stack_.empty())
            return;
        word_(word, param);
        top().first_word = false;
    }

    void symbol(char c) {
        if (stack_.empty())
            return;
        switch (c) {
            case '\\':
            case '{':
            case '}':
                character(static_cast<unsigned char>(c));
                break;
            case '~':
                emit_text(QString(QChar(0x00A0)));
                break;
            case '_':
                emit_text(QString(QChar(0x2011)));
                break;
            case '-':
                break;  // optional hyphen
            case '*':
                top().starred = true;
                break;
            case '\'': {
                if (pos_ + 1 >= text_.size()) {
                    pos_ = text_.size();
                    return;
                }
                const int hi = hex_value(text_[pos_]);
                const int lo = hex_value(text_[pos_ + 1]);
                pos_ += 2;
                if (hi < 0 || lo < 0)
                    return;
                byte_character(static_cast<unsigned char>(hi * 16 + lo));
                break;
            }
            case '\r':
            case '\n':
                end_paragraph();
                break;
            default:
                break;
        }
    }

    void word_(const std::string& w, std::optional<std::int64_t> param) {
        Group& g = top();
        const std::int64_t p = param.value_or(1);
        const bool on = !param || *param != 0;
        if (g.starred && g.first_word && w != "shppict") {
            g.destination = Destination::Skip;
            return;
        }
        if (g.destination == Destination::Skip) {
            if (w == "bin")
                skip_binary(p);
            return;
        }
        if (g.destination == Destination::Picture) {
            picture_word(w, param);
            return;
        }
        if (w == "fonttbl") {
            g.destination = Destination::FontTable;
        } else if (w == "colortbl") {
            g.destination = Destination::ColourTable;
            colours_.clear();
            cached_format_.reset();
            pending_colour_ = {};
        } else if (w == "pict") {
            if (g.destination != Destination::Text) {
                g.destination = Destination::Skip;
                return;
            }
            g.destination = Destination::Picture;
            picture_ = Picture{};
            picture_.depth = stack_.size();
        } else if (skipped_destinations().count(w) != 0) {
            g.destination = Destination::Skip;
        } else if (w == "bin") {
            skip_binary(p);
        } else if (g.destination == Destination::FontTable) {
            font_word(w, p);
        } else if (g.destination == Destination::ColourTable) {
            colour_word(w, p);
        } else {
            text_word(w, param, p, on);
        }
    }

    void text_word(const std::string& w, std::optional<std::int64_t> param, std::int64_t p,
                   bool on) {
        Group& g = top();
        CharState& c = g.chr;
        ParaState& para = g.para;
        if (w == "par" || w == "sect" || w == "page" || w == "nestcell") {
            end_paragraph();
        } else if (w == "nestrow") {
            end_paragraph_if_text();
        } else if (w == "cell") {
            end_cell();
        } else if (w == "row") {
            end_row();
        } else if (w == "intbl") {
            para.in_table = on;
        } else if (w == "itap") {
            para.in_table = p > 0;
        } else if (table_word(w, param)) {
            return;
        } else if (w == "line") {
            emit_text(QString(QChar(QChar::LineSeparator)));
        } else if (w == "tab") {
            emit_text(QStringLiteral("\t"));
        } else if (w == "u" && param) {
            const int code = clamp_int(p, -32768, 65535);
            emit_text(QString(QChar(static_cast<char16_t>(code < 0 ? code + 65536 : code))));
            skip_ = g.unicode_skip;
        } else if (w == "uc") {
            g.unicode_skip = clamp_int(p, 0, 10);
        } else if (w == "ansicpg") {
            code_page_ = clamp_int(p, 0, 65535);
        } else if (w == "deff") {
            default_font_ = clamp_int(p, -1, 1 << 30);
            cached_format_.reset();
        } else if (w == "plain") {
            c = CharState{};
        } else if (w == "pard") {
            para = ParaState{};
        } else if (w == "b") {
            c.bold = on;
        } else if (w == "i") {
            c.italic = on;
        } else if (w == "v") {
            c.hidden = on;
        } else if (w == "strike" || w == "striked") {
            c.strike = on;
        } else if (w == "ulnone") {
            c.underline = false;
        } else if (w.rfind("ul", 0) == 0 && w != "ulc") {
            c.underline = on;
        } else if (w == "fs") {
            c.half_points = clamp_int(p, 2, kMaxHalfPoints);
        } else if (w == "f") {
            c.font = clamp_int(p, 0, 1 << 30);
        } else if (w == "cf") {
            c.colour = clamp_int(p, 0, 1 << 30);
        } else if (w == "ql") {
            para.align = Qt::AlignLeft;
        } else if (w == "qr") {
            para.align = Qt::AlignRight;
        } else if (w == "qc") {
            para.align = Qt::AlignHCenter;
        } else if (w == "qj") {
            para.align = Qt::AlignJustify;
        } else if (w == "fi") {
            para.first = clamp_int(p, -kMaxIndentTwips, kMaxIndentTwips);
        } else if (w == "li") {
            para.left = clamp_int(p, -kMaxIndentTwips, kMaxIndentTwips);
        } else if (w == "ri") {
            para.right = clamp_int(p, -kMaxIndentTwips, kMaxIndentTwips);
        }
    }

    // The row definition and the page; false for any other word. A width
    // without its number is not a width.
    bool table_word(const std::string& w, std::optional<std::int64_t> param) {
        RowDefinition& row = row_definition_;
        const std::int64_t p = param.value_or(0);
        if (!param && (w == "trleft" || w == "trgaph" || w == "cellx" || w == "brdrw" ||
                       w == "paperw" || w == "margl" || w == "margr")) {
            return true;
        }
        if (w == "trowd") {
            row = RowDefinition{};
            border_target_ = false;
        } else if (w == "trleft") {
            row.left = clamp_int(p, -kMaxPageTwips, kMaxPageTwips);
        } else if (w == "trgaph") {
            row.gap = clamp_int(p, 0, kMaxPageTwips);
        } else if (w == "trhdr") {
            row.header = !param || p != 0;
        } else if (w == "cellx") {
            if (row.edges.size() < kMaxColumns)
                row.edges.push_back(clamp_int(p, -kMaxPageTwips, 2 * kMaxPageTwips));
            border_target_ = false;
        } else if (w.rfind("clbrdr", 0) == 0 || w.rfind("trbrdr", 0) == 0) {
            border_target_ = true;
        } else if (w == "brdrt" || w == "brdrb" || w == "brdrl" || w == "brdrr" || w == "box" ||
                   w == "brdrbtw" || w == "brdrbar") {
            border_target_ = false;  // a paragraph's rules, not the table's
        } else if (w == "brdrw") {
            if (border_target_)
                row.border = std::max(row.border, clamp_int(p, 0, 255));
        } else if (w == "brdrnone" || w == "brdrnil") {
            return true;
        } else if (w.rfind("brdr", 0) == 0 && w != "brdrcf" && w != "brdrsp") {
            if (border_target_)
                row.ruled = true;
        } else if (w == "paperw") {
            page_.width = clamp_int(p, 1, kMaxPageTwips);
        } else if (w == "margl") {
            page_.left = clamp_int(p, 0, kMaxPageTwips);
        } else if (w == "margr") {
            page_.right = clamp_int(p, 0, kMaxPageTwips);
        } else if (w == "paperh" || w == "margt" || w == "margb") {
            return true;  // the page's height and its top and bottom margins play no part here
        } else {
            return false;
        }
        return true;
    }

    void font_word(const std::string& w, std::int64_t p) {
        if (w == "f") {
            if (!font_name_.isEmpty())
                commit_font();
            current_font_ = clamp_int(p, 0, 1 << 30);
        } else if (w == "fcharset") {
            fonts_[current_font_].charset = clamp_int(p, 0, 255);
        }
    }

    void colour_word(const std::string& w, std::int64_t p) {
        const int v = clamp_int(p, 0, 255);
        if (!pending_colour_.isValid())
            pending_colour_ = QColor(0, 0, 0);
        if (w == "red")
            pending_colour_.setRed(v);
        if (w == "green")
            pending_colour_.setGreen(v);
        if (w == "blue")
            pending_colour_.setBlue(v);
    }

    void picture_word(const std::string& w, std::optional<std::int64_t> param) {
        const std::int64_t p = param.value_or(0);
        if (w == "pngblip") {
            picture_.kind = PictureKind::Png;
        } else if (w == "jpegblip") {
            picture_.kind = PictureKind::Jpeg;
        } else if (w == "emfblip" || w == "wmetafile" || w == "macpict" || w == "dibitmap" ||
                   w == "wbitmap" || w == "pmmetafile") {
            picture_.kind = PictureKind::Other;
        } else if (w == "picw") {
            picture_.pic_w = clamp_int(p, 0, 1 << 20);
        } else if (w == "pich") {
            picture_.pic_h = clamp_int(p, 0, 1 << 20);
        } else if (w == "picwgoal") {
            picture_.goal_w = clamp_int(p, 0, 1 << 24);
        } else if (w == "pichgoal") {
            picture_.goal_h = clamp_int(p, 0, 1 << 24);
        } else if (w == "picscalex") {
            picture_.scale_x = clamp_int(p, 1, 1000);
        } else if (w == "picscaley") {
            picture_.scale_y = clamp_int(p, 1, 1000);
        } else if (w == "bin") {
            const std::size_t n = binary_length(p);
            picture_.data.append(text_.data() + pos_, static_cast<qsizetype>(n));
            pos_ += n;
        }
    }

    std::size_t binary_length(std::int64_t p) const {
        if (p <= 0)
            return 0;
        return std::min<std::size_t>(static_cast<std::size_t>(p), text_.size() - pos_);
    }

    void skip_binary(std::int64_t p) { pos_ += binary_length(p); }

    void character(unsigned char c) {
        Group& g = top();
        switch (g.destination) {
            case Destination::Text:
                if (c == '\t') {
                    emit_text(QStringLiteral("\t"));
                } else if (c >= 0x20) {
                    byte_character(c);
                }
                break;
            case Destination::FontTable:
                if (c == ';') {
                    commit_font();
                } else if (c >= 0x20) {
                    font_name_ += decode_byte(c, code_page_);
                }
                break;
            case Destination::ColourTable:
                if (c == ';') {
                    colours_.push_back(pending_colour_);
                    cached_format_.reset();
                    pending_colour_ = {};
                }
                break;
            case Destination::Picture: {
                const int v = hex_value(static_cast<char>(c));
                if (v < 0)
                    break;
                if (picture_.high_nibble < 0) {
                    picture_.high_nibble = v;
                } else {
                    picture_.data.append(static_cast<char>(picture_.high_nibble * 16 + v));
                    picture_.high_nibble = -1;
                }
                break;
            }
            case Destination::Skip:
                break;
        }
    }

    // One byte of text in the code page of the current font.
    void byte_character(unsigned char c) {
        if (stack_.empty())
            return;
        if (skip_ > 0) {
            --skip_;
            return;
        }
        Group& g = top();
        if (g.destination == Destination::FontTable) {
            font_name_ += decode_byte(c, code_page_);
            return;
        }
        if (g.destination != Destination::Text)
            return;
        int page = code_page_;
        const int font = g.chr.font < 0 ? default_font_ : g.chr.font;
        if (auto it = fonts_.find(font); it != fonts_.end() && it->second.charset != 0) {
            page = code_page_of_charset(it->second.charset);
        }
        emit_text(decode_byte(c, page));
    }

    void commit_font() {
        QString name = font_name_.trimmed();
        font_name_.clear();
        if (name.endsWith(';'))
            name.chop(1);
        if (!name.isEmpty())
            fonts_[current_font_].name = name;
        cached_format_.reset();
    }

    QTextCharFormat char_format(const CharState& c) const {
        QTextCharFormat f;
        const int font = c.font < 0 ? default_font_ : c.font;
        if (auto it = fonts_.find(font); it != fonts_.end() && !it->second.name.isEmpty()) {
            f.setFontFamilies(QStringList{it->second.name});
        }
        f.setFontPointSize(c.half_points / 2.0);
        f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(c.italic);
        f.setFontUnderline(c.underline);
        f.setFontStrikeOut(c.strike);
        if (c.colour > 0 && static_cast<std::size_t>(c.colour) < colours_.size() &&
            colours_[static_cast<std::size_t>(c.colour)].isValid()) {
            f.setForeground(colours_[static_cast<std::size_t>(c.colour)]);
        }
        return f;
    }

    void emit_text(const QString& s) {
        if (stack_.empty() || top().destination != Destination::Text || top().chr.hidden) {
            return;
        }
        last_text_group_ = top();
        // Runs of text share one state: build its format once.
        if (!cached_format_ || !(cached_state_ == top().chr)) {
            cached_state_ = top().chr;
            cached_format_ = char_format(cached_state_);
        }
        const QTextCharFormat& f = *cached_format_;
        if (!current_.pieces.empty()) {
            Piece& last = current_.pieces.back();
            if (last.image.isNull() && last.format == f) {
                last.text += s;
                return;
            }
        }
        current_.pieces.push_back(Piece{s, f, {}, {}});
    }

    void finish_picture() {
        Picture pic = std::move(picture_);
        picture_ = Picture{};
        if (pic.kind != PictureKind::Png && pic.kind != PictureKind::Jpeg)
            return;
        QImage image;
        if (!image.loadFromData(pic.data, pic.kind == PictureKind::Png ? "PNG" : "JPEG"))
            return;
        double w = pic.goal_w > 0 ? pic.goal_w / kTwipsPerPixel : image.width();
        double h = pic.goal_h > 0 ? pic.goal_h / kTwipsPerPixel : image.height();
        w = std::clamp(w * pic.scale_x / 100.0, 1.0, kMaxPicturePixels);
        h = std::clamp(h * pic.scale_y / 100.0, 1.0, kMaxPicturePixels);
        // The picture belongs to the text around it, not to the \pict group.
        std::size_t outer = stack_.size() >= 2 ? stack_.size() - 2 : 0;
        while (outer > 0 && stack_[outer].destination == Destination::Skip)
            --outer;
        current_.pieces.push_back(Piece{{}, char_format(stack_[outer].chr), image, QSizeF(w, h)});
    }

    QTextBlockFormat block_format(const ParaState& p) const {
        QTextBlockFormat b;
        b.setAlignment(p.align);
        b.setTextIndent(p.first / kTwipsPerPixel);
        b.setLeftMargin(p.left / kTwipsPerPixel);
        b.setRightMargin(p.right / kTwipsPerPixel);
        return b;
    }

    void end_paragraph() {
        if (top().destination != Destination::Text)
            return;
        push_paragraph(top(), top().para.in_table);
    }

    // Text after the last \par is a paragraph of its own, formatted as the text
    // in it was; nothing after it means the \par closed the last paragraph.
    void end_last_paragraph() {
        if (current_.pieces.empty() && anything_read())
            return;  // after the closing \par
        const Group& g = current_.pieces.empty() ? top() : last_text_group_;
        push_paragraph(g, g.para.in_table);
    }

    bool anything_read() const {
        return !items_.empty() || !table_.rows.empty() || !row_.cells.empty() ||
               !cell_.paragraphs.empty();
    }

    // A paragraph of a table cell, or of the text outside tables (which ends
    // the table before it).
    void push_paragraph(const Group& g, bool in_table) {
        current_.block = block_format(g.para);
        current_.end_format = char_format(g.chr);
        if (in_table) {
            cell_.paragraphs.push_back(std::move(current_));
        } else {
            close_table();
            items_.emplace_back(std::move(current_));
        }
        current_ = Paragraph{};
    }

    // \cell: its last paragraph ends with it, even when the file forgot \intbl.
    void end_cell() {
        if (top().destination != Destination::Text)
            return;
        push_paragraph(top(), true);
        add_cell();
    }

    void add_cell() {
        if (row_.cells.size() < kMaxColumns) {
            row_.cells.push_back(std::move(cell_));
        } else {
            // Cells past the last column the reader keeps join the last one.
            auto& last = row_.cells.back().paragraphs;
            last.insert(last.end(), std::make_move_iterator(cell_.paragraphs.begin()),
                        std::make_move_iterator(cell_.paragraphs.end()));
        }
        cell_ = TableCell{};
    }

    // \row: the cells read since the last row, with the row's definition.
    // Text between the last \cell and \row is a cell of its own.
    void end_row() {
        if (top().destination != Destination::Text)
            return;
        if (!current_.pieces.empty())
            push_paragraph(last_text_group_, true);
        add_row();
    }

    void add_row() {
        if (!cell_.paragraphs.empty())
            add_cell();
        if (row_.cells.empty())
            return;
        const std::size_t columns = std::max(table_.columns, row_.cells.size());
        if (columns * (table_.rows.size() + 1) > kMaxTableCells)
            flush_table();
        row_.definition = row_definition_;
        table_.columns = std::max(table_.columns, row_.cells.size());
        table_.rows.push_back(std::move(row_));
        row_ = TableRow{};
    }

    // The table read so far becomes an item; cells and rows not closed by
    // \cell and \row (a truncated file) are kept in it.
    void close_table() {
        add_row();
        flush_table();
    }

    void flush_table() {
        if (table_.rows.empty())
            return;
        items_.emplace_back(std::move(table_));
        table_ = Table{};
    }

    void end_paragraph_if_text() {
        if (!stack_.empty() && !current_.pieces.empty())
            end_paragraph();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::vector<Group> stack_;
    Group last_text_group_;
    int skip_ = 0;
    int code_page_ = 1252;
    int default_font_ = 0;
    int current_font_ = 0;
    QString font_name_;
    std::map<int, Font> fonts_;
    std::vector<QColor> colours_;
    QColor pending_colour_;
    Picture picture_;
    Paragraph current_;
    std::vector<Item> items_;
    RowDefinition row_definition_;
    bool border_target_ = false;  // the last rule named was a table's
    TableCell cell_;
    TableRow row_;
    Table table_;
    Page page_;
    CharState cached_state_;
    std::optional<QTextCharFormat> cached_format_;
};

}  // namespace

Status read_rtf(std::string_view text, QTextDocument& document) {
    Reader reader(text);
    Status status = reader.run();
    if (!status)
        return status;
    reader.build(document);
    return success();
}

}  // namespace quintaro::rtf
