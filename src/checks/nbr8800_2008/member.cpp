#include "checks/nbr8800_2008/member.h"

#include <algorithm>
#include <cmath>

#include "checks/nbr8800_2008/section.h"

namespace quintaro::checks::nbr2008 {
namespace {

// Annex G, 5.4.2.3: the range of Cb this program accepts.
constexpr double kCbLowest = 1.0;
constexpr double kCbHighest = 3.0;

bool is_i_section(MemberKind kind) {
    return kind != MemberKind::Channel;
}

void add(Notices& notices, Notice notice) {
    if (std::find(notices.begin(), notices.end(), notice) == notices.end())
        notices.push_back(notice);
}

// The largest L/r over the axes whose length was given (0 when none).
double largest_slenderness(double KxLx, double rx, double KyLy, double ry) {
    double l = 0.0;
    if (!is_zero(KxLx))
        l = divide(KxLx, rx);
    if (!is_zero(KyLy))
        l = std::max(l, divide(KyLy, ry));
    return l;
}

void member_tension(const MemberInput& in, MemberResult& out) {
    TensionResult& t = out.tension;
    const MemberSection& s = out.section;
    t.Nd = std::fabs(in.Nd);
    t.ct_source = CtSource::Given;
    if (!(in.Ct > 0.0 && in.Ct <= 1.0)) {
        t.outcome = Outcome::Refused;
        add(out.notices, Notice::CtOutOfRange);
        return;
    }
    if (in.An && !(*in.An > 0.0 && *in.An <= s.Ag)) {
        t.outcome = Outcome::Refused;
        add(out.notices, Notice::AnOutOfRange);
        return;
    }
    tension_resistance(in.steel, s.Ag, in.An, in.Ct, t);
    t.slenderness = largest_slenderness(in.KxLx, s.rx, in.KyLy, s.ry);
    if (t.slenderness > kTensionSlendernessLimit) {
        t.slenderness_warning = true;
        add(out.notices, Notice::TensionSlenderness);
    }
    t.outcome = Outcome::Done;
    t.ratio = divide(t.Nd, t.NtRd);
}

void member_bending_x(const MemberInput& in, MemberResult& out) {
    AxisBendingResult& b = out.bx;
    const MemberSection& s = out.section;
    b.Md = std::fabs(in.Mdx);
    if (!(in.Cb >= kCbLowest && in.Cb <= kCbHighest)) {
        b.outcome = Outcome::Refused;
        add(out.notices, Notice::CbOutOfRange);
        return;
    }
    if (is_zero(in.Lb)) {
        b.outcome = Outcome::Refused;
        add(out.notices, Notice::BendingLength);
        return;
    }
    b.Z = s.Zx;
    b.W = s.Wx;
    b.Mpl = plastic_moment(s.Zx, in.steel.fy);
    b.cap = bending_cap(s.Wx, in.steel.fy);
    if (s.h_tw > web_lambda_r(in.steel)) {
        // Annex H for an I (G.1 has no value past λr); a channel with such a
        // web is outside both.
        b.slender_web = true;
        if (is_i_section(in.kind)) {
            b.annex_h = slender_web_bending(
                in.steel, PlateGirder{s.bf, s.tf, s.h, s.tw, s.Wx, s.kc}, in.Lb, in.Cb);
        }
        if (!is_i_section(in.kind) || !b.annex_h.within_limits) {
            b.outcome = Outcome::Refused;
            add(out.notices, Notice::WebTooSlender);
            return;
        }
        b.governing = BendingLimit::TensionFlange;
        b.MRd = b.annex_h.tension_flange.MRd;
        if (b.annex_h.flt.MRd < b.MRd) {
            b.governing = BendingLimit::FLT;
            b.MRd = b.annex_h.flt.MRd;
        }
        if (b.annex_h.flm.MRd < b.MRd) {
            b.governing = BendingLimit::FLM;
            b.MRd = b.annex_h.flm.MRd;
        }
    } else {
        const TorsionSection ts{s.Iy, s.ry, s.J, s.Cw, s.Wx};
        const FlangeKind flange =
            in.kind == MemberKind::Welded ? FlangeKind::Welded : FlangeKind::Rolled;
        b.fla = web_local(in.steel, s.h_tw, s.Wx, b.Mpl);
        b.flm = flange_local(in.steel, s.flange_b_t, s.Wx, b.Mpl, flange, s.kc);
        b.flt = lateral_torsional(in.steel, ts, in.Lb, in.Cb, b.Mpl);
        b.governing = BendingLimit::FLA;
        b.MRd = b.fla.MRd;
        if (b.flm.MRd < b.MRd) {
            b.governing = BendingLimit::FLM;
            b.MRd = b.flm.MRd;
        }
        if (b.flt.MRd < b.MRd) {
            b.governing = BendingLimit::FLT;
            b.MRd = b.flt.MRd;
        }
        if (b.cap < b.MRd) {
            b.MRd = b.cap;
            b.capped = true;
        }
    }
    b.outcome = Outcome::Done;
    b.ratio = divide(b.Md, b.MRd);
}

// About y only the flanges can buckle locally (Table G.1).
void member_bending_y(const MemberInput& in, MemberResult& out) {
    AxisBendingResult& b = out.by;
    const MemberSection& s = out.section;
    b.Md = std::fabs(in.Mdy);
    b.Z = s.Zy;
    b.W = s.Wy;
    b.Mpl = plastic_moment(s.Zy, in.steel.fy);
    b.cap = bending_cap(s.Wy, in.steel.fy);
    const FlangeKind flange =
        in.kind == MemberKind::Welded ? FlangeKind::Welded : FlangeKind::Rolled;
    b.flm = flange_local(in.steel, s.flange_b_t, s.Wy, b.Mpl, flange, s.kc);
    b.governing = BendingLimit::FLM;
    b.MRd = b.flm.MRd;
    if (b.cap < b.MRd) {
        b.MRd = b.cap;
        b.capped = true;
    }
    b.outcome = Outcome::Done;
    b.ratio = divide(b.Md, b.MRd);
}

void member_combined(const MemberInput& in, MemberResult& out) {
    const bool n = !is_zero(in.Nd);
    const bool mx = !is_zero(in.Mdx);
    const bool my = !is_zero(in.Mdy);
    if (n + mx + my < 2)
        return;
    CombinedResult& c = out.combined;
    const bool compressed = in.Nd < 0.0;
    const Outcome axial = compressed ? out.compression.outcome : out.tension.outcome;
    if ((n && axial != Outcome::Done) || (mx && out.bx.outcome != Outcome::Done) ||
        (my && out.by.outcome != Outcome::Done)) {
        c.outcome = Outcome::Refused;
        add(out.notices, Notice::CombinedIncomplete);
        return;
    }
    const double Nd = std::fabs(in.Nd);
    c.Mdx = out.bx.Md;
    c.Mdy = out.by.Md;
    if (n)
        c.NRd = compressed ? out.compression.NcRd : out.tension.NtRd;
    c.amplified = compressed && !in.second_order_included;
    if (c.amplified) {
        const MemberSection& s = out.section;
        if (mx)
            c.Ne1x = flexural_load(s.Ix, in.KxLx);
        if (my)
            c.Ne1y = flexural_load(s.Iy, in.KyLy);
        if ((mx && Nd >= c.Ne1x) || (my && Nd >= c.Ne1y)) {
            c.unbounded = true;
            c.outcome = Outcome::Done;
            add(out.notices, Notice::SecondOrderUnbounded);
            return;
        }
        if (mx) {
            c.B1x = amplification_factor(c.Cm, Nd, c.Ne1x);
            c.Mdx = finite(c.B1x * c.Mdx);
        }
        if (my) {
            c.B1y = amplification_factor(c.Cm, Nd, c.Ne1y);
            c.Mdy = finite(c.B1y * c.Mdy);
        }
    }
    c.n = n ? divide(Nd, c.NRd) : 0.0;
    c.mx = mx ? divide(c.Mdx, out.bx.MRd) : 0.0;
    c.my = my ? divide(c.Mdy, out.by.MRd) : 0.0;
    c.ratio = interaction_ratio(c.n, c.mx, c.my, c.form);
    c.outcome = Outcome::Done;
}

void consider_row(MemberResult& out, MemberRow row, Outcome outcome, double ratio) {
    if (outcome != Outcome::Done)
        return;
    if (!out.has_governing || ratio > out.governing_ratio) {
        out.has_governing = true;
        out.governing = row;
        out.governing_ratio = ratio;
    }
}

void find_governing(MemberResult& out) {
    if (out.tension.outcome == Outcome::Done)
        consider_row(out, MemberRow::Axial, Outcome::Done, out.tension.ratio);
    consider_row(out, MemberRow::Axial, out.compression.outcome, out.compression.ratio);
    consider_row(out, MemberRow::Shear, out.shear.outcome, out.shear.ratio);
    consider_row(out, MemberRow::BendingX, out.bx.outcome, out.bx.ratio);
    consider_row(out, MemberRow::BendingY, out.by.outcome, out.by.ratio);
    if (out.combined.unbounded) {
        out.has_governing = true;
        out.governing = MemberRow::Combined;
        out.governing_ratio = 0.0;
        return;
    }
    consider_row(out, MemberRow::Combined, out.combined.outcome, out.combined.ratio);
}

}  // namespace

MemberSection member_section(const MemberInput& in) {
    MemberSection s;
    s.d = in.d * kMmToCm;
    s.bf = in.bf * kMmToCm;
    s.tw = in.tw * kMmToCm;
    s.tf = in.tf * kMmToCm;
    s.h = is_zero(in.h) ? finite(s.d - 2.0 * s.tf) : in.h * kMmToCm;
    if (in.kind == MemberKind::Welded) {
        const PlateSection p = welded_i_properties(s.d, s.bf, s.tw, s.tf);
        s.Ag = p.Ag;
        s.Ix = p.Ix;
        s.Iy = p.Iy;
        s.Wx = p.Wx;
        s.Wy = p.Wy;
        s.Zx = p.Zx;
        s.Zy = p.Zy;
        s.J = p.J;
        s.Cw = p.Cw;
    } else {
        s.Ag = in.Ag;
        s.Ix = in.Ix;
        s.Iy = in.Iy;
        s.Wx = in.Wx;
        s.Wy = in.Wy;
        s.J = in.IT;
        if (in.kind == MemberKind::Channel) {
            s.Zx = channel_plastic_modulus_x(s.bf, s.d, s.tw, s.tf);
            s.Zy = channel_plastic_modulus_y(s.bf, s.d, s.tw, s.tf);
            s.Cw = channel_warping_constant(s.bf, s.d, s.tw, s.tf);
            s.x0 = channel_shear_centre(s.bf, s.d, s.tw, s.tf, in.x);
        } else {
            s.Zx = in.Zx;
            s.Zy = in.Zy;
            s.Cw = i_warping_constant(s.Iy, s.d, s.tf);
        }
    }
    s.rx = root(divide(s.Ix, s.Ag));
    s.ry = root(divide(s.Iy, s.Ag));
    s.h_tw = divide(s.h, s.tw);
    s.flange_b_t = in.kind == MemberKind::Channel ? divide(s.bf, s.tf) : divide(s.bf, 2.0 * s.tf);
    if (in.kind == MemberKind::Welded)
        s.kc = kc_factor(s.h_tw);
    return s;
}

void member_compression(const MemberInput& in, MemberResult& out) {
    CompressionResult& c = out.compression;
    const MemberSection& s = out.section;
    c.Nd = std::fabs(in.Nd);
    c.KxLx = in.KxLx;
    c.KyLy = in.KyLy;
    if (is_zero(in.KxLx) || is_zero(in.KyLy)) {
        c.outcome = Outcome::Refused;
        add(out.notices, Notice::CompressionLength);
        return;
    }
    c.KzLz = in.KzLz ? *in.KzLz : (is_zero(in.Lb) ? in.KyLy : in.Lb);
    c.torsion_restrained = is_zero(c.KzLz);
    c.lx = divide(in.KxLx, s.rx);
    c.ly = divide(in.KyLy, s.ry);
    if (std::max(c.lx, c.ly) > kCompressionSlendernessLimit) {
        c.slenderness_warning = true;
        add(out.notices, Notice::CompressionSlenderness);
    }

    // Annex E.
    c.Nex = flexural_load(s.Ix, in.KxLx);
    c.Ney = flexural_load(s.Iy, in.KyLy);
    c.x0 = s.x0;
    c.r0 = root(polar_radius_sq(s.rx, s.ry, s.x0, 0.0));
    if (in.kind == MemberKind::Channel) {
        // E.1.2 with the channel's symmetry axis, the catalogue's x: flexure
        // about x couples with torsion; flexure about y stands alone.
        c.Ne = c.Ney;
        c.mode = BucklingMode::FlexuralY;
        if (c.torsion_restrained) {
            consider_mode(c, c.Nex, BucklingMode::FlexuralX);
        } else {
            c.Nez = torsional_load(s.Cw, s.J, c.KzLz, square(c.r0));
            c.Ne_ft = flexural_torsional_load(c.Nex, c.Nez, s.x0, square(c.r0));
            consider_mode(c, c.Ne_ft, BucklingMode::FlexuralTorsional);
        }
    } else {
        // E.1.1: doubly symmetric.
        c.Ne = c.Nex;
        c.mode = BucklingMode::FlexuralX;
        consider_mode(c, c.Ney, BucklingMode::FlexuralY);
        if (!c.torsion_restrained) {
            c.Nez = torsional_load(s.Cw, s.J, c.KzLz, square(c.r0));
            consider_mode(c, c.Nez, BucklingMode::Torsional);
        }
    }

    // Annex F: flanges (group 4 rolled, group 5 welded) and the web (group 2)
    // at σ = χ·fy, χ of 5.3.3 with Q = 1.
    const ElementGroup flange =
        in.kind == MemberKind::Welded ? ElementGroup::Group5 : ElementGroup::Group4;
    out.flange_qs = unstiffened_factor(flange, s.flange_b_t, in.steel, s.kc);
    out.chi_web = reduction_factor(reduced_slenderness(1.0, s.Ag, in.steel.fy, c.Ne));
    out.web_qa = stiffened_factor(s.h, s.tw, s.Ag, finite(out.chi_web * in.steel.fy));
    c.Qs = out.flange_qs.Qs;
    c.Qa = out.web_qa.Qa;
    c.Q = finite(c.Qs * c.Qa);
    finish_compression(in.steel, s.Ag, c);
}

MemberResult check_member(const MemberInput& in) {
    MemberResult out;
    out.section = member_section(in);
    if (in.Nd > 0.0)
        member_tension(in, out);
    else if (in.Nd < 0.0)
        member_compression(in, out);
    if (!is_zero(in.Vd))
        out.shear = web_shear(in.steel, out.section.d, out.section.tw, out.section.h, in.Vd);
    if (!is_zero(in.Mdx))
        member_bending_x(in, out);
    if (!is_zero(in.Mdy))
        member_bending_y(in, out);
    member_combined(in, out);
    find_governing(out);
    return out;
}

}  // namespace quintaro::checks::nbr2008
