#include "search/check_values.h"

#include <stdexcept>

#include "checks/angle.h"
#include "checks/member.h"

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
    if (const auto* a = dynamic_cast<const checks::AngleState*>(&state)) {
        // The angle windows are judged on the axial force alone.
        v.tension = a->Rd_t;
        v.compression = a->Rd_c;
        return v;
    }
    throw std::logic_error("the lightest-section search cannot read this working state");
}

}  // namespace quintaro::search
