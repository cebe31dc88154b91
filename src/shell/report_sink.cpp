#include "shell/report_sink.h"

#include <QDate>

#include "shell/member_window.h"
#include "shell/reporte/reporte.h"
#include "shell/reporte/rich_edit.h"

namespace quintaro::shell {

ReporteSink::ReporteSink(reporte::TReporte& window, QImage picture)
    : report::DocumentSink(*window.RichEdit1->document(), std::move(picture)), window_(window) {}

void ReporteSink::show() {
    window_.show();
    window_.raise();
    window_.activateWindow();
}

void ReporteSink::empty_document() {
    window_.clearReport();
}

void ReporteSink::insert_picture() {
    // At the top the picture goes in through the clipboard, as it is pasted
    // by hand; anywhere else it is inserted where the text ends.
    if (!nothing_written()) {
        report::DocumentSink::insert_picture();
        return;
    }
    window_.pastePictureFirst(picture());
    picture_placed();
}

void write_report_into(MemberWindow& window, reporte::TReporte& report_window,
                       const WindowReportWriter& writer) {
    if (!report_window.mayLeaveDocument())
        return;
    const report::ReportHeader header = report::stamped_header(
        report_window.reportData(),
        QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString());
    ReporteSink sink(report_window, window.section_picture());
    if (writer(window.descriptor().kind, window.boxes(), window.messages(),
               {window.state(), window.check_complete()}, sink, header)) {
        report_window.reportWritten();
    }
}

void connect_report(MemberWindow& window, reporte::TReporte& report_window) {
    window.set_report_action(
        [&report_window](MemberWindow& w) { write_report_into(w, report_window); });
}

}  // namespace quintaro::shell
