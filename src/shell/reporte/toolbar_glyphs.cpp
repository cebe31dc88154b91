#include "shell/reporte/toolbar_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quintaro::reporte {

namespace {

void sheet(QPainter& p, QRectF r) {
    p.setBrush(Qt::white);
    p.drawRect(r);
    for (double y = r.top() + 3; y < r.bottom() - 1; y += 2.5) {
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void lines(QPainter& p, Qt::Alignment align) {
    const double widths[] = {12, 8, 12, 6, 10};
    for (int i = 0; i < 5; ++i) {
        const double w = widths[i];
        const double x = align == Qt::AlignLeft ? 2 : align == Qt::AlignRight ? 14 - w : 8 - w / 2;
        p.drawLine(QPointF(x, 3 + i * 2.5), QPointF(x + w, 3 + i * 2.5));
    }
}

void paint(QPainter& p, Glyph g) {
    const QColor ink(40, 40, 40);
    p.setPen(QPen(ink, 1));
    switch (g) {
        case Glyph::Open: {
            p.setBrush(QColor(230, 190, 80));
            QPainterPath folder;
            folder.moveTo(1.5, 13.5);
            folder.lineTo(1.5, 3.5);
            folder.lineTo(6, 3.5);
            folder.lineTo(7.5, 5);
            folder.lineTo(13.5, 5);
            folder.lineTo(13.5, 13.5);
            folder.closeSubpath();
            p.drawPath(folder);
            break;
        }
        case Glyph::Save:
            p.setBrush(QColor(70, 100, 170));
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.drawRect(QRectF(3.5, 9.5, 9, 5));
            break;
        case Glyph::Print:
            sheet(p, QRectF(4.5, 1.5, 7, 5));
            p.setBrush(QColor(180, 180, 180));
            p.drawRect(QRectF(1.5, 6.5, 13, 6));
            sheet(p, QRectF(4.5, 10.5, 7, 4));
            break;
        case Glyph::PageSetup:
            sheet(p, QRectF(3.5, 1.5, 9, 13));
            p.setPen(QPen(QColor(200, 0, 0), 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(5, 3, 6, 10));
            break;
        case Glyph::Preview:
            sheet(p, QRectF(1.5, 1.5, 9, 12));
            p.setPen(QPen(ink, 1.6));
            p.setBrush(QColor(200, 225, 255));
            p.drawEllipse(QPointF(9.5, 8.5), 3.2, 3.2);
            p.drawLine(QPointF(11.8, 10.8), QPointF(14.5, 13.5));
            break;
        case Glyph::Undo: {
            p.setPen(QPen(ink, 1.6));
            QPainterPath arc;
            arc.moveTo(4, 7);
            arc.cubicTo(7, 3, 14, 4, 13, 11);
            p.drawPath(arc);
            p.setBrush(ink);
            p.drawPolygon(QPolygonF{QPointF(1.5, 4.5), QPointF(6.5, 4), QPointF(3.5, 9)});
            break;
        }
        case Glyph::Copy:
            sheet(p, QRectF(1.5, 1.5, 8, 10));
            sheet(p, QRectF(6.5, 4.5, 8, 10));
            break;
        case Glyph::Paste:
            p.setBrush(QColor(160, 110, 60));
            p.drawRect(QRectF(1.5, 2.5, 10, 12));
            p.setBrush(QColor(200, 200, 200));
            p.drawRect(QRectF(4.5, 1.5, 4, 2));
            sheet(p, QRectF(6.5, 6.5, 8, 8));
            break;
        case Glyph::AlignLeft:
            lines(p, Qt::AlignLeft);
            break;
        case Glyph::AlignCenter:
            lines(p, Qt::AlignHCenter);
            break;
        case Glyph::AlignRight:
            lines(p, Qt::AlignRight);
            break;
    }
}

}  // namespace

QIcon toolbar_glyph(Glyph glyph) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, glyph);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace quintaro::reporte
