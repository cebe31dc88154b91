#include "checks/nbr8800_2008/angle_member.h"

#include <algorithm>
#include <cmath>

#include "checks/nbr8800_2008/section.h"

namespace quintaro::checks::nbr2008 {
namespace {

// 5.3.4.2: between spacers each angle keeps to half the pair's slenderness.
constexpr double kSpacingShare = 0.5;

enum class Shape { Single, T, U, Cross };

Shape shape_of(AngleWindow w) {
    switch (w) {
        case AngleWindow::L:
        case AngleWindow::L2:
            return Shape::Single;
        case AngleWindow::LT:
        case AngleWindow::L2T_Ma:
        case AngleWindow::L2T_Me:
            return Shape::T;
        case AngleWindow::LU:
        case AngleWindow::L2U_Ma:
        case AngleWindow::L2U_Me:
            return Shape::U;
        case AngleWindow::LX:
            break;
    }
    return Shape::Cross;
}

void add(Notices& notices, Notice notice) {
    if (std::find(notices.begin(), notices.end(), notice) == notices.end())
        notices.push_back(notice);
}

// The horizontal legs of a U: their tips face each other across the gap.
double horizontal_leg(const AngleInput& in) {
    return in.window == AngleWindow::L2U_Me ? in.d : in.bf;
}

// Single angle of two widths: which leg is connected, as (connected, other).
void connected_widths(const AngleInput& in, double& connected, double& other) {
    connected = in.bf;
    other = in.d;
    if (in.window == AngleWindow::L2 && in.leg == ConnectedLeg::d)
        std::swap(connected, other);
}

AngleSectionResult form_section(const AngleInput& in) {
    AngleSectionResult s;
    const double t = in.tf * kMmToCm;
    const double half_gap = in.e * kMmToCm / 2.0;
    const double J1 = angle_torsion_constant(in.bf * kMmToCm, in.d * kMmToCm, t);
    switch (shape_of(in.window)) {
        case Shape::Single: {
            // Horizontal leg bf (R_Ix about the axis parallel to it), vertical leg d.
            const AnglePrincipal p =
                angle_principal(in.Ag1, in.Ix1, in.Iy1, in.rz, in.cx, in.cy, t);
            s.Ag = in.Ag1;
            s.Ix = p.Iz;
            s.Iy = p.Iw;
            s.x0 = p.x0;
            s.y0 = p.y0;
            s.J = J1;
            s.ec = in.window == AngleWindow::L2 && in.leg == ConnectedLeg::bf ? in.cy : in.cx;
            s.group = ElementGroup::Group3;
            break;
        }
        case Shape::T:
        case Shape::U: {
            s.Ag = finite(2.0 * in.Ag1);
            s.s = shape_of(in.window) == Shape::T
                      ? finite(in.cx + half_gap)
                      : finite(horizontal_leg(in) * kMmToCm + half_gap - in.cx);
            s.Ix = finite(2.0 * in.Ix1);
            s.Iy = finite(2.0 * (in.Iy1 + in.Ag1 * square(s.s)));
            // E.1.2: shear centre on Y where the horizontal legs' mid-lines run.
            s.y0 = finite(in.cy - t / 2.0);
            s.J = finite(2.0 * J1);
            // T: the gusset between the upright legs; U: under the horizontal legs.
            s.ec = shape_of(in.window) == Shape::T ? in.cx : in.cy;
            break;
        }
        case Shape::Cross: {
            // Each centroid lies on the diagonal through both heels, √2·(c + e/2)
            // from the centre: about that diagonal (y) each angle adds its major
            // principal inertia, about the other one (x) its minor one and the
            // transfer term.
            const double Iz1 = finite(in.Ag1 * square(in.rz));
            const double Iw1 = finite(in.Ix1 + in.Iy1 - Iz1);
            s.Ag = finite(2.0 * in.Ag1);
            s.s = finite(std::sqrt(2.0) * (in.cx + half_gap));
            s.Iy = finite(2.0 * Iw1);
            s.Ix = finite(2.0 * (Iz1 + in.Ag1 * square(s.s)));
            s.J = finite(2.0 * J1);
            s.ec = in.cx;
            break;
        }
    }
    if (shape_of(in.window) != Shape::Single)
        s.group = in.e > 0.0 ? ElementGroup::Group3 : ElementGroup::Group4;
    s.rx = root(divide(s.Ix, s.Ag));
    s.ry = root(divide(s.Iy, s.Ag));
    return s;
}

void angle_tension(const AngleInput& in, AngleResult& out) {
    TensionResult& t = out.tension;
    const AngleSectionResult& s = out.section;
    const double count = is_pair(in.window) ? 2.0 : 1.0;
    t.Nd = in.Ntd;
    t.ec = s.ec;
    if (in.lc) {
        t.lc = *in.lc;
        const double Ct = *in.lc > 0.0 ? connection_ct(s.ec, *in.lc) : 0.0;
        if (Ct < kCtLowest) {
            t.Ct = Ct;
            t.outcome = Outcome::Refused;
            add(out.notices, Notice::ConnectionTooShort);
            return;
        }
        t.ct_source = Ct > kCtUpper ? CtSource::ConnectionCap : CtSource::Connection;
        t.Ct = std::min(Ct, kCtUpper);
    } else {
        t.ct_source = CtSource::LowestNoLength;
        t.Ct = kCtLowest;
        add(out.notices, Notice::CtLowestNoLength);
    }
    if (in.An && !(*in.An > 0.0 && *in.An <= in.Ag1)) {
        t.outcome = Outcome::Refused;
        add(out.notices, Notice::AnOutOfRange);
        return;
    }
    std::optional<double> An;
    if (in.An)
        An = finite(count * *in.An);
    tension_resistance(in.steel, s.Ag, An, t.Ct, t);
    if (is_pair(in.window)) {
        double l = 0.0;
        if (!is_zero(in.KxLx))
            l = divide(in.KxLx, s.rx);
        if (!is_zero(in.KyLy))
            l = std::max(l, divide(in.KyLy, s.ry));
        t.slenderness = l;
    } else {
        t.slenderness = divide(std::max(in.KxLx, in.KyLy), in.rz);
    }
    if (t.slenderness > kTensionSlendernessLimit) {
        t.slenderness_warning = true;
        add(out.notices, Notice::TensionSlenderness);
    }
    t.outcome = Outcome::Done;
    t.ratio = divide(t.Nd, t.NtRd);
}

// E.1.4: one leg connected.
bool equivalent_slenderness(const AngleInput& in, AngleResult& out) {
    CompressionResult& c = out.compression;
    double connected = 0.0, other = 0.0;
    connected_widths(in, connected, other);
    const bool short_leg = connected < other;
    const double ratio = short_leg ? divide(other, connected) : 1.0;
    if (short_leg && ratio > kLegRatioLimit) {
        c.outcome = Outcome::Refused;
        add(out.notices, Notice::LegRatioOutOfRange);
        return false;
    }
    // The inertia about the centroidal axis parallel to the connected leg:
    // R_Ix is about the axis parallel to bf, R_Iy to d.
    const double Ix1 = in.window == AngleWindow::L2 && in.leg == ConnectedLeg::d ? in.Iy1 : in.Ix1;
    const double rx1 = root(divide(Ix1, in.Ag1));
    const TrussKind kind =
        in.loading == AngleLoading::SpatialTruss ? TrussKind::Spatial : TrussKind::Planar;
    c.e14 = equivalent_length(kind, in.KxLx, rx1, short_leg, ratio, in.rz);
    c.lx = divide(c.e14.KL, rx1);
    c.Ne = flexural_load(Ix1, c.e14.KL);
    c.Nex = c.Ne;
    c.mode = BucklingMode::EquivalentSlenderness;
    return true;
}

// Centred load on a single angle: E.1.2 for equal legs, E.1.3 otherwise.
void centred_single(const AngleInput& in, AngleResult& out) {
    CompressionResult& c = out.compression;
    const AngleSectionResult& s = out.section;
    c.lx = divide(in.KxLx, s.rx);
    c.ly = divide(in.KyLy, s.ry);
    c.Nex = flexural_load(s.Ix, in.KxLx);
    c.Ney = flexural_load(s.Iy, in.KyLy);
    c.Ne = c.Nex;
    c.mode = BucklingMode::FlexuralX;
    consider_mode(c, c.Ney, BucklingMode::FlexuralY);
    if (c.torsion_restrained)
        return;
    const double r0sq = polar_radius_sq(s.rx, s.ry, s.x0, s.y0);
    c.r0 = root(r0sq);
    c.Nez = torsional_load(0.0, s.J, c.KzLz, r0sq);
    if (in.window == AngleWindow::L)
        c.Ne_ft = flexural_torsional_load(c.Ney, c.Nez, s.y0, r0sq);
    else
        c.Ne_ft = asymmetric_load(c.Nex, c.Ney, c.Nez, s.x0, s.y0, r0sq);
    consider_mode(c, c.Ne_ft, BucklingMode::FlexuralTorsional);
}

void pair_buckling(const AngleInput& in, AngleResult& out) {
    CompressionResult& c = out.compression;
    const AngleSectionResult& s = out.section;
    c.lx = divide(in.KxLx, s.rx);
    c.ly = divide(in.KyLy, s.ry);
    c.Nex = flexural_load(s.Ix, in.KxLx);
    c.Ney = flexural_load(s.Iy, in.KyLy);
    c.Ne = c.Nex;
    c.mode = BucklingMode::FlexuralX;
    const double r0sq = polar_radius_sq(s.rx, s.ry, 0.0, s.y0);
    c.r0 = root(r0sq);
    if (shape_of(in.window) == Shape::Cross || c.torsion_restrained) {
        // E.1.1: the cross is point-symmetric, its shear centre the centroid.
        consider_mode(c, c.Ney, BucklingMode::FlexuralY);
        if (!c.torsion_restrained) {
            c.Nez = torsional_load(0.0, s.J, c.KzLz, r0sq);
            consider_mode(c, c.Nez, BucklingMode::Torsional);
        }
        return;
    }
    // E.1.2: symmetric about Y.
    c.Nez = torsional_load(0.0, s.J, c.KzLz, r0sq);
    c.Ne_ft = flexural_torsional_load(c.Ney, c.Nez, s.y0, r0sq);
    consider_mode(c, c.Ne_ft, BucklingMode::FlexuralTorsional);
}

void angle_compression(const AngleInput& in, AngleResult& out) {
    CompressionResult& c = out.compression;
    const AngleSectionResult& s = out.section;
    const bool one_leg = !is_pair(in.window) && in.loading != AngleLoading::Centred;
    c.Nd = in.Ncd;
    c.KxLx = in.KxLx;
    c.KyLy = in.KyLy;
    c.x0 = s.x0;
    c.y0 = s.y0;
    if (is_zero(in.KxLx) || (!one_leg && is_zero(in.KyLy))) {
        c.outcome = Outcome::Refused;
        add(out.notices, Notice::CompressionLength);
        return;
    }
    c.KzLz = in.KzLz ? *in.KzLz : in.KyLy;
    c.torsion_restrained = is_zero(c.KzLz);
    if (one_leg) {
        if (!equivalent_slenderness(in, out))
            return;
    } else if (is_pair(in.window)) {
        pair_buckling(in, out);
    } else {
        centred_single(in, out);
    }
    if (std::max(c.lx, c.ly) > kCompressionSlendernessLimit) {
        c.slenderness_warning = true;
        add(out.notices, Notice::CompressionSlenderness);
    }
    // Annex F: both legs unstiffened (group 3, or 4 for legs in contact);
    // the smaller Qs governs, Qa = 1.
    out.qs_bf = unstiffened_factor(s.group, divide(in.bf, in.tf), in.steel);
    out.qs_d = unstiffened_factor(s.group, divide(in.d, in.tf), in.steel);
    c.Qs = std::min(out.qs_bf.Qs, out.qs_d.Qs);
    c.Qa = 1.0;
    c.Q = c.Qs;
    finish_compression(in.steel, s.Ag, c);
}

void spacing(const AngleInput& in, AngleResult& out) {
    SpacingResult& sp = out.spacing;
    const AngleSectionResult& s = out.section;
    sp.rmin = in.rz;
    sp.compression = in.Ncd > 0.0 && !is_zero(in.KxLx) && !is_zero(in.KyLy);
    sp.tension = in.Ntd > 0.0;
    if (!sp.compression && !sp.tension)
        return;
    sp.outcome = Outcome::Done;
    if (sp.compression) {
        sp.slenderness_max = std::max(divide(in.KxLx, s.rx), divide(in.KyLy, s.ry));
        sp.l_compression = finite(kSpacingShare * sp.slenderness_max * in.rz);
        sp.l = sp.l_compression;
    }
    if (sp.tension) {
        sp.l_tension = finite(kTensionSlendernessLimit * in.rz);
        sp.l = sp.compression ? std::min(sp.l, sp.l_tension) : sp.l_tension;
    }
}

}  // namespace

bool is_pair(AngleWindow window) {
    return shape_of(window) != Shape::Single;
}

AngleResult check_angle(const AngleInput& in) {
    AngleResult out;
    out.section = form_section(in);
    if (in.Ntd > 0.0) {
        angle_tension(in, out);
        if (out.tension.outcome == Outcome::Done) {
            out.has_governing = true;
            out.governing = AngleRow::Tension;
            out.governing_ratio = out.tension.ratio;
        }
    }
    if (in.Ncd > 0.0) {
        angle_compression(in, out);
        if (out.compression.outcome == Outcome::Done &&
            (!out.has_governing || out.compression.ratio > out.governing_ratio)) {
            out.has_governing = true;
            out.governing = AngleRow::Compression;
            out.governing_ratio = out.compression.ratio;
        }
    }
    if (is_pair(in.window))
        spacing(in, out);
    return out;
}

}  // namespace quintaro::checks::nbr2008
