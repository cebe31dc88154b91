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

// The plastic modulus of a channel of three plates about the axis parallel to
// its web. The plastic neutral axis, at xp from the back of the web, halves
// the area A = 2·bf·tf + (d − 2·tf)·tw: in the web (where the section is d
// high) when A/2 ≤ d·tw, else in the flanges (2·tf high). Zy sums each part's
// area times its distance from that axis. A rolled channel's sloped flanges
// and fillets are not in it: for the AISC C shapes it is 1,10 to 1,16 times
// the published value.
struct ChannelPlasticY {
    double A = 0.0;       // area of the plates, mm²
    double xp = 0.0;      // plastic neutral axis from the back of the web, mm
    bool in_web = false;  // xp ≤ tw
    double Zy = 0.0;      // cm³
};
ChannelPlasticY channel_plastic_modulus_y(double d, double bf, double tw, double tf);

}  // namespace quintaro::checks
