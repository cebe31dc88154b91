// quintaro-lote as a whole process (start-up, table reading, both readings of
// the file, checks, output) over 100 000 generated members of the rolled,
// channel and welded windows taken from the bundled catalogues. The time
// reported is the CPU time of the child process (user + system); peak_MB is
// its largest resident size. Targets on the development machine: checking
// 100 000 rows in at most 0,4 s of CPU and 40 MB; searching them (--lightest)
// in at most 2 s. The same members are checked and searched 10 000 at a time
// under --norma 2008.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kRows = 100000;

// The members of the checks_lote_bench, with forces up to 510 kN and moments
// up to 1100 kN·cm: a search walks 8,9 sections per row on average. With
// `light`, forces of a few kN that the first sections carry.
fs::path write_input(bool light, int rows = kRows) {
    const fs::path path =
        fs::temp_directory_path() / ("quintaro_lote_stream_" + std::to_string(::getpid()) + ".csv");
    std::ofstream out(path, std::ios::binary);
    out << "janela;perfil;Serie;Compri_x;Compri_y;Compri_z;R_Nd;R_Vd;R_Mdx;R_Mdy\n";
    const char* members[] = {
        "TForm_I_Laminado;I 75 x 8,5;", "TForm_H_Laminado;W 150 x 22,5;",
        "TForm_U_Laminado;U 75 x 5,2;", "TI_Soldado;CS 250 x 52;CS",
        "TI_Soldado;VS 900 x 124;VS",
    };
    for (int i = 0; i < rows; ++i) {
        out << members[i % 5] << ";";
        if (light) {
            out << "100;100;100;-" << 1 + i % 5 << ";1;10;1\n";
            continue;
        }
        out << 100 + i % 400 << ";" << 100 + i % 300 << ";" << 100 + i % 200 << ";-" << 10 + i % 500
            << ";" << i % 50 << ";" << 100 + i % 1000 << ";" << i % 100 << "\n";
    }
    return path;
}

struct Usage {
    double cpu_seconds = 0.0;
    double peak_mb = 0.0;
    bool ok = false;
};

// Runs the program with its output thrown away and returns what the kernel
// counted for it.
Usage run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(QUINTARO_LOTE_EXE));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string null = "/dev/null";
        if (!std::freopen(null.c_str(), "w", stdout) || !std::freopen(null.c_str(), "w", stderr))
            ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    Usage u;
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child)
        return u;
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    u.cpu_seconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    u.peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    // 0: every row checked; 1 is expected too (a search may refuse a row).
    u.ok = WIFEXITED(status) && WEXITSTATUS(status) <= 1;
    return u;
}

void lote(benchmark::State& st, bool lightest, bool light = false, int rows = kRows,
          const char* norma = nullptr) {
    const fs::path input = write_input(light, rows);
    std::vector<std::string> args{"--tables", QUINTARO_TABLES_DIR};
    if (lightest)
        args.emplace_back("--lightest");
    if (norma != nullptr) {
        args.emplace_back("--norma");
        args.emplace_back(norma);
    }
    args.push_back(input.string());
    double peak = 0.0;
    for (auto _ : st) {
        const Usage u = run(args);
        if (!u.ok) {
            st.SkipWithError("quintaro-lote failed");
            break;
        }
        st.SetIterationTime(u.cpu_seconds);
        peak = std::max(peak, u.peak_mb);
    }
    st.counters["peak_MB"] = peak;
    st.counters["rows"] = rows;
    fs::remove(input);
}

void Check100000(benchmark::State& st) {
    lote(st, false);
}
void Lightest100000(benchmark::State& st) {
    lote(st, true);
}
void LightestNearTheStart100000(benchmark::State& st) {
    lote(st, true, true);
}

void Check10000Under2008(benchmark::State& st) {
    lote(st, false, false, 10000, "2008");
}
void Lightest10000Under2008(benchmark::State& st) {
    lote(st, true, false, 10000, "2008");
}

BENCHMARK(Check100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Lightest100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LightestNearTheStart100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(Check10000Under2008)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Lightest10000Under2008)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
