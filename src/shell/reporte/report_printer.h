#pragma once

#include <QString>

class QPrinter;
class QTextDocument;

namespace quintaro::reporte {

// Page margins in millimetres.
struct PrintMargins {
    double top = 30;
    double bottom = 25;
    double left = 25;
    double right = 15;
};

// The report's printer settings: the margins kept from the page-setup dialog
// and the right-aligned header (the document's title) and footer ("Page N")
// written in Courier New on every page.
class TRichPrinter {
  public:
    PrintMargins margins;
    QString header = QStringLiteral("{$TITLE}");
    QString footer = QStringLiteral("Page {$PAGE}");
    int header_pixel_size = 13;

    // The header or footer text of one page.
    static QString expand(const QString& pattern, const QString& title, int page);
};

// Prints the document on the printer (paper or PDF) inside the margins, with
// the header above and the footer below the text of every page. False when
// the printer could not be used or the margins leave no room for text.
bool print_document(const QTextDocument& document, QPrinter& printer, const TRichPrinter& settings,
                    const QString& title);

}  // namespace quintaro::reporte
