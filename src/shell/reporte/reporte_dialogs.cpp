#include "shell/reporte/reporte_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
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

ReporteDialogs::SaveAnswer PlatformReporteDialogs::askToSave(QWidget* parent,
                                                             const QString& question) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question,
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("Salvar"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Descartar"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == discard)
        return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

void PlatformReporteDialogs::printPreview(QWidget* parent, QPrinter& printer,
                                          const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Visualizar impressão"));
    // Room for a whole A4 page on a 1366 x 768 screen.
    dialog.resize(900, 700);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}

std::optional<QFont> PlatformReporteDialogs::chooseFont(QWidget* parent, const QFont& initial) {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, parent, QStringLiteral("Fonte"));
    if (!chosen)
        return std::nullopt;
    return font;
}

bool PlatformReporteDialogs::reportData(QWidget* parent, report::ReportHeader& data) {
    ReportDataDialog dialog(data, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    data = dialog.data();
    return true;
}

namespace {
// Each box holds a line of the report's header.
constexpr int kReportDataLength = 120;
}  // namespace

ReportDataDialog::ReportDataDialog(const report::ReportHeader& data, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("DadosRelatorio"));
    setWindowTitle(QStringLiteral("Dados do relatório"));
    const auto box = [this](const char* name, const std::string& text) {
        auto* edit = new QLineEdit(QString::fromStdString(text), this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMinimumWidth(320);
        edit->setMaxLength(kReportDataLength);
        return edit;
    };
    project_ = box("Projeto", data.project);
    member_ = box("Elemento", data.member);
    engineer_ = box("Responsavel", data.engineer);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Projeto:"), project_);
    form->addRow(QStringLiteral("&Elemento (marca):"), member_);
    form->addRow(QStringLiteral("&Responsável:"), engineer_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Ok"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

report::ReportHeader ReportDataDialog::data() const {
    report::ReportHeader out;
    out.project = project_->text().trimmed().toStdString();
    out.member = member_->text().trimmed().toStdString();
    out.engineer = engineer_->text().trimmed().toStdString();
    return out;
}

}  // namespace quintaro::reporte
