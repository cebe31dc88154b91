#pragma once

#include <QIcon>

namespace quintaro::reporte {

enum class Glyph {
    Open,
    Save,
    Print,
    PageSetup,
    Preview,
    Undo,
    Copy,
    Paste,
    AlignLeft,
    AlignCenter,
    AlignRight
};

// The toolbar's pictures, painted rather than loaded: crisp at any scale.
QIcon toolbar_glyph(Glyph glyph);

}  // namespace quintaro::reporte
