#pragma once

#include <string_view>
#include <vector>

// What a 2008 check has to tell the user: an input outside its range (the
// check that needs it is not made), or advice (the check goes on). The
// windows show the text; the code lets a caller tell them apart.
namespace quintaro::checks::nbr2008 {

enum class Notice {
    CtOutOfRange,            // Ct typed outside 0 < Ct ≤ 1: no tension check
    AnOutOfRange,            // An typed ≤ 0 or above Ag: no tension check
    ConnectionTooShort,      // Ct = 1 − ec/ℓc below 0,60: no tension check
    CtLowestNoLength,        // ℓc not given: Ct = 0,60 taken (advice)
    TensionSlenderness,      // L/r above 300 (advice)
    CompressionLength,       // a flexural buckling length is zero: no compression check
    CompressionSlenderness,  // KL/r above 200 (advice)
    LegRatioOutOfRange,  // unequal angle on its shorter leg with bl/bs > 1,7: no compression check
    CbOutOfRange,        // Cb outside 1,00 ≤ Cb ≤ 3,00: no bending check
    BendingLength,       // Lb is zero: no bending check
    WebTooSlender,       // h/tw beyond the limits of Annex H: no bending check about x
    SecondOrderUnbounded,  // |Nd| ≥ Ne1 about an axis with a moment: combined check fails, no ratio
    CombinedIncomplete,    // a resistance the interaction needs was not computed: no ratio
};

// The message shown for a notice, in the user's words.
std::string_view notice_text(Notice notice);

// True when the notice stops a check (false for advice).
bool notice_stops(Notice notice);

using Notices = std::vector<Notice>;

}  // namespace quintaro::checks::nbr2008
