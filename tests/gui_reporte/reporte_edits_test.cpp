// The report window keeps what the user did: edits not saved are offered for
// saving before they are closed or replaced, "Fonte" applies the font dialog's
// choice, the preview shows the printout, a new report no longer carries the
// name of a file opened before, and "Dados do relatório" is remembered.
#include <QAction>
#include <QFontDatabase>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

#include "report/rtf/rtf.h"
#include "scripted_dialogs.h"
#include "shell/reporte/reporte.h"
#include "shell/reporte/rich_edit.h"

using namespace quintaro::reporte;
using quintaro::report::ReportHeader;
using quintaro::reporte::testing::ScriptedDialogs;
using Answer = ReporteDialogs::SaveAnswer;

namespace {

struct Fixture {
    TReporte window;
    ScriptedDialogs* dialogs = new ScriptedDialogs;
    QTemporaryDir dir;

    Fixture() {
        window.setDialogs(std::unique_ptr<ReporteDialogs>(dialogs));
        window.setSofficeSettings({});
        window.appendParagraph("Dimensionamento Perfil I Laminado", 12, {true, false, true});
        window.appendParagraph("Rd(Nd) = 373,50 kN", 11, {});
        window.reportWritten();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString text() const { return window.RichEdit1->toPlainText(); }
    // As the user types at the end of the report.
    void type(const QString& keys) {
        window.RichEdit1->moveCursor(QTextCursor::End);
        QTest::keyClicks(window.RichEdit1, keys);
    }
};

// The pages and every word with its box (not the file's dates).
QString bbox(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-bbox", pdf, "-"});
    p.waitForFinished(60000);
    QStringList boxes;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        if (line.contains("<page") || line.contains("<word"))
            boxes << line.trimmed();
    }
    return boxes.join('\n');
}

}  // namespace

class ReporteEditsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void leavingEditsAsksFirst_data();
    void leavingEditsAsksFirst();
    void freshReportOrSavedEditsAskNothing();
    void fonteAppliesTheChosenFont();
    void previewShowsThePrintout();
    void newReportForgetsTheOpenedFile();
    void reportDataIsRememberedAcrossRuns();
};

// "Dados do relatório" is kept in a settings folder of the test's own.
QTemporaryDir* settings_dir = nullptr;

void ReporteEditsTest::initTestCase() {
    settings_dir = new QTemporaryDir;
    QVERIFY(settings_dir->isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_dir->path());
}

void ReporteEditsTest::leavingEditsAsksFirst_data() {
    QTest::addColumn<QString>("how");  // "Sair", "Abrir" or "relatório"
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveChosen");  // "Salvar": a file is chosen in the save dialog
    QTest::addColumn<bool>("leaves");
    for (const char* how : {"Sair", "Abrir", "relatório"}) {
        const QByteArray h(how);
        QTest::newRow(h + ", Salvar") << how << int(Answer::Save) << true << true;
        QTest::newRow(h + ", Salvar, save dialog cancelled")
            << how << int(Answer::Save) << false << false;
        QTest::newRow(h + ", Descartar") << how << int(Answer::Discard) << false << true;
        QTest::newRow(h + ", Cancelar") << how << int(Answer::Cancel) << false << false;
    }
}

// Closing, opening a file over the report, or a new report: with edits not
// saved the question comes first; "Cancelar" (or a save not made) keeps the
// window, the document and its edits as they were.
void ReporteEditsTest::leavingEditsAsksFirst() {
    QFETCH(QString, how);
    QFETCH(int, answer);
    QFETCH(bool, saveChosen);
    QFETCH(bool, leaves);
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.type(" editado");
    const QString edited = f.text();
    QVERIFY(f.window.RichEdit1->document()->isModified());
    f.dialogs->answers.push_back(Answer(answer));
    const QString saved = f.path("salvo.rtf");
    if (answer == int(Answer::Save)) {
        f.dialogs->saves.push_back(saveChosen ? std::optional(ReporteDialogs::SaveChoice{saved, 1})
                                              : std::nullopt);
    }
    bool left = false;
    if (how == "Sair") {
        f.window.findChild<QAction*>("Sair1")->trigger();
        left = !f.window.isVisible();
    } else if (how == "Abrir") {
        QTextDocument other;
        QTextCursor(&other).insertText("outro");
        QVERIFY(quintaro::rtf::save_rtf_file(other, f.path("outro.rtf")).ok());
        f.dialogs->opens.push_back(ReporteDialogs::OpenChoice{f.path("outro.rtf"), 1, false});
        f.window.OpenButton->click();
        left = f.text() == "outro";
    } else {
        left = f.window.mayLeaveDocument();
    }
    QCOMPARE(f.dialogs->questions,
             QStringList{QString("O relatório foi alterado. Deseja salvá-lo?")});
    QCOMPARE(left, leaves);
    if (!leaves) {
        QCOMPARE(f.text(), edited);
        QVERIFY(f.window.RichEdit1->document()->isModified());
        QVERIFY(how != "Sair" || f.window.isVisible());
    }
    QCOMPARE(QFile::exists(saved), answer == int(Answer::Save) && saveChosen);
    if (QFile::exists(saved)) {
        QTextDocument back;
        QVERIFY(quintaro::rtf::load_rtf_file(saved, back).ok());
        QCOMPARE(back.toPlainText(), edited);
    }
}

void ReporteEditsTest::freshReportOrSavedEditsAskNothing() {
    Fixture f;
    f.window.show();
    QVERIFY(f.window.mayLeaveDocument());  // a report as written
    f.type("x");
    f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{f.path("r.rtf"), 1});
    f.window.SaveButton->click();
    QVERIFY(f.window.mayLeaveDocument());
    f.window.findChild<QAction*>("Sair1")->trigger();
    QVERIFY(!f.window.isVisible());
    QVERIFY(f.dialogs->questions.isEmpty());
    // Edits discarded on closing are not asked about again.
    f.window.show();
    f.type("y");
    f.window.close();
    QVERIFY(f.window.mayLeaveDocument());
    QCOMPARE(f.dialogs->questions.size(), 1);
}

// "Fonte" starts from the selection's font and applies the choice to the
// selection only; cancelled, nothing changes.
void ReporteEditsTest::fonteAppliesTheChosenFont() {
    Fixture f;
    QTextCursor c(f.window.RichEdit1->document());
    c.setPosition(f.text().indexOf("373"));
    c.setPosition(f.text().indexOf("373") + 6, QTextCursor::KeepAnchor);  // "373,50"
    f.window.RichEdit1->setTextCursor(c);
    const QString before = f.window.RichEdit1->toHtml();
    f.window.findChild<QAction*>("Fonte1")->trigger();
    QCOMPARE(f.window.RichEdit1->toHtml(), before);
    QCOMPARE(f.dialogs->font_shown.pointSizeF(), 11.0);

    QFont chosen(QFontDatabase::families().value(0), 16);
    chosen.setBold(true);
    chosen.setItalic(true);
    f.dialogs->font = chosen;
    f.window.findChild<QAction*>("Fonte1")->trigger();
    const QTextBlock line = f.window.RichEdit1->document()->findBlockByNumber(1);
    for (auto it = line.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        const bool inside = it.fragment().text() == "373,50";
        QCOMPARE(format.fontPointSize(), inside ? 16.0 : 11.0);
        QCOMPARE(format.fontItalic(), inside);
        QCOMPARE(format.fontWeight() == QFont::Bold, inside);
        if (inside)
            QCOMPARE(format.fontFamilies().toStringList().value(0), chosen.family());
    }
    QVERIFY(f.window.BoldButton->isChecked());  // the toolbar shows the new font
    QCOMPARE(f.window.SpinEdit1->value(), 16);
}

// The preview draws the pages as printing does: the margins chosen in page
// setup, the header and the footer, in the same places.
void ReporteEditsTest::previewShowsThePrintout() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    Fixture f;
    for (int i = 0; i < 70; ++i)
        f.window.appendParagraph(QString("Linha %1").arg(i + 1), 11, {});
    f.dialogs->page_margins = PrintMargins{20, 20, 40, 30};
    f.window.SpeedButton8->click();
    f.dialogs->print_to_pdf = f.path("impresso.pdf");
    f.window.PrintButton->click();
    f.dialogs->preview_to_pdf = f.path("previa.pdf");
    f.window.PreviewButton->click();
    f.window.findChild<QAction*>("VisualizarImpressao1")->trigger();
    QCOMPARE(f.dialogs->previews, 2);
    const QString printed = bbox(f.dialogs->print_to_pdf);
    QVERIFY(printed.contains(">Relatório-QUINTARO<"));
    QVERIFY(printed.contains(">2</word>"));  // "Page 2": two pages
    QCOMPARE(bbox(f.dialogs->preview_to_pdf), printed);
}

// After "Abrir" the caption names the file and the document may be read-only;
// a report written next is a report again.
void ReporteEditsTest::newReportForgetsTheOpenedFile() {
    Fixture f;
    QTextDocument other;
    QTextCursor(&other).insertText("aberto");
    const QString file = f.path("aberto.rtf");
    QVERIFY(quintaro::rtf::save_rtf_file(other, file).ok());
    f.dialogs->opens.push_back(ReporteDialogs::OpenChoice{file, 1, true});
    f.window.OpenButton->click();
    QCOMPARE(f.window.windowTitle(), file);
    QVERIFY(f.window.RichEdit1->isReadOnly());
    f.window.clearReport();
    f.window.appendParagraph("novo", 11, {});
    f.window.reportWritten();
    QCOMPARE(f.window.windowTitle(), QString("Relatório"));
    QVERIFY(!f.window.RichEdit1->isReadOnly());
    QVERIFY(!f.window.RichEdit1->document()->isModified());
}

// Typed once, kept for every report and the next run of the program; blank
// boxes are empty values, the boxes' texts trimmed.
void ReporteEditsTest::reportDataIsRememberedAcrossRuns() {
    {
        Fixture f;
        QCOMPARE(f.window.reportData(), ReportHeader{});
        ReportHeader typed;
        typed.project = "Galpão Norte";
        typed.member = "V-12";
        typed.engineer = "Eng. Ana Lima";
        f.dialogs->data = typed;
        f.window.findChild<QAction*>("DadosRelatorio1")->trigger();
        f.dialogs->data.reset();  // cancelled: nothing changes
        f.window.findChild<QAction*>("DadosRelatorio1")->trigger();
        QCOMPARE(f.dialogs->data_shown.member, std::string("V-12"));
        QVERIFY(f.dialogs->messages.isEmpty());
    }
    Fixture next_run;
    const ReportHeader kept = next_run.window.reportData();
    QCOMPARE(kept.project, std::string("Galpão Norte"));
    QCOMPARE(kept.member, std::string("V-12"));
    QCOMPARE(kept.engineer, std::string("Eng. Ana Lima"));

    ReportDataDialog dialog(kept);
    QCOMPARE(dialog.findChild<QLineEdit*>("Projeto")->text(), QString("Galpão Norte"));
    dialog.findChild<QLineEdit*>("Elemento")->setText("  P-3 ");
    dialog.findChild<QLineEdit*>("Responsavel")->clear();
    const ReportHeader typed = dialog.data();
    QCOMPARE(typed.project, std::string("Galpão Norte"));
    QCOMPARE(typed.member, std::string("P-3"));
    QCOMPARE(typed.engineer, std::string());
}

QTEST_MAIN(ReporteEditsTest)
#include "reporte_edits_test.moc"
