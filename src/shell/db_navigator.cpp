#include "shell/db_navigator.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace quintaro::shell {
namespace {

struct ButtonFace {
    const char* name;
    const char* hint;
};

constexpr ButtonFace kButtons[DBNavigator::kButtonCount] = {
    {"First", "Primeiro registro"},
    {"Prior", "Registro anterior"},
    {"Next", "Próximo registro"},
    {"Last", "Último registro"},
    {"Insert", "Inserir"},
    {"Delete", "Apagar"},
    {"Edit", "Editar"},
    {"Post", "Guardar"},
    {"Cancel", "Cancelar"},
    {"Refresh", "Recuperar"},
};

}  // namespace

// The button faces: arrows for moving, plus and minus for inserting and
// deleting, a triangle for editing, a tick, a cross and a circular arrow.
QIcon navigator_glyph(DBNavigator::Button which, const QColor& ink) {
    constexpr int kSide = 16;
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    const auto triangle = [&](double tip_x, double base_x) {
        p.drawPolygon(QPolygonF({QPointF(tip_x, 8), QPointF(base_x, 3), QPointF(base_x, 13)}));
    };
    switch (which) {
        case DBNavigator::First:
            p.drawLine(QPointF(4, 3), QPointF(4, 13));
            triangle(5.5, 12);
            break;
        case DBNavigator::Prior:
            triangle(4.5, 11);
            break;
        case DBNavigator::Next:
            triangle(11.5, 5);
            break;
        case DBNavigator::Last:
            p.drawLine(QPointF(12, 3), QPointF(12, 13));
            triangle(10.5, 4);
            break;
        case DBNavigator::Insert:
            p.drawLine(QPointF(8, 3), QPointF(8, 13));
            p.drawLine(QPointF(3, 8), QPointF(13, 8));
            break;
        case DBNavigator::Delete:
            p.drawLine(QPointF(3, 8), QPointF(13, 8));
            break;
        case DBNavigator::Edit:
            p.drawPolygon(QPolygonF({QPointF(8, 3), QPointF(13, 12), QPointF(3, 12)}));
            break;
        case DBNavigator::Post:
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(6.5, 12), QPointF(13, 4)}));
            break;
        case DBNavigator::Cancel:
            p.drawLine(QPointF(4, 4), QPointF(12, 12));
            p.drawLine(QPointF(12, 4), QPointF(4, 12));
            break;
        case DBNavigator::Refresh: {
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
            p.setBrush(ink);
            p.drawPolygon(QPolygonF({QPointF(8, 1), QPointF(11.5, 3), QPointF(8, 5.5)}));
            break;
        }
    }
    return QIcon(pixmap);
}

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DBNavigator1"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (int i = 0; i < kButtonCount; ++i) {
        const auto which = static_cast<Button>(i);
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kButtons[i].name));
        b->setToolTip(QString::fromUtf8(kButtons[i].hint));
        b->setIcon(navigator_glyph(which, palette().color(QPalette::ButtonText)));
        b->setFixedSize(25, 25);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, which] { emit pressed(which); });
        row->addWidget(b);
        buttons_[i] = b;
    }
}

}  // namespace quintaro::shell
