#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "checks/boxes.h"
#include "checks/frame.h"

// The member windows as data: for each one its class name, catalogue tables,
// which catalogue field each panel box shows, its input boxes, its result rows
// and its check. The windows, quintaro-lote and the search all read this one
// table, so a window added here is known to all of them.
namespace quintaro::checks {

enum class WindowKind {
    I_Laminado,
    H_Laminado,
    U_Laminado,
    I_Soldado,
    L_Laminado,
    L2_Laminado,
    LT_Laminado,
    LU_Laminado,
    LX_Laminado,
    L2T_Ma_Laminado,
    L2T_Me_Laminado,
    L2U_Ma_Laminado,
    L2U_Me_Laminado,
};

// A panel box and the catalogue field it shows.
struct PanelField {
    std::string_view box;
    std::string_view field;
};

// A catalogue table of a window. Windows with one table have series "".
struct CatalogueTable {
    std::string_view series;
    std::string_view file;
    std::string_view default_tag;
};

using CheckFunction = void (*)(Boxes&, Messages&, WorkingState&);
using StateFactory = std::unique_ptr<WorkingState> (*)();

struct WindowDescriptor {
    WindowKind kind;
    std::string_view class_name;
    std::span<const CatalogueTable> tables;  // the first is the default
    std::string_view series_box;             // "Serie" in the welded window, else ""
    std::span<const PanelField> panel;       // the first is the designation box
    std::span<const std::string_view> inputs;
    // A row whose verdict is "" has no verdict field (the spacing of the
    // spacers of a pair of angles).
    std::span<const ResultRow> results;
    CheckFunction check;
    StateFactory make_state;
};

std::span<const WindowDescriptor> window_descriptors();
const WindowDescriptor& descriptor(WindowKind kind);
// By class name ("TForm_I_Laminado"), or nullptr.
const WindowDescriptor* find_window(std::string_view class_name);
// The table of a series; "" means the default (first) table; nullptr for a
// series the window does not have.
const CatalogueTable* table_for_series(const WindowDescriptor& window, std::string_view series);

// Labels, captions and hints that a window gives a box in its own words,
// where they differ from the box's usual label (the angle windows' forces,
// results and spacing). Lines of a caption are separated by '\n'.
struct BoxCaption {
    WindowKind window;
    std::string_view box;
    std::string_view label;
    std::string_view hint;  // "" for none
};
std::span<const BoxCaption> box_captions();
// The caption of `box` in `window`, or nullptr when it has the usual one.
const BoxCaption* find_caption(WindowKind window, std::string_view box);

// objectName of the window's "Calcular" button ("BitBtn1"; "BitBtn4" in the
// cross of two angles).
std::string_view calculate_button(WindowKind kind);

// "Calcular" of a window: runs its check on the boxes, keeping the quantities
// in `state` (made by the window's make_state). A stopped check has shown its
// message; returns false then.
bool check(WindowKind kind, Boxes& boxes, Messages& messages, WorkingState& state);

}  // namespace quintaro::checks
