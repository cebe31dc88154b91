#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <vector>

#include "gui_testing.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/member_window.h"

namespace quintaro::testing {
namespace {

// Working from the keyboard, and windows that fit the screen and grow.
class Keyboard : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::Windows windows{folder.location()};

    shell::MemberWindow* opened(const char* class_name) {
        auto* w = qobject_cast<shell::MemberWindow*>(windows.find(QString::fromLatin1(class_name)));
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        return w;
    }
};

// W 150 x 13,0 in tension: Rd = 0,9·16,6·25 = 373,5 kN.
TEST_F(Keyboard, EnterInAnInputBoxCalculates) {
    shell::MemberWindow* w = opened("TForm_I_Laminado");
    QLineEdit* force = child<QLineEdit>(w, "R_Nd");
    force->setFocus();
    force->selectAll();
    QTest::keyClicks(force, QStringLiteral("100"));
    QTest::keyClick(force, Qt::Key_Return);
    EXPECT_EQ(child<QLineEdit>(w, "R_RdNd")->text(), "373,50");
    EXPECT_EQ(child<QLineEdit>(w, "resposta1")->text(), "Ok!");
    w->close();
}

// Tab from the first input walks the inputs, the buttons, the designation and
// the series, then comes back; never a result box or a read-only panel box.
TEST_F(Keyboard, TabWalksInputsAndButtonsOnly) {
    const struct {
        const char* window;
        std::vector<const char*> chain;
    } cases[] = {
        {"TI_Soldado",
         {"Compri_x", "Compri_y", "Compri_z", "R_Nd", "R_Vd", "R_Mdx", "R_Mdy", "BitBtn1",
          "BitBtn2", "BitBtn3", "SpeedButton1", "R_Perfil", "Serie", "Compri_x"}},
        {"TLX_Laminado",
         {"Compri_x", "Compri_y", "R_e", "R_Nd", "BitBtn4", "BitBtn2", "BitBtn3", "SpeedButton1",
          "R_Perfil", "Compri_x"}},
    };
    for (const auto& c : cases) {
        shell::MemberWindow* w = opened(c.window);
        std::vector<std::string> walked;
        for (std::size_t i = 0; i < c.chain.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr) << c.window;
            walked.push_back(focus->objectName().toStdString());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        EXPECT_EQ(walked, std::vector<std::string>(c.chain.begin(), c.chain.end())) << c.window;
        w->close();
    }
}

// Each member window fits a 1366 x 768 screen (less a title bar) and can be
// maximised: the drawing grows with it.
TEST_F(Keyboard, MemberWindowsFitTheScreenAndGrow) {
    for (QWidget* widget : windows.all()) {
        auto* w = qobject_cast<shell::MemberWindow*>(widget);
        if (w == nullptr) {
            continue;
        }
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        EXPECT_LE(least.width(), 1366) << w->objectName().toStdString();
        EXPECT_LE(least.height(), 768 - 40) << w->objectName().toStdString();
        EXPECT_TRUE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
        w->show();
        auto* picture = child<QLabel>(w, "Image1");
        const int before = picture->pixmap().width();
        w->resize(1366, 728);
        QApplication::processEvents();
        EXPECT_GT(picture->pixmap().width(), before) << w->objectName().toStdString();
        w->close();
    }
}

TEST_F(Keyboard, MenusHaveAcceleratorsAndF1OpensTheHelp) {
    shell::TForm1& main = windows.main_window();
    for (const char* item : {"Sair1", "Ao1", "Notaes1", "Conteudo", "Sobre1"}) {
        EXPECT_TRUE(main.findChild<QAction*>(QString::fromLatin1(item))->text().contains('&'))
            << item;
    }
    EXPECT_EQ(main.findChild<QAction*>(QStringLiteral("Conteudo"))->shortcut(),
              QKeySequence(Qt::Key_F1));
}

}  // namespace
}  // namespace quintaro::testing
