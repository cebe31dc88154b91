#pragma once

// Section properties the 2008 checks need and the catalogues do not give.
// Every argument and result in cm units.
namespace quintaro::checks::nbr2008 {

// Warping constant of a doubly symmetric I: Cw = Iy·(d − tf)²/4.
double i_warping_constant(double Iy, double d, double tf);

// Channel, thin-walled on the mid-lines of its plates (b' = bf − tw/2 from
// the web's mid-line to the flange tip, h' = d − tf between the flanges'
// mid-lines): shear centre e = 3·b'²·tf/(6·b'·tf + h'·tw) from the web's
// mid-line, away from the flanges, and
// Cw = tf·b'³·h'²/12 · (3·b'·tf + 2·h'·tw)/(6·b'·tf + h'·tw)
// (Galambos, Guide to Stability Design Criteria; AISC Design Guide 9,
// "Torsional Analysis of Structural Steel Members", Appendix A).
double channel_shear_centre_offset(double bf, double d, double tw, double tf);
double channel_warping_constant(double bf, double d, double tw, double tf);
// x0: from the centroid (x from the back of the web) to the shear centre.
double channel_shear_centre(double bf, double d, double tw, double tf, double x);
// Plastic moduli of the channel's three plates (the neutral axis about y
// halves the area, in the flanges or in the web).
double channel_plastic_modulus_x(double bf, double d, double tw, double tf);
double channel_plastic_modulus_y(double bf, double d, double tw, double tf);

// A welded I from its four plates (welds ignored).
struct PlateSection {
    double Ag = 0.0, Ix = 0.0, Iy = 0.0, Wx = 0.0, Wy = 0.0, Zx = 0.0, Zy = 0.0;
    double J = 0.0;  // Σ b·t³/3: two flanges bf·tf³ and the web h·tw³
    double Cw = 0.0;
};
PlateSection welded_i_properties(double d, double bf, double tw, double tf);

// Torsion constant of one angle: J = (b1 + b2 − t)·t³/3, the legs on their
// mid-lines (Cw ≈ 0).
double angle_torsion_constant(double b1, double b2, double t);

// One angle's principal axes and shear centre. Lay the angle with one leg
// horizontal and one vertical, heel at the bottom left: Ixp is the inertia
// about the centroidal axis parallel to the horizontal leg, Iyp about the one
// parallel to the vertical leg; cx is the centroid's distance from the back of
// the vertical leg, cy from the back of the horizontal leg. The shear centre
// is where the legs' mid-lines cross.
struct AnglePrincipal {
    double Iz = 0.0;   // minor principal inertia, Ag·rz²
    double Iw = 0.0;   // major principal inertia
    double Ixy = 0.0;  // product of inertia about x', y' (negative)
    double x0 = 0.0;   // shear centre along the minor axis
    double y0 = 0.0;   // shear centre along the major axis
};
AnglePrincipal angle_principal(double Ag, double Ixp, double Iyp, double rz, double cx, double cy,
                               double t);

}  // namespace quintaro::checks::nbr2008
