#pragma once

#include <string_view>

#include "checks/boxes.h"
#include "checks/frame.h"
#include "checks/nbr8800_1986/local_buckling.h"
#include "checks/nbr8800_1986/tension.h"

// The check of the angle windows: one rolled angle, or a pair of angles
// joined by spacers, under axial force only. One procedure (tension, or
// compression with the local-buckling factor and column curve c, then the
// spacing of the spacers) with the few settings in which the nine windows
// differ held in an AngleRules value; the working state keeps every quantity
// by the symbol the formulas and the calculation report use, and every branch
// the formulas took. The formulas are those of nbr8800_1986/; the symbols are
// listed in GLOSSARY.md.
namespace quintaro::checks {

// How the section is composed from the values of one angle.
enum class AngleSection {
    SingleEqual,     // one equal-leg angle: Ix' = Iy' from R_Ixy, rx = rz
    SingleUnequal,   // one angle with legs d and bf: Ix' from R_Ix, Iy' from R_Iy
    PairBackToBack,  // two angles, backs facing across the gap e: s = c + e/2
    PairToeToToe,    // two angles, tips facing across the gap e: s = leg + e/2 − c
    PairCross,       // two equal angles heel to heel, axes along the diagonals
};

// A leg of the angle: bf, or d (the second leg of the two-width table).
enum class Leg { bf, d };

// How the largest spacing of the spacers is found.
enum class SpacingRule {
    None,         // single angle
    LargerAxis,   // tension 240·rz; compression rz·max(λx, λy)
    SmallerAxis,  // rz·min(λx, λy) under either force
};

// Everything in which the angle windows differ.
struct AngleRules {
    AngleSection section = AngleSection::SingleEqual;
    // True for the equal-leg table (R_Ixy, R_xy); false for the table of two
    // leg widths (R_d, R_Ix, R_Iy, R_x).
    bool equal_legs = true;
    // The leg from the tip of which a toe-to-toe pair measures s.
    Leg toe_leg = Leg::bf;
    // Separate compression (R_Nd) and tension (R_Ntd) forces instead of one
    // signed force.
    bool two_forces = false;
    // Single angle of two widths: Q of both legs, the smaller governs.
    bool both_legs_q = false;
    // Pairs: the leg judged as unstiffened (Qs) and the leg given an
    // effective width (Qa).
    Leg qs_leg = Leg::bf;
    Leg qa_leg = Leg::bf;
    // Slenderness limit of the Qa leg, in units of √(E/fy), with no spacer
    // (e = 0); with a spacer it is always 0,44.
    double qa_limit_without_spacer = nbr8800_1986::kContinuousLegLimit;
    // Legs taken off the area by the effective width: Aef = Ag − k·(b − bef)·tf.
    int k = 1;
    // "e < tf" warning about thin spacers.
    bool spacer_warning = false;
    SpacingRule spacing = SpacingRule::None;
    // A compression spacing needs both buckling lengths (else it is 0).
    bool spacing_needs_both_lengths = false;
    // R_Peso is read (and kept for the report).
    bool reads_weight = false;
};

// Working state of one angle window. Units: mm for bf, tf, d, e, bef; cm², cm⁴,
// cm; kN, kN/cm².
struct AngleState : WorkingState {
    // Values of one angle as read (absolute values).
    double Ag1 = 0.0;  // gross area of one angle
    double bf = 0.0, tf = 0.0, d = 0.0;
    double Ix1 = 0.0, Iy1 = 0.0;  // Ix', Iy': about the axes parallel to the legs
    double c = 0.0;               // centroid to the back of a leg (x, xy), cm
    double rz = 0.0;              // least radius of gyration of one angle
    double P = 0.0;               // weight per metre of one angle, kgf/m
    double e = 0.0;               // spacer thickness, mm

    // Section checked: the single angle about its principal axes (x minor,
    // y major), or the pair about its own axes.
    double Ag = 0.0;
    double s = 0.0;  // pair: distance from the axis Y to the centroid of one angle, cm
    double Ix = 0.0, Iy = 0.0;
    double rx = 0.0, ry = 0.0;

    // Inputs: lengths (absolute) and forces (signed). With two forces Nd is
    // the compression Ncd and Nt the tension Ntd; with one force Nt stays 0.
    double Lflx = 0.0, Lfly = 0.0;
    double Nd = 0.0, Nt = 0.0;

    bool spacer_warning = false;
    bool ran_tension = false;
    bool ran_compression = false;
    bool ran_spacing = false;

    // Tension.
    double Rd1 = 0.0;   // 0,9·Ag·fy
    double Rd2 = 0.0;   // 0,75·Ag·fu
    double Rd_t = 0.0;  // the smaller: the tension result the search compares
    nbr8800_1986::TensionLimit tension_limit = nbr8800_1986::TensionLimit::Yield;

    // Compression.
    double lx = 0.0, ly = 0.0, lz = 0.0;  // λ; λz for the single angle only
    bool slenderness_warning = false;
    double Q_bf = 0.0, Q_d = 0.0;  // single angle: Q of each leg (Q_d of two widths only)
    Range Q_bf_range = Range::Full, Q_d_range = Range::Full;
    double Qs = 0.0;  // pairs: unstiffened leg
    Range Qs_range = Range::Full;
    double Qa = 0.0;               // pairs: effective-width leg
    double qa_ratio = 0.0;         // b/tf of the Qa leg
    double qa_limit_factor = 0.0;  // c of its limit: 0,55 or 0,44
    double qa_limit = 0.0;         // its limit, c·√(E/fy)
    bool qa_reduced = false;       // the ratio passed the limit: bef taken
    double bef = 0.0;              // mm; only when the ratio exceeds the limit
    bool bef_capped = false;       // bef came out wider than the leg
    double Aef = 0.0;
    double Q = 0.0;
    double lx2 = 0.0, ly2 = 0.0, lz2 = 0.0;                        // λ̄
    char curve = ' ';                                              // the column curve of every axis
    double alpha = 0.0;                                            // its α
    bool plateau_x = false, plateau_y = false, plateau_z = false;  // λ̄ ≤ 0,2: ρ = 1
    double Bx = 0.0, By = 0.0, Bz = 0.0;                           // β (0 where λ̄ ≤ 0,2)
    double rox = 0.0, roy = 0.0, roz = 0.0;                        // ρ
    double ro = 0.0;
    double Rd_c = 0.0;  // negative: the compression result the search compares

    // Spacing of the spacers, cm.
    double ac = 0.0;  // under compression
    double at = 0.0;  // under tension
    double espa = 0.0;
};

// The rules of each window.
extern const AngleRules kSingleEqualRules;    // TL_Laminado
extern const AngleRules kSingleUnequalRules;  // TL2_Laminado
extern const AngleRules kPairTRules;          // TLT_Laminado
extern const AngleRules kPairURules;          // TLU_Laminado
extern const AngleRules kPairXRules;          // TLX_Laminado
extern const AngleRules kPair2TMaRules;       // TL2T_Ma_Laminado
extern const AngleRules kPair2TMeRules;       // TL2T_Me_Laminado
extern const AngleRules kPair2UMaRules;       // TL2U_Ma_Laminado
extern const AngleRules kPair2UMeRules;       // TL2U_Me_Laminado

// Result rows of the angle windows.
inline constexpr ResultRow kAngleAxialRow{"R_RdNd", "resposta1"};
inline constexpr ResultRow kAngleTensionRow{"R_RdNt", "Resposta2"};
// The spacing has no verdict field.
inline constexpr std::string_view kSpacingBox = "R_espa";

// Messages of the angle windows, as the user reads them.
inline constexpr std::string_view kAngleLengthMessage =
    "Não é possível dimensionar o\n      perfil a compressão!\nComprimento(os) inválido(os)!";
inline constexpr std::string_view kSpacerMessage =
    "Espessura dos espaçadores é menor\n      que a espessura das abas (e<tf).\n"
    "Recomenda-se aumentar a espessura\n           dos espaçadores (e)!";

// "Calcular" of an angle window.
void check_angle(const AngleRules& rules, Boxes& boxes, Messages& messages, AngleState& state);

}  // namespace quintaro::checks
