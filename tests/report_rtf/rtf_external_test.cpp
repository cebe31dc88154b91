// Our RTF against a real word processor: LibreOffice reads what we write, and
// we read what it writes. LibreOffice runs headless, with a profile of its own
// in a temporary folder and a time limit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "report/document/document_sink.h"
#include "report/rtf/rtf.h"
#include "rtf_test_support.h"

namespace quintaro::rtf {
namespace {

class RtfAgainstLibreOffice : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::ensure_gui_application();
        soffice_ = QStandardPaths::findExecutable("soffice");
        if (soffice_.isEmpty())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    // Converts input into dir_/out; returns the output path, or "" on failure.
    QString convert(const QString& input, const QString& target, const QString& extension,
                    const QStringList& extra = {}) {
        QProcess p;
        QStringList args{
            "-env:UserInstallation=" + QUrl::fromLocalFile(dir_.filePath("profile")).toString(),
            "--headless", "--norestore"};
        args << extra << "--convert-to" << target << "--outdir" << dir_.filePath("out") << input;
        p.start(soffice_, args);
        if (!p.waitForFinished(180000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "soffice did not finish in time";
            return {};
        }
        const QString out =
            dir_.filePath("out/" + QFileInfo(input).completeBaseName() + "." + extension);
        if (!QFile::exists(out)) {
            ADD_FAILURE() << "soffice wrote nothing: " << p.readAllStandardError().toStdString();
            return {};
        }
        return out;
    }

    QString soffice_;
    QTemporaryDir dir_;
};

void build_report_like(QTextDocument& doc) {
    QTextCursor c(&doc);
    doc.addResource(QTextDocument::ImageResource, QUrl("mem:secao"), testing::test_picture());
    QTextImageFormat picture;
    picture.setName("mem:secao");
    c.insertImage(picture);
    c.insertBlock();
    c.insertText("Dimensionamento Perfil I Laminado",
                 testing::run_format("DejaVu Sans", 12, true, false, true, false));
    c.insertBlock();
    c.insertBlock();
    QTextBlockFormat indented;
    indented.setLeftMargin(40);
    indented.setTextIndent(-20);
    c.insertBlock(indented);
    c.insertText("Ação de cálculo: 25,00 kN/cm² com λ = 1,20, β = 0,5 e σ",
                 testing::run_format("DejaVu Serif", 11, false, true, false, true));
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centre);
    c.insertText(
        "Ok! Perfil suporta ao esforço solicitado!",
        testing::run_format("DejaVu Sans", 11, false, false, false, false, QColor(0, 128, 0)));
    c.insertBlock();
    c.insertText("chaves {x} e barra \\ fim");
}

QStringList read_lines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace("\r\n", "\n");
    if (text.endsWith('\n'))
        text.chop(1);
    return text.split('\n');
}

TEST_F(RtfAgainstLibreOffice, ReadsOurRtfWithTheSameTextParagraphByParagraph) {
    QTextDocument doc;
    build_report_like(doc);
    const QString path = dir_.filePath("ours.rtf");
    ASSERT_TRUE(save_rtf_file(doc, path).ok());

    const QString txt = convert(path, "txt:Text (encoded):UTF8", "txt");
    ASSERT_FALSE(txt.isEmpty());
    const QStringList lines = read_lines(txt);
    const auto want = testing::plain_paragraphs(doc);
    ASSERT_EQ(static_cast<std::size_t>(lines.size()), want.size()) << lines.join("|").toStdString();
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(want[i], lines[static_cast<qsizetype>(i)].toStdString()) << "paragraph " << i;
    }
}

TEST_F(RtfAgainstLibreOffice, OurRtfRoundTripsThroughLibreOfficeWithFormatting) {
    QTextDocument doc;
    build_report_like(doc);
    const QString path = dir_.filePath("ida.rtf");
    ASSERT_TRUE(save_rtf_file(doc, path).ok());
    // LibreOffice reads ours and writes its own RTF; we read that back.
    const QString odt = convert(path, "odt", "odt");
    ASSERT_FALSE(odt.isEmpty());
    QDir(dir_.path()).mkpath("back");
    QFile::rename(odt, dir_.filePath("back/volta.odt"));
    const QString back = convert(dir_.filePath("back/volta.odt"), "rtf", "rtf");
    ASSERT_FALSE(back.isEmpty());
    QTextDocument read;
    ASSERT_TRUE(load_rtf_file(back, read).ok());
    const auto got = testing::describe(read);
    const auto text = testing::plain_paragraphs(read);
    ASSERT_EQ(text, testing::plain_paragraphs(doc));
    EXPECT_NE(got[0].find("{picture 40x30"), std::string::npos) << got[0];
    EXPECT_NE(got[0].find("centre pixel #0000ff"), std::string::npos) << got[0];
    EXPECT_NE(got[1].find("12pt bold underline auto"), std::string::npos) << got[1];
    EXPECT_NE(got[4].find("left=40"), std::string::npos) << got[4];
    EXPECT_NE(got[4].find("first=-20"), std::string::npos) << got[4];
    EXPECT_NE(got[4].find("italic strike"), std::string::npos) << got[4];
    EXPECT_NE(got[5].find("[centre"), std::string::npos) << got[5];
    EXPECT_NE(got[5].find("#008000"), std::string::npos) << got[5];
}

TEST_F(RtfAgainstLibreOffice, LoadsLibreOfficeRtfWithBoldColoursPictureAndTable) {
    const QString picture_path = dir_.filePath("pic.png");
    testing::test_picture().save(picture_path);
    const QString html_path = dir_.filePath("fonte.html");
    QFile html(html_path);
    ASSERT_TRUE(html.open(QIODevice::WriteOnly));
    html.write(R"(<html><head><meta charset="utf-8"></head><body>
<p><b>Negrito</b> normal <span style="color:#ff0000">vermelho</span> ação λ</p>
<p><img src="pic.png" width="40" height="30"></p>
<table border="1" cellspacing="0" width="100%"><tr><td width="40%">a1</td><td width="60%">b1</td></tr></table>
<p style="color:#008000"><i>fim</i></p></body></html>)");
    html.close();

    const QString rtf = convert(html_path, "rtf", "rtf", {"--infilter=HTML (StarWriter)"});
    ASSERT_FALSE(rtf.isEmpty());
    QTextDocument doc;
    ASSERT_TRUE(load_rtf_file(rtf, doc).ok());
    const auto got = testing::describe(doc);
    const auto text = testing::plain_paragraphs(doc);
    ASSERT_GE(text.size(), 5u) << ::testing::PrintToString(got);
    EXPECT_EQ(text[0], "Negrito normal vermelho ação λ");
    EXPECT_NE(got[0].find("bold auto \"Negrito\""), std::string::npos) << got[0];
    EXPECT_NE(got[0].find("#ff0000 \"vermelho\""), std::string::npos) << got[0];
    EXPECT_NE(got[1].find("{picture 40x30"), std::string::npos) << got[1];
    EXPECT_NE(got[1].find("centre pixel #0000ff"), std::string::npos) << got[1];
    EXPECT_EQ(text[2], "a1");
    EXPECT_EQ(text[3], "b1");
    EXPECT_EQ(text[4], "fim");
    EXPECT_NE(got[4].find("italic #008000"), std::string::npos) << got[4];
    // LibreOffice rounds the widths it was given in the page it imagines.
    const auto tables = testing::describe_tables(doc);
    ASSERT_EQ(tables.size(), 1u);
    const QRegularExpression shape(
        "^1x2 header 0 ruled 1px width 100% columns (\\d+)%/(\\d+)% \\| a1\\|b1$");
    const auto m = shape.match(QString::fromStdString(tables[0]));
    ASSERT_TRUE(m.hasMatch()) << tables[0];
    EXPECT_NEAR(m.captured(1).toInt(), 40, 1);
}

// A summary of two rows written through the report sink: LibreOffice reads
// the same cells, in columns of 34 and 66 % of the width, and lays the page
// out as A4 with the printer's margins.
TEST_F(RtfAgainstLibreOffice, ReadsOurTableCellByCellOnA4WithOurMargins) {
    QTextDocument doc;
    report::DocumentSink sink(doc, QImage(), "DejaVu Sans");
    sink.append_line("Resumo");
    sink.begin_table(
        {{"Verificação", 34, report::Align::Left}, {"Resultado", 66, report::Align::Right}});
    sink.table_row({{"Compressão"}, {"Ok!", report::Style::Plain, report::kPassGreen}});
    sink.table_row({{"Flexão x", report::Style::Bold},
                    {"Não Ok! ◄ governa", report::Style::Bold, report::kFailRed}});
    sink.end_table();
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    QTextCursor end(&doc);
    end.movePosition(QTextCursor::End);
    end.insertBlock(right);
    end.insertText("fim");
    const QString path = dir_.filePath("tabela.rtf");
    ASSERT_TRUE(save_rtf_file(doc, path).ok());

    const QString html = convert(path, "html:XHTML Writer File:UTF8", "html");
    ASSERT_FALSE(html.isEmpty());
    QFile file(html);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    QStringList rows;
    QList<double> widths;
    static const QRegularExpression row_pattern("<tr[^>]*>(.*?)</tr>");
    static const QRegularExpression cell_pattern("<td[^>]*width:([0-9.]+)in[^>]*>(.*?)</td>");
    static const QRegularExpression tag("<[^>]*>");
    for (const auto& r : row_pattern.globalMatch(page)) {
        QStringList cells;
        for (const auto& c : cell_pattern.globalMatch(r.captured(1))) {
            cells << c.captured(2).remove(tag);
            if (rows.isEmpty())
                widths << c.captured(1).toDouble();
        }
        rows << cells.join('|');
    }
    EXPECT_EQ(rows.join(" / ").toStdString(),
              "Verificação|Resultado / Compressão|Ok! / Flexão x|Não Ok! ◄ governa");
    ASSERT_EQ(widths.size(), 2);
    EXPECT_NEAR(widths[0] / (widths[0] + widths[1]), 0.34, 0.005);

    // A4 is 595.3 x 841.9 pt; the text begins 25 mm = 70.9 pt from the left
    // and the right-aligned line ends 15 mm = 42.5 pt from the right.
    const QString pdf = convert(path, "pdf", "pdf");
    ASSERT_FALSE(pdf.isEmpty());
    QProcess info;
    info.start("pdfinfo", {pdf});
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString facts = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(
        facts.contains(QRegularExpression("Page size: +595\\.[0-9]+ x 841\\.[0-9]+ pts \\(A4\\)")))
        << facts.toStdString();
    QProcess words;
    words.start("pdftotext", {"-bbox", pdf, "-"});
    ASSERT_TRUE(words.waitForFinished(60000));
    const QString boxes = QString::fromUtf8(words.readAllStandardOutput());
    const auto box = [&boxes](const QString& word, int group) {
        static const QString pattern =
            "<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>%1</word>";
        const auto m = QRegularExpression(pattern.arg(word)).match(boxes);
        return m.hasMatch() ? m.captured(group).toDouble() : -1.0;
    };
    constexpr double kPointsPerMm = 72 / 25.4;
    EXPECT_NEAR(box("Resumo", 1), 25 * kPointsPerMm, 1.0);
    EXPECT_NEAR(box("fim", 2), 595.28 - 15 * kPointsPerMm, 1.0);
}

}  // namespace
}  // namespace quintaro::rtf
