#pragma once

#include <array>
#include <cstddef>

// The one key of a member window in every layer: the checks, the search, the
// drawings and the screen each keep one row per window in an array indexed by
// this key (a `WindowTable`), checked when it is compiled to hold every window
// in this order. docs/adding-a-window.md lists the rows a new window needs.
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

// A window added at the end of the list is named here.
inline constexpr std::size_t kWindowCount = std::size_t(WindowKind::L2U_Me_Laminado) + 1;

constexpr std::size_t index_of(WindowKind kind) {
    return static_cast<std::size_t>(kind);
}

// One row per window, row i for the window of key i. A table of the wrong size
// does not compile; `keyed_by_window` checks the order:
//     constexpr WindowTable<Row> kRows = {{...}};
//     static_assert(keyed_by_window(kRows));
template <typename Row>
using WindowTable = std::array<Row, kWindowCount>;

template <typename Row>
constexpr bool keyed_by_window(const WindowTable<Row>& rows) {
    for (std::size_t i = 0; i < kWindowCount; ++i) {
        if (index_of(rows[i].kind) != i)
            return false;
    }
    return true;
}

// Every window exactly once: for lists in an order of their own (the
// toolbar's buttons from left to right).
template <std::size_t N>
constexpr bool every_window_once(const std::array<WindowKind, N>& order) {
    if (N != kWindowCount)
        return false;
    std::array<bool, kWindowCount> seen{};
    for (WindowKind kind : order) {
        if (index_of(kind) >= kWindowCount || seen[index_of(kind)])
            return false;
        seen[index_of(kind)] = true;
    }
    return true;
}

}  // namespace quintaro::checks
