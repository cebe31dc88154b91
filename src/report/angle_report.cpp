#include "report/angle_report.h"

#include <cmath>
#include <string>
#include <string_view>

#include "checks/nbr8800_1986/compression.h"
#include "checks/nbr8800_1986/local_buckling.h"
#include "checks/units.h"
#include "report/writer.h"

namespace quintaro::report {
namespace {

using checks::AngleRules;
using checks::AngleSection;
using checks::AngleState;
using checks::Leg;
using checks::Range;
using checks::WindowKind;
using detail::constant;
using detail::n;
using detail::n8;
namespace nbr = checks::nbr8800_1986;

// How the section properties are listed and derived.
enum class Properties {
    SingleEqual,    // principal Ix, Iy and the radii
    SingleUnequal,  // the same with d, rz, the weight and h = d
    PairT,          // one angle, then Ix = 2·Ix', Iy with the centroid distance x
    PairU,          // Iy measured from the tip of the leg
    PairX,          // rx from one angle, ry from rx and rz
    PairTwoWidthsT,
    PairTwoWidthsU,
};

// Everything in which the nine angle reports differ.
struct AngleTexts {
    WindowKind kind;
    std::string_view title;
    const AngleRules* rules;
    Properties properties;
    // Tension compared as "Rd(Nt) >= Ntd" (the window with two forces).
    bool tension_nt;
    // The leg given an effective width is written "h" (= d) in the windows
    // of two widths.
    bool qa_leg_as_h;
};

constexpr std::string_view kEqualTitle = "Dimensionamento Perfil L Laminado(abas iguais)";
constexpr std::string_view kUnequalTitle = "Dimensionamento Perfil L Laminado (abas desiguais)";
constexpr std::string_view kPairTitle =
    "Dimensionamento Perfil L Laminado Combinados (abas iguais)";

const AngleTexts kAngleTexts[] = {
    {WindowKind::L_Laminado, kEqualTitle, &checks::kSingleEqualRules, Properties::SingleEqual,
     false, false},
    {WindowKind::L2_Laminado, kUnequalTitle, &checks::kSingleUnequalRules,
     Properties::SingleUnequal, false, true},
    {WindowKind::LT_Laminado, kPairTitle, &checks::kPairTRules, Properties::PairT, true, false},
    {WindowKind::LU_Laminado, kPairTitle, &checks::kPairURules, Properties::PairU, false, false},
    {WindowKind::LX_Laminado, kPairTitle, &checks::kPairXRules, Properties::PairX, false, false},
    {WindowKind::L2T_Ma_Laminado, kUnequalTitle, &checks::kPair2TMaRules,
     Properties::PairTwoWidthsT, false, true},
    {WindowKind::L2T_Me_Laminado, kUnequalTitle, &checks::kPair2TMeRules,
     Properties::PairTwoWidthsT, false, true},
    {WindowKind::L2U_Ma_Laminado, kUnequalTitle, &checks::kPair2UMaRules,
     Properties::PairTwoWidthsU, false, true},
    {WindowKind::L2U_Me_Laminado, kUnequalTitle, &checks::kPair2UMeRules,
     Properties::PairTwoWidthsU, false, true},
};

bool is_pair(const AngleTexts& t) {
    return t.properties != Properties::SingleEqual && t.properties != Properties::SingleUnequal;
}

class AngleReport : public detail::Writer {
  public:
    AngleReport(const AngleTexts& texts, const AngleState& state, ReportSink& sink)
        : Writer(sink, false), st_(state), s_(state.steel), t_(texts), r_(*texts.rules) {}

    void write() {
        sink_.show();
        opening(t_.title, s_);
        properties();
        subheading("Comprimentos de Flambagem");
        put("Lflx = " + n(st_.Lflx) + " cm");
        put("Lfly = " + n(st_.Lfly) + " cm");
        empty();
        subheading("Esforços Solicitantes");
        put("Nd = " + n(st_.Nd) + " kN");
        if (r_.two_forces)
            put("Nt = " + n(st_.Nt) + " kN");
        empty();
        if (st_.ran_tension)
            tension();
        if (st_.ran_compression)
            compression();
        if (is_pair(t_))
            put("Espaçadores no máximo a cada " + n(st_.espa) + " cm");
    }

  private:
    // The symbol of a leg in the formulas.
    std::string leg_symbol(Leg leg, bool as_h) const {
        if (leg == Leg::bf)
            return "bf";
        return as_h ? "h" : "d";
    }
    double leg_value(Leg leg) const { return leg == Leg::bf ? st_.bf : st_.d; }

    void radius(std::string_view r, std::string_view I, double Ivalue, double Ag, double value,
                std::string_view area = "Ag") {
        const std::string rs(r), Is(I), As(area);
        put(rs + " = raiz(" + Is + "/" + As + ")");
        put(rs + " = raiz(" + n(Ivalue) + "/" + n(Ag) + ")");
        put(rs + " = " + n(value) + " cm");
        empty();
    }

    void h_step() {
        put("h = d");
        put("h = " + n8(st_.d));
        put("h = " + n(st_.d) + " mm");
        empty();
    }

    void properties() {
        subheading("Propriedades geométricas do perfil");
        put("Perfil " + st_.designation);
        switch (t_.properties) {
            case Properties::SingleEqual:
                put("bf = " + n8(st_.bf) + " mm");
                put("tf = " + n8(st_.tf) + " mm");
                put("Ag = " + n(st_.Ag) + " cm²");
                put("Ix = " + n(st_.Ix) + " cm4");
                put("Iy = " + n(st_.Iy) + " cm4");
                empty();
                put("Observação: Ix e Iy são os eixos principais de inêrcia!");
                radius("rx", "Ix", st_.Ix, st_.Ag, st_.rx);
                radius("ry", "Iy", st_.Iy, st_.Ag, st_.ry);
                return;
            case Properties::SingleUnequal:
                put("bf = " + n8(st_.bf) + " mm");
                put("tf = " + n8(st_.tf) + " mm");
                put("d = " + n8(st_.d) + " mm");
                put("Ag = " + n(st_.Ag) + " cm²");
                put("Ix = " + n(st_.Ix) + " cm4");
                put("Iy = " + n(st_.Iy) + " cm4");
                put("Obs.: Momentos de inêrcia dos eixos principais!");
                put("rz = " + n(st_.rz) + " cm");
                put("Peso = " + n8(st_.P) + " kgf/m");
                empty();
                h_step();
                radius("rx", "Ix", st_.Ix, st_.Ag, st_.rx);
                radius("ry", "Iy", st_.Iy, st_.Ag, st_.ry);
                return;
            default:
                pair_properties();
                return;
        }
    }

    void pair_properties() {
        const bool two_widths = t_.properties == Properties::PairTwoWidthsT ||
                                t_.properties == Properties::PairTwoWidthsU;
        put("Dados de uma única cantoneira");
        put("bf = " + n8(st_.bf) + " mm");
        put("tf = " + n8(st_.tf) + " mm");
        if (two_widths)
            put("d = " + n8(st_.d) + " mm");
        put("Ag´ = " + n(st_.Ag1) + " cm²");
        put("Ix´ = " + n(st_.Ix1) + " cm4");
        if (t_.properties != Properties::PairX)
            put("Iy´ = " + n(st_.Iy1) + " cm4");
        if (t_.properties == Properties::PairX) {
            put("rz = " + n(st_.rz) + " cm");
            put("e = " + n(checks::units::mm_to_cm(st_.e)) + " cm");
        } else if (two_widths) {
            put("rz = " + n(st_.rz) + " cm");
            put("x = " + n(st_.c) + " cm");
            put("esp = " + n(st_.e) + " mm");
            put("Peso = " + n8(st_.P) + " kgf/m");
        } else {
            put("x = " + n(st_.c) + " cm");
            put("rz = " + n(st_.rz) + " cm");
            put("e = " + n(st_.e) + " mm");
        }
        empty();
        if (two_widths)
            h_step();

        put("Dados do conjuto");
        put("Ag = 2*Ag´");
        put("Ag = 2*" + n(st_.Ag1));
        put("Ag = " + n(st_.Ag) + " cm²");
        empty();
        if (t_.properties == Properties::PairX) {
            // The diagonal axes of the cross: rx of one angle about its
            // legs' axis, ry from rx and rz.
            radius("rx", "Ix´", st_.Ix1, st_.Ag1, st_.rx, "Ag´");
            put("ry = raiz(2*rx²-rz²)");
            put("ry = raiz(2*" + n(st_.rx) + "²-" + n(st_.rz) + "²)");
            put("ry = " + n(st_.ry) + " cm");
            empty();
            return;
        }
        put("Ix = 2*Ix´");
        put("Ix = 2*" + n(st_.Ix1));
        put("Ix = " + n(st_.Ix) + " cm4");
        empty();
        const std::string Iy1 = n(st_.Iy1), Ag1 = n(st_.Ag1), c = n(st_.c), e = n(st_.e);
        if (r_.section == AngleSection::PairBackToBack) {
            put("Iy = 2*(Iy´+(Ag´*(x+((esp/10)/2))²))");
            put("Iy = 2*(" + Iy1 + "+(" + Ag1 + "*(" + c + "+((" + e + "/10)/2))²))");
        } else {
            // Toe to toe: the centroid measured from the tip of the leg
            // that faces the gap.
            const std::string toe = leg_symbol(r_.toe_leg, false);
            put("Iy = 2*(Iy1+(Ag1*(((" + toe + "/10)+((esp/10)/2))-x)²))");
            put("Iy = 2*(" + Iy1 + "+(" + Ag1 + "*(((" + n8(leg_value(r_.toe_leg)) + "/10)+((" + e +
                "/10)/2))-" + c + ")²))");
        }
        put("Iy = " + n(st_.Iy) + " cm4");
        empty();
        radius("rx", "Ix", st_.Ix, st_.Ag, st_.rx);
        radius("ry", "Iy", st_.Iy, st_.Ag, st_.ry);
    }

    void tension() {
        const std::string Rd = t_.tension_nt ? "Rd(Nt)" : "Rd(Nd)";
        const double N = t_.tension_nt ? st_.Nt : st_.Nd;
        heading("Verificação do Esforço de Tração");
        put("Escoamento da seção bruta");
        put("ft = 0,9");
        put(Rd + " = ft*Ag*fy");
        put(Rd + " = 0,9*" + n(st_.Ag) + "*" + n8(s_.fy));
        put(Rd + " = " + n(st_.Rd1) + " kN");
        empty();
        put("Ruptura da seção líquida");
        put("ft = 0,75");
        put(Rd + " = ft*Ag*fu");
        put(Rd + " = 0,75*" + n(st_.Ag) + "*" + n8(s_.fu));
        put(Rd + " = " + n(st_.Rd2) + " kN");
        empty();
        put("Adota-se para " + Rd + " o menor valor das duas verificações");
        put(Rd + " = " + n(st_.Rd_t) + " kN");
        empty();
        verdict(t_.tension_nt ? "Rd(Nt) >= Ntd" : "Rd(Nd) >= Nd",
                n(st_.Rd_t) + " kN >= " + n(N) + " kN",
                detail::passed(
                    st_, (r_.two_forces ? checks::kAngleTensionRow : checks::kAngleAxialRow).box));
    }

    void slenderness(std::string_view l, std::string_view L, double length, std::string_view r,
                     double radius_value, double value) {
        const std::string ls(l), Ls(L), rs(r);
        put(ls + " = " + Ls + "/" + rs);
        put(ls + " = " + n(length) + "/" + n(radius_value));
        put(ls + " = " + n(value));
        empty();
    }

    // The local-buckling factor of an unstiffened leg, in the three ranges of
    // b/tf against √(E/fy).
    void leg_factor(std::string_view Q, std::string_view b, double b_value, double value,
                    Range range) {
        const std::string Qs(Q), bs(b);
        const std::string E = n(s_.E), fy = n8(s_.fy), bv = n8(b_value), tf = n8(st_.tf);
        const std::string full = constant(nbr::kAngleLeg.full, 2) + "*raiz(E/fy)";
        const std::string elastic = constant(nbr::kAngleLeg.elastic, 2) + "*raiz(E/fy)";
        if (range == Range::Full) {
            put(bs + "/tf <= " + full);
            put(Qs + " =1");
            empty();
        } else if (range == Range::Inelastic) {
            put(full + " < " + bs + "/tf <= " + elastic);
            put(Qs + " = 1,34-(0,77*(" + bs + "/tf)*raiz(fy/E))");
            put(Qs + " = 1,34-(0,77*(" + bv + "/" + tf + ")*raiz(" + fy + "/" + E + "))");
            put(Qs + " = " + n(value));
            empty();
        } else {
            put(bs + "/tf > " + elastic);
            put(Qs + " = 0,52*E/(fy*(" + bs + "/tf)²)");
            put(Qs + " = 0,52*" + E + "/(" + fy + "*(" + bv + "/" + tf + ")²)");
            put(Qs + " = " + n(value));
            empty();
        }
    }

    // Qa: the effective width of the leg the spacers stiffen.
    void effective_width() {
        const std::string b = leg_symbol(r_.qa_leg, t_.qa_leg_as_h);
        const double b_value = leg_value(r_.qa_leg);
        // The limit the check used: 0,44·√(E/fy) with a spacer, the
        // window's own without one.
        const std::string limit = n(st_.qa_limit_factor) + "*raiz(E/fy)";
        if (!st_.qa_reduced) {
            put(b + "/tf <= " + limit);
            put("Qa =1");
            empty();
            return;
        }
        const std::string fy = n8(s_.fy), tf = n8(st_.tf), bv = n8(b_value);
        put(b + "/tf > " + limit);
        put("bef = (862*tf)/raiz(fy*10)*(1-(152/((" + b + "/tf)*raiz(fy*10)))) <= " + b);
        put("bef = (862*" + tf + ")/raiz(" + fy + "*10)*(1-(152/((" + bv + "/" + tf + ")*raiz(" +
            fy + "*10))))");
        put("bef = " + n(st_.bef) + " mm");
        empty();
        const bool doubled = r_.k == 2;  // both outstanding legs lose their width
        if (doubled) {
            put("Aef = Ag-(2*(" + b + "-bef)*tf)/100");
            put("Aef = " + n(st_.Ag) + "-(2*(" + bv + "-" + n(st_.bef) + ")*" + tf + ")/100");
        } else {
            put("Aef = Ag-((" + b + "-bef)*tf)/100");
            put("Aef = " + n(st_.Ag) + "-((" + bv + "-" + n(st_.bef) + ")*" + tf + ")/100");
        }
        put("Aef = " + n(st_.Aef) + " cm²");
        empty();
        put("Qa =Aef/Ag");
        put("Qa =" + n(st_.Aef) + "/" + n(st_.Ag));
        put("Qa = " + n(st_.Qa));
        empty();
    }

    void reduced(std::string_view l2, std::string_view l, double l_value, double value) {
        const std::string l2s(l2), ls(l);
        put(l2s + " = (1/pi)*" + ls + "*raiz(Q*fy/E);");
        put(l2s + " = (1/pi)*" + n(l_value) + "*raiz(" + n(st_.Q) + "*" + n8(s_.fy) + "/" +
            n(s_.E) + ");");
        put(l2s + " = " + n(value));
        empty();
    }

    void compression() {
        const bool single = !is_pair(t_);
        heading("Verificação do Esforço de Compressão");
        put("Verificação da esbeltez do elemento (Item 5.3.5 NBR8800/88)");
        slenderness("lx", "Lflx", st_.Lflx, "rx", st_.rx, st_.lx);
        slenderness("ly", "Lfly", st_.Lfly, "ry", st_.ry, st_.ly);
        // The single angle buckles once more about its least axis with Lfly.
        if (single)
            slenderness("lz", "Lfly", st_.Lfly, "rz", st_.rz, st_.lz);
        const std::string limit = constant(nbr::kSlendernessLimit, 0);
        put("lx e ly <= " + limit);
        put(n(st_.lx) + " e " + n(st_.ly) + " <= " + limit);
        if (single) {
            put("lz <= " + limit);
            put(n(st_.lz) + " <= " + limit);
        }
        empty();
        if (st_.slenderness_warning) {
            put("Não Ok! Esbeltes não verifica!");
            put("Recomenda-se adotar outra seção!");
        } else {
            put("Ok! Esbeltes verifica!");
        }
        empty();

        put("Cálculo de Q (Anexo E da NBR8800/88)");
        if (single) {
            if (r_.both_legs_q) {
                leg_factor("Qbf", "bf", st_.bf, st_.Q_bf, st_.Q_bf_range);
                leg_factor("Qd", "d", st_.d, st_.Q_d, st_.Q_d_range);
                put("Q será o menor valor de cada uma da abas!");
            } else {
                leg_factor("Q", "bf", st_.bf, st_.Q_bf, st_.Q_bf_range);
            }
            put("Q = " + n(st_.Q));
            empty();
        } else {
            leg_factor("Qs", leg_symbol(r_.qs_leg, false), leg_value(r_.qs_leg), st_.Qs,
                       st_.Qs_range);
            effective_width();
            put("Q =Qs*Qa");
            put("Q =" + n(st_.Qs) + "*" + n(st_.Qa));
            put("Q = " + n(st_.Q));
            empty();
        }

        reduced("lx2", "lx", st_.lx, st_.lx2);
        reduced("ly2", "ly", st_.ly, st_.ly2);
        if (single)
            reduced("lz2", "lz", st_.lz, st_.lz2);
        // Curve c on every axis of every angle.
        const std::string curve_text = std::string("Curva ") + st_.curve + " -> a";
        const std::string alpha = " = " + constant(st_.alpha, 3);
        put(curve_text + "x" + alpha);
        put(curve_text + "y" + alpha);
        if (single)
            put(curve_text + "z" + alpha);
        empty();
        curve('x', st_.lx2, st_.alpha, st_.Bx, st_.rox, st_.plateau_x, "lx2");
        curve('y', st_.ly2, st_.alpha, st_.By, st_.roy, st_.plateau_y, "ly2");
        if (single)
            curve('z', st_.lz2, st_.alpha, st_.Bz, st_.roz, st_.plateau_z, "lz2");

        put("Adota-se o menor valor para ro");
        put("ro = " + n(st_.ro));
        empty();
        put("fc = 0,9");
        put("Rd(Nd) = fc*ro*Q*Ag*fy");
        put("Rd(Nd) = 0,90*" + n(st_.ro) + "*" + n(st_.Q) + "*" + n(st_.Ag) + "*" + n8(s_.fy));
        put("Rd(Nd) = " + n(st_.Rd_c) + " kN");
        empty();
        verdict("Rd(Nd) >= Nd", n(st_.Rd_c) + " kN >= " + n(st_.Nd) + " kN",
                detail::passed(st_, checks::kAngleAxialRow.box));
    }

    const AngleState& st_;
    const Steel& s_;
    const AngleTexts& t_;
    const AngleRules& r_;
};

}  // namespace

bool write_angle_report(WindowKind kind, const AngleState& state, ReportSink& sink) {
    for (const AngleTexts& texts : kAngleTexts) {
        if (texts.kind == kind) {
            AngleReport(texts, state, sink).write();
            return true;
        }
    }
    return false;
}

}  // namespace quintaro::report
