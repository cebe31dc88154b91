// Every range of every limit state, a row just below and just past each
// limit, against hand calculations. MR250: fy = 25, E = 20 000 kN/cm²,
// √(E/fy) = 28,2843; γa1 = 1,10.
#include "cases.h"
#include "checks/nbr8800_2008/bending.h"
#include "checks/nbr8800_2008/buckling.h"
#include "checks/nbr8800_2008/combined.h"
#include "checks/nbr8800_2008/local_buckling.h"
#include "checks/nbr8800_2008/shear.h"
#include "checks/nbr8800_2008/slender_web.h"

namespace quintaro::testing::nbr2008 {
namespace {

using namespace quintaro::checks::nbr2008;

constexpr Material kMR250{25.0, 40.0};

// 5.3.3: χ = 0,658^(λ0²) up to 1,5, then 0,877/λ0².
TEST(Limits2008, ColumnCurve) {
    const struct {
        double lambda0;
        bool elastic;
        Expect chi;
    } rows[] = {
        {0.5, false, {"chi-0.50", "hand: 0,658^0,25", 0.900651, 1e-5}},
        {1.49, false, {"chi-1.49", "hand: 0,658^2,2201", 0.394860, 1e-5}},
        {1.51, true, {"chi-1.51", "hand: 0,877/2,2801", 0.384632, 1e-5}},
    };
    for (const auto& r : rows) {
        expect_row(r.chi, reduction_factor(r.lambda0));
        EXPECT_EQ(reduction_is_elastic(r.lambda0), r.elastic) << r.chi.id;
    }
}

// Annex F, F.2: Qs of groups 3 to 6 on both sides of both limits.
TEST(Limits2008, UnstiffenedElements) {
    const struct {
        ElementGroup group;
        double b_t;
        double kc;
        Range range;
        Expect Qs;
    } rows[] = {
        // Group 3: limits 0,45·28,2843 = 12,728 and 0,91·28,2843 = 25,739.
        {ElementGroup::Group3, 12.5, 1, Range::Compact, {"g3-12.5", "hand", 1.0, 1e-9}},
        {ElementGroup::Group3,
         13.0,
         1,
         Range::Inelastic,
         {"g3-13", "hand: 1,340 − 0,76·13/28,2843", 0.990689, 1e-5}},
        {ElementGroup::Group3,
         25.5,
         1,
         Range::Inelastic,
         {"g3-25.5", "hand: 1,340 − 0,76·25,5/28,2843", 0.654814, 1e-5}},
        {ElementGroup::Group3,
         26.0,
         1,
         Range::Elastic,
         {"g3-26", "hand: 0,53·20 000/(25·26²)", 0.627219, 1e-5}},
        // Group 4: 15,839 and 29,133.
        {ElementGroup::Group4, 15.5, 1, Range::Compact, {"g4-15.5", "hand", 1.0, 1e-9}},
        {ElementGroup::Group4,
         16.0,
         1,
         Range::Inelastic,
         {"g4-16", "hand: 1,415 − 0,74·16/28,2843", 0.996393, 1e-5}},
        {ElementGroup::Group4,
         29.0,
         1,
         Range::Inelastic,
         {"g4-29", "hand: 1,415 − 0,74·29/28,2843", 0.656274, 1e-5}},
        {ElementGroup::Group4,
         29.5,
         1,
         Range::Elastic,
         {"g4-29.5", "hand: 0,69·20 000/(25·29,5²)", 0.634300, 1e-5}},
        // Group 5, kc = 0,4 (h/tw = 100): √(E·kc/fy) = 17,8885; 11,449 and 20,930.
        {ElementGroup::Group5, 11.0, 0.4, Range::Compact, {"g5-11", "hand", 1.0, 1e-9}},
        {ElementGroup::Group5,
         12.0,
         0.4,
         Range::Inelastic,
         {"g5-12", "hand: 1,415 − 0,65·12/17,8885", 0.978967, 1e-5}},
        {ElementGroup::Group5,
         20.5,
         0.4,
         Range::Inelastic,
         {"g5-20.5", "hand: 1,415 − 0,65·20,5/17,8885", 0.670110, 1e-5}},
        {ElementGroup::Group5,
         21.5,
         0.4,
         Range::Elastic,
         {"g5-21.5", "hand: 0,90·20 000·0,4/(25·21,5²)", 0.623039, 1e-5}},
        // Group 6: 21,213 and 29,133.
        {ElementGroup::Group6, 21.0, 1, Range::Compact, {"g6-21", "hand", 1.0, 1e-9}},
        {ElementGroup::Group6,
         21.5,
         1,
         Range::Inelastic,
         {"g6-21.5", "hand: 1,908 − 1,22·21,5/28,2843", 0.980629, 1e-5}},
        {ElementGroup::Group6,
         29.0,
         1,
         Range::Inelastic,
         {"g6-29", "hand: 1,908 − 1,22·29/28,2843", 0.657128, 1e-5}},
        {ElementGroup::Group6,
         29.5,
         1,
         Range::Elastic,
         {"g6-29.5", "hand: 0,69·20 000/(25·29,5²)", 0.634300, 1e-5}},
    };
    for (const auto& r : rows) {
        const QsResult q = unstiffened_factor(r.group, r.b_t, kMR250, r.kc);
        expect_row(r.Qs, q.Qs);
        EXPECT_EQ(q.range, r.range) << r.Qs.id;
    }
    // kc = 4/√(h/tw) within 0,35 and 0,763.
    expect_row({"kc-100", "hand: 4/10", 0.4, 1e-9}, kc_factor(100));
    expect_row({"kc-200", "hand: 4/14,14 = 0,283 → 0,35", 0.35, 1e-9}, kc_factor(200));
    expect_row({"kc-20", "hand: 4/4,47 = 0,894 → 0,763", 0.763, 1e-9}, kc_factor(20));
}

// Annex F, F.3: the web is whole up to b/t = 1,49·√(E/σ), then
// bef = 1,92·t·√(E/σ)·(1 − 0,34/(b/t)·√(E/σ)). Ag = 50, t = 0,5 cm.
TEST(Limits2008, StiffenedElement) {
    const struct {
        double b, sigma;
        WebWidth width;
        Expect Qa;
    } rows[] = {
        // σ = 25: limit 1,49·28,2843 = 42,14. b/t = 42: whole.
        {21.0, 25.0, WebWidth::Whole, {"qa-42", "hand", 1.0, 1e-9}},
        // b/t = 43: bef = 0,96·28,2843·(1 − 0,34·28,2843/43) = 21,0803;
        // Aef = 50 − (21,5 − 21,0803)·0,5 = 49,7902.
        {21.5, 25.0, WebWidth::Effective, {"qa-43", "hand", 0.995803, 1e-5}},
        // A slender column, σ = 5: limit 1,49·63,2456 = 94,24. b/t = 60 is
        // whole although the formula would give a width below b there.
        {30.0, 5.0, WebWidth::Whole, {"qa-60-s5", "hand", 1.0, 1e-9}},
        // b/t = 100: bef = 0,96·63,2456·(1 − 0,34·63,2456/100) = 47,6597.
        {50.0, 5.0, WebWidth::Effective, {"qa-100-s5", "hand", 0.976597, 1e-5}},
    };
    for (const auto& r : rows) {
        const QaResult q = stiffened_factor(r.b, 0.5, 50.0, r.sigma);
        expect_row(r.Qa, q.Qa);
        EXPECT_EQ(q.width, r.width) << r.Qa.id;
        EXPECT_LE(q.bef, r.b) << r.Qa.id;
    }
}

// 5.4.3.1: d = 30, tw = 0,5 cm: Aw = 15, Vpl = 0,6·15·25 = 225 kN; kv = 5:
// λp = 1,10·√(5·20 000/25) = 69,570, λr = 1,37·63,2456 = 86,646.
TEST(Limits2008, Shear) {
    const struct {
        double h;
        Range range;
        Expect VRd;
    } rows[] = {
        {34.5, Range::Compact, {"v-69", "hand: 225/1,1", 204.545, 1e-5}},
        {35.0, Range::Inelastic, {"v-70", "hand: (69,570/70)·225/1,1", 203.289, 1e-5}},
        {43.0, Range::Inelastic, {"v-86", "hand: (69,570/86)·225/1,1", 165.468, 1e-5}},
        {43.5, Range::Elastic, {"v-87", "hand: 1,24·(69,570/87)²·225/1,1", 162.188, 1e-5}},
    };
    for (const auto& r : rows) {
        const ShearResult s = web_shear(kMR250, 30.0, 0.5, r.h, 100.0);
        expect_row(r.VRd, s.VRd);
        EXPECT_EQ(s.range, r.range) << r.VRd.id;
    }
}

// Table G.1 FLM and FLA with W = 100 cm³, Mpl = 3 000 kN·cm (Z = 120).
// FLM: λp = 0,38·28,2843 = 10,748; rolled λr = 0,83·√(20 000/17,5) = 28,059,
// welded (kc = 0,5) λr = 0,95·√(20 000·0,5/17,5) = 22,709; Mr = 17,5·100.
// FLA: λp = 3,76·28,2843 = 106,349, λr = 5,70·28,2843 = 161,220, Mr = 25·100.
TEST(Limits2008, LocalBucklingInBending) {
    const struct {
        bool web;
        FlangeKind kind;
        double lambda;
        Range range;
        Expect MRd;
    } rows[] = {
        {false,
         FlangeKind::Rolled,
         10.5,
         Range::Compact,
         {"flm-10.5", "hand: 3 000/1,1", 2727.27, 1e-5}},
        {false,
         FlangeKind::Rolled,
         11.0,
         Range::Inelastic,
         {"flm-11", "hand: [3 000 − 1 250·0,252/17,311]/1,1", 2710.73, 1e-5}},
        {false,
         FlangeKind::Rolled,
         28.0,
         Range::Inelastic,
         {"flm-28", "hand: [3 000 − 1 250·17,252/17,311]/1,1", 1594.79, 1e-5}},
        {false,
         FlangeKind::Rolled,
         28.5,
         Range::Elastic,
         {"flm-28.5", "hand: 0,69·20 000·100/28,5²/1,1", 1544.53, 1e-5}},
        {false,
         FlangeKind::Welded,
         22.5,
         Range::Inelastic,
         {"flmw-22.5", "hand: [3 000 − 1 250·11,752/11,961]/1,1", 1610.80, 1e-5}},
        {false,
         FlangeKind::Welded,
         23.0,
         Range::Elastic,
         {"flmw-23", "hand: 0,90·20 000·0,5·100/23²/1,1", 1546.66, 1e-5}},
        {true,
         FlangeKind::Rolled,
         106.0,
         Range::Compact,
         {"fla-106", "hand: 3 000/1,1", 2727.27, 1e-5}},
        {true,
         FlangeKind::Rolled,
         107.0,
         Range::Inelastic,
         {"fla-107", "hand: [3 000 − 500·0,651/54,871]/1,1", 2721.88, 1e-5}},
        {true,
         FlangeKind::Rolled,
         161.0,
         Range::Inelastic,
         {"fla-161", "hand: [3 000 − 500·54,651/54,871]/1,1", 2274.55, 1e-5}},
    };
    for (const auto& r : rows) {
        const LimitStateResult s = r.web ? web_local(kMR250, r.lambda, 100, 3000)
                                         : flange_local(kMR250, r.lambda, 100, 3000, r.kind, 0.5);
        expect_row(r.MRd, s.MRd);
        EXPECT_EQ(s.range, r.range) << r.MRd.id;
    }
    // Past λr the web is slender: Table G.1 gives no value.
    const LimitStateResult slender = web_local(kMR250, 162.0, 100, 3000);
    EXPECT_EQ(slender.range, Range::Elastic);
    EXPECT_FALSE(slender.applies);
}

// Table G.1 FLT, W 250 x 17,9 (Gerdau): Iy 91, Ag 23,1 → ry = 1,98479;
// J 2,54; Wx 182,6; Zx 211,0; Cw = 91·(25,1 − 0,53)²/4 = 13 733,8.
// Mpl = 5 275, Mr = 0,7·25·182,6 = 3 195,5; β1 = 17,5·182,6/(20 000·2,54)
// = 0,062904; λp = 1,76·28,2843 = 49,780;
// λr = 1,38·√(91·2,54)/(1,98479·2,54·0,062904)·√(1 + √(1 + 27·13 733,8·β1²/91)) = 149,966.
TEST(Limits2008, LateralTorsionalBucklingAndCb) {
    const TorsionSection s{91.0, 1.98479, 2.54, 13733.8, 182.6};
    const double Mpl = 5275.0;
    const struct {
        double Lb, Cb;
        Range range;
        bool capped;
        Expect MRd;
    } rows[] = {
        // λ = 0,99·λp.
        {97.8155, 1.0, Range::Compact, false, {"flt-0.99lp", "hand: 5 275/1,1", 4795.45, 1e-5}},
        // λ = 1,01·λp: line.
        {99.7915, 1.0, Range::Inelastic, false, {"flt-1.01lp", "hand", 4786.06, 1e-5}},
        // λ = 0,99·λr: line near Mr.
        {294.675, 1.0, Range::Inelastic, false, {"flt-0.99lr", "hand", 2933.30, 1e-5}},
        // λ = 1,01·λr: Mcr = π²·E·Iy/Lb²·√(Cw/Iy·(1 + 0,039·J·Lb²/Cw)) = 3 138,17.
        {300.628, 1.0, Range::Elastic, false, {"flt-1.01lr", "hand: 3 138,17/1,1", 2852.88, 1e-5}},
        // Midway, Cb = 1,05: 1,05·[5 275 − 2 079,5·0,5] = 4 447,0 < Mpl.
        {198.228,
         1.05,
         Range::Inelastic,
         false,
         {"flt-cb1.05", "hand: 4 447,0/1,1", 4042.74, 1e-5}},
        // Midway, Cb = 1,3: 1,3·4 235,25 = 5 505,8 > Mpl: kept to Mpl.
        {198.228, 1.3, Range::Inelastic, true, {"flt-cb1.3", "hand: Mpl/1,1", 4795.45, 1e-5}},
        // Past λr, Cb = 2: 2·3 138,17 = 6 276,3 > Mpl: kept to Mpl.
        {300.628, 2.0, Range::Elastic, true, {"flt-cb2-el", "hand: Mpl/1,1", 4795.45, 1e-5}},
        // λ = 300, Cb = 3: Mcr = 3·1 173,91 = 3 521,72.
        {595.437, 3.0, Range::Elastic, false, {"flt-cb3", "hand: 3 521,72/1,1", 3201.56, 1e-5}},
    };
    for (const auto& r : rows) {
        const LimitStateResult f = lateral_torsional(kMR250, s, r.Lb, r.Cb, Mpl);
        expect_row(r.MRd, f.MRd);
        EXPECT_EQ(f.range, r.range) << r.MRd.id;
        EXPECT_EQ(f.capped, r.capped) << r.MRd.id;
    }
    expect_row({"flt-lr", "hand", 149.966, 1e-5}, flt_lambda_r(s, 25.0));
}

// Annex H on the E3a girder (900 x 200, tf 9,5, tw 5): W = 2 307,3,
// kpg = 0,981678, rT = √((0,95·20³/12 + 14,683·0,5³/12)/(19 + 7,342)) = 4,90396;
// λp = 1,10·28,2843 = 31,113, λr = π·√(20 000/17,5) = 106,205.
TEST(Limits2008, SlenderWeb) {
    const PlateGirder g{20.0, 0.95, 88.1, 0.5, 2307.3, 4.0 / std::sqrt(176.2)};
    const struct {
        double Lb, Cb;
        Range range;
        Expect MRd;
    } rows[] = {
        // λ midway: kpg·W·fy·(1 − 0,3·0,5)/1,1.
        {336.701, 1.0, Range::Inelastic, {"h-flt-mid", "hand: 56 624,7·0,85/1,1", 43756.2, 1e-4}},
        // λ = 1,2·λr: kpg·π²·E·W/λ²/1,1.
        {624.991, 1.0, Range::Elastic, {"h-flt-el", "hand", 25024.0, 1e-4}},
        {624.991, 1.5, Range::Elastic, {"h-flt-el-cb1.5", "hand: 1,5·25 024,0", 37536.0, 1e-4}},
    };
    for (const auto& r : rows) {
        const SlenderWebResult h = slender_web_bending(kMR250, g, r.Lb, r.Cb);
        expect_row(r.MRd, h.flt.MRd);
        EXPECT_EQ(h.flt.range, r.range) << r.MRd.id;
    }
    expect_row({"h-rT", "hand", 4.90396, 1e-5}, slender_web_bending(kMR250, g, 100, 1).rT);
    // H.1: h/tw ≤ 0,42·E/fy = 240 for fy = 35 kN/cm² (below 260).
    const Material ar350{35.0, 45.0};
    const PlateGirder thin239{20.0, 0.95, 119.5, 0.5, 2000.0, 0.35};
    const PlateGirder thin241{20.0, 0.95, 120.5, 0.5, 2000.0, 0.35};
    EXPECT_TRUE(slender_web_bending(ar350, thin239, 100, 1).within_limits);
    EXPECT_FALSE(slender_web_bending(ar350, thin241, 100, 1).within_limits);
}

// 5.5.1.2 on both sides of NSd/NRd = 0,2, and B1 of Annex D.
TEST(Limits2008, Interaction) {
    InteractionForm form{};
    expect_row({"int-0.19", "hand: 0,19/2 + 0,5", 0.595, 1e-9},
               interaction_ratio(0.19, 0.5, 0, form));
    EXPECT_EQ(form, InteractionForm::LowAxial);
    expect_row({"int-0.21", "hand: 0,21 + 8/9·0,5", 0.654444, 1e-6},
               interaction_ratio(0.21, 0.3, 0.2, form));
    EXPECT_EQ(form, InteractionForm::HighAxial);
    expect_row({"B1-0.1", "hand: 1/(1 − 100/1 000)", 1.111111, 1e-6},
               amplification_factor(1, 100, 1000));
    // Cm below 1 cannot take B1 under 1.
    expect_row({"B1-min", "hand: max(0,6/0,9; 1)", 1.0, 1e-9},
               amplification_factor(0.6, 100, 1000));
}

// E.1.4 for L 76 x 76 x 6,4 (AISC): Ag 9,29, Ix1 51,2 → rx1 = 2,34762,
// on both sides of L/rx1 = 80 (planar) and 75 (spatial).
TEST(Limits2008, EquivalentSlenderness) {
    const double rx1 = 2.34762;
    const struct {
        TrussKind kind;
        double L_r;
        bool beyond;
        Expect KL;
    } rows[] = {
        {TrussKind::Planar, 79, false, {"e14-pl-79", "hand: 72·rx1 + 0,75·L", 308.125, 1e-5}},
        {TrussKind::Planar, 81, true, {"e14-pl-81", "hand: 32·rx1 + 1,25·L", 312.820, 1e-5}},
        {TrussKind::Spatial, 74, false, {"e14-sp-74", "hand: 60·rx1 + 0,80·L", 279.836, 1e-5}},
        {TrussKind::Spatial, 76, true, {"e14-sp-76", "hand: 45·rx1 + L", 284.062, 1e-5}},
    };
    for (const auto& r : rows) {
        const EquivalentLength e = equivalent_length(r.kind, r.L_r * rx1, rx1, false, 1, 1.49);
        expect_row(r.KL, e.KL);
        EXPECT_EQ(e.beyond_break, r.beyond) << r.KL.id;
    }
}

// E.1.2 is the cubic of E.1.3 with x0 = 0; the cubic's smallest root of an
// unequal angle (L 102 x 76 x 6,4 centred, KL = 150 about both principal
// axes) from Cardano's formula: Nex 250,96, Ney 1 235,18, Nez 441,137,
// x0 = −1,68354, y0 = 2,68812, r0² = 25,6016 → 223,723 kN.
TEST(Limits2008, FlexuralTorsionalLoads) {
    const double ft = flexural_torsional_load(1614.18, 547.826, 2.54912, 17.5206);
    expect_row({"e12-L76", "hand", 474.542, 1e-5}, ft);
    expect_row({"e13-as-e12", "E.1.2 closed form", ft, 1e-9},
               asymmetric_load(5000.0, 1614.18, 547.826, 0.0, 2.54912, 17.5206));
    expect_row({"e13-L102x76", "hand (Cardano)", 223.723, 1e-5},
               asymmetric_load(250.96, 1235.18, 441.137, -1.68354, 2.68812, 25.6016));
}

}  // namespace
}  // namespace quintaro::testing::nbr2008
