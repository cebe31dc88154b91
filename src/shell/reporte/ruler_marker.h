#pragma once

#include <QWidget>

namespace quintaro::reporte {

// One draggable indent marker of the ruler: a small triangle pointing down
// (first-line indent) or up (left and right indents). It reports the mouse in
// its own coordinates; the report window moves it.
class TRulerMarker : public QWidget {
    Q_OBJECT
  public:
    enum class Points { Down, Up };
    TRulerMarker(Points points, QWidget* parent);

  signals:
    void mouseDown(TRulerMarker* marker, int x);
    void mouseMove(TRulerMarker* marker, int x);
    void mouseUp(TRulerMarker* marker, int x);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Points points_;
};

}  // namespace quintaro::reporte
