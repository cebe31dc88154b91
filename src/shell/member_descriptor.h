#pragma once

#include <span>

#include "checks/window_kind.h"

namespace quintaro::shell {

// A catalogue box of the panel: box name, label, unit. The field it shows is
// the one the window's check reads it as.
struct BoundBox {
    const char* box;
    const char* label;
    const char* unit;
};

// An input box (default text "0,00") in its group.
struct InputBox {
    const char* group;
    const char* box;
    const char* label;
    const char* unit;
    const char* hint;  // nullptr: none
};

// A result box (read-only, "0,00") with its verdict field (nullptr: none).
// The label may hold a line break.
struct ResultBox {
    const char* box;
    const char* label;
    const char* unit;
    const char* verdict;
};

// What the screen shows of a member window, one row per window keyed by its
// WindowKind. Its tables, the field behind each panel box and its check are
// the check's own (checks::descriptor(kind)); its section drawing is
// drawings::section_picture(kind). The input and result boxes are those of
// NBR 8800:1986; the boxes a later standard adds (Ct, Cb, ...) come from
// added_inputs(), and the window shows the boxes of the standard in force.
struct MemberDescriptor {
    checks::WindowKind kind;
    const char* object_name;
    const char* caption;
    const char* toolbar_button;  // objectName of the main window's button that opens it; its
                                 // hint is the caption
    std::span<const BoundBox> dimensions;
    bool single_angle_note;  // "* Dado referente a uma única cantoneira"
    const char* purpose;     // the short text under the picture, lines split by '\n'
    std::span<const InputBox> inputs;
    std::span<const ResultBox> results;
    const char* calculate_button;  // objectName of "Calcular"
};

const MemberDescriptor& member_descriptor(checks::WindowKind kind);

// The input boxes a later standard adds to a window, in the group they join
// (an existing group takes them after its own boxes, a new group comes after
// the others). The window builds them all and shows those the check of the
// standard in force reads (checks::descriptor(kind, standard).inputs). A box
// that checks::is_check_box names is a check box whose text is `label`.
std::span<const InputBox> added_inputs(checks::WindowKind kind);

}  // namespace quintaro::shell
