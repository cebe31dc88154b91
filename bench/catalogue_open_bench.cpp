// Start-up cost of the catalogues: the sixteen table handles the windows open
// when they are created, each with its default order built; and the cost of
// one post (an edited field written to a copy of the rolled I table).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/table.h"
#include "catalogue/table_lock.h"

namespace {

using quintaro::catalogue::Table;
using quintaro::catalogue::TableLocation;

struct Handle {
    const char* file;
    const char* tag;  // "" = natural order
};

// In window creation order: rolled I, H, channel, the three welded series,
// the four single/double equal-leg angle windows, the five two-leg-width
// windows, and the steel grade window.
constexpr Handle kStartUpHandles[] = {
    {"I_Laminado.DBF", "D"},   {"H_Laminado.DBF", "D"},    {"U_Laminado.DBF", "D"},
    {"I_Soldado_CS.DBF", "D"}, {"I_Soldado_CVS.dbf", "D"}, {"I_Soldado_VS.dbf", "D"},
    {"L_Laminado.DBF", "BF"},  {"L_Laminado.DBF", "BF"},   {"L_Laminado.dbf", "BF"},
    {"L_Laminado.dbf", "BF"},  {"L2_Laminado.DBF", "BW"},  {"L2_Laminado.DBF", "BW"},
    {"L2_Laminado.DBF", "BF"}, {"L2_Laminado.DBF", "BF"},  {"L2_Laminado.DBF", "BF"},
    {"tipo_aco.dbf", ""},
};

// The bundled catalogues; QUINTARO_CATALOGUE_DIR in the environment points
// the benchmark at another set.
std::string catalogue_folder() {
    const char* other = std::getenv("QUINTARO_CATALOGUE_DIR");
    return other != nullptr ? other : QUINTARO_CATALOGUE_DIR;
}

void OpenStartUpTables(benchmark::State& state) {
    const TableLocation where{catalogue_folder(), ""};
    int rows = 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<Table>> tables;
        for (const auto& handle : kStartUpHandles) {
            auto opened = Table::open(handle.file, where);
            if (!opened.ok()) {
                state.SkipWithError(opened.error().c_str());
                return;
            }
            if (!opened.value()->set_index_tag(handle.tag)) {
                state.SkipWithError((std::string(handle.file) + ": no tag " + handle.tag).c_str());
                return;
            }
            rows += opened.value()->row_count();
            tables.push_back(std::move(opened).value());
        }
        benchmark::DoNotOptimize(tables.data());
    }
    state.counters["rows"] = benchmark::Counter(rows, benchmark::Counter::kAvgIterations);
}
BENCHMARK(OpenStartUpTables)->Unit(benchmark::kMillisecond);

// One edit posted to a table of 97 rows: lock, copy, write, read back, flush
// to the disk, rename, and the table's re-read. The copy lives in the system's
// temporary folder, whose disk sets the cost of the flushes.
void PostOneEdit(benchmark::State& state) {
    namespace fs = std::filesystem;
    std::string folder = (fs::temp_directory_path() / "quintaro-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        state.SkipWithError("mkdtemp failed");
        return;
    }
    fs::copy_file(fs::path(catalogue_folder()) / "I_Laminado.DBF",
                  fs::path(folder) / "I_Laminado.DBF");
    auto opened = Table::open("I_Laminado.DBF", {folder, ""});
    if (!opened.ok()) {
        state.SkipWithError(opened.error().c_str());
        return;
    }
    Table& table = *opened.value();
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        auto posted = table.set_text("PESO", odd ? "13,5" : "13");
        if (posted.ok())
            posted = table.post();
        if (!posted.ok()) {
            state.SkipWithError(posted.error().c_str());
            break;
        }
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
}
BENCHMARK(PostOneEdit)->Unit(benchmark::kMillisecond);

// The lock alone: what a read (shared) or a post (exclusive) spends on it, and
// what an open adds to look for leftover copies of a post.
void LockTable(benchmark::State& state) {
    using quintaro::catalogue::TableLock;
    const std::string path = catalogue_folder() + "/I_Laminado.DBF";
    const bool at_open = state.range(0) != 0;
    int shared_instead = 0;  // at open: someone else held a lock, nothing was looked for
    for (auto _ : state) {
        TableLock lock;
        if (at_open && lock.try_exclusive(path)) {
            quintaro::catalogue::remove_leftover_copies(path);
            continue;
        }
        shared_instead += at_open ? 1 : 0;
        if (lock.acquire(path, TableLock::Mode::Shared) != 0) {
            state.SkipWithError("cannot lock the table");
            break;
        }
    }
    state.counters["shared_instead"] = shared_instead;
}
BENCHMARK(LockTable)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
