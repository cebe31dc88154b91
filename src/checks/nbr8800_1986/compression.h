#pragma once

// NBR 8800:1986, 5.3: members in compression (flexural buckling). Lengths in
// cm, areas in cm², strengths in kN/cm², forces in kN.
namespace quintaro::checks::nbr8800_1986 {

// 5.3.4: resistance factor.
inline constexpr double kPhiCompression = 0.90;

// 5.3.5: largest slenderness KL/r of a compressed member.
inline constexpr double kSlendernessLimit = 200.0;

// 5.3.4, Table 3: imperfection factor α of each column curve.
inline constexpr double kCurveB = 0.281;
inline constexpr double kCurveC = 0.384;
inline constexpr double kCurveD = 0.572;

// 5.3.4: up to this reduced slenderness λ̄ the curve gives ρ = 1.
inline constexpr double kCurvePlateau = 0.2;
// λ̄² at the end of the plateau (0,2²), as the curve formula writes it.
inline constexpr double kCurvePlateauSquared = 0.04;

// Table 3 for I and H sections (rolled or welded, as the checks take them):
// buckling about x on curve b and about y on curve c, one curve lower each
// for flanges thicker than 40 mm.
inline constexpr double kThickFlange = 40.0;  // mm

struct AxisCurves {
    bool thick_flange = false;  // tf > 40 mm
    char curve_x = ' ', curve_y = ' ';
    double alpha_x = 0.0;
    double alpha_y = 0.0;
};
AxisCurves i_section_curves(double tf);

// √(Q·fy/E): the factor that turns KL/r into λ̄ once divided by π.
double reduced_slenderness_factor(double Q, double fy, double E);

// 5.3.4: λ̄ = (1/π)·(KL/r)·√(Q·fy/E), given the factor above.
double reduced_slenderness(double slenderness, double factor);

// The column curve at λ̄ (5.3.4): ρ = 1 on the plateau, else
// ρ = β − √(β² − 1/λ̄²) with β = (1/(2·λ̄²))·(1 + α·√(λ̄² − 0,04) + λ̄²).
struct CurvePoint {
    bool plateau = false;  // λ̄ ≤ 0,2
    double beta = 0.0;     // 0 on the plateau
    double rho = 0.0;
};
CurvePoint column_curve(double reduced, double alpha);

// 5.3.4: φc·ρ·Q·Ag·fy, written negative like the compression it resists.
double compression_resistance(double rho, double Q, double Ag, double fy);

}  // namespace quintaro::checks::nbr8800_1986
