#pragma once

#include <QImage>
#include <QTextEdit>

#include "shell/reporte/ruler_arithmetic.h"

class QMimeData;

namespace quintaro::reporte {

// The report's rich-text control: a QTextEdit that also takes pictures from
// the clipboard and keeps its text inside an edit rectangle.
class TRxRichEdit : public QTextEdit {
    Q_OBJECT
  public:
    explicit TRxRichEdit(QWidget* parent = nullptr);

    // Inserts the picture at the cursor, at its own size in pixels.
    void insertPicture(const QImage& picture, QTextCursor& cursor);
    // Inserts what the clipboard data holds at the edit's cursor, even when the
    // edit is read-only (the report writer uses it).
    void insertFrom(const QMimeData* source);
    // The text area inside the control's client area.
    void setEditRect(const ruler::EditRect& rect);
    QRect editRect() const { return viewport()->geometry().translated(-contentsRect().topLeft()); }

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    int pictures_ = 0;
};

}  // namespace quintaro::reporte
