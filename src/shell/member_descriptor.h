#pragma once

#include <functional>
#include <vector>

#include "shell/drawings/section_kind.h"

namespace quintaro::shell {

class MemberWindow;

// A catalogue box of the panel: box name, the field it shows, label, unit.
struct BoundBox {
    const char* box;
    const char* field;
    const char* label;
    const char* unit;
};

// One table a window shows: component name, file, default index tag and, in
// the welded window, the series that selects it.
struct TableSource {
    const char* component;
    const char* file;
    const char* default_tag;
    const char* series;
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

// What "Calcular" runs over the window's boxes; empty while the family's check
// is not part of the program.
using CheckHook = std::function<void(MemberWindow&)>;

// Everything that tells one member window from another.
struct MemberDescriptor {
    const char* object_name;
    const char* caption;
    drawings::SectionKind section;
    std::vector<TableSource> tables;  // the first is the one shown at creation
    const char* designation_field;    // shown in R_Perfil
    std::vector<BoundBox> dimensions;
    bool single_angle_note;  // "* Dado referente a uma única cantoneira"
    const char* purpose;     // the short text under the picture, lines split by '\n'
    std::vector<InputBox> inputs;
    std::vector<ResultBox> results;
    const char* calculate_button;  // "BitBtn1", or "BitBtn4"
    CheckHook check;
};

const MemberDescriptor& member_descriptor(drawings::SectionKind kind);

}  // namespace quintaro::shell
