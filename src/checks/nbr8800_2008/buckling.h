#pragma once

#include "checks/nbr8800_2008/constants.h"

// Compression (NBR 8800:2008, 5.3) and the elastic buckling loads of Annex E.
namespace quintaro::checks::nbr2008 {

// 5.3.3: the column curve changes form at λ0 = 1,5.
inline constexpr double kLambda0Break = 1.5;
// 5.3.4.1: largest KL/r of a compression member.
inline constexpr double kCompressionSlendernessLimit = 200.0;

// E.1.1 a), b): π²·E·I/(KL)².
double flexural_load(double I, double KL);
// E.1.1 c): [π²·E·Cw/(KzLz)² + G·J]/r0².
double torsional_load(double Cw, double J, double KzLz, double r0sq);
// E.1.1 c): r0² = rx² + ry² + x0² + y0².
double polar_radius_sq(double rx, double ry, double x0, double y0);
// E.1.2: the flexural-torsional load of a monosymmetric section from the load
// about its symmetry axis, the torsional load and the shear centre's distance
// a0 from the centroid along that axis.
double flexural_torsional_load(double Ne_sym, double Nez, double a0, double r0sq);
// E.1.3: the smallest root of the cubic of an asymmetric section (x, y
// principal axes; x0, y0 the shear centre's coordinates).
double asymmetric_load(double Nex, double Ney, double Nez, double x0, double y0, double r0sq);

// 5.3.3: λ0 = √(Q·Ag·fy/Ne).
double reduced_slenderness(double Q, double Ag, double fy, double Ne);
// 5.3.3: χ = 0,658^(λ0²) up to λ0 = 1,5, else 0,877/λ0².
double reduction_factor(double lambda0);
bool reduction_is_elastic(double lambda0);

// 5.3.2: Nc,Rd = χ·Q·Ag·fy/γa1. This is the one place where the local
// buckling reduction enters the resistance (as Q on the gross area).
double compression_resistance(double chi, double Q, double Ag, double fy);

// E.1.4: single angle loaded through one leg. The equivalent length
// Kx1·Lx1 about the centroidal axis parallel to the connected leg.
enum class TrussKind {
    Planar,   // E.1.4 a): individual members, planar trusses, adjacent web members on one side
    Spatial,  // E.1.4 b): space trusses, or adjacent web members on opposite sides
};
// E.1.4: the break of each pair of formulas (L/rx1).
inline constexpr double kPlanarBreak = 80.0;
inline constexpr double kSpatialBreak = 75.0;
// E.1.4: unequal legs connected by the shorter leg, up to bl/bs = 1,7.
inline constexpr double kLegRatioLimit = 1.7;

struct EquivalentLength {
    TrussKind kind = TrussKind::Planar;
    double L = 0.0;
    double rx1 = 0.0;
    double L_rx1 = 0.0;
    bool beyond_break = false;  // L/rx1 above 80 (planar) or 75 (spatial)
    double KL_base = 0.0;       // before the unequal-leg correction
    bool short_leg = false;     // unequal legs connected by the shorter one
    double leg_ratio = 1.0;     // bl/bs
    double increment = 0.0;     // 4·[(bl/bs)² − 1]·rx1
    double lower_bound = 0.0;   // 0,95·L·rx1/rz
    bool lower_bound_governs = false;
    double KL = 0.0;  // Kx1·Lx1
};
// rz is used for the lower bound of the short-leg case only.
EquivalentLength equivalent_length(TrussKind kind, double L, double rx1, bool short_leg,
                                   double leg_ratio, double rz);

// Which elastic load governed Ne.
enum class BucklingMode {
    FlexuralX,
    FlexuralY,
    Torsional,              // Nez (doubly or point-symmetric sections)
    FlexuralTorsional,      // E.1.2 or E.1.3
    EquivalentSlenderness,  // E.1.4
};

// The compression check of any section, by symbol.
struct CompressionResult {
    Outcome outcome = Outcome::NotRun;
    double KxLx = 0.0, KyLy = 0.0, KzLz = 0.0;
    bool torsion_restrained = false;  // KzLz = 0: no torsional mode
    double lx = 0.0, ly = 0.0;        // KL/r
    bool slenderness_warning = false;
    double Nex = 0.0, Ney = 0.0, Nez = 0.0;
    double Ne_ft = 0.0;         // flexural-torsional load (E.1.2, E.1.3)
    double x0 = 0.0, y0 = 0.0;  // shear centre from the centroid, cm
    double r0 = 0.0;
    EquivalentLength e14;  // E.1.4 only
    double Ne = 0.0;
    BucklingMode mode = BucklingMode::FlexuralX;
    // Annex F.
    double Qs = 1.0, Qa = 1.0, Q = 1.0;
    // 5.3.3.
    double lambda0 = 0.0;
    double chi = 1.0;
    bool chi_elastic = false;  // λ0 > 1,5
    double NcRd = 0.0;
    double Nd = 0.0;  // the compression checked (magnitude)
    double ratio = 0.0;
};

// λ0, χ and Nc,Rd from Ne and Q already in `out`.
void finish_compression(const Material& steel, double Ag, CompressionResult& out);

// Keeps the smaller of Ne and a candidate load, with its mode (on ties the earlier).
void consider_mode(CompressionResult& out, double load, BucklingMode mode);

}  // namespace quintaro::checks::nbr2008
