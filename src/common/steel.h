#pragma once

#include <string>

namespace quintaro {

// Elastic constants and residual stress fixed for every check (kN/cm²).
inline constexpr double kElasticModulus = 20500.0;
inline constexpr double kShearModulus = 7892.5;
inline constexpr double kResidualStress = 11.5;

// The steel read at the start of each check: grade name and the absolute
// values of fy and fu (kN/cm²).
struct Steel {
    std::string name;
    double fy = 0.0;
    double fu = 0.0;
    double E = kElasticModulus;
    double G = kShearModulus;
    double fr = kResidualStress;
};

}  // namespace quintaro
