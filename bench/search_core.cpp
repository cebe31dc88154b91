// The lightest-section search walking the whole of the largest catalogue
// (welded CS, 139 rows) through the real checks and a real Table: actions no
// section can carry, so every row is checked.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "catalogue/table.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "search/catalogue_driver.h"
#include "search/lightest.h"

namespace {

using namespace quintaro;

class MapBoxes : public checks::Boxes {
  public:
    bool has(std::string_view name) const override { return texts.count(std::string(name)) > 0; }
    std::string text(std::string_view name) const override {
        auto it = texts.find(std::string(name));
        return it == texts.end() ? std::string() : it->second;
    }
    void set_text(std::string_view name, std::string_view text) override {
        texts[std::string(name)] = std::string(text);
    }
    void set_verdict(std::string_view field, bool passed) override {
        texts[std::string(field)] = std::string(passed ? checks::kOk : checks::kNotOk);
    }
    void clear_verdict(std::string_view field) override { texts[std::string(field)].clear(); }
    std::map<std::string, std::string> texts;
};

class CountedMessages : public checks::Messages {
  public:
    void show(std::string_view) override { ++count; }
    int count = 0;
};

void WholeWeldedCsCatalogue(benchmark::State& st) {
    auto opened = catalogue::Table::open("I_Soldado_CS.DBF",
                                         catalogue::TableLocation{QUINTARO_BENCH_DATA_DIR, ""});
    if (!opened) {
        st.SkipWithError(opened.error().c_str());
        return;
    }
    std::unique_ptr<catalogue::Table> table = std::move(opened).value();
    const checks::WindowDescriptor& window = *checks::find_window("TI_Soldado");
    MapBoxes boxes;
    boxes.texts = {{"tipo_aco", "A36"}, {"fy_aco", "25"},    {"fu_aco", "40"},
                   {"Serie", "CS"},     {"Compri_x", "600"}, {"Compri_y", "300"},
                   {"Compri_z", "300"}, {"R_Nd", "-100000"}, {"R_Vd", "50"},
                   {"R_Mdx", "5000"},   {"R_Mdy", "500"}};
    CountedMessages messages;
    std::unique_ptr<checks::WorkingState> state = window.make_state();
    search::CatalogueDriver driver(window, boxes, messages, *state,
                                   [&](const checks::CatalogueTable&) { return table.get(); });
    int checks_run = 0;
    for (auto _ : st) {
        const search::SearchOutcome out =
            search::find_lightest(window.class_name, driver, messages);
        checks_run = out.checks;
        benchmark::DoNotOptimize(out);
    }
    st.counters["rows"] = checks_run;
    // Rows per second; 100 rows take 100 / rate seconds.
    st.SetItemsProcessed(static_cast<int64_t>(st.iterations()) * checks_run);
}
BENCHMARK(WholeWeldedCsCatalogue)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
