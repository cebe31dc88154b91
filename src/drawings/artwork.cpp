#include "drawings/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "drawings/section_drawing.h"

namespace quintaro::drawings {
namespace {

// A brushed-steel fill running across `r`.
QLinearGradient steel_brush(const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(245, 247, 250));
    g.setColorAt(0.45, QColor(170, 178, 190));
    g.setColorAt(0.55, QColor(120, 128, 140));
    g.setColorAt(1.0, QColor(210, 215, 222));
    return g;
}

// A portal frame in perspective: two columns, a pitched rafter pair and purlins,
// all as thin lines, to sit behind the title.
void paint_frame(QPainter& p, const QRectF& r) {
    p.save();
    const QColor line(70, 110, 170, 150);
    for (int bay = 0; bay < 5; ++bay) {
        const double k = 1.0 - bay * 0.14;
        const double cx = r.center().x() + bay * r.width() * 0.05;
        const double base = r.bottom() - bay * r.height() * 0.03;
        const double half = r.width() * 0.36 * k;
        const double eave = base - r.height() * 0.45 * k;
        const double ridge = eave - r.height() * 0.18 * k;
        p.setPen(QPen(line, 3.0 * k));
        p.drawLine(QPointF(cx - half, base), QPointF(cx - half, eave));
        p.drawLine(QPointF(cx + half, base), QPointF(cx + half, eave));
        p.drawLine(QPointF(cx - half, eave), QPointF(cx, ridge));
        p.drawLine(QPointF(cx + half, eave), QPointF(cx, ridge));
        if (bay > 0) {
            const double kp = 1.0 - (bay - 1) * 0.14;
            const double cxp = r.center().x() + (bay - 1) * r.width() * 0.05;
            const double basep = r.bottom() - (bay - 1) * r.height() * 0.03;
            const double halfp = r.width() * 0.36 * kp;
            const double eavep = basep - r.height() * 0.45 * kp;
            const double ridgep = eavep - r.height() * 0.18 * kp;
            p.setPen(QPen(line, 1.2));
            p.drawLine(QPointF(cxp - halfp, eavep), QPointF(cx - half, eave));
            p.drawLine(QPointF(cxp + halfp, eavep), QPointF(cx + half, eave));
            p.drawLine(QPointF(cxp, ridgep), QPointF(cx, ridge));
        }
    }
    p.restore();
}

}  // namespace

QImage title_artwork(QSize size, const QString& standard) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QRadialGradient sky(r.center() + QPointF(0, r.height() * 0.1), r.width() * 0.7);
    sky.setColorAt(0, QColor(22, 40, 78));
    sky.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(r, sky);
    // The frame stands between the subtitle and the row of sections.
    paint_frame(
        p, r.adjusted(r.width() * 0.06, r.height() * 0.40, -r.width() * 0.06, -r.height() * 0.27));

    QFont title("DejaVu Sans");
    title.setBold(true);
    title.setPixelSize(int(r.height() * 0.2));
    title.setLetterSpacing(QFont::PercentageSpacing, 112);
    QPainterPath text;
    const QFontMetricsF fm(title);
    const QString name = QStringLiteral("QUINTARO");
    const double tx = r.center().x() - fm.horizontalAdvance(name) / 2;
    const double ty = r.height() * 0.36;
    text.addText(QPointF(tx, ty), title, name);
    p.setPen(QPen(QColor(10, 10, 14), 3));
    p.setBrush(steel_brush(text.boundingRect()));
    p.drawPath(text);

    QFont sub("DejaVu Sans");
    sub.setPixelSize(std::max(10, int(r.height() * 0.045)));
    p.setFont(sub);
    p.setPen(QColor(200, 210, 225));
    p.drawText(QRectF(0, ty + r.height() * 0.03, r.width(), r.height() * 0.08), Qt::AlignCenter,
               QStringLiteral("Verificação de elementos de aço — ") + standard);

    // A row of the section shapes the program checks, along the bottom.
    const WindowKind row[] = {WindowKind::I_Soldado,   WindowKind::H_Laminado,
                              WindowKind::U_Laminado,  WindowKind::L_Laminado,
                              WindowKind::LT_Laminado, WindowKind::LX_Laminado};
    const double cell = r.width() / 8.0;
    for (int i = 0; i < 6; ++i) {
        const QRectF c(cell * (1 + i), r.height() * 0.76, cell * 0.7, cell * 0.7);
        paint_glyph(p, row[i], c);
    }
    return image;
}

QImage logo_strip(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    QPainter p(&image);
    QLinearGradient band(r.topLeft(), r.bottomLeft());
    band.setColorAt(0, QColor(22, 40, 78));
    band.setColorAt(1, QColor(4, 8, 18));
    p.fillRect(r, band);
    const WindowKind row[] = {WindowKind::I_Soldado,   WindowKind::I_Laminado,
                              WindowKind::U_Laminado,  WindowKind::L_Laminado,
                              WindowKind::LT_Laminado, WindowKind::LU_Laminado,
                              WindowKind::LX_Laminado};
    const double cell = r.width() / 7.0;
    const double side = std::min(cell, r.height()) * 0.9;
    for (int i = 0; i < 7; ++i) {
        paint_glyph(p, row[i],
                    QRectF(cell * i + (cell - side) / 2, (r.height() - side) / 2, side, side));
    }
    return image;
}

QImage program_icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size, size);
    QLinearGradient tile(r.topLeft(), r.bottomRight());
    tile.setColorAt(0, QColor(40, 90, 170));
    tile.setColorAt(1, QColor(12, 34, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(r.adjusted(size * 0.03, size * 0.03, -size * 0.03, -size * 0.03), size * 0.18,
                      size * 0.18);
    paint_glyph(p, WindowKind::I_Soldado,
                r.adjusted(size * 0.1, size * 0.1, -size * 0.1, -size * 0.1));
    return image;
}

}  // namespace quintaro::drawings
