#pragma once

#include <QImage>
#include <QTextDocument>

#include "report/document/document_sink.h"

// A calculation report written into a QTextDocument as the report window
// holds it, every line in the window's default face.
namespace quintaro::lote {

class DocumentSink : public report::DocumentSink {
  public:
    DocumentSink(QTextDocument& document, QImage picture)
        : report::DocumentSink(document, std::move(picture), QStringLiteral("Verdana")) {}
};

}  // namespace quintaro::lote
