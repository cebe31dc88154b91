#pragma once

#include <QString>

namespace quintaro::shell {

class Windows;

// What the program remembers from one run to the next, in one settings file:
// the standard and the steel grade in force, and for each member window its lengths and
// actions, its series and the row of each table (by designation).
QString default_session_file();
void save_session(const Windows& windows, const QString& file);
// A missing or unreadable file leaves every window as it opened.
void restore_session(Windows& windows, const QString& file);

}  // namespace quintaro::shell
