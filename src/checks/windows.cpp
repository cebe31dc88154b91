#include "checks/windows.h"

#include <string>

#include "checks/angle.h"
#include "checks/angle_2008.h"
#include "checks/member.h"
#include "checks/member_2008.h"

namespace quintaro::checks {
namespace {

// Rolled I and H catalogues share one layout.
constexpr PanelField kRolledPanel[] = {
    {"R_Perfil", "BITOLA"}, {"R_d", "D"},       {"R_bf", "BF"}, {"R_tw", "TW"}, {"R_tf", "TF"},
    {"R_Ag", "S"},          {"R_Peso", "PESO"}, {"R_Ix", "IX"}, {"R_Iy", "IY"}, {"R_Wx", "WX"},
    {"R_Wy", "WY"},         {"R_Zx", "ZX"},     {"R_Zy", "ZY"}, {"R_IT", "IT"},
};

// The channel's ZX field holds the centroid distance x; ZY is its last field.
constexpr PanelField kChannelPanel[] = {
    {"R_Perfil", "BITOLA"}, {"R_d", "D"},       {"R_bf", "BF"}, {"R_tw", "TW"}, {"R_tf", "TF"},
    {"R_Ag", "AG"},         {"R_Peso", "PESO"}, {"R_Ix", "IX"}, {"R_Iy", "IY"}, {"R_Wx", "WX"},
    {"R_Wy", "WY"},         {"R_x", "ZX"},      {"R_IT", "IT"}, {"R_Zy", "ZY"},
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

// NBR 8800:2008 adds the torsional buckling length, Ct and An of the net
// section, Cb and whether the moments already hold the second-order effects.
constexpr std::string_view kMemberInputs2008[] = {
    "Compri_x", "Compri_y", "Compri_z", kTorsionLengthBox, "R_Nd", "R_Vd", "R_Mdx", "R_Mdy",
    kCtBox,     kAnBox,     kCbBox,     kSecondOrderBox,
};

// Angle tables. The equal-leg table is named in two spellings by the windows;
// the file is found without regard to case.
constexpr PanelField kEqualAnglePanel[] = {
    {"R_Perfil", "BITOLA"}, {"R_bf", "BF"},    {"R_tf", "TF"}, {"R_Ag", "AREA"},
    {"R_Peso", "PESO"},     {"R_Ixy", "I_XY"}, {"R_rz", "RZ"}, {"R_xy", "XY"},
};

constexpr PanelField kTwoLegPanel[] = {
    {"R_Perfil", "BITOLA"}, {"R_d", "BW"},      {"R_bf", "BF"}, {"R_tf", "TF"},
    {"R_Ag", "AG"},         {"R_Peso", "PESO"}, {"R_Ix", "IX"}, {"R_Iy", "IY"},
    {"R_x", "X"},           {"R_y", "Y"},       {"R_rz", "RZ"},
};

// The turned pairs show the angle about the other axis: the boxes of x show
// the fields of y and the other way round.
constexpr PanelField kTwoLegTurnedPanel[] = {
    {"R_Perfil", "BITOLA"}, {"R_d", "BW"},      {"R_bf", "BF"}, {"R_tf", "TF"},
    {"R_Ag", "AG"},         {"R_Peso", "PESO"}, {"R_Ix", "IY"}, {"R_Iy", "IX"},
    {"R_x", "Y"},           {"R_y", "X"},       {"R_rz", "RZ"},
};

constexpr CatalogueTable kEqualAngleTable[] = {{"", "L_Laminado.DBF", "BF"}};
constexpr CatalogueTable kEqualAngleTableLower[] = {{"", "L_Laminado.dbf", "BF"}};
constexpr CatalogueTable kTwoLegTableBW[] = {{"", "L2_Laminado.DBF", "BW"}};
constexpr CatalogueTable kTwoLegTableBF[] = {{"", "L2_Laminado.DBF", "BF"}};

constexpr std::string_view kSingleAngleInputs[] = {"Compri_x", "Compri_y", "R_Nd"};
constexpr std::string_view kPairInputs[] = {"Compri_x", "Compri_y", "R_Nd", "R_e"};
constexpr std::string_view kPairTwoForceInputs[] = {"Compri_x", "Compri_y", "R_Nd", "R_Ntd", "R_e"};

constexpr ResultRow kSingleAngleResults[] = {kAngleAxialRow};
constexpr ResultRow kPairResults[] = {kAngleAxialRow, {kSpacingBox, ""}};
constexpr ResultRow kPairTwoForceResults[] = {kAngleAxialRow, kAngleTensionRow, {kSpacingBox, ""}};

template <void (*Family)(Boxes&, Messages&, MemberState&)>
void member_check(Boxes& boxes, Messages& messages, WorkingState& state) {
    Family(boxes, messages, dynamic_cast<MemberState&>(state));
}

std::unique_ptr<WorkingState> make_member_state() {
    return std::make_unique<MemberState>();
}

template <void (*Family)(Boxes&, Messages&, MemberState2008&)>
void member_check_2008(Boxes& boxes, Messages& messages, WorkingState& state) {
    Family(boxes, messages, dynamic_cast<MemberState2008&>(state));
}

std::unique_ptr<WorkingState> make_member_state_2008() {
    return std::make_unique<MemberState2008>();
}

template <WindowKind Kind>
void angle_check_2008(Boxes& boxes, Messages& messages, WorkingState& state) {
    check_angle_2008(Kind, boxes, messages, dynamic_cast<AngleState2008&>(state));
}

std::unique_ptr<WorkingState> make_angle_state_2008() {
    return std::make_unique<AngleState2008>();
}

template <const AngleRules& Rules>
void angle_check(Boxes& boxes, Messages& messages, WorkingState& state) {
    check_angle(Rules, boxes, messages, dynamic_cast<AngleState&>(state));
}

std::unique_ptr<WorkingState> make_angle_state() {
    return std::make_unique<AngleState>();
}

// What a window is whatever the standard: its class name, its catalogue
// tables and the field behind each panel box.
struct WindowIdentity {
    WindowKind kind;
    std::string_view class_name;
    std::span<const CatalogueTable> tables;
    std::string_view series_box;
    std::span<const PanelField> panel;
};

constexpr WindowTable<WindowIdentity> kIdentities = {{
    {WindowKind::I_Laminado, "TForm_I_Laminado", kRolledITable, "", kRolledPanel},
    {WindowKind::H_Laminado, "TForm_H_Laminado", kRolledHTable, "", kRolledPanel},
    {WindowKind::U_Laminado, "TForm_U_Laminado", kChannelTable, "", kChannelPanel},
    {WindowKind::I_Soldado, "TI_Soldado", kWeldedTables, "Serie", kWeldedPanel},
    {WindowKind::L_Laminado, "TL_Laminado", kEqualAngleTable, "", kEqualAnglePanel},
    {WindowKind::L2_Laminado, "TL2_Laminado", kTwoLegTableBW, "", kTwoLegPanel},
    {WindowKind::LT_Laminado, "TLT_Laminado", kEqualAngleTable, "", kEqualAnglePanel},
    {WindowKind::LU_Laminado, "TLU_Laminado", kEqualAngleTableLower, "", kEqualAnglePanel},
    {WindowKind::LX_Laminado, "TLX_Laminado", kEqualAngleTableLower, "", kEqualAnglePanel},
    {WindowKind::L2T_Ma_Laminado, "TL2T_Ma_Laminado", kTwoLegTableBF, "", kTwoLegPanel},
    {WindowKind::L2T_Me_Laminado, "TL2T_Me_Laminado", kTwoLegTableBF, "", kTwoLegTurnedPanel},
    {WindowKind::L2U_Ma_Laminado, "TL2U_Ma_Laminado", kTwoLegTableBF, "", kTwoLegPanel},
    {WindowKind::L2U_Me_Laminado, "TL2U_Me_Laminado", kTwoLegTableBW, "", kTwoLegTurnedPanel},
}};
static_assert(keyed_by_window(kIdentities));

// What each window does under NBR 8800:1986.
constexpr WindowTable<WindowRules> kRules1986 = {{
    {WindowKind::I_Laminado, kMemberInputs, kMemberResults, &member_check<check_rolled_i>,
     &make_member_state},
    {WindowKind::H_Laminado, kMemberInputs, kMemberResults, &member_check<check_rolled_h>,
     &make_member_state},
    {WindowKind::U_Laminado, kMemberInputs, kMemberResults, &member_check<check_channel>,
     &make_member_state},
    {WindowKind::I_Soldado, kMemberInputs, kMemberResults, &member_check<check_welded>,
     &make_member_state},
    {WindowKind::L_Laminado, kSingleAngleInputs, kSingleAngleResults,
     &angle_check<kSingleEqualRules>, &make_angle_state},
    {WindowKind::L2_Laminado, kSingleAngleInputs, kSingleAngleResults,
     &angle_check<kSingleUnequalRules>, &make_angle_state},
    {WindowKind::LT_Laminado, kPairTwoForceInputs, kPairTwoForceResults, &angle_check<kPairTRules>,
     &make_angle_state},
    {WindowKind::LU_Laminado, kPairInputs, kPairResults, &angle_check<kPairURules>,
     &make_angle_state},
    {WindowKind::LX_Laminado, kPairInputs, kPairResults, &angle_check<kPairXRules>,
     &make_angle_state},
    {WindowKind::L2T_Ma_Laminado, kPairInputs, kPairResults, &angle_check<kPair2TMaRules>,
     &make_angle_state},
    {WindowKind::L2T_Me_Laminado, kPairInputs, kPairResults, &angle_check<kPair2TMeRules>,
     &make_angle_state},
    {WindowKind::L2U_Ma_Laminado, kPairInputs, kPairResults, &angle_check<kPair2UMaRules>,
     &make_angle_state},
    {WindowKind::L2U_Me_Laminado, kPairInputs, kPairResults, &angle_check<kPair2UMeRules>,
     &make_angle_state},
}};
static_assert(keyed_by_window(kRules1986));

// What each window does under NBR 8800:2008.
constexpr WindowTable<WindowRules> kRules2008 = {{
    {WindowKind::I_Laminado, kMemberInputs2008, kMemberResults,
     &member_check_2008<check_rolled_i_2008>, &make_member_state_2008},
    {WindowKind::H_Laminado, kMemberInputs2008, kMemberResults,
     &member_check_2008<check_rolled_h_2008>, &make_member_state_2008},
    {WindowKind::U_Laminado, kMemberInputs2008, kMemberResults,
     &member_check_2008<check_channel_2008>, &make_member_state_2008},
    {WindowKind::I_Soldado, kMemberInputs2008, kMemberResults,
     &member_check_2008<check_welded_2008>, &make_member_state_2008},
    {WindowKind::L_Laminado, kSingleAngleInputs2008, kSingleAngleResults,
     &angle_check_2008<WindowKind::L_Laminado>, &make_angle_state_2008},
    {WindowKind::L2_Laminado, kUnequalAngleInputs2008, kSingleAngleResults,
     &angle_check_2008<WindowKind::L2_Laminado>, &make_angle_state_2008},
    {WindowKind::LT_Laminado, kPairTwoForceInputs2008, kPairTwoForceResults,
     &angle_check_2008<WindowKind::LT_Laminado>, &make_angle_state_2008},
    {WindowKind::LU_Laminado, kPairInputs2008, kPairResults,
     &angle_check_2008<WindowKind::LU_Laminado>, &make_angle_state_2008},
    {WindowKind::LX_Laminado, kPairInputs2008, kPairResults,
     &angle_check_2008<WindowKind::LX_Laminado>, &make_angle_state_2008},
    {WindowKind::L2T_Ma_Laminado, kPairInputs2008, kPairResults,
     &angle_check_2008<WindowKind::L2T_Ma_Laminado>, &make_angle_state_2008},
    {WindowKind::L2T_Me_Laminado, kPairInputs2008, kPairResults,
     &angle_check_2008<WindowKind::L2T_Me_Laminado>, &make_angle_state_2008},
    {WindowKind::L2U_Ma_Laminado, kPairInputs2008, kPairResults,
     &angle_check_2008<WindowKind::L2U_Ma_Laminado>, &make_angle_state_2008},
    {WindowKind::L2U_Me_Laminado, kPairInputs2008, kPairResults,
     &angle_check_2008<WindowKind::L2U_Me_Laminado>, &make_angle_state_2008},
}};
static_assert(keyed_by_window(kRules2008));

constexpr WindowTable<WindowDescriptor> joined(const WindowTable<WindowIdentity>& identities,
                                               const WindowTable<WindowRules>& rules,
                                               Standard standard) {
    WindowTable<WindowDescriptor> windows{};
    for (std::size_t i = 0; i < kWindowCount; ++i) {
        const WindowIdentity& w = identities[i];
        const WindowRules& r = rules[i];
        windows[i] = {w.kind,  standard, w.class_name, w.tables, w.series_box,
                      w.panel, r.inputs, r.results,    r.check,  r.make_state};
    }
    return windows;
}

constexpr WindowTable<WindowDescriptor> kWindows1986 =
    joined(kIdentities, kRules1986, Standard::Nbr1986);
static_assert(keyed_by_window(kWindows1986));
constexpr WindowTable<WindowDescriptor> kWindows2008 =
    joined(kIdentities, kRules2008, Standard::Nbr2008);
static_assert(keyed_by_window(kWindows2008));

const WindowTable<WindowDescriptor>& windows_of(Standard standard) {
    return standard == Standard::Nbr2008 ? kWindows2008 : kWindows1986;
}

}  // namespace

std::span<const WindowDescriptor> window_descriptors(Standard standard) {
    return windows_of(standard);
}

const WindowDescriptor& descriptor(WindowKind kind, Standard standard) {
    return windows_of(standard).at(index_of(kind));
}

const WindowDescriptor* find_window(std::string_view class_name, Standard standard) {
    for (const WindowDescriptor& w : windows_of(standard)) {
        if (w.class_name == class_name)
            return &w;
    }
    return nullptr;
}

std::string_view input_default(std::string_view input) {
    if (input == kCtBox || input == kCbBox)
        return "1,00";
    if (input == kAnBox || input == kTorsionLengthBox || input == kConnectionLengthBox ||
        !input_choices(input).empty())
        return "";
    if (is_check_box(input))
        return "0";
    return "0,00";
}

std::span<const std::string_view> input_choices(std::string_view input) {
    if (input == kLoadingBox)
        return kLoadingTexts;
    if (input == kConnectedLegBox)
        return kLegTexts;
    return {};
}

bool is_check_box(std::string_view input) {
    return input == kSecondOrderBox;
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
    return check(descriptor(kind), boxes, messages, state);
}

bool check(const WindowDescriptor& window, Boxes& boxes, Messages& messages, WorkingState& state) {
    return run_handler(messages, [&] { window.check(boxes, messages, state); });
}

}  // namespace quintaro::checks
