#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

#include "checks/windows.h"
#include "gui_testing.h"
#include "shell/application.h"
#include "shell/member_descriptor.h"
#include "shell/member_window.h"

namespace quintaro::testing {
namespace {

using checks::WindowKind;

// Results on screen belong to what the window shows: every change of what the
// check reads clears them. The program's windows over the test tables; the
// rolled H rows by D are W 150 x 13,0, W 200 x 15,0, W 250 x 17,9. Tension
// Nd = 100 kN passes on each (Rd = 0,9·Ag·25 >= 373,5 kN).
class StaleResults : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    std::unique_ptr<shell::Windows> windows = fresh();

    std::unique_ptr<shell::Windows> fresh() const {
        return std::make_unique<shell::Windows>(folder.location());
    }
    shell::MemberWindow* window(const char* class_name) const {
        return qobject_cast<shell::MemberWindow*>(windows->find(QString::fromLatin1(class_name)));
    }
    // "Calcular" with tension in every window: its first result shows "Ok!".
    static void calculated(shell::MemberWindow* w) {
        const bool tee = w->boxes().has("R_Ntd");
        child<QLineEdit>(w, tee ? "R_Ntd" : "R_Nd")->setText(QStringLiteral("100"));
        ASSERT_TRUE(w->calculate());
        const char* verdict = tee ? "Resposta2" : "resposta1";
        ASSERT_EQ(child<QLineEdit>(w, verdict)->text(), "Ok!");
        ASSERT_TRUE(w->check_complete());
    }
    // Every result "0,00", every verdict empty, no finished check.
    static void expect_cleared(shell::MemberWindow* w, const std::string& after) {
        for (const shell::ResultBox& r : w->descriptor().results) {
            EXPECT_EQ(child<QLineEdit>(w, r.box)->text(), "0,00") << after << " " << r.box;
            if (r.verdict != nullptr) {
                EXPECT_EQ(child<QLineEdit>(w, r.verdict)->text(), "") << after << " " << r.verdict;
            }
        }
        EXPECT_FALSE(w->check_complete()) << after;
    }
};

TEST_F(StaleResults, EveryChangeOfWhatTheCheckReadsClearsTheResults) {
    const auto nav = [](const char* button) {
        return [button](shell::MemberWindow* w) { child<QToolButton>(w, button)->click(); };
    };
    const struct {
        const char* name;
        const char* window;
        std::function<void(shell::MemberWindow*)> change;
    } cases[] = {
        {"navigator", "TForm_H_Laminado", nav("Next")},
        {"delete", "TForm_H_Laminado", nav("Delete")},
        {"insert", "TForm_H_Laminado", nav("Insert")},
        {"series", "TI_Soldado",
         [](shell::MemberWindow* w) { child<QComboBox>(w, "Serie")->setCurrentText("CVS"); }},
        {"typed input", "TForm_H_Laminado",
         [](shell::MemberWindow* w) {
             QTest::keyClicks(child<QLineEdit>(w, "Compri_x"), QStringLiteral("3"));
         }},
        {"typed panel box", "TForm_H_Laminado",
         [](shell::MemberWindow* w) {
             child<QToolButton>(w, "Edit")->click();
             QTest::keyClicks(child<QLineEdit>(w, "R_tw"), QStringLiteral("1"));
         }},
        {"steel", "TForm_H_Laminado",
         [this](shell::MemberWindow*) {
             child<QToolButton>(windows->find(QStringLiteral("TEscolhe_Aco")), "Next")->click();
         }},
    };
    for (const auto& c : cases) {
        windows = fresh();
        shell::MemberWindow* w = window(c.window);
        calculated(w);
        c.change(w);
        expect_cleared(w, c.name);
    }
}

// The same in all thirteen windows, through the first input box; and what
// changes nothing the check reads (the window activated again, the order by
// weight and back on the same row) keeps them.
TEST_F(StaleResults, EveryWindowClearsOnATypedInputAndKeepsResultsOtherwise) {
    for (QWidget* widget : windows->all()) {
        auto* w = qobject_cast<shell::MemberWindow*>(widget);
        if (w == nullptr) {
            continue;
        }
        const std::string name = shell::class_name(w).toStdString();
        calculated(w);
        ASSERT_TRUE(w->shown_table()->set_index_tag("PESO"));
        w->FormActivate();
        EXPECT_TRUE(w->check_complete()) << name;
        const char* verdict = w->boxes().has("R_Ntd") ? "Resposta2" : "resposta1";
        EXPECT_EQ(child<QLineEdit>(w, verdict)->text(), "Ok!") << name;
        QTest::keyClicks(child<QLineEdit>(w, w->descriptor().inputs[0].box), QStringLiteral("5"));
        expect_cleared(w, name);
    }
}

}  // namespace
}  // namespace quintaro::testing
