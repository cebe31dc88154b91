#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

#include "report/report_header.h"
#include "shell/reporte/report_printer.h"

class QLineEdit;
class QPrinter;
class QWidget;

namespace quintaro::reporte {

// The report window's dialogs and messages. The window uses the platform's
// dialogs; tests put their own in place so that nothing modal ever blocks.
class ReporteDialogs {
  public:
    virtual ~ReporteDialogs() = default;

    struct OpenChoice {
        QString path;
        int filter_index = 1;  // 1-based, as the filter lists it
        bool read_only = false;
    };
    struct SaveChoice {
        QString path;
        int filter_index = 1;
    };
    enum class SaveAnswer { Save, Discard, Cancel };

    // The filters come as "Name|*.a;*.b|Name2|*.c".
    virtual std::optional<OpenChoice> openFile(QWidget* parent, const QString& filter) = 0;
    virtual std::optional<SaveChoice> saveFile(QWidget* parent, const QString& filter) = 0;
    // The print dialog; false when cancelled.
    virtual bool printSetup(QWidget* parent, QPrinter& printer) = 0;
    // The page-setup dialog, showing and returning the margins.
    virtual bool pageSetup(QWidget* parent, PrintMargins& margins) = 0;
    virtual void message(QWidget* parent, const QString& text) = 0;
    // "Salvar", "Descartar" or "Cancelar" to the question.
    virtual SaveAnswer askToSave(QWidget* parent, const QString& question) = 0;
    // The print preview of the printer's pages, drawn by `paint` whenever the
    // preview needs them.
    virtual void printPreview(QWidget* parent, QPrinter& printer,
                              const std::function<void(QPrinter*)>& paint) = 0;
    // The font dialog starting from `initial`; nothing when cancelled.
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
    // "Dados do relatório": project, member and engineer, edited in place;
    // false when cancelled.
    virtual bool reportData(QWidget* parent, report::ReportHeader& data) = 0;
};

// The platform's dialogs.
class PlatformReporteDialogs : public ReporteDialogs {
  public:
    std::optional<OpenChoice> openFile(QWidget* parent, const QString& filter) override;
    std::optional<SaveChoice> saveFile(QWidget* parent, const QString& filter) override;
    bool printSetup(QWidget* parent, QPrinter& printer) override;
    bool pageSetup(QWidget* parent, PrintMargins& margins) override;
    void message(QWidget* parent, const QString& text) override;
    SaveAnswer askToSave(QWidget* parent, const QString& question) override;
    void printPreview(QWidget* parent, QPrinter& printer,
                      const std::function<void(QPrinter*)>& paint) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    bool reportData(QWidget* parent, report::ReportHeader& data) override;
};

// The "Dados do relatório" dialog: three optional boxes and Ok / Cancelar.
class ReportDataDialog : public QDialog {
  public:
    ReportDataDialog(const report::ReportHeader& data, QWidget* parent = nullptr);
    // The boxes' texts, trimmed.
    report::ReportHeader data() const;

  private:
    QLineEdit* project_ = nullptr;
    QLineEdit* member_ = nullptr;
    QLineEdit* engineer_ = nullptr;
};

}  // namespace quintaro::reporte
