#include "search/lightest.h"

#include <cmath>
#include <string>

#include "checks/frame.h"
#include "checks/windows.h"
#include "common/decimal.h"
#include "common/handler_error.h"

namespace quintaro::search {
namespace {

struct Actions {
    double Nd = 0.0;  // Ncd in the two-force window
    double Vd = 0.0;
    double Mdx = 0.0;
    double Mdy = 0.0;
    double Ntd = 0.0;  // two-force window only
};

double read_action(const MemberDriver& driver, std::string_view box) {
    const std::string text = driver.action_text(box);
    double value = 0.0;
    if (!try_parse_decimal(text, value))
        throw HandlerError(checks::not_a_number_message(driver.action_label(box), text));
    return value;
}

Actions read_actions(PassTest test, const MemberDriver& driver) {
    Actions a;
    a.Nd = read_action(driver, "R_Nd");
    switch (test) {
        case PassTest::Member:
        case PassTest::MemberAndSlenderness:
        case PassTest::EveryVerdict:
            a.Vd = read_action(driver, "R_Vd");
            a.Mdx = read_action(driver, "R_Mdx");
            a.Mdy = read_action(driver, "R_Mdy");
            break;
        case PassTest::CompressionAndTension:
        case PassTest::TwoForceVerdicts:
            a.Ntd = read_action(driver, "R_Ntd");
            break;
        case PassTest::Axial:
        case PassTest::AxialVerdicts:
            break;
    }
    return a;
}

SearchOutcome ended(SearchEnd end) {
    SearchOutcome out;
    out.end = end;
    return out;
}

bool covers(double resistance, double action) {
    return std::fabs(resistance) >= std::fabs(action);
}

// The comparisons of the pass test that the section fails; none: it passes.
unsigned failed_checks(PassTest test, bool tension, const Actions& a, const CheckValues& v) {
    constexpr double kRatioLimit = 1.0;
    constexpr double kSlendernessLimit = 200.0;
    const auto unless = [](bool holds, unsigned bit) { return holds ? 0u : bit; };
    const double axial = tension ? v.tension : v.compression;
    switch (test) {
        case PassTest::Axial:
            return unless(covers(axial, a.Nd), kAxialFailed);
        case PassTest::CompressionAndTension:
            return unless(covers(v.compression, a.Nd), kAxialFailed) |
                   unless(covers(v.tension, a.Ntd), kTensionFailed);
        case PassTest::EveryVerdict: {
            const bool compressed = !tension && a.Nd != 0.0;
            return v.failed_rows | unless(!compressed || (v.lambda_x <= kSlendernessLimit &&
                                                          v.lambda_y <= kSlendernessLimit),
                                          kSlendernessFailed);
        }
        case PassTest::AxialVerdicts:
        case PassTest::TwoForceVerdicts:
            return v.failed_rows;
        case PassTest::Member:
        case PassTest::MemberAndSlenderness:
            break;
    }
    unsigned failed =
        unless(covers(axial, a.Nd), kAxialFailed) | unless(covers(v.shear, a.Vd), kShearFailed) |
        unless(covers(v.moment_x, a.Mdx), kMomentXFailed) |
        unless(covers(v.moment_y, a.Mdy), kMomentYFailed) |
        unless(v.combined_ratio <= kRatioLimit && !v.combined_failed, kCombinedFailed);
    if (test == PassTest::MemberAndSlenderness)
        failed |= unless(v.lambda_x <= kSlendernessLimit && v.lambda_y <= kSlendernessLimit,
                         kSlendernessFailed);
    return failed;
}

bool take_tension_branch(const SearchVariant& variant, double Nd) {
    if (variant.tension_when == TensionWhen::Positive)
        return Nd > 0.0;
    return Nd >= 0.0;
}

bool nothing_to_look_for(const SearchVariant& variant, const Actions& a) {
    return (variant.test == PassTest::CompressionAndTension ||
            variant.test == PassTest::TwoForceVerdicts) &&
           a.Nd == 0.0 && a.Ntd == 0.0;
}

bool apply_order(MemberDriver& driver, const WalkOrder& order) {
    if (order.name.empty())
        return true;
    if (order.by_fields)
        return driver.set_field_order({std::string(order.name)});
    return driver.set_index_tag(order.name);
}

bool moved(const Status& status, checks::Messages& messages) {
    if (!status)
        messages.show(status.error());
    return status.ok();
}

// From the lightest row on: check, move on, judge the section just checked.
// Leaves the row of the last check current.
SearchOutcome walk(const SearchVariant& variant, const Actions& actions, MemberDriver& driver,
                   checks::Messages& messages, SearchRecord* record) {
    SearchOutcome out;
    const bool tension = take_tension_branch(variant, actions.Nd);
    out.tension = tension;
    const auto write_down = [&](unsigned failed, const CheckValues* values) {
        if (!record)
            return;
        record->sections.push_back({driver.section_text("R_Perfil"), driver.section_text("R_Peso"),
                                    driver.take_messages(), failed, values == nullptr,
                                    values ? values->governing : std::string(),
                                    values ? values->utilisation : std::nullopt});
    };
    for (;;) {
        if (!driver.calculate()) {
            // The check stopped on this row and nothing moved.
            write_down(0, nullptr);
            ++out.checks;
            out.end = SearchEnd::CheckStopped;
            return out;
        }
        ++out.checks;
        const CheckValues values = driver.values();
        const unsigned failed = failed_checks(variant.test, tension, actions, values);
        out.passed = failed == 0;
        write_down(failed, &values);
        if (!moved(driver.next(), messages)) {
            out.end = SearchEnd::MoveFailed;
            return out;
        }
        if (driver.eof()) {
            // Moving past the last row leaves the last row current: it is the
            // one just checked.
            out.end = SearchEnd::EndOfTable;
            return out;
        }
        if (values.invalid_length != 0) {
            out.end = SearchEnd::InvalidLength;
            break;
        }
        if (out.passed) {
            out.end = SearchEnd::Passed;
            break;
        }
    }
    if (!moved(driver.prior(), messages))
        out.end = SearchEnd::MoveFailed;
    return out;
}

SearchOutcome search(checks::WindowKind window, checks::Standard standard, MemberDriver& driver,
                     checks::Messages& messages, SearchRecord* record) {
    const SearchVariant& variant = search_variant(window, standard);
    // The conversion error of an action stops everything before the flag or
    // the table is touched.
    Actions actions;
    try {
        actions = read_actions(variant.test, driver);
    } catch (const HandlerError& error) {
        messages.show(error.what());
        return ended(SearchEnd::ActionNotNumber);
    }
    driver.clear_invalid_length();
    const SeriesWalk* found = find_walk(variant, driver.series());
    if (!found)
        return ended(SearchEnd::NoSeries);
    const SeriesWalk& series = *found;

    if (!apply_order(driver, series.order)) {
        messages.show(kNoWeightOrderMessage);
        return ended(SearchEnd::NoWeightOrder);
    }
    if (!moved(driver.first(), messages))
        return ended(SearchEnd::MoveFailed);

    SearchOutcome out = ended(SearchEnd::NothingToCheck);
    if (!nothing_to_look_for(variant, actions) && !driver.eof())
        out = walk(variant, actions, driver, messages, record);

    // Changing the order keeps the current row.
    apply_order(driver, series.order_after);
    return out;
}

}  // namespace

SearchOutcome find_lightest(checks::WindowKind window, MemberDriver& driver,
                            checks::Messages& messages, SearchRecord* record) {
    return find_lightest(window, checks::kDefaultStandard, driver, messages, record);
}

SearchOutcome find_lightest(checks::WindowKind window, checks::Standard standard,
                            MemberDriver& driver, checks::Messages& messages,
                            SearchRecord* record) {
    // Nothing escapes into the window: anything unforeseen is shown and ends
    // the search where it stands.
    SearchOutcome out = ended(SearchEnd::CheckStopped);
    checks::run_handler(messages,
                        [&] { out = search(window, standard, driver, messages, record); });
    return out;
}

SearchOutcome find_lightest(std::string_view window, MemberDriver& driver,
                            checks::Messages& messages, checks::Standard standard) {
    const checks::WindowDescriptor* found = checks::find_window(window, standard);
    if (!found)
        return ended(SearchEnd::NoSeries);
    return find_lightest(found->kind, standard, driver, messages);
}

}  // namespace quintaro::search
