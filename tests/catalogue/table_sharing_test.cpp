#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/table.h"
#include "dbf_fixture.h"

namespace quintaro::catalogue {
namespace {

using testing::kSectionFields;
using testing::StoredRecord;
using testing::TempFolder;
using testing::write_dbf;

constexpr const char* kName = "I_Laminado.DBF";

std::unique_ptr<Table> open_in(const TempFolder& folder) {
    auto opened = Table::open(kName, {folder.path().string(), ""});
    if (!opened.ok())
        std::fprintf(stderr, "%s\n", opened.error().c_str());
    return opened.ok() ? std::move(opened).value() : nullptr;
}

// A folder in memory where there is one: the test is about locks, and a
// thousand flushes to a real disk would make it slow.
std::filesystem::path fast_base() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

// In a child process: posts IX = row + 1 to each row of [from, to), one post
// per row, and exits 0 when every post was acknowledged.
[[noreturn]] void post_rows(const TempFolder& folder, int from, int to) {
    auto table = open_in(folder);
    bool all = table != nullptr && table->first().ok();
    for (int row = 0; all && row < to; ++row) {
        if (row >= from) {
            const Status posted = table->set_text("IX", std::to_string(row + 1));
            all = posted.ok() && table->post().ok();
        }
        all = all && table->next().ok();
    }
    std::fflush(stderr);
    ::_exit(all ? 0 : 1);
}

TEST(TwoWriters, NeverLoseAnAcknowledgedEdit) {
    // Two processes post 200 edits each to their own rows of one table, at the
    // same time; every edit must be in the file afterwards.
    constexpr int kRows = 200;
    constexpr int kRounds = 4;
    std::vector<StoredRecord> rows;
    for (int r = 0; r < 2 * kRows; ++r)
        rows.push_back({{"P " + std::to_string(r), "100.0", "100.0", "10.00", ""}});
    for (int round = 0; round < kRounds; ++round) {
        TempFolder folder(fast_base());
        write_dbf(folder, kName, kSectionFields, rows);
        const pid_t first = ::fork();
        if (first == 0)
            post_rows(folder, 0, kRows);
        const pid_t second = ::fork();
        if (second == 0)
            post_rows(folder, kRows, 2 * kRows);
        for (pid_t child : {first, second}) {
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                << "round " << round << ": a post failed or the writer died";
        }
        auto table = open_in(folder);
        ASSERT_NE(table, nullptr);
        int lost = 0;
        std::string first_lost;
        ASSERT_TRUE(table->first().ok());
        for (int row = 0; row < 2 * kRows; ++row, (void)table->next()) {
            if (table->text("IX") != std::to_string(row + 1)) {
                first_lost = first_lost.empty() ? table->text("BITOLA") : first_lost;
                ++lost;
            }
        }
        EXPECT_EQ(lost, 0) << "round " << round << ": lost edits, the first of row " << first_lost;
        std::error_code ec;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path(), ec), {}), 1)
            << "a copy was left behind";
    }
}

int count_hidden(const TempFolder& folder) {
    int hidden = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        hidden += entry.path().filename().string().rfind('.', 0) == 0 ? 1 : 0;
    return hidden;
}

TEST(LeftoverCopies, OpeningRemovesOnlyOurOwnUnlockedCopies) {
    TempFolder folder;
    write_dbf(folder, kName, kSectionFields, {{{"W 150 x 13,0", "148.0", "100.0", "13.00", ""}}});
    enum Kind { File, LockedFile, Folder, Link };
    struct Case {
        const char* name;
        Kind kind;
        bool removed;
    };
    const Case cases[] = {
        {".I_Laminado-aZ09xY.dbf", File, true},        {".I_Laminado-AbC123.dbf", File, true},
        {".I_Laminado-AbC12.dbf", File, false},         // five random characters
        {".I_Laminado-AbC1234.dbf", File, false},       // seven
        {".I_Laminado-AbC_12.dbf", File, false},        // not a letter or digit
        {".I_Laminado-AbC123.DBF", File, false},        // not the extension we write
        {".I_Laminado-AbC123.dbf.bak", File, false},    // something more after it
        {"I_Laminado-AbC123.dbf", File, false},         // not hidden
        {".H_Laminado-AbC123.dbf", File, false},        // another table's
        {".I_Laminado-Writer.dbf", LockedFile, false},  // a post under way
        {".I_Laminado-Folder.dbf", Folder, false},     {".I_Laminado-LinkTo.dbf", Link, false},
    };
    int writer = -1;
    for (const auto& c : cases) {
        const std::string path = folder.file(c.name);
        if (c.kind == Folder) {
            std::filesystem::create_directory(path);
        } else if (c.kind == Link) {
            std::filesystem::create_symlink(folder.file(kName), path);
        } else {
            std::ofstream(path) << "copy";
        }
        if (c.kind == LockedFile) {
            writer = ::open(path.c_str(), O_RDONLY);
            ASSERT_EQ(::flock(writer, LOCK_EX), 0);
        }
    }

    // While anyone holds the table locked (here a reader), nothing goes.
    const int reader = ::open(folder.file(kName).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(reader, LOCK_SH), 0);
    ASSERT_NE(open_in(folder), nullptr);
    EXPECT_EQ(count_hidden(folder), 11);  // all but the one not hidden
    ::close(reader);

    ASSERT_NE(open_in(folder), nullptr);
    for (const auto& c : cases) {
        EXPECT_EQ(!std::filesystem::exists(std::filesystem::symlink_status(folder.file(c.name))),
                  c.removed)
            << c.name;
    }
    EXPECT_TRUE(std::filesystem::exists(folder.file(kName)));
    ::close(writer);
}

TEST(LeftoverCopies, AWriterKilledAtAnyMomentLeavesAWholeTableAndNoCopyForLong) {
    // The scenario: kill -9 during posts. Each kill lands somewhere in
    // a post; the table must always open whole, with the rows it had, and
    // the next open removes what the kills left.
    TempFolder folder(fast_base());
    std::vector<StoredRecord> rows;
    for (int r = 0; r < 50; ++r)
        rows.push_back({{"P " + std::to_string(r), "100.0", "100.0", "10.00", ""}});
    write_dbf(folder, kName, kSectionFields, rows);
    int left = 0;
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            auto table = open_in(folder);
            for (int i = 0; table != nullptr; ++i) {
                (void)table->set_text("IX", std::to_string(i % 1000));
                (void)table->post();
            }
            ::_exit(1);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + 997 * (kill % 13)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        left += count_hidden(folder);
        auto table = open_in(folder);
        ASSERT_NE(table, nullptr) << "after kill " << kill;
        EXPECT_EQ(table->row_count(), 50);
        EXPECT_EQ(count_hidden(folder), 0) << "after kill " << kill;
    }
    std::printf("copies left by 30 kills, each removed at the next open: %d\n", left);
}

TEST(TableLocks, ReadersShareAndAWriterWaitsForEveryone) {
    // Another holder keeps the table locked for 300 ms; what must wait for it
    // takes at least that long.
    struct Case {
        const char* what;
        int held;  // LOCK_SH or LOCK_EX
        bool post;
        bool waits;
    };
    const Case cases[] = {
        {"open while a writer holds the table", LOCK_EX, false, true},
        {"post while a reader holds the table", LOCK_SH, true, true},
        {"open while a reader holds the table", LOCK_SH, false, false},
    };
    using Clock = std::chrono::steady_clock;
    for (const auto& c : cases) {
        TempFolder folder;
        write_dbf(folder, kName, kSectionFields, {{{"W 150", "148.0", "100.0", "13.00", ""}}});
        auto table = open_in(folder);
        ASSERT_NE(table, nullptr);
        const int holder = ::open(folder.file(kName).c_str(), O_RDONLY);
        ASSERT_EQ(::flock(holder, c.held), 0);
        std::thread release([holder] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            ::close(holder);
        });
        const auto start = Clock::now();
        bool done = false;
        if (c.post) {
            done = table->set_text("IX", "635").ok() && table->post().ok();
        } else {
            done = open_in(folder) != nullptr;
        }
        const auto waited = Clock::now() - start;
        release.join();
        EXPECT_TRUE(done) << c.what;
        EXPECT_EQ(waited >= std::chrono::milliseconds(250), c.waits)
            << c.what << ": waited "
            << std::chrono::duration_cast<std::chrono::milliseconds>(waited).count() << " ms";
    }
}

}  // namespace
}  // namespace quintaro::catalogue
