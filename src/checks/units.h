#pragma once

#include "checks/numeric.h"

// The fixed units of the checks and the conversions between them. Plate
// dimensions are typed in mm; areas, moduli and inertias are kept in cm², cm³
// and cm⁴; stresses in kN/cm², except the effective-width formulas, which take
// the stress in MPa.
//
// Two spellings of mm → cm and mm² → cm² are kept on purpose: dividing by 10
// (100) and multiplying by 0,1 (0,01) can differ in the last bit, and a
// result shown with two decimals can then differ at a tie. Each formula keeps
// the spelling it has always had, so that no result moves.
namespace quintaro::checks::units {

inline constexpr double kMmPerCm = 10.0;
inline constexpr double kMm2PerCm2 = 100.0;
inline constexpr double kMm3PerCm3 = 1000.0;
inline constexpr double kMm4PerCm4 = 10000.0;
inline constexpr double kCmPerMm = 0.1;
inline constexpr double kCm2PerMm2 = 0.01;

// Dividing.
inline constexpr double mm_to_cm(double mm) {
    return mm / kMmPerCm;
}
inline constexpr double mm2_to_cm2(double mm2) {
    return mm2 / kMm2PerCm2;
}
inline constexpr double mm3_to_cm3(double mm3) {
    return mm3 / kMm3PerCm3;
}
inline constexpr double mm4_to_cm4(double mm4) {
    return mm4 / kMm4PerCm4;
}

// Multiplying.
inline constexpr double mm_to_cm_mul(double mm) {
    return mm * kCmPerMm;
}
inline constexpr double mm2_to_cm2_mul(double mm2) {
    return mm2 * kCm2PerMm2;
}

// The reverse, for the report's lines in mm.
inline constexpr double cm2_to_mm2(double cm2) {
    return kMm2PerCm2 * cm2;
}
inline constexpr double cm3_to_mm3(double cm3) {
    return kMm3PerCm3 * cm3;
}
inline constexpr double cm4_to_mm4(double cm4) {
    return kMm4PerCm4 * cm4;
}

inline constexpr double kMpaPerKnPerCm2 = 10.0;

inline constexpr double kn_per_cm2_to_mpa(double kn_per_cm2) {
    return kMpaPerKnPerCm2 * kn_per_cm2;
}

// A force in kN over an area in cm², in MPa; a zero area stops the check.
inline double stress_mpa(double force_kn, double area_cm2) {
    return divide(kMpaPerKnPerCm2 * force_kn, area_cm2);
}

}  // namespace quintaro::checks::units
