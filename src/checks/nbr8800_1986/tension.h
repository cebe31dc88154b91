#pragma once

// NBR 8800:1986, 5.2: members in tension. Forces in kN, areas in cm²,
// strengths in kN/cm².
namespace quintaro::checks::nbr8800_1986 {

// 5.2.3: resistance factors of the two limit states.
inline constexpr double kPhiTensionYield = 0.90;     // yielding of the gross section
inline constexpr double kPhiTensionFracture = 0.75;  // fracture of the net section

// 5.2.3 a): φt·Ag·fy.
double gross_section_yield(double Ag, double fy);

// 5.2.3 b): φt·Ae·fu, with the effective net area taken as the gross area
// (the connection, and so the holes, are not known to the check).
double net_section_fracture(double Ag, double fu);

// Which of the two limit states gives the design resistance.
enum class TensionLimit { Yield, Fracture };

struct TensionResistance {
    double yield = 0.0;     // 5.2.3 a)
    double fracture = 0.0;  // 5.2.3 b)
    double Rd = 0.0;        // the smaller
    TensionLimit governing = TensionLimit::Yield;
};

// Both limit states and the smaller; on a tie the yield governs.
TensionResistance tension_resistance(double Ag, double fy, double fu);

}  // namespace quintaro::checks::nbr8800_1986
