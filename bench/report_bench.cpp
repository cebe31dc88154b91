#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "checks/boxes.h"
#include "checks/windows.h"
#include "report/report.h"

namespace {

using quintaro::checks::WindowKind;

class Boxes : public quintaro::checks::Boxes {
  public:
    std::map<std::string, std::string, std::less<>> texts;
    bool has(std::string_view name) const override { return texts.find(name) != texts.end(); }
    std::string text(std::string_view name) const override {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }
    void set_text(std::string_view name, std::string_view text) override {
        texts.insert_or_assign(std::string(name), std::string(text));
    }
    void set_verdict(std::string_view field, bool passed) override {
        set_text(field, passed ? "Ok!" : "Não Ok!");
    }
    void clear_verdict(std::string_view field) override { set_text(field, ""); }
};

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
    b.texts = {{"tipo_aco", "MR250"}, {"fy_aco", "25"},    {"fu_aco", "40"},    {"R_Perfil", "W"},
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
    b.texts = {{"tipo_aco", "MR250"}, {"fy_aco", "25"},    {"fu_aco", "40"}, {"R_Perfil", "L"},
               {"R_bf", "76,2"},      {"R_tf", "4,76"},    {"R_Ag", "7,03"}, {"R_Peso", "5,5"},
               {"R_Ixy", "39,9"},     {"R_rz", "1,52"},    {"R_xy", "2,08"}, {"R_e", "8"},
               {"Compri_x", "200"},   {"Compri_y", "200"}, {"R_Nd", "-100"}, {"R_Ntd", "150"}};
    write(run, WindowKind::LT_Laminado, b);
}
BENCHMARK(AnglePairTwoForces);

}  // namespace

BENCHMARK_MAIN();
