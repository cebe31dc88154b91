#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "catalogue/table.h"
#include "gui_testing.h"
#include "shell/application.h"
#include "shell/member_window.h"

namespace quintaro::testing {
namespace {

// "Mais Leve" pressed in the rolled I window of the program. By weight the
// test rows run W 200 x 15,0 (Ag 19,4), W 250 x 17,9 (Ag 23,1), W 150 x 13,0
// (Ag 16,6, stored as the heaviest). Tension with fy = 25 and fu = 40:
// Rd = 0,9·Ag·25 (yield governs): 436,5, 519,75 and 373,5 kN.
struct SearchCase {
    const char* name;
    const char* Nd;
    const char* found;
    const char* result;
    const char* verdict;
};

const SearchCase kSearches[] = {
    {"the lightest passes", "400", "W 200 x 15,0", "436,50", "Ok!"},
    {"the second passes", "450", "W 250 x 17,9", "519,75", "Ok!"},
    {"none passes: the heaviest stays", "600", "W 150 x 13,0", "373,50", "Não Ok!"},
};

TEST(MaisLeve, StopsAtTheLightestPassingSectionAndShowsItsResult) {
    for (const SearchCase& c : kSearches) {
        CapturedDialogs dialogs;
        CatalogueFolder folder;
        shell::Windows windows(folder.location());
        auto* window =
            qobject_cast<shell::MemberWindow*>(windows.find(QStringLiteral("TForm_I_Laminado")));
        ASSERT_NE(window, nullptr);
        child<QLineEdit>(window, "R_Nd")->setText(c.Nd);
        child<QPushButton>(window, "BitBtn3")->click();
        EXPECT_EQ(child<QLineEdit>(window, "R_Perfil")->text(), c.found) << c.name;
        EXPECT_EQ(child<QLineEdit>(window, "R_RdNd")->text(), c.result) << c.name;
        EXPECT_EQ(child<QLineEdit>(window, "resposta1")->text(), c.verdict) << c.name;
        EXPECT_EQ(window->shown_table()->order_name(), "PESO") << c.name;
    }
}

}  // namespace
}  // namespace quintaro::testing
