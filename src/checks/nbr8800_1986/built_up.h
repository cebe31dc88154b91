#pragma once

// NBR 8800:1986, 5.2 and 5.3: members built up from two angles joined by
// spacers. Lengths in cm.
namespace quintaro::checks::nbr8800_1986 {

// 5.2.6: in tension the slenderness of one angle between spacers, over its
// least radius rz, stays within 240.
inline constexpr double kTensionSpacingSlenderness = 240.0;

// 5.3.6: in compression it stays within the slenderness λ that governs the
// pair: the spacing is rz·λ.
double compression_spacing(double rz, double lambda);

// 240·rz.
double tension_spacing(double rz);

}  // namespace quintaro::checks::nbr8800_1986
