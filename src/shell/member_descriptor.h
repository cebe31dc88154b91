#pragma once

#include <vector>

#include "checks/windows.h"
#include "shell/drawings/section_kind.h"

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

// What the screen shows of a member window. Its tables, the field behind each
// panel box, its "Calcular" button and its check are the check's own
// (checks::descriptor(check)).
struct MemberDescriptor {
    const char* object_name;
    const char* caption;
    drawings::SectionKind section;
    std::vector<BoundBox> dimensions;
    bool single_angle_note;  // "* Dado referente a uma única cantoneira"
    const char* purpose;     // the short text under the picture, lines split by '\n'
    std::vector<InputBox> inputs;
    std::vector<ResultBox> results;
    checks::WindowKind check;
};

const MemberDescriptor& member_descriptor(drawings::SectionKind kind);

}  // namespace quintaro::shell
