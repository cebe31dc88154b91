#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "report/rtf/rtf.h"
#include "rtf_test_support.h"

namespace quintaro::rtf {
namespace {

using testing::describe;
using testing::run_format;

class RtfRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override { testing::ensure_gui_application(); }
};

// A document with every attribute the writer knows: faces, sizes, the four
// styles, colours, the three alignments, indents, a picture, and text that
// needs Windows-1252 (ç, ²) and Unicode (λ, β, σ, a character beyond the
// first plane) escapes.
void build_sample(QTextDocument& doc) {
    doc.setDefaultFont(QFont("DejaVu Sans", 9));
    QTextCursor c(&doc);
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centre);
    c.insertText("Dimensionamento Perfil I Laminado",
                 run_format("DejaVu Sans", 12, true, false, true, false));

    QTextBlockFormat indented;
    indented.setAlignment(Qt::AlignLeft);
    indented.setTextIndent(-20);
    indented.setLeftMargin(60);
    indented.setRightMargin(12);
    c.insertBlock(indented);
    c.insertText("Ação: fy = 25,00 kN/cm² ",
                 run_format("DejaVu Serif", 11, false, true, false, false));
    c.insertText("λ β σ ",
                 run_format("DejaVu Serif", 11, false, false, false, true, QColor(255, 0, 0)));
    c.insertText("Ok! Perfil suporta ao esforço solicitado!",
                 run_format("DejaVu Sans", 11, false, false, false, false, QColor(0, 128, 0)));

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    c.insertBlock(right);
    doc.addResource(QTextDocument::ImageResource, QUrl("mem:secao"), testing::test_picture());
    QTextImageFormat picture;
    picture.setName("mem:secao");
    picture.setWidth(80);
    picture.setHeight(60);
    c.insertImage(picture);

    c.insertBlock(QTextBlockFormat(), run_format("DejaVu Sans", 11, false, false, false, false));
    c.insertBlock(QTextBlockFormat());
    c.insertText("chaves {x} \\ barra\tdepois do tab",
                 run_format("DejaVu Sans Mono", 10.5, true, true, true, true));
    c.insertText(QString::fromUtf8("linha\u2028nova 𝜆 ½ €"),
                 run_format("DejaVu Sans Mono", 10.5, false, false, false, false, QColor(1, 2, 3)));
}

TEST_F(RtfRoundTrip, EveryAttributeIndentAndPictureSurvivesParagraphByParagraph) {
    QTextDocument original;
    build_sample(original);
    const std::string text = write_rtf(original);

    QTextDocument read;
    ASSERT_TRUE(read_rtf(text, read).ok());
    const auto want = describe(original);
    const auto got = describe(read);
    ASSERT_EQ(want.size(), got.size()) << text;
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(want[i], got[i]) << "paragraph " << i;
    }
}

TEST_F(RtfRoundTrip, TextIsSevenBitWithCodePageAndUnicodeEscapes) {
    QTextDocument doc;
    QTextCursor(&doc).insertText(QString::fromUtf8("ç²λβσ€"));
    const std::string text = write_rtf(doc);
    for (const char ch : text)
        ASSERT_LT(static_cast<unsigned char>(ch), 0x80);
    // ç is E7 and ² is B2 in Windows-1252, € is 80; λ U+03BB = 955, β 946, σ 963.
    EXPECT_NE(text.find("\\'e7\\'b2\\u955?\\u946?\\u963?\\'80"), std::string::npos) << text;
}

TEST_F(RtfRoundTrip, PictureIsPngWithItsShownSizeInTwips) {
    QTextDocument doc;
    doc.addResource(QTextDocument::ImageResource, QUrl("mem:p"), testing::test_picture());
    QTextImageFormat picture;
    picture.setName("mem:p");
    picture.setWidth(80);   // 80 px at 96 dpi = 80 * 1440 / 96 = 1200 twips
    picture.setHeight(60);  // 900 twips
    QTextCursor(&doc).insertImage(picture);
    const std::string text = write_rtf(doc);
    EXPECT_NE(text.find("\\pict\\pngblip\\picw40\\pich30\\picwgoal1200\\pichgoal900"),
              std::string::npos)
        << text;
    // PNG signature 89 50 4E 47.
    EXPECT_NE(text.find("89504e47"), std::string::npos);
}

TEST_F(RtfRoundTrip, FileSaveAndLoadKeepTheDocumentAndFailuresSayWhy) {
    QTemporaryDir dir;
    QTextDocument original;
    build_sample(original);
    const QString path = dir.filePath("relatorio.rtf");
    ASSERT_TRUE(save_rtf_file(original, path).ok());
    QTextDocument read;
    ASSERT_TRUE(load_rtf_file(path, read).ok());
    EXPECT_EQ(describe(original), describe(read));

    const Status missing = load_rtf_file(dir.filePath("nao-existe.rtf"), read);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find("nao-existe.rtf"), std::string::npos);
    EXPECT_EQ(describe(original), describe(read)) << "a failed load must not touch the document";

    const Status unwritable = save_rtf_file(original, dir.filePath("no/such/folder/x.rtf"));
    EXPECT_FALSE(unwritable.ok());
}

}  // namespace
}  // namespace quintaro::rtf
