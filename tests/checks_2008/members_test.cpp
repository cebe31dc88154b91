// The member check through its input and result records: which mode and
// range it decided, what it refused and why, against hand calculations.
// MR250 (fy 25, fu 40); sections from the catalogues in data/sources.
#include <algorithm>

#include "cases.h"
#include "checks/nbr8800_2008/angle_member.h"
#include "checks/nbr8800_2008/member.h"

namespace quintaro::testing::nbr2008 {
namespace {

using namespace quintaro::checks::nbr2008;

constexpr Material kMR250{25.0, 40.0};

// AISC C250X30 (cm): d 25,4, bf 6,96, tw 0,963, tf 1,11, Ag 37,9, Ix 3 280,
// Iy 117, Wx 259, Wy 21,5, J 15,3, x 1,54.
MemberInput channel() {
    MemberInput in;
    in.kind = MemberKind::Channel;
    in.steel = kMR250;
    in.d = 254;
    in.bf = 69.6;
    in.tw = 9.63;
    in.tf = 11.1;
    in.Ag = 37.9;
    in.Ix = 3280;
    in.Iy = 117;
    in.Wx = 259;
    in.Wy = 21.5;
    in.IT = 15.3;
    in.x = 1.54;
    return in;
}

// Gerdau W 200 x 46,1 (H): d 203, bf 203, tw 7,2, tf 11,0, Ag 58,6,
// Ix 4 543, Iy 1 535, Wx 447,6, Wy 151,2, Zx 495,3, Zy 229,5, IT 22,01.
MemberInput column() {
    MemberInput in;
    in.kind = MemberKind::RolledH;
    in.steel = kMR250;
    in.d = 203;
    in.bf = 203;
    in.tw = 7.2;
    in.tf = 11.0;
    in.Ag = 58.6;
    in.Ix = 4543;
    in.Iy = 1535;
    in.Wx = 447.6;
    in.Wy = 151.2;
    in.Zx = 495.3;
    in.Zy = 229.5;
    in.IT = 22.01;
    in.KxLx = 400;
    in.KyLy = 400;
    in.Lb = 400;
    return in;
}

bool has(const Notices& notices, Notice n) {
    return std::find(notices.begin(), notices.end(), n) != notices.end();
}

// E.1.2 for the channel: flexure about x (its symmetry axis) couples with
// torsion. x0 = 1,54 − 0,4815 + e, e = 3·6,4785²·1,11/(6·6,4785·1,11 + 24,29·0,963)
// = 2,1005 → x0 = 3,159; Cw = 15 245; r0² = 86,54 + 3,087 + 9,979 = 99,610.
// KxLx = KzLz = 300: Nex = 7 193,84, Nez = (π²·E·Cw/300² + G·J)/r0² = 1 518,38,
// Nexz = 1 479,98. Q = 1 (bf/tf 6,27; h/tw 24,07).
TEST(Members2008, ChannelFlexuralTorsional) {
    const struct {
        double KyLy;
        BucklingMode mode;
        Expect Ne, NcRd;
    } rows[] = {
        // KyLy = 100: Ney = 2 309,49 > Nexz: λ0 = √(37,9·25/1 479,98) = 0,80013,
        // χ = 0,76494, Nc,Rd = 0,76494·37,9·25/1,1.
        {100,
         BucklingMode::FlexuralTorsional,
         {"U-ft-Ne", "hand", 1479.98, 1e-5},
         {"U-ft-Nc", "hand", 658.890, 1e-5}},
        // KyLy = 300: Ney = 256,61 governs: λ0 = 1,92156, χ = 0,877/λ0² = 0,237516.
        {300,
         BucklingMode::FlexuralY,
         {"U-y-Ne", "hand", 256.610, 1e-5},
         {"U-y-Nc", "hand", 204.588, 1e-5}},
    };
    for (const auto& r : rows) {
        MemberInput in = channel();
        in.KxLx = 300;
        in.KyLy = r.KyLy;
        in.KzLz = 300.0;
        in.Nd = -100;
        const MemberResult m = check_member(in);
        ASSERT_EQ(m.compression.outcome, Outcome::Done);
        EXPECT_EQ(m.compression.mode, r.mode) << r.Ne.id;
        expect_row(r.Ne, m.compression.Ne);
        expect_row(r.NcRd, m.compression.NcRd);
        expect_row({"U-x0", "hand", 3.159, 1e-4}, m.compression.x0);
    }
}

// W 200 x 46,1 at 4 m, Nd = −300, Mdx = 3 000:
// Nex = 5 604,70, Ney = 1 893,73, Nez = (π²·E·141 466/400² + 7 700·22,01)/(77,53 + 26,19)
// = 3 316,65 → Ne = Ney, λ0 = 0,879548, Nc,Rd = 963,437.
// FLT: λ = 400/5,11806 = 78,155 between 49,780 and 193,455 → MRd = 10 440,0.
// B1 = 1/(1 − 300/5 604,70) = 1,05655; n = 0,311385 ≥ 0,2:
// 0,311385 + 8/9·3 000·1,05655/10 440 = 0,581258.
TEST(Members2008, CombinedWithSecondOrder) {
    MemberInput in = column();
    in.Nd = -300;
    in.Mdx = 3000;
    const MemberResult m = check_member(in);
    expect_row({"W200-Nc", "hand", 963.437, 1e-5}, m.compression.NcRd);
    EXPECT_EQ(m.compression.mode, BucklingMode::FlexuralY);
    expect_row({"W200-MRd", "hand", 10440.0, 1e-4}, m.bx.MRd);
    EXPECT_EQ(m.bx.governing, BendingLimit::FLT);
    EXPECT_EQ(m.bx.flt.range, Range::Inelastic);
    expect_row({"W200-B1", "hand", 1.05655, 1e-5}, m.combined.B1x);
    expect_row({"W200-ratio", "hand", 0.581258, 1e-5}, m.combined.ratio);
    EXPECT_TRUE(m.has_governing);
    EXPECT_EQ(m.governing, MemberRow::Combined);

    // The moments already hold the second-order effects: no B1.
    in.second_order_included = true;
    const MemberResult given = check_member(in);
    EXPECT_FALSE(given.combined.amplified);
    expect_row({"W200-ratio-2nd", "hand: 0,311385 + 8/9·3 000/10 440", 0.566812, 1e-5},
               given.combined.ratio);

    // Tension does not amplify either.
    in.second_order_included = false;
    in.Nd = 300;
    EXPECT_FALSE(check_member(in).combined.amplified);
}

// |Nd| ≥ Ne1 = Nex = 5 604,70: just below it a ratio (far above 1), just
// past it the check fails with no ratio.
TEST(Members2008, CombinedBeyondTheEulerLoad) {
    for (const double Nd : {5604.0, 5606.0}) {
        MemberInput in = column();
        in.KyLy = 100;  // so that compression itself is made about x
        in.Nd = -Nd;
        in.Mdx = 100;
        const MemberResult m = check_member(in);
        const bool unbounded = Nd > 5605.0;
        EXPECT_EQ(m.combined.unbounded, unbounded) << Nd;
        EXPECT_EQ(has(m.notices, Notice::SecondOrderUnbounded), unbounded) << Nd;
        if (unbounded) {
            EXPECT_EQ(m.governing, MemberRow::Combined) << Nd;
        } else {
            EXPECT_GT(m.combined.ratio, 1.0) << Nd;
        }
    }
}

// Inputs outside their range stop the check that needs them, and only it.
TEST(Members2008, InputsOutOfRange) {
    const struct {
        const char* what;
        double Nd, Mdx, Mdy;
        double Ct, An, Cb, Lb;
        Notice notice;
        bool tension_made, bending_x_made, bending_y_made;
    } rows[] = {
        {"Ct 0", 100, 0, 0, 0.0, 0, 1, 400, Notice::CtOutOfRange, false, false, false},
        {"Ct 1,01", 100, 0, 0, 1.01, 0, 1, 400, Notice::CtOutOfRange, false, false, false},
        {"An > Ag", 100, 0, 0, 1.0, 58.7, 1, 400, Notice::AnOutOfRange, false, false, false},
        {"Cb 0,99", 0, 1000, 1000, 1.0, 0, 0.99, 400, Notice::CbOutOfRange, false, false, true},
        {"Cb 3,01", 0, 1000, 1000, 1.0, 0, 3.01, 400, Notice::CbOutOfRange, false, false, true},
        {"Lb 0", 0, 1000, 1000, 1.0, 0, 1.0, 0, Notice::BendingLength, false, false, true},
    };
    for (const auto& r : rows) {
        MemberInput in = column();
        in.Nd = r.Nd;
        in.Mdx = r.Mdx;
        in.Mdy = r.Mdy;
        in.Ct = r.Ct;
        if (r.An > 0)
            in.An = r.An;
        in.Cb = r.Cb;
        in.Lb = r.Lb;
        const MemberResult m = check_member(in);
        EXPECT_TRUE(has(m.notices, r.notice)) << r.what;
        EXPECT_TRUE(notice_stops(r.notice)) << r.what;
        EXPECT_FALSE(notice_text(r.notice).empty()) << r.what;
        EXPECT_EQ(m.tension.outcome == Outcome::Done, r.tension_made) << r.what;
        EXPECT_EQ(m.bx.outcome == Outcome::Done, r.bending_x_made) << r.what;
        EXPECT_EQ(m.by.outcome == Outcome::Done, r.bending_y_made) << r.what;
        // The interaction cannot be formed without Mx,Rd.
        if (r.Mdx > 0 && r.Mdy > 0) {
            EXPECT_TRUE(has(m.notices, Notice::CombinedIncomplete)) << r.what;
        }
    }
}

// Tension with holes and Ct: Ag·fy/γa1 = 58,6·25/1,1 = 1 331,82;
// Ae·fu/γa2 = 0,85·45·40/1,35 = 1 133,33 governs.
TEST(Members2008, Tension) {
    MemberInput in = column();
    in.Nd = 500;
    in.Ct = 0.85;
    in.An = 45.0;
    const TensionResult t = check_member(in).tension;
    expect_row({"t-yield", "hand", 1331.82, 1e-5}, t.Nt_yield);
    expect_row({"t-rupture", "hand", 1133.33, 1e-5}, t.Nt_rupture);
    EXPECT_EQ(t.governing, TensionMode::Rupture);
    EXPECT_FALSE(t.An_is_Ag);
    // L/r: 400/5,118 = 78 — far from 300; at 1 600 cm it is 312,6 > 300.
    EXPECT_FALSE(t.slenderness_warning);
    in.KyLy = 1600;
    EXPECT_TRUE(check_member(in).tension.slenderness_warning);
}

// Minor axis of W 150 x 13 (Gerdau: bf 100, tf 4,9 mm, Wy 16,4, Zy 25,5):
// FLM compact (10,20 < 10,75), Mpl/γa1 = 579,55 above 1,50·Wy·fy/γa1 = 559,09.
TEST(Members2008, ElasticCapAboutY) {
    MemberInput in;
    in.kind = MemberKind::RolledI;
    in.steel = kMR250;
    in.d = 148;
    in.bf = 100;
    in.tw = 4.3;
    in.tf = 4.9;
    in.Ag = 16.6;
    in.Ix = 635;
    in.Iy = 82;
    in.Wx = 85.8;
    in.Wy = 16.4;
    in.Zx = 96.4;
    in.Zy = 25.5;
    in.IT = 1.72;
    in.Mdy = 100;
    const AxisBendingResult b = check_member(in).by;
    EXPECT_TRUE(b.capped);
    expect_row({"W150-y-cap", "hand: 1,5·16,4·25/1,1", 559.091, 1e-5}, b.MRd);
}

}  // namespace
}  // namespace quintaro::testing::nbr2008

namespace quintaro::testing::nbr2008 {
namespace {

// An empty catalogue row stops the check with the one fault type; no NaN
// or infinity reaches a result.
TEST(Members2008, EmptyRowStopsTheCheck) {
    for (const MemberKind kind : {MemberKind::RolledI, MemberKind::Channel, MemberKind::Welded}) {
        MemberInput in;
        in.kind = kind;
        in.steel = {25.0, 40.0};
        in.KxLx = in.KyLy = in.Lb = 300;
        in.Nd = -100;
        in.Mdx = 100;
        EXPECT_THROW(check_member(in), quintaro::HandlerError);
    }
    AngleInput a;
    a.steel = {25.0, 40.0};
    a.KxLx = a.KyLy = 100;
    a.Ncd = 10;
    EXPECT_THROW(check_angle(a), quintaro::HandlerError);
}

}  // namespace
}  // namespace quintaro::testing::nbr2008
