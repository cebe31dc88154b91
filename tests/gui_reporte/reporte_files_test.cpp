// The report window's files: the format filter and names, open and save as
// RTF and through the converters, failures that leave the document as it was,
// printing and the PDF export with their header, footer and margins.
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include "report/rtf/rtf.h"
#include "scripted_dialogs.h"
#include "shell/reporte/format_converters.h"
#include "shell/reporte/reporte.h"
#include "shell/reporte/rich_edit.h"

using namespace quintaro::reporte;
using quintaro::reporte::testing::ScriptedDialogs;

namespace {

SofficeSettings no_libreoffice() {
    return {};
}

SofficeSettings libreoffice(const QTemporaryDir& dir) {
    SofficeSettings s;
    s.program = QStandardPaths::findExecutable("soffice");
    s.profile_dir = dir.filePath("lo-profile");
    s.timeout_ms = 180000;
    return s;
}

struct Fixture {
    TReporte window;
    ScriptedDialogs* dialogs = new ScriptedDialogs;
    QTemporaryDir dir;

    explicit Fixture(const SofficeSettings& soffice) {
        window.setDialogs(std::unique_ptr<ReporteDialogs>(dialogs));
        window.setSofficeSettings(soffice);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
};

void write_sample_report(TReporte& w, int extra_lines = 0) {
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(20, 10, 20, 20, QColor(0, 0, 255));
    w.pastePictureFirst(picture);
    w.appendParagraph("Dimensionamento Perfil I Laminado", 12, {true, false, true});
    w.appendParagraph("fy = 25,00 kN/cm² e λ = 87,5", 11, {});
    w.appendParagraph("Ok! Perfil suporta ao esforço solicitado!", 11, {}, QColor(0, 128, 0));
    for (int i = 0; i < extra_lines; ++i)
        w.appendParagraph(QString("Linha %1").arg(i + 1), 11, {});
}

QString pdf_text(const QString& pdf, const QStringList& extra = {}) {
    QProcess p;
    p.start("pdftotext", extra + QStringList{"-enc", "UTF-8", pdf, "-"});
    if (!p.waitForFinished(60000))
        return {};
    // The PDF holds the typeset "fi" ligature; read it back as two letters.
    return QString::fromUtf8(p.readAllStandardOutput()).replace(QChar(0xFB01), "fi");
}

// The left edge, in points, of the first word on page 1 that equals text.
double word_left(const QString& pdf, const QString& text) {
    const QString html = pdf_text(pdf, {"-bbox", "-f", "1", "-l", "1"});
    const QRegularExpression re("<word xMin=\"([0-9.]+)\"[^>]*>" +
                                QRegularExpression::escape(text) + "</word>");
    const auto m = re.match(html);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

double word_right(const QString& pdf, const QString& text) {
    const QString html = pdf_text(pdf, {"-bbox", "-f", "1", "-l", "1"});
    const QRegularExpression re("<word xMin=\"[0-9.]+\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>" +
                                QRegularExpression::escape(text) + "</word>");
    const auto m = re.match(html);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

constexpr double kPointsPerMm = 72.0 / 25.4;

}  // namespace

class ReporteFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void filterAndNamesWithoutConverters();
    void filterAndNamesWithLibreOffice();
    void dialogFilterForm();
    void openRtf();
    void saveRtf();
    void failedOpenLeavesTheDocumentUnchanged_data();
    void failedOpenLeavesTheDocumentUnchanged();
    void importHtml();
    void exportOdtAndHtml();
    void failedExportSaysSoAndWritesNothing();
    void cancelledDialogsDoNothing();
    void pdfExportHasHeaderFooterAndMargins();
    void printGoesThroughThePrintDialogWithTheChosenMargins();
    void wordFormatsThroughLibreOffice();
    void libreOfficeThatFailsOrHangsIsStopped_data();
    void libreOfficeThatFailsOrHangsIsStopped();
};

void ReporteFilesTest::filterAndNamesWithoutConverters() {
    // No converter at all: the RTF entry alone, no trailing "|".
    QCOMPARE(format_filter({}), QString("Rich Text Format|*.rtf"));
    QCOMPARE(format_names({}), QStringList{"Rich Text Format"});

    const auto import = installed_converters(Direction::Import, no_libreoffice());
    QCOMPARE(format_filter(import), QString("Rich Text Format|*.rtf|HTML|*.htm;*.html"));
    QCOMPARE(format_names(import), QStringList({"Rich Text Format", "HTML"}));
    const auto exports = installed_converters(Direction::Export, no_libreoffice());
    QCOMPARE(format_filter(exports),
             QString("Rich Text Format|*.rtf|OpenDocument Text|*.odt|HTML|*.htm;*.html|PDF|*.pdf"));
    QCOMPARE(format_names(exports),
             QStringList({"Rich Text Format", "OpenDocument Text", "HTML", "PDF"}));

    QVERIFY(is_native_rtf("Rich Text Format"));
    QVERIFY(is_native_rtf("Rich Text Format (RTF)"));
    QVERIFY(!is_native_rtf("HTML"));

    // The window shows the same filter.
    Fixture f(no_libreoffice());
    f.dialogs->opens.push_back(std::nullopt);
    f.window.OpenButton->click();
    f.dialogs->saves.push_back(std::nullopt);
    f.window.SaveButton->click();
    QCOMPARE(f.dialogs->filters, QStringList({format_filter(import), format_filter(exports)}));
}

void ReporteFilesTest::filterAndNamesWithLibreOffice() {
    SofficeSettings lo;
    lo.program = "/opt/libreoffice/program/soffice";
    const auto import = installed_converters(Direction::Import, lo);
    QCOMPARE(format_filter(import),
             QString("Rich Text Format|*.rtf|HTML|*.htm;*.html|Word 2007-365|*.docx|"
                     "Word 97-2003|*.doc|OpenDocument Text|*.odt"));
    QCOMPARE(format_names(import), QStringList({"Rich Text Format", "HTML", "Word 2007-365",
                                                "Word 97-2003", "OpenDocument Text"}));
    const auto exports = installed_converters(Direction::Export, lo);
    QCOMPARE(format_filter(exports),
             QString("Rich Text Format|*.rtf|OpenDocument Text|*.odt|HTML|*.htm;*.html|PDF|*.pdf|"
                     "Word 2007-365|*.docx|Word 97-2003|*.doc"));
    // Filter index - 1 picks the name: entry 5 of the export filter is "Word 2007-365".
    QCOMPARE(format_names(exports).value(5 - 1), QString("Word 2007-365"));
}

void ReporteFilesTest::dialogFilterForm() {
    QCOMPARE(dialog_filter("Rich Text Format|*.rtf|HTML|*.htm;*.html"),
             QString("Rich Text Format (*.rtf);;HTML (*.htm *.html)"));
    QCOMPARE(dialog_filter("Rich Text Format|*.rtf"), QString("Rich Text Format (*.rtf)"));
}

void ReporteFilesTest::openRtf() {
    Fixture f(no_libreoffice());
    QTextDocument source;
    QTextCursor(&source).insertText("conteúdo do arquivo");
    const QString file = f.path("aberto.rtf");
    QVERIFY(quintaro::rtf::save_rtf_file(source, file).ok());

    f.window.appendParagraph("antigo", 11, {});
    f.dialogs->opens.push_back(ReporteDialogs::OpenChoice{file, 1, true});
    f.window.findChild<QAction*>("Abrir1")->trigger();
    QCOMPARE(f.window.RichEdit1->toPlainText(), QString("conteúdo do arquivo"));
    QCOMPARE(f.window.statusText(), QString("Done"));
    QCOMPARE(f.window.windowTitle(), file);
    QVERIFY(!f.window.RichEdit1->document()->isModified());
    QVERIFY(f.window.RichEdit1->isReadOnly());
    QVERIFY(f.dialogs->messages.isEmpty());

    // Opening again without the read-only box makes it editable.
    f.dialogs->opens.push_back(ReporteDialogs::OpenChoice{file, 1, false});
    f.window.OpenButton->click();
    QVERIFY(!f.window.RichEdit1->isReadOnly());
}

void ReporteFilesTest::saveRtf() {
    Fixture f(no_libreoffice());
    write_sample_report(f.window);
    QVERIFY(f.window.RichEdit1->document()->isModified());
    const QString file = f.path("salvo.rtf");
    f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{file, 1});
    f.window.findChild<QAction*>("Salvarcomo1")->trigger();
    QCOMPARE(f.window.statusText(), QString("Arquivo Exportado"));
    QVERIFY(!f.window.RichEdit1->document()->isModified());
    QTextDocument back;
    QVERIFY(quintaro::rtf::load_rtf_file(file, back).ok());
    QCOMPARE(back.toPlainText().remove(QChar::ObjectReplacementCharacter),
             f.window.RichEdit1->toPlainText().remove(QChar::ObjectReplacementCharacter));
}

void ReporteFilesTest::failedOpenLeavesTheDocumentUnchanged_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<bool>("needsLibreOffice");
    QTest::addColumn<QString>("message");
    const QByteArray junk("\x00\x01\x02\xff\xfe binary \x00 junk", 20);
    QTest::newRow("not RTF") << "x.rtf" << QByteArray("plain text, not RTF") << 1 << false
                             << "Not the correct file format";
    QTest::newRow("missing RTF") << "" << QByteArray() << 1 << false << "Cannot open file";
    QTest::newRow("HTML that is binary junk")
        << "x.html" << junk << 2 << false << "Not the correct file format";
    QTest::newRow("docx that is not a zip")
        << "x.docx" << junk << 3 << true << "Not the correct file format";
    QTest::newRow("doc that is text")
        << "x.doc" << QByteArray("texto") << 4 << true << "Not the correct file format";
    // A zip that is not a document: LibreOffice is run and fails.
    QTest::newRow("odt that is an empty zip")
        << "x.odt"
        << QByteArray("PK\x03\x04mimetypeapplication/vnd.oasis.opendocument.text" + junk, 80) << 5
        << true << "Not the correct file format";
}

void ReporteFilesTest::failedOpenLeavesTheDocumentUnchanged() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(int, filterIndex);
    QFETCH(bool, needsLibreOffice);
    QFETCH(QString, message);
    QTemporaryDir profile;
    if (needsLibreOffice && QStandardPaths::findExecutable("soffice").isEmpty()) {
        QSKIP("LibreOffice (soffice) is not installed");
    }
    Fixture f(needsLibreOffice ? libreoffice(profile) : no_libreoffice());
    write_sample_report(f.window);
    const QString before = quintaro::rtf::write_rtf(*f.window.RichEdit1->document()).c_str();
    const QString title = f.window.windowTitle();
    QString file = f.path(fileName.isEmpty() ? "nao-existe.rtf" : fileName);
    if (!fileName.isEmpty()) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(content);
    }
    f.dialogs->opens.push_back(ReporteDialogs::OpenChoice{file, filterIndex, true});
    f.window.OpenButton->click();
    QCOMPARE(f.dialogs->messages.size(), 1);
    QVERIFY2(f.dialogs->messages[0].startsWith(message), qPrintable(f.dialogs->messages[0]));
    QCOMPARE(QString(quintaro::rtf::write_rtf(*f.window.RichEdit1->document()).c_str()), before);
    QVERIFY(f.window.RichEdit1->document()->isModified());
    QVERIFY(!f.window.RichEdit1->isReadOnly());
    QCOMPARE(f.window.windowTitle(), title);
    QCOMPARE(f.window.statusText(), QString("Carregando Arquivo..."));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QVERIFY(!f.dialogs->busy_cursor_at_message);
}

void ReporteFilesTest::importHtml() {
    Fixture f(no_libreoffice());
    const QString file = f.path("pagina.html");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(
        "<html><head><meta charset=\"utf-8\"></head><body><p><b>Aço</b> e λ</p>"
        "<p style=\"color:#ff0000\">vermelho</p><p><img src=\"secao.png\"></p></body></html>");
    out.close();
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    QVERIFY(picture.save(f.path("secao.png")));
    f.dialogs->opens.push_back(ReporteDialogs::OpenChoice{file, 2, false});
    f.window.OpenButton->click();
    QVERIFY(f.dialogs->messages.isEmpty());
    QCOMPARE(f.window.statusText(), QString("Importação de arquivo sucedida: ") + file);
    const QTextDocument& doc = *f.window.RichEdit1->document();
    QCOMPARE(doc.toPlainText().remove(QChar::ObjectReplacementCharacter),
             QString("Aço e λ\nvermelho\n"));
    QCOMPARE(doc.firstBlock().begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(doc.findBlockByNumber(1).begin().fragment().charFormat().foreground().color(),
             QColor(255, 0, 0));
    // The picture is kept in the document: it is saved even once its file is gone.
    QVERIFY(QFile::remove(f.path("secao.png")));
    const std::string rtf = quintaro::rtf::write_rtf(doc);
    QVERIFY(rtf.find("\\pict\\pngblip\\picw30\\pich20") != std::string::npos);
    QVERIFY(!doc.isModified());
    QCOMPARE(f.window.windowTitle(), QString("Relatório"));  // only an RTF open names the window
}

void ReporteFilesTest::exportOdtAndHtml() {
    Fixture f(no_libreoffice());
    write_sample_report(f.window);
    const QString odt = f.path("relatorio.odt");
    f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{odt, 2});
    f.window.SaveButton->click();
    QCOMPARE(f.window.statusText(), QString("Exportação de Arquivo concluída: ") + odt);
    QFile o(odt);
    QVERIFY(o.open(QIODevice::ReadOnly));
    const QByteArray head = o.read(100);
    QVERIFY(head.startsWith("PK\x03\x04"));
    QVERIFY(head.contains("application/vnd.oasis.opendocument.text"));
    QVERIFY(!f.window.RichEdit1->document()->isModified());

    const QString html = f.path("relatorio.html");
    f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{html, 3});
    f.window.SaveButton->click();
    QFile h(html);
    QVERIFY(h.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(h.readAll());
    QVERIFY(text.contains("Dimensionamento Perfil I Laminado"));
    QVERIFY(text.contains("λ"));
    QVERIFY(text.contains("data:image/png;base64,"));  // the picture travels inside the page
    // And it reads back through the HTML import with its picture.
    QTextDocument back;
    QVERIFY(import_document(*find_converter(installed_converters(Direction::Import, {}), "HTML"),
                            html, back, {})
                .ok());
    QVERIFY(back.toPlainText().contains("Ok! Perfil suporta ao esforço solicitado!"));
}

void ReporteFilesTest::failedExportSaysSoAndWritesNothing() {
    Fixture f(no_libreoffice());
    write_sample_report(f.window);
    const QStringList targets = {f.path("no/such/folder/r.odt"), f.path("no/such/folder/r.pdf")};
    const int index[] = {2, 4};
    for (int i = 0; i < 2; ++i) {
        f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{targets[i], index[i]});
        f.window.SaveButton->click();
        QCOMPARE(f.dialogs->messages.value(i), QString("Coult not export document"));
        QVERIFY(!QFile::exists(targets[i]));
        QCOMPARE(f.window.statusText(), QString("Exportando arquivo..."));
        QVERIFY(f.window.RichEdit1->document()->isModified());
    }
    // RTF: the platform's message, naming the file.
    f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{f.path("no/such/r.rtf"), 1});
    f.window.SaveButton->click();
    QVERIFY(f.dialogs->messages.value(2).contains("r.rtf"));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void ReporteFilesTest::cancelledDialogsDoNothing() {
    Fixture f(no_libreoffice());
    write_sample_report(f.window);
    f.dialogs->opens.push_back(std::nullopt);
    f.window.OpenButton->click();
    f.dialogs->saves.push_back(std::nullopt);
    f.window.SaveButton->click();
    f.window.PrintButton->click();   // print dialog cancelled
    f.window.SpeedButton8->click();  // page setup cancelled
    QCOMPARE(f.window.statusText(), QString());
    QCOMPARE(f.window.RichPrinter1.margins.left, 25.0);
    QCOMPARE(f.dialogs->margins_shown.top, 30.0);  // the dialog showed the printer's margins
    QVERIFY(f.dialogs->messages.isEmpty());
}

void ReporteFilesTest::pdfExportHasHeaderFooterAndMargins() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    Fixture f(no_libreoffice());
    write_sample_report(f.window, 80);  // long enough for two pages
    const QString pdf = f.path("relatorio.pdf");
    f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{pdf, 4});
    f.window.SaveButton->click();
    QVERIFY(f.dialogs->messages.isEmpty());
    const QString text = pdf_text(pdf);
    QVERIFY2(text.contains("Relatório-QUINTARO"), qPrintable(text.left(400)));
    QVERIFY(text.contains("Page 1"));
    QVERIFY(text.contains("Page 2"));
    QVERIFY2(text.contains("Dimensionamento Perfil I Laminado"), qPrintable(text.left(600)));
    QVERIFY2(text.contains("fy = 25,00 kN/cm² e λ = 87,5"), qPrintable(text.left(600)));
    QVERIFY(!QFile::exists(pdf + ".part"));
    // Left margin 25 mm = 70.87 pt: the text starts there. Right margin 15 mm
    // on A4 (595.28 pt wide): the right-aligned header ends at 552.76 pt.
    QVERIFY(qAbs(word_left(pdf, "Dimensionamento") - 25 * kPointsPerMm) < 2.0);
    QVERIFY(qAbs(word_right(pdf, "Relatório-QUINTARO") - (595.28 - 15 * kPointsPerMm)) < 2.0);

    // Margins chosen in page setup (left 60 mm = 170.08 pt) reach the export.
    f.dialogs->page_margins = PrintMargins{20, 20, 60, 30};
    f.window.findChild<QAction*>("Configurapgina1")->trigger();
    QCOMPARE(f.window.RichPrinter1.margins.left, 60.0);
    f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{pdf, 4});
    f.window.SaveButton->click();
    QVERIFY(qAbs(word_left(pdf, "Dimensionamento") - 60 * kPointsPerMm) < 2.0);
    // Right 30 mm: 595.28 - 85.04 = 510.24 pt.
    QVERIFY(qAbs(word_right(pdf, "Relatório-QUINTARO") - (595.28 - 30 * kPointsPerMm)) < 2.0);
}

void ReporteFilesTest::printGoesThroughThePrintDialogWithTheChosenMargins() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    Fixture f(no_libreoffice());
    write_sample_report(f.window);
    f.dialogs->page_margins = PrintMargins{30, 25, 40, 15};
    f.window.SpeedButton8->click();
    f.dialogs->print_to_pdf = f.path("impresso.pdf");
    f.window.findChild<QAction*>("Imprime1")->trigger();
    const QString text = pdf_text(f.dialogs->print_to_pdf);
    QVERIFY(text.contains("Relatório-QUINTARO"));
    QVERIFY(text.contains("Page 1"));
    QVERIFY(!text.contains("Page 2"));
    QVERIFY(qAbs(word_left(f.dialogs->print_to_pdf, "Dimensionamento") - 40 * kPointsPerMm) < 2.0);
}

void ReporteFilesTest::wordFormatsThroughLibreOffice() {
    if (QStandardPaths::findExecutable("soffice").isEmpty()) {
        QSKIP("LibreOffice (soffice) is not installed");
    }
    QTemporaryDir profile;
    Fixture f(libreoffice(profile));
    write_sample_report(f.window);
    const QStringList before = f.window.RichEdit1->toPlainText().split('\n');
    const QString docx = f.path("relatorio.docx");
    f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{docx, 5});
    f.window.SaveButton->click();
    QVERIFY2(f.dialogs->messages.isEmpty(), qPrintable(f.dialogs->messages.join(";")));
    QCOMPARE(f.window.statusText(), QString("Exportação de Arquivo concluída: ") + docx);
    QFile d(docx);
    QVERIFY(d.open(QIODevice::ReadOnly));
    QVERIFY(d.read(4).startsWith("PK\x03\x04"));

    f.window.clearReport();
    f.dialogs->opens.push_back(ReporteDialogs::OpenChoice{docx, 3, false});
    f.window.OpenButton->click();
    QVERIFY2(f.dialogs->messages.isEmpty(), qPrintable(f.dialogs->messages.join(";")));
    QCOMPARE(f.window.statusText(), QString("Importação de arquivo sucedida: ") + docx);
    QCOMPARE(f.window.RichEdit1->toPlainText().split('\n'), before);
    const QTextDocument& doc = *f.window.RichEdit1->document();
    const QTextBlock title = doc.findBlockByNumber(1);
    QCOMPARE(title.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(doc.findBlockByNumber(3).begin().fragment().charFormat().foreground().color(),
             QColor(0, 128, 0));
    QVERIFY(doc.firstBlock().begin().fragment().charFormat().isImageFormat());
}

void ReporteFilesTest::libreOfficeThatFailsOrHangsIsStopped_data() {
    QTest::addColumn<QString>("script");  // empty: a program that is not there
    QTest::newRow("missing program") << "";
    QTest::newRow("program that fails") << "exit 3";
    QTest::newRow("program that hangs") << "exec sleep 60";
}

// Word formats are offered because soffice was found, but it is gone, fails or
// never ends: the export and the import fail with their messages within the
// time limit, and nothing is written or changed.
void ReporteFilesTest::libreOfficeThatFailsOrHangsIsStopped() {
    QFETCH(QString, script);
    QTemporaryDir tools;
    SofficeSettings s;
    s.program = tools.filePath("soffice");
    s.profile_dir = tools.filePath("profile");
    s.timeout_ms = 1500;
    if (!script.isEmpty()) {
        QFile program(s.program);
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write(("#!/bin/sh\n" + script + "\n").toUtf8());
        program.close();
        program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    Fixture f(s);
    write_sample_report(f.window);
    const QString before = quintaro::rtf::write_rtf(*f.window.RichEdit1->document()).c_str();

    QElapsedTimer clock;
    clock.start();
    const QString docx = f.path("relatorio.docx");
    f.dialogs->saves.push_back(ReporteDialogs::SaveChoice{docx, 5});
    f.window.SaveButton->click();
    QCOMPARE(f.dialogs->messages, QStringList{"Coult not export document"});
    QVERIFY(!QFile::exists(docx));

    // A file that looks like a Word 2007 document (a zip).
    const QString input = f.path("entrada.docx");
    QFile in(input);
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write("PK\x03\x04 not really a document");
    in.close();
    f.dialogs->opens.push_back(ReporteDialogs::OpenChoice{input, 3, false});
    f.window.OpenButton->click();
    QCOMPARE(f.dialogs->messages,
             QStringList({"Coult not export document", "Not the correct file format"}));
    QCOMPARE(QString(quintaro::rtf::write_rtf(*f.window.RichEdit1->document()).c_str()), before);
    QVERIFY2(clock.elapsed() < 20000, "the time limit must stop a hanging converter");
}

QTEST_MAIN(ReporteFilesTest)
#include "reporte_files_test.moc"
