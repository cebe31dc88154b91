#include "shell/report_sink.h"

#include "report/report.h"
#include "shell/member_window.h"
#include "shell/reporte/reporte.h"

namespace quintaro::shell {

void ReporteSink::show() {
    window_.show();
    window_.raise();
    window_.activateWindow();
}

void ReporteSink::clear() {
    window_.clearReport();
    empty_ = true;
}

void ReporteSink::insert_picture() {
    // At the top the picture goes in through the clipboard, as it is pasted
    // by hand; anywhere else it is inserted where the text ends.
    if (empty_) {
        window_.pastePictureFirst(picture_);
    } else {
        window_.insertPicture(picture_);
    }
    empty_ = false;
}

void ReporteSink::append_line(std::string_view text) {
    reporte::ReportStyle style;
    style.bold = style_ != report::Style::Plain;
    style.underline = style_ == report::Style::BoldUnderline;
    const QColor colour =
        colour_.window_text ? QColor() : QColor(colour_.red, colour_.green, colour_.blue);
    window_.appendParagraph(QString::fromUtf8(text.data(), qsizetype(text.size())), size_, style,
                            colour);
    empty_ = false;
}

void write_report_into(MemberWindow& window, reporte::TReporte& report_window) {
    ReporteSink sink(report_window, window.section_picture());
    report::write_window_report(window.descriptor().kind, window.boxes(), window.messages(),
                                {window.state(), window.check_complete()}, sink);
}

void connect_report(MemberWindow& window, reporte::TReporte& report_window) {
    window.set_report_action(
        [&report_window](MemberWindow& w) { write_report_into(w, report_window); });
}

}  // namespace quintaro::shell
