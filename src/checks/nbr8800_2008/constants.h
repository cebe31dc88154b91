#pragma once

#include <numbers>

#include "checks/numeric.h"

// Constants of NBR 8800:2008 used by the member checks, and the steel a check
// runs with. Units: kN, cm, kN/cm².
namespace quintaro::checks::nbr2008 {

inline constexpr double kPi = std::numbers::pi;

// 4.5.2.9: elastic constants of structural steel.
inline constexpr double kE = 20000.0;
inline constexpr double kG = 7700.0;

// Table 3, normal combinations: yielding and instability; rupture.
inline constexpr double kGammaA1 = 1.10;
inline constexpr double kGammaA2 = 1.35;

// Annex G, Table G.1: residual stress σr = 0,30·fy.
inline constexpr double kResidualStressFactor = 0.30;

// Catalogue plate dimensions are in mm; the formulas work in cm.
inline constexpr double kMmToCm = 0.1;

// The steel of one check: yield and tensile strength (kN/cm²).
struct Material {
    double fy = 0.0;
    double fu = 0.0;
};

// How far a check got: not asked for (no action), made, or not made because
// an input stops it (the result's notices say which).
enum class Outcome { NotRun, Done, Refused };

// The three ranges of a slenderness: λ ≤ λp, λp < λ ≤ λr, λ > λr.
enum class Range { Compact, Inelastic, Elastic };

inline double cube(double x) {
    return finite(x * x * x);
}

// √(E/fy), the slenderness unit of every limit of the standard.
inline double root_e_fy(const Material& steel) {
    return root(divide(kE, steel.fy));
}

}  // namespace quintaro::checks::nbr2008
