#pragma once

#include <span>
#include <string_view>

#include "checks/standard.h"
#include "checks/window_kind.h"

// How each member window's "Mais Leve" differs from the others: which
// actions it reads, when it takes the tension branch, what a passing section
// must satisfy and in which order it walks the catalogue. Everything else
// about the walk is the same for every window.
namespace quintaro::search {

// What a section must satisfy; also says which action boxes are read.
enum class PassTest {
    // R_Nd, R_Vd, R_Mdx, R_Mdy: the axial resistance of the branch, shear,
    // both moments and the combined ratio (at most 1).
    Member,
    // As Member, and both slenderness ratios of the compression check at most
    // 200 (the channel).
    MemberAndSlenderness,
    // R_Nd only: the axial resistance of the branch.
    Axial,
    // R_Nd is the compression Ncd and R_Ntd the tension Ntd, both judged at
    // once; a zero force never holds the walk back.
    CompressionAndTension,
    // Every verdict the check gave is "Ok!", every check an action asked for
    // was made, and a compressed member's KL/r is at most 200 (NBR 8800:2008,
    // 5.3.4.1). Reads the actions R_Nd, R_Vd, R_Mdx and R_Mdy.
    EveryVerdict,
    // As EveryVerdict for the axial force alone, the check's own record of
    // what failed (the angles under NBR 8800:2008). Reads R_Nd.
    AxialVerdicts,
    // As AxialVerdicts with R_Nd the compression Ncd and R_Ntd the tension
    // Ntd (the tee of two angles); two zero forces leave nothing to look for.
    TwoForceVerdicts,
};

// When one signed force walks the tension branch.
enum class TensionWhen {
    NotNegative,  // Nd >= 0
    Positive,     // Nd > 0; Nd = 0 walks the compression branch
};

// A catalogue order: an index tag by name, or an order by field names.
struct WalkOrder {
    bool by_fields = false;
    std::string_view name;  // tag or field; "" = leave the order as it is
};

// The orders walked for one series of a window.
struct SeriesWalk {
    std::string_view series;  // text of the series box; "" for windows without one
    WalkOrder order;          // the weight order walked
    WalkOrder order_after;    // the order left afterwards
};

// The search of one window under one standard, one row per window keyed by
// its WindowKind in a table per standard (as the checks do with
// WindowRules); the series walks are shared.
struct SearchVariant {
    checks::WindowKind kind;
    PassTest test;
    TensionWhen tension_when;
    std::span<const SeriesWalk> walks;  // one per series
};

const SearchVariant& search_variant(checks::WindowKind kind,
                                    checks::Standard standard = checks::kDefaultStandard);

// The walk of the series whose box reads `series` (compared exactly), or
// nullptr for a series the window does not have.
const SeriesWalk* find_walk(const SearchVariant& variant, std::string_view series);

}  // namespace quintaro::search
