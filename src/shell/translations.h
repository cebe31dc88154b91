#pragma once

#include <QString>

class QCoreApplication;

namespace quintaro::shell {

// Loads Qt's own Brazilian Portuguese texts (standard buttons, file and print
// dialogs, context menus) from the system's Qt translations, so that nothing
// the user reads is in English. False when they are not installed (the
// program then runs with Qt's English texts).
bool install_qt_translations(QCoreApplication& app, const QString& folder = QString());

}  // namespace quintaro::shell
