// Report files of quintaro-lote: the report written into a document, saved as
// RTF and read back (by our reader and by LibreOffice when installed) with the
// same paragraphs; the file of each checked row named after the row, window
// and designation; a PDF beside it with --pdf.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "checks/windows.h"
#include "lote.h"
#include "report/report.h"
#include "report/rtf/rtf.h"
#include "report_document.h"
#include "report_testing.h"

namespace {

namespace fs = std::filesystem;
using quintaro::report::RecordingSink;
using quintaro::report::testing::Window;

class LoteReports : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (QGuiApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "lote_reports_test";
            static char* argv[] = {name, nullptr};
            app_ = new QGuiApplication(argc, argv);
        }
    }
    static QGuiApplication* app_;
};
QGuiApplication* LoteReports::app_ = nullptr;

// A rolled I in compression with shear and a moment about x: every kind of
// line (headings, steps, green and red verdicts).
Window checked_window() {
    Window w("TForm_I_Laminado");
    auto& b = w.boxes.values;
    const std::pair<const char*, const char*> values[] = {
        {"R_Perfil", "W 150 x 13,0"},
        {"R_d", "148"},
        {"R_bf", "100"},
        {"R_tw", "4,3"},
        {"R_tf", "4,9"},
        {"R_Ag", "16,6"},
        {"R_Peso", "13"},
        {"R_Ix", "635"},
        {"R_Iy", "82"},
        {"R_Wx", "85,8"},
        {"R_Wy", "16,4"},
        {"R_Zx", "96,4"},
        {"R_Zy", "25,5"},
        {"R_IT", "1,72"},
        {"Compri_x", "300"},
        {"Compri_y", "300"},
        {"Compri_z", "300"},
        {"R_Nd", "-150"},
        {"R_Vd", "20"},
        {"R_Mdx", "400"},
        {"R_Mdy", "0"},
    };
    for (const auto& [box, text] : values)
        b[box] = text;
    EXPECT_TRUE(w.calculate());
    return w;
}

std::vector<std::string> recorded_texts(Window& w) {
    std::vector<std::string> out;
    for (const auto& line : w.report())
        out.push_back(line.picture ? "[figura]" : line.text);
    return out;
}

std::vector<std::string> document_texts(const QTextDocument& document) {
    std::vector<std::string> out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        out.push_back(text == QString(QChar::ObjectReplacementCharacter) ? "[figura]"
                                                                         : text.toStdString());
    }
    return out;
}

std::string read_file(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

fs::path fresh_dir(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / (name + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

TEST_F(LoteReports, DocumentHoldsTheReportParagraphsAndColours) {
    Window w = checked_window();
    QTextDocument document;
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    quintaro::lote::DocumentSink sink(document, picture);
    ASSERT_TRUE(
        quintaro::report::write_report(quintaro::checks::WindowKind::I_Laminado, *w.state, sink));
    EXPECT_EQ(document_texts(document), recorded_texts(w));

    // The title at 12 points in bold underline; a failing verdict in red,
    // the line after it in the automatic colour.
    const QTextBlock title = document.begin().next();
    const QTextCharFormat title_format = title.begin().fragment().charFormat();
    EXPECT_EQ(title_format.fontPointSize(), 12);
    EXPECT_TRUE(title_format.fontUnderline());
    EXPECT_EQ(title_format.fontWeight(), QFont::Bold);
    // The first failing verdict (compression, 150 kN above its resistance)
    // is followed by the shear heading in the automatic colour.
    bool saw_red = false;
    for (QTextBlock b = document.begin(); b.isValid() && !saw_red; b = b.next()) {
        if (b.text() != QStringLiteral("Não Ok! Perfil não suporta ao esforço solicitado!"))
            continue;
        saw_red = true;
        EXPECT_EQ(b.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
        const QTextBlock after = b.next().next().next();
        ASSERT_TRUE(after.isValid());
        EXPECT_EQ(after.text(), QStringLiteral("Verificação do Esforço Cortante"));
        EXPECT_FALSE(
            after.begin().fragment().charFormat().hasProperty(QTextFormat::ForegroundBrush));
    }
    EXPECT_TRUE(saw_red);
}

TEST_F(LoteReports, RtfReadsBackWithTheSameParagraphs) {
    Window w = checked_window();
    QTextDocument document;
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    quintaro::lote::DocumentSink sink(document, picture);
    ASSERT_TRUE(
        quintaro::report::write_report(quintaro::checks::WindowKind::I_Laminado, *w.state, sink));
    QTextDocument back;
    ASSERT_TRUE(quintaro::rtf::read_rtf(quintaro::rtf::write_rtf(document), back).ok());
    EXPECT_EQ(document_texts(back), recorded_texts(w));
}

TEST_F(LoteReports, LibreOfficeReadsTheSameParagraphs) {
    if (std::system("command -v soffice > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice is not installed";
    Window w = checked_window();
    QTextDocument document;
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    quintaro::lote::DocumentSink sink(document, picture);
    ASSERT_TRUE(
        quintaro::report::write_report(quintaro::checks::WindowKind::I_Laminado, *w.state, sink));
    const fs::path dir = fresh_dir("lote_reports_lo_");
    ASSERT_TRUE(quintaro::rtf::save_rtf_file(
                    document, QString::fromStdString((dir / "relatorio.rtf").string()))
                    .ok());
    const std::string command = "cd '" + dir.string() + "' && HOME='" + dir.string() +
                                "' timeout 120 soffice --headless --convert-to txt:Text "
                                "relatorio.rtf > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string text = read_file(dir / "relatorio.txt");
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    // The text export leaves the picture's paragraph empty.
    std::vector<std::string> expected = recorded_texts(w);
    expected.front() = "";
    while (!lines.empty() && lines.back().empty() && lines.size() > expected.size())
        lines.pop_back();
    EXPECT_EQ(lines, expected);
    fs::remove_all(dir);
}

TEST(LoteReportNames, RowWindowAndDesignationWithUnsafeCharactersReplaced) {
    using quintaro::lote::report_file_stem;
    EXPECT_EQ(report_file_stem(7, "TForm_I_Laminado", "W 150 x 13,0"),
              "0007-TForm_I_Laminado-W_150_x_13,0");
    EXPECT_EQ(report_file_stem(12345, "TI_Soldado", " CS 250 x 52 "),
              "12345-TI_Soldado-CS_250_x_52");
    EXPECT_EQ(report_file_stem(1, "TL_Laminado", "L 2\"/1:4*?<>|"),
              "0001-TL_Laminado-L_2__1_4_____");
}

TEST(LoteReportFiles, EveryCheckedRowGetsItsRtfAndPdf) {
    const fs::path dir = fresh_dir("lote_reports_run_");
    std::ofstream(dir / "in.csv", std::ios::binary)
        << "janela;perfil;Compri_x;Compri_y;Compri_z;R_Nd;R_Vd;R_Mdx;R_Mdy;R_e\n"
           "TForm_I_Laminado;I 100 x 11,5;300;300;300;-50;10;200;0;\n"
           "TForm_I_Laminado;I 100 x 11,5;abc;300;300;-50;10;200;0;\n"
           "TLU_Laminado;L 51 x 51 x 4,8;100;100;;-30;;;;8\n";
    const std::string command = "cd '" + dir.string() +
                                "' && '" QUINTARO_LOTE_EXE "' --tables '" QUINTARO_TABLES_DIR
                                "' --reports rel --pdf in.csv > out.csv 2> err.txt";
    const int raw = std::system(command.c_str());
    // The second row stops on its text: exit 1, and no report of it.
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir / "rel"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{
                         "0001-TForm_I_Laminado-I_100_x_11,5.pdf",
                         "0001-TForm_I_Laminado-I_100_x_11,5.rtf",
                         "0003-TLU_Laminado-L_51_x_51_x_4,8.pdf",
                         "0003-TLU_Laminado-L_51_x_51_x_4,8.rtf",
                     }));
    EXPECT_EQ(read_file(dir / "rel" / "0001-TForm_I_Laminado-I_100_x_11,5.pdf").substr(0, 5),
              "%PDF-");
    const std::string rtf = read_file(dir / "rel" / "0003-TLU_Laminado-L_51_x_51_x_4,8.rtf");
    EXPECT_EQ(rtf.substr(0, 6), "{\\rtf1");
    EXPECT_NE(rtf.find("\\pict"), std::string::npos);  // the section drawing
    EXPECT_NE(rtf.find("Espa\\'e7adores no m\\'e1ximo a cada"), std::string::npos);
    fs::remove_all(dir);
}

// A batch has no window: whatever platform the environment names (an X11 or
// Wayland session without a display), the reports are painted offscreen.
TEST(LoteReportFiles, PaintedOffscreenWhateverThePlatform) {
    for (const char* platform : {"xcb", "wayland", "nenhuma"}) {
        const fs::path dir = fresh_dir("lote_reports_platform_");
        std::ofstream(dir / "in.csv", std::ios::binary)
            << "janela;perfil;Compri_x;Compri_y;Compri_z;R_Nd\n"
               "TForm_I_Laminado;I 100 x 11,5;300;300;300;-50\n";
        const std::string command =
            "cd '" + dir.string() +
            "' && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=" + platform +
            " '" QUINTARO_LOTE_EXE "' --tables '" QUINTARO_TABLES_DIR
            "' --reports rel --pdf in.csv > out.csv 2> err.txt";
        const int raw = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0)
            << platform << ": " << read_file(dir / "err.txt");
        EXPECT_NE(read_file(dir / "out.csv").find("Ok!"), std::string::npos) << platform;
        EXPECT_EQ(read_file(dir / "rel" / "0001-TForm_I_Laminado-I_100_x_11,5.pdf").substr(0, 5),
                  "%PDF-")
            << platform;
        fs::remove_all(dir);
    }
}

TEST(LoteReportFiles, PdfWithoutReportsIsRefused) {
    const std::string command = "'" QUINTARO_LOTE_EXE "' --pdf < /dev/null > /dev/null 2>&1";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
}

}  // namespace
