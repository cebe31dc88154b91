#include <benchmark/benchmark.h>

#include <string>

#include "checks/boxes.h"
#include "checks/windows.h"
#include "report/report.h"
#include "testing/map_boxes.h"

namespace {

using quintaro::checks::WindowKind;

using Boxes = quintaro::testing::MapBoxes;

class Quiet : public quintaro::checks::Messages {
  public:
    void show(std::string_view) override {}
};

void write(benchmark::State& run, WindowKind kind, Boxes boxes) {
    const auto& window = quintaro::checks::descriptor(kind);
    auto state = window.make_state();
    Quiet quiet;
    if (!quintaro::checks::check(kind, boxes, quiet, *state)) {
        run.SkipWithError("the check stopped");
        return;
    }
    std::size_t lines = 0;
    for (auto _ : run) {
        quintaro::report::RecordingSink sink;
        quintaro::report::write_report(kind, *state, sink);
        lines = sink.lines().size();
        benchmark::DoNotOptimize(lines);
    }
    run.counters["paragraphs"] = static_cast<double>(lines);
}

void RolledIEveryCheck(benchmark::State& run) {
    Boxes b;
    b.values = {
        {"tipo_aco", "MR250"}, {"fy_aco", "25"},    {"fu_aco", "40"},    {"R_Perfil", "W"},
        {"R_d", "525"},        {"R_bf", "165"},     {"R_tw", "8,9"},     {"R_tf", "11,4"},
        {"R_Ag", "83,6"},      {"R_Peso", "66"},    {"R_Ix", "34971"},   {"R_Iy", "859"},
        {"R_Wx", "1332,2"},    {"R_Wy", "104,2"},   {"R_Zx", "1558"},    {"R_Zy", "166"},
        {"R_IT", "31,52"},     {"Compri_x", "600"}, {"Compri_y", "200"}, {"Compri_z", "200"},
        {"R_Nd", "-400"},      {"R_Vd", "100"},     {"R_Mdx", "5000"},   {"R_Mdy", "300"}};
    write(run, WindowKind::I_Laminado, b);
}
BENCHMARK(RolledIEveryCheck);

void AnglePairTwoForces(benchmark::State& run) {
    Boxes b;
    b.values = {{"tipo_aco", "MR250"}, {"fy_aco", "25"},    {"fu_aco", "40"}, {"R_Perfil", "L"},
                {"R_bf", "76,2"},      {"R_tf", "4,76"},    {"R_Ag", "7,03"}, {"R_Peso", "5,5"},
                {"R_Ixy", "39,9"},     {"R_rz", "1,52"},    {"R_xy", "2,08"}, {"R_e", "8"},
                {"Compri_x", "200"},   {"Compri_y", "200"}, {"R_Nd", "-100"}, {"R_Ntd", "150"}};
    write(run, WindowKind::LT_Laminado, b);
}
BENCHMARK(AnglePairTwoForces);

}  // namespace

BENCHMARK_MAIN();
