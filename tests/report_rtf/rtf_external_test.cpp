// Our RTF against a real word processor: LibreOffice reads what we write, and
// we read what it writes. LibreOffice runs headless, with a profile of its own
// in a temporary folder and a time limit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

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

TEST_F(RtfAgainstLibreOffice, LoadsLibreOfficeRtfWithBoldColoursPictureAndFlattenedTable) {
    const QString picture_path = dir_.filePath("pic.png");
    testing::test_picture().save(picture_path);
    const QString html_path = dir_.filePath("fonte.html");
    QFile html(html_path);
    ASSERT_TRUE(html.open(QIODevice::WriteOnly));
    html.write(R"(<html><head><meta charset="utf-8"></head><body>
<p><b>Negrito</b> normal <span style="color:#ff0000">vermelho</span> ação λ</p>
<p><img src="pic.png" width="40" height="30"></p>
<table><tr><td>a1</td><td>b1</td></tr></table>
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
}

}  // namespace
}  // namespace quintaro::rtf
