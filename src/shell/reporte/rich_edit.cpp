#include "shell/reporte/rich_edit.h"

#include <QMimeData>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>
#include <QVariant>

namespace quintaro::reporte {

TRxRichEdit::TRxRichEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    document()->setDocumentMargin(0);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void TRxRichEdit::insertPicture(const QImage& picture, QTextCursor& cursor) {
    if (picture.isNull())
        return;
    const QUrl name(QStringLiteral("clipboard:picture-%1").arg(++pictures_));
    document()->addResource(QTextDocument::ImageResource, name, picture);
    QTextImageFormat format;
    format.setName(name.toString());
    format.setWidth(picture.width());
    format.setHeight(picture.height());
    cursor.insertImage(format);
}

void TRxRichEdit::insertFrom(const QMimeData* source) {
    if (source == nullptr)
        return;
    if (source->hasImage()) {
        QTextCursor cursor = textCursor();
        insertPicture(qvariant_cast<QImage>(source->imageData()), cursor);
        setTextCursor(cursor);
        return;
    }
    QTextEdit::insertFromMimeData(source);
}

bool TRxRichEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

// QTextEdit pastes text and HTML only; a picture on the clipboard goes into
// the document as a picture.
void TRxRichEdit::insertFromMimeData(const QMimeData* source) {
    insertFrom(source);
}

// The viewport is the text area; the gutter around it is painted as the
// page. Setting it never touches the document (no undo step, no change mark).
void TRxRichEdit::setEditRect(const ruler::EditRect& rect) {
    const QSize client = contentsRect().size();
    setViewportMargins(rect.left, rect.top, client.width() - rect.right,
                       client.height() - rect.bottom);
}

}  // namespace quintaro::reporte
