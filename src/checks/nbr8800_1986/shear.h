#pragma once

#include "checks/frame.h"

// NBR 8800:1986, 5.5: webs under shear. Plate dimensions in mm, areas in cm²,
// strengths in kN/cm², forces in kN.
namespace quintaro::checks::nbr8800_1986 {

// 5.5.2: resistance factor.
inline constexpr double kPhiShear = 0.90;

// 5.5.2: buckling coefficient k of a web panel of length a and height h:
// 4 + 5,34/(a/h)² below a/h = 1, 5,34 + 4/(a/h)² from there on, and 5,34 for
// a/h > 3 (as for a web without transverse stiffeners).
inline constexpr double kPanelSquare = 1.0;
inline constexpr double kPanelLong = 3.0;
inline constexpr double kUnstiffenedWebK = 5.34;
inline constexpr double kPanelK = 4.0;

// Which formula gave k.
enum class PanelRule {
    Short,        // a/h < 1
    Long,         // 1 ≤ a/h ≤ 3
    VeryLong,     // a/h > 3: k = 5,34
    Unstiffened,  // no panel considered: k = 5,34
};

struct PanelCoefficient {
    double k = 0.0;
    PanelRule rule = PanelRule::Unstiffened;
};
PanelCoefficient panel_coefficient(double a_h);

// 5.5.2: λp = 1,08·√(k·E/fy) and λr = 1,40·√(k·E/fy) of λ = h/tw.
inline constexpr double kShearPlastic = 1.08;
inline constexpr double kShearInelastic = 1.4;
// 5.5.2: beyond λr, Vn = 1,28·(λp/λ)²·Vpl.
inline constexpr double kShearElastic = 1.28;

// Vpl = c·Aw·fy: 0,60 for the web of a channel; 0,55 for the I sections, as
// the I and welded checks have always taken it.
inline constexpr double kPlasticShearChannel = 0.60;
inline constexpr double kPlasticShearI = 0.55;

struct ShearLimits {
    double lp = 0.0;
    double lr = 0.0;
};
ShearLimits shear_limits(double k, double E, double fy);

double plastic_shear(double factor, double Aw, double fy);

struct NominalShear {
    double Vn = 0.0;
    Range range = Range::Full;
};
NominalShear nominal_shear(double l, const ShearLimits& limits, double Vpl);

// φv·Vn.
double shear_resistance(double Vn);

}  // namespace quintaro::checks::nbr8800_1986
