#include "search/check_values.h"

#include <stdexcept>

#include "checks/angle.h"
#include "checks/angle_2008.h"
#include "checks/member.h"
#include "checks/member_2008.h"
#include "search/lightest.h"

namespace quintaro::search {

CheckValues check_values(const checks::WorkingState& state) {
    CheckValues v;
    v.invalid_length = state.invalid_length;
    if (const checks::RowRecord* governing = state.governing_row()) {
        v.governing = governing->box;
        v.utilisation = governing->ratio;
    }
    if (const auto* m = dynamic_cast<const checks::MemberState*>(&state)) {
        // Each run starts from a cleared state, so a step that did not run
        // leaves zero: a zero ratio or slenderness passes, a zero resistance
        // covers only a zero action.
        v.tension = m->RdNd_t;
        v.compression = m->RdNd_c;
        v.shear = m->RdVd;
        v.moment_x = m->RdMdx;
        v.moment_y = m->RdMdy;
        v.combined_ratio = m->S;
        v.combined_failed = m->amplification_unbounded;
        v.lambda_x = m->lx;
        v.lambda_y = m->ly;
        return v;
    }
    if (const auto* m = dynamic_cast<const checks::MemberState2008*>(&state)) {
        using checks::nbr2008::Outcome;
        const checks::nbr2008::MemberResult& r = m->result;
        v.tension = r.tension.NtRd;
        v.compression = -r.compression.NcRd;
        v.shear = r.shear.VRd;
        v.moment_x = r.bx.MRd;
        v.moment_y = r.by.MRd;
        v.combined_ratio = r.combined.ratio;
        v.combined_failed = r.combined.unbounded;
        v.lambda_x = r.compression.lx;
        v.lambda_y = r.compression.ly;
        const auto bit_of = [](std::string_view box) -> unsigned {
            constexpr std::pair<std::string_view, FailedCheck> kBits[] = {
                {"R_RdNd", kAxialFailed},    {"R_RdNt", kTensionFailed},
                {"R_RdVd", kShearFailed},    {"R_RdMdx", kMomentXFailed},
                {"R_RdMdy", kMomentYFailed}, {"R_Rd_MdNd", kCombinedFailed},
            };
            for (const auto& [name, bit] : kBits) {
                if (name == box)
                    return bit;
            }
            return 0u;
        };
        for (const checks::RowRecord& row : m->rows) {
            if (!row.passed)
                v.failed_rows |= bit_of(row.box);
        }
        const auto refused = [](Outcome o) { return o == Outcome::Refused; };
        if (refused(r.tension.outcome) || refused(r.compression.outcome))
            v.failed_rows |= kAxialFailed;
        if (refused(r.bx.outcome))
            v.failed_rows |= kMomentXFailed;
        if (refused(r.by.outcome))
            v.failed_rows |= kMomentYFailed;
        if (refused(r.combined.outcome))
            v.failed_rows |= kCombinedFailed;
        return v;
    }
    if (const auto* a = dynamic_cast<const checks::AngleState2008*>(&state)) {
        using checks::nbr2008::Outcome;
        const checks::nbr2008::AngleResult& r = a->result;
        v.tension = r.tension.NtRd;
        v.compression = -r.compression.NcRd;
        v.lambda_x = r.compression.lx;
        v.lambda_y = r.compression.ly;
        // A check asked for and refused has its failed row; KL/r above 200
        // (5.3.4.1) fails the compression check it was recorded by.
        for (const checks::RowRecord& row : a->rows) {
            if (!row.passed)
                v.failed_rows |=
                    row.box == checks::kAngleTensionRow.box ? kTensionFailed : kAxialFailed;
        }
        if (r.compression.outcome == Outcome::Done && r.compression.slenderness_warning)
            v.failed_rows |= kSlendernessFailed;
        return v;
    }
    if (const auto* a = dynamic_cast<const checks::AngleState*>(&state)) {
        // The angle windows are judged on the axial force alone.
        v.tension = a->Rd_t;
        v.compression = a->Rd_c;
        return v;
    }
    throw std::logic_error("the lightest-section search cannot read this working state");
}

}  // namespace quintaro::search
