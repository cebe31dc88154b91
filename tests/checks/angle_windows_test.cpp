// The nine angle windows as the GUI, the search and quintaro-lote see them:
// class names, tables and default tags, panel bindings, inputs and results,
// and "Calcular" reached through the window kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "angle_fixture.h"
#include "common/decimal.h"

namespace quintaro::testing {
namespace {

using checks::WindowKind;

struct WindowCase {
    WindowKind kind;
    const char* class_name;
    const char* table;
    const char* tag;
    bool two_forces;
    bool spacing;
};

const WindowCase kWindows[] = {
    {WindowKind::L_Laminado, "TL_Laminado", "L_Laminado.DBF", "BF", false, false},
    {WindowKind::L2_Laminado, "TL2_Laminado", "L2_Laminado.DBF", "BW", false, false},
    {WindowKind::LT_Laminado, "TLT_Laminado", "L_Laminado.DBF", "BF", true, true},
    {WindowKind::LU_Laminado, "TLU_Laminado", "L_Laminado.dbf", "BF", false, true},
    {WindowKind::LX_Laminado, "TLX_Laminado", "L_Laminado.dbf", "BF", false, true},
    {WindowKind::L2T_Ma_Laminado, "TL2T_Ma_Laminado", "L2_Laminado.DBF", "BF", false, true},
    {WindowKind::L2T_Me_Laminado, "TL2T_Me_Laminado", "L2_Laminado.DBF", "BF", false, true},
    {WindowKind::L2U_Ma_Laminado, "TL2U_Ma_Laminado", "L2_Laminado.DBF", "BF", false, true},
    {WindowKind::L2U_Me_Laminado, "TL2U_Me_Laminado", "L2_Laminado.DBF", "BW", false, true},
};

std::vector<std::string> names(std::span<const std::string_view> list) {
    return {list.begin(), list.end()};
}

TEST(AngleWindows, Descriptors) {
    for (const WindowCase& c : kWindows) {
        SCOPED_TRACE(c.class_name);
        const checks::WindowDescriptor* w = checks::find_window(c.class_name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->kind, c.kind);
        ASSERT_EQ(w->tables.size(), 1u);
        EXPECT_EQ(w->tables[0].file, c.table);
        EXPECT_EQ(w->tables[0].default_tag, c.tag);
        EXPECT_EQ(w->series_box, "");
        EXPECT_EQ(w->panel.front().box, "R_Perfil");
        EXPECT_EQ(w->panel.front().field, "BITOLA");

        std::vector<std::string> inputs{"Compri_x", "Compri_y", "R_Nd"};
        if (c.two_forces)
            inputs.push_back("R_Ntd");
        if (c.spacing)
            inputs.push_back("R_e");
        EXPECT_EQ(names(w->inputs), inputs);

        std::vector<std::string> results;
        for (const checks::ResultRow& row : w->results) {
            results.emplace_back(row.box);
            results.emplace_back(row.verdict);
        }
        std::vector<std::string> expected{"R_RdNd", "resposta1"};
        if (c.two_forces)
            expected.insert(expected.end(), {"R_RdNt", "Resposta2"});
        if (c.spacing)
            expected.insert(expected.end(), {"R_espa", ""});
        EXPECT_EQ(results, expected);
    }
}

std::string field_of(WindowKind kind, std::string_view box) {
    for (const checks::PanelField& f : checks::descriptor(kind).panel) {
        if (f.box == box)
            return std::string(f.field);
    }
    return "(none)";
}

TEST(AngleWindows, PanelBindings) {
    // The equal-leg table in all three pairs and the single angle.
    for (WindowKind kind : {WindowKind::L_Laminado, WindowKind::LT_Laminado,
                            WindowKind::LU_Laminado, WindowKind::LX_Laminado}) {
        SCOPED_TRACE(checks::descriptor(kind).class_name);
        EXPECT_EQ(field_of(kind, "R_bf"), "BF");
        EXPECT_EQ(field_of(kind, "R_tf"), "TF");
        EXPECT_EQ(field_of(kind, "R_Ag"), "AREA");
        EXPECT_EQ(field_of(kind, "R_Peso"), "PESO");
        EXPECT_EQ(field_of(kind, "R_Ixy"), "I_XY");
        EXPECT_EQ(field_of(kind, "R_rz"), "RZ");
        EXPECT_EQ(field_of(kind, "R_xy"), "XY");
    }
    // Two widths: the turned windows show the fields of the other axis.
    struct Binding {
        WindowKind kind;
        const char *Ix, *Iy, *x, *y;
    };
    for (const Binding& b : {Binding{WindowKind::L2_Laminado, "IX", "IY", "X", "Y"},
                             Binding{WindowKind::L2T_Ma_Laminado, "IX", "IY", "X", "Y"},
                             Binding{WindowKind::L2U_Ma_Laminado, "IX", "IY", "X", "Y"},
                             Binding{WindowKind::L2T_Me_Laminado, "IY", "IX", "Y", "X"},
                             Binding{WindowKind::L2U_Me_Laminado, "IY", "IX", "Y", "X"}}) {
        SCOPED_TRACE(checks::descriptor(b.kind).class_name);
        EXPECT_EQ(field_of(b.kind, "R_d"), "BW");
        EXPECT_EQ(field_of(b.kind, "R_bf"), "BF");
        EXPECT_EQ(field_of(b.kind, "R_tf"), "TF");
        EXPECT_EQ(field_of(b.kind, "R_Ag"), "AG");
        EXPECT_EQ(field_of(b.kind, "R_Peso"), "PESO");
        EXPECT_EQ(field_of(b.kind, "R_rz"), "RZ");
        EXPECT_EQ(field_of(b.kind, "R_Ix"), b.Ix);
        EXPECT_EQ(field_of(b.kind, "R_Iy"), b.Iy);
        EXPECT_EQ(field_of(b.kind, "R_x"), b.x);
        EXPECT_EQ(field_of(b.kind, "R_y"), b.y);
    }
}

TEST(AngleWindows, TurnedWindowShowsTheOtherAxis) {
    // The same row of B1 in the Ma and Me T windows: the boxes of x and y swap.
    const MapBoxes ma = angle_boxes(WindowKind::L2T_Ma_Laminado, kB1);
    const MapBoxes me = angle_boxes(WindowKind::L2T_Me_Laminado, kB1);
    EXPECT_EQ(ma.text("R_Ix"), me.text("R_Iy"));
    EXPECT_EQ(ma.text("R_Iy"), me.text("R_Ix"));
    EXPECT_EQ(ma.text("R_x"), me.text("R_y"));
    EXPECT_EQ(ma.text("R_y"), me.text("R_x"));
    EXPECT_EQ(ma.text("R_d"), me.text("R_d"));
}

TEST(AngleWindows, EveryWindowRunsThroughItsKind) {
    // Tension of 100 kN on every window with a fresh state made by the
    // window's own factory: Rd = min(0,9·Ag·51,25, 0,75·Ag·60) = 45·Ag.
    for (const WindowCase& c : kWindows) {
        SCOPED_TRACE(c.class_name);
        const checks::WindowDescriptor& w = checks::descriptor(c.kind);
        const bool equal = std::any_of(w.panel.begin(), w.panel.end(),
                                       [](const auto& f) { return f.field == "AREA"; });
        MapBoxes b = angle_boxes(c.kind, equal ? kA1 : kB1);
        b.set_text(c.two_forces ? "R_Ntd" : "R_Nd", "100");
        RecordingMessages messages;
        auto state = w.make_state();
        ASSERT_TRUE(checks::check(c.kind, b, messages, *state));
        const double Ag = equal ? 20.0 : 24.0;
        const double pair = c.spacing ? 2.0 : 1.0;
        EXPECT_EQ(b.text(c.two_forces ? "R_RdNt" : "R_RdNd"), format_decimal(45.0 * Ag * pair, 6));
        EXPECT_EQ(b.text(c.two_forces ? "Resposta2" : "resposta1"), "Ok!");
        EXPECT_EQ(b.has("R_espa"), c.spacing);
    }
}

}  // namespace
}  // namespace quintaro::testing
