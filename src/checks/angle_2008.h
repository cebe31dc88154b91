#pragma once

#include <optional>
#include <string_view>

#include "checks/boxes.h"
#include "checks/frame.h"
#include "checks/member_2008.h"
#include "checks/nbr8800_2008/angle_member.h"
#include "checks/window_kind.h"

// "Calcular" of the nine angle windows under NBR 8800:2008. The boxes are
// read into one AngleInput with the rules of every other box (decimal comma,
// a message naming the box), the check of nbr8800_2008/angle_member.h runs,
// and its results go back into the result boxes the windows already have:
// R_RdNd (tension Nt,Rd, or compression −Nc,Rd), R_RdNt (the tension of the
// T with two forces) and R_espa (the spacing of the spacers). Its notices are
// shown as messages.
namespace quintaro::checks {

// The inputs only the 2008 angle check reads. It also reads
// kTorsionLengthBox (KzLz, cm: empty means Lfly, 0 torsion restrained) and
// kAnBox (the net area of one angle, cm²: empty means Ag) of member_2008.h.
inline constexpr std::string_view kConnectionLengthBox = "R_lc";    // ℓc, cm; empty: Ct = 0,60
inline constexpr std::string_view kLoadingBox = "Ligacao";          // single angles
inline constexpr std::string_view kConnectedLegBox = "Aba_ligada";  // TL2_Laminado

// The choices of Ligacao; an empty box is the first.
inline constexpr std::string_view kPlanarTrussText = "Uma aba ligada — treliça plana";
inline constexpr std::string_view kSpatialTrussText = "Uma aba ligada — treliça espacial";
inline constexpr std::string_view kCentredText = "Carga centrada";
inline constexpr std::string_view kLoadingTexts[] = {kPlanarTrussText, kSpatialTrussText,
                                                     kCentredText};
// The choices of Aba_ligada: the long leg d (also for an empty box) or bf.
inline constexpr std::string_view kLegTexts[] = {"d", "bf"};

// The input boxes of the angle windows under 2008, in the order a window
// shows them and a batch file names its columns.
inline constexpr std::string_view kSingleAngleInputs2008[] = {
    "Compri_x", "Compri_y", kTorsionLengthBox, "R_Nd", kLoadingBox, kConnectionLengthBox, kAnBox};
inline constexpr std::string_view kUnequalAngleInputs2008[] = {
    "Compri_x",  "Compri_y",       kTorsionLengthBox,    "R_Nd",
    kLoadingBox, kConnectedLegBox, kConnectionLengthBox, kAnBox};
inline constexpr std::string_view kPairInputs2008[] = {
    "Compri_x", "Compri_y", kTorsionLengthBox, "R_Nd", "R_e", kConnectionLengthBox, kAnBox};
inline constexpr std::string_view kPairTwoForceInputs2008[] = {
    "Compri_x", "Compri_y", kTorsionLengthBox,    "R_Nd",
    "R_Ntd",    "R_e",      kConnectionLengthBox, kAnBox};

// Working state of an angle window checked to NBR 8800:2008: what was read
// and everything the check found, by the symbols of nbr8800_2008/.
struct AngleState2008 : WorkingState {
    nbr2008::AngleInput input;
    nbr2008::AngleResult result;
};

// The arrangement of an angle window; none for the other windows.
std::optional<nbr2008::AngleWindow> angle_window_2008(WindowKind kind);

// "Calcular" of angle window `kind` under NBR 8800:2008. A check that was
// asked for and could not be made (a connection too short, An out of range,
// E.1.4 outside its legs' ratio) shows "Não Ok!" with no ratio beside its
// message; zero buckling lengths raise the invalid-length flag instead, as
// under 1986.
void check_angle_2008(WindowKind kind, Boxes& boxes, Messages& messages, AngleState2008& state);

}  // namespace quintaro::checks
