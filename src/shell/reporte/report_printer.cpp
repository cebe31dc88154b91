#include "shell/reporte/report_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QUrl>
#include <memory>

namespace quintaro::reporte {

namespace {

// The document is laid out at 96 pixels per inch, as on screen, and the
// painter is scaled to the printer's resolution.
constexpr double kLayoutDpi = 96.0;
constexpr double kMillimetresPerInch = 25.4;
// Gap between the text and the header above it or the footer below it.
constexpr double kHeaderGapMm = 5.0;

double mm_to_layout(double mm) {
    return mm / kMillimetresPerInch * kLayoutDpi;
}

// A copy for the printer: the same text and pictures without the editor's
// gutter.
std::unique_ptr<QTextDocument> printable_copy(const QTextDocument& document) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QUrl name(f.toImageFormat().name());
            copy->addResource(QTextDocument::ImageResource, name,
                              document.resource(QTextDocument::ImageResource, name));
        }
    }
    QTextFrameFormat root = copy->rootFrame()->frameFormat();
    root.setMargin(0);
    root.setPadding(0);
    copy->rootFrame()->setFrameFormat(root);
    return copy;
}

}  // namespace

QString TRichPrinter::expand(const QString& pattern, const QString& title, int page) {
    QString out = pattern;
    out.replace(QStringLiteral("{$TITLE}"), title);
    out.replace(QStringLiteral("{$PAGE}"), QString::number(page));
    return out;
}

bool print_document(const QTextDocument& document, QPrinter& printer, const TRichPrinter& settings,
                    const QString& title) {
    printer.setFullPage(true);
    const QSizeF paper =
        printer.pageLayout().fullRect(QPageLayout::Point).size() / 72.0 * kLayoutDpi;
    const PrintMargins& m = settings.margins;
    const QRectF body(mm_to_layout(m.left), mm_to_layout(m.top),
                      paper.width() - mm_to_layout(m.left + m.right),
                      paper.height() - mm_to_layout(m.top + m.bottom));
    if (body.width() < 10 || body.height() < 10)
        return false;

    const std::unique_ptr<QTextDocument> copy = printable_copy(document);
    copy->setPageSize(body.size());
    const int pages = std::max(1, copy->pageCount());

    QPainter painter(&printer);
    if (!painter.isActive())
        return false;
    const double scale = printer.resolution() / kLayoutDpi;
    painter.scale(scale, scale);
    // Header and footer are drawn in the printer's own pixels with a size in
    // points, so that the printer's font metrics place the right-aligned text.
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Courier);
    courier.setPointSizeF(settings.header_pixel_size * 72.0 / kLayoutDpi);
    const double gap = mm_to_layout(kHeaderGapMm);
    const double line = settings.header_pixel_size * 1.5;
    const auto device = [scale](const QRectF& r) {
        return QRectF(r.topLeft() * scale, r.size() * scale);
    };

    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            printer.newPage();
        painter.save();
        painter.translate(body.topLeft());
        painter.setClipRect(QRectF(QPointF(0, 0), body.size()));
        painter.translate(0, -(page - 1) * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, (page - 1) * body.height(), body.width(), body.height());
        context.palette.setColor(QPalette::Text, Qt::black);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();

        painter.save();
        painter.resetTransform();
        painter.setFont(courier);
        painter.setPen(Qt::black);
        const QRectF header(body.left(), body.top() - gap - line, body.width(), line);
        const QRectF footer(body.left(), body.bottom() + gap, body.width(), line);
        painter.drawText(device(header), Qt::AlignRight | Qt::AlignVCenter,
                         TRichPrinter::expand(settings.header, title, page));
        painter.drawText(device(footer), Qt::AlignRight | Qt::AlignVCenter,
                         TRichPrinter::expand(settings.footer, title, page));
        painter.restore();
    }
    return painter.end();
}

}  // namespace quintaro::reporte
