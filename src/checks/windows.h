#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "checks/boxes.h"
#include "checks/frame.h"
#include "checks/standard.h"
#include "checks/window_kind.h"

// The member windows as data: for each one its class name, catalogue tables,
// which catalogue field each panel box shows, its input boxes, its result rows
// and its check. The windows, quintaro-lote and the search all read this one
// table (one row per window, keyed by WindowKind), so a window added here is
// known to all of them.
namespace quintaro::checks {

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

// What a window does under one standard: the boxes it reads besides the
// panel and the steel, the rows it writes and its check.
struct WindowRules {
    WindowKind kind;
    std::span<const std::string_view> inputs;
    // A row whose verdict is "" has no verdict field (the spacing of the
    // spacers of a pair of angles).
    std::span<const ResultRow> results;
    CheckFunction check;
    StateFactory make_state;
};

// A window as the windows, quintaro-lote and the search read it under one
// standard: what it is whatever the standard (kind to panel), then the rules
// of that standard (inputs to make_state).
//
// Each standard has its table of WindowRules keyed by WindowKind in
// windows.cpp, joined to the same identities into a table of
// WindowDescriptor of its own; descriptor(), find_window() and
// window_descriptors() take the standard as a second key (NBR 8800:1986 when
// it is not given). The search's and the screen's tables grow the same way
// (see search/variants.h and shell/member_descriptor.h).
struct WindowDescriptor {
    WindowKind kind;
    Standard standard;
    std::string_view class_name;
    std::span<const CatalogueTable> tables;  // the first is the default
    std::string_view series_box;             // "Serie" in the welded window, else ""
    std::span<const PanelField> panel;       // the first is the designation box
    std::span<const std::string_view> inputs;
    std::span<const ResultRow> results;  // see WindowRules
    CheckFunction check;
    StateFactory make_state;
};

std::span<const WindowDescriptor> window_descriptors(Standard standard = kDefaultStandard);
const WindowDescriptor& descriptor(WindowKind kind, Standard standard = kDefaultStandard);
// By class name ("TForm_I_Laminado"), or nullptr.
const WindowDescriptor* find_window(std::string_view class_name,
                                    Standard standard = kDefaultStandard);

// The text an input box holds before anything is typed, which is also what a
// batch row without that column reads: "0,00" for lengths and actions,
// "1,00" for Ct and Cb, "" for An (An = Ag), the torsional buckling length
// (KzLz = Lb, or Lfly for the angles), the angles' connection length ℓc
// (Ct = 0,60) and a choice (its first text), "0" for a check box.
std::string_view input_default(std::string_view input);

// The texts of an input box that is a choice (a drop-down), the first being
// what its empty text means; none for a box that takes a number.
std::span<const std::string_view> input_choices(std::string_view input);

// Whether an input box is a check box ("1" checked, "0" not).
bool is_check_box(std::string_view input);
// The table of a series; "" means the default (first) table; nullptr for a
// series the window does not have.
const CatalogueTable* table_for_series(const WindowDescriptor& window, std::string_view series);

// "Calcular" of a window: runs its check on the boxes, keeping the quantities
// in `state` (made by the window's make_state). A stopped check has shown its
// message; returns false then. The first form checks to NBR 8800:1986.
bool check(WindowKind kind, Boxes& boxes, Messages& messages, WorkingState& state);
bool check(const WindowDescriptor& window, Boxes& boxes, Messages& messages, WorkingState& state);

}  // namespace quintaro::checks
