#include <gtest/gtest.h>
#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include <functional>

#include "gui_testing.h"
#include "report/rtf/rtf.h"
#include "scripted_dialogs.h"
#include "shell/escolhe_aco.h"
#include "shell/member_windows.h"
#include "shell/report_sink.h"
#include "shell/reporte/reporte.h"
#include "shell/reporte/rich_edit.h"

namespace quintaro::testing {
namespace {

// "Relatório" of a member window into the report window. The first rolled I
// row of the test tables is W 150 x 13,0 (Ag = 16,6 cm²), steel fy = 25 kN/cm².
class RelatorioButton : public ::testing::Test {
  protected:
    RelatorioButton() {
        for (shell::MemberWindow* w : {static_cast<shell::MemberWindow*>(&rolled),
                                       static_cast<shell::MemberWindow*>(&welded)}) {
            w->set_report_action(
                [this](shell::MemberWindow& m) { shell::write_report_into(m, report); });
        }
    }

    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::TEscolhe_Aco steel{folder.location()};
    shell::WindowContext context{folder.location(), &steel};
    shell::TForm_I_Laminado rolled{context};
    shell::TI_Soldado welded{context};
    reporte::TReporte report;

    static void set(QWidget* w, const char* box, const char* text) {
        child<QLineEdit>(w, box)->setText(QString::fromUtf8(text));
    }
    static void press(QWidget* w, const char* button) { child<QPushButton>(w, button)->click(); }
    QStringList paragraphs() const {
        QStringList out;
        const QTextDocument* d = report.RichEdit1->document();
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
            out << b.text();
        return out;
    }
};

TEST_F(RelatorioButton, PicturePastedFirstAndLeftOnTheClipboard) {
    set(&rolled, "R_Nd", "100");
    press(&rolled, "BitBtn1");
    press(&rolled, "BitBtn2");
    EXPECT_TRUE(report.isVisible());
    const QStringList p = paragraphs();
    ASSERT_GT(p.size(), 20);
    EXPECT_EQ(p[0], QString(QChar::ObjectReplacementCharacter));
    EXPECT_EQ(p[1], QStringLiteral("Dimensionamento Perfil I Laminado"));
    EXPECT_TRUE(p.contains(QStringLiteral("Rd(Nd) = 373,50 kN")));
    const QImage held = QGuiApplication::clipboard()->image();
    EXPECT_FALSE(held.isNull());
    EXPECT_EQ(held.size(), rolled.section_picture().size());
}

TEST_F(RelatorioButton, FirstReportRunsTheCheckAndASecondReportReplacesTheFirst) {
    set(&rolled, "R_Nd", "100");
    press(&rolled, "BitBtn2");  // no "Calcular" yet
    EXPECT_EQ(child<QLineEdit>(&rolled, "R_RdNd")->text(), QStringLiteral("373,50"));
    const QStringList first = paragraphs();
    press(&rolled, "BitBtn2");
    EXPECT_EQ(paragraphs(), first);
}

// "Relatório" after something the check reads has changed runs "Calcular"
// first: the report and the window then show the same member.
TEST_F(RelatorioButton, AfterAChangeTheReportDescribesWhatTheWindowShows) {
    const struct {
        const char* name;
        std::function<void()> change;
        const char* printed;
        const char* gone;
    } cases[] = {
        {"Mdx typed", [this] { set(&rolled, "R_Mdx", "90000"); }, "Mdx = 90000,00 kN*cm",
         "Mdx = 20000,00 kN*cm"},
        {"steel chosen", [this] { child<QToolButton>(&steel, "Last")->click(); }, "Tipo = AR350",
         "Tipo = ASTM A36"},
    };
    for (const auto& c : cases) {
        child<QToolButton>(&steel, "First")->click();
        set(&rolled, "Compri_x", "100");
        set(&rolled, "Compri_y", "100");
        set(&rolled, "Compri_z", "100");
        set(&rolled, "R_Mdx", "20000");
        press(&rolled, "BitBtn1");
        c.change();
        press(&rolled, "BitBtn2");
        const QStringList p = paragraphs();
        EXPECT_TRUE(p.contains(QString::fromUtf8(c.printed))) << c.name;
        EXPECT_FALSE(p.contains(QString::fromUtf8(c.gone))) << c.name;
        EXPECT_TRUE(rolled.check_complete()) << c.name;
        EXPECT_NE(child<QLineEdit>(&rolled, "R_RdMdx")->text(), "0,00") << c.name;
    }
}

TEST_F(RelatorioButton, WeldedReportIsWrittenInGreekLetters) {
    set(&welded, "R_Nd", "-100");
    set(&welded, "Compri_x", "300");
    set(&welded, "Compri_y", "300");
    press(&welded, "BitBtn1");
    press(&welded, "BitBtn2");
    EXPECT_TRUE(report.isVisible());
    const QStringList p = paragraphs();
    ASSERT_GT(p.size(), 2);
    EXPECT_EQ(p[1], QStringLiteral("Dimensionamento Perfil I Soldado"));
    EXPECT_TRUE(p.contains(QStringLiteral("λx = Lflx/rx")));
}

TEST_F(RelatorioButton, SavedRtfReadsBackWithTheSameParagraphs) {
    set(&rolled, "R_Nd", "-150");
    set(&rolled, "R_Vd", "20");
    set(&rolled, "R_Mdx", "400");
    set(&rolled, "Compri_x", "300");
    set(&rolled, "Compri_y", "300");
    set(&rolled, "Compri_z", "300");
    press(&rolled, "BitBtn1");
    press(&rolled, "BitBtn2");
    QTextDocument back;
    ASSERT_TRUE(rtf::read_rtf(rtf::write_rtf(*report.RichEdit1->document()), back).ok());
    QStringList read;
    for (QTextBlock b = back.begin(); b.isValid(); b = b.next())
        read << b.text();
    EXPECT_EQ(read, paragraphs());
}

// What is typed in "Dados do relatório" reaches the report writer with the
// date, the standard and the program.
TEST_F(RelatorioButton, ReportDataReachesTheWriter) {
    auto* scripted = new reporte::testing::ScriptedDialogs;
    report.setDialogs(std::unique_ptr<reporte::ReporteDialogs>(scripted));
    report::ReportHeader typed;
    typed.project = "Galpão Norte";
    typed.member = "V-12";
    typed.engineer = "Eng. Ana Lima";
    scripted->data = typed;
    report.findChild<QAction*>("DadosRelatorio1")->trigger();
    set(&rolled, "R_Nd", "100");
    std::optional<report::ReportHeader> given;
    shell::write_report_into(rolled, report,
                             [&given](checks::WindowKind kind, checks::Boxes& boxes,
                                      checks::Messages& messages, report::CheckedState checked,
                                      report::ReportSink& sink, const report::ReportHeader& h) {
                                 given = h;
                                 return report::write_window_report(kind, boxes, messages, checked,
                                                                    sink, h);
                             });
    ASSERT_TRUE(given);
    EXPECT_EQ(given->project, "Galpão Norte");
    EXPECT_EQ(given->member, "V-12");
    EXPECT_EQ(given->engineer, "Eng. Ana Lima");
    EXPECT_EQ(given->date, QDate::currentDate().toString("dd/MM/yyyy").toStdString());
    EXPECT_EQ(given->standard, "NBR 8800:1986");
    EXPECT_EQ(given->program, "Quintaro");
    EXPECT_EQ(given->version, report::program_version());
    EXPECT_TRUE(paragraphs().contains(QStringLiteral("Rd(Nd) = 373,50 kN")));
}

// A report the user has edited is not written over without asking:
// "Cancelar" keeps it, edits and all; "Descartar" lets the new one in.
TEST_F(RelatorioButton, NewReportOverAnEditedOneAsksFirst) {
    auto* scripted = new reporte::testing::ScriptedDialogs;
    report.setDialogs(std::unique_ptr<reporte::ReporteDialogs>(scripted));
    set(&rolled, "R_Nd", "100");
    press(&rolled, "BitBtn2");
    const QStringList written = paragraphs();
    EXPECT_FALSE(report.RichEdit1->document()->isModified());
    report.RichEdit1->moveCursor(QTextCursor::End);
    QTest::keyClicks(report.RichEdit1, "nota");
    scripted->answers.push_back(reporte::ReporteDialogs::SaveAnswer::Cancel);
    press(&rolled, "BitBtn2");
    EXPECT_EQ(scripted->questions.size(), 1);
    EXPECT_EQ(paragraphs().last(), written.last() + "nota");
    scripted->answers.push_back(reporte::ReporteDialogs::SaveAnswer::Discard);
    press(&rolled, "BitBtn2");
    EXPECT_EQ(scripted->questions.size(), 2);
    EXPECT_EQ(paragraphs(), written);
    EXPECT_FALSE(report.RichEdit1->document()->isModified());
}

}  // namespace
}  // namespace quintaro::testing
