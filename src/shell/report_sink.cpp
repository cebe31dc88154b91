#include "shell/report_sink.h"

#include <QColor>
#include <QString>

#include "report/report.h"
#include "shell/member_window.h"
#include "shell/reporte/reporte.h"

namespace quintaro::shell {

void ReporteSink::show() {
    window_.show();
    window_.raise();
}

void ReporteSink::clear() {
    window_.clearReport();
}

void ReporteSink::insert_picture() {
    // Through the clipboard, which keeps the picture afterwards.
    window_.pastePictureFirst(picture_);
}

void ReporteSink::append_line(std::string_view text) {
    reporte::ReportStyle style;
    style.bold = style_ != report::Style::Plain;
    style.underline = style_ == report::Style::BoldUnderline;
    const QColor colour =
        colour_.window_text ? QColor() : QColor(colour_.red, colour_.green, colour_.blue);
    window_.appendParagraph(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                            size_, style, colour);
}

void write_report_into(MemberWindow& window, reporte::TReporte& report_window) {
    ReporteSink sink(report_window, window.section_picture());
    report::write_window_report(window.checked().kind, window.boxes(), window.messages(),
                                {window.state(), window.state_complete()}, sink);
}

}  // namespace quintaro::shell
