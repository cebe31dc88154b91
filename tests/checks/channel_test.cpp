// Rolled channel check against hand calculations.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "checks/member.h"
#include "checks/windows.h"
#include "member_fixture.h"
#include "testing/near.h"

namespace quintaro::testing {
namespace {

// Channel C1 of our own: d = 254, bf = 66, tw = 6,1, tf = 11,1 mm; Ag = 37,9 cm²;
// Ix = 2800, Iy = 95,1 cm⁴; Wx = 221, Wy = 18,8 cm³; x = 1,30 cm; IT = 4,5 cm⁴;
// no ZY (a table without it).
// h = 254 − 22,2 = 231,8 mm; rx = √(2800/37,9) = 8,59527; ry = √(95,1/37,9) = 1,58406 cm.
// Zx = [66·11,1·242,9 + (6,1/4)·231,8²]/1000 = [177951,54 + 81937,14]/1000 = 259,889 cm³.
// Zy from the plates: A = 2·66·11,1 + 231,8·6,1 = 2879,18 mm²; A/2 = 1439,59 ≤ d·tw =
//  1549,4, so xp = 1439,59/254 = 5,66768 mm lies in the web;
//  Zy = [254·5,66768²/2 + 254·0,43232²/2 + 11,1·(60,33232² − 0,43232²)]/1000
//     = [4079,57 + 23,74 + 40402,91]/1000 = 44,5051 cm³.
MapBoxes channel_c1() {
    MapBoxes b{{"R_Perfil", "C1"}, {"R_d", "254"},   {"R_bf", "66"},     {"R_tw", "6,1"},
               {"R_tf", "11,1"},   {"R_Ag", "37,9"}, {"R_Peso", "29,8"}, {"R_Ix", "2800"},
               {"R_Iy", "95,1"},   {"R_Wx", "221"},  {"R_Wy", "18,8"},   {"R_x", "1,30"},
               {"R_IT", "4,5"}};
    set_steel(b, "25", "40");
    set_actions(b, "0", "0", "0", "0");
    set_lengths(b, "0", "0", "0");
    return b;
}

CheckRun run_u(MapBoxes b) {
    return run_check(checks::WindowKind::U_Laminado, std::move(b));
}

TEST(ChannelProperties, PlasticModuliFromThePlates) {
    CheckRun r = run_u(channel_c1());
    ASSERT_TRUE(r.completed);
    EXPECT_NEAR_REL(231.8, r.state.h, 1e-12);
    EXPECT_NEAR_REL(259.888681, r.state.Zx, 1e-12);
    EXPECT_NEAR_REL(44.5051, r.state.Zy, 1e-5);
    EXPECT_NEAR_REL(5.66768, r.state.xp, 1e-5);
    EXPECT_EQ(r.state.Zy_source, checks::ZySource::PlasticNeutralAxis);
}

// Zy as the table publishes it (AISC, C shapes), and the plates' value when
// the table gives none. About y with Lb = 10 cm every limit state gives Mpl,
// so Mpl = Zy·25 shows which Zy the check took.
struct ZyCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> boxes;
    const char* Zy_box;  // nullptr: the box is absent
    double Zy;
    checks::ZySource source;
    double xp;  // mm, plates only
};

const ZyCase kZy[] = {
    // C75X6.1: published Zy 6,54 cm³. From the plates: A = 765,497 mm², A/2 >
    // d·tw = 329,18, xp = 4,32 + (382,748 − 329,184)/13,86 = 8,18468 mm,
    // Zy = [329,184·6,02468 + 6,93·3,86468² + 6,93·27,6153²]/1000 = 7,37 (1,127×).
    {"U_75_x_6_1",
     {{"R_d", "76,2"},
      {"R_bf", "35,8"},
      {"R_tw", "4,32"},
      {"R_tf", "6,93"},
      {"R_Ag", "7,74"},
      {"R_Ix", "68,7"},
      {"R_Iy", "7,95"},
      {"R_Wx", "18"},
      {"R_Wy", "3,21"},
      {"R_IT", "1,12"}},
     "6,54",
     6.54,
     checks::ZySource::Catalogue,
     0.0},
    // C150X12.2: published Zy 16,2 cm³.
    {"U_150_x_12_2",
     {{"R_d", "152"},
      {"R_bf", "48,8"},
      {"R_tw", "5,08"},
      {"R_tf", "8,71"},
      {"R_Ag", "15,4"},
      {"R_Ix", "545"},
      {"R_Iy", "28,6"},
      {"R_Wx", "71,3"},
      {"R_Wy", "8"},
      {"R_IT", "3,06"}},
     "16,2",
     16.2,
     checks::ZySource::Catalogue,
     0.0},
    // C380X74: published Zy 133 cm³, xp 1,24 cm.
    {"U_380_x_74",
     {{"R_d", "381"},
      {"R_bf", "94,5"},
      {"R_tw", "18,2"},
      {"R_tf", "16,5"},
      {"R_Ag", "94,8"},
      {"R_Ix", "16800"},
      {"R_Iy", "458"},
      {"R_Wx", "882"},
      {"R_Wy", "61,8"},
      {"R_IT", "110"}},
     "133",
     133.0,
     checks::ZySource::Catalogue,
     0.0},
    // The same plates with ZY = 0: A = 9452,1 mm², xp = 4726,05/381 = 12,4043 mm
    // in the web (AISC: 1,24 cm); Zy = [381·12,4043²/2 + 381·5,7957²/2 +
    // 16,5·(82,0957² − 5,7957²)]/1000 = 146,36 cm³ = 1,100·133.
    {"U_380_x_74_ZY_zero",
     {{"R_d", "381"},
      {"R_bf", "94,5"},
      {"R_tw", "18,2"},
      {"R_tf", "16,5"},
      {"R_Ag", "94,8"},
      {"R_Ix", "16800"},
      {"R_Iy", "458"},
      {"R_Wx", "882"},
      {"R_Wy", "61,8"},
      {"R_IT", "110"}},
     "0",
     146.3614,
     checks::ZySource::PlasticNeutralAxis,
     12.4043},
    // Thin web, xp in the flanges: d = 100, bf = 50, tw = 4, tf = 10: A =
    // 1000 + 80·4 = 1320, A/2 = 660 > d·tw = 400, xp = 4 + 260/20 = 17 mm;
    // Zy = [100·4·(17 − 2) + 10·13² + 10·33²]/1000 = [6000 + 1690 + 10890]/1000
    // = 18,58 cm³. An empty ZY is no ZY.
    {"thin_web_ZY_empty",
     {{"R_d", "100"}, {"R_bf", "50"}, {"R_tw", "4"}, {"R_tf", "10"}},
     " ",
     18.58,
     checks::ZySource::PlasticNeutralAxis,
     17.0},
    {"no_ZY_box", {}, nullptr, 44.5051, checks::ZySource::PlasticNeutralAxis, 5.66768},
};

TEST(ChannelProperties, ZyFromTheTableOrFromThePlates) {
    for (const ZyCase& c : kZy) {
        SCOPED_TRACE(c.name);
        MapBoxes b = channel_c1();
        for (const auto& [box, text] : c.boxes)
            b.set_text(box, text);
        if (c.Zy_box != nullptr)
            b.set_text("R_Zy", c.Zy_box);
        set_actions(b, "0", "0", "0", "10");
        set_lengths(b, "0", "0", "10");
        CheckRun r = run_u(b);
        ASSERT_TRUE(r.completed);
        EXPECT_EQ(r.state.Zy_source, c.source);
        EXPECT_NEAR_REL(c.Zy, r.state.Zy, 1e-5);
        EXPECT_NEAR_REL(25.0 * c.Zy, r.state.by.Mpl, 1e-5);
        if (c.source == checks::ZySource::PlasticNeutralAxis) {
            EXPECT_NEAR_REL(c.xp, r.state.xp, 1e-5);
        }
    }
}

TEST(ChannelProperties, ANegativeOrUnreadableZyStops) {
    MapBoxes b = channel_c1();
    b.set_text("R_Zy", "-133");
    CheckRun r = run_u(b);
    EXPECT_FALSE(r.completed);
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0],
              "Zy: '-133' não é válido — as propriedades do perfil devem ser maiores que zero.");
    b.set_text("R_Zy", "abc");
    CheckRun r2 = run_u(b);
    ASSERT_EQ(r2.messages.shown.size(), 1u);
    EXPECT_EQ(r2.messages.shown[0], "R_Zy: 'abc' não é um número válido");
}

TEST(ChannelTension, GrossAreaServesAsNetArea) {
    // Rd,y = 0,9·37,9·25 = 852,75; Rd,u = 0,75·37,9·40 = 1137; Nd = 852,75 passes.
    MapBoxes b = channel_c1();
    b.set_text("R_Nd", "852,75");
    CheckRun r = run_u(b);
    EXPECT_EQ(r.boxes.text("R_RdNd"), "852,75");
    EXPECT_EQ(r.boxes.text("resposta1"), "Ok!");
}

// The channel's flange is one outstand of bf: b/t = bf/tf (T51, limits 11 and 20,4; tf = 10).
TEST(ChannelCompression, FlangeRatioIsBfOverTf) {
    const std::tuple<const char*, double, double> cases[] = {
        {"110", 11.0, 1.0},                               // at 0,55·20
        {"204", 20.4, 1.42 - 0.76 * 20.4 / 20.0},         // at 1,02·20: 0,6448
        {"300", 30.0, 0.67 * 20500.0 / (51.25 * 900.0)},  // 0,297778
    };
    for (const auto& [bf, bt, Qs] : cases) {
        MapBoxes b = channel_c1();
        set_steel(b, "51,25", "60");
        b.set({{"R_bf", bf}, {"R_tf", "10"}, {"R_Nd", "-10"}});
        set_lengths(b, "100", "100", "0");
        CheckRun r = run_u(b);
        ASSERT_TRUE(r.completed) << bf;
        EXPECT_NEAR_REL(bt, r.state.bt, 1e-12) << bf;
        EXPECT_NEAR_REL(Qs, r.state.Qs, 1e-12) << bf;
    }
}

// A36, Lflx = 300, Lfly = 100, Nd = −100.
//  C1: h/tw = 38,0 ≤ 42,09 → Qa = 1; bf/tf = 5,95 ≤ 15,75 → Qs = 1.
//  λx = 34,9029, λy = 63,1291; λ̄x = 0,387976, λ̄y = 0,701734;
//  ρy = 0,714979 (curve c) → Rd = −0,9·0,714979·37,9·25 = −609,698.
//  tw = 4 (h/tw = 57,95): even in pure compression bef uses fy:
//  bef = 862·4/√250·(1 − 152/(57,95·√250)) = 181,895 mm; Aef = 37,9 − 4·(231,8 − 181,895)/100
//  = 35,9038; Qa = 0,947330; Rd = −585,820.
TEST(ChannelCompression, EffectiveWidthAlwaysFromFy) {
    MapBoxes b = channel_c1();
    b.set_text("R_Nd", "-100");
    set_lengths(b, "300", "100", "0");
    CheckRun r = run_u(b);
    ASSERT_TRUE(r.completed);
    EXPECT_NEAR_REL(-609.6981106819924, r.state.RdNd_c, 1e-10);
    EXPECT_EQ(r.boxes.text("R_RdNd"), "-609,70");

    b.set_text("R_tw", "4");
    CheckRun r2 = run_u(b);
    ASSERT_TRUE(r2.completed);
    EXPECT_NEAR_REL(181.8949297402934, r2.state.bef, 1e-10);
    EXPECT_NEAR_REL(0.9473297411507055, r2.state.Qa, 1e-10);
    EXPECT_EQ(r2.state.iterations, 0);
    EXPECT_NEAR_REL(-585.8199002764014, r2.state.RdNd_c, 1e-10);
}

// Shear of the channel: Aw = tw·h/100, k = 5,34, Vpl = 0,60·Aw·fy (A36):
//  λp = 1,08·√(5,34·820) = 71,4663, λr = 1,4·√(5,34·820) = 92,6415.
struct ShearCase {
    const char* tw;
    double Vn;
    const char* shown;
};
const ShearCase kShear[] = {
    // tw = 6,1: λ = 38 ≤ λp: Vn = Vpl = 0,6·14,1398·25 = 212,097; Rd = 190,887.
    {"6,1", 212.09700000000004, "190,89"},
    // tw = 3: λ = 77,27: Vn = (71,4663/77,2667)·0,6·6,954·25 = 96,4795; Rd = 86,8316.
    {"3", 96.4795076853111, "86,83"},
    // tw = 2: λ = 115,9: Vn = 1,28·(71,4663/115,9)²·0,6·4,636·25 = 33,8439; Rd = 30,4595.
    {"2", 33.843900101466794, "30,46"},
};

TEST(ChannelShear, ThreeRanges) {
    for (const ShearCase& c : kShear) {
        MapBoxes b = channel_c1();
        b.set({{"R_tw", c.tw}, {"R_Vd", "10"}});
        CheckRun r = run_u(b);
        ASSERT_TRUE(r.completed) << c.tw;
        EXPECT_NEAR_REL(5.34, r.state.k, 1e-15);
        EXPECT_NEAR_REL(c.Vn, r.state.Vn, 1e-10) << c.tw;
        EXPECT_EQ(r.boxes.text("R_RdVd"), c.shown) << c.tw;
    }
}

TEST(ChannelShear, NegativeActionGivesNegativeResistance) {
    // C1: Rd = 0,9·0,60·(6,1·231,8/100)·25 = 190,887; Vd = −190 passes on magnitudes.
    MapBoxes b = channel_c1();
    b.set_text("R_Vd", "-190");
    CheckRun r = run_u(b);
    EXPECT_EQ(r.boxes.text("R_RdVd"), "-190,89");
    EXPECT_EQ(r.boxes.text("resposta2"), "Ok!");
    EXPECT_EQ(r.boxes.colour("resposta2"), "green");
}

// FLM with λ = bf/tf: bf = 300, tf = 10 gives λ = 30 > λr = 0,62·√(20500/13,5) = 24,1603:
// Mcr = 0,38·20500·221/30² = 1912,88 (with (bf/2)/tf = 15 it would be an interpolation).
TEST(ChannelBending, FlangeSlendernessIsBfOverTf) {
    MapBoxes b = channel_c1();
    b.set({{"R_bf", "300"}, {"R_tf", "10"}, {"R_Mdx", "100"}});
    set_lengths(b, "0", "0", "100");
    CheckRun r = run_u(b);
    ASSERT_TRUE(r.completed);
    EXPECT_NEAR_REL(30.0, r.state.lm, 1e-15);
    EXPECT_NEAR_REL(1912.8777777777777, r.state.bx.Mcr_FLM, 1e-12);
    EXPECT_EQ(r.state.bx.governing, checks::Governing::FLM);
    EXPECT_EQ(r.boxes.text("R_RdMdx"), "1721,59");
}

// Beyond λr about x: Mcr = (β1/λ)·√(1 + β2/λ²); about y: (β1/λ)·√(1 + β2·λ²).
//  β1 = π·√(7892,5·20500·4,5·37,9) = 521867,2; β2 = (π²·20500/31570)·37,9·24,29²/4,5 = 31846,4.
//  Lb = 5000: λ = 3156,45 > λr,x = 223,708 and > λr,y = 2063,57.
//  x: Mcr = 165,597 (governs; Rd = 149,04); y: Mcr = 9,31302e7, the cap 1,25·18,8·25 = 587,5
//  governs.
TEST(ChannelBending, CriticalMomentBeyondLambdaR) {
    MapBoxes b = channel_c1();
    set_actions(b, "0", "0", "100", "100");
    set_lengths(b, "0", "0", "5000");
    CheckRun r = run_u(b);
    ASSERT_TRUE(r.completed);
    EXPECT_NEAR_REL(165.59743040656335, r.state.bx.Mcr_FLT, 1e-10);
    EXPECT_NEAR_REL(93130157.09848009, r.state.by.Mcr_FLT, 1e-9);
    EXPECT_EQ(r.boxes.text("R_RdMdx"), "149,04");
    EXPECT_EQ(r.boxes.text("R_RdMdy"), "528,75");
}

// λx and λy of an earlier compression run do not survive a run without compression.
TEST(ChannelState, SlendernessResetByALaterRun) {
    MapBoxes b = channel_c1();
    b.set_text("R_Nd", "-100");
    set_lengths(b, "300", "100", "0");
    CheckRun r = run_u(b);
    ASSERT_GT(r.state.lx, 0.0);
    b.set_text("R_Nd", "100");
    RecordingMessages m;
    ASSERT_TRUE(checks::check(checks::WindowKind::U_Laminado, b, m, r.state));
    EXPECT_EQ(r.state.lx, 0.0);
    EXPECT_EQ(r.state.ly, 0.0);
    EXPECT_EQ(r.state.RdNd_c, 0.0);
}

TEST(ChannelCombined, BothMomentsWithoutAxialForce) {
    // Lb = 100: Rd,x = 0,9·6233,75 = 5610,37 (FLT between λp and λr), Rd,y = 0,9·587,5 = 528,75.
    // ratio = 2805,19/5610,37 + 264,375/528,75 = 0,5 + 0,5.
    MapBoxes b = channel_c1();
    set_actions(b, "0", "0", "2805,1868", "264,375");
    set_lengths(b, "0", "0", "100");
    CheckRun r = run_u(b);
    ASSERT_TRUE(r.completed);
    EXPECT_NEAR_REL(5610.373616079185, r.state.RdMdx, 1e-10);
    EXPECT_NEAR_REL(1.0, r.state.S, 1e-7);
    EXPECT_EQ(r.boxes.text("R_Rd_MdNd"), "1,00");
}

}  // namespace
}  // namespace quintaro::testing
