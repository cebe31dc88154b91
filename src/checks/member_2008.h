#pragma once

#include <string>
#include <string_view>

#include "checks/boxes.h"
#include "checks/frame.h"
#include "checks/nbr8800_2008/member.h"

// "Calcular" of the rolled I, rolled H, rolled channel and welded I windows
// under NBR 8800:2008: the boxes read with the frame's rules, the member
// checked by nbr2008::check_member, each result shown with its verdict and
// every notice shown as a message. The working state keeps what was read and
// the whole record of the check, which the report and the search read.
namespace quintaro::checks {

// The boxes only these checks read, with their text in an empty window.
inline constexpr std::string_view kTorsionLengthBox = "Compri_t";  // KzLz; empty: Lb
inline constexpr std::string_view kCtBox = "R_Ct";
inline constexpr std::string_view kAnBox = "R_An";  // empty: An = Ag
inline constexpr std::string_view kCbBox = "R_Cb";
inline constexpr std::string_view kSecondOrderBox = "SegundaOrdem";  // "1" checked, "0" not

struct MemberState2008 : WorkingState {
    nbr2008::MemberKind kind = nbr2008::MemberKind::RolledI;
    std::string series;  // welded window: text of Serie when the check ran
    double P = 0.0;      // weight as the panel shows it (kgf/m), for the report
    nbr2008::MemberInput input;
    nbr2008::MemberResult result;
    // The check reached nbr2008::check_member (false when a box stopped it).
    bool checked = false;
};

void check_rolled_i_2008(Boxes& boxes, Messages& messages, MemberState2008& state);
void check_rolled_h_2008(Boxes& boxes, Messages& messages, MemberState2008& state);
void check_channel_2008(Boxes& boxes, Messages& messages, MemberState2008& state);
void check_welded_2008(Boxes& boxes, Messages& messages, MemberState2008& state);

// The message shown for a notice of the check: an input out of its range is
// named by the box's label with the text typed.
std::string notice_message(const Boxes& boxes, nbr2008::Notice notice);

}  // namespace quintaro::checks
