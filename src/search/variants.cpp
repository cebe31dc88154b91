#include "search/variants.h"

namespace quintaro::search {
namespace {

constexpr WalkOrder kWeightTag{false, "PESO"};
constexpr WalkOrder kWeightFields{true, "PESO"};
constexpr WalkOrder kStays{false, ""};
// The welded CVS and VS tables are handed back ordered by depth.
constexpr WalkOrder kDepthFields{true, "d"};

using enum PassTest;
using enum TensionWhen;

constexpr SearchVariant kVariants[] = {
    {"TForm_I_Laminado", "", Member, NotNegative, kWeightTag, kStays},
    {"TForm_H_Laminado", "", Member, NotNegative, kWeightTag, kStays},
    // The channel also fails on slenderness, and only a pulling force is
    // tension: Nd = 0 is judged as compression.
    {"TForm_U_Laminado", "", MemberAndSlenderness, Positive, kWeightTag, kStays},
    {"TI_Soldado", "CS", Member, NotNegative, kWeightTag, kStays},
    {"TI_Soldado", "CVS", Member, NotNegative, kWeightFields, kDepthFields},
    {"TI_Soldado", "VS", Member, NotNegative, kWeightFields, kDepthFields},
    {"TL_Laminado", "", Axial, NotNegative, kWeightTag, kStays},
    {"TL2_Laminado", "", Axial, NotNegative, kWeightTag, kStays},
    {"TLT_Laminado", "", CompressionAndTension, NotNegative, kWeightTag, kStays},
    {"TLU_Laminado", "", Axial, NotNegative, kWeightTag, kStays},
    // This window asks for its tag as "Peso"; tags match without regard to case.
    {"TLX_Laminado", "", Axial, NotNegative, {false, "Peso"}, kStays},
    {"TL2T_Ma_Laminado", "", Axial, NotNegative, kWeightTag, kStays},
    {"TL2T_Me_Laminado", "", Axial, NotNegative, kWeightTag, kStays},
    {"TL2U_Ma_Laminado", "", Axial, NotNegative, kWeightTag, kStays},
    {"TL2U_Me_Laminado", "", Axial, NotNegative, kWeightTag, kStays},
};

}  // namespace

std::span<const SearchVariant> search_variants() {
    return kVariants;
}

const SearchVariant* find_search_variant(std::string_view window, std::string_view series) {
    for (const SearchVariant& v : kVariants) {
        if (v.window == window && v.series == series)
            return &v;
    }
    return nullptr;
}

}  // namespace quintaro::search
