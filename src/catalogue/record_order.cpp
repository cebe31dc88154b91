#include "catalogue/record_order.h"

#include <algorithm>

namespace quintaro::catalogue {

namespace {

// -1, 0 or 1 as a sorts before, with or after b.
int compare_cells(const Field& field, const Cell& a, const Cell& b) {
    if (field.kind == FieldKind::Text)
        return a.text.compare(b.text) < 0 ? -1 : (a.text == b.text ? 0 : 1);
    if (!a.number || !b.number)
        return static_cast<int>(a.number.has_value()) - static_cast<int>(b.number.has_value());
    if (*a.number < *b.number)
        return -1;
    return *b.number < *a.number ? 1 : 0;
}

}  // namespace

std::vector<int> ordered_rows(const TableContents& contents, const std::vector<int>& key_fields) {
    std::vector<int> rows;
    rows.reserve(contents.records.size());
    for (std::size_t r = 0; r < contents.records.size(); ++r) {
        if (!contents.records[r].deleted)
            rows.push_back(static_cast<int>(r));
    }
    if (key_fields.empty())
        return rows;
    const auto before = [&](int a, int b) {
        const auto& ra = contents.records[static_cast<std::size_t>(a)].cells;
        const auto& rb = contents.records[static_cast<std::size_t>(b)].cells;
        for (const int f : key_fields) {
            const auto k = static_cast<std::size_t>(f);
            const int c = compare_cells(contents.fields[k], ra[k], rb[k]);
            if (c != 0)
                return c < 0;
        }
        return false;
    };
    std::stable_sort(rows.begin(), rows.end(), before);
    return rows;
}

}  // namespace quintaro::catalogue
