// The lightest-section search walking the whole of the largest catalogue
// (welded CS, 139 rows) through the real checks and a real Table: actions no
// section can carry, so every row is checked.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "catalogue/table.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "search/catalogue_driver.h"
#include "search/lightest.h"
#include "testing/map_boxes.h"

namespace {

using namespace quintaro;

using quintaro::testing::MapBoxes;

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
    boxes.values = {{"tipo_aco", "A36"}, {"fy_aco", "25"},    {"fu_aco", "40"},
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
