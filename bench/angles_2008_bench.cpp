// One "Calcular" of an angle window under NBR 8800:2008 from its boxes:
// the T with both forces (tension with Ct, compression with Neyz, the
// spacing), the unequal single angle centred (the cubic of E.1.3) and by one
// leg (E.1.4).
#include <benchmark/benchmark.h>

#include "checks/angle_2008.h"
#include "testing/map_boxes.h"

namespace {

using quintaro::checks::WindowKind;
using Boxes = quintaro::testing::MapBoxes;

class Silent : public quintaro::checks::Messages {
  public:
    void show(std::string_view) override {}
};

Boxes angle_boxes(WindowKind kind, const char* loading) {
    Boxes b;
    b.values = {{"tipo_aco", "MR250"}, {"fy_aco", "25"},    {"fu_aco", "40"},
                {"Compri_x", "300"},   {"Compri_y", "300"}, {"R_Perfil", "B1"},
                {"R_lc", "10"},        {"R_An", "8"},       {"Ligacao", loading}};
    if (kind == WindowKind::LT_Laminado) {
        b.values.insert({{"R_bf", "76,2"},
                         {"R_tf", "6,35"},
                         {"R_Ag", "9,29"},
                         {"R_Ixy", "51,2"},
                         {"R_rz", "1,49"},
                         {"R_xy", "2,12"},
                         {"R_e", "8"},
                         {"R_Nd", "50"},
                         {"R_Ntd", "100"}});
    } else {
        b.values.insert({{"R_d", "102"},
                         {"R_bf", "76,2"},
                         {"R_tf", "6,35"},
                         {"R_Ag", "10,9"},
                         {"R_Ix", "114"},
                         {"R_Iy", "55,4"},
                         {"R_x", "1,84"},
                         {"R_y", "3,10"},
                         {"R_rz", "1,62"},
                         {"Aba_ligada", "bf"},
                         {"R_Nd", "-50"}});
    }
    return b;
}

void BM_Angle2008(benchmark::State& st, WindowKind kind, const char* loading) {
    Boxes b = angle_boxes(kind, loading);
    Silent m;
    quintaro::checks::AngleState2008 state;
    for (auto _ : st) {
        quintaro::checks::check_angle_2008(kind, b, m, state);
        benchmark::DoNotOptimize(state.result.governing_ratio);
    }
    st.counters["checks/s"] =
        benchmark::Counter(static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(BM_Angle2008, pair_T_two_forces, WindowKind::LT_Laminado, "");
BENCHMARK_CAPTURE(BM_Angle2008, unequal_centred, WindowKind::L2_Laminado, "Carga centrada");
BENCHMARK_CAPTURE(BM_Angle2008, unequal_planar_truss, WindowKind::L2_Laminado, "");

}  // namespace

BENCHMARK_MAIN();
