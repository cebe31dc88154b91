#include "shell/reporte/reporte.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QResizeEvent>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "report/document/document_sink.h"
#include "report/rtf/rtf.h"
#include "shell/reporte/rich_edit.h"
#include "shell/reporte/ruler_marker.h"
#include "shell/reporte/toolbar_glyphs.h"

namespace quintaro::reporte {

namespace {

// Sizes the rich-text control accepts, in points.
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 1638;

// The updating flag is set for the whole refresh and cleared even when a step
// fails.
class UpdatingScope {
  public:
    explicit UpdatingScope(bool& flag) : flag_(flag), outer_(flag) { flag_ = true; }
    ~UpdatingScope() { flag_ = outer_; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

  private:
    bool& flag_;
    bool outer_;
};

// Hourglass for the duration of a file operation, restored in every case.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    // Before a message box: the user answers it with the normal cursor.
    void restore() {
        if (active_)
            QApplication::restoreOverrideCursor();
        active_ = false;
    }

  private:
    bool active_ = true;
};

// A hint "Short|Long" shows the short part as the tooltip.
void set_hint(QWidget* w, const QString& hint) {
    w->setToolTip(hint.section('|', 0, 0));
    w->setProperty("Hint", hint);
}

// Points <-> document pixels go through whole twips, as the rich-text control
// keeps indents, so that a value set in points reads back the same.
int pixels_to_points(double pixels) {
    const long twips = std::lround(pixels * rtf::kTwipsPerPixel);
    return static_cast<int>(twips / 20);
}
double points_to_pixels(int points) {
    return points * 4.0 / 3.0;
}

// "Dados do relatório" is kept in the user's settings of the program.
constexpr const char* kProjectKey = "relatorio/projeto";
constexpr const char* kMemberKey = "relatorio/elemento";
constexpr const char* kEngineerKey = "relatorio/responsavel";

std::unique_ptr<QSettings> program_settings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Quintaro"), QStringLiteral("quintaro"));
}

report::ReportHeader stored_report_data() {
    const auto settings = program_settings();
    report::ReportHeader data;
    data.project = settings->value(kProjectKey).toString().toStdString();
    data.member = settings->value(kMemberKey).toString().toStdString();
    data.engineer = settings->value(kEngineerKey).toString().toStdString();
    return data;
}

// Empty when stored, otherwise the settings file that could not be written.
QString store_report_data(const report::ReportHeader& data) {
    const auto settings = program_settings();
    settings->setValue(kProjectKey, QString::fromStdString(data.project));
    settings->setValue(kMemberKey, QString::fromStdString(data.member));
    settings->setValue(kEngineerKey, QString::fromStdString(data.engineer));
    settings->sync();
    return settings->status() == QSettings::NoError ? QString() : settings->fileName();
}

// The page of the RTF file: A4 with the printer's margins.
rtf::PageSetup rtf_page(const PrintMargins& m) {
    return rtf::PageSetup::a4(m.top, m.bottom, m.left, m.right);
}

// The screen face nearest to Verdana.
QString default_face() {
    const QString wanted = QStringLiteral("Verdana");
    if (QFontDatabase::families().contains(wanted))
        return wanted;
    return QFontInfo(QFont(wanted)).family();
}

}  // namespace

TReporte::TReporte(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      dialogs_(std::make_unique<PlatformReporteDialogs>()),
      soffice_(default_soffice_settings()),
      reportData_(stored_report_data()) {
    setObjectName(QStringLiteral("Reporte"));
    setWindowTitle(QString::fromUtf8(kCaption));

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    buildSpeedBar();
    buildRuler();
    RichEdit1 = new TRxRichEdit(central);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    QFont face(default_face());
    face.setPointSize(9);
    RichEdit1->document()->setDefaultFont(face);
    column->addWidget(SpeedBar);
    column->addWidget(Ruler);
    column->addWidget(RichEdit1, 1);
    setCentralWidget(central);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    statusLabel_ = new QLabel(StatusBar);
    StatusBar->addWidget(statusLabel_, 1);
    setStatusBar(StatusBar);

    buildMenu();
    fillFontList();
    connectControls();
    Ruler->installEventFilter(this);
    RichEdit1->installEventFilter(this);
    resize(596, 550);
    move(200, 116);
    applyEditRect();
    const QFont defaults = RichEdit1->document()->defaultFont();
    FontName->setCurrentText(defaults.family());
    SpinEdit1->setValue(qRound(defaults.pointSizeF()));
    // Setting up the toolbar touched the document; the user has edited nothing.
    RichEdit1->document()->setModified(false);
}

TReporte::~TReporte() = default;

void TReporte::buildSpeedBar() {
    SpeedBar = new QWidget(this);
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    SpeedBar->setFixedHeight(32);
    const auto button = [this](const char* name, const QString& hint, int left) {
        auto* b = new QToolButton(SpeedBar);
        b->setObjectName(QString::fromLatin1(name));
        set_hint(b, hint);
        b->setAutoRaise(true);
        b->setGeometry(left, 4, 25, 25);
        return b;
    };
    OpenButton = button("OpenButton", "Open|", 8);
    SaveButton = button("SaveButton", "Save|", 33);
    PrintButton = button("PrintButton", "Print|", 66);
    SpeedButton8 = button("SpeedButton8", "page Dialog", 91);
    UndoButton = button("UndoButton", "Undo|", 118);
    CopyButton = button("CopyButton", "Copy|", 146);
    PasteButton = button("PasteButton", "Paste|", 172);
    OpenButton->setIcon(toolbar_glyph(Glyph::Open));
    SaveButton->setIcon(toolbar_glyph(Glyph::Save));
    PrintButton->setIcon(toolbar_glyph(Glyph::Print));
    SpeedButton8->setIcon(toolbar_glyph(Glyph::PageSetup));
    UndoButton->setIcon(toolbar_glyph(Glyph::Undo));
    CopyButton->setIcon(toolbar_glyph(Glyph::Copy));
    PasteButton->setIcon(toolbar_glyph(Glyph::Paste));

    FontName = new QComboBox(SpeedBar);
    FontName->setObjectName(QStringLiteral("FontName"));
    FontName->setEditable(true);
    FontName->setInsertPolicy(QComboBox::NoInsert);
    FontName->setGeometry(203, 5, 131, 22);

    SpinEdit1 = new QSpinBox(SpeedBar);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(kMinPoints, kMaxPoints);
    SpinEdit1->setValue(10);
    SpinEdit1->setGeometry(335, 5, 46, 22);

    BoldButton = button("BoldButton", "Bold", 386);
    ItalicButton = button("ItalicButton", "Italic", 412);
    UnderlineButton = button("UnderlineButton", "Underline", 438);
    const auto style_face = [](QToolButton* b, const QString& letter, void (QFont::*set)(bool)) {
        b->setText(letter);
        QFont f = b->font();
        (f.*set)(true);
        b->setFont(f);
        b->setCheckable(true);
    };
    style_face(BoldButton, "N", &QFont::setBold);
    style_face(ItalicButton, "I", &QFont::setItalic);
    style_face(UnderlineButton, "S", &QFont::setUnderline);

    LeftAlign = button("LeftAlign", "Align Left", 470);
    CenterAlign = button("CenterAlign", "Center", 496);
    RightAlign = button("RightAlign", "Align Right", 522);
    // Beyond the documented controls, past the alignment group.
    PreviewButton = button("PreviewButton", QStringLiteral("Visualizar impressão|"), 556);
    PreviewButton->setIcon(toolbar_glyph(Glyph::Preview));
    LeftAlign->setIcon(toolbar_glyph(Glyph::AlignLeft));
    CenterAlign->setIcon(toolbar_glyph(Glyph::AlignCenter));
    RightAlign->setIcon(toolbar_glyph(Glyph::AlignRight));
    // Each alignment button's tag is the alignment it sets: 0 left, 1 right,
    // 2 centre.
    alignGroup_ = new QButtonGroup(this);
    alignGroup_->setExclusive(true);
    for (auto [b, tag] : {std::pair{LeftAlign, 0}, {CenterAlign, 2}, {RightAlign, 1}}) {
        b->setCheckable(true);
        b->setProperty("Tag", tag);
        alignGroup_->addButton(b, tag);
    }
}

void TReporte::buildRuler() {
    Ruler = new QWidget(this);
    Ruler->setObjectName(QStringLiteral("Ruler"));
    Ruler->setFixedHeight(26);
    RulerLine = new QFrame(Ruler);
    RulerLine->setObjectName(QStringLiteral("RulerLine"));
    RulerLine->setFrameShape(QFrame::HLine);
    RulerLine->setFrameShadow(QFrame::Sunken);
    RulerLine->setGeometry(4, 12, 588, 2);
    FirstInd = new TRulerMarker(TRulerMarker::Points::Down, Ruler);
    FirstInd->setObjectName(QStringLiteral("FirstInd"));
    FirstInd->move(2, 2);
    LeftInd = new TRulerMarker(TRulerMarker::Points::Up, Ruler);
    LeftInd->setObjectName(QStringLiteral("LeftInd"));
    LeftInd->move(2, 12);
    RightInd = new TRulerMarker(TRulerMarker::Points::Up, Ruler);
    RightInd->setObjectName(QStringLiteral("RightInd"));
    RightInd->move(575, 14);
    FirstInd->setToolTip(QStringLiteral("Recuo da primeira linha"));
    LeftInd->setToolTip(QStringLiteral("Recuo à esquerda"));
    RightInd->setToolTip(QStringLiteral("Recuo à direita"));
}

void TReporte::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto item = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* files = bar->addMenu(QStringLiteral("&Arquivos"));
    files->setObjectName(QStringLiteral("Arquivos1"));
    connect(item(files, "Abrir1", "Abrir"), &QAction::triggered, this,
            &TReporte::SpeedButton1Click);
    connect(item(files, "Salvarcomo1", "Salvar como..."), &QAction::triggered, this,
            &TReporte::SpeedButton2Click);
    files->addSeparator();
    connect(item(files, "DadosRelatorio1", "Dados do relatório..."), &QAction::triggered, this,
            &TReporte::DadosRelatorio1Click);
    connect(item(files, "Configurapgina1", "Configura página"), &QAction::triggered, this,
            &TReporte::pageDialog1Click);
    connect(item(files, "VisualizarImpressao1", "Visualizar impressão"), &QAction::triggered, this,
            &TReporte::PreviewButtonClick);
    connect(item(files, "Imprime1", "Imprime"), &QAction::triggered, this,
            &TReporte::SpeedButton3Click);
    files->addSeparator();
    connect(item(files, "Sair1", "Sair"), &QAction::triggered, this, &TReporte::Sair1Click);
    QMenu* edit = bar->addMenu(QStringLiteral("Editar"));
    edit->setObjectName(QStringLiteral("Editar1"));
    connect(item(edit, "Copiar1", "Copiar"), &QAction::triggered, this,
            &TReporte::SpeedButton5Click);
    connect(item(edit, "Colar1", "Colar"), &QAction::triggered, this, &TReporte::SpeedButton4Click);
    edit->addSeparator();
    connect(item(edit, "Fonte1", "Fonte"), &QAction::triggered, this, &TReporte::Fonte1Click);
}

// Every face the screen offers, by name, sorted.
void TReporte::fillFontList() {
    QStringList faces;
    for (const QString& family : QFontDatabase::families()) {
        const QString name = family.left(32);
        if (!faces.contains(name))
            faces << name;
    }
    faces.sort(Qt::CaseInsensitive);
    FontName->addItems(faces);
}

void TReporte::connectControls() {
    connect(OpenButton, &QToolButton::clicked, this, &TReporte::SpeedButton1Click);
    connect(SaveButton, &QToolButton::clicked, this, &TReporte::SpeedButton2Click);
    connect(PrintButton, &QToolButton::clicked, this, &TReporte::SpeedButton3Click);
    connect(PreviewButton, &QToolButton::clicked, this, &TReporte::PreviewButtonClick);
    connect(SpeedButton8, &QToolButton::clicked, this, &TReporte::pageDialog1Click);
    connect(UndoButton, &QToolButton::clicked, this, &TReporte::EditUndo);
    connect(CopyButton, &QToolButton::clicked, this, &TReporte::SpeedButton5Click);
    connect(PasteButton, &QToolButton::clicked, this, &TReporte::SpeedButton4Click);
    connect(FontName, &QComboBox::activated, this, &TReporte::FontNameChange);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TReporte::SpinEdit1Change);
    connect(BoldButton, &QToolButton::clicked, this, &TReporte::BoldButtonClick);
    connect(ItalicButton, &QToolButton::clicked, this, &TReporte::ItalicButtonClick);
    connect(UnderlineButton, &QToolButton::clicked, this, &TReporte::UnderlineButtonClick);
    connect(alignGroup_, &QButtonGroup::buttonClicked, this, &TReporte::AlignButtonClick);
    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this,
            &TReporte::RichEdit1SelectionChange);
    connect(RichEdit1, &QTextEdit::selectionChanged, this, &TReporte::RichEdit1SelectionChange);
    for (TRulerMarker* m : {FirstInd, LeftInd, RightInd}) {
        connect(m, &TRulerMarker::mouseDown, this, &TReporte::RulerItemMouseDown);
        connect(m, &TRulerMarker::mouseMove, this, &TReporte::RulerItemMouseMove);
    }
    connect(FirstInd, &TRulerMarker::mouseUp, this, &TReporte::FirstIndMouseUp);
    connect(LeftInd, &TRulerMarker::mouseUp, this, &TReporte::LeftIndMouseUp);
    connect(RightInd, &TRulerMarker::mouseUp, this, &TReporte::RightIndMouseUp);
}

// --- Handlers ---

void TReporte::SpeedButton1Click() {
    openDocument();
}
void TReporte::SpeedButton2Click() {
    saveDocument();
}
void TReporte::SpeedButton3Click() {
    printDocument();
}
void TReporte::pageDialog1Click() {
    choosePageMargins();
}
void TReporte::EditUndo() {
    undoLastEdit();
}
void TReporte::SpeedButton5Click() {
    copySelection();
}
void TReporte::SpeedButton4Click() {
    pasteClipboard();
}
void TReporte::FontNameChange(int index) {
    setFaceFromList(index);
}
void TReporte::SpinEdit1Change(int value) {
    setSizeFromSpin(value);
}
void TReporte::BoldButtonClick() {
    setStyleFromButton(BoldButton);
}
void TReporte::ItalicButtonClick() {
    setStyleFromButton(ItalicButton);
}
void TReporte::UnderlineButtonClick() {
    setStyleFromButton(UnderlineButton);
}
void TReporte::AlignButtonClick(QAbstractButton* b) {
    setParagraphAlignment(b->property("Tag").toInt());
}
void TReporte::RichEdit1SelectionChange() {
    updateToolbarAndRuler();
}
void TReporte::FormResize() {
    applyEditRect();
}
void TReporte::RulerResize() {
    fitRulerLine();
}
void TReporte::RulerItemMouseDown(TRulerMarker* marker, int x) {
    startIndentDrag(marker, x);
}
void TReporte::RulerItemMouseMove(TRulerMarker* marker, int x) {
    moveIndentMarker(marker, x);
}
void TReporte::FirstIndMouseUp() {
    finishFirstIndentDrag();
}
void TReporte::LeftIndMouseUp() {
    finishLeftIndentDrag();
}
void TReporte::RightIndMouseUp() {
    finishRightIndentDrag();
}
void TReporte::Sair1Click() {
    close();
}
void TReporte::Fonte1Click() {
    chooseFont();
}
void TReporte::PreviewButtonClick() {
    previewPrintout();
}
void TReporte::DadosRelatorio1Click() {
    editReportData();
}

// Closing hides the window and keeps the document; edits not saved are
// offered for saving first. Edits discarded here are not asked about again.
void TReporte::closeEvent(QCloseEvent* event) {
    switch (offerToSave()) {
        case ReporteDialogs::SaveAnswer::Cancel:
            event->ignore();
            return;
        case ReporteDialogs::SaveAnswer::Discard:
            RichEdit1->document()->setModified(false);
            break;
        case ReporteDialogs::SaveAnswer::Save:
            break;
    }
    QMainWindow::closeEvent(event);
}

void TReporte::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (RichEdit1 != nullptr)
        FormResize();
}

bool TReporte::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == Ruler)
            RulerResize();
        if (watched == RichEdit1->viewport())
            FormResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- Report writers' interface ---

void TReporte::clearReport() {
    RichEdit1->clear();
}

void TReporte::appendParagraph(const QString& text, double points, ReportStyle style,
                               const QColor& colour) {
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.italic);
    format.setFontUnderline(style.underline);
    if (colour.isValid())
        format.setForeground(colour);
    QTextDocument* doc = RichEdit1->document();
    report::append_paragraph(*doc, text, format, doc->isEmpty());
}

void TReporte::insertPicture(const QImage& picture) {
    QTextDocument* doc = RichEdit1->document();
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    if (!doc->isEmpty())
        cursor.insertBlock(QTextBlockFormat());
    RichEdit1->insertPicture(picture, cursor);
}

void TReporte::pastePictureFirst(const QImage& picture) {
    QGuiApplication::clipboard()->setImage(picture);
    clearReport();
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->insertFrom(QGuiApplication::clipboard()->mimeData());
}

bool TReporte::mayLeaveDocument() {
    return offerToSave() != ReporteDialogs::SaveAnswer::Cancel;
}

// Edits not saved: "Salvar" runs "Salvar como..." (and counts as "Cancelar"
// when nothing was saved), "Descartar" goes on without saving. A document
// without such edits goes on as "Salvar" would.
ReporteDialogs::SaveAnswer TReporte::offerToSave() {
    if (!RichEdit1->document()->isModified())
        return ReporteDialogs::SaveAnswer::Save;
    const auto answer = dialogs_->askToSave(this, QString::fromUtf8(kAskToSave));
    if (answer != ReporteDialogs::SaveAnswer::Save)
        return answer;
    saveDocument();
    return RichEdit1->document()->isModified() ? ReporteDialogs::SaveAnswer::Cancel
                                               : ReporteDialogs::SaveAnswer::Save;
}

void TReporte::reportWritten() {
    RichEdit1->document()->setModified(false);
    RichEdit1->setReadOnly(false);
    setWindowTitle(QString::fromUtf8(kCaption));
}

// --- Settings and state ---

void TReporte::setDialogs(std::unique_ptr<ReporteDialogs> dialogs) {
    dialogs_ = std::move(dialogs);
}

void TReporte::setSofficeSettings(const SofficeSettings& settings) {
    soffice_ = settings;
}

QString TReporte::statusText() const {
    return statusLabel_->text();
}

void TReporte::setStatusText(const QString& text) {
    statusLabel_->setText(text);
}

ruler::Indents TReporte::paragraphIndents() const {
    const QTextBlockFormat b = RichEdit1->textCursor().blockFormat();
    return {pixels_to_points(b.leftMargin() + b.textIndent()), pixels_to_points(-b.textIndent()),
            pixels_to_points(b.rightMargin())};
}

void TReporte::setParagraphIndents(const ruler::Indents& indents) {
    QTextBlockFormat b;
    b.setLeftMargin(points_to_pixels(indents.first + indents.left));
    b.setTextIndent(points_to_pixels(-indents.left));
    b.setRightMargin(points_to_pixels(indents.right));
    RichEdit1->textCursor().mergeBlockFormat(b);
}

QFont TReporte::selectionFont() const {
    return RichEdit1->currentCharFormat().font().resolve(RichEdit1->document()->defaultFont());
}

void TReporte::updateToolbarAndRuler() {
    UpdatingScope updating(FUpdating);
    const ruler::MarkerLefts lefts = ruler::marker_lefts(paragraphIndents(), Ruler->width());
    FirstInd->move(lefts.first, FirstInd->y());
    LeftInd->move(lefts.left, LeftInd->y());
    RightInd->move(lefts.right, RightInd->y());
    const QFont font = selectionFont();
    BoldButton->setChecked(font.bold());
    ItalicButton->setChecked(font.italic());
    UnderlineButton->setChecked(font.underline());
    SpinEdit1->setValue(qRound(font.pointSizeF()));
    FontName->setCurrentText(font.family().left(31));
    const Qt::Alignment align =
        RichEdit1->textCursor().blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter) {
        CenterAlign->setChecked(true);
    } else if (align & Qt::AlignRight) {
        RightAlign->setChecked(true);
    } else {
        LeftAlign->setChecked(true);
    }
}

// --- Font and paragraph operations ---

void TReporte::applyToCurrentTextAttributes(const QTextCharFormat& change) {
    QTextCursor cursor = RichEdit1->textCursor();
    if (cursor.hasSelection()) {
        cursor.mergeCharFormat(change);
        return;
    }
    RichEdit1->mergeCurrentCharFormat(change);
    QTextDocument* doc = RichEdit1->document();
    QTextCharFormat defaults;
    defaults.setFont(doc->defaultFont());
    defaults.merge(change);
    doc->setDefaultFont(defaults.font());
}

void TReporte::setFaceFromList(int index) {
    if (FUpdating || index < 0)
        return;
    QTextCharFormat change;
    change.setFontFamilies(QStringList{FontName->itemText(index)});
    applyToCurrentTextAttributes(change);
}

void TReporte::setSizeFromSpin(int points) {
    if (FUpdating)
        return;
    QTextCharFormat change;
    change.setFontPointSize(points);
    applyToCurrentTextAttributes(change);
}

void TReporte::setStyleFromButton(QToolButton* button) {
    if (FUpdating)
        return;
    const bool down = button->isChecked();
    QTextCharFormat change;
    if (button == BoldButton)
        change.setFontWeight(down ? QFont::Bold : QFont::Normal);
    if (button == ItalicButton)
        change.setFontItalic(down);
    if (button == UnderlineButton)
        change.setFontUnderline(down);
    applyToCurrentTextAttributes(change);
}

void TReporte::setParagraphAlignment(int tag) {
    if (FUpdating)
        return;
    static constexpr Qt::Alignment kByTag[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    if (tag < 0 || tag > 2)
        return;
    QTextBlockFormat b;
    b.setAlignment(kByTag[tag]);
    RichEdit1->textCursor().mergeBlockFormat(b);
}

void TReporte::undoLastEdit() {
    RichEdit1->undo();
}
void TReporte::copySelection() {
    RichEdit1->copy();
}
void TReporte::pasteClipboard() {
    RichEdit1->paste();
}

// --- Ruler ---

void TReporte::startIndentDrag(TRulerMarker* marker, int x) {
    FDragOfs = ruler::drag_offset(marker->width());
    marker->move(ruler::dragged_left(marker->x(), x, FDragOfs), marker->y());
    FDragging = true;
}

void TReporte::moveIndentMarker(TRulerMarker* marker, int x) {
    if (!FDragging)
        return;
    marker->move(ruler::dragged_left(marker->x(), x, FDragOfs), marker->y());
}

// Moving the first-line indent keeps the other lines where the left marker
// shows them: the left indent is applied again from its marker.
void TReporte::finishFirstIndentDrag() {
    FDragging = false;
    ruler::Indents indents = paragraphIndents();
    indents.first = ruler::first_indent_after_drag(FirstInd->x(), FDragOfs);
    setParagraphIndents(indents);
    finishLeftIndentDrag();
}

void TReporte::finishLeftIndentDrag() {
    FDragging = false;
    ruler::Indents indents = paragraphIndents();
    indents.left = ruler::left_indent_after_drag(LeftInd->x(), FDragOfs, indents.first);
    setParagraphIndents(indents);
    updateToolbarAndRuler();
}

void TReporte::finishRightIndentDrag() {
    FDragging = false;
    ruler::Indents indents = paragraphIndents();
    indents.right = ruler::right_indent_after_drag(Ruler->width(), RightInd->x(), FDragOfs);
    setParagraphIndents(indents);
    updateToolbarAndRuler();
}

void TReporte::applyEditRect() {
    const QSize client = RichEdit1->contentsRect().size();
    RichEdit1->setEditRect(ruler::edit_rect(client.width(), client.height()));
    updateToolbarAndRuler();
}

// The right marker is placed from the ruler's width, which the layout sets
// after the editor's: place the markers again once the ruler has its size.
void TReporte::fitRulerLine() {
    RulerLine->resize(ruler::ruler_line_width(Ruler->width(), RulerLine->x()), RulerLine->height());
    updateToolbarAndRuler();
}

// --- Files, printing ---

void TReporte::openDocument() {
    const auto converters = installed_converters(Direction::Import, soffice_);
    const auto choice = dialogs_->openFile(this, format_filter(converters));
    if (!choice)
        return;
    const QString format = format_names(converters).value(choice->filter_index - 1);
    if (!mayLeaveDocument())
        return;
    setStatusText(QStringLiteral("Carregando Arquivo..."));
    WaitCursor hourglass;
    QTextDocument* doc = RichEdit1->document();
    if (is_native_rtf(format)) {
        const Status loaded = rtf::load_rtf_file(choice->path, *doc);
        if (!loaded) {
            hourglass.restore();
            dialogs_->message(this, QString::fromStdString(loaded.error()));
            return;
        }
        setStatusText(QStringLiteral("Done"));
        setWindowTitle(choice->path);
    } else {
        const TextConverter* converter = find_converter(converters, format);
        if (converter == nullptr)
            return;
        // A failed import leaves the document, its modified flag and its
        // read-only state as they were.
        if (!import_document(*converter, choice->path, *doc, soffice_)) {
            hourglass.restore();
            dialogs_->message(this, QString::fromLatin1(kImportFailed));
            return;
        }
        setStatusText(QStringLiteral("Importação de arquivo sucedida: ") + choice->path);
    }
    updateToolbarAndRuler();
    RichEdit1->setFocus();
    doc->setModified(false);
    RichEdit1->setReadOnly(choice->read_only);
}

void TReporte::saveDocument() {
    const auto converters = installed_converters(Direction::Export, soffice_);
    const auto choice = dialogs_->saveFile(this, format_filter(converters));
    if (!choice)
        return;
    const QString format = format_names(converters).value(choice->filter_index - 1);
    setStatusText(QStringLiteral("Exportando arquivo..."));
    WaitCursor hourglass;
    QTextDocument* doc = RichEdit1->document();
    if (is_native_rtf(format)) {
        const Status saved = saveRtf(choice->path);
        if (!saved) {
            hourglass.restore();
            dialogs_->message(this, QString::fromStdString(saved.error()));
            return;
        }
        setStatusText(QStringLiteral("Arquivo Exportado"));
        doc->setModified(false);
        return;
    }
    const TextConverter* converter = find_converter(converters, format);
    if (converter == nullptr)
        return;
    const Status exported = export_document(*converter, *doc, choice->path, soffice_, RichPrinter1,
                                            QString::fromUtf8(kDocumentTitle));
    if (!exported) {
        hourglass.restore();
        dialogs_->message(this, QString::fromLatin1(kExportFailed));
        return;
    }
    setStatusText(QStringLiteral("Exportação de Arquivo concluída: ") + choice->path);
    doc->setModified(false);
}

// A4 with the printer's margins, named as the document is titled.
void TReporte::preparePrinter(QPrinter& printer) const {
    printer.setDocName(QString::fromUtf8(kDocumentTitle));
    printer.setPageSize(QPageSize(QPageSize::A4));
    const PrintMargins& m = RichPrinter1.margins;
    printer.setPageMargins(QMarginsF(m.left, m.top, m.right, m.bottom), QPageLayout::Millimeter);
}

void TReporte::printDocument() {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    if (!dialogs_->printSetup(this, printer))
        return;
    WaitCursor hourglass;
    print_document(*RichEdit1->document(), printer, RichPrinter1,
                   QString::fromUtf8(kDocumentTitle));
}

// The preview shows the printout as printing makes it: the same paper,
// margins, header and footer.
void TReporte::previewPrintout() {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    const QTextDocument& document = *RichEdit1->document();
    dialogs_->printPreview(this, printer, [this, &document](QPrinter* target) {
        print_document(document, *target, RichPrinter1, QString::fromUtf8(kDocumentTitle));
    });
}

void TReporte::choosePageMargins() {
    dialogs_->pageSetup(this, RichPrinter1.margins);
}

// "Fonte": the font dialog, starting from the current text attributes, and
// what it gives applied as the toolbar applies a face, size or style.
void TReporte::chooseFont() {
    const std::optional<QFont> font = dialogs_->chooseFont(this, selectionFont());
    if (!font)
        return;
    QTextCharFormat change;
    change.setFontFamilies(QStringList{font->family()});
    change.setFontPointSize(font->pointSizeF() > 0 ? font->pointSizeF()
                                                   : selectionFont().pointSizeF());
    change.setFontWeight(font->bold() ? QFont::Bold : QFont::Normal);
    change.setFontItalic(font->italic());
    change.setFontUnderline(font->underline());
    change.setFontStrikeOut(font->strikeOut());
    applyToCurrentTextAttributes(change);
    updateToolbarAndRuler();
}

void TReporte::editReportData() {
    report::ReportHeader data = reportData_;
    if (!dialogs_->reportData(this, data))
        return;
    reportData_.project = data.project;
    reportData_.member = data.member;
    reportData_.engineer = data.engineer;
    const QString unwritten = store_report_data(reportData_);
    if (!unwritten.isEmpty()) {
        dialogs_->message(this, QStringLiteral("Os dados do relatório valem até o programa ser "
                                               "fechado: não foi possível gravá-los em \"%1\".")
                                    .arg(unwritten));
    }
}

Status TReporte::saveRtf(const QString& path) {
    return rtf::save_rtf_file(*RichEdit1->document(), path, rtf_page(RichPrinter1.margins));
}

}  // namespace quintaro::reporte
