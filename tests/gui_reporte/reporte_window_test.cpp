// The report window: its controls, the current-text-attributes rule, the
// updating flag, styles, alignment, editing, pictures from the clipboard, and
// the interface the report writers use.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QToolButton>

#include "report/rtf/rtf.h"
#include "scripted_dialogs.h"
#include "shell/reporte/reporte.h"
#include "shell/reporte/rich_edit.h"

using quintaro::reporte::ReporteDialogs;
using quintaro::reporte::ReportStyle;
using quintaro::reporte::TReporte;
using quintaro::reporte::testing::ScriptedDialogs;

namespace {

QImage section_picture() {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(20, 10, 20, 20, QColor(0, 0, 255));
    return image;
}

// Selects characters [from, to) of the document in the editor.
void select(TReporte& w, int from, int to) {
    QTextCursor c(w.RichEdit1->document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    w.RichEdit1->setTextCursor(c);
}

QTextCharFormat format_at(const TReporte& w, int position) {
    QTextCursor c(w.RichEdit1->document());
    c.setPosition(position + 1);  // the format of the character before the cursor
    return c.charFormat();
}

int picture_count(const QTextDocument& doc) {
    int n = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                n += it.fragment().length();
        }
    }
    return n;
}

}  // namespace

class ReporteWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void windowIsTheReportWindow();
    void toolbarControls_data();
    void toolbarControls();
    void alignmentButtonsAreOneRadioGroupWithTags();
    void menuCaptions();
    void defaultFontAndFontList();
    void fontChangesApplyToTheSelectionOnly();
    void fontChangesWithoutSelectionApplyToTheDefaultAttributes();
    void styleButtonsKeepTheOtherStyleBits();
    void refreshDoesNotWriteBackWhileUpdating();
    void toolbarFollowsTheSelection();
    void alignmentButtonsSetTheParagraph();
    void undoCopyAndPaste();
    void pastingAPictureInsertsIt();
    void reportWriterInterface();
    void writingAReportTwiceGivesTheSameDocument();
    void closeHidesAndKeepsTheDocument();
};

void ReporteWindowTest::windowIsTheReportWindow() {
    TReporte w;
    QCOMPARE(w.objectName(), QString("Reporte"));
    QCOMPARE(w.windowTitle(), QString("Relatório"));
    QCOMPARE(w.size(), QSize(596, 550));
    QCOMPARE(w.pos(), QPoint(200, 116));
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!w.isModal());
    QCOMPARE(w.SpeedBar->objectName(), QString("SpeedBar"));
    QCOMPARE(w.SpeedBar->height(), 32);
    QCOMPARE(w.Ruler->objectName(), QString("Ruler"));
    QCOMPARE(w.Ruler->height(), 26);
    QVERIFY(w.findChild<QTextEdit*>("RichEdit1") != nullptr);
    QVERIFY(w.findChild<QStatusBar*>("StatusBar") != nullptr);
    QCOMPARE(w.RichPrinter1.margins.top, 30.0);
    QCOMPARE(w.RichPrinter1.margins.bottom, 25.0);
    QCOMPARE(w.RichPrinter1.margins.left, 25.0);
    QCOMPARE(w.RichPrinter1.margins.right, 15.0);
    QVERIFY(!w.RichEdit1->document()->isModified());  // nothing to ask about when closed
    // The markers: first-line indent at top 2, left at 12, right at 14.
    QCOMPARE(w.findChild<QWidget*>("FirstInd")->y(), 2);
    QCOMPARE(w.findChild<QWidget*>("LeftInd")->y(), 12);
    QCOMPARE(w.findChild<QWidget*>("RightInd")->y(), 14);
}

void ReporteWindowTest::toolbarControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("left");
    QTest::newRow("open") << "OpenButton"
                          << "Open|" << 8;
    QTest::newRow("save") << "SaveButton"
                          << "Save|" << 33;
    QTest::newRow("print") << "PrintButton"
                           << "Print|" << 66;
    QTest::newRow("page") << "SpeedButton8"
                          << "page Dialog" << 91;
    QTest::newRow("undo") << "UndoButton"
                          << "Undo|" << 118;
    QTest::newRow("copy") << "CopyButton"
                          << "Copy|" << 146;
    QTest::newRow("paste") << "PasteButton"
                           << "Paste|" << 172;
    QTest::newRow("face") << "FontName"
                          << "" << 203;
    QTest::newRow("size") << "SpinEdit1"
                          << "" << 335;
    QTest::newRow("bold") << "BoldButton"
                          << "Bold" << 386;
    QTest::newRow("italic") << "ItalicButton"
                            << "Italic" << 412;
    QTest::newRow("underline") << "UnderlineButton"
                               << "Underline" << 438;
    QTest::newRow("left") << "LeftAlign"
                          << "Align Left" << 470;
    QTest::newRow("centre") << "CenterAlign"
                            << "Center" << 496;
    QTest::newRow("right") << "RightAlign"
                           << "Align Right" << 522;
    // Not one of the documented controls: after them, inside the window's width.
    QTest::newRow("preview") << "PreviewButton"
                             << "Visualizar impressão|" << 556;
}

void ReporteWindowTest::toolbarControls() {
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(int, left);
    TReporte w;
    QWidget* control = w.SpeedBar->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->x(), left);
    if (!hint.isEmpty()) {
        QCOMPARE(control->property("Hint").toString(), hint);
        QCOMPARE(control->toolTip(), hint.section('|', 0, 0));
    }
    if (name == "FontName")
        QCOMPARE(control->width(), 131);
}

void ReporteWindowTest::alignmentButtonsAreOneRadioGroupWithTags() {
    TReporte w;
    QCOMPARE(w.LeftAlign->property("Tag").toInt(), 0);
    QCOMPARE(w.RightAlign->property("Tag").toInt(), 1);
    QCOMPARE(w.CenterAlign->property("Tag").toInt(), 2);
    QTest::mouseClick(w.CenterAlign, Qt::LeftButton);
    QVERIFY(w.CenterAlign->isChecked());
    QVERIFY(!w.LeftAlign->isChecked());
    QVERIFY(!w.RightAlign->isChecked());
    // Style buttons are independent and may all be up.
    QVERIFY(w.BoldButton->isCheckable() && w.ItalicButton->isCheckable() &&
            w.UnderlineButton->isCheckable());
    QVERIFY(!w.BoldButton->isChecked() && !w.ItalicButton->isChecked() &&
            !w.UnderlineButton->isChecked());
}

void ReporteWindowTest::menuCaptions() {
    TReporte w;
    const QList<QAction*> menus = w.menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QString("&Arquivos"));
    QCOMPARE(menus[1]->text(), QString("Editar"));
    QStringList files;
    for (QAction* a : menus[0]->menu()->actions())
        files << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(files,
             QStringList({"Abrir", "Salvar como...", "-", "Dados do relatório...",
                          "Configura página", "Visualizar impressão", "Imprime", "-", "Sair"}));
    QStringList edit;
    for (QAction* a : menus[1]->menu()->actions())
        edit << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(edit, QStringList({"Copiar", "Colar", "-", "Fonte"}));
}

void ReporteWindowTest::defaultFontAndFontList() {
    TReporte w;
    const QFont f = w.RichEdit1->document()->defaultFont();
    QCOMPARE(f.pointSizeF(), 9.0);
    if (QFontDatabase::families().contains("Verdana")) {
        QCOMPARE(f.family(), QString("Verdana"));
    } else {
        QCOMPARE(f.family(), QFontInfo(QFont("Verdana")).family());  // the nearest face
    }
    QCOMPARE(w.FontName->currentText(), f.family());
    QCOMPARE(w.SpinEdit1->value(), 9);

    QStringList items;
    for (int i = 0; i < w.FontName->count(); ++i)
        items << w.FontName->itemText(i);
    QVERIFY(!items.isEmpty());
    QStringList sorted = items;
    sorted.sort(Qt::CaseInsensitive);
    QCOMPARE(items, sorted);
    QVERIFY(items.contains(f.family()));
    for (const QString& family : QFontDatabase::families())
        QVERIFY(items.contains(family.left(32)));
}

void ReporteWindowTest::fontChangesApplyToTheSelectionOnly() {
    TReporte w;
    w.appendParagraph("abcdef", 11, {});
    const QFont default_before = w.RichEdit1->document()->defaultFont();
    select(w, 2, 4);  // "cd"
    w.SpinEdit1->setValue(20);
    w.BoldButton->click();
    const int face = w.FontName->findText(QFontDatabase::families().last().left(32));
    w.FontName->setCurrentIndex(face);
    w.FontNameChange(face);
    for (int i = 0; i < 6; ++i) {
        const QTextCharFormat f = format_at(w, i);
        const bool inside = i == 2 || i == 3;
        QCOMPARE(f.fontPointSize(), inside ? 20.0 : 11.0);
        QCOMPARE(f.fontWeight() == QFont::Bold, inside);
        QCOMPARE(f.fontFamilies().toStringList().value(0) == w.FontName->itemText(face), inside);
    }
    QCOMPARE(w.RichEdit1->document()->defaultFont(), default_before);
}

void ReporteWindowTest::fontChangesWithoutSelectionApplyToTheDefaultAttributes() {
    TReporte w;
    w.appendParagraph("abc", 11, {});
    w.RichEdit1->moveCursor(QTextCursor::End);
    QVERIFY(!w.RichEdit1->textCursor().hasSelection());
    w.BoldButton->click();
    w.SpinEdit1->setValue(14);
    // Text that has attributes of its own keeps them.
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(format_at(w, i).fontWeight(), int(QFont::Normal));
        QCOMPARE(format_at(w, i).fontPointSize(), 11.0);
    }
    // The default attributes changed: text typed next, and the document's
    // default font (text with no attributes of its own).
    QVERIFY(w.RichEdit1->currentCharFormat().font().bold());
    QCOMPARE(w.RichEdit1->currentCharFormat().fontPointSize(), 14.0);
    QVERIFY(w.RichEdit1->document()->defaultFont().bold());
    QCOMPARE(w.RichEdit1->document()->defaultFont().pointSizeF(), 14.0);
    QTest::keyClicks(w.RichEdit1, "xy");
    QCOMPARE(w.RichEdit1->document()->toPlainText(), QString("abcxy"));
    QCOMPARE(format_at(w, 3).fontWeight(), int(QFont::Bold));
    QCOMPARE(format_at(w, 4).fontPointSize(), 14.0);
}

void ReporteWindowTest::styleButtonsKeepTheOtherStyleBits() {
    TReporte w;
    w.appendParagraph("abc", 11, {true, true, true});
    select(w, 0, 3);
    QVERIFY(w.BoldButton->isChecked() && w.ItalicButton->isChecked() &&
            w.UnderlineButton->isChecked());
    w.ItalicButton->click();  // now up: italic removed, bold and underline kept
    QTextCharFormat f = format_at(w, 1);
    QVERIFY(f.fontWeight() == QFont::Bold);
    QVERIFY(!f.fontItalic());
    QVERIFY(f.fontUnderline());
    w.ItalicButton->click();  // down again
    f = format_at(w, 1);
    QVERIFY(f.fontWeight() == QFont::Bold && f.fontItalic() && f.fontUnderline());
    w.UnderlineButton->click();
    w.BoldButton->click();
    f = format_at(w, 1);
    QVERIFY(f.fontWeight() == QFont::Normal && f.fontItalic() && !f.fontUnderline());
}

// Selecting text of two sizes refreshes the toolbar from the selection (the
// size of the character before the cursor); that refresh must not write the
// size back over the whole selection.
void ReporteWindowTest::refreshDoesNotWriteBackWhileUpdating() {
    TReporte w;
    w.appendParagraph("doze", 12, {});
    QTextCursor c(w.RichEdit1->document());
    c.movePosition(QTextCursor::End);
    QTextCharFormat big;
    big.setFontPointSize(18);
    c.insertText("dezoito", big);
    select(w, 2, 2);
    QCOMPARE(w.SpinEdit1->value(), 12);
    bool seen_updating = false;
    QObject::connect(w.SpinEdit1, &QSpinBox::valueChanged,
                     [&] { seen_updating = seen_updating || w.isUpdating(); });
    select(w, 0, 11);
    QVERIFY(seen_updating);  // the spin box went from 12 to 18 during the refresh
    QCOMPARE(w.SpinEdit1->value(), 18);
    QCOMPARE(format_at(w, 0).fontPointSize(), 12.0);
    QCOMPARE(format_at(w, 6).fontPointSize(), 18.0);
    QVERIFY(!w.isUpdating());
    // Outside a refresh, the same change does apply.
    w.SpinEdit1->setValue(16);
    QCOMPARE(format_at(w, 0).fontPointSize(), 16.0);
    QCOMPARE(format_at(w, 6).fontPointSize(), 16.0);
}

void ReporteWindowTest::toolbarFollowsTheSelection() {
    TReporte w;
    w.appendParagraph("normal", 10, {});
    w.appendParagraph("negrito", 13, {true, false, true});
    select(w, 8, 10);
    QVERIFY(w.BoldButton->isChecked());
    QVERIFY(!w.ItalicButton->isChecked());
    QVERIFY(w.UnderlineButton->isChecked());
    QCOMPARE(w.SpinEdit1->value(), 13);
    select(w, 1, 3);
    QVERIFY(!w.BoldButton->isChecked());
    QCOMPARE(w.SpinEdit1->value(), 10);
}

void ReporteWindowTest::alignmentButtonsSetTheParagraph() {
    TReporte w;
    w.appendParagraph("um", 11, {});
    w.appendParagraph("dois", 11, {});
    select(w, 4, 5);
    QTest::mouseClick(w.RightAlign, Qt::LeftButton);
    QCOMPARE(w.RichEdit1->document()->findBlockByNumber(1).blockFormat().alignment() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    QCOMPARE(w.RichEdit1->document()->findBlockByNumber(0).blockFormat().alignment() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignLeft);
    QTest::mouseClick(w.CenterAlign, Qt::LeftButton);
    QCOMPARE(w.RichEdit1->document()->findBlockByNumber(1).blockFormat().alignment() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    select(w, 0, 1);
    QVERIFY(w.LeftAlign->isChecked());
    select(w, 4, 4);
    QVERIFY(w.CenterAlign->isChecked());
}

void ReporteWindowTest::undoCopyAndPaste() {
    TReporte w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.RichEdit1->setFocus();
    QTest::keyClicks(w.RichEdit1, "viga");
    QCOMPARE(w.RichEdit1->toPlainText(), QString("viga"));
    w.UndoButton->click();
    QCOMPARE(w.RichEdit1->toPlainText(), QString(""));

    QTest::keyClicks(w.RichEdit1, "pilar");
    select(w, 0, 3);
    w.CopyButton->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("pil"));
    w.RichEdit1->moveCursor(QTextCursor::End);
    w.PasteButton->click();
    QCOMPARE(w.RichEdit1->toPlainText(), QString("pilarpil"));
    // The menu items do the same.
    select(w, 0, 2);
    w.findChild<QAction*>("Copiar1")->trigger();
    w.RichEdit1->moveCursor(QTextCursor::Start);
    w.findChild<QAction*>("Colar1")->trigger();
    QCOMPARE(w.RichEdit1->toPlainText(), QString("pipilarpil"));
}

void ReporteWindowTest::pastingAPictureInsertsIt() {
    TReporte w;
    w.appendParagraph("antes", 11, {});
    w.RichEdit1->moveCursor(QTextCursor::End);
    QGuiApplication::clipboard()->setImage(section_picture());
    w.PasteButton->click();
    QCOMPARE(picture_count(*w.RichEdit1->document()), 1);
    // The picture is kept in the document, so it survives an RTF round trip.
    const std::string rtf = quintaro::rtf::write_rtf(*w.RichEdit1->document());
    QVERIFY(rtf.find("\\pngblip\\picw60\\pich40") != std::string::npos);
}

void ReporteWindowTest::reportWriterInterface() {
    TReporte w;
    w.pastePictureFirst(section_picture());
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(60, 40));
    w.appendParagraph("Dimensionamento Perfil I Laminado", 12, {true, false, true});
    w.appendParagraph("", 11, {});
    w.appendParagraph("Ok! Perfil suporta ao esforço solicitado!", 11, {}, QColor(0, 128, 0));
    w.appendParagraph("depois", 11, {});
    w.insertPicture(section_picture());

    const QTextDocument& doc = *w.RichEdit1->document();
    QCOMPARE(doc.blockCount(), 6);
    // The picture comes first, alone in its paragraph.
    const QTextBlock first = doc.firstBlock();
    QVERIFY(first.begin().fragment().charFormat().isImageFormat());
    QCOMPARE(first.length(), 2);  // the picture and the paragraph end
    const QTextBlock title = first.next();
    QCOMPARE(title.text(), QString("Dimensionamento Perfil I Laminado"));
    const QTextCharFormat tf = title.begin().fragment().charFormat();
    QCOMPARE(tf.fontPointSize(), 12.0);
    QVERIFY(tf.fontWeight() == QFont::Bold && tf.fontUnderline() && !tf.fontItalic());
    QCOMPARE(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const QTextBlock empty = title.next();
    QCOMPARE(empty.text(), QString());
    QCOMPARE(empty.charFormat().fontPointSize(), 11.0);
    const QTextBlock ok = empty.next();
    QCOMPARE(ok.begin().fragment().charFormat().foreground().color(), QColor(0, 128, 0));
    // After a verdict, the window-text colour: no colour of its own.
    const QTextBlock after = ok.next();
    QVERIFY(!after.begin().fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush));
    QVERIFY(after.next().begin().fragment().charFormat().isImageFormat());
    QCOMPARE(picture_count(doc), 2);

    w.clearReport();
    QVERIFY(w.RichEdit1->document()->isEmpty());
    w.appendParagraph("primeira", 11, {});
    QCOMPARE(w.RichEdit1->document()->blockCount(), 1);  // no empty paragraph before it
}

void ReporteWindowTest::writingAReportTwiceGivesTheSameDocument() {
    TReporte w;
    const auto write = [&w] {
        w.pastePictureFirst(section_picture());
        w.appendParagraph("Título", 12, {true, false, true});
        w.appendParagraph("Não Ok! Perfil não suporta ao esforço solicitado!", 11, {},
                          QColor(255, 0, 0));
        w.appendParagraph("Adote outro perfil!", 11, {}, QColor(255, 0, 0));
        w.appendParagraph("", 11, {});
    };
    write();
    const QString once = w.RichEdit1->document()->toPlainText();
    const int blocks = w.RichEdit1->document()->blockCount();
    write();
    QCOMPARE(w.RichEdit1->document()->toPlainText(), once);
    QCOMPARE(w.RichEdit1->document()->blockCount(), blocks);
    QCOMPARE(picture_count(*w.RichEdit1->document()), 1);
}

void ReporteWindowTest::closeHidesAndKeepsTheDocument() {
    TReporte w;
    auto* dialogs = new ScriptedDialogs;
    w.setDialogs(std::unique_ptr<ReporteDialogs>(dialogs));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.appendParagraph("fica", 11, {});
    w.reportWritten();  // as a report leaves it: nothing to ask
    w.findChild<QAction*>("Sair1")->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(w.RichEdit1->toPlainText(), QString("fica"));
    QVERIFY(dialogs->questions.isEmpty());
}

QTEST_MAIN(ReporteWindowTest)
#include "reporte_window_test.moc"
