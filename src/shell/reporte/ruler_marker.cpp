#include "shell/reporte/ruler_marker.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

namespace quintaro::reporte {

TRulerMarker::TRulerMarker(Points points, QWidget* parent) : QWidget(parent), points_(points) {
    setFixedSize(10, 10);
    setCursor(Qt::SizeHorCursor);
}

void TRulerMarker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(palette().color(QPalette::WindowText));
    p.setBrush(palette().color(QPalette::Mid));
    const QPolygonF down{QPointF(0.5, 1.5), QPointF(9.5, 1.5), QPointF(5, 8.5)};
    const QPolygonF up{QPointF(0.5, 8.5), QPointF(9.5, 8.5), QPointF(5, 1.5)};
    p.drawPolygon(points_ == Points::Down ? down : up);
}

void TRulerMarker::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit mouseDown(this, qRound(event->position().x()));
}

void TRulerMarker::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(this, qRound(event->position().x()));
}

void TRulerMarker::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit mouseUp(this, qRound(event->position().x()));
}

}  // namespace quintaro::reporte
