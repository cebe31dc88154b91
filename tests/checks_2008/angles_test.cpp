// The angle check of the nine windows against hand calculations. Angles
// from the AISC tables in data/sources: L 76 x 76 x 6,4 (Ag 9,29, bf 76,2,
// tf 6,35 mm, Ix' = Iy' = 51,2, x = y = 2,12, rz 1,49) and L 102 x 76 x 6,4
// (Ag 10,9, d 102, bf 76,2, tf 6,35, Ix 114 about the axis parallel to bf,
// Iy 55,4, x 1,84 from the back of d, y 3,10 from the back of bf, rz 1,62).
#include <algorithm>
#include <cmath>

#include "cases.h"
#include "checks/nbr8800_2008/angle_member.h"
#include "checks/nbr8800_2008/section.h"

namespace quintaro::testing::nbr2008 {
namespace {

using namespace quintaro::checks::nbr2008;

constexpr Material kMR250{25.0, 40.0};

AngleInput equal(AngleWindow window, double e = 8.0) {
    AngleInput in;
    in.window = window;
    in.steel = kMR250;
    in.Ag1 = 9.29;
    in.bf = in.d = 76.2;
    in.tf = 6.35;
    in.Ix1 = in.Iy1 = 51.2;
    in.cx = in.cy = 2.12;
    in.rz = 1.49;
    in.e = e;
    return in;
}

AngleInput unequal() {
    AngleInput in;
    in.window = AngleWindow::L2;
    in.steel = kMR250;
    in.Ag1 = 10.9;
    in.d = 102;
    in.bf = 76.2;
    in.tf = 6.35;
    in.Ix1 = 114;
    in.Iy1 = 55.4;
    in.cx = 1.84;
    in.cy = 3.10;
    in.rz = 1.62;
    return in;
}

bool has(const Notices& notices, Notice n) {
    return std::find(notices.begin(), notices.end(), n) != notices.end();
}

// 5.2 with Ct = 1 − ec/ℓc (ec = 2,12) and An = 8 cm² per angle:
// Ag·fy/γa1 = 9,29·25/1,1 = 211,136.
TEST(Angles2008, Tension) {
    const struct {
        AngleWindow window;
        std::optional<double> lc;
        CtSource source;
        Expect Ct, NtRd;
    } rows[] = {
        // ℓc = 10: Ct = 0,788; 0,788·8·40/1,35 = 186,785.
        {AngleWindow::L,
         10.0,
         CtSource::Connection,
         {"t-lc10-Ct", "hand", 0.788, 1e-9},
         {"t-lc10", "hand", 186.785, 1e-5}},
        // ℓc = 30: 0,9293 → 0,90: 0,9·8·40/1,35 = 213,33 > 211,136 (yield).
        {AngleWindow::L,
         30.0,
         CtSource::ConnectionCap,
         {"t-lc30-Ct", "hand", 0.90, 1e-9},
         {"t-lc30", "hand", 211.136, 1e-5}},
        // No ℓc: 0,60·8·40/1,35 = 142,222.
        {AngleWindow::L,
         std::nullopt,
         CtSource::LowestNoLength,
         {"t-nolc-Ct", "hand", 0.60, 1e-9},
         {"t-nolc", "hand", 142.222, 1e-5}},
        // A T pair: the same per angle, twice: 2·186,785.
        {AngleWindow::LT,
         10.0,
         CtSource::Connection,
         {"t-T-Ct", "hand", 0.788, 1e-9},
         {"t-T", "hand", 373.570, 1e-5}},
    };
    for (const auto& r : rows) {
        AngleInput in = equal(r.window);
        in.lc = r.lc;
        in.An = 8.0;
        in.Ntd = 100;
        const AngleResult a = check_angle(in);
        ASSERT_EQ(a.tension.outcome, Outcome::Done) << r.NtRd.id;
        EXPECT_EQ(a.tension.ct_source, r.source) << r.NtRd.id;
        // Only the lowest Ct taken for want of ℓc is said to the user.
        EXPECT_EQ(has(a.notices, Notice::CtLowestNoLength), !r.lc.has_value()) << r.NtRd.id;
        expect_row(r.Ct, a.tension.Ct);
        expect_row(r.NtRd, a.tension.NtRd);
    }
    // ℓc = 5: Ct = 0,576 < 0,60: the connection is not allowed.
    AngleInput short_lc = equal(AngleWindow::L);
    short_lc.lc = 5.0;
    short_lc.Ntd = 100;
    const AngleResult refused = check_angle(short_lc);
    EXPECT_EQ(refused.tension.outcome, Outcome::Refused);
    EXPECT_TRUE(has(refused.notices, Notice::ConnectionTooShort));
}

// E.1.4 on the unequal angle, connected by each leg (planar truss, Q of the
// longer leg, group 3: 1,34 − 0,76·16,063/28,2843 = 0,908386).
TEST(Angles2008, EquivalentSlendernessByLeg) {
    const struct {
        ConnectedLeg leg;
        double L;
        bool bound;
        Expect KL, NcRd;
    } rows[] = {
        // Shorter leg: rx1 = √(114/10,9) = 3,23399; L/rx1 = 46,38 ≤ 80:
        // 72·rx1 + 0,75·150 = 345,348, + 4·(1,33858² − 1)·rx1 = 10,2428;
        // bound 0,95·150·3,23399/1,62 = 284,47 below.
        {ConnectedLeg::bf,
         150,
         false,
         {"e14-bf-150-KL", "hand", 355.590, 1e-5},
         {"e14-bf-150", "hand", 125.722, 1e-5}},
        // L = 300: L/rx1 = 92,76 > 80: 32·rx1 + 1,25·300 + 10,2428 = 488,73
        // below the bound 0,95·300·3,23399/1,62 = 568,943, which governs.
        {ConnectedLeg::bf,
         300,
         true,
         {"e14-bf-300-KL", "hand", 568.943, 1e-5},
         {"e14-bf-300", "hand", 55.4247, 1e-5}},
        // Longer leg: rx1 = √(55,4/10,9) = 2,25446; 72·rx1 + 0,75·150.
        {ConnectedLeg::d,
         150,
         false,
         {"e14-d-150-KL", "hand", 274.821, 1e-5},
         {"e14-d-150", "hand", 110.023, 1e-5}},
    };
    for (const auto& r : rows) {
        AngleInput in = unequal();
        in.leg = r.leg;
        in.KxLx = r.L;
        in.Ncd = 50;
        const AngleResult a = check_angle(in);
        ASSERT_EQ(a.compression.outcome, Outcome::Done) << r.KL.id;
        EXPECT_EQ(a.compression.mode, BucklingMode::EquivalentSlenderness);
        EXPECT_EQ(a.compression.e14.lower_bound_governs, r.bound) << r.KL.id;
        expect_row(r.KL, a.compression.e14.KL);
        expect_row(r.NcRd, a.compression.NcRd);
    }
    // L 203 x 102 x 12,7 by its shorter leg: bl/bs = 1,99 > 1,7.
    AngleInput wide = unequal();
    wide.d = 203;
    wide.bf = 102;
    wide.leg = ConnectedLeg::bf;
    wide.KxLx = 150;
    wide.Ncd = 50;
    const AngleResult a = check_angle(wide);
    EXPECT_EQ(a.compression.outcome, Outcome::Refused);
    EXPECT_TRUE(has(a.notices, Notice::LegRatioOutOfRange));
}

// E.1.4 through the check, equal legs (Q = 1: 12,0 < 12,73), around the
// breaks: Ne = π²·E·51,2/(KL)², Nc,Rd = χ·9,29·25/1,1.
TEST(Angles2008, EquivalentSlendernessBreaks) {
    const double rx1 = 2.34762;
    const struct {
        AngleLoading loading;
        double L_r;
        Expect NcRd;
    } rows[] = {
        {AngleLoading::PlanarTruss,
         79,
         {"e14-pl-79-Nc", "hand: KL 308,125, Ne 106,450", 84.7176, 1e-5}},
        {AngleLoading::PlanarTruss,
         81,
         {"e14-pl-81-Nc", "hand: KL 312,820, Ne 103,279", 82.3750, 1e-5}},
        {AngleLoading::SpatialTruss,
         74,
         {"e14-sp-74-Nc", "hand: KL 279,836, Ne 129,060", 99.4151, 1e-5}},
        {AngleLoading::SpatialTruss,
         76,
         {"e14-sp-76-Nc", "hand: KL 284,062, Ne 125,249", 97.1625, 1e-5}},
    };
    for (const auto& r : rows) {
        AngleInput in = equal(AngleWindow::L);
        in.loading = r.loading;
        in.KxLx = r.L_r * rx1;
        in.Ncd = 50;
        expect_row(r.NcRd, check_angle(in).compression.NcRd);
    }
}

// Centred single angles: flexural-torsional buckling governs.
TEST(Angles2008, CentredSingleAngle) {
    // Equal, KL = 100: Iz = 9,29·1,49² = 20,6247, Iw = 81,7753,
    // y0 = √2·(2,12 − 0,3175) = 2,54912, J = 14,605·0,635³/3 = 1,24653,
    // r0² = 17,5206: Nex 407,116, Ney 1 614,18, Nez 547,826, Neyz 474,542.
    // Ne = Nex: λ0 = √(9,29·25/407,116) = 0,75530, Nc,Rd = 166,290.
    AngleInput in = equal(AngleWindow::L);
    in.loading = AngleLoading::Centred;
    in.KxLx = in.KyLy = 100;
    in.Ncd = 50;
    AngleResult a = check_angle(in);
    expect_row({"L76-centred-Neyz", "hand", 474.542, 1e-5}, a.compression.Ne_ft);
    expect_row({"L76-centred-Nc", "hand", 166.290, 1e-5}, a.compression.NcRd);
    EXPECT_EQ(a.compression.mode, BucklingMode::FlexuralX);
    // Unequal, KL = 150: E.1.3's root 223,723 < Nex 250,96: λ0 = 1,05187
    // (Q = 0,908386), Nc,Rd = 141,619.
    AngleInput u = unequal();
    u.loading = AngleLoading::Centred;
    u.KxLx = u.KyLy = 150;
    u.Ncd = 50;
    a = check_angle(u);
    EXPECT_EQ(a.compression.mode, BucklingMode::FlexuralTorsional);
    expect_row({"L102x76-centred-Ne", "hand (Cardano)", 223.723, 1e-4}, a.compression.Ne);
    expect_row({"L102x76-centred-Nc", "hand", 141.619, 1e-4}, a.compression.NcRd);
}

// Pairs of L 76 x 76 x 6,4 with e = 8 mm (group 3). T: s = 2,52, Ix 102,4,
// Iy = 2·(51,2 + 9,29·2,52²) = 220,39, y0 = 2,12 − 0,3175 = 1,8025,
// J = 2,49305, r0² = 20,622, Nez = 930,875. U: s = 7,62 + 0,4 − 2,12 = 5,90,
// Iy = 749,17, r0² = 49,0816, Nez = 391,114. Cross: Iy = 2·81,7753 = 163,551,
// Ix = 2·(20,6247 + 9,29·(√2·2,52)²) = 277,23, r0² = 23,7234, Nez = 809,18.
TEST(Angles2008, Pairs) {
    const struct {
        AngleWindow window;
        double KxLx, KyLy;
        BucklingMode mode;
        Expect Ne, NcRd;
    } rows[] = {
        {AngleWindow::LT,
         100,
         300,
         BucklingMode::FlexuralTorsional,
         {"T-yz-Ne", "hand: Ney 483,37", 426.536, 1e-5},
         {"T-yz-Nc", "hand", 267.695, 1e-5}},
        {AngleWindow::LT,
         300,
         100,
         BucklingMode::FlexuralX,
         {"T-x-Ne", "hand", 224.588, 1e-5},
         {"T-x-Nc", "hand", 177.682, 1e-5}},
        {AngleWindow::LU,
         100,
         500,
         BucklingMode::FlexuralTorsional,
         {"U-yz-Ne", "hand: Ney 591,521", 355.625, 1e-5},
         {"U-yz-Nc", "hand", 244.438, 1e-5}},
        {AngleWindow::LU,
         300,
         100,
         BucklingMode::FlexuralX,
         {"U-x-Ne", "hand", 224.588, 1e-5},
         {"U-x-Nc", "hand", 177.682, 1e-5}},
        // Cross at 150: Nex 2 432,14, Ney 1 434,83, torsion 809,18 governs.
        {AngleWindow::LX,
         150,
         150,
         BucklingMode::Torsional,
         {"X-z-Ne", "hand", 809.180, 1e-5},
         {"X-z-Nc", "hand", 332.084, 1e-5}},
    };
    for (const auto& r : rows) {
        AngleInput in = equal(r.window);
        in.KxLx = r.KxLx;
        in.KyLy = r.KyLy;
        in.Ncd = 50;
        const AngleResult a = check_angle(in);
        ASSERT_EQ(a.compression.outcome, Outcome::Done) << r.Ne.id;
        EXPECT_EQ(a.compression.mode, r.mode) << r.Ne.id;
        expect_row(r.Ne, a.compression.Ne);
        expect_row(r.NcRd, a.compression.NcRd);
    }
}

// L 51 x 51 x 3,2 (bf 50,8, tf 3,18): b/t = 15,975: group 3 with spacers
// (1,34 − 0,76·15,975/28,2843 = 0,910755), group 4 in contact
// (1,415 − 0,74·15,975/28,2843 = 0,997051).
TEST(Angles2008, LegGroupBySpacer) {
    for (const double e : {0.0, 8.0}) {
        AngleInput in = equal(AngleWindow::LT, e);
        in.bf = in.d = 50.8;
        in.tf = 3.18;
        in.KxLx = in.KyLy = 100;
        in.Ncd = 10;
        const AngleResult a = check_angle(in);
        const bool contact = e <= 0.0;
        EXPECT_EQ(a.section.group, contact ? ElementGroup::Group4 : ElementGroup::Group3);
        expect_row({contact ? "Q-g4" : "Q-g3", "hand", contact ? 0.997051 : 0.910755, 1e-5},
                   a.compression.Q);
    }
}

// Spacing of the T pair's spacers: ½·(KL/r)max·rz under compression,
// 300·rz = 447 under tension, the smaller with both forces.
TEST(Angles2008, Spacing) {
    const struct {
        double Ncd, Ntd, KxLx, KyLy;
        Expect l;
    } rows[] = {
        // max(100/2,34762; 300/3,44408) = 87,106: ½·87,106·1,49.
        {50, 0, 100, 300, {"sp-c", "hand", 64.8939, 1e-5}},
        // max(300/2,34762; 100/3,44408) = 127,79: 95,2029.
        {50, 0, 300, 100, {"sp-c2", "hand", 95.2029, 1e-5}},
        {0, 50, 100, 300, {"sp-t", "hand: 300·1,49", 447.0, 1e-9}},
        {50, 50, 100, 300, {"sp-both", "hand: min(64,89; 447)", 64.8939, 1e-5}},
    };
    for (const auto& r : rows) {
        AngleInput in = equal(AngleWindow::LT);
        in.KxLx = r.KxLx;
        in.KyLy = r.KyLy;
        in.Ncd = r.Ncd;
        in.Ntd = r.Ntd;
        const AngleResult a = check_angle(in);
        ASSERT_EQ(a.spacing.outcome, Outcome::Done) << r.l.id;
        expect_row(r.l, a.spacing.l);
    }
}

// A row whose rounded rz gives Iz = Ix' = Iy' (Ag 20, Ix' = Iy' = 20, rz 1):
// every axis is principal; the equal legs' symmetry puts the shear centre
// on the diagonal through the heel, √2·(c − t/2) = √2·(1,4 − 0,25) from the
// centroid, instead of stopping the check.
TEST(Angles2008, PrincipalAxesOfAnIsotropicRow) {
    const AnglePrincipal p = angle_principal(20, 20, 20, 1, 1.4, 1.4, 0.5);
    expect_row({"iso-y0", "hand: √2·1,15", 1.62635, 1e-5}, std::fabs(p.y0));
    EXPECT_NEAR(p.x0, 0.0, 1e-12);
    expect_row({"iso-Iw", "hand: 20 + 20 − 20", 20.0, 1e-12}, p.Iw);
}

}  // namespace
}  // namespace quintaro::testing::nbr2008
