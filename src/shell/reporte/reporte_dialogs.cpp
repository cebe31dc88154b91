#include "shell/reporte/reporte_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

#include "shell/reporte/format_converters.h"

namespace quintaro::reporte {

namespace {

int filter_index_of(const QFileDialog& dialog) {
    return static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
}

// "Name (*.htm *.html)" -> "htm"
QString first_extension(const QString& name_filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    const auto match = pattern.match(name_filter);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("rtf");
}

}  // namespace

std::optional<ReporteDialogs::OpenChoice> PlatformReporteDialogs::openFile(QWidget* parent,
                                                                           const QString& filter) {
    QFileDialog dialog(parent, QStringLiteral("Abrir"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);  // for the read-only box
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(dialog_filter(filter).split(QStringLiteral(";;")));
    auto* read_only = new QCheckBox(QStringLiteral("Abrir como somente leitura"), &dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(read_only, grid->rowCount(), 0, 1, -1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return OpenChoice{dialog.selectedFiles().first(), filter_index_of(dialog),
                      read_only->isChecked()};
}

std::optional<ReporteDialogs::SaveChoice> PlatformReporteDialogs::saveFile(QWidget* parent,
                                                                           const QString& filter) {
    QFileDialog dialog(parent, QStringLiteral("Salvar como"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(dialog_filter(filter).split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    // A name typed without an extension takes the chosen format's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& f) { dialog.setDefaultSuffix(first_extension(f)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{dialog.selectedFiles().first(), filter_index_of(dialog)};
}

bool PlatformReporteDialogs::printSetup(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PlatformReporteDialogs::pageSetup(QWidget* parent, PrintMargins& margins) {
    QPrinter printer;
    printer.setPageMargins(QMarginsF(margins.left, margins.top, margins.right, margins.bottom),
                           QPageLayout::Millimeter);
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
    margins = {chosen.top(), chosen.bottom(), chosen.left(), chosen.right()};
    return true;
}

void PlatformReporteDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

}  // namespace quintaro::reporte
