#include "drawings/section_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

namespace quintaro::drawings {
namespace {

// A section modelled in millimetres with y pointing up: steel plates, the
// dimension lines and axes drawn around it, and loose labels.
struct Dimension {
    QPointF from, to;
    QPointF offset;  // where the dimension line sits, relative to the measured points
    QString label;
};
struct Axis {
    QPointF from, to;  // the label is written past `to`
    QString label;
};
struct Label {
    QPointF at;
    QString text;
};
struct Model {
    std::vector<QPolygonF> plates;
    std::vector<Dimension> dimensions;
    std::vector<Axis> axes;
    std::vector<Label> labels;
};

QPolygonF plate(double x0, double y0, double x1, double y1) {
    return QPolygonF(QRectF(QPointF(std::min(x0, x1), std::min(y0, y1)),
                            QPointF(std::max(x0, x1), std::max(y0, y1))));
}

// Area-weighted centre of the plates (rectangles and weld triangles).
QPointF centroid(const std::vector<QPolygonF>& plates) {
    double area = 0, sx = 0, sy = 0;
    for (const auto& p : plates) {
        const QRectF r = p.boundingRect();
        double a = r.width() * r.height();
        QPointF c = r.center();
        if (p.size() == 3) {
            a /= 2;
            c = (p[0] + p[1] + p[2]) / 3.0;
        }
        area += a;
        sx += a * c.x();
        sy += a * c.y();
    }
    return area > 0 ? QPointF(sx / area, sy / area) : QPointF();
}

Model i_section(double d, double bf, double tw, double tf, bool welded) {
    Model m;
    const double h2 = d / 2, b2 = bf / 2;
    m.plates = {plate(-b2, h2 - tf, b2, h2), plate(-b2, -h2, b2, -h2 + tf),
                plate(-tw / 2, -h2 + tf, tw / 2, h2 - tf)};
    if (welded) {
        // Fillet welds at the four web-to-flange joints.
        const double w = 6;
        for (double sx : {-1.0, 1.0}) {
            for (double sy : {-1.0, 1.0}) {
                const double x = sx * tw / 2, y = sy * (h2 - tf);
                m.plates.push_back(
                    QPolygonF({QPointF(x, y), QPointF(x + sx * w, y), QPointF(x, y - sy * w)}));
            }
        }
    }
    m.dimensions = {{{-b2, -h2}, {-b2, h2}, {-22, 0}, "d"}, {{-b2, h2}, {b2, h2}, {0, 18}, "bf"}};
    m.axes = {{{-b2 - 12, 0}, {b2 + 14, 0}, "x"}, {{0, h2 + 8}, {0, -h2 - 14}, "y"}};
    m.labels = {{{tw / 2 + 14, h2 * 0.45}, "tw"}, {{b2 + 12, h2 - tf / 2}, "tf"}};
    return m;
}

Model channel() {
    const double d = 200, bf = 80, tw = 8, tf = 11;
    Model m;
    m.plates = {plate(0, d / 2 - tf, bf, d / 2), plate(0, -d / 2, bf, -d / 2 + tf),
                plate(0, -d / 2 + tf, tw, d / 2 - tf)};
    const double cx = centroid(m.plates).x();
    m.dimensions = {{{0, -d / 2}, {0, d / 2}, {-22, 0}, "d"},
                    {{0, d / 2}, {bf, d / 2}, {0, 18}, "bf"},
                    {{0, -d / 2}, {cx, -d / 2}, {0, -18}, "x"}};
    m.axes = {{{-12, 0}, {bf + 14, 0}, "x"}, {{cx, d / 2 + 6}, {cx, -d / 2 - 34}, "y"}};
    m.labels = {{{tw + 16, d * 0.22}, "tw"}, {{bf + 12, d / 2 - tf / 2}, "tf"}};
    return m;
}

// One angle with its heel at the origin: the leg `up` along +y, the leg
// `across` along +x.
Model angle(double up, double across, double t, const QString& up_name, const QString& across_name,
            bool equal_legs) {
    Model m;
    m.plates = {plate(0, 0, t, up), plate(t, 0, across, t)};
    const QPointF c = centroid(m.plates);
    m.dimensions = {{{0, 0}, {across, 0}, {0, -18}, across_name},
                    {{0, 0}, {0, up}, {-18, 0}, up_name},
                    {{0, up}, {c.x(), up}, {0, 12}, equal_legs ? "x=y" : "x"}};
    if (!equal_legs) {
        m.dimensions.push_back({{across, 0}, {across, c.y()}, {14, 0}, "y"});
    }
    m.axes = {{{-10, c.y()}, {across + 12, c.y()}, "x'"},
              {{c.x(), -10}, {c.x(), up + 26}, "y'"},
              {c + QPointF(-0.45 * up, 0.45 * up), c + QPointF(0.45 * up, -0.45 * up), "z"}};
    m.labels = {{{t + 12, up * 0.7}, "tf"}};
    return m;
}

// Two angles back to back, upright legs with the gap e between their backs and
// the other legs at the top pointing away from each other (a T).
Model pair_t(double up, double across, double t, const QString& up_name,
             const QString& across_name) {
    const double g = 5;
    Model m;
    for (double s : {-1.0, 1.0}) {
        m.plates.push_back(plate(s * g, -up, s * (g + t), 0));
        m.plates.push_back(plate(s * (g + t), -t, s * (g + across), 0));
    }
    const double cy = centroid(m.plates).y();
    m.dimensions = {{{-g, -up}, {g, -up}, {0, -16}, "e"},
                    {{g, 0}, {g + across, 0}, {0, 16}, across_name},
                    {{-g - t, -up}, {-g - t, 0}, {-std::max(across, 20.0) - 4, 0}, up_name}};
    m.axes = {{{-g - across - 12, cy}, {g + across + 14, cy}, "X"}, {{0, 10}, {0, -up - 36}, "Y"}};
    m.labels = {{{g + t + 12, -up * 0.6}, "tf"}};
    return m;
}

// Two angles toe to toe: upright legs outermost, the other legs at the bottom
// with their tips facing across the gap e (a U).
Model pair_u(double up, double across, double t, const QString& up_name,
             const QString& across_name) {
    const double g = 5;
    Model m;
    for (double s : {-1.0, 1.0}) {
        m.plates.push_back(plate(s * (g + across), 0, s * (g + across - t), up));
        m.plates.push_back(plate(s * g, 0, s * (g + across - t), t));
    }
    const double cy = centroid(m.plates).y();
    m.dimensions = {{{-g, 0}, {g, 0}, {0, -16}, "e"},
                    {{g, 0}, {g + across, 0}, {0, -16}, across_name},
                    {{g + across, 0}, {g + across, up}, {18, 0}, up_name}};
    m.axes = {{{-g - across - 12, cy}, {g + across + 30, cy}, "X"}, {{0, -30}, {0, up + 14}, "Y"}};
    m.labels = {{{-g - across + t + 12, up * 0.7}, "tf"}};
    return m;
}

// Two angles heel to heel across the gap e, one with its legs up and right,
// the other down and left; the pair's axes run along the diagonals.
Model pair_x(double leg, double t) {
    const double g = 5;
    Model m;
    m.plates = {plate(g, g, g + t, g + leg), plate(g + t, g, g + leg, g + t),
                plate(-g, -g, -g - t, -g - leg), plate(-g - t, -g, -g - leg, -g - t)};
    const double r = 0.85 * (leg + g);
    m.dimensions = {{{-g, g + leg}, {g, g + leg}, {0, 14}, "e"},
                    {{g, g}, {g + leg, g}, {0, -(2 * g + t + 20)}, "bf"}};
    m.axes = {{{-r, r}, {r, -r}, "x"}, {{-r, -r}, {r, r}, "y"}};
    m.labels = {{{g + t + 12, g + leg * 0.7}, "tf"}};
    return m;
}

Model model_of(WindowKind kind) {
    constexpr double kLong = 150, kShort = 100, kEqual = 100, kThick = 10;
    switch (kind) {
        case WindowKind::I_Soldado:
            return i_section(250, 160, 6.3, 12.5, true);
        case WindowKind::I_Laminado:
            return i_section(200, 100, 8, 12, false);
        case WindowKind::H_Laminado:
            return i_section(200, 200, 9, 14, false);
        case WindowKind::U_Laminado:
            return channel();
        case WindowKind::L_Laminado:
            return angle(kEqual, kEqual, kThick, "bf", "bf", true);
        case WindowKind::LT_Laminado:
            return pair_t(kEqual, kEqual, kThick, "bf", "bf");
        case WindowKind::LU_Laminado:
            return pair_u(kEqual, kEqual, kThick, "bf", "bf");
        case WindowKind::LX_Laminado:
            return pair_x(kEqual, kThick);
        case WindowKind::L2_Laminado:
            return angle(kLong, kShort, kThick, "d", "bf", false);
        case WindowKind::L2T_Ma_Laminado:
            return pair_t(kLong, kShort, kThick, "d", "bf");
        case WindowKind::L2T_Me_Laminado:
            return pair_t(kShort, kLong, kThick, "bf", "d");
        case WindowKind::L2U_Ma_Laminado:
            return pair_u(kLong, kShort, kThick, "d", "bf");
        case WindowKind::L2U_Me_Laminado:
            return pair_u(kShort, kLong, kThick, "bf", "d");
    }
    return {};
}

QPainterPath steel_outline(const Model& m) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const auto& p : m.plates)
        path.addPolygon(p), path.closeSubpath();
    return path.simplified();
}

// Maps model millimetres (y up) into `area`, the whole model fitting inside.
class Mapping {
  public:
    Mapping(const QRectF& model_box, const QRectF& area) {
        const double sx = area.width() / std::max(model_box.width(), 1e-9);
        const double sy = area.height() / std::max(model_box.height(), 1e-9);
        scale_ = std::min(sx, sy);
        model_centre_ = model_box.center();
        area_centre_ = area.center();
    }
    QPointF operator()(QPointF p) const {
        return area_centre_ +
               QPointF((p.x() - model_centre_.x()) * scale_, -(p.y() - model_centre_.y()) * scale_);
    }
    double scale() const { return scale_; }

  private:
    double scale_ = 1;
    QPointF model_centre_, area_centre_;
};

QRectF model_box(const Model& m, double margin) {
    QRectF box = steel_outline(m).boundingRect();
    for (const auto& d : m.dimensions) {
        box |= QRectF(d.from + d.offset, d.to + d.offset).normalized();
    }
    for (const auto& a : m.axes)
        box |= QRectF(a.from, a.to).normalized();
    return box.adjusted(-margin, -margin, margin, margin);
}

QPolygonF mapped(const QPolygonF& p, const Mapping& map) {
    QPolygonF out;
    for (const auto& q : p)
        out << map(q);
    return out;
}

void draw_text(QPainter& painter, QPointF at, const QString& text) {
    const QFontMetricsF fm(painter.font());
    const QRectF r(at.x() - fm.horizontalAdvance(text) / 2 - 2, at.y() - fm.height() / 2,
                   fm.horizontalAdvance(text) + 4, fm.height());
    painter.drawText(r, Qt::AlignCenter, text);
}

void draw_arrow_head(QPainter& painter, QPointF tip, QPointF towards, double size) {
    const QPointF dir = towards - tip;
    const double len = std::hypot(dir.x(), dir.y());
    if (len < 1e-9)
        return;
    const QPointF u = dir / len, n(-u.y(), u.x());
    painter.drawPolygon(
        QPolygonF({tip, tip + u * size + n * size * 0.35, tip + u * size - n * size * 0.35}));
}

}  // namespace

void paint_section(QPainter& painter, WindowKind kind, const QRectF& area) {
    const Model m = model_of(kind);
    QFont font = painter.font();
    font.setPixelSize(std::max(9, int(std::min(area.width(), area.height()) / 20)));
    // Room for the names written past the ends of axes and dimension lines.
    const double room = font.pixelSize() * 1.6;
    const Mapping map(model_box(m, 4), area.adjusted(room, room, -room, -room));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    font.setItalic(true);
    painter.setFont(font);

    // Axes first, under the steel.
    QPen axis_pen(QColor(40, 90, 170), 1, Qt::DashDotLine);
    for (const auto& a : m.axes) {
        painter.setPen(axis_pen);
        painter.drawLine(map(a.from), map(a.to));
        const QPointF from = map(a.from), to = map(a.to);
        QPointF dir = to - from;
        dir /= std::max(1e-9, std::hypot(dir.x(), dir.y()));
        painter.setPen(QColor(40, 90, 170));
        draw_text(painter, to + dir * font.pixelSize() * 0.8, a.label);
    }

    QPainterPath steel;
    for (const auto& p : m.plates)
        steel.addPolygon(mapped(p, map)), steel.closeSubpath();
    steel = steel.simplified();
    QLinearGradient shade(area.topLeft(), area.bottomRight());
    shade.setColorAt(0, QColor(196, 202, 212));
    shade.setColorAt(1, QColor(140, 148, 160));
    painter.setPen(QPen(QColor(30, 30, 30), 1.5));
    painter.setBrush(shade);
    painter.drawPath(steel);

    const QColor ink(20, 20, 20);
    painter.setPen(QPen(ink, 1));
    const double head = std::max(4.0, font.pixelSize() * 0.45);
    for (const auto& d : m.dimensions) {
        const QPointF a = map(d.from), b = map(d.to);
        const QPointF a2 = map(d.from + d.offset), b2 = map(d.to + d.offset);
        painter.setPen(QPen(ink, 0.8));
        painter.drawLine(a, a2);
        painter.drawLine(b, b2);
        painter.drawLine(a2, b2);
        painter.setBrush(ink);
        draw_arrow_head(painter, a2, b2, head);
        draw_arrow_head(painter, b2, a2, head);
        painter.setBrush(Qt::NoBrush);
        QPointF out = map(d.from + d.offset * 1.6) - map(d.from + d.offset);
        const double len = std::hypot(out.x(), out.y());
        out = len > 1e-9 ? out / len * font.pixelSize() * 0.75 : QPointF();
        draw_text(painter, (a2 + b2) / 2 + out, d.label);
    }
    for (const auto& l : m.labels)
        draw_text(painter, map(l.at), l.text);
    painter.restore();
}

QImage section_picture(WindowKind kind, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint_section(painter, kind, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void paint_glyph(QPainter& painter, WindowKind kind, const QRectF& area) {
    const Model m = model_of(kind);
    const QPainterPath outline = steel_outline(m);
    const QRectF box = outline.boundingRect();
    const double side = std::max(box.width(), box.height());
    const QRectF square(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    const Mapping map(square.adjusted(-side * 0.12, -side * 0.12, side * 0.12, side * 0.12), area);
    // Thin plates stay visible at button size.
    const double min_width = std::max(3.0, area.width() * 0.1) / map.scale();
    QPainterPath steel;
    for (const auto& p : m.plates) {
        QRectF r = p.boundingRect();
        if (p.size() != 3) {
            if (r.width() < min_width)
                r.adjust(-(min_width - r.width()) / 2, 0, (min_width - r.width()) / 2, 0);
            if (r.height() < min_width)
                r.adjust(0, -(min_width - r.height()) / 2, 0, (min_width - r.height()) / 2);
            steel.addPolygon(mapped(QPolygonF(r), map));
        } else {
            steel.addPolygon(mapped(p, map));
        }
        steel.closeSubpath();
    }
    steel = steel.simplified();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(area.topLeft(), area.bottomRight());
    shade.setColorAt(0, QColor(235, 238, 243));
    shade.setColorAt(1, QColor(150, 158, 172));
    painter.setPen(QPen(QColor(20, 24, 32), 1));
    painter.setBrush(shade);
    painter.drawPath(steel);
    painter.restore();
}

QImage glyph_picture(WindowKind kind, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint_glyph(painter, kind, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}  // namespace quintaro::drawings
