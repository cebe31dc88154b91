#pragma once

#include <string_view>

#include "checks/member.h"
#include "checks/nbr8800_1986/bending.h"

// The steps shared by the rolled I/H, channel and welded checks, and the
// rules in which those families differ. Used by the family units only.
namespace quintaro::checks::member_steps {

enum class ShearWeb {
    RolledPanel,  // Aw = d·tw, k from a = 4·tw over h, Vpl = 0,55·Aw·fy
    Web55,        // Aw = h·tw, k = 5,34, Vpl = 0,55·Aw·fy
    Web60,        // Aw = h·tw, k = 5,34, Vpl = 0,60·Aw·fy
};

struct FamilyRules {
    std::string_view slenderness_message;
    // Flange ratio of Qs and of FLM: bf/tf for the channel's single flange
    // outstand, (bf/2)/tf for the I sections.
    bool full_flange_outstand = false;
    // Pure compression of a slender web takes the stress-based effective
    // width; otherwise (and always for the channel) the fy-based one.
    bool iterate_pure_compression = true;
    ShearWeb shear = ShearWeb::RolledPanel;
    // How the critical moment of lateral-torsional buckling about y grows
    // beyond λr.
    nbr8800_1986::LateralGrowth lateral_growth_y = nbr8800_1986::LateralGrowth::TimesLambda;
};

// Frame start: display reset, working state reset (the flag kept), steel and
// actions read, family and designation recorded.
void start(Boxes& boxes, MemberState& state, MemberFamily family);

// Stops the check when the flanges leave no web: d − 2·tf must be above zero.
void require_web(const Boxes& boxes, const MemberState& state);

// h, rx and ry from the section values already in the state.
void derive_radii(MemberState& state);

// Lflx, Lfly and Lb from their boxes, as absolute values.
void read_lengths(const Boxes& boxes, MemberState& state);

// Everything after the section is known: axial, shear, bending, combined.
void run(const FamilyRules& rules, Boxes& boxes, Messages& messages, MemberState& state);

// The rolled sections' shear panel is taken as a = 4·tw long.
inline constexpr double kRolledPanelLength = 4.0;

}  // namespace quintaro::checks::member_steps
