#include <benchmark/benchmark.h>

#include <QApplication>

#include "shell/application.h"

// Every window created once, each opening its catalogue, as at start-up.
static void BM_CreateEveryWindow(benchmark::State& state) {
    const quintaro::catalogue::TableLocation where{QUINTARO_BUNDLED_DATA, ""};
    for (auto _ : state) {
        quintaro::shell::Windows windows(where);
        benchmark::DoNotOptimize(windows.all().size());
    }
}
BENCHMARK(BM_CreateEveryWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
