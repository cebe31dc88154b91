#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "gui_testing.h"
#include "scripted_dialogs.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/member_window.h"
#include "shell/reporte/reporte.h"
#include "shell/reporte/rich_edit.h"

namespace quintaro::testing {
namespace {

// "Relatório" in the rolled I window writes the report of its check into the
// report window, the section drawing first.
TEST(Relatorio, WritesTheLastCheckIntoTheReportWindowAfterThePicture) {
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::Windows windows(folder.location());
    QWidget* window = windows.find(QStringLiteral("TForm_I_Laminado"));
    QWidget* report = windows.find(QStringLiteral("TReporte"));
    ASSERT_NE(window, nullptr);
    ASSERT_NE(report, nullptr);
    child<QLineEdit>(window, "R_Nd")->setText("100");
    child<QPushButton>(window, "BitBtn1")->click();
    child<QPushButton>(window, "BitBtn2")->click();
    EXPECT_TRUE(report->isVisible());
    auto* text = report->findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    ASSERT_NE(text, nullptr);
    const QString plain = text->document()->toPlainText();
    EXPECT_TRUE(plain.contains(QStringLiteral("W 150 x 13,0"))) << plain.left(400).toStdString();
    EXPECT_TRUE(plain.contains(QStringLiteral("373,5"))) << plain.left(2000).toStdString();
    EXPECT_TRUE(text->document()->toHtml().contains(QStringLiteral("<img")));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

// Ending the program over a report with edits not saved asks first;
// "Cancelar" keeps the program running.
TEST(Relatorio, EndingTheProgramOverAnEditedReportAsksFirst) {
    CatalogueFolder folder;
    shell::Windows windows(folder.location());
    auto* report = qobject_cast<reporte::TReporte*>(windows.find(QStringLiteral("TReporte")));
    ASSERT_NE(report, nullptr);
    auto* scripted = new reporte::testing::ScriptedDialogs;
    report->setDialogs(std::unique_ptr<reporte::ReporteDialogs>(scripted));
    shell::TForm1& main = windows.main_window();
    main.show();
    EXPECT_TRUE(main.close());  // nothing edited: no question
    main.show();
    report->appendParagraph("nota", 11, {});
    scripted->answers.push_back(reporte::ReporteDialogs::SaveAnswer::Cancel);
    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    scripted->answers.push_back(reporte::ReporteDialogs::SaveAnswer::Discard);
    EXPECT_TRUE(main.close());
    EXPECT_EQ(scripted->questions.size(), 2);
}

}  // namespace
}  // namespace quintaro::testing
