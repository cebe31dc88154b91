// Double-angle windows against hand calculations: the pair's properties, the
// local-buckling factors Qs and Qa, the two forces of the T window, the
// spacing of the spacers and the messages. Sections A1, B1 and the steel T51
// are described in angle_fixture.h; spacers e = 10 mm unless a case says.
#include <gtest/gtest.h>

#include <string>

#include "angle_fixture.h"
#include "testing/near.h"

namespace quintaro::testing {
namespace {

using checks::WindowKind;

constexpr WindowKind kEqualPairs[] = {WindowKind::LT_Laminado, WindowKind::LU_Laminado,
                                      WindowKind::LX_Laminado};
constexpr WindowKind kTwoLegPairs[] = {WindowKind::L2T_Ma_Laminado, WindowKind::L2T_Me_Laminado,
                                       WindowKind::L2U_Ma_Laminado, WindowKind::L2U_Me_Laminado};

bool equal_legs(WindowKind kind) {
    for (WindowKind k : kEqualPairs) {
        if (k == kind)
            return true;
    }
    return false;
}

struct PairInput {
    std::string Nd = "0";
    std::string Ntd = "0";  // the T window of equal legs only
    std::string Lflx = "0";
    std::string Lfly = "0";
    std::string e = "10";
};

MapBoxes pair(WindowKind kind, const AngleRow& row, const PairInput& in) {
    MapBoxes b = angle_boxes(kind, row);
    b.set({{"R_Nd", in.Nd}, {"Compri_x", in.Lflx}, {"Compri_y", in.Lfly}, {"R_e", in.e}});
    if (kind == WindowKind::LT_Laminado)
        b.set_text("R_Ntd", in.Ntd);
    return b;
}

AngleRun run_pair(WindowKind kind, const PairInput& in, const AngleRow* row = nullptr) {
    const AngleRow& r = row ? *row : (equal_legs(kind) ? kA1 : kB1);
    return run_angle(kind, pair(kind, r, in));
}

// ---- Pair properties --------------------------------------------------------------

struct PropertiesCase {
    WindowKind kind;
    const char* name;
    double Ag, s, Ix, Iy, rx, ry;
};

// A1 (Ag1 = 20, Ix' = Iy' = 180, x = 2,8, bf = 100, rz = 2) and B1 (Ag1 = 24,
// d = 150, bf = 100, IX = 550, IY = 200, X = 2,4, Y = 4,9); e = 10 mm = 1 cm.
// Ix = 2·Ix', Iy = 2·(Iy' + Ag1·s²), rx = √(Ix/Ag), ry = √(Iy/Ag), Ag = 2·Ag1.
const PropertiesCase kProperties[] = {
    // Back to back: s = x + e/2 = 2,8 + 0,5 = 3,3; Iy = 2·(180 + 20·3,3²) = 795,6.
    {WindowKind::LT_Laminado, "T", 40, 3.3, 360, 795.6, 3.0, 4.45982062419555},
    // Toe to toe: s = bf/10 + e/2 − x = 10 + 0,5 − 2,8 = 7,7; Iy = 2·(180 + 20·7,7²) = 2731,6.
    {WindowKind::LU_Laminado, "U", 40, 7.7, 360, 2731.6, 3.0, 8.26377637645163},
    // Cross: rx = √(Ix'/Ag1) = √9 = 3, ry = √(2·rx² − rz²) = √14; Ix, Iy not formed.
    {WindowKind::LX_Laminado, "X", 40, 0.0, 0.0, 0.0, 3.0, 3.74165738677394},
    // Ma, back to back: Ix' = IX = 550, Iy' = IY = 200, c = X: s = 2,4 + 0,5 = 2,9;
    // Ix = 1100, Iy = 2·(200 + 24·2,9²) = 803,68.
    {WindowKind::L2T_Ma_Laminado, "2T_Ma", 48, 2.9, 1100, 803.68, 4.78713553878169,
     4.09186184191663},
    // Me, the turned angle: Ix' = IY = 200, Iy' = IX = 550, c = Y: s = 4,9 + 0,5 = 5,4;
    // Ix = 400, Iy = 2·(550 + 24·5,4²) = 2499,68.
    {WindowKind::L2T_Me_Laminado, "2T_Me", 48, 5.4, 400, 2499.68, 2.88675134594813,
     7.21641646987386},
    // Ma, toe to toe, s from the tip of bf: 100/10 + 0,5 − 2,4 = 8,1;
    // Iy = 2·(200 + 24·8,1²) = 3549,28.
    {WindowKind::L2U_Ma_Laminado, "2U_Ma", 48, 8.1, 1100, 3549.28, 4.78713553878169,
     8.5990309531559},
    // Me, toe to toe, s from the tip of d: 150/10 + 0,5 − Y = 15,5 − 4,9 = 10,6;
    // Ix = 2·IY = 400, Iy = 2·(550 + 24·10,6²) = 6493,28.
    {WindowKind::L2U_Me_Laminado, "2U_Me", 48, 10.6, 400, 6493.28, 2.88675134594813,
     11.6308497826542},
};

TEST(AnglePairProperties, EveryArrangement) {
    for (const PropertiesCase& c : kProperties) {
        SCOPED_TRACE(c.name);
        AngleRun r = run_pair(c.kind, {});
        ASSERT_TRUE(r.completed);
        EXPECT_NEAR_REL(c.Ag, r.state.Ag, 1e-12);
        EXPECT_NEAR_REL(c.s, r.state.s, 1e-12);
        EXPECT_NEAR_REL(c.Ix, r.state.Ix, 1e-12);
        EXPECT_NEAR_REL(c.Iy, r.state.Iy, 1e-12);
        EXPECT_NEAR_REL(c.rx, r.state.rx, 1e-12);
        EXPECT_NEAR_REL(c.ry, r.state.ry, 1e-12);
    }
}

TEST(AnglePairProperties, CrossIgnoresTheSpacer) {
    AngleRun thin = run_pair(WindowKind::LX_Laminado, {.e = "0"});
    AngleRun thick = run_pair(WindowKind::LX_Laminado, {.e = "50"});
    EXPECT_EQ(thin.state.rx, thick.state.rx);
    EXPECT_EQ(thin.state.ry, thick.state.ry);
}

// ---- Compression -------------------------------------------------------------------

struct PairCompressionCase {
    WindowKind kind;
    const char* name;
    double Qs, Qa, lx, ly, ro, Rd;
    const char* shown;
};

// Lflx = Lfly = 300, e = 10, steel T51 (√(fy/E) = 0,05). The Qa leg is so
// stocky that its effective width would exceed it (capped: Qa = 1).
// λ̄ = λ/π·√(Q·fy/E); Rd = −0,9·ρ·Q·Ag·51,25.
const PairCompressionCase kPairCompression[] = {
    // A1: Qs = 1,34 − 0,77·10·0,05 = 0,955; λx = 300/3 = 100,
    // λy = 300/4,45982062419555 = 67,2672793996313; λ̄x = 1,55532738015532,
    // ρx = 0,30562176756557; Rd = −0,9·0,30562176756557·0,955·40·51,25 = −538,497913906346.
    {WindowKind::LT_Laminado, "T", 0.955, 1.0, 100.0, 67.2672793996313, 0.30562176756557,
     -538.497913906346, "-538,50"},
    // B1, Ma: Qs from bf (10): 0,955; λx = 300/4,78713553878169 = 62,6679561440512,
    // λy = 300/4,09186184191663; λ̄y = 1,14030784047206 governs, ρ = 0,472312065238892;
    // Rd = −0,9·0,472312065238892·0,955·48·51,25 = −998,642461379155.
    {WindowKind::L2T_Ma_Laminado, "2T_Ma", 0.955, 1.0, 62.6679561440512, 73.3162583660156,
     0.472312065238892, -998.642461379155, "-998,64"},
    // B1, Me: Qs from d (15): 1,34 − 0,77·15·0,05 = 0,7625; λx = 300/2,88675134594813 =
    // 103,923048454133, λ̄x = 1,44428178283763, ρ = 0,342334708154321;
    // Rd = −0,9·0,342334708154321·0,7625·48·51,25 = −577,920895938421.
    {WindowKind::L2T_Me_Laminado, "2T_Me", 0.7625, 1.0, 103.923048454133, 41.571880067122,
     0.342334708154321, -577.920895938421, "-577,92"},
};

TEST(AnglePairCompression, FullCases) {
    for (const PairCompressionCase& c : kPairCompression) {
        SCOPED_TRACE(c.name);
        AngleRun r = run_pair(c.kind, {.Nd = "-500", .Lflx = "300", .Lfly = "300"});
        ASSERT_TRUE(r.completed);
        EXPECT_NEAR_REL(c.Qs, r.state.Qs, 1e-12);
        EXPECT_NEAR_REL(c.Qa, r.state.Qa, 1e-12);
        EXPECT_NEAR_REL(c.Qs * c.Qa, r.state.Q, 1e-12);
        EXPECT_NEAR_REL(c.lx, r.state.lx, 1e-12);
        EXPECT_NEAR_REL(c.ly, r.state.ly, 1e-12);
        EXPECT_NEAR_REL(c.ro, r.state.ro, 1e-12);
        EXPECT_NEAR_REL(c.Rd, r.state.Rd_c, 1e-12);
        EXPECT_EQ(r.boxes.text("R_RdNd"), c.shown);
        EXPECT_EQ(r.boxes.text("resposta1"), "Ok!");
        // The pair buckles about x and y only.
        EXPECT_EQ(r.state.lz, 0.0);
    }
}

// The limit of the Qa leg: 0,44·√(E/fy) = 8,8 with spacers, 0,55·√(E/fy) = 11
// without them (the cross: 8,8 always). tf = 10, e = 5 mm where "spacer".
struct QaLimitCase {
    WindowKind kind;
    const char* name;
    const char* bf;
    const char* e;
    double limit;
    bool effective_width;  // b/tf above the limit
};
const QaLimitCase kQaLimit[] = {
    {WindowKind::LT_Laminado, "T_no_spacer_9_below_11", "90", "0", 11.0, false},
    {WindowKind::LT_Laminado, "T_no_spacer_11_at_limit", "110", "0", 11.0, false},
    {WindowKind::LT_Laminado, "T_spacer_9_above_8_8", "90", "5", 8.8, true},
    {WindowKind::LT_Laminado, "T_spacer_8_8_at_limit", "88", "5", 8.8, false},
    {WindowKind::LU_Laminado, "U_no_spacer", "90", "0", 11.0, false},
    {WindowKind::LU_Laminado, "U_spacer", "90", "5", 8.8, true},
    {WindowKind::LX_Laminado, "X_no_spacer_still_0_44", "90", "0", 8.8, true},
};

TEST(AnglePairCompression, EffectiveWidthLimit) {
    for (const QaLimitCase& c : kQaLimit) {
        SCOPED_TRACE(c.name);
        AngleRow row = kA1;
        row["BF"] = c.bf;
        AngleRun r = run_pair(c.kind, {.Nd = "-10", .Lflx = "100", .Lfly = "100", .e = c.e}, &row);
        ASSERT_TRUE(r.completed);
        EXPECT_NEAR_REL(c.limit, r.state.qa_limit, 1e-12);
        // At b/tf = 9 the formula's width, 862·10/√512,5·(1 − 152/(√512,5·9)) =
        // 96,7050292773446 mm, exceeds the leg: capped at 90, Qa = 1.
        if (c.effective_width) {
            EXPECT_NEAR_REL(std::stod(c.bf), r.state.bef, 1e-12);
            EXPECT_TRUE(r.state.bef_capped);
            EXPECT_NEAR_REL(r.state.Ag, r.state.Aef, 1e-12);
        } else {
            EXPECT_EQ(r.state.bef, 0.0);
            EXPECT_FALSE(r.state.bef_capped);
        }
        EXPECT_NEAR_REL(1.0, r.state.Qa, 1e-12);
    }
}

TEST(AnglePairCompression, EffectiveWidthNeverWiderThanTheLeg) {
    // A1 and B1 with e = 10: the Qa leg's b/tf (10 for bf, 15 for d) is above
    // 8,8 and the formula gives 125,111316540217 mm for bf = 100 and
    // 210,330178328835 mm for d = 150. Uncapped, TLU would have
    // Aef = 40 − (100 − 125,11)·0,1 = 42,51 > Ag and Qa = 1,063. Every pair
    // caps bef at the leg: Aef = Ag, Qa = 1.
    for (WindowKind kind :
         {WindowKind::LT_Laminado, WindowKind::LU_Laminado, WindowKind::LX_Laminado,
          WindowKind::L2T_Ma_Laminado, WindowKind::L2T_Me_Laminado, WindowKind::L2U_Ma_Laminado,
          WindowKind::L2U_Me_Laminado}) {
        SCOPED_TRACE(checks::descriptor(kind).class_name);
        AngleRun r = run_pair(kind, {.Nd = "-10", .Lflx = "100", .Lfly = "100"});
        ASSERT_TRUE(r.completed);
        const bool d_leg = kind == WindowKind::L2T_Ma_Laminado ||
                           kind == WindowKind::L2U_Ma_Laminado ||
                           kind == WindowKind::L2U_Me_Laminado;
        EXPECT_NEAR_REL(d_leg ? 150.0 : 100.0, r.state.bef, 1e-12);
        EXPECT_TRUE(r.state.bef_capped);
        EXPECT_NEAR_REL(r.state.Ag, r.state.Aef, 1e-12);
        EXPECT_NEAR_REL(1.0, r.state.Qa, 1e-12);
    }
}

TEST(AnglePairCompression, EffectiveWidthBelowTheLeg) {
    // b/tf = 400/10 = 40: bef = 862·10/√512,5·(1 − 152/(√512,5·40)) = 316,853755564607 mm.
    // T (k = 2): Aef = 160 − 2·(400 − 316,853755564607)·10·0,01 = 143,370751112921,
    //            Qa = 0,896067194455759.
    // U (k = 1): Aef = 160 − 8,3146244435393 = 151,685375556461, Qa = 0,94803359722788.
    // Qs = 0,52·400/40² = 0,13.
    const AngleRow wide{{"BITOLA", "W1"}, {"BF", "400"},     {"TF", "10"}, {"AREA", "80"},
                        {"PESO", "63"},   {"I_XY", "10000"}, {"RZ", "8"},  {"XY", "11"}};
    struct Case {
        WindowKind kind;
        double Aef, Qa;
    };
    for (const Case& c : {Case{WindowKind::LT_Laminado, 143.370751112921, 0.896067194455759},
                          Case{WindowKind::LU_Laminado, 151.685375556461, 0.94803359722788}}) {
        SCOPED_TRACE(checks::descriptor(c.kind).class_name);
        AngleRun r = run_pair(c.kind, {.Nd = "-10", .Lflx = "100", .Lfly = "100"}, &wide);
        EXPECT_NEAR_REL(316.853755564607, r.state.bef, 1e-12);
        EXPECT_FALSE(r.state.bef_capped);
        EXPECT_NEAR_REL(c.Aef, r.state.Aef, 1e-12);
        EXPECT_NEAR_REL(c.Qa, r.state.Qa, 1e-12);
        EXPECT_NEAR_REL(0.13 * c.Qa, r.state.Q, 1e-12);
    }
    // Two leg widths, Ma: the leg d = 400 takes the effective width, Ag = 2·50:
    // Aef = 100 − 8,3146244435393 = 91,6853755564607, Qa = 0,916853755564607.
    const AngleRow wide2{{"BITOLA", "W2"}, {"BW", "400"},  {"BF", "100"},  {"TF", "10"},
                         {"AG", "50"},     {"PESO", "39"}, {"IX", "9000"}, {"IY", "300"},
                         {"X", "1,8"},     {"Y", "14"},    {"RZ", "2,3"}};
    AngleRun r =
        run_pair(WindowKind::L2T_Ma_Laminado, {.Nd = "-10", .Lflx = "100", .Lfly = "100"}, &wide2);
    EXPECT_NEAR_REL(91.6853755564607, r.state.Aef, 1e-12);
    EXPECT_NEAR_REL(0.916853755564607, r.state.Qa, 1e-12);
}

// ---- Tension and the two forces of the T window ----------------------------------

// A1 pair, Ag = 40, steel T51: Rd1 = 0,9·40·51,25 = 1845; Rd2 = 0,75·40·60 = 1800.
TEST(AnglePairTension, OneSignedForce) {
    AngleRun r = run_pair(WindowKind::LU_Laminado, {.Nd = "1800"});
    EXPECT_NEAR_REL(1845.0, r.state.Rd1, 1e-12);
    EXPECT_NEAR_REL(1800.0, r.state.Rd2, 1e-12);
    EXPECT_EQ(r.boxes.text("R_RdNd"), "1800,00");
    EXPECT_EQ(r.boxes.text("resposta1"), "Ok!");
    AngleRun over = run_pair(WindowKind::LX_Laminado, {.Nd = "1800,5"});
    EXPECT_EQ(over.boxes.text("R_RdNd"), "1800,00");
    EXPECT_EQ(over.boxes.text("resposta1"), "Não Ok!");
}

struct TwoForceCase {
    const char* name;
    const char* Ncd;
    const char* Ntd;
    const char* RdNd;
    const char* resposta1;
    const char* RdNt;
    const char* Resposta2;
    const char* espa;
};
// Lflx = Lfly = 300: Rd(Nc) = −538,50 (see FullCases), Rd(Nt) = 1800;
// spacing: compression rz·max(λx, λy) = 2·100 = 200, tension 240·rz = 480.
const TwoForceCase kTwoForces[] = {
    {"no_force", "0", "0", "0,00", "", "0,00", "", "0,00"},
    {"compression_only", "-500", "0", "-538,50", "Ok!", "0,00", "", "200,00"},
    {"tension_only", "0", "1800", "0,00", "", "1800,00", "Ok!", "480,00"},
    {"both_larger_spacing_wins", "-500", "1800", "-538,50", "Ok!", "1800,00", "Ok!", "480,00"},
    // A positive Ncd is still a compression, judged on magnitudes.
    {"positive_ncd_passes", "500", "0", "-538,50", "Ok!", "0,00", "", "200,00"},
    {"positive_ncd_fails", "600", "0", "-538,50", "Não Ok!", "0,00", "", "200,00"},
    {"tension_fails", "0", "1800,5", "0,00", "", "1800,00", "Não Ok!", "480,00"},
    // A tension typed with a minus sign is judged on its magnitude, not
    // passed because −1800,5 ≤ 1800.
    {"negative_ntd_judged_on_magnitude", "0", "-1800,5", "0,00", "", "1800,00", "Não Ok!",
     "480,00"},
};

TEST(AnglePairTension, TwoForcesOfTheTWindow) {
    for (const TwoForceCase& c : kTwoForces) {
        SCOPED_TRACE(c.name);
        MapBoxes b = pair(WindowKind::LT_Laminado, kA1,
                          {.Nd = c.Ncd, .Ntd = c.Ntd, .Lflx = "300", .Lfly = "300"});
        // Leftovers of an earlier run must not survive.
        b.set({{"R_RdNd", "9"},
               {"resposta1", "Ok!"},
               {"R_RdNt", "9"},
               {"Resposta2", "Ok!"},
               {"R_espa", "9"}});
        AngleRun r = run_angle(WindowKind::LT_Laminado, b);
        ASSERT_TRUE(r.completed);
        EXPECT_EQ(r.boxes.text("R_RdNd"), c.RdNd);
        EXPECT_EQ(r.boxes.text("resposta1"), c.resposta1);
        EXPECT_EQ(r.boxes.text("R_RdNt"), c.RdNt);
        EXPECT_EQ(r.boxes.text("Resposta2"), c.Resposta2);
        EXPECT_EQ(r.boxes.text("R_espa"), c.espa);
        EXPECT_TRUE(r.messages.shown.empty());
    }
}

// ---- Spacing of the spacers ---------------------------------------------------------

struct SpacingCase {
    WindowKind kind;
    const char* name;
    PairInput in;
    const char* espa;
};

// rz = 2 (A1), 2,2 (B1). Radii from kProperties.
const SpacingCase kSpacing[] = {
    // T: compression rz·max(λx, λy) = 2·max(100, 67,27) = 200.
    {WindowKind::LT_Laminado,
     "T_compression",
     {.Nd = "-10", .Lflx = "300", .Lfly = "300"},
     "200,00"},
    // λx = 1000/3 = 333,33 (slender): 2·333,333 = 666,667; tension 480 is smaller.
    {WindowKind::LT_Laminado,
     "T_long_compression_beats_tension",
     {.Nd = "-10", .Ntd = "10", .Lflx = "1000", .Lfly = "300"},
     "666,67"},
    // One length is enough for the T window: 2·300/4,45982062419555 = 134,534558799263.
    {WindowKind::LT_Laminado, "T_one_length", {.Nd = "-10", .Lflx = "0", .Lfly = "300"}, "134,53"},
    {WindowKind::LT_Laminado, "T_no_length", {.Nd = "-10"}, "0,00"},
    // U: rz·min(λx, λy) = 2·300/8,26377637645163 = 72,6060305443107, either force.
    {WindowKind::LU_Laminado,
     "U_compression",
     {.Nd = "-10", .Lflx = "300", .Lfly = "300"},
     "72,61"},
    {WindowKind::LU_Laminado, "U_tension", {.Nd = "10", .Lflx = "300", .Lfly = "300"}, "72,61"},
    {WindowKind::LU_Laminado, "U_tension_no_length", {.Nd = "10"}, "0,00"},
    {WindowKind::LU_Laminado, "U_no_force", {.Lflx = "300", .Lfly = "300"}, "0,00"},
    // X: tension 240·2 = 480; compression rz·max(λx, λy) = 2·max(300/3, 300/√14 = 80,18)
    // = 200 (against max(λy, Lfly/rz) it would always be Lfly = 300: no spacer).
    {WindowKind::LX_Laminado, "X_tension", {.Nd = "10", .Lflx = "300", .Lfly = "300"}, "480,00"},
    {WindowKind::LX_Laminado,
     "X_compression",
     {.Nd = "-10", .Lflx = "300", .Lfly = "300"},
     "200,00"},
    // λy governs: 2·max(100/3, 600/√14 = 160,357) = 320,71.
    {WindowKind::LX_Laminado,
     "X_compression_y_governs",
     {.Nd = "-10", .Lflx = "100", .Lfly = "600"},
     "320,71"},
    {WindowKind::LX_Laminado, "X_compression_one_length", {.Nd = "-10", .Lfly = "300"}, "0,00"},
    // T of two widths: tension 240·2,2 = 528; compression
    // 2,2·max(300/4,78713553878169, 300/4,09186184191663) = 161,295768405234.
    {WindowKind::L2T_Ma_Laminado, "2T_Ma_tension", {.Nd = "10"}, "528,00"},
    {WindowKind::L2T_Ma_Laminado,
     "2T_Ma_compression",
     {.Nd = "-10", .Lflx = "300", .Lfly = "300"},
     "161,30"},
    // Both lengths needed: one zero gives 0.
    {WindowKind::L2T_Ma_Laminado,
     "2T_Ma_compression_one_length",
     {.Nd = "-10", .Lfly = "300"},
     "0,00"},
    // Me: 2,2·max(300/2,88675134594813, 300/7,21641646987386) = 228,630706599092.
    {WindowKind::L2T_Me_Laminado,
     "2T_Me_compression",
     {.Nd = "-10", .Lflx = "300", .Lfly = "300"},
     "228,63"},
    // U of two widths: 2,2·min(λx, λy). Ma: 2,2·300/8,5990309531559 = 76,7528345455921.
    {WindowKind::L2U_Ma_Laminado,
     "2U_Ma_tension",
     {.Nd = "10", .Lflx = "300", .Lfly = "300"},
     "76,75"},
    // Me: 2,2·300/11,6308497826542 = 56,7456387395098.
    {WindowKind::L2U_Me_Laminado,
     "2U_Me_compression",
     {.Nd = "-10", .Lflx = "300", .Lfly = "300"},
     "56,75"},
    {WindowKind::L2U_Me_Laminado, "2U_Me_tension_no_length", {.Nd = "10"}, "0,00"},
};

TEST(AnglePairSpacing, EveryRule) {
    for (const SpacingCase& c : kSpacing) {
        SCOPED_TRACE(c.name);
        AngleRun r = run_pair(c.kind, c.in);
        ASSERT_TRUE(r.completed);
        EXPECT_EQ(r.boxes.text("R_espa"), c.espa);
    }
}

TEST(AnglePairSpacing, RefusalStillRunsTheSpacingAndTheTension) {
    // T window, Lflx = 0: compression refused (message, flag) but the tension
    // and the spacing run: max(2·300/4,4598 = 134,53, 480) = 480.
    AngleRun r =
        run_pair(WindowKind::LT_Laminado, {.Nd = "-10", .Ntd = "1000", .Lflx = "0", .Lfly = "300"});
    ASSERT_TRUE(r.completed);
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0], kRefusalText);
    EXPECT_EQ(r.state.invalid_length, 1);
    EXPECT_EQ(r.boxes.text("R_RdNd"), "0,00");
    EXPECT_EQ(r.boxes.text("resposta1"), "");
    EXPECT_EQ(r.boxes.text("R_RdNt"), "1800,00");
    EXPECT_EQ(r.boxes.text("Resposta2"), "Ok!");
    EXPECT_NEAR_REL(134.534558799263, r.state.ac, 1e-12);
    EXPECT_EQ(r.boxes.text("R_espa"), "480,00");

    // Every one-force pair: refusal, flag, and the spacing step still ran.
    for (WindowKind kind :
         {WindowKind::LU_Laminado, WindowKind::LX_Laminado, WindowKind::L2T_Ma_Laminado,
          WindowKind::L2T_Me_Laminado, WindowKind::L2U_Ma_Laminado, WindowKind::L2U_Me_Laminado}) {
        SCOPED_TRACE(checks::descriptor(kind).class_name);
        AngleRun one = run_pair(kind, {.Nd = "-10", .Lflx = "300", .Lfly = "0"});
        ASSERT_TRUE(one.completed);
        ASSERT_EQ(one.messages.shown.size(), 1u);
        EXPECT_EQ(one.messages.shown[0], kRefusalText);
        EXPECT_EQ(one.state.invalid_length, 1);
        EXPECT_EQ(one.boxes.text("R_RdNd"), "0,00");
        EXPECT_TRUE(one.state.ran_spacing);
        // min(λx, 0) = 0 in the U windows; a missing length gives 0 elsewhere.
        EXPECT_EQ(one.boxes.text("R_espa"), "0,00");
    }
}

// ---- Messages ------------------------------------------------------------------

struct SpacerCase {
    WindowKind kind;
    const char* name;
    const char* tf;
    const char* e;
    bool warned;
};
const SpacerCase kSpacer[] = {
    {WindowKind::LX_Laminado, "X_e2_tf3", "3", "2", true},
    {WindowKind::LT_Laminado, "T_e2_tf3", "3", "2", true},
    {WindowKind::LT_Laminado, "T_no_spacer", "3", "0", false},
    {WindowKind::LT_Laminado, "T_spacer_as_thick_as_the_leg", "3", "3", false},
    {WindowKind::LU_Laminado, "U_never", "3", "2", false},
    {WindowKind::L2T_Ma_Laminado, "2T_Ma_e2_tf3", "3", "2", true},
    {WindowKind::L2T_Me_Laminado, "2T_Me_e2_tf3", "3", "2", true},
    {WindowKind::L2T_Ma_Laminado, "2T_Ma_no_spacer", "3", "0", false},
    {WindowKind::LX_Laminado, "X_no_spacer", "3", "0", false},
    {WindowKind::L2U_Ma_Laminado, "2U_Ma_never", "3", "2", false},
    {WindowKind::L2U_Me_Laminado, "2U_Me_never", "3", "2", false},
};

TEST(AnglePairMessages, SpacerWarning) {
    for (const SpacerCase& c : kSpacer) {
        SCOPED_TRACE(c.name);
        AngleRow row = equal_legs(c.kind) ? kA1 : kB1;
        row["TF"] = c.tf;
        AngleRun r = run_pair(c.kind, {.Nd = "-10", .Lflx = "100", .Lfly = "100", .e = c.e}, &row);
        ASSERT_TRUE(r.completed);
        if (c.warned) {
            ASSERT_EQ(r.messages.shown.size(), 1u);
            EXPECT_EQ(r.messages.shown[0], kSpacerText);
        } else {
            EXPECT_TRUE(r.messages.shown.empty());
        }
        EXPECT_EQ(r.state.spacer_warning, c.warned);
        // The Qa leg's limit: 0,44·20 = 8,8 with a spacer or in the cross,
        // 0,55·20 = 11 without one.
        const bool wide_limit = std::string(c.e) == "0" && c.kind != WindowKind::LX_Laminado;
        EXPECT_NEAR_REL(wide_limit ? 11.0 : 8.8, r.state.qa_limit, 1e-12);
        // The check completes after the advice.
        EXPECT_NE(r.boxes.text("R_RdNd"), "0,00");
        EXPECT_NE(r.boxes.text("resposta1"), "");
    }
}

TEST(AnglePairMessages, SlendernessShownOnceForTwoAxes) {
    // A1 in TLU: λx = 900/3 = 300, λy = 2000/8,2638 = 242: both over 200.
    AngleRun r = run_pair(WindowKind::LU_Laminado, {.Nd = "-10", .Lflx = "900", .Lfly = "2000"});
    ASSERT_TRUE(r.completed);
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0], kSlendernessText);
    EXPECT_NE(r.boxes.text("R_RdNd"), "0,00");
}

TEST(AnglePairMessages, NoForceLeavesEverythingAtZero) {
    for (WindowKind kind : kTwoLegPairs) {
        SCOPED_TRACE(checks::descriptor(kind).class_name);
        AngleRun r = run_pair(kind, {.Lflx = "300", .Lfly = "300"});
        EXPECT_EQ(r.boxes.text("R_RdNd"), "0,00");
        EXPECT_EQ(r.boxes.text("resposta1"), "");
        EXPECT_EQ(r.boxes.text("R_espa"), "0,00");
        EXPECT_FALSE(r.state.ran_spacing);
        EXPECT_TRUE(r.messages.shown.empty());
    }
}

TEST(AnglePairMessages, NumericFaultOfTheCross) {
    // rz larger than √2·rx: ry = √(2·9 − 25) has no real value.
    AngleRow row = kA1;
    row["RZ"] = "5";
    AngleRun r = run_pair(WindowKind::LX_Laminado, {.Nd = "-10"}, &row);
    EXPECT_FALSE(r.completed);
    ASSERT_EQ(r.messages.shown.size(), 1u);
    EXPECT_EQ(r.messages.shown[0], "Invalid floating point operation");
    EXPECT_EQ(r.boxes.text("R_espa"), "0,00");
}

}  // namespace
}  // namespace quintaro::testing
