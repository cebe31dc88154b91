// One "Calcular" of each member family with every check running (compression
// with the effective-width iteration, shear, both bendings, combined ratio).
#include <benchmark/benchmark.h>

#include <string>

#include "checks/member.h"
#include "checks/windows.h"
#include "testing/map_boxes.h"

namespace {

using quintaro::checks::WindowKind;

using Boxes = quintaro::testing::MapBoxes;

class Silent : public quintaro::checks::Messages {
  public:
    void show(std::string_view) override {}
};

Boxes member_boxes(WindowKind kind) {
    Boxes b;
    b.values = {{"tipo_aco", "MR250"}, {"fy_aco", "25"},    {"fu_aco", "40"},  {"Compri_x", "300"},
                {"Compri_y", "150"},   {"Compri_z", "200"}, {"R_Nd", "-200"},  {"R_Vd", "50"},
                {"R_Mdx", "5000"},     {"R_Mdy", "500"},    {"R_Perfil", "B1"}};
    switch (kind) {
        case WindowKind::I_Laminado:
        case WindowKind::H_Laminado:
            b.values.insert({{"R_d", "300"},
                             {"R_bf", "150"},
                             {"R_tw", "6"},
                             {"R_tf", "10"},
                             {"R_Ag", "50"},
                             {"R_Peso", "39"},
                             {"R_Ix", "8000"},
                             {"R_Iy", "500"},
                             {"R_Wx", "530"},
                             {"R_Wy", "66"},
                             {"R_Zx", "600"},
                             {"R_Zy", "102"},
                             {"R_IT", "10"}});
            break;
        case WindowKind::U_Laminado:
            b.values.insert({{"R_d", "254"},
                             {"R_bf", "66"},
                             {"R_tw", "6,1"},
                             {"R_tf", "11,1"},
                             {"R_Ag", "37,9"},
                             {"R_Peso", "29,8"},
                             {"R_Ix", "2800"},
                             {"R_Iy", "95,1"},
                             {"R_Wx", "221"},
                             {"R_Wy", "18,8"},
                             {"R_x", "1,3"},
                             {"R_IT", "4,5"}});
            break;
        case WindowKind::I_Soldado:
            b.values.insert({{"Serie", "VS"},
                             {"R_d", "900"},
                             {"R_bf", "350"},
                             {"R_tw", "8"},
                             {"R_tf", "12,5"},
                             {"R_Peso", "123,6"}});
            b.values["R_Mdx"] = "0";  // pure compression: the iteration runs
            b.values["R_Mdy"] = "0";
            b.values["R_Nd"] = "-1500";
            break;
        case WindowKind::L_Laminado:
        case WindowKind::LT_Laminado:
        case WindowKind::LU_Laminado:
        case WindowKind::LX_Laminado:
            b.values.insert({{"R_bf", "100"},
                             {"R_tf", "10"},
                             {"R_Ag", "19,2"},
                             {"R_Peso", "15,1"},
                             {"R_Ixy", "177"},
                             {"R_rz", "1,95"},
                             {"R_xy", "2,82"},
                             {"R_e", "8"},
                             {"R_Ntd", "100"}});
            break;
        case WindowKind::L2_Laminado:
        case WindowKind::L2T_Ma_Laminado:
        case WindowKind::L2T_Me_Laminado:
        case WindowKind::L2U_Ma_Laminado:
        case WindowKind::L2U_Me_Laminado:
            b.values.insert({{"R_d", "127"},
                             {"R_bf", "76,2"},
                             {"R_tf", "9,53"},
                             {"R_Ag", "18,5"},
                             {"R_Peso", "14,5"},
                             {"R_Ix", "306"},
                             {"R_Iy", "83,7"},
                             {"R_x", "1,77"},
                             {"R_y", "4,29"},
                             {"R_rz", "1,64"},
                             {"R_e", "8"}});
            break;
    }
    return b;
}

void BM_Check(benchmark::State& st, WindowKind kind) {
    Boxes b = member_boxes(kind);
    Silent m;
    const auto& window = quintaro::checks::descriptor(kind);
    auto state = window.make_state();
    for (auto _ : st) {
        benchmark::DoNotOptimize(quintaro::checks::check(kind, b, m, *state));
    }
    st.counters["checks/s"] =
        benchmark::Counter(static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}

// The same members checked to NBR 8800:2008, the inputs it adds at the
// window's defaults (the welded VS in pure compression: Annex F's web).
void BM_Check2008(benchmark::State& st, WindowKind kind) {
    using quintaro::checks::Standard;
    Boxes b = member_boxes(kind);
    Silent m;
    const auto& window = quintaro::checks::descriptor(kind, Standard::Nbr2008);
    for (std::string_view input : window.inputs) {
        if (!b.has(input))
            b.set_text(input, quintaro::checks::input_default(input));
    }
    auto state = window.make_state();
    if (!quintaro::checks::check(window, b, m, *state)) {
        st.SkipWithError("the check stopped");
        return;
    }
    for (auto _ : st) {
        benchmark::DoNotOptimize(quintaro::checks::check(window, b, m, *state));
    }
    st.counters["checks/s"] =
        benchmark::Counter(static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(BM_Check, rolled_I, WindowKind::I_Laminado);
BENCHMARK_CAPTURE(BM_Check, rolled_H, WindowKind::H_Laminado);
BENCHMARK_CAPTURE(BM_Check, channel, WindowKind::U_Laminado);
BENCHMARK_CAPTURE(BM_Check, welded_VS_iteration, WindowKind::I_Soldado);
BENCHMARK_CAPTURE(BM_Check, single_angle_unequal, WindowKind::L2_Laminado);
BENCHMARK_CAPTURE(BM_Check, angle_pair_T_two_forces, WindowKind::LT_Laminado);
BENCHMARK_CAPTURE(BM_Check2008, rolled_I_2008, WindowKind::I_Laminado);
BENCHMARK_CAPTURE(BM_Check2008, rolled_H_2008, WindowKind::H_Laminado);
BENCHMARK_CAPTURE(BM_Check2008, channel_2008, WindowKind::U_Laminado);
BENCHMARK_CAPTURE(BM_Check2008, welded_VS_2008, WindowKind::I_Soldado);

}  // namespace

BENCHMARK_MAIN();
