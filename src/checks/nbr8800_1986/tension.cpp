#include "checks/nbr8800_1986/tension.h"

#include "checks/numeric.h"

namespace quintaro::checks::nbr8800_1986 {

double gross_section_yield(double Ag, double fy) {
    return finite(kPhiTensionYield * Ag * fy);
}

double net_section_fracture(double Ag, double fu) {
    return finite(kPhiTensionFracture * Ag * fu);
}

TensionResistance tension_resistance(double Ag, double fy, double fu) {
    TensionResistance t;
    t.yield = gross_section_yield(Ag, fy);
    t.fracture = net_section_fracture(Ag, fu);
    if (t.fracture < t.yield) {
        t.Rd = t.fracture;
        t.governing = TensionLimit::Fracture;
    } else {
        t.Rd = t.yield;
    }
    return t;
}

}  // namespace quintaro::checks::nbr8800_1986
