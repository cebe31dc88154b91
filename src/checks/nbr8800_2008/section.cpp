#include "checks/nbr8800_2008/section.h"

#include <algorithm>
#include <cmath>

#include "checks/nbr8800_2008/constants.h"

namespace quintaro::checks::nbr2008 {

double i_warping_constant(double Iy, double d, double tf) {
    return finite(Iy * square(d - tf) / 4.0);
}

double channel_shear_centre_offset(double bf, double d, double tw, double tf) {
    const double b = bf - tw / 2.0;
    const double h = d - tf;
    return divide(3.0 * square(b) * tf, 6.0 * b * tf + h * tw);
}

double channel_warping_constant(double bf, double d, double tw, double tf) {
    const double b = bf - tw / 2.0;
    const double h = d - tf;
    return finite(tf * cube(b) * square(h) / 12.0 *
                  divide(3.0 * b * tf + 2.0 * h * tw, 6.0 * b * tf + h * tw));
}

double channel_shear_centre(double bf, double d, double tw, double tf, double x) {
    return finite(x - tw / 2.0 + channel_shear_centre_offset(bf, d, tw, tf));
}

double channel_plastic_modulus_x(double bf, double d, double tw, double tf) {
    return finite(bf * tf * (d - tf) + tw * square(d - 2.0 * tf) / 4.0);
}

double channel_plastic_modulus_y(double bf, double d, double tw, double tf) {
    const double area = finite(d * tw + 2.0 * (bf - tw) * tf);
    const double web_strip = finite(d * tw);  // full depth over the web's thickness
    if (web_strip >= area / 2.0) {
        // The axis crosses the web, at xp from its back.
        const double xp = divide(area, 2.0 * d);
        return finite(d * (square(xp) + square(tw - xp)) / 2.0 +
                      2.0 * (bf - tw) * tf * ((bf + tw) / 2.0 - xp));
    }
    // The axis crosses the flanges.
    const double xp = finite(tw + divide(area / 2.0 - web_strip, 2.0 * tf));
    return finite(web_strip * (xp - tw / 2.0) + tf * square(xp - tw) + tf * square(bf - xp));
}

PlateSection welded_i_properties(double d, double bf, double tw, double tf) {
    PlateSection p;
    const double h = finite(d - 2.0 * tf);
    p.Ag = finite(h * tw + 2.0 * bf * tf);
    p.Ix = finite((bf * cube(d) - (bf - tw) * cube(h)) / 12.0);
    p.Iy = finite((h * cube(tw) + 2.0 * tf * cube(bf)) / 12.0);
    p.Wx = divide(2.0 * p.Ix, d);
    p.Wy = divide(2.0 * p.Iy, bf);
    p.Zx = finite((tw * square(h) + bf * (square(d) - square(h))) / 4.0);
    p.Zy = finite(h * square(tw) / 4.0 + tf * square(bf) / 2.0);
    p.J = finite((2.0 * bf * cube(tf) + h * cube(tw)) / 3.0);
    p.Cw = i_warping_constant(p.Iy, d, tf);
    return p;
}

double angle_torsion_constant(double b1, double b2, double t) {
    return finite((b1 + b2 - t) * cube(t) / 3.0);
}

AnglePrincipal angle_principal(double Ag, double Ixp, double Iyp, double rz, double cx, double cy,
                               double t) {
    AnglePrincipal p;
    p.Iz = finite(Ag * square(rz));
    p.Iw = finite(Ixp + Iyp - p.Iz);
    // The eigenvalue equation of the area's second moments gives
    // Ixy² = (Ixp − Iz)·(Iyp − Iz). A catalogue's rounded rz can put Iz a
    // hair above the smaller of Ixp, Iyp: the product is then taken as zero.
    const double product = std::max(finite((Ixp - p.Iz) * (Iyp - p.Iz)), 0.0);
    p.Ixy = -std::sqrt(product);  // heel at the bottom left: negative
    // The minor axis runs along the eigenvector of the largest second moment
    // ∫(x², xy; xy, y²): (Ixy, Ixp − Iz) or (Iyp − Iz, Ixy), whichever is
    // better conditioned.
    double ux = p.Ixy, uy = Ixp - p.Iz;
    const double vx = Iyp - p.Iz, vy = p.Ixy;
    if (square(vx) + square(vy) > square(ux) + square(uy)) {
        ux = vx;
        uy = vy;
    }
    double norm = root(square(ux) + square(uy));
    if (is_zero(norm)) {
        // Ixp = Iyp = Iz (a rounded row of an equal-leg angle): every axis is
        // principal; the legs' symmetry gives the minor axis along the line
        // of the toes.
        ux = -1.0;
        uy = 1.0;
        norm = std::sqrt(2.0);
    }
    ux = divide(ux, norm);
    uy = divide(uy, norm);
    const double sx = -(cx - t / 2.0);
    const double sy = -(cy - t / 2.0);
    p.x0 = finite(sx * ux + sy * uy);
    p.y0 = finite(-sx * uy + sy * ux);
    return p;
}

}  // namespace quintaro::checks::nbr2008
