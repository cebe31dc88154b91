#pragma once

#include <QImage>

#include "report/sink.h"

namespace quintaro::reporte {
class TReporte;
}

namespace quintaro::shell {

class MemberWindow;

// The calculation report written into the report window, the member window's
// section drawing at its top.
class ReporteSink : public report::ReportSink {
  public:
    ReporteSink(reporte::TReporte& window, QImage picture)
        : window_(window), picture_(std::move(picture)) {}

    void show() override;
    void clear() override;
    void insert_picture() override;
    void set_size(int points) override { size_ = points; }
    void set_style(report::Style style) override { style_ = style; }
    void set_colour(report::Colour colour) override { colour_ = colour; }
    void append_line(std::string_view text) override;

  private:
    reporte::TReporte& window_;
    QImage picture_;
    bool empty_ = true;
    int size_ = 11;
    report::Style style_ = report::Style::Plain;
    report::Colour colour_ = report::kWindowText;
};

// "Relatório" of a member window into the report window: runs the window's
// check first when its state holds no finished check, then writes the report
// of that state (the welded window shows the report window last).
void write_report_into(MemberWindow& window, reporte::TReporte& report_window);

// Gives the window's "Relatório" the report of its last check.
void connect_report(MemberWindow& window, reporte::TReporte& report_window);

}  // namespace quintaro::shell
