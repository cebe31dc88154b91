#pragma once

#include <optional>

#include "checks/nbr8800_2008/constants.h"

// Tension (NBR 8800:2008, 5.2): yielding of the gross section and rupture of
// the effective net section.
namespace quintaro::checks::nbr2008 {

// 5.2.5 d): bounds of Ct = 1 − ec/ℓc. Above 0,90 the value 0,90 is used;
// a connection giving less than 0,60 is not allowed.
inline constexpr double kCtUpper = 0.90;
inline constexpr double kCtLowest = 0.60;
// 5.2.8.1, 5.2.8.2: largest recommended L/r of a tension member.
inline constexpr double kTensionSlendernessLimit = 300.0;

// 5.2.2 a): Ag·fy/γa1.
double tension_yield_resistance(double Ag, double fy);
// 5.2.2 b): Ae·fu/γa2.
double tension_rupture_resistance(double Ae, double fu);
// 5.2.3: Ae = Ct·An.
double effective_net_area(double Ct, double An);
// 5.2.5 d): Ct = 1 − ec/ℓc, before its bounds.
double connection_ct(double ec, double lc);

// Where Ct came from.
enum class CtSource {
    Given,           // typed by the user (members)
    Connection,      // 1 − ec/ℓc within its bounds
    ConnectionCap,   // 1 − ec/ℓc above 0,90: 0,90 used
    LowestNoLength,  // ℓc not given: the lowest value the standard allows, 0,60
};

enum class TensionMode { Yield, Rupture };

struct TensionResult {
    Outcome outcome = Outcome::NotRun;
    double Ag = 0.0;
    double An = 0.0;
    bool An_is_Ag = false;  // An not given: a section without holes
    double ec = 0.0, lc = 0.0;
    double Ct = 0.0;
    CtSource ct_source = CtSource::Given;
    double Ae = 0.0;
    double Nt_yield = 0.0;    // Ag·fy/γa1
    double Nt_rupture = 0.0;  // Ae·fu/γa2
    double NtRd = 0.0;        // the smaller
    TensionMode governing = TensionMode::Yield;
    double slenderness = 0.0;  // largest L/r (0 when no length was given)
    bool slenderness_warning = false;
    double Nd = 0.0;     // the tension checked (magnitude)
    double ratio = 0.0;  // Nd/NtRd
};

// Both resistances from Ag, An (nullopt: An = Ag) and Ct; the outcome and the
// Ct fields are set by the caller, which validated them.
void tension_resistance(const Material& steel, double Ag, std::optional<double> An, double Ct,
                        TensionResult& out);

}  // namespace quintaro::checks::nbr2008
