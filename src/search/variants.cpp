#include "search/variants.h"

namespace quintaro::search {
namespace {

using checks::WindowKind;
using enum PassTest;
using enum TensionWhen;

constexpr WalkOrder kWeightTag{false, "PESO"};
constexpr WalkOrder kWeightFields{true, "PESO"};
constexpr WalkOrder kStays{false, ""};
// The welded CVS and VS tables are handed back ordered by depth.
constexpr WalkOrder kDepthFields{true, "d"};

constexpr SeriesWalk kByWeightTag[] = {{"", kWeightTag, kStays}};
constexpr SeriesWalk kWelded[] = {
    {"CS", kWeightTag, kStays},
    {"CVS", kWeightFields, kDepthFields},
    {"VS", kWeightFields, kDepthFields},
};
// This window asks for its tag as "Peso"; tags match without regard to case.
constexpr SeriesWalk kCrossWalk[] = {{"", {false, "Peso"}, kStays}};

constexpr checks::WindowTable<SearchVariant> kVariants = {{
    {WindowKind::I_Laminado, Member, NotNegative, kByWeightTag},
    {WindowKind::H_Laminado, Member, NotNegative, kByWeightTag},
    // The channel also fails on slenderness, and only a pulling force is
    // tension: Nd = 0 is judged as compression.
    {WindowKind::U_Laminado, MemberAndSlenderness, Positive, kByWeightTag},
    {WindowKind::I_Soldado, Member, NotNegative, kWelded},
    {WindowKind::L_Laminado, Axial, NotNegative, kByWeightTag},
    {WindowKind::L2_Laminado, Axial, NotNegative, kByWeightTag},
    {WindowKind::LT_Laminado, CompressionAndTension, NotNegative, kByWeightTag},
    {WindowKind::LU_Laminado, Axial, NotNegative, kByWeightTag},
    {WindowKind::LX_Laminado, Axial, NotNegative, kCrossWalk},
    {WindowKind::L2T_Ma_Laminado, Axial, NotNegative, kByWeightTag},
    {WindowKind::L2T_Me_Laminado, Axial, NotNegative, kByWeightTag},
    {WindowKind::L2U_Ma_Laminado, Axial, NotNegative, kByWeightTag},
    {WindowKind::L2U_Me_Laminado, Axial, NotNegative, kByWeightTag},
}};
static_assert(checks::keyed_by_window(kVariants));

// NBR 8800:2008: a section passes when every verdict is "Ok!" (see
// PassTest).
constexpr checks::WindowTable<SearchVariant> kVariants2008 = {{
    {WindowKind::I_Laminado, EveryVerdict, Positive, kByWeightTag},
    {WindowKind::H_Laminado, EveryVerdict, Positive, kByWeightTag},
    {WindowKind::U_Laminado, EveryVerdict, Positive, kByWeightTag},
    {WindowKind::I_Soldado, EveryVerdict, Positive, kWelded},
    {WindowKind::L_Laminado, AxialVerdicts, NotNegative, kByWeightTag},
    {WindowKind::L2_Laminado, AxialVerdicts, NotNegative, kByWeightTag},
    {WindowKind::LT_Laminado, TwoForceVerdicts, NotNegative, kByWeightTag},
    {WindowKind::LU_Laminado, AxialVerdicts, NotNegative, kByWeightTag},
    {WindowKind::LX_Laminado, AxialVerdicts, NotNegative, kCrossWalk},
    {WindowKind::L2T_Ma_Laminado, AxialVerdicts, NotNegative, kByWeightTag},
    {WindowKind::L2T_Me_Laminado, AxialVerdicts, NotNegative, kByWeightTag},
    {WindowKind::L2U_Ma_Laminado, AxialVerdicts, NotNegative, kByWeightTag},
    {WindowKind::L2U_Me_Laminado, AxialVerdicts, NotNegative, kByWeightTag},
}};
static_assert(checks::keyed_by_window(kVariants2008));

}  // namespace

const SearchVariant& search_variant(checks::WindowKind kind, checks::Standard standard) {
    const auto& variants = standard == checks::Standard::Nbr2008 ? kVariants2008 : kVariants;
    return variants.at(checks::index_of(kind));
}

const SeriesWalk* find_walk(const SearchVariant& variant, std::string_view series) {
    for (const SeriesWalk& w : variant.walks) {
        if (w.series == series)
            return &w;
    }
    return nullptr;
}

}  // namespace quintaro::search
