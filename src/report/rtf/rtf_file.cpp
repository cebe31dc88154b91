#include <QFile>
#include <QSaveFile>
#include <QTextDocument>

#include "report/rtf/rtf.h"

namespace quintaro::rtf {

Status load_rtf_file(const QString& path, QTextDocument& document) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(QStringLiteral("Cannot open file \"%1\". %2")
                                   .arg(path, file.errorString())
                                   .toStdString());
    }
    const QByteArray bytes = file.readAll();
    return read_rtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                    document);
}

Status save_rtf_file(const QTextDocument& document, const QString& path, const PageSetup& page) {
    const std::string text = write_rtf(document, page);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        return Status::failure(QStringLiteral("Cannot create file \"%1\". %2")
                                   .arg(path, file.errorString())
                                   .toStdString());
    }
    return success();
}

}  // namespace quintaro::rtf
