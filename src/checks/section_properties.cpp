#include "checks/section_properties.h"

#include "checks/numeric.h"
#include "checks/units.h"

namespace quintaro::checks {
namespace {

double cube(double x) {
    return finite(x * x * x);
}

}  // namespace

WeldedIProperties welded_i_properties(double d, double bf, double tw, double tf) {
    using namespace units;
    WeldedIProperties p;
    const double h = finite(d - 2.0 * tf);
    p.h = h;
    p.Ag = finite(mm2_to_cm2(h * tw + 2.0 * bf * tf));
    p.Ix = finite(mm4_to_cm4(bf * cube(d) / 12.0 - (bf - tw) * cube(h) / 12.0));
    p.Iy = finite(mm4_to_cm4(h * cube(tw) / 12.0 + 2.0 * tf * cube(bf) / 12.0));
    p.IT = finite(mm4_to_cm4(((d - tf) * cube(tw) + 2.0 * bf * cube(tf)) / 3.0));
    p.Wx = divide(2.0 * p.Ix, mm_to_cm(d));
    p.Wy = divide(2.0 * p.Iy, mm_to_cm(bf));
    p.Zx = finite(mm3_to_cm3((tw * square(h) + bf * (square(d) - square(h))) / 4.0));
    p.Zy = finite(mm3_to_cm3(h * square(tw) / 4.0 + tf * square(bf) / 2.0));
    p.rx = root(divide(p.Ix, p.Ag));
    p.ry = root(divide(p.Iy, p.Ag));
    return p;
}

double channel_plastic_modulus_x(double d, double bf, double tw, double tf) {
    const double web = d - 2.0 * tf;
    return finite(units::mm3_to_cm3(bf * tf * (d - tf) + tw / 4.0 * square(web)));
}

ChannelPlasticY channel_plastic_modulus_y(double d, double bf, double tw, double tf) {
    ChannelPlasticY p;
    p.A = finite(2.0 * bf * tf + (d - 2.0 * tf) * tw);
    const double half = p.A / 2.0;
    p.in_web = half <= d * tw;
    double Zy = 0.0;  // mm³
    if (p.in_web) {
        p.xp = divide(half, d);
        Zy = d * square(p.xp) / 2.0 + d * square(tw - p.xp) / 2.0 +
             tf * (square(bf - p.xp) - square(tw - p.xp));
    } else {
        p.xp = tw + divide(half - d * tw, 2.0 * tf);
        Zy = d * tw * (p.xp - tw / 2.0) + tf * square(p.xp - tw) + tf * square(bf - p.xp);
    }
    p.Zy = finite(units::mm3_to_cm3(Zy));
    return p;
}

}  // namespace quintaro::checks
