#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue/table.h"
#include "dbf_fixture.h"

namespace quintaro::catalogue {
namespace {

using testing::kSectionFields;
using testing::StoredRecord;
using testing::TempFolder;
using testing::write_dbf;

const std::vector<StoredRecord> kOneAngle = {{{"L 50 x 5", "50.0", "50.0", "3.77", "11.0"}}};

std::string contains(const std::string& text, const std::string& part) {
    return text.find(part) == std::string::npos ? "\"" + part + "\" missing from: " + text : "";
}

TEST(TableLocation, FileNamesMatchWithoutRegardToCase) {
    TempFolder folder;
    write_dbf(folder, "L_Laminado.DBF", kSectionFields, kOneAngle);
    for (const char* asked :
         {"L_Laminado.DBF", "L_Laminado.dbf", "l_laminado.dbf", "L_LAMINADO.DBF"}) {
        auto table = Table::open(asked, {folder.path().string(), ""});
        ASSERT_TRUE(table.ok()) << asked << ": " << table.error();
        EXPECT_EQ(table.value()->path(), folder.file("L_Laminado.DBF")) << asked;
        EXPECT_EQ(table.value()->text("BITOLA"), "L 50 x 5") << asked;
    }
}

TEST(TableLocation, TwoNamesDifferingInCaseAlwaysOpenTheSameFile) {
    TempFolder folder;
    write_dbf(folder, "L_Laminado.DBF", kSectionFields, kOneAngle);
    write_dbf(folder, "L_Laminado.dbf", kSectionFields, {{{"outra", "1.0", "1.0", "1.00", "1.0"}}});
    auto upper = Table::open("L_Laminado.DBF", {folder.path().string(), ""});
    auto lower = Table::open("L_Laminado.dbf", {folder.path().string(), ""});
    ASSERT_TRUE(upper.ok() && lower.ok());
    EXPECT_EQ(upper.value()->path(), lower.value()->path());
    EXPECT_EQ(upper.value()->text("BITOLA"), lower.value()->text("BITOLA"));
}

TEST(TableLocation, TheWorkingFolderComesBeforeTheUserDataFolder) {
    TempFolder work;
    TempFolder user;
    write_dbf(user, "tipo_aco.dbf", kSectionFields,
              {{{"do usuario", "1.0", "1.0", "1.00", "1.0"}}});
    write_dbf(user, "U_Laminado.DBF", kSectionFields, kOneAngle);
    write_dbf(work, "TIPO_ACO.DBF", kSectionFields, {{{"da pasta", "1.0", "1.0", "1.00", "1.0"}}});
    const TableLocation where{work.path().string(), user.path().string()};

    auto steel = Table::open("tipo_aco.dbf", where);
    ASSERT_TRUE(steel.ok()) << steel.error();
    EXPECT_EQ(steel.value()->text("BITOLA"), "da pasta");
    auto channel = Table::open("U_Laminado.DBF", where);
    ASSERT_TRUE(channel.ok()) << channel.error();
    EXPECT_EQ(channel.value()->path(), user.file("U_Laminado.DBF"));
}

TEST(TableLocation, AnEmptyWorkingFolderIsTheCurrentFolder) {
    TempFolder folder;
    write_dbf(folder, "H_Laminado.DBF", kSectionFields, kOneAngle);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    auto table = Table::open("h_laminado.dbf", {});
    std::filesystem::current_path(previous);
    ASSERT_TRUE(table.ok()) << table.error();
    EXPECT_EQ(table.value()->text("BITOLA"), "L 50 x 5");
}

TEST(TableLocation, AMissingTableNamesTheFileAndEveryFolderSearched) {
    TempFolder work;
    TempFolder user;
    write_dbf(work, "Outra.dbf", kSectionFields, kOneAngle);
    const std::string names[] = {"L2_Laminado.DBF", "../Outra.dbf", ""};
    for (const auto& name : names) {
        auto table = Table::open(name, {work.path().string(), user.path().string()});
        ASSERT_FALSE(table.ok()) << name;
        const std::string& error = table.error();
        EXPECT_EQ(contains(error, "Tabela \"" + name + "\" não encontrada. Procurada em: "), "");
        EXPECT_EQ(contains(error, work.path().string()), "");
        EXPECT_EQ(contains(error, user.path().string()), "");
    }
}

TEST(TableFile, ABrokenFileIsAnErrorNotACrash) {
    TempFolder folder;
    write_dbf(folder, "I_Laminado.DBF", kSectionFields, {kOneAngle[0], kOneAngle[0], kOneAngle[0]});
    const std::string whole = testing::file_bytes(folder.file("I_Laminado.DBF"));
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"not a table", "isto não é uma tabela"},
        {"empty file", ""},
        {"cut in the middle of a record", whole.substr(0, whole.size() - 40)},
        {"cut inside the header", whole.substr(0, 40)},
        {"claiming two thousand million records",
         whole.substr(0, 4) + "\xFF\xFF\xFF\x7F" + whole.substr(8)},
    };
    for (const auto& c : cases) {
        std::ofstream(folder.file("broken.dbf"), std::ios::binary | std::ios::trunc) << c.bytes;
        auto table = Table::open("broken.dbf", {folder.path().string(), ""});
        ASSERT_FALSE(table.ok()) << c.what;
        EXPECT_EQ(contains(table.error(), folder.file("broken.dbf")), "") << c.what;
    }
}

// Runs with a numeric locale whose decimal separator is the comma, as a
// Brazilian desktop has, built for the test with localedef.
class CommaLocale {
  public:
    explicit CommaLocale(const TempFolder& folder) {
        const std::string source = folder.file("comma.def");
        std::ofstream(source) << "LC_NUMERIC\ndecimal_point \"<U002C>\"\n"
                                 "thousands_sep \"<U002E>\"\ngrouping 3;3\nEND LC_NUMERIC\n";
        const std::string command = "localedef -c -i '" + source + "' -f UTF-8 '" +
                                    folder.file("comma.UTF-8") + "' > /dev/null 2>&1";
        if (std::system(command.c_str()) == -1)
            return;
        ::setenv("LOCPATH", folder.path().c_str(), 1);
        active_ = std::setlocale(LC_NUMERIC, "comma.UTF-8") != nullptr;
    }
    ~CommaLocale() {
        std::setlocale(LC_NUMERIC, "C");
        ::unsetenv("LOCPATH");
    }
    bool active() const { return active_; }

  private:
    bool active_ = false;
};

TEST(TableFile, NumbersDoNotDependOnTheMachinesLocale) {
    TempFolder folder;
    write_dbf(folder, "I_Laminado.DBF", kSectionFields, kOneAngle);
    CommaLocale comma(folder);
    if (!comma.active())
        GTEST_SKIP() << "localedef could not make a comma locale here";
    ASSERT_EQ(std::atof("3.77"), 3.0) << "the C library reads with the comma now";

    auto opened = Table::open("I_Laminado.DBF", {folder.path().string(), ""});
    ASSERT_TRUE(opened.ok()) << opened.error();
    Table& table = *opened.value();
    EXPECT_EQ(table.text("PESO"), "3,77");
    ASSERT_TRUE(table.set_text("PESO", "15,25").ok());
    ASSERT_TRUE(table.post().ok());
    EXPECT_EQ(contains(testing::file_bytes(folder.file("I_Laminado.DBF")), "  15.25"), "");
    EXPECT_EQ(table.text("PESO"), "15,25");
}

// A table written by another program: Debian's python3-dbf.
constexpr const char* kWriter = R"(
import dbf, sys
t = dbf.Table(sys.argv[1], 'BITOLA C(24); D N(8,2); PESO N(9,3); IX N(10,1)',
              dbf_type='db3', codepage='cp1252')
t.open(dbf.READ_WRITE)
t.append(('Cantoneira ç 6 cm²', 152.4, 8.45, 635.0))
t.append(('L 2" x 1/8"', 50.8, 0.5, None))
t.append(('W 610 x 174,0', 616.0, 174.0, 147754.0))
t.close()
)";

// Our file read back by python3-dbfread: one line per record.
constexpr const char* kReader = R"(
import dbfread, sys
for r in dbfread.DBF(sys.argv[1], encoding='cp1252'):
    print('|'.join('' if v is None else str(v) for v in r.values()))
)";

std::string run_python(const TempFolder& folder, const char* script, const std::string& table) {
    const std::string script_path = folder.file("script.py");
    std::ofstream(script_path) << script;
    const std::string output = folder.file("out.txt");
    const std::string command =
        "/usr/bin/python3 '" + script_path + "' '" + table + "' > '" + output + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(output);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return status == 0 ? text : "failed: " + command + "\n" + text;
}

TEST(TableFile, ATableWrittenByAnotherProgramReadsTheSame) {
    TempFolder folder;
    const std::string written = run_python(folder, kWriter, folder.file("externa.dbf"));
    ASSERT_EQ(written.rfind("failed", 0), std::string::npos) << written;
    auto opened = Table::open("externa.dbf", {folder.path().string(), ""});
    ASSERT_TRUE(opened.ok()) << opened.error();
    Table& table = *opened.value();

    struct Row {
        const char* bitola;
        const char* d;
        const char* peso;
        const char* ix;
    };
    const Row rows[] = {
        {"Cantoneira ç 6 cm²", "152,4", "8,45", "635"},
        {"L 2\" x 1/8\"", "50,8", "0,5", ""},
        {"W 610 x 174,0", "616", "174", "147754"},
    };
    ASSERT_TRUE(table.first().ok());
    for (const auto& row : rows) {
        ASSERT_FALSE(table.eof());
        EXPECT_EQ(table.text("BITOLA"), row.bitola);
        EXPECT_EQ(table.text("D"), row.d);
        EXPECT_EQ(table.text("PESO"), row.peso);
        EXPECT_EQ(table.text("IX"), row.ix);
        ASSERT_TRUE(table.next().ok());
    }
    EXPECT_TRUE(table.eof());
    const auto& fields = table.fields();
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[2].name, "PESO");
    EXPECT_EQ(fields[2].width, 9);
    EXPECT_EQ(fields[2].decimals, 3);
    EXPECT_EQ(fields[0].kind, FieldKind::Text);
}

TEST(TableFile, WhatWePostIsReadTheSameByAnotherProgram) {
    TempFolder folder;
    ASSERT_EQ(run_python(folder, kWriter, folder.file("externa.dbf")).rfind("failed", 0),
              std::string::npos);
    auto opened = Table::open("externa.dbf", {folder.path().string(), ""});
    ASSERT_TRUE(opened.ok()) << opened.error();
    Table& table = *opened.value();
    ASSERT_TRUE(table.next().ok());
    ASSERT_TRUE(table.set_text("PESO", "3,125").ok());
    ASSERT_TRUE(table.set_text("IX", "12,5").ok());
    ASSERT_TRUE(table.post().ok());
    ASSERT_TRUE(table.insert().ok());
    ASSERT_TRUE(table.set_text("BITOLA", "Perfil ²³ çã").ok());
    ASSERT_TRUE(table.set_text("D", "-1,25").ok());
    const Status posted = table.post();
    ASSERT_TRUE(posted.ok()) << posted.error();

    EXPECT_EQ(run_python(folder, kReader, folder.file("externa.dbf")),
              "Cantoneira ç 6 cm²|152.4|8.45|635.0\n"
              "L 2\" x 1/8\"|50.8|3.125|12.5\n"
              "W 610 x 174,0|616.0|174.0|147754.0\n"
              "Perfil ²³ çã|-1.25||\n");
}

}  // namespace
}  // namespace quintaro::catalogue
