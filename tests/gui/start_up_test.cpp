#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "checks/windows.h"
#include "gui_testing.h"
#include "shell/application.h"
#include "shell/data_folders.h"
#include "shell/main_window.h"
#include "shell/member_window.h"

namespace quintaro::testing {
namespace {

using shell::Windows;

struct Created {
    const char* class_name;
    const char* caption;
};

// The windows in the order the program creates them, with their captions
// (the odd blanks are the program's own; each angle window's caption names
// its arrangement).
const Created kCreationOrder[] = {
    {"TForm1", "Quintaro (Ver 1.5m)"},
    {"TEscolhe_Aco", "Tipo de Aço"},
    {"TI_Soldado", "I Soldado"},
    {"TL_Laminado", "L Laminado — cantoneira simples"},
    {"TNota", "Notações"},
    {"TForm_I_Laminado", "I  Laminado"},
    {"TForm_H_Laminado", "H Laminado  "},
    {"TSobreQuintaro", "Sobre"},
    {"TLT_Laminado", "L Laminado — 2 cantoneiras em T"},
    {"TLU_Laminado", "L Laminado — 2 cantoneiras em U"},
    {"TLX_Laminado", "L Laminado — 2 cantoneiras em X"},
    {"TL2_Laminado", "L Laminado — cantoneira de abas desiguais"},
    {"TL2T_Ma_Laminado", "L Laminado — 2 cantoneiras de abas desiguais em T, abas maiores juntas"},
    {"TL2T_Me_Laminado", "L Laminado — 2 cantoneiras de abas desiguais em T, abas menores juntas"},
    {"TL2U_Ma_Laminado",
     "L Laminado — 2 cantoneiras de abas desiguais em U, abas maiores verticais"},
    {"TL2U_Me_Laminado",
     "L Laminado — 2 cantoneiras de abas desiguais em U, abas menores verticais"},
    {"TForm_U_Laminado", "U Laminado"},
    {"TLocaliza", "Aguarde!"},
};

TEST(StartUp, CreatesEveryWindowOnceInTheFixedOrderWithItsCaption) {
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    Windows windows(folder.location());
    const auto& all = windows.all();
    ASSERT_GE(all.size(), std::size(kCreationOrder));
    for (std::size_t i = 0; i < std::size(kCreationOrder); ++i) {
        EXPECT_EQ(shell::class_name(all[i]).toStdString(), kCreationOrder[i].class_name)
            << "window " << i + 1;
        EXPECT_EQ(all[i]->windowTitle().toStdString(), kCreationOrder[i].caption)
            << kCreationOrder[i].class_name;
    }
    EXPECT_EQ(&windows.main_window(), all.front());
    // Every member window class shows the rows of the window it is named after.
    for (QWidget* window : all) {
        if (auto* member = qobject_cast<shell::MemberWindow*>(window)) {
            EXPECT_EQ(checks::descriptor(member->descriptor().kind).class_name,
                      shell::class_name(window).toStdString());
        }
    }
    ASSERT_EQ(all.size(), std::size(kCreationOrder) + 1);
    EXPECT_EQ(shell::class_name(all.back()), "TReporte");
    EXPECT_EQ(all.back()->windowTitle(), "Relatório");
    EXPECT_TRUE(windows.open_failures().isEmpty())
        << windows.open_failures().join('\n').toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(StartUp, MainWindowSetsTheDecimalCommaForQtNumbers) {
    QLocale::setDefault(QLocale::c());
    shell::TForm1 main;
    EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(QLocale().toString(7892.5, 'f', 1), QStringLiteral("7892,5"));
}

TEST(StartUp, AMissingCatalogueIsNamedWithTheFoldersSearchedAndTheProgramStillStarts) {
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    folder.remove(QStringLiteral("I_Laminado.DBF"));
    Windows windows(folder.location());
    ASSERT_EQ(windows.open_failures().size(), 1);
    const QString failure = windows.open_failures().front();
    EXPECT_TRUE(failure.contains(QStringLiteral("I_Laminado.DBF"))) << failure.toStdString();
    EXPECT_TRUE(failure.contains(folder.path())) << failure.toStdString();

    auto* window =
        qobject_cast<shell::MemberWindow*>(windows.find(QStringLiteral("TForm_I_Laminado")));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->shown_table(), nullptr);
    EXPECT_TRUE(child<QLineEdit>(window, "R_Perfil")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(window, "R_d")->text().isEmpty());
}

TEST(StartUp, EveryButtonOfAWindowWithoutItsCatalogueSaysSoInsteadOfFailing) {
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    folder.remove(QStringLiteral("L_Laminado.DBF"));
    Windows windows(folder.location());
    // Four windows open the file, under two spellings; the user hears of it once.
    EXPECT_EQ(windows.open_failures().size(), 1)
        << windows.open_failures().join('\n').toStdString();
    QWidget* window = windows.find(QStringLiteral("TLX_Laminado"));
    for (const char* button : {"BitBtn4", "BitBtn2", "BitBtn3"}) {
        dialogs.messages.clear();
        child<QPushButton>(window, button)->click();
        ASSERT_EQ(dialogs.messages.size(), 1) << button;
        EXPECT_TRUE(dialogs.messages.front().contains(QStringLiteral("\"L_Laminado.dbf\"")))
            << dialogs.messages.front().toStdString();
    }
    dialogs.messages.clear();
    child<QToolButton>(window, "Next")->click();
    EXPECT_EQ(dialogs.messages.size(), 1);
}

// Seeding the user's folder from the installed catalogues.
class Seeding : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(installed.isValid() && user.isValid());
        write_dbf(installed.filePath("L_Laminado.DBF"), {{"BF", 'N', 8, 1}}, {{"50.8"}});
        write_dbf(installed.filePath("tipo_aco.dbf"), {{"FY", 'N', 8, 2}}, {{"25"}});
        QFile page(installed.filePath("AjudaQuintaro.htm"));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        QFile::setPermissions(installed.filePath("L_Laminado.DBF"),
                              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    QTemporaryDir installed, user;
};

TEST_F(Seeding, CopiesEveryCatalogueOnceAndLeavesTheUsersEditedFilesAlone) {
    // The user already has an edited steel table, under another case.
    write_dbf(user.filePath("TIPO_ACO.DBF"), {{"FY", 'N', 8, 2}}, {{"30"}});
    EXPECT_EQ(shell::seed_user_data_folder(installed.path(), user.path()), QString());
    const QStringList files = QDir(user.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, (QStringList{"L_Laminado.DBF", "TIPO_ACO.DBF"}));
    EXPECT_EQ(field_in_file(user.path(), "tipo_aco.dbf", 0, "FY"), "30");
    // The copy can be edited even though the installed file is read-only.
    EXPECT_TRUE(QFileInfo(user.filePath("L_Laminado.DBF")).isWritable());
    // A second start copies nothing over the user's file.
    write_dbf(user.filePath("L_Laminado.DBF"), {{"BF", 'N', 8, 1}}, {{"76.2"}});
    EXPECT_EQ(shell::seed_user_data_folder(installed.path(), user.path()), QString());
    EXPECT_EQ(field_in_file(user.path(), "L_Laminado.DBF", 0, "BF"), "76,2");
}

TEST_F(Seeding, TablesAreFoundInTheUsersFolderWhenTheWorkingFolderLacksThem) {
    QTemporaryDir working;
    shell::seed_user_data_folder(installed.path(), user.path());
    auto table = catalogue::Table::open("L_Laminado.dbf",
                                        {working.path().toStdString(), user.path().toStdString()});
    ASSERT_TRUE(table) << table.error();
    EXPECT_TRUE(QString::fromStdString(table.value()->path()).startsWith(user.path()));
}

}  // namespace
}  // namespace quintaro::testing
