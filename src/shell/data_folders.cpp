#include "shell/data_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quintaro::shell {

QString installed_data_folder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/quintaro"));
}

QString user_data_folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString seed_user_data_folder(const QString& installed, const QString& user) {
    if (user.isEmpty() || !QDir().mkpath(user)) {
        return user;
    }
    QString failed;
    const QDir target(user);
    const QStringList catalogues =
        QDir(installed).entryList({QStringLiteral("*.dbf"), QStringLiteral("*.DBF")}, QDir::Files);
    for (const QString& name : catalogues) {
        // Names are matched without regard to case, as the tables are opened.
        bool already_there = false;
        for (const QString& other : target.entryList(QDir::Files)) {
            already_there = already_there || other.compare(name, Qt::CaseInsensitive) == 0;
        }
        if (already_there) {
            continue;
        }
        const QString destination = target.filePath(name);
        const QString partial = destination + QStringLiteral(".part");
        QFile::remove(partial);
        // Copied under a temporary name first, so a half-copied catalogue is
        // never taken for a real one at the next start.
        if (!QFile::copy(QDir(installed).filePath(name), partial) ||
            !QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadGroup | QFile::ReadOther) ||
            !QFile::rename(partial, destination)) {
            QFile::remove(partial);
            failed += destination + QLatin1Char('\n');
        }
    }
    return failed.trimmed();
}

catalogue::TableLocation table_location() {
    catalogue::TableLocation where;
    where.working_folder = QDir::currentPath().toStdString();
    where.user_data_folder = user_data_folder().toStdString();
    return where;
}

QString help_page_path() {
    return QDir(installed_data_folder()).filePath(QStringLiteral("AjudaQuintaro.htm"));
}

QString verification_manual_path() {
    return QDir(installed_data_folder()).filePath(QStringLiteral("manual-de-verificacao.pdf"));
}

}  // namespace quintaro::shell
