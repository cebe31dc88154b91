#include <gtest/gtest.h>
#include <shapefil.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <string>
#include <vector>

#include "catalogue/table.h"
#include "dbf_fixture.h"

namespace quintaro::catalogue {
namespace {

using testing::file_bytes;
using testing::kSectionFields;
using testing::StoredRecord;
using testing::TempFolder;
using testing::write_dbf;

const std::vector<StoredRecord> kSections = {
    {{"W 150 x 13,0", "148.0", "100.0", "13.00", "635.0"}},
    {{"W 200 x 15,0", "200.0", "100.0", "15.00", "1305.0"}},
    {{"W 250 x 17,9", "251.0", "101.0", "17.90", "2291.0"}},
};

class Editing : public ::testing::Test {
  protected:
    void SetUp() override {
        write_dbf(folder_, kName, kSectionFields, kSections);
        table_ = reopen();
        ASSERT_NE(table_, nullptr);
    }
    std::unique_ptr<Table> reopen() const {
        auto opened = Table::open(kName, {folder_.path().string(), ""});
        EXPECT_TRUE(opened.ok()) << opened.error();
        return opened.ok() ? std::move(opened).value() : nullptr;
    }
    std::string path() const { return folder_.file(kName); }
    int count_files() const {
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
            files += entry.is_regular_file() ? 1 : 0;
        }
        return files;
    }
    // The designations of the rows in the natural order, as a fresh open reads them.
    std::vector<std::string> rows_on_disk() const {
        auto table = reopen();
        std::vector<std::string> rows;
        if (!table || !table->first().ok())
            return rows;
        while (!table->eof()) {
            rows.push_back(table->text("BITOLA"));
            if (!table->next().ok())
                break;
        }
        return rows;
    }

    static constexpr const char* kName = "I_Laminado.DBF";
    TempFolder folder_;
    std::unique_ptr<Table> table_;
};

TEST_F(Editing, APostedEditSurvivesClosingAndReopening) {
    ASSERT_TRUE(table_->next().ok());  // W 200 x 15,0
    ASSERT_TRUE(table_->edit().ok());
    EXPECT_EQ(table_->state(), EditState::Edit);
    ASSERT_TRUE(table_->set_text("PESO", "15,25").ok());
    ASSERT_TRUE(table_->set_text("IX", "").ok());
    EXPECT_EQ(table_->text("PESO"), "15,25");  // the buffer, before posting
    const Status posted = table_->post();
    ASSERT_TRUE(posted.ok()) << posted.error();
    EXPECT_EQ(table_->state(), EditState::Browse);
    EXPECT_EQ(table_->text("BITOLA"), "W 200 x 15,0");

    auto again = reopen();
    ASSERT_TRUE(again->next().ok());
    EXPECT_EQ(again->text("PESO"), "15,25");
    EXPECT_EQ(again->text("IX"), "");
    EXPECT_EQ(again->text("D"), "200");  // untouched fields keep their values
    EXPECT_NE(file_bytes(path()).find("  15.25"),
              std::string::npos);  // N(7,2), point, right-aligned
}

TEST_F(Editing, MovingToAnotherRowPostsTheEditFirst) {
    ASSERT_TRUE(table_->set_text("D", "149").ok());  // typing starts the edit
    EXPECT_EQ(table_->state(), EditState::Edit);
    ASSERT_TRUE(table_->next().ok());
    EXPECT_EQ(table_->state(), EditState::Browse);
    EXPECT_EQ(table_->text("BITOLA"), "W 200 x 15,0");
    auto again = reopen();
    EXPECT_EQ(again->text("D"), "149");
}

TEST_F(Editing, AnInsertedRowIsWrittenAndTakesItsPlaceInTheOrder) {
    ASSERT_TRUE(table_->set_index_tag("PESO"));
    ASSERT_TRUE(table_->insert().ok());
    EXPECT_EQ(table_->state(), EditState::Insert);
    EXPECT_EQ(table_->text("BITOLA"), "");
    ASSERT_TRUE(table_->set_text("BITOLA", "W 200 x 14,0").ok());
    ASSERT_TRUE(table_->set_text("D", "197,5").ok());
    ASSERT_TRUE(table_->set_text("PESO", "14").ok());
    const Status posted = table_->post();
    ASSERT_TRUE(posted.ok()) << posted.error();
    EXPECT_EQ(table_->text("BITOLA"), "W 200 x 14,0");  // stands on the new row
    EXPECT_EQ(table_->row_number(), 1);                 // between 13 and 15 kgf/m
    EXPECT_EQ(table_->record_number(), 3);
    EXPECT_EQ(table_->row_count(), 4);

    EXPECT_EQ(rows_on_disk(), (std::vector<std::string>{"W 150 x 13,0", "W 200 x 15,0",
                                                        "W 250 x 17,9", "W 200 x 14,0"}));
    auto again = reopen();
    ASSERT_TRUE(again->last().ok());
    EXPECT_EQ(again->text("D"), "197,5");
    EXPECT_EQ(again->text("BF"), "");  // never typed: an empty number
}

TEST_F(Editing, ADeletedRowIsMarkedInTheFileAndNeverShownAgain) {
    ASSERT_TRUE(table_->next().ok());
    const Status removed = table_->remove();
    ASSERT_TRUE(removed.ok()) << removed.error();
    EXPECT_EQ(table_->text("BITOLA"), "W 250 x 17,9");  // the row that followed
    EXPECT_EQ(table_->row_count(), 2);
    EXPECT_EQ(rows_on_disk(), (std::vector<std::string>{"W 150 x 13,0", "W 250 x 17,9"}));

    DBFHandle dbf = DBFOpen(path().c_str(), "rb");
    ASSERT_NE(dbf, nullptr);
    EXPECT_EQ(DBFGetRecordCount(dbf), 3);
    EXPECT_TRUE(DBFIsRecordDeleted(dbf, 1));
    EXPECT_FALSE(DBFIsRecordDeleted(dbf, 2));
    DBFClose(dbf);

    ASSERT_TRUE(table_->last().ok());
    ASSERT_TRUE(table_->remove().ok());
    EXPECT_EQ(table_->text("BITOLA"), "W 150 x 13,0");  // nothing followed: the new last row
}

TEST_F(Editing, CancelDropsTheBufferAndLeavesTheFileAlone) {
    const std::string before = file_bytes(path());
    ASSERT_TRUE(table_->set_text("BITOLA", "outro").ok());
    table_->cancel();
    EXPECT_EQ(table_->state(), EditState::Browse);
    EXPECT_EQ(table_->text("BITOLA"), "W 150 x 13,0");
    ASSERT_TRUE(table_->insert().ok());
    ASSERT_TRUE(table_->set_text("BITOLA", "novo").ok());
    ASSERT_TRUE(table_->remove().ok());  // deleting a row being inserted just drops it
    EXPECT_EQ(table_->state(), EditState::Browse);
    EXPECT_EQ(table_->row_count(), 3);
    EXPECT_EQ(file_bytes(path()), before);
}

TEST_F(Editing, AnEditWithNothingTypedWritesNothing) {
    const std::string before = file_bytes(path());
    ASSERT_TRUE(table_->edit().ok());
    ASSERT_TRUE(table_->post().ok());
    ASSERT_TRUE(table_->edit().ok());
    ASSERT_TRUE(table_->next().ok());
    EXPECT_EQ(table_->state(), EditState::Browse);
    EXPECT_EQ(file_bytes(path()), before);  // not even the last-update date
}

TEST_F(Editing, AccentsAndSuperscriptsSurviveARoundTrip) {
    const char* designation = "Cantoneira ç 6 cm²";
    ASSERT_TRUE(table_->set_text("BITOLA", designation).ok());
    ASSERT_TRUE(table_->post().ok());
    auto again = reopen();
    EXPECT_EQ(again->text("BITOLA"), designation);
    EXPECT_NE(file_bytes(path()).find("Cantoneira \xE7 6 cm\xB2"), std::string::npos);
}

TEST_F(Editing, ACharacterOutsideWindows1252IsRefusedAndNothingChanges) {
    ASSERT_TRUE(table_->set_text("BITOLA", "W 150").ok());
    const Status refused = table_->set_text("BITOLA", "λ 150");
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().find("λ"), std::string::npos) << refused.error();
    EXPECT_EQ(table_->text("BITOLA"), "W 150");  // the buffer keeps what was accepted
}

TEST_F(Editing, AValueTooWideForItsFieldIsRefusedBeforeAnythingIsWritten) {
    const std::string before = file_bytes(path());
    struct Case {
        const char* field;
        const char* typed;
    };
    // D is N(6,1), PESO N(7,2), BITOLA C(20).
    const Case cases[] = {
        {"D", "12345,5"},
        {"D", "148,25"},
        {"PESO", "10000"},
        {"BITOLA", "W 150 x 13,0 com nome longo"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(table_->set_text(c.field, c.typed).ok()) << c.typed;
        const Status posted = table_->post();
        EXPECT_FALSE(posted.ok()) << c.typed;
        EXPECT_NE(posted.error().find(c.field), std::string::npos) << posted.error();
        EXPECT_EQ(table_->state(), EditState::Edit) << c.typed;
        EXPECT_FALSE(table_->next().ok()) << c.typed;  // the move stops too
        EXPECT_EQ(table_->row_number(), 0);
        EXPECT_EQ(file_bytes(path()), before) << c.typed;
        table_->cancel();
    }
}

// Root writes through any file mode. As root the read-only case runs with the
// effective user set to "nobody", for whom the mode counts, and comes back.
class Unprivileged {
  public:
    Unprivileged() : switched_(::geteuid() == 0 && ::seteuid(65534) == 0) {}
    ~Unprivileged() {
        if (switched_ && ::seteuid(0) != 0)
            std::abort();
    }
    bool ok() const { return ::geteuid() != 0; }

  private:
    bool switched_;
};

TEST_F(Editing, APostToAReadOnlyFileFailsAndKeepsFileAndBuffer) {
    ASSERT_EQ(::chmod(folder_.path().c_str(), 0777), 0);  // only the file's mode says no
    ASSERT_EQ(::chmod(path().c_str(), 0444), 0);
    const std::string before = file_bytes(path());
    {
        Unprivileged nobody;
        if (!nobody.ok())
            GTEST_SKIP() << "running as root and cannot drop to another user";
        auto table = reopen();
        ASSERT_NE(table, nullptr);
        ASSERT_TRUE(table->set_text("PESO", "13,5").ok());
        const Status posted = table->post();
        ASSERT_FALSE(posted.ok());
        EXPECT_NE(posted.error().find("somente leitura"), std::string::npos) << posted.error();
        EXPECT_NE(posted.error().find(kName), std::string::npos) << posted.error();
        EXPECT_EQ(table->state(), EditState::Edit);
        EXPECT_EQ(table->text("PESO"), "13,5");
        EXPECT_EQ(file_bytes(path()), before);
        EXPECT_EQ(count_files(), 1) << "a copy was left behind";

        ASSERT_EQ(::chmod(path().c_str(), 0644), -1);  // still nobody: cannot
    }
    ASSERT_EQ(::chmod(path().c_str(), 0644), 0);
}

TEST_F(Editing, AFailingWriteLeavesTheFileAsItWasAndKeepsTheEdit) {
    // A file-size limit makes every write past it fail, as a full disk does.
    // SIGXFSZ keeps its default action (ending the process): the post itself
    // must keep the signal from ending the program.
    struct Case {
        const char* what;
        bool insert;
        std::vector<std::string> rows_after;
    };
    const Case cases[] = {
        {"copying the table", false, {"W 200 x 22,5", "W 200 x 15,0", "W 250 x 17,9"}},
        {"appending the new row",
         true,
         {"W 200 x 22,5", "W 200 x 15,0", "W 250 x 17,9", "W 200 x 22,5"}},
    };
    const auto old_handler = std::signal(SIGXFSZ, SIG_DFL);
    for (const auto& c : cases) {
        const std::string before = file_bytes(path());
        // The copy is cut short in the first case; in the second it fits exactly
        // and shapelib's append is what fails.
        const rlim_t limit = c.insert ? before.size() : before.size() / 2;
        if (c.insert) {
            ASSERT_TRUE(table_->insert().ok());
        }
        ASSERT_TRUE(table_->set_text("BITOLA", "W 200 x 22,5").ok());
        rlimit old{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = limit;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const Status posted = table_->post();
        ::setrlimit(RLIMIT_FSIZE, &old);

        ASSERT_FALSE(posted.ok()) << c.what;
        EXPECT_NE(posted.error().find("o arquivo passaria do tamanho permitido. O arquivo não foi "
                                      "alterado."),
                  std::string::npos)
            << posted.error();
        EXPECT_EQ(file_bytes(path()), before) << c.what;
        EXPECT_EQ(table_->text("BITOLA"), "W 200 x 22,5") << c.what;
        EXPECT_EQ(count_files(), 1) << c.what << ": a copy was left behind";
        ASSERT_TRUE(table_->post().ok()) << c.what << ": the kept edit posts once space is back";
        EXPECT_EQ(rows_on_disk(), c.rows_after) << c.what;
    }
    std::signal(SIGXFSZ, old_handler);
}

TEST_F(Editing, ATableThatCannotBeReadSaysSo) {
    // Mode 000: as root (who reads anything) the case runs as "nobody".
    ASSERT_EQ(::chmod(folder_.path().c_str(), 0777), 0);
    ASSERT_TRUE(table_->set_text("PESO", "13,5").ok());  // opened while readable
    ASSERT_EQ(::chmod(path().c_str(), 0), 0);
    Unprivileged nobody;
    if (!nobody.ok())
        GTEST_SKIP() << "running as root and cannot drop to another user";
    const Status posted = table_->post();
    ASSERT_FALSE(posted.ok());
    EXPECT_NE(posted.error().find("sem permissão de leitura"), std::string::npos) << posted.error();
    auto opened = Table::open(kName, {folder_.path().string(), ""});
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error(),
              "Não foi possível ler a tabela \"" + path() + "\": sem permissão de leitura.");
}

TEST_F(Editing, AnEditOfARowDeletedMeanwhileIsRefused) {
    auto other = reopen();
    ASSERT_TRUE(other->remove().ok());  // W 150 x 13,0
    ASSERT_TRUE(table_->set_text("PESO", "13,5").ok());
    const Status posted = table_->post();
    ASSERT_FALSE(posted.ok());
    EXPECT_NE(posted.error().find("o registro foi apagado"), std::string::npos) << posted.error();
    EXPECT_EQ(table_->text("PESO"), "13,5");  // the edit is kept
    EXPECT_EQ(rows_on_disk(), (std::vector<std::string>{"W 200 x 15,0", "W 250 x 17,9"}));
}

TEST_F(Editing, APostStampsTodayAsTheLastUpdate) {
    ASSERT_TRUE(table_->set_text("IX", "636").ok());
    ASSERT_TRUE(table_->post().ok());
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    const std::string header = file_bytes(path()).substr(0, 4);
    EXPECT_EQ(static_cast<unsigned char>(header[1]), today.tm_year);  // years since 1900
    EXPECT_EQ(static_cast<unsigned char>(header[2]), today.tm_mon + 1);
    EXPECT_EQ(static_cast<unsigned char>(header[3]), today.tm_mday);
}

TEST_F(Editing, TwoTablesOnTheSameFileKeepEachOthersPosts) {
    // Windows that name the same file each open it; one's post must not undo
    // the other's.
    auto other = reopen();
    ASSERT_TRUE(table_->set_text("PESO", "13,1").ok());
    ASSERT_TRUE(other->set_text("D", "147").ok());  // same row, another field
    ASSERT_TRUE(table_->post().ok());
    ASSERT_TRUE(other->post().ok());
    ASSERT_TRUE(other->insert().ok());
    ASSERT_TRUE(other->set_text("BITOLA", "W 360 x 32,9").ok());
    ASSERT_TRUE(other->post().ok());
    ASSERT_TRUE(table_->insert().ok());
    ASSERT_TRUE(table_->set_text("BITOLA", "W 410 x 38,8").ok());
    ASSERT_TRUE(table_->post().ok());

    auto again = reopen();
    EXPECT_EQ(again->text("PESO"), "13,1");
    EXPECT_EQ(again->text("D"), "147");
    EXPECT_EQ(rows_on_disk().size(), 5u);
    ASSERT_TRUE(table_->refresh().ok());
    EXPECT_EQ(table_->row_count(), 5);
    EXPECT_EQ(table_->text("BITOLA"), "W 410 x 38,8");  // refresh keeps the current record
}

}  // namespace
}  // namespace quintaro::catalogue
