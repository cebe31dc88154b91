#pragma once

#include "checks/nbr8800_2008/constants.h"

// Shear of I, H and U sections about the major axis (NBR 8800:2008, 5.4.3.1).
namespace quintaro::checks::nbr2008 {

// 5.4.3.1.1: web without transverse stiffeners.
inline constexpr double kKvUnstiffened = 5.0;

struct ShearResult {
    Outcome outcome = Outcome::NotRun;
    double Aw = 0.0;  // d·tw, cm²
    double kv = kKvUnstiffened;
    double lambda = 0.0, lambda_p = 0.0, lambda_r = 0.0;
    double Vpl = 0.0;  // 0,60·Aw·fy
    double VRd = 0.0;
    Range range = Range::Compact;
    double Vd = 0.0;  // magnitude
    double ratio = 0.0;
};

// d, tw, h in cm.
ShearResult web_shear(const Material& steel, double d, double tw, double h, double Vd);

}  // namespace quintaro::checks::nbr2008
