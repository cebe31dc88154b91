#pragma once

#include <span>
#include <string_view>

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

struct SearchVariant {
    std::string_view window;  // class name of the window
    std::string_view series;  // text of the series box; "" for windows without one
    PassTest test;
    TensionWhen tension_when;
    WalkOrder order;        // the weight order walked
    WalkOrder order_after;  // the order left afterwards
};

std::span<const SearchVariant> search_variants();

// The variant of a window for the text of its series box (compared exactly),
// or nullptr: a series the window does not have, or a window without a search.
const SearchVariant* find_search_variant(std::string_view window, std::string_view series);

}  // namespace quintaro::search
