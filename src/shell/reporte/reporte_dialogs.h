#pragma once

#include <QString>
#include <optional>

#include "shell/reporte/report_printer.h"

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

    // The filters come as "Name|*.a;*.b|Name2|*.c".
    virtual std::optional<OpenChoice> openFile(QWidget* parent, const QString& filter) = 0;
    virtual std::optional<SaveChoice> saveFile(QWidget* parent, const QString& filter) = 0;
    // The print dialog; false when cancelled.
    virtual bool printSetup(QWidget* parent, QPrinter& printer) = 0;
    // The page-setup dialog, showing and returning the margins.
    virtual bool pageSetup(QWidget* parent, PrintMargins& margins) = 0;
    virtual void message(QWidget* parent, const QString& text) = 0;
};

// The platform's dialogs.
class PlatformReporteDialogs : public ReporteDialogs {
  public:
    std::optional<OpenChoice> openFile(QWidget* parent, const QString& filter) override;
    std::optional<SaveChoice> saveFile(QWidget* parent, const QString& filter) override;
    bool printSetup(QWidget* parent, QPrinter& printer) override;
    bool pageSetup(QWidget* parent, PrintMargins& margins) override;
    void message(QWidget* parent, const QString& text) override;
};

}  // namespace quintaro::reporte
