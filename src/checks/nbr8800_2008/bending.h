#pragma once

#include "checks/nbr8800_2008/bending_steps.h"

// Bending of I, H and U sections (NBR 8800:2008, 5.4.2 and Annex G, Table
// G.1): lateral-torsional buckling (FLT), flange local buckling (FLM) and web
// local buckling (FLA), each with its three ranges.
namespace quintaro::checks::nbr2008 {

// What the lateral-torsional formulas need of the section (cm units).
struct TorsionSection {
    double Iy = 0.0;
    double ry = 0.0;
    double J = 0.0;
    double Cw = 0.0;
    double W = 0.0;  // elastic modulus about x
};

// Annex G, Table G.1, note 1: β1 = (fy − σr)·W/(E·J).
double flt_beta1(double fy, double W, double J);
// Table G.1: λr of FLT, I with two axes of symmetry and U about x.
double flt_lambda_r(const TorsionSection& s, double fy);
// Table G.1: Mcr of FLT with Cb = 1.
double flt_mcr_uniform(const TorsionSection& s, double Lb);
// Table G.1: FLT, λ = Lb/ry.
LimitStateResult lateral_torsional(const Material& steel, const TorsionSection& s, double Lb,
                                   double Cb, double Mpl);

// How the flange's λr and Mcr are formed.
enum class FlangeKind { Rolled, Welded };
// Table G.1: FLM of I, H (λ = bf/2tf) and U (λ = bf/tf); kc for welded flanges.
LimitStateResult flange_local(const Material& steel, double lambda, double W, double Mpl,
                              FlangeKind kind, double kc);
// Table G.1: FLA, λ = h/tw. Past λr the web is slender and Annex H applies.
double web_lambda_r(const Material& steel);
LimitStateResult web_local(const Material& steel, double lambda, double W, double Mpl);

}  // namespace quintaro::checks::nbr2008
