#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "common/result.h"

class QTextDocument;

namespace quintaro::rtf {

// The one text shown for anything that is not RTF we can read.
inline constexpr const char* kNotRtf = "Not the correct file format";

// Pixels of the document (96 per inch) and twips (1440 per inch).
inline constexpr double kTwipsPerPixel = 15.0;

// The paper and its margins, in twips.
struct PageSetup {
    int paper_width = 11906;  // A4, 210 x 297 mm
    int paper_height = 16838;
    // The report's printer margins: top 30, bottom 25, left 25, right 15 mm.
    int margin_top = 1701;
    int margin_bottom = 1417;
    int margin_left = 1417;
    int margin_right = 850;

    // A4 with margins in millimetres.
    static PageSetup a4(double top, double bottom, double left, double right);
    // The width between the left and right margins (at least one twip).
    int text_width() const;

    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

// The whole document as RTF: the page, font and colour tables, character
// attributes (face, size, bold, italic, underline, strike-out, colour),
// paragraph alignment and indents, tables with ruled cells, and pictures as
// PNG. Text outside ASCII is written as \'hh in Windows-1252 where that code
// page holds it and as \uN? otherwise.
std::string write_rtf(const QTextDocument& document, const PageSetup& page = {});

// Replaces the document with the RTF text. Malformed input either fails with
// kNotRtf (and the document is left as it was) or gives the best document the
// text allows; it never throws and always ends. Table rows become text
// tables; the widths of their cells are kept as shares of the width between
// the margins of the file's page.
Status read_rtf(std::string_view text, QTextDocument& document);

// File forms of the two above. Saving goes through a temporary file, so a
// failed save leaves any earlier file whole.
Status load_rtf_file(const QString& path, QTextDocument& document);
Status save_rtf_file(const QTextDocument& document, const QString& path,
                     const PageSetup& page = {});

}  // namespace quintaro::rtf
