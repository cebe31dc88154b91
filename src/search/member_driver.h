#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace quintaro::search {

// What the walk reads from a window's working state after each "Calcular".
// Resistances keep the signs the checks give them (compression negative,
// shear and moments signed like their actions); the walk compares magnitudes.
struct CheckValues {
    double tension = 0.0;      // design tension resistance
    double compression = 0.0;  // design compression resistance (negative)
    double shear = 0.0;
    double moment_x = 0.0;
    double moment_y = 0.0;
    double combined_ratio = 0.0;
    // The combined check failed without a ratio (compression at or above the
    // amplification limit with a moment).
    bool combined_failed = false;
    double lambda_x = 0.0;  // slenderness of the compression check
    double lambda_y = 0.0;
    int invalid_length = 0;  // the window's invalid-length flag
    // Checks that record a verdict per row (NBR 8800:2008): the rows whose
    // verdict is "Não Ok!" and the checks an action asked for that were not
    // made (an input out of range), as FailedCheck bits (search/lightest.h).
    unsigned failed_rows = 0;
    // The row that governs the check and its utilisation, as the check
    // recorded them: "" before any verdict; no utilisation for a row that
    // failed without a ratio.
    std::string governing;
    std::optional<double> utilisation;
};

// A member window as the lightest-section search drives it: its action boxes,
// its "Calcular", its catalogue table and its working state. The window
// implements it over its own controls, quintaro-lote and the benchmarks over
// a catalogue table and a set of boxes, the tests over a scripted catalogue.
//
// Table moves act on the table of the series the window shows (the only
// table for windows without series). A move that cannot be made (an edit of
// the current row that cannot be posted) returns the reason.
class MemberDriver {
  public:
    virtual ~MemberDriver() = default;

    // Text of an action box ("R_Nd", "R_Vd", ...).
    virtual std::string action_text(std::string_view box) const = 0;
    // What the user calls an action box, for the message when its text is not
    // a number: the window's label, the batch file's column by default.
    virtual std::string action_label(std::string_view box) const { return std::string(box); }
    // Text of a panel box of the current row ("R_Perfil", "R_Peso"), for the
    // record of the sections checked; "" where there is no panel.
    virtual std::string section_text(std::string_view) const { return {}; }
    // Text of the series box; "" for windows without series.
    virtual std::string series() const = 0;

    virtual void clear_invalid_length() = 0;

    // Orders of the catalogue table. False when the table has no such tag or
    // field.
    virtual bool set_index_tag(std::string_view tag) = 0;
    virtual bool set_field_order(const std::vector<std::string>& fields) = 0;

    virtual Status first() = 0;
    virtual Status next() = 0;
    virtual Status prior() = 0;
    virtual bool eof() const = 0;

    // Presses the window's "Calcular" on the current row, exactly as the user
    // would: results cleared and rewritten, messages shown. False when the
    // check was stopped (a box that is not a number, a numeric fault); its
    // message has been shown then.
    virtual bool calculate() = 0;

    // The working state left by the last "Calcular", with the flag.
    virtual CheckValues values() const = 0;

    // The messages of the last "Calcular" that the driver held back instead of
    // showing them (the window's search, which sums them up at its end); none
    // for a driver that shows or keeps them itself.
    virtual std::vector<std::string> take_messages() { return {}; }
};

}  // namespace quintaro::search
