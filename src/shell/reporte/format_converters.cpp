#include "shell/reporte/format_converters.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringConverter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextImageFormat>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "report/rtf/rtf.h"

namespace quintaro::reporte {

namespace {

constexpr const char* kRichText = "Rich Text";

QString pattern_of(const QString& extensions) {
    return "*." + extensions.split(' ', Qt::SkipEmptyParts).join(";*.");
}

Status fail(const char* text) {
    return Status::failure(text);
}

QByteArray read_head(const QString& path, qint64 size) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(size);
}

// Whether the file is in the converter's format, judged by its first bytes.
bool looks_like(const TextConverter& c, const QString& path) {
    const QByteArray head = read_head(path, 4096);
    const QString ext = c.extensions;
    if (ext.contains("docx"))
        return head.startsWith("PK\x03\x04");
    if (ext.contains("odt")) {
        return head.startsWith("PK\x03\x04") &&
               head.contains("application/vnd.oasis.opendocument.text");
    }
    if (ext.contains("doc"))
        return head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    return !head.isEmpty();
}

// Runs LibreOffice once: converts input into out_dir under the target given.
Status run_soffice(const SofficeSettings& s, const QString& input, const QString& target,
                   const QString& out_dir) {
    if (s.program.isEmpty())
        return fail("LibreOffice is not installed");
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(
        s.program,
        {"-env:UserInstallation=" + QUrl::fromLocalFile(s.profile_dir).toString(), "--headless",
         "--norestore", "--nologo", "--convert-to", target, "--outdir", out_dir, input});
    if (!process.waitForStarted(10000))
        return fail("LibreOffice did not start");
    if (!process.waitForFinished(s.timeout_ms)) {
        process.kill();
        process.waitForFinished(5000);
        return fail("LibreOffice did not finish in time");
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return fail("LibreOffice failed");
    }
    return success();
}

// Copies a finished file to its place in one step.
Status place_file(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return fail("no output");
    const QByteArray bytes = in.readAll();
    if (bytes.isEmpty())
        return fail("empty output");
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        return Status::failure(out.errorString().toStdString());
    }
    return success();
}

Status import_html(const QString& path, QTextDocument& document) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fail(kImportFailed);
    const QByteArray bytes = f.readAll();
    const auto encoding = QStringConverter::encodingForHtml(bytes);
    QStringDecoder decode(encoding.value_or(QStringConverter::Utf8));
    const QString html = decode(bytes);
    if (decode.hasError() || !Qt::mightBeRichText(html))
        return fail(kImportFailed);
    document.clear();
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    document.setHtml(html);
    // Keep the pictures in the document, so that it no longer needs their files.
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat cf = it.fragment().charFormat();
            if (!cf.isImageFormat())
                continue;
            const QUrl name(cf.toImageFormat().name());
            const QVariant data = document.resource(QTextDocument::ImageResource, name);
            const QImage picture = data.typeId() == QMetaType::QByteArray
                                       ? QImage::fromData(data.toByteArray())
                                       : data.value<QImage>();
            if (!picture.isNull())
                document.addResource(QTextDocument::ImageResource, name, picture);
        }
    }
    return success();
}

Status import_soffice(const QString& path, QTextDocument& document, const SofficeSettings& s) {
    QTemporaryDir dir;
    if (!dir.isValid())
        return fail(kImportFailed);
    if (!run_soffice(s, QFileInfo(path).absoluteFilePath(), "rtf", dir.path())) {
        return fail(kImportFailed);
    }
    const QString rtf = dir.filePath(QFileInfo(path).completeBaseName() + ".rtf");
    if (!rtf::load_rtf_file(rtf, document))
        return fail(kImportFailed);
    return success();
}

// Pictures written into the HTML itself, so that the page is one file.
std::unique_ptr<QTextDocument> with_inline_pictures(const QTextDocument& document) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    QTextCursor cursor(copy.get());
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QVariant data =
                document.resource(QTextDocument::ImageResource, QUrl(image.name()));
            QImage picture = data.value<QImage>();
            if (picture.isNull())
                continue;
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            picture.save(&buffer, "PNG");
            const QString url = "data:image/png;base64," + QString::fromLatin1(png.toBase64());
            copy->addResource(QTextDocument::ImageResource, QUrl(url), picture);
            image.setName(url);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
    return copy;
}

Status export_with_qt(const TextConverter& c, const QTextDocument& document, const QString& path,
                      const TRichPrinter& printer_settings, const QString& title) {
    if (c.kind == ConverterKind::Pdf) {
        // The printer writes its file itself: print beside the target, then
        // put the finished file in its place in one step.
        const QString part = path + ".part";
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(part);
        printer.setDocName(title);
        std::error_code error;
        if (!print_document(document, printer, printer_settings, title) ||
            !QFileInfo::exists(part)) {
            QFile::remove(part);
            return fail(kExportFailed);
        }
        std::filesystem::rename(part.toStdString(), path.toStdString(), error);
        if (error) {
            QFile::remove(part);
            return fail(kExportFailed);
        }
        return success();
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return fail(kExportFailed);
    if (c.kind == ConverterKind::OpenDocument) {
        // The ODF writer closes its device, which a QSaveFile must not be.
        QByteArray odt;
        QBuffer buffer(&odt);
        QTextDocumentWriter writer(&buffer, "odf");
        if (!writer.write(&document) || out.write(odt) != odt.size())
            return fail(kExportFailed);
    } else {
        const QByteArray html = with_inline_pictures(document)->toHtml().toUtf8();
        if (out.write(html) != html.size())
            return fail(kExportFailed);
    }
    return out.commit() ? success() : fail(kExportFailed);
}

// Through an RTF file that states the paper and the printer's margins, so the
// word processor's file has the same page.
Status export_soffice(const TextConverter& c, const QTextDocument& document, const QString& path,
                      const SofficeSettings& s, const PrintMargins& m) {
    QTemporaryDir dir;
    if (!dir.isValid())
        return fail(kExportFailed);
    const QString base = QFileInfo(path).completeBaseName().isEmpty()
                             ? QStringLiteral("relatorio")
                             : QFileInfo(path).completeBaseName();
    const QString rtf = dir.filePath(base + ".rtf");
    if (!rtf::save_rtf_file(document, rtf, rtf::PageSetup::a4(m.top, m.bottom, m.left, m.right)))
        return fail(kExportFailed);
    QDir(dir.path()).mkdir("out");
    if (!run_soffice(s, rtf, c.soffice_filter, dir.filePath("out")))
        return fail(kExportFailed);
    const QString produced =
        dir.filePath("out/" + base + "." + c.soffice_filter.section(':', 0, 0));
    return place_file(produced, path) ? success() : fail(kExportFailed);
}

}  // namespace

SofficeSettings default_soffice_settings() {
    SofficeSettings s;
    s.program = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    // A profile of our own, kept between runs (LibreOffice starts faster with
    // it) and apart from the user's.
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        cache = QDir::temp().filePath(QStringLiteral("quintaro"));
    s.profile_dir = QDir(cache).filePath(QStringLiteral("soffice-profile"));
    return s;
}

std::vector<TextConverter> installed_converters(Direction direction,
                                                const SofficeSettings& soffice) {
    std::vector<TextConverter> list;
    const bool lo = !soffice.program.isEmpty();
    if (direction == Direction::Import) {
        list.push_back({"HTML", "htm html", ConverterKind::Html, {}});
        if (lo) {
            list.push_back({"Word 2007-365", "docx", ConverterKind::Soffice, "rtf"});
            list.push_back({"Word 97-2003", "doc", ConverterKind::Soffice, "rtf"});
            list.push_back({"OpenDocument Text", "odt", ConverterKind::Soffice, "rtf"});
        }
    } else {
        list.push_back({"OpenDocument Text", "odt", ConverterKind::OpenDocument, {}});
        list.push_back({"HTML", "htm html", ConverterKind::Html, {}});
        list.push_back({"PDF", "pdf", ConverterKind::Pdf, {}});
        if (lo) {
            list.push_back(
                {"Word 2007-365", "docx", ConverterKind::Soffice, "docx:MS Word 2007 XML"});
            list.push_back({"Word 97-2003", "doc", ConverterKind::Soffice, "doc:MS Word 97"});
        }
    }
    return list;
}

QString format_filter(const std::vector<TextConverter>& converters) {
    QString filter;
    for (const TextConverter& c : converters)
        filter += c.name + "|" + pattern_of(c.extensions) + "|";
    filter.prepend(QStringLiteral("Rich Text Format|*.rtf|"));
    if (filter.endsWith('|'))
        filter.chop(1);
    return filter;
}

QStringList format_names(const std::vector<TextConverter>& converters) {
    QStringList names;
    for (const TextConverter& c : converters)
        names << c.name;
    names.prepend(QStringLiteral("Rich Text Format"));
    return names;
}

QString dialog_filter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        entries << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return entries.join(";;");
}

bool is_native_rtf(const QString& format_name) {
    return format_name.contains(kRichText);
}

const TextConverter* find_converter(const std::vector<TextConverter>& converters,
                                    const QString& name) {
    for (const TextConverter& c : converters) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

Status import_document(const TextConverter& converter, const QString& path, QTextDocument& document,
                       const SofficeSettings& soffice) {
    if (!looks_like(converter, path))
        return fail(kImportFailed);
    if (converter.kind == ConverterKind::Html)
        return import_html(path, document);
    if (converter.kind == ConverterKind::Soffice) {
        return import_soffice(path, document, soffice);
    }
    return fail(kImportFailed);
}

Status export_document(const TextConverter& converter, const QTextDocument& document,
                       const QString& path, const SofficeSettings& soffice,
                       const TRichPrinter& printer_settings, const QString& title) {
    if (converter.kind == ConverterKind::Soffice) {
        return export_soffice(converter, document, path, soffice, printer_settings.margins);
    }
    return export_with_qt(converter, document, path, printer_settings, title);
}

}  // namespace quintaro::reporte
