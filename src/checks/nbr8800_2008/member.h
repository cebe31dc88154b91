#pragma once

#include <optional>

#include "checks/nbr8800_2008/bending.h"
#include "checks/nbr8800_2008/buckling.h"
#include "checks/nbr8800_2008/combined.h"
#include "checks/nbr8800_2008/local_buckling.h"
#include "checks/nbr8800_2008/notices.h"
#include "checks/nbr8800_2008/shear.h"
#include "checks/nbr8800_2008/slender_web.h"
#include "checks/nbr8800_2008/tension.h"

// The NBR 8800:2008 check of the rolled I, rolled H, rolled channel and
// welded I members: tension or compression, shear, bending about x and y and
// the interaction, from the values the window reads into the record of every
// quantity and decision.
namespace quintaro::checks::nbr2008 {

enum class MemberKind { RolledI, RolledH, Channel, Welded };

// Everything one check reads. Units as the catalogue gives them.
struct MemberInput {
    MemberKind kind = MemberKind::RolledI;
    Material steel;
    // Plates, mm.
    double d = 0.0, bf = 0.0, tw = 0.0, tf = 0.0;
    // Web height of the web checks, mm; 0 takes d − 2·tf (the catalogues give
    // no fillet radius; without it the web is taken a little more slender).
    double h = 0.0;
    // Catalogue values, unused for the welded I (formed from the plates):
    // cm², cm⁴, cm³; Zx and Zy unused for the channel (formed from the plates).
    double Ag = 0.0, Ix = 0.0, Iy = 0.0, Wx = 0.0, Wy = 0.0, Zx = 0.0, Zy = 0.0, IT = 0.0;
    double x = 0.0;  // channel: centroid from the back of the web, cm
    // Buckling lengths and unbraced length, cm. KzLz: nullopt takes Lb (KyLy
    // when Lb is 0); 0 means torsion restrained.
    double KxLx = 0.0, KyLy = 0.0;
    std::optional<double> KzLz;
    double Lb = 0.0;
    double Cb = 1.0;
    double Ct = 1.0;
    std::optional<double> An;  // cm²; nullopt: An = Ag
    bool second_order_included = false;
    // Actions: Nd positive in tension, negative in compression (kN); Vd (kN);
    // Mdx, Mdy (kN·cm). Only the magnitude of Vd, Mdx, Mdy counts.
    double Nd = 0.0, Vd = 0.0, Mdx = 0.0, Mdy = 0.0;
};

// The section as checked, cm units.
struct MemberSection {
    double d = 0.0, bf = 0.0, tw = 0.0, tf = 0.0, h = 0.0;
    double Ag = 0.0, Ix = 0.0, Iy = 0.0, Wx = 0.0, Wy = 0.0, Zx = 0.0, Zy = 0.0;
    double J = 0.0, Cw = 0.0;
    double rx = 0.0, ry = 0.0;
    double x0 = 0.0;  // channel: shear centre from the centroid, along x
    double h_tw = 0.0;
    double flange_b_t = 0.0;  // bf/2tf, or bf/tf for the channel
    double kc = 1.0;          // welded I only (Annex F, F.2 c)
};

enum class BendingLimit { FLT, FLM, FLA, TensionFlange };

struct AxisBendingResult {
    Outcome outcome = Outcome::NotRun;
    double Md = 0.0;  // magnitude
    double Z = 0.0, W = 0.0, Mpl = 0.0;
    double cap = 0.0;  // 1,50·W·fy/γa1
    LimitStateResult flt, flm, fla;
    bool slender_web = false;  // Annex H in place of FLT, FLM, FLA
    SlenderWebResult annex_h;
    BendingLimit governing = BendingLimit::FLA;
    double MRd = 0.0;
    bool capped = false;  // the 5.4.2.2 cap governed
    double ratio = 0.0;
};

// The result rows of the member windows.
enum class MemberRow { Axial, Shear, BendingX, BendingY, Combined };

struct MemberResult {
    MemberSection section;
    TensionResult tension;
    CompressionResult compression;
    QsResult flange_qs;  // Annex F, compression only
    QaResult web_qa;
    double chi_web = 1.0;  // χ with Q = 1: σ = χ·fy of the web's effective width
    ShearResult shear;
    AxisBendingResult bx, by;
    CombinedResult combined;
    Notices notices;
    // The row with the largest ratio among the checks made (a combined check
    // failed without ratio governs).
    bool has_governing = false;
    MemberRow governing = MemberRow::Axial;
    double governing_ratio = 0.0;
};

MemberResult check_member(const MemberInput& in);

// The parts of the check, for the tests and the report.
MemberSection member_section(const MemberInput& in);
void member_compression(const MemberInput& in, MemberResult& out);

}  // namespace quintaro::checks::nbr2008
