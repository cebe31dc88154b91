#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "gui_testing.h"
#include "shell/application.h"
#include "shell/member_window.h"

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

}  // namespace
}  // namespace quintaro::testing
