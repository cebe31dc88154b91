#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

#include "checks/window_kind.h"

class QPainter;

namespace quintaro::drawings {

using checks::WindowKind;

// The section drawing of a member window: the steel in grey with its outline,
// the principal axes dash-dotted and the dimension names (d, bf, tw, tf, e, x,
// y) the catalogue panel uses. Drawn to fit `area`, keeping proportions. Every
// window has its own drawing.
void paint_section(QPainter& painter, WindowKind kind, const QRectF& area);

// The same drawing on a white image of the given size.
QImage section_picture(WindowKind kind, QSize size);

// A small filled silhouette of the section for a toolbar button, light steel on
// a dark face.
void paint_glyph(QPainter& painter, WindowKind kind, const QRectF& area);
QImage glyph_picture(WindowKind kind, QSize size);

}  // namespace quintaro::drawings
