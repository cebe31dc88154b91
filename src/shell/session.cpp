#include "shell/session.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "shell/application.h"
#include "shell/escolhe_aco.h"
#include "shell/main_window.h"
#include "shell/member_window.h"

namespace quintaro::shell {
namespace {

const QString kSteelGroup = QStringLiteral("TEscolhe_Aco");
// The standard in force, by its year ("1986", "2008").
const QString kStandardKey = QStringLiteral("Norma/norma");

}  // namespace

QString default_session_file() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("quintaro.ini"));
}

void save_session(const Windows& windows, const QString& file) {
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(kStandardKey,
                      QString::fromUtf8(checks::standard_year(windows.main_window().standard())));
    for (QWidget* window : windows.all()) {
        if (auto* steel = qobject_cast<TEscolhe_Aco*>(window)) {
            settings.beginGroup(kSteelGroup);
            steel->save_session(settings);
            settings.endGroup();
        } else if (auto* member = qobject_cast<MemberWindow*>(window)) {
            settings.beginGroup(class_name(member));
            member->save_session(settings);
            settings.endGroup();
        }
    }
    settings.sync();
}

void restore_session(Windows& windows, const QString& file) {
    QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        return;
    }
    // A value no standard has leaves the default in force.
    const auto standard =
        checks::parse_standard(settings.value(kStandardKey).toString().toStdString());
    windows.main_window().set_standard(standard.value_or(checks::kDefaultStandard));
    for (QWidget* window : windows.all()) {
        if (auto* steel = qobject_cast<TEscolhe_Aco*>(window)) {
            settings.beginGroup(kSteelGroup);
            steel->restore_session(settings);
            settings.endGroup();
        } else if (auto* member = qobject_cast<MemberWindow*>(window)) {
            settings.beginGroup(class_name(member));
            member->restore_session(settings);
            settings.endGroup();
        }
    }
}

}  // namespace quintaro::shell
