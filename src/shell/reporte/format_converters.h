#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "common/result.h"
#include "shell/reporte/report_printer.h"

class QTextDocument;

namespace quintaro::reporte {

enum class Direction { Import, Export };

// How a foreign format is read or written: by Qt itself, or by LibreOffice
// converting through a temporary RTF file.
enum class ConverterKind { Html, OpenDocument, Pdf, Soffice };

// One installed text converter: its name as offered to the user, its
// extensions separated by blanks, and how it works.
struct TextConverter {
    QString name;
    QString extensions;
    ConverterKind kind = ConverterKind::Html;
    QString soffice_filter;  // the --convert-to target when kind is Soffice
};

// Where LibreOffice is and how it runs. An empty program means LibreOffice is
// not installed and its formats are not offered.
struct SofficeSettings {
    QString program;
    QString profile_dir;  // a private profile, so that a running LibreOffice is left alone
    int timeout_ms = 120000;
};

// The settings of this machine: soffice found on the PATH, a profile folder
// of our own in the user's cache folder.
SofficeSettings default_soffice_settings();

// The converters for one direction, in the order they are offered.
std::vector<TextConverter> installed_converters(Direction direction,
                                                const SofficeSettings& soffice);

// "Rich Text Format|*.rtf" followed by "Name|*.ext1;*.ext2" for each
// converter, separated by "|" and with no "|" at the end.
QString format_filter(const std::vector<TextConverter>& converters);

// The format names in the filter's order: filter index - 1 picks one.
QStringList format_names(const std::vector<TextConverter>& converters);

// The filter in the form of Qt's file dialogs ("Name (*.a *.b);;...").
QString dialog_filter(const QString& filter);

// A format name that contains "Rich Text" is our own RTF.
bool is_native_rtf(const QString& format_name);

const TextConverter* find_converter(const std::vector<TextConverter>& converters,
                                    const QString& name);

// Failure texts shown to the user.
inline constexpr const char* kImportFailed = "Not the correct file format";
inline constexpr const char* kExportFailed = "Coult not export document";

// Reads a foreign file into the document; on failure the document is
// unchanged.
Status import_document(const TextConverter& converter, const QString& path, QTextDocument& document,
                       const SofficeSettings& soffice);

// Writes the document in a foreign format. The file appears whole or not at
// all.
Status export_document(const TextConverter& converter, const QTextDocument& document,
                       const QString& path, const SofficeSettings& soffice,
                       const TRichPrinter& printer_settings, const QString& title);

}  // namespace quintaro::reporte
