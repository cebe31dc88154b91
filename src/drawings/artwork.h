#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace quintaro::drawings {

// The main window's title picture: the program name over a steel frame, and
// under it a subtitle naming the standard in force.
QImage title_artwork(QSize size, const QString& standard = QStringLiteral("NBR 8800:1986"));

// A strip of the section shapes the program checks, for the about window.
QImage logo_strip(QSize size);

// The program icon: a welded I section on a blue tile.
QImage program_icon(int size);

}  // namespace quintaro::drawings
