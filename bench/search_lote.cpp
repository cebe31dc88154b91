// quintaro-lote --lightest as a whole process: 50 welded CS members whose
// actions no section carries, so each row walks all 139 rows of the largest
// catalogue (start-up, table reading, checks and output included).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kMembers = 50;
constexpr int kCatalogueRows = 139;

fs::path write_input() {
    const fs::path path = fs::temp_directory_path() / "quintaro_search_lote_bench.csv";
    std::ofstream out(path);
    out << "janela;Serie;Compri_x;Compri_y;Compri_z;R_Nd;R_Vd;R_Mdx;R_Mdy\n";
    for (int i = 0; i < kMembers; ++i)
        out << "TI_Soldado;CS;600;300;300;-" << 100000 + i << ";50;5000;500\n";
    return path;
}

void LoteLightestWholeWeldedCs(benchmark::State& st) {
    const fs::path input = write_input();
    const fs::path output = fs::temp_directory_path() / "quintaro_search_lote_bench_out.csv";
    const std::string command = std::string("'") + QUINTARO_LOTE_EXE + "' --lightest --tables '" +
                                QUINTARO_TABLES_DIR + "' '" + input.string() + "' > '" +
                                output.string() + "'";
    for (auto _ : st) {
        if (std::system(command.c_str()) != 0) {
            st.SkipWithError("quintaro-lote --lightest failed");
            break;
        }
    }
    // Rows checked per second.
    st.SetItemsProcessed(static_cast<int64_t>(st.iterations()) * kMembers * kCatalogueRows);
    fs::remove(input);
    fs::remove(output);
}
BENCHMARK(LoteLightestWholeWeldedCs)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
