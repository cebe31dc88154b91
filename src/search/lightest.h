#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/boxes.h"
#include "search/member_driver.h"
#include "search/variants.h"

// "Mais Leve": the lightest section of a window's catalogue that passes the
// window's own check for the actions typed in the window. The catalogue is
// put in weight order and "Calcular" is pressed on one row after another from
// the lightest; the walk stops at the first passing section, at the end of
// the table, at an invalid length or at a check that was stopped. The row
// whose check ran last is left current, so the section on screen and the
// results on screen always belong together.
namespace quintaro::search {

enum class SearchEnd {
    ActionNotNumber,  // an action box is not a number: nothing touched
    NoSeries,         // the series box names no table: only the flag cleared
    NoWeightOrder,    // the table cannot be put in weight order: nothing checked
    NothingToCheck,   // no force to look for (two-force window), or an empty table
    Passed,           // a section passed; it is current
    EndOfTable,       // the heaviest section was checked last and is current
    InvalidLength,    // a check refused a length; that section is current
    CheckStopped,     // a check stopped on its message; that section is current
    MoveFailed,       // the table could not move (its reason was shown)
};

struct SearchOutcome {
    SearchEnd end = SearchEnd::NothingToCheck;
    int checks = 0;        // "Calcular" presses
    bool passed = false;   // the current section passed the test
    bool tension = false;  // the walk judged the tension resistance
};

// The comparisons of the pass test that a section failed, one bit each.
enum FailedCheck : unsigned {
    kAxialFailed = 1u << 0,        // R_RdNd: the branch's axial resistance (Ncd in the tee)
    kTensionFailed = 1u << 1,      // R_RdNt: Ntd of the tee of two angles
    kShearFailed = 1u << 2,        // R_RdVd
    kMomentXFailed = 1u << 3,      // R_RdMdx
    kMomentYFailed = 1u << 4,      // R_RdMdy
    kCombinedFailed = 1u << 5,     // R_Rd_MdNd: ratio above 1, or failed without one
    kSlendernessFailed = 1u << 6,  // λx or λy above 200 (the channel; any compression under 2008)
};

// One section the walk checked: what the panel showed, the messages its check
// held back, which comparisons it failed (none: it passed).
struct CheckedSection {
    std::string designation;
    std::string weight;  // as the panel shows it, kgf/m
    std::vector<std::string> messages;
    unsigned failed = 0;
    bool stopped = false;  // its check was stopped on a message
    // The row that governs its check and its utilisation ("" and none for a
    // check that stopped).
    std::string governing;
    std::optional<double> utilisation;
};

// Every section a walk checked, in order: the last is the one it ended on.
struct SearchRecord {
    std::vector<CheckedSection> sections;
};

// Runs the search of `window` through `driver`. Its own messages (a
// non-numeric action, a table without weight order, a failed move) go to
// `messages`; the checks show theirs through the driver. With `record`, each
// section checked is written down, with the messages the driver held back.
SearchOutcome find_lightest(checks::WindowKind window, MemberDriver& driver,
                            checks::Messages& messages, SearchRecord* record = nullptr);
// The same under a standard: its pass test judges each section.
SearchOutcome find_lightest(checks::WindowKind window, checks::Standard standard,
                            MemberDriver& driver, checks::Messages& messages,
                            SearchRecord* record = nullptr);
// The same for a window named by its class name, as a batch file names it
// ("TForm_I_Laminado"); NoSeries for a name that is no member window.
SearchOutcome find_lightest(std::string_view window, MemberDriver& driver,
                            checks::Messages& messages,
                            checks::Standard standard = checks::kDefaultStandard);

// Message shown when the catalogue has no weight order to walk.
inline constexpr std::string_view kNoWeightOrderMessage =
    "A tabela não tem o índice PESO:\nnão é possível localizar o perfil mais leve!";

}  // namespace quintaro::search
