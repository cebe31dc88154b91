#pragma once

#include <optional>

#include "checks/nbr8800_2008/buckling.h"
#include "checks/nbr8800_2008/local_buckling.h"
#include "checks/nbr8800_2008/notices.h"
#include "checks/nbr8800_2008/tension.h"

// The NBR 8800:2008 check of a single angle or a pair of angles under axial
// force: tension (5.2), compression (5.3 with Annexes E and F) and the
// spacing of the pair's spacers (5.2.8.2, 5.3.4.2).
namespace quintaro::checks::nbr2008 {

// The nine angle windows; the arrangement each one forms.
enum class AngleWindow {
    L,       // one equal-leg angle
    L2,      // one angle with legs d and bf
    LT,      // two equal angles back to back (T)
    LU,      // two equal angles toe to toe (U)
    LX,      // two equal angles heel to heel (cross)
    L2T_Ma,  // T, legs d upright and together
    L2T_Me,  // T, legs bf upright and together
    L2U_Ma,  // U, legs d upright, legs bf horizontal
    L2U_Me,  // U, legs bf upright, legs d horizontal
};

// How a single angle is loaded in compression.
enum class AngleLoading {
    PlanarTruss,   // one leg connected, E.1.4 a)
    SpatialTruss,  // one leg connected, E.1.4 b)
    Centred,       // load through the centroid: E.1.2 (equal) or E.1.3 (unequal)
};

// The connected leg of a single angle of two widths.
enum class ConnectedLeg { d, bf };

// Everything one check reads: one angle as the window's boxes show it (the
// "Me" windows show the turned angle: their Ix, Iy, x, y boxes hold IY, IX,
// Y, X), the spacer, the lengths, the connection and the two forces.
struct AngleInput {
    AngleWindow window = AngleWindow::L;
    Material steel;
    double Ag1 = 0.0;                                  // cm²
    double bf = 0.0, d = 0.0, tf = 0.0;                // mm; d = bf in the equal-leg windows
    double Ix1 = 0.0, Iy1 = 0.0;                       // boxes R_Ix, R_Iy (R_Ixy for both), cm⁴
    double cx = 0.0, cy = 0.0;                         // boxes R_x, R_y (R_xy for both), cm
    double rz = 0.0;                                   // cm
    double e = 0.0;                                    // spacer thickness, mm (pairs)
    double KxLx = 0.0, KyLy = 0.0;                     // cm
    std::optional<double> KzLz;                        // nullopt: KyLy; 0: torsion restrained
    AngleLoading loading = AngleLoading::PlanarTruss;  // single angles
    ConnectedLeg leg = ConnectedLeg::d;                // L2 only
    std::optional<double> lc;                          // connection length, cm; nullopt: Ct = 0,60
    std::optional<double> An;                          // net area of one angle, cm²; nullopt: Ag1
    double Ncd = 0.0;                                  // compression (magnitude), kN
    double Ntd = 0.0;                                  // tension (magnitude), kN
};

// The section as checked: a single angle about its principal axes (x minor,
// y major), a T or U pair about its X (horizontal) and Y (symmetry) axes, the
// cross about the diagonal x (across the heels) and y (through the heels).
struct AngleSectionResult {
    double Ag = 0.0;
    double Ix = 0.0, Iy = 0.0, rx = 0.0, ry = 0.0;
    double s = 0.0;             // pairs: from Y to one angle's centroid, cm
    double J = 0.0;             // Cw ≈ 0
    double x0 = 0.0, y0 = 0.0;  // shear centre from the centroid, cm
    double ec = 0.0;            // centroid to the connected leg's plane, cm
    ElementGroup group = ElementGroup::Group3;
};

struct SpacingResult {
    Outcome outcome = Outcome::NotRun;
    double slenderness_max = 0.0;  // (KL/r)max of the pair
    double rmin = 0.0;             // rz of one angle
    bool compression = false, tension = false;
    double l_compression = 0.0;  // ½·(KL/r)max·rmin
    double l_tension = 0.0;      // 300·rmin
    double l = 0.0;              // the one to keep: the smaller of those asked for
};

enum class AngleRow { Compression, Tension };

struct AngleResult {
    AngleSectionResult section;
    TensionResult tension;
    CompressionResult compression;
    QsResult qs_bf, qs_d;  // the two legs (Annex F)
    SpacingResult spacing;
    Notices notices;
    bool has_governing = false;
    AngleRow governing = AngleRow::Compression;
    double governing_ratio = 0.0;
};

AngleResult check_angle(const AngleInput& in);

bool is_pair(AngleWindow window);

}  // namespace quintaro::checks::nbr2008
