#pragma once

#include <QImage>
#include <QTextDocument>

#include "report/sink.h"

// A calculation report written into a QTextDocument, as the report window
// holds it: one paragraph per line in the default face, the section picture
// first. The window-text colour is left as the document's automatic colour.
namespace quintaro::lote {

class DocumentSink : public report::ReportSink {
  public:
    DocumentSink(QTextDocument& document, QImage picture)
        : document_(document), picture_(std::move(picture)) {}

    void show() override {}
    void clear() override { document_.clear(); }
    void insert_picture() override;
    void set_size(int points) override { size_ = points; }
    void set_style(report::Style style) override { style_ = style; }
    void set_colour(report::Colour colour) override { colour_ = colour; }
    void append_line(std::string_view text) override;

  private:
    QTextDocument& document_;
    QImage picture_;
    int size_ = 11;
    report::Style style_ = report::Style::Plain;
    report::Colour colour_ = report::kWindowText;
};

}  // namespace quintaro::lote
