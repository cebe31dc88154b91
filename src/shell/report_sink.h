#pragma once

#include <QImage>
#include <functional>

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

// The report module's "Relatório": the check first when the state holds no
// finished check, then the report of that state with its header.
using WindowReportWriter =
    std::function<bool(checks::WindowKind, checks::Boxes&, checks::Messages&, report::CheckedState,
                       report::ReportSink&, const report::ReportHeader&)>;

// "Relatório" of a member window into the report window: when the report
// window holds edits not saved, the user is asked first (and may keep them);
// then the report of the window's last check (run first when there is none),
// headed with the report window's "Dados do relatório", today's date and the
// standard. The welded window shows the report window last.
void write_report_into(MemberWindow& window, reporte::TReporte& report_window,
                       const WindowReportWriter& writer = report::write_window_report);

// Gives the window's "Relatório" the report of its last check.
void connect_report(MemberWindow& window, reporte::TReporte& report_window);

}  // namespace quintaro::shell
