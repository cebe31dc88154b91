// quintaro-lote as a whole process over 10 000 generated members of every
// family, taken from the bundled catalogues (startup, table reading, checks,
// output included).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

fs::path write_input(int rows) {
    const fs::path path = fs::temp_directory_path() / "quintaro_lote_bench.csv";
    std::ofstream out(path);
    out << "janela;perfil;Serie;Compri_x;Compri_y;Compri_z;R_Nd;R_Vd;R_Mdx;R_Mdy\n";
    const char* members[] = {
        "TForm_I_Laminado;I 75 x 8,5;", "TForm_H_Laminado;W 150 x 22,5;",
        "TForm_U_Laminado;U 75 x 5,2;", "TI_Soldado;CS 250 x 52;CS",
        "TI_Soldado;VS 900 x 124;VS",
    };
    for (int i = 0; i < rows; ++i) {
        out << members[i % 5] << ";" << 100 + i % 400 << ";" << 100 + i % 300 << ";"
            << 100 + i % 200 << ";-" << 10 + i % 500 << ";" << i % 50 << ";" << 100 + i % 1000
            << ";" << i % 100 << "\n";
    }
    return path;
}

void BM_Lote10000(benchmark::State& st) {
    const fs::path input = write_input(10000);
    const fs::path output = fs::temp_directory_path() / "quintaro_lote_bench_out.csv";
    const std::string command = std::string("'") + QUINTARO_LOTE_EXE + "' --tables '" +
                                QUINTARO_TABLES_DIR + "' '" + input.string() + "' > '" +
                                output.string() + "'";
    for (auto _ : st) {
        const int status = std::system(command.c_str());
        if (status != 0)
            st.SkipWithError("quintaro-lote failed");
    }
    st.counters["rows/s"] = benchmark::Counter(10000.0 * static_cast<double>(st.iterations()),
                                               benchmark::Counter::kIsRate);
    fs::remove(input);
    fs::remove(output);
}

BENCHMARK(BM_Lote10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
