#include "checks/windows.h"

#include <stdexcept>
#include <string>

#include "checks/member.h"

namespace quintaro::checks {
namespace {

// Rolled I and H catalogues share one layout.
constexpr PanelField kRolledPanel[] = {
    {"R_Perfil", "BITOLA"}, {"R_d", "D"},       {"R_bf", "BF"}, {"R_tw", "TW"}, {"R_tf", "TF"},
    {"R_Ag", "S"},          {"R_Peso", "PESO"}, {"R_Ix", "IX"}, {"R_Iy", "IY"}, {"R_Wx", "WX"},
    {"R_Wy", "WY"},         {"R_Zx", "ZX"},     {"R_Zy", "ZY"}, {"R_IT", "IT"},
};

// The channel's ZX field holds the centroid distance x; there is no ZY.
constexpr PanelField kChannelPanel[] = {
    {"R_Perfil", "BITOLA"}, {"R_d", "D"},       {"R_bf", "BF"}, {"R_tw", "TW"}, {"R_tf", "TF"},
    {"R_Ag", "AG"},         {"R_Peso", "PESO"}, {"R_Ix", "IX"}, {"R_Iy", "IY"}, {"R_Wx", "WX"},
    {"R_Wy", "WY"},         {"R_x", "ZX"},      {"R_IT", "IT"},
};

constexpr PanelField kWeldedPanel[] = {
    {"R_Perfil", "PERFIL"}, {"R_d", "D"},   {"R_bf", "BF"},
    {"R_tw", "TW"},         {"R_tf", "TF"}, {"R_Peso", "PESO"},
};

constexpr CatalogueTable kRolledITable[] = {{"", "I_Laminado.DBF", "D"}};
constexpr CatalogueTable kRolledHTable[] = {{"", "H_Laminado.DBF", "D"}};
constexpr CatalogueTable kChannelTable[] = {{"", "U_Laminado.DBF", "D"}};
constexpr CatalogueTable kWeldedTables[] = {
    {"CS", "I_Soldado_CS.DBF", "D"},
    {"CVS", "I_Soldado_CVS.dbf", "D"},
    {"VS", "I_Soldado_VS.dbf", "D"},
};

constexpr std::string_view kMemberInputs[] = {
    "Compri_x", "Compri_y", "Compri_z", "R_Nd", "R_Vd", "R_Mdx", "R_Mdy",
};

template <void (*Family)(Boxes&, Messages&, MemberState&)>
void member_check(Boxes& boxes, Messages& messages, WorkingState& state) {
    Family(boxes, messages, dynamic_cast<MemberState&>(state));
}

std::unique_ptr<WorkingState> make_member_state() {
    return std::make_unique<MemberState>();
}

const WindowDescriptor kWindows[] = {
    {WindowKind::I_Laminado, "TForm_I_Laminado", kRolledITable, "", kRolledPanel, kMemberInputs,
     kMemberResults, &member_check<check_rolled_i>, &make_member_state},
    {WindowKind::H_Laminado, "TForm_H_Laminado", kRolledHTable, "", kRolledPanel, kMemberInputs,
     kMemberResults, &member_check<check_rolled_h>, &make_member_state},
    {WindowKind::U_Laminado, "TForm_U_Laminado", kChannelTable, "", kChannelPanel, kMemberInputs,
     kMemberResults, &member_check<check_channel>, &make_member_state},
    {WindowKind::I_Soldado, "TI_Soldado", kWeldedTables, "Serie", kWeldedPanel, kMemberInputs,
     kMemberResults, &member_check<check_welded>, &make_member_state},
};

}  // namespace

std::span<const WindowDescriptor> window_descriptors() {
    return kWindows;
}

const WindowDescriptor& descriptor(WindowKind kind) {
    for (const WindowDescriptor& w : kWindows) {
        if (w.kind == kind)
            return w;
    }
    throw std::logic_error("window kind without a descriptor");
}

const WindowDescriptor* find_window(std::string_view class_name) {
    for (const WindowDescriptor& w : kWindows) {
        if (w.class_name == class_name)
            return &w;
    }
    return nullptr;
}

const CatalogueTable* table_for_series(const WindowDescriptor& window, std::string_view series) {
    if (window.tables.empty())
        return nullptr;
    if (series.empty())
        return &window.tables.front();
    for (const CatalogueTable& t : window.tables) {
        if (t.series == series)
            return &t;
    }
    return nullptr;
}

bool check(WindowKind kind, Boxes& boxes, Messages& messages, WorkingState& state) {
    const WindowDescriptor& window = descriptor(kind);
    return run_handler(messages, [&] { window.check(boxes, messages, state); });
}

}  // namespace quintaro::checks
