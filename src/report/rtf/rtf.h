#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "common/result.h"

class QTextDocument;

namespace quintaro::rtf {

// The one text shown for anything that is not RTF we can read.
inline constexpr const char* kNotRtf = "Not the correct file format";

// The whole document as RTF: font and colour tables, character attributes
// (face, size, bold, italic, underline, strike-out, colour), paragraph
// alignment and indents, and pictures as PNG. Text outside ASCII is written as
// \'hh in Windows-1252 where that code page holds it and as \uN? otherwise.
std::string write_rtf(const QTextDocument& document);

// Replaces the document with the RTF text. Malformed input either fails with
// kNotRtf (and the document is left as it was) or gives the best document the
// text allows; it never throws and always ends.
Status read_rtf(std::string_view text, QTextDocument& document);

// File forms of the two above. Saving goes through a temporary file, so a
// failed save leaves any earlier file whole.
Status load_rtf_file(const QString& path, QTextDocument& document);
Status save_rtf_file(const QTextDocument& document, const QString& path);

// Pixels of the document (96 per inch) and twips (1440 per inch).
inline constexpr double kTwipsPerPixel = 15.0;

}  // namespace quintaro::rtf
