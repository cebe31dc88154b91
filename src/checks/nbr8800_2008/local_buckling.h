#pragma once

#include "checks/nbr8800_2008/constants.h"

// Local buckling under compression (NBR 8800:2008, Annex F): the reduction
// factor Q = Qs·Qa of the unstiffened (AL) and stiffened (AA) elements.
namespace quintaro::checks::nbr2008 {

// Table F.1, the groups of the elements this program's sections have.
enum class ElementGroup {
    Group2,  // AA: webs of I, H and U sections
    Group3,  // AL: legs of single angles and of pairs joined by spacers
    Group4,  // AL: flanges of rolled I, H, U; legs of pairs in continuous contact
    Group5,  // AL: flanges of welded I sections (with kc)
    Group6,  // AL: stems of T sections
};

// F.2 c), note: kc = 4/√(h/tw), 0,35 ≤ kc ≤ 0,763.
inline constexpr double kKcLowest = 0.35;
inline constexpr double kKcHighest = 0.763;
double kc_factor(double h_tw);

// F.2: Qs of one unstiffened element of ratio b/t.
struct QsResult {
    ElementGroup group = ElementGroup::Group4;
    double b_t = 0.0;
    double kc = 1.0;             // group 5 only
    double limit_full = 0.0;     // (b/t) up to which Qs = 1
    double limit_elastic = 0.0;  // (b/t) beyond which the elastic formula applies
    double Qs = 1.0;
    Range range = Range::Compact;
};
QsResult unstiffened_factor(ElementGroup group, double b_t, const Material& steel, double kc = 1.0);

// F.3: the stiffened element's effective width. ca = 0,34 for every
// stiffened element of this program (0,38 is for tube walls).
inline constexpr double kCaOther = 0.34;
// F.3.2: the element is wholly effective up to b/t = 1,49·√(E/σ).
inline constexpr double kWholeWebFactor = 1.49;

// bef = 1,92·t·√(E/σ)·[1 − ca/(b/t)·√(E/σ)] (before the cap at b).
double effective_width(double t, double b_t, double sigma, double ca = kCaOther);

enum class WebWidth { Whole, Effective };

struct QaResult {
    double b = 0.0;  // element width, cm
    double t = 0.0;  // thickness, cm
    double b_t = 0.0;
    double sigma = 0.0;  // stress the width is found at, kN/cm²
    double limit = 0.0;  // 1,49·√(E/σ)
    double bef = 0.0;    // cm
    double Aef = 0.0;
    double Qa = 1.0;
    WebWidth width = WebWidth::Whole;
};
// Qa = Aef/Ag with one stiffened element of width b and thickness t (cm).
QaResult stiffened_factor(double b, double t, double Ag, double sigma);

}  // namespace quintaro::checks::nbr2008
