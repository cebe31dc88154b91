#pragma once

#include "checks/frame.h"

// NBR 8800:1986, Annex E: local buckling of members in axial compression,
// the factor Q = Qs·Qa. Plate dimensions in mm, areas in cm², strengths in
// kN/cm² (the effective-width formulas take MPa).
namespace quintaro::checks::nbr8800_1986 {

// An unstiffened element (one edge free): Qs over three ranges of b/t in
// units of √(E/fy).
//   b/t ≤ full·√(E/fy):                   Qs = 1
//   b/t ≤ elastic·√(E/fy):                Qs = a − b·(b/t)·√(fy/E)
//   beyond:                               Qs = c·E/(fy·(b/t)²)
struct UnstiffenedElement {
    double full;
    double elastic;
    double a, b, c;
};

// Annex E: outstanding flanges of I, H and channel sections.
inline constexpr UnstiffenedElement kFlangeOutstand{0.55, 1.02, 1.42, 0.76, 0.67};
// Annex E: outstanding legs of angles (single angles, and pairs of angles in
// continuous contact or joined by spacers).
inline constexpr UnstiffenedElement kAngleLeg{0.44, 0.90, 1.34, 0.77, 0.52};

// Annex E, Table 1: the leg of a pair of angles given an effective width is
// taken as wholly effective up to b/t = c·√(E/fy): c = 0,55 for legs in
// continuous contact, 0,44 for legs of angles joined by spacers.
inline constexpr double kContinuousLegLimit = 0.55;
inline constexpr double kSpacedLegLimit = 0.44;

struct ElementFactor {
    double Q = 1.0;
    Range range = Range::Full;
};
ElementFactor unstiffened_factor(const UnstiffenedElement& element, double ratio, double fy,
                                 double E);

// Annex E: a web (stiffened element) is wholly effective up to
// h/tw = 1,47·√(E/fy).
inline constexpr double kWebFullyEffective = 1.47;

// Annex E: effective width of a stiffened element at a stress f (MPa),
//   bef = (a·t/√f)·(1 − b/((b/t)·√f)) ≤ b,
// with the coefficients of the element.
struct EffectiveWidthFormula {
    double a;
    double b;
};
// At the yield stress, f = fy: what the checks take under bending and
// compression together, and for the spacers' legs of a pair of angles.
inline constexpr EffectiveWidthFormula kEffectiveWidthAtYield{862.0, 152.0};
// At the stress the effective section carries in pure compression.
inline constexpr EffectiveWidthFormula kEffectiveWidthAtStress{797.0, 140.0};

// The formula's width (mm) for a plate of thickness t (mm), ratio b/t, at √f.
double effective_width(const EffectiveWidthFormula& formula, double t, double ratio, double sqrt_f);

// bef at f = fy (kN/cm²).
double effective_width_at_yield(double t, double ratio, double fy);

// Aef = Ag − n·(b − bef)·t: the gross area less what the n elements lose (cm²).
double effective_area(double Ag, double elements, double b, double bef, double t);

// Qa = Aef/Ag.
double effective_area_factor(double Aef, double Ag);

// The web of a member in pure compression: the effective width at the stress
// the effective section carries, found by iteration. Below
// √f = 280/(h/tw) the formula gives more than h (and at small stresses a
// negative width), so the whole web counts there.
inline constexpr double kWholeWebRootStress = 280.0;
// The iteration stops when the stress changes by no more than this (MPa) or
// after the largest number of rounds.
inline constexpr double kStressTolerance = 0.01;
inline constexpr int kMaxEffectiveWidthRounds = 1000;

// How the last round of the iteration found its width.
enum class WebWidthRule {
    Formula,        // the formula, narrower than h
    CappedAtWidth,  // the formula gave more than h: bef = h
    WholeWeb,       // √f ≤ 280/(h/tw): bef = h
};

struct IteratedWeb {
    double bef = 0.0;  // mm
    double Aef = 0.0;  // cm²
    double f = 0.0;    // web stress of the last round (MPa)
    int iterations = 0;
    WebWidthRule rule = WebWidthRule::Formula;
};
IteratedWeb iterate_web_width(double Nd, double Ag, double h, double tw);

}  // namespace quintaro::checks::nbr8800_1986
