#include <gtest/gtest.h>

#include <QBuffer>
#include <QStringDecoder>

#include "report/rtf/rtf.h"
#include "rtf_test_support.h"

namespace quintaro::rtf {
namespace {

class RtfReader : public ::testing::Test {
  protected:
    void SetUp() override { testing::ensure_gui_application(); }

    // The paragraphs of the document read from text, "|"-separated.
    static std::string paragraphs_of(const std::string& text) {
        QTextDocument doc;
        const Status s = read_rtf(text, doc);
        if (!s)
            return "FAILED: " + s.error();
        std::string out;
        for (const std::string& p : testing::plain_paragraphs(doc)) {
            if (!out.empty())
                out += "|";
            out += p;
        }
        return out;
    }
};

struct TextCase {
    const char* name;
    std::string rtf;
    std::string paragraphs;  // UTF-8, "|" between paragraphs
};

// What word processors commonly write, and what our reader makes of it.
TEST_F(RtfReader, WordProcessorConstructs) {
    const TextCase cases[] = {
        {"code page escape", R"({\rtf1\ansi\ansicpg1252 a\'e7\'e3o \'b2})", "ação ²"},
        {"unicode with one fallback character", R"({\rtf1\uc1 \u955?\u946?\u963?})", "λβσ"},
        {"negative unicode", R"({\rtf1 \u-4064?})", "\xEF\x80\xA0"},  // U+F020
        {"unicode with no fallback", R"({\rtf1\uc0 \u955 x})", "λx"},
        {"unicode with two fallback bytes", R"({\rtf1\uc2 \u955\'3f\'3fx})", "λx"},
        {"uc is scoped to its group", R"({\rtf1\uc1 {\uc2 \u955??}\u946?x})", "λβx"},
        // U+1D706: surrogates D835 (55349 - 65536 = -10187) and DF06 (57094 - 65536 = -8442)
        {"surrogate pair", R"({\rtf1 \u-10187?\u-8442?})", "\xF0\x9D\x9C\x86"},
        {"paragraphs and lines", "{\\rtf1 um\\par dois\\line tres\\tab quatro\\par}",
         "um|dois\xE2\x80\xA8tres\tquatro"},
        {"backslash-newline is a paragraph", "{\\rtf1 um\\\ndois}", "um|dois"},
        {"escaped braces and backslash", R"({\rtf1 \{x\} \\ \~y})", "{x} \\ \xC2\xA0y"},
        {"table cells in order",
         R"({\rtf1\trowd\cellx1000\cellx2000\intbl a1\cell b1\cell\row\pard fim\par})",
         "a1|b1|fim"},
        {"starred destinations skipped", R"({\rtf1{\*\generator Writer;}{\*\unknown {x}y}z})", "z"},
        {"stylesheet, info, header skipped",
         R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}{\header cab}texto})",
         "texto"},
        {"field result kept, instruction skipped",
         R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt liga\'e7\'e3o}}})", "ligação"},
        {"old-style field instruction skipped", R"({\rtf1{\field{\fldinst PAGE}{\fldrslt 3}}})",
         "3"},
        {"font table names do not leak",
         R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1 Times;}}\f1 texto})", "texto"},
        {"colour table does not leak", R"({\rtf1{\colortbl;\red255\green0\blue0;}\cf1 x})", "x"},
        {"binary data skipped", "{\\rtf1{\\*\\blob\\bin4 " + std::string("\x01}{\\", 4) + "}y}",
         "y"},
        {"optional hyphen dropped", R"({\rtf1 vi\-ga})", "viga"},
        {"hidden text dropped", R"({\rtf1 a{\v escondido}b\v c\v0 d})", "abd"},
        {"trailing par closes the last paragraph", R"({\rtf1 a\par b\par })", "a|b"},
        {"empty document", R"({\rtf1 })", ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(paragraphs_of(c.rtf), c.paragraphs) << c.name;
    }
}

// Malformed input: a clear failure, or the best document the text allows,
// and never a crash or a hang.
TEST_F(RtfReader, MalformedInput) {
    const std::string deep = "{\\rtf1 " + std::string(5000, '{') + "x";
    const TextCase cases[] = {
        {"empty", "", "FAILED: Not the correct file format"},
        {"plain text", "hello", "FAILED: Not the correct file format"},
        {"cut in the signature", "{\\rt", "FAILED: Not the correct file format"},
        {"no opening brace", "\\rtf1 x", "FAILED: Not the correct file format"},
        {"binary junk", std::string("\x89PNG\r\n\x1a\n\x00\x00", 10),
         "FAILED: Not the correct file format"},
        {"nesting beyond reason", deep, "FAILED: Not the correct file format"},
        {"truncated group", "{\\rtf1 abc{\\b def", "abcdef"},
        {"truncated control word", "{\\rtf1 abc\\pa", "abc"},
        {"truncated hex escape", "{\\rtf1 abc\\'4", "abc"},
        {"backslash at the end", "{\\rtf1 abc\\", "abc"},
        {"bad hex escape dropped", "{\\rtf1 a\\'zzb}", "ab"},
        {"too many closing braces", "{\\rtf1 abc}}}} def", "abc"},
        // \u beyond 16 bits is U+FFFF; \uc is at most 10 characters.
        {"absurd parameters",
         "{\\rtf1\\fs999999999999999999999\\li-99999999999 x\\u99999999?y"
         "{\\uc99999 \\u955 abcdefghijklmnop}}",
         "x\xEF\xBF\xBFyλklmnop"},
        {"huge binary length", "{\\rtf1 a{\\*\\x\\bin999999999 zz}", "a"},
        {"picture with junk data", "{\\rtf1 a{\\pict\\pngblip 0123zz89}b}", "ab"},
        {"picture with odd hex", "{\\rtf1 a{\\pict\\jpegblip fff}b}", "ab"},
        {"leading white space", "  \r\n{\\rtf1 ok}", "ok"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(paragraphs_of(c.rtf), c.paragraphs) << c.name;
    }
}

TEST_F(RtfReader, AbsurdNumbersAreBoundedInTheDocument) {
    QTextDocument doc;
    ASSERT_TRUE(
        read_rtf("{\\rtf1\\fs99999999\\li99999999\\fi-99999999 x\\par\\pard\\fs0 y}", doc).ok());
    const QTextBlock first = doc.firstBlock();
    EXPECT_EQ(first.begin().fragment().charFormat().fontPointSize(), 1638.0);
    // 22 inches of indent at most: 31680 twips = 2112 pixels.
    EXPECT_EQ(first.blockFormat().leftMargin(), 2112.0);
    EXPECT_EQ(first.blockFormat().textIndent(), -2112.0);
    EXPECT_EQ(first.next().begin().fragment().charFormat().fontPointSize(), 1.0);
}

TEST_F(RtfReader, FailureLeavesTheDocumentAsItWas) {
    QTextDocument doc;
    QTextCursor(&doc).insertText("relatório anterior");
    const Status s = read_rtf("isto não é RTF", doc);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error(), kNotRtf);
    EXPECT_EQ(doc.toPlainText().toStdString(), "relatório anterior");
}

TEST_F(RtfReader, CharacterAndParagraphState) {
    QTextDocument doc;
    const char* text =
        R"({\rtf1\ansi\deff1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss Arial;}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green128\blue0;})"
        R"(\pard\qc\li720\ri360\fi-360\fs28\b\i\ul\strike\cf2 a\plain b)"
        R"({\b c}d\ul e\ulnone f\par x\pard y})";
    ASSERT_TRUE(read_rtf(text, doc).ok());
    const auto d = testing::describe(doc);
    ASSERT_EQ(d.size(), 2u);
    // \li720 = 48 px, \ri360 = 24 px, \fi-360 = -24 px; \plain: \deff font, 12 pt.
    EXPECT_EQ(d[0],
              "[centre first=-24 left=48 right=24]"
              " {Arial 14pt bold italic underline strike #008000 \"a\"}"
              " {Arial 12pt auto \"b\"}"
              " {Arial 12pt bold auto \"c\"}"
              " {Arial 12pt auto \"d\"}"
              " {Arial 12pt underline auto \"e\"}"
              " {Arial 12pt auto \"f\"}");
    // A paragraph takes the paragraph format in force at its end: \pard came
    // before its last character.
    EXPECT_EQ(d[1], "[left first=0 left=0 right=0] {Arial 12pt auto \"xy\"}");
}

TEST_F(RtfReader, PicturesPngAndJpegOnlyWithTheirShownSize) {
    const QImage picture = testing::test_picture();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "JPEG", 95));
    const std::string hex = jpeg.toHex().toStdString();
    // 900 x 450 twips = 60 x 30 px, scaled by 50% horizontally = 30 x 30.
    const std::string text = "{\\rtf1 a{\\pict\\jpegblip\\picwgoal900\\pichgoal450\\picscalex50 " +
                             hex + "}b{\\pict\\wmetafile8 0100090000}{\\pict\\emfblip 01000000}c}";
    QTextDocument doc;
    ASSERT_TRUE(read_rtf(text, doc).ok());
    const auto d = testing::describe(doc);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_NE(d[0].find("\"a\"} {picture 40x30 shown 30x30 centre pixel #"), std::string::npos)
        << d[0];
    EXPECT_NE(d[0].find("\"bc\""), std::string::npos) << d[0];
    int pictures = 0;
    for (auto it = doc.firstBlock().begin(); !it.atEnd(); ++it) {
        pictures += it.fragment().charFormat().isImageFormat() ? 1 : 0;
    }
    EXPECT_EQ(pictures, 1);  // the metafiles are skipped
}

TEST_F(RtfReader, FontCharsetChoosesTheCodePage) {
    if (!QStringDecoder("windows-1253").isValid())
        GTEST_SKIP() << "no Greek code page in Qt";
    // In Windows-1253, 0xEB is λ; in the default Windows-1252 it is ë.
    EXPECT_EQ(paragraphs_of(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset161 Arial Greek;}})"
                            R"(\f0\'eb\f1\'eb})"),
              "ëλ");
}

}  // namespace
}  // namespace quintaro::rtf
