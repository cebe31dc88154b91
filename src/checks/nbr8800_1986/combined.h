#pragma once

// NBR 8800:1986, 5.6.1: axial force and bending together, and the web limit
// of FLA that the axial force lowers (Annex D). Forces in kN, moments in
// kN·cm, strengths in kN/cm².
namespace quintaro::checks::nbr8800_1986 {

// Annex D, FLA under axial force: with n = Nd/(0,9·Ny),
//   n ≤ 0,207:  λp = 3,5·√(E/fy)·(1 − 2,8·n)
//   n > 0,207:  λp = 1,47·√(E/fy)
inline constexpr double kPhiSquash = 0.9;
inline constexpr double kAxialWebBranch = 0.207;
inline constexpr double kAxialWebSlope = 2.8;
inline constexpr double kAxialWebHigh = 1.47;

// Ny = Ag·fy.
double squash_load(double Ag, double fy);

struct AxialWebLimit {
    double use = 0.0;  // Nd/(0,9·Ny)
    bool low = true;   // use ≤ 0,207
    double lp = 0.0;
};
AxialWebLimit axial_web_limit(double Nd, double Ny, double sqrt_E_fy);

// 5.6.1.3: Cm = 1 (the end moments are not known to the check), and the
// moment amplified by 1/(1 − Nd/(0,73·Ne)) with Ne = Ag·fy/λ̄².
inline constexpr double kCm = 1.0;
inline constexpr double kAmplification = 0.73;

double euler_load(double Ag, double fy, double reduced);
// 1 − |Nd|/(0,73·Ne): zero or below when the moment has no bound.
double amplification_margin(double Nd, double Ne);

// 5.6.1.2 and 5.6.1.3: the interaction sum may reach 1.
inline constexpr double kInteractionLimit = 1.0;

// One term of the interaction sum: |numerator/denominator| when the action
// is present, else 0.
double interaction_term(double action, double numerator, double denominator);

}  // namespace quintaro::checks::nbr8800_1986
