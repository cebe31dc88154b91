#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "gui_testing.h"
#include "shell/escolhe_aco.h"

namespace quintaro::testing {
namespace {

class Steel : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::TEscolhe_Aco window{folder.location()};
    QString box(const char* name) { return child<QLineEdit>(&window, name)->text(); }
};

TEST_F(Steel, ShowsTheCurrentGradeAndTheFixedConstants) {
    EXPECT_EQ(window.windowTitle(), "Tipo de Aço");
    EXPECT_EQ(box("tipo_aco"), "ASTM A36");
    EXPECT_EQ(box("fy_aco"), "25");
    EXPECT_EQ(box("fu_aco"), "40");
    EXPECT_EQ(box("E_aco"), "20500");
    EXPECT_EQ(box("G_aco"), "7892,5");
    EXPECT_NE(child<QWidget>(&window, "DBNavigator1"), nullptr);
}

TEST_F(Steel, OkTakesTheAbsoluteValuesOfTheBoxes) {
    child<QToolButton>(&window, "Next")->click();  // FY is stored as -34,5
    child<QLineEdit>(&window, "E_aco")->setText("1");
    child<QPushButton>(&window, "SpeedButton1")->click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(window.held_steel().name, "ASTM A572 Gr 50");
    EXPECT_DOUBLE_EQ(window.held_steel().fy, 34.5);
    EXPECT_DOUBLE_EQ(window.held_steel().fu, 45.0);
    // The constants are fixed whatever the boxes say.
    EXPECT_DOUBLE_EQ(window.held_steel().E, 20500.0);
    EXPECT_DOUBLE_EQ(window.held_steel().G, 7892.5);
}

TEST_F(Steel, OkWithATextThatIsNotANumberShowsTheConversionError) {
    window.show();
    child<QLineEdit>(&window, "fu_aco")->setText("quarenta");
    child<QPushButton>(&window, "SpeedButton1")->click();
    EXPECT_EQ(dialogs.messages, QStringList{"fu: 'quarenta' não é um número válido"});
    EXPECT_TRUE(window.isVisible());
}

TEST_F(Steel, AMissingSteelTableLeavesEmptyBoxesAndSaysSo) {
    folder.remove("tipo_aco.dbf");
    shell::TEscolhe_Aco missing(folder.location());
    EXPECT_TRUE(missing.open_failure().contains("tipo_aco.dbf"));
    EXPECT_TRUE(child<QLineEdit>(&missing, "fy_aco")->text().isEmpty());
    child<QToolButton>(&missing, "First")->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains("tipo_aco.dbf"));
}

TEST_F(Steel, GradesWhoseFyOrFuIsNoNumberAreNamedWhenTheWindowIsCreated) {
    EXPECT_TRUE(window.row_problems().isEmpty());
    write_dbf(folder.path() + "/tipo_aco.dbf",
              {{"TIPO", 'C', 20, 0}, {"FY", 'C', 8, 0}, {"FU", 'N', 8, 2}},
              {{"MR250", "25", "40"}, {"ASTM A36", "25O", "40"}, {"AR350", "35", ""}});
    shell::TEscolhe_Aco damaged(folder.location());
    EXPECT_EQ(damaged.row_problems(),
              "Na tabela de aços \"" + folder.path() +
                  "/tipo_aco.dbf\", fy ou fu não é um número:\n"
                  "linha 2 (ASTM A36): FY \"25O\" não é um número\n"
                  "linha 3 (AR350): FU vazio\n"
                  "Esses aços não podem ser usados nas verificações até serem corrigidos.");
}

}  // namespace
}  // namespace quintaro::testing
