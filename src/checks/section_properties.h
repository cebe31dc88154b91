#pragma once

// Section properties the checks derive from plate dimensions (mm), in the
// units the formulas take: cm², cm⁴, cm³, cm. Geometry only: the same for
// every standard.
namespace quintaro::checks {

// A doubly symmetric I of three plates, the welds ignored.
struct WeldedIProperties {
    double h = 0.0;  // web height d − 2·tf, mm
    double Ag = 0.0;
    double Ix = 0.0, Iy = 0.0;
    double IT = 0.0;  // (2·bf·tf³ + (d − tf)·tw³)/3
    double Wx = 0.0, Wy = 0.0;
    double Zx = 0.0, Zy = 0.0;
    double rx = 0.0, ry = 0.0;
};
WeldedIProperties welded_i_properties(double d, double bf, double tw, double tf);

// The plastic modulus of a channel about x: two flanges at the lever d − tf
// and the web.
double channel_plastic_modulus_x(double d, double bf, double tw, double tf);

// The channel's plastic modulus about y as the check has taken it: the
// flanges' and the web's terms about the centroid distance x (cm) from the
// back of the web.
double channel_plastic_modulus_y_about_centroid(double d, double bf, double tw, double tf,
                                                double x);

}  // namespace quintaro::checks
