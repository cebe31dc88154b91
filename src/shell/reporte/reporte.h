#pragma once

#include <QColor>
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <memory>

#include "report/report_header.h"
#include "shell/reporte/format_converters.h"
#include "shell/reporte/report_printer.h"
#include "shell/reporte/reporte_dialogs.h"
#include "shell/reporte/ruler_arithmetic.h"

class QAbstractButton;
class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QPrinter;
class QSpinBox;
class QStatusBar;
class QTextCharFormat;
class QToolButton;

namespace quintaro::reporte {

class TRulerMarker;
class TRxRichEdit;

// Character style of a report line.
struct ReportStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The report window: a small rich-text editor that receives the calculation
// report and lets the user read, edit, format, copy, print, open and save it.
// It is shown non-modally and stays on top.
class TReporte : public QMainWindow {
    Q_OBJECT
  public:
    explicit TReporte(QWidget* parent = nullptr);
    ~TReporte() override;

    // --- What the report writers use ---
    void clearReport();
    // Appends one paragraph (left-aligned, no indent, the default face) with
    // the size in points, the style and the colour; an invalid colour is the
    // window-text colour.
    void appendParagraph(const QString& text, double points, ReportStyle style,
                         const QColor& colour = QColor());
    // Appends the picture as a paragraph of its own.
    void insertPicture(const QImage& picture);
    // Puts the picture on the clipboard, clears the document and pastes the
    // clipboard into it: the report begins with the picture.
    void pastePictureFirst(const QImage& picture);
    // Before a new report or an opened file replaces the document, or the
    // program ends: when it holds edits not saved, asks whether to save them
    // ("Salvar", "Descartar", "Cancelar"). False when the document is to stay
    // as it is.
    bool mayLeaveDocument();
    // A report was written: the document is a fresh report, not an edited
    // one, editable, and the caption no longer names a file opened before.
    void reportWritten();
    // Project, member and engineer of "Dados do relatório" (kept between runs
    // of the program).
    const report::ReportHeader& reportData() const { return reportData_; }

    // --- Settings and state ---
    void setDialogs(std::unique_ptr<ReporteDialogs> dialogs);
    void setSofficeSettings(const SofficeSettings& settings);
    const SofficeSettings& sofficeSettings() const { return soffice_; }
    bool isUpdating() const { return FUpdating; }
    QString statusText() const;
    // Paragraph indents of the caret's paragraph, in whole points.
    ruler::Indents paragraphIndents() const;
    void setParagraphIndents(const ruler::Indents& indents);
    // Refreshes the toolbar and the ruler from the document.
    void updateToolbarAndRuler();

    static constexpr const char* kDocumentTitle = "Relatório-QUINTARO";
    static constexpr const char* kCaption = "Relatório";
    static constexpr const char* kAskToSave = "O relatório foi alterado. Deseja salvá-lo?";

    // --- Controls, named as the window has always named them ---
    QWidget* SpeedBar = nullptr;
    QToolButton* OpenButton = nullptr;
    QToolButton* SaveButton = nullptr;
    QToolButton* PrintButton = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QToolButton* UndoButton = nullptr;
    QToolButton* CopyButton = nullptr;
    QToolButton* PasteButton = nullptr;
    QComboBox* FontName = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QToolButton* BoldButton = nullptr;
    QToolButton* ItalicButton = nullptr;
    QToolButton* UnderlineButton = nullptr;
    QToolButton* LeftAlign = nullptr;
    QToolButton* CenterAlign = nullptr;
    QToolButton* RightAlign = nullptr;
    QToolButton* PreviewButton = nullptr;
    QWidget* Ruler = nullptr;
    TRulerMarker* FirstInd = nullptr;
    TRulerMarker* LeftInd = nullptr;
    TRulerMarker* RightInd = nullptr;
    QFrame* RulerLine = nullptr;
    TRxRichEdit* RichEdit1 = nullptr;
    QStatusBar* StatusBar = nullptr;
    TRichPrinter RichPrinter1;

  public slots:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void pageDialog1Click();
    void EditUndo();
    void SpeedButton5Click();
    void SpeedButton4Click();
    void FontNameChange(int index);
    void SpinEdit1Change(int value);
    void BoldButtonClick();
    void ItalicButtonClick();
    void UnderlineButtonClick();
    void AlignButtonClick(QAbstractButton* button);
    void RichEdit1SelectionChange();
    void FormResize();
    void RulerResize();
    void RulerItemMouseDown(TRulerMarker* marker, int x);
    void RulerItemMouseMove(TRulerMarker* marker, int x);
    void FirstIndMouseUp();
    void LeftIndMouseUp();
    void RightIndMouseUp();
    void Sair1Click();
    void Fonte1Click();
    void PreviewButtonClick();
    void DadosRelatorio1Click();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildSpeedBar();
    void buildRuler();
    void buildMenu();
    void fillFontList();
    void connectControls();

    void openDocument();
    void saveDocument();
    void preparePrinter(QPrinter& printer) const;
    void printDocument();
    void previewPrintout();
    void choosePageMargins();
    void chooseFont();
    void editReportData();
    ReporteDialogs::SaveAnswer offerToSave();
    // Saves the document in RTF with the page's size and margins.
    Status saveRtf(const QString& path);
    void undoLastEdit();
    void copySelection();
    void pasteClipboard();
    void setFaceFromList(int index);
    void setSizeFromSpin(int points);
    void setStyleFromButton(QToolButton* button);
    void setParagraphAlignment(int tag);
    void startIndentDrag(TRulerMarker* marker, int x);
    void moveIndentMarker(TRulerMarker* marker, int x);
    void finishFirstIndentDrag();
    void finishLeftIndentDrag();
    void finishRightIndentDrag();
    void applyEditRect();
    void fitRulerLine();

    // Font operations act on the selection when at least one character is
    // selected, otherwise on the default attributes (text typed next and text
    // with no attributes of its own).
    void applyToCurrentTextAttributes(const QTextCharFormat& change);
    QFont selectionFont() const;
    void setStatusText(const QString& text);

    bool FUpdating = false;
    int FDragOfs = 0;
    bool FDragging = false;
    std::unique_ptr<ReporteDialogs> dialogs_;
    SofficeSettings soffice_;
    QButtonGroup* alignGroup_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    report::ReportHeader reportData_;
};

}  // namespace quintaro::reporte
