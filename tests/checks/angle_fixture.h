#pragma once

#include <map>
#include <string>

#include "checks/angle.h"
#include "checks/windows.h"
#include "testing/map_boxes.h"

namespace quintaro::testing {

// A catalogue row: field name -> text as the data-aware box shows it.
using AngleRow = std::map<std::string, std::string>;

// Equal-leg angle A1 of our own: bf = 100, tf = 10 mm, Ag = 20 cm²,
// Ix' = Iy' = 180 cm⁴, rz = 2 cm, x = y = 2,8 cm.
// Single angle: Ix = Ag·rz² = 80, Iy = 2·180 − 80 = 280 cm⁴, rx = rz = 2,
// ry = √(280/20) = √14 = 3,74165738677394 cm.
inline const AngleRow kA1{{"BITOLA", "A1"}, {"BF", "100"},   {"TF", "10"}, {"AREA", "20"},
                          {"PESO", "15,7"}, {"I_XY", "180"}, {"RZ", "2"},  {"XY", "2,8"}};

// Angle B1 of two leg widths: d (BW) = 150, bf = 100, tf = 10 mm, Ag = 24 cm²,
// IX = 550, IY = 200 cm⁴, X = 2,4, Y = 4,9, rz = 2,2 cm.
inline const AngleRow kB1{{"BITOLA", "B1"}, {"BW", "150"},    {"BF", "100"}, {"TF", "10"},
                          {"AG", "24"},     {"PESO", "18,8"}, {"IX", "550"}, {"IY", "200"},
                          {"X", "2,4"},     {"Y", "4,9"},     {"RZ", "2,2"}};

// The boxes of `kind` as its panel shows `row` (through the window's own field
// bindings, so the turned windows get the swapped values), steel T51
// (fy = 51,25, fu = 60 kN/cm²: √(E/fy) = √400 = 20 exactly, so that
// 0,44·20 = 8,8, 0,55·20 = 11, 0,9·20 = 18), every input "0,00".
inline MapBoxes angle_boxes(checks::WindowKind kind, const AngleRow& row) {
    MapBoxes b;
    const checks::WindowDescriptor& w = checks::descriptor(kind);
    for (const checks::PanelField& f : w.panel) {
        const auto it = row.find(std::string(f.field));
        if (it != row.end())
            b.set_text(f.box, it->second);
    }
    for (std::string_view input : w.inputs)
        b.set_text(input, "0,00");
    b.set({{"tipo_aco", "T51"}, {"fy_aco", "51,25"}, {"fu_aco", "60"}});
    return b;
}

// One "Calcular" of an angle window.
struct AngleRun {
    MapBoxes boxes;
    RecordingMessages messages;
    checks::AngleState state;
    bool completed = false;
};

inline AngleRun run_angle(checks::WindowKind kind, MapBoxes boxes, checks::AngleState state = {}) {
    AngleRun r{std::move(boxes), {}, std::move(state), false};
    r.completed = checks::check(kind, r.boxes, r.messages, r.state);
    return r;
}

// The messages as the user reads them, typed here once more so that a slip in
// the program's copy is caught.
inline const std::string kRefusalText =
    "Não é possível dimensionar o\n      perfil a compressão!\nComprimento(os) inválido(os)!";
inline const std::string kSlendernessText =
    "Esbeltez deve ser < 200\n(Item 5.3.5 NBR8800/88)\nRecomenda-se adotar outra seção!";
inline const std::string kSpacerText =
    "Espessura dos espaçadores é menor\n      que a espessura das abas (e<tf).\n"
    "Recomenda-se aumentar a espessura\n           dos espaçadores (e)!";

}  // namespace quintaro::testing
