#pragma once

#include <gtest/gtest.h>

#include <string>

#include "checks/member.h"
#include "checks/windows.h"
#include "testing/map_boxes.h"

namespace quintaro::testing {

// Two steels used by the hand calculations:
//  - "A36": fy = 25, fu = 40 kN/cm²;
//  - "T51": fy = 51,25 kN/cm², chosen so that √(E/fy) = √(20500/51,25) = 20
//    exactly and every limit of the form c·√(E/fy) is a round number
//    (0,55·20 = 11; 1,02·20 = 20,4; 1,47·20 = 29,4; 3,5·20 = 70; 5,6·20 = 112;
//    0,38·20 = 7,6; 1,75·20 = 35).
inline void set_steel(MapBoxes& b, const std::string& fy, const std::string& fu) {
    b.set({{"tipo_aco", "ensaio"}, {"fy_aco", fy}, {"fu_aco", fu}});
}

inline void set_actions(MapBoxes& b, const std::string& Nd, const std::string& Vd,
                        const std::string& Mdx, const std::string& Mdy) {
    b.set({{"R_Nd", Nd}, {"R_Vd", Vd}, {"R_Mdx", Mdx}, {"R_Mdy", Mdy}});
}

inline void set_lengths(MapBoxes& b, const std::string& Lflx, const std::string& Lfly,
                        const std::string& Lb) {
    b.set({{"Compri_x", Lflx}, {"Compri_y", Lfly}, {"Compri_z", Lb}});
}

// Rolled section R1 of our own: d = 300, bf = 150, tw = 6, tf = 10 mm;
// Ag = 50 cm², Ix = 8000, Iy = 500 cm⁴, Wx = 530, Wy = 66, Zx = 600,
// Zy = 102 cm³, IT = 10 cm⁴. So h = 280 mm, rx = √160 = 12,6491 cm,
// ry = √10 = 3,16228 cm. Steel A36, no actions, lengths 0.
inline MapBoxes rolled_r1() {
    MapBoxes b{{"R_Perfil", "R1"}, {"R_d", "300"},  {"R_bf", "150"},  {"R_tw", "6"},
               {"R_tf", "10"},     {"R_Ag", "50"},  {"R_Peso", "39"}, {"R_Ix", "8000"},
               {"R_Iy", "500"},    {"R_Wx", "530"}, {"R_Wy", "66"},   {"R_Zx", "600"},
               {"R_Zy", "102"},    {"R_IT", "10"}};
    set_steel(b, "25", "40");
    set_actions(b, "0,00", "0,00", "0,00", "0,00");
    set_lengths(b, "0,00", "0,00", "0,00");
    return b;
}

// Every result box and verdict field as the frame leaves them.
inline void expect_untouched(const MapBoxes& b, const std::string& box,
                             const std::string& verdict) {
    EXPECT_EQ(b.text(box), "0,00") << box;
    EXPECT_EQ(b.text(verdict), "") << verdict;
}

// One "Calcular" of a window on a fresh working state.
struct CheckRun {
    MapBoxes boxes;
    RecordingMessages messages;
    checks::MemberState state;
    bool completed = false;
};

inline CheckRun run_check(checks::WindowKind kind, MapBoxes boxes) {
    CheckRun r{std::move(boxes), {}, {}, false};
    r.completed = checks::check(kind, r.boxes, r.messages, r.state);
    return r;
}

}  // namespace quintaro::testing
