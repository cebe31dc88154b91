#pragma once

#include "checks/frame.h"

// NBR 8800:1986, 5.4.1 and Annex D: the nominal moment of a beam that is not
// slender, by web local buckling (FLA), flange local buckling (FLM) and
// lateral-torsional buckling (FLT). Moduli in cm³, lengths in cm, plate
// dimensions in mm, strengths in kN/cm², moments in kN·cm.
namespace quintaro::checks::nbr8800_1986 {

// 5.4.1.2: resistance factor.
inline constexpr double kPhiBending = 0.90;

// 5.4.1.3.1: the nominal moment never exceeds 1,25·W·fy.
inline constexpr double kMomentCap = 1.25;

// Annex D, FLA: λ = h/tw, λp = 3,5·√(E/fy), λr = 5,6·√(E/fy), Mr = fy·W.
inline constexpr double kWebPlastic = 3.5;
inline constexpr double kWebSlender = 5.6;
// Annex D, FLM: λp = 0,38·√(E/fy); λr = 0,62·√(E·W/Mr); beyond λr
// Mcr = 0,38·E·W/λ².
inline constexpr double kFlangePlastic = 0.38;
inline constexpr double kFlangeSlender = 0.62;
inline constexpr double kFlangeCritical = 0.38;
// Annex D, FLT: λ = Lb/ry, λp = 1,75·√(E/fy);
// λr = (0,707·Cb·β1/Mr)·√(1 + √(1 + 4·β2·Mr²/(Cb²·β1²))).
inline constexpr double kLateralPlastic = 1.75;
inline constexpr double kLateralSlender = 0.707;
inline constexpr double kLateralSlenderInner = 4.0;
// Annex D: Cb = 1 (the moment diagram is not known to the check).
inline constexpr double kCb = 1.0;

// √(E/fy).
double root_E_fy(double E, double fy);

// The web limits of FLA.
double web_plastic_limit(double sqrt_E_fy);
double web_slender_limit(double sqrt_E_fy);
double flange_plastic_limit(double sqrt_E_fy);
double lateral_plastic_limit(double sqrt_E_fy);

// β1 = π·√(G·E·IT·Ag) and β2 = (π²·E/(4·G))·Ag·((d − tf)/10)²/IT of FLT.
double beta1(double G, double E, double IT, double Ag);
double beta2(double G, double E, double Ag, double d, double tf, double IT);

// Mpl = Z·fy.
double plastic_moment(double Z, double fy);
// Mr = fy·W (FLA).
double web_yield_moment(double fy, double W);
// Mr = (fy − fr)·W, never above fy·W (FLM and FLT).
double residual_moment(double fy, double fr, double W);
double flange_residual_moment(double fy, double fr, double W);

// The straight line between Mpl at λp and Mr at λr.
double interpolate(double Mpl, double Mr, double l, double lp, double lr);

// FLA: Mpl up to λp, the straight line past it (a slender web, λ > λr, is
// not a case of this Annex; the line is taken on).
struct WebMoment {
    double Mr = 0.0;  // only past λp
    double Mn = 0.0;
    Range range = Range::Full;  // Full or Inelastic
};
WebMoment web_moment(double Mpl, double fy, double W, double l, double lp, double lr);

// FLM with its λr and, past it, Mcr.
struct FlangeMoment {
    double Mr = 0.0;
    double lr = 0.0;
    double Mcr = 0.0;  // only past λr
    double Mn = 0.0;
    Range range = Range::Full;
};
FlangeMoment flange_moment(double Mpl, double fy, double fr, double E, double W, double l,
                           double lp);

// How the critical moment of FLT grows past λr: √(1 + β2/λ²) or √(1 + β2·λ²).
enum class LateralGrowth { OverLambda, TimesLambda };

struct LateralMoment {
    double Mr = 0.0;
    double lr = 0.0;
    double Mcr = 0.0;  // only past λr
    double Mn = 0.0;
    Range range = Range::Full;
};
LateralMoment lateral_moment(double Mpl, double fy, double fr, double W, double Cb, double B1,
                             double B2, double l, double lp, LateralGrowth growth);

// The governing nominal moment (the smallest; on ties the earlier of FLA,
// FLM, FLT) and the 1,25·W·fy cap.
enum class Governing { FLA, FLM, FLT };
struct NominalMoment {
    Governing governing = Governing::FLA;
    double limit = 0.0;  // 1,25·W·fy
    bool capped = false;
    double Mn = 0.0;
};
NominalMoment nominal_moment(double FLA, double FLM, double FLT, double W, double fy);
// The cap alone.
double moment_cap(double W, double fy);

// φb·Mn.
double moment_resistance(double Mn);

}  // namespace quintaro::checks::nbr8800_1986
