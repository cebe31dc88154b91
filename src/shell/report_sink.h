#pragma once

#include <QImage>

#include "report/document/document_sink.h"
#include "report/report.h"

namespace quintaro::reporte {
class TReporte;
}

namespace quintaro::shell {

class MemberWindow;

// The calculation report written into the report window, the member window's
// section drawing at its top, pasted through the clipboard as by hand.
class ReporteSink : public report::DocumentSink {
  public:
    ReporteSink(reporte::TReporte& window, QImage picture);

    void show() override;
    void insert_picture() override;

  private:
    void empty_document() override;

    reporte::TReporte& window_;
};

// "Relatório" of a member window into the report window: runs the window's
// check first when its state holds no finished check, then writes the report
// of that state (the welded window shows the report window last).
void write_report_into(MemberWindow& window, reporte::TReporte& report_window);

// Gives the window's "Relatório" the report of its last check.
void connect_report(MemberWindow& window, reporte::TReporte& report_window);

}  // namespace quintaro::shell
