#include "checks/nbr8800_2008/tension.h"

namespace quintaro::checks::nbr2008 {

double tension_yield_resistance(double Ag, double fy) {
    return divide(Ag * fy, kGammaA1);
}

double tension_rupture_resistance(double Ae, double fu) {
    return divide(Ae * fu, kGammaA2);
}

double effective_net_area(double Ct, double An) {
    return finite(Ct * An);
}

double connection_ct(double ec, double lc) {
    return finite(1.0 - divide(ec, lc));
}

void tension_resistance(const Material& steel, double Ag, std::optional<double> An, double Ct,
                        TensionResult& out) {
    out.Ag = Ag;
    out.An_is_Ag = !An.has_value();
    out.An = An.value_or(Ag);
    out.Ct = Ct;
    out.Ae = effective_net_area(Ct, out.An);
    out.Nt_yield = tension_yield_resistance(Ag, steel.fy);
    out.Nt_rupture = tension_rupture_resistance(out.Ae, steel.fu);
    out.governing = out.Nt_rupture < out.Nt_yield ? TensionMode::Rupture : TensionMode::Yield;
    out.NtRd = out.governing == TensionMode::Rupture ? out.Nt_rupture : out.Nt_yield;
}

}  // namespace quintaro::checks::nbr2008
