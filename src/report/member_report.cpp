#include "report/member_report.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "checks/nbr8800_1986/bending.h"
#include "checks/nbr8800_1986/combined.h"
#include "checks/nbr8800_1986/compression.h"
#include "checks/nbr8800_1986/local_buckling.h"
#include "checks/nbr8800_1986/shear.h"
#include "checks/units.h"
#include "report/summary.h"
#include "report/writer.h"

namespace quintaro::report {
namespace {

using checks::AxisBending;
using checks::MemberFamily;
using checks::MemberState;
using checks::Range;
using detail::constant;
using detail::magnitude;
using detail::magnitudes_compared;
using detail::n;
using detail::n8;
namespace nbr = checks::nbr8800_1986;
namespace units = checks::units;

// The critical moment of lateral-torsional buckling beyond λr, as written for
// one axis: its formula line and the pieces of the substitution line around
// λ. '@' stands for the slenderness letter and '#' for the letter of the
// constants β1 and β2 (see Texts below).
struct CriticalMomentText {
    std::string_view formula;
    std::string_view op;     // between β2 and λ² in the substitution
    std::string_view close;  // after λ²
};

// √(1 + β2/λ²): every window about x, the H window about y as well.
constexpr CriticalMomentText kMcrOverLambda{"Mcr =((Cb*#1)/@)*raiz(1+(#2/@²))", "/", "²))"};
// √(1 + β2·λ²): the rolled I window about y.
constexpr CriticalMomentText kMcrTimesLambda{"Mcr =((Cb*#1)/@)*raiz(1+(#2*@²))", "*", "²))"};

enum class Properties { Rolled, Channel, Welded };
enum class ShearText { RolledPanel, Channel, Welded };

struct FamilyTexts {
    std::string_view title;
    Properties properties;
    ShearText shear;
    // λ and β (Unicode) for the welded window, l and B elsewhere.
    bool greek;
    // Flange ratio bf/tf (the channel's single outstand) instead of (bf/2)/tf.
    bool full_flange;
    CriticalMomentText mcr_x;
    CriticalMomentText mcr_y;
    std::string_view torsion;  // symbol of the torsion constant in β1 and β2
    // The welded report lists the three nominal moments before choosing.
    bool lists_nominal_moments;
    // The welded report shows the window after writing, the others before.
    bool shows_last;
};

constexpr FamilyTexts kRolledI{"Dimensionamento Perfil I Laminado",
                               Properties::Rolled,
                               ShearText::RolledPanel,
                               false,
                               false,
                               kMcrOverLambda,
                               kMcrTimesLambda,
                               "IT",
                               false,
                               false};
constexpr FamilyTexts kRolledH{"Dimensionamento Perfil H Laminado",
                               Properties::Rolled,
                               ShearText::RolledPanel,
                               false,
                               false,
                               kMcrOverLambda,
                               kMcrOverLambda,
                               "IT",
                               false,
                               false};
constexpr FamilyTexts kChannel{"Dimensionamento Perfil U Laminado",
                               Properties::Channel,
                               ShearText::Channel,
                               false,
                               true,
                               kMcrOverLambda,
                               kMcrTimesLambda,
                               "IT",
                               false,
                               false};
constexpr FamilyTexts kWelded{"Dimensionamento Perfil I Soldado",
                              Properties::Welded,
                              ShearText::Welded,
                              true,
                              false,
                              kMcrOverLambda,
                              kMcrTimesLambda,
                              "It",
                              true,
                              true};

const FamilyTexts& texts_of(MemberFamily family) {
    switch (family) {
        case MemberFamily::RolledH:
            return kRolledH;
        case MemberFamily::Channel:
            return kChannel;
        case MemberFamily::Welded:
            return kWelded;
        case MemberFamily::RolledI:
            break;
    }
    return kRolledI;
}

class MemberReport : public detail::Writer {
  public:
    MemberReport(const MemberState& state, ReportSink& sink, const ReportHeader& header)
        : Writer(sink, texts_of(state.family).greek),
          st_(state),
          s_(state.steel),
          t_(texts_of(state.family)),
          header_(header) {}

    void write() {
        if (!t_.shows_last)
            sink_.show();
        header();
        if (st_.ran_tension)
            tension();
        if (st_.ran_compression)
            compression();
        if (st_.ran_shear)
            shear();
        if (st_.ran_bending_x)
            bending(st_.bx, 'x', st_.Mdx, t_.mcr_x);
        if (st_.ran_bending_y)
            bending(st_.by, 'y', st_.Mdy, t_.mcr_y);
        if (st_.ran_combined)
            combined();
        if (t_.shows_last)
            sink_.show();
    }

  private:
    bool passed(const checks::ResultRow& row) const { return detail::passed(st_, row.box); }

    // ---- Header ------------------------------------------------------

    // One row per check that gave a verdict, in the order of the result boxes.
    std::vector<SummaryRow> summary() const {
        std::vector<SummaryRow> rows;
        const auto add = [&](const checks::ResultRow& result, std::string check, double action,
                             std::string_view unit, std::optional<double> resistance) {
            // The unit once, beside the check's name; the numbers alone.
            auto row = recorded_row(st_, result.box, check + " (" + std::string(unit) + ")",
                                    n(action), resistance ? n(magnitude(*resistance)) : "");
            if (row)
                rows.push_back(std::move(*row));
        };
        using checks::kMemberResults;
        if (st_.ran_tension)
            add(kMemberResults[0], "Tração", st_.Nd, "kN", st_.RdNd_t);
        else if (st_.ran_compression)
            add(kMemberResults[0], "Compressão", st_.Nd, "kN", st_.RdNd_c);
        add(kMemberResults[1], "Cortante", st_.Vd, "kN", st_.RdVd);
        add(kMemberResults[2], "Flexão em x", st_.Mdx, "kN*cm", st_.bx.Rd);
        add(kMemberResults[3], "Flexão em y", st_.Mdy, "kN*cm", st_.by.Rd);
        // The interaction value is its own ratio, against the limit 1.
        auto combined = recorded_row(st_, kMemberResults[4].box, "Flexão composta",
                                     st_.ratio_shown ? n(st_.S) : "", "1,00");
        if (combined)
            rows.push_back(std::move(*combined));
        return rows;
    }

    void header() {
        opening(header_, summary(), t_.title, "", s_);
        subheading("Propriedades geométricas do perfil");
        if (t_.properties == Properties::Welded)
            welded_properties();
        else
            rolled_properties();

        subheading("Comprimentos de Flambagem");
        put("Lflx = " + n(st_.Lflx) + " cm");
        put("Lfly = " + n(st_.Lfly) + " cm");
        put("Lb = " + n(st_.Lb) + " cm");
        empty();

        subheading("Esforços Solicitantes");
        put("Nd = " + n(st_.Nd) + " kN");
        put("Vd = " + n(st_.Vd) + " kN");
        put("Mdx = " + n(st_.Mdx) + " kN*cm");
        put("Mdy = " + n(st_.Mdy) + " kN*cm");
        empty();
    }

    void plates() {
        put("bf = " + n8(st_.bf) + " mm");
        put("tf = " + n8(st_.tf) + " mm");
        put("tw = " + n8(st_.tw) + " mm");
        put("d = " + n8(st_.d) + " mm");
    }

    void radii() {
        step("rx = raiz({Ix}/{Ag})", {{"Ix", n(st_.Ix)}, {"Ag", n(st_.Ag)}}, n(st_.rx) + " cm");
        step("ry = raiz({Iy}/{Ag})", {{"Iy", n(st_.Iy)}, {"Ag", n(st_.Ag)}}, n(st_.ry) + " cm");
    }

    void rolled_properties() {
        put("Perfil " + st_.designation);
        plates();
        put("Ag = " + n(st_.Ag) + " cm²");
        put("Peso = " + n8(st_.P) + " kgf/m");
        put("Ix = " + n(st_.Ix) + " cm4");
        put("Iy = " + n(st_.Iy) + " cm4");
        put("IT = " + n(st_.IT) + " cm4");
        put("Wx = " + n(st_.Wx) + " cm³");
        put("Wy = " + n(st_.Wy) + " cm³");
        if (t_.properties == Properties::Channel) {
            empty();
            channel_plastic_moduli();
        } else {
            put("Zx = " + n(st_.Zx) + " cm³");
            put("Zy = " + n(st_.Zy) + " cm³");
            empty();
        }
        radii();
        step("h = {d} - 2*{tf}", {{"d", n8(st_.d)}, {"tf", n8(st_.tf)}}, n(st_.h) + " mm");
    }

    void channel_plastic_moduli() {
        const std::string bf = n8(st_.bf), tf = n8(st_.tf), tw = n8(st_.tw), d = n8(st_.d);
        put("Zx =(bf*tf*(d-tf))+((tw/4)*(d-2*tf)²);");
        put("Zx =(" + bf + "*" + tf + "*(" + d + "-" + tf + "))+((" + tw + "/4)*(" + d + "-2*" +
            tf + ")²);");
        put("Zx = " + n(units::cm3_to_mm3(st_.Zx)) + " mm³");
        put("Zx = " + n(st_.Zx) + " cm³");
        empty();
        if (st_.Zy_source == checks::ZySource::Catalogue) {
            put("Zy = " + n(st_.Zy) + " cm³ (tabela do perfil)");
            empty();
            return;
        }
        // No ZY in the table: the plates' plastic modulus about the plastic
        // neutral axis, which halves the area.
        put("Zy calculado pelas chapas d, bf, tw, tf (a tabela do perfil não dá Zy),");
        put("em relação à linha neutra plástica xp, que divide a área ao meio;");
        put("nos perfis laminados, de mesas inclinadas, este valor é 1,10 a 1,16 vezes o "
            "publicado.");
        put("A = 2*bf*tf+(d-2*tf)*tw");
        put("A = 2*" + bf + "*" + tf + "+(" + d + "-2*" + tf + ")*" + tw);
        put("A = " + n(st_.A_plates) + " mm²");
        empty();
        const std::string A = n(st_.A_plates), xp = n(st_.xp);
        if (st_.xp_in_web) {
            put("A/2 <= d*tw: xp na alma");
            put("xp = A/(2*d)");
            put("xp = " + A + "/(2*" + d + ")");
            put("xp = " + xp + " mm");
            empty();
            put("Zy =(d*xp²/2+d*(tw-xp)²/2+tf*((bf-xp)²-(tw-xp)²))/1000");
            put("Zy =(" + d + "*" + xp + "²/2+" + d + "*(" + tw + "-" + xp + ")²/2+" + tf + "*((" +
                bf + "-" + xp + ")²-(" + tw + "-" + xp + ")²))/1000");
        } else {
            put("A/2 > d*tw: xp nas mesas");
            put("xp = tw+(A/2-d*tw)/(2*tf)");
            put("xp = " + tw + "+(" + A + "/2-" + d + "*" + tw + ")/(2*" + tf + ")");
            put("xp = " + xp + " mm");
            empty();
            put("Zy =(d*tw*(xp-tw/2)+tf*(xp-tw)²+tf*(bf-xp)²)/1000");
            put("Zy =(" + d + "*" + tw + "*(" + xp + "-" + tw + "/2)+" + tf + "*(" + xp + "-" + tw +
                ")²+" + tf + "*(" + bf + "-" + xp + ")²)/1000");
        }
        put("Zy = " + n(st_.Zy) + " cm³");
        empty();
    }

    void welded_properties() {
        const std::string bf = n8(st_.bf), tf = n8(st_.tf), tw = n8(st_.tw), d = n8(st_.d);
        const std::string h = n(st_.h);
        put("Série " + st_.series);
        put("Perfil " + st_.designation);
        plates();
        put("Peso = " + n8(st_.P) + " kgf/m");
        empty();

        step("h = {d} - 2*{tf}", {{"d", d}, {"tf", tf}}, h + " mm");
        put("Ag =(2*bf*tf)+(tw*h)");
        put("Ag =(2*" + bf + "*" + tf + ")+(" + tw + "*" + h + ")");
        put("Ag = " + n(units::cm2_to_mm2(st_.Ag)) + " mm²");
        put("Ag = " + n(st_.Ag) + " cm²");
        empty();
        // The flanges' share is bf·d³ less the hollow (bf - tw)·h³.
        put("Ix = (bf*d³/12)-((bf-tw)*h³/12)");
        put("Ix = (" + bf + "*" + d + "³/12)-((" + bf + "-" + tw + ")*" + h + "³/12)");
        put("Ix = " + n(units::cm4_to_mm4(st_.Ix)) + " mm4");
        put("Ix = " + n(st_.Ix) + " cm4");
        empty();
        put("Iy = (2*bf³*tf/12)+(h*tw³/12)");
        put("Iy = (2*" + bf + "³*" + tf + "/12)+(" + h + "*" + tw + "³/12)");
        put("Iy = " + n(units::cm4_to_mm4(st_.Iy)) + " mm4");
        put("Iy = " + n(st_.Iy) + " cm4");
        empty();
        put("It = (2*bf*tf³+(d-tf)*tw³)/3");
        put("It = (2*" + bf + "*" + tf + "³+(" + d + "-" + tf + ")*" + tw + "³)/3");
        put("It = " + n(units::cm4_to_mm4(st_.IT)) + " mm4");
        put("It = " + n(st_.IT) + " cm4");
        empty();
        radii();
        put("Wx = (2*Ix)/d");
        put("Wx = (2*" + n(st_.Ix) + ")/" + n8(units::mm_to_cm(st_.d)));
        put("Wx = " + n(st_.Wx) + " cm³");
        empty();
        put("Wy = (2*Iy)/bf");
        put("Wy = (2*" + n(st_.Iy) + ")/" + n8(units::mm_to_cm(st_.bf)));
        put("Wy = " + n(st_.Wy) + " cm³");
        empty();
        put("Zx = (bf*(d²-h²)+tw*h²)/4");
        put("Zx = (" + bf + "*(" + d + "²-" + h + "²)+" + tw + "*" + h + "²)/4");
        put("Zx = " + n(units::cm3_to_mm3(st_.Zx)) + " mm³");
        put("Zx = " + n(st_.Zx) + " cm³");
        empty();
        put("Zy = bf²*(tf/2)+0,25*h*tw²");
        put("Zy = " + bf + "²*(" + tf + "/2)+0,25*" + h + "*" + tw + "²");
        put("Zy = " + n(units::cm3_to_mm3(st_.Zy)) + " mm³");
        put("Zy = " + n(st_.Zy) + " cm³");
        empty();
    }

    // ---- Axial force -------------------------------------------------

    void tension() {
        heading("Verificação do Esforço de Tração");
        put("Escoamento da seção bruta");
        put("ft = 0,9");
        put("Rd(Nd) = ft*Ag*fy");
        put("Rd(Nd) = 0,9*" + n(st_.Ag) + "*" + n8(s_.fy));
        put("Rd(Nd) = " + n(st_.RdNd_y) + " kN");
        empty();
        put("Ruptura da seção líquida");
        put("ft = 0,75");
        put("Rd(Nd) = ft*Ag*fu");
        put("Rd(Nd) = 0,75*" + n(st_.Ag) + "*" + n8(s_.fu));
        put("Rd(Nd) = " + n(st_.RdNd_u) + " kN");
        empty();
        put("Adota-se para Rd(Nd) o menor valor das duas verificações");
        put("Rd(Nd) = " + n(st_.RdNd_t) + " kN");
        empty();
        verdict("Rd(Nd) >= Nd", magnitudes_compared(st_.RdNd_t, st_.Nd, " kN"),
                passed(checks::axial_row()));
    }

    void compression() {
        const std::string E = n(s_.E), fy = n8(s_.fy);
        heading("Verificação do Esforço de Compressão");
        put("Verificação da esbeltez do elemento (Item 5.3.5 NBR8800/88)");
        step("@x = {Lflx}/{rx}", {{"Lflx", n(st_.Lflx)}, {"rx", n(st_.rx)}}, n(st_.lx));
        step("@y = {Lfly}/{ry}", {{"Lfly", n(st_.Lfly)}, {"ry", n(st_.ry)}}, n(st_.ly));
        const std::string limit = constant(nbr::kSlendernessLimit, 0);
        put(g("@x e @y <= ") + limit);
        put(n(st_.lx) + " e " + n(st_.ly) + " <= " + limit);
        empty();
        if (st_.slenderness_warning) {
            put("Não Ok! Esbeltez não verifica!");
            put("Recomenda-se adotar outra seção!");
        } else {
            put("Ok! Esbeltez verifica!");
        }
        empty();

        put("Cálculo de Q (Anexo E da NBR8800/88)");
        flange_factor();
        web_factor();
        put("Q =Qs*Qa");
        put("Q =" + n(st_.Qs) + "*" + n(st_.Qa));
        put("Q = " + n(st_.Q));
        empty();

        put(g("@x2 = (1/pi)*lx*raiz(Q*fy/E);"));
        put(g("@x2 = (1/pi)*") + n(st_.lx) + "*raiz(" + n(st_.Q) + "*" + fy + "/" + E + ");");
        put(g("@x2 = ") + n(st_.lx2));
        empty();
        put(g("@y2 = (1/pi)*ly*raiz(Q*fy/E);"));
        put(g("@y2 = (1/pi)*") + n(st_.ly) + "*raiz(" + n(st_.Q) + "*" + fy + "/" + E + ");");
        put(g("@y2 = ") + n(st_.ly2));
        empty();

        const std::string thick = constant(nbr::kThickFlange, 0);
        put(st_.thick_flange ? "tf > " + thick : "tf <= " + thick);
        put(std::string("Curva ") + st_.curve_x + " -> ax = " + constant(st_.ax, 3));
        put(std::string("Curva ") + st_.curve_y + " -> ay = " + constant(st_.ay, 3));
        empty();
        curve('x', st_.lx2, st_.ax, st_.Bx, st_.rox, st_.plateau_x, "@x2");
        curve('y', st_.ly2, st_.ay, st_.By, st_.roy, st_.plateau_y, "@2y");

        put("Adota-se o menor valor para ro");
        put("ro = " + n(st_.ro));
        empty();
        put("fc = 0,9");
        put("Rd(Nd) = fc*ro*Q*Ag*fy");
        put("Rd(Nd) = 0,90*" + n(st_.ro) + "*" + n(st_.Q) + "*" + n(st_.Ag) + "*" + fy);
        put("Rd(Nd) = " + n(magnitude(st_.RdNd_c)) + " kN");
        empty();
        verdict("Rd(Nd) >= Nd", magnitudes_compared(st_.RdNd_c, st_.Nd, " kN"),
                passed(checks::axial_row()));
    }

    // Qs of the flange, by the ratio the check compared.
    void flange_factor() {
        const std::string E = n(s_.E), fy = n8(s_.fy), bf = n8(st_.bf), tf = n8(st_.tf);
        const std::string full = constant(nbr::kFlangeOutstand.full, 2) + "*raiz(E/fy)";
        const std::string elastic = constant(nbr::kFlangeOutstand.elastic, 2) + "*raiz(E/fy)";
        const std::string ratio = t_.full_flange ? "bf/tf" : "(bf/2)/tf";
        // The ratio with its values: "(bf/2)/tf" or "(bf/tf)" filled in.
        const std::string values =
            t_.full_flange ? "(" + bf + "/" + tf + ")" : "(" + bf + "/2)/" + tf;
        if (st_.Qs_range == Range::Full) {
            put(ratio + " <= " + full);
            put("Qs =1");
            empty();
        } else if (st_.Qs_range == Range::Inelastic) {
            put(full + " < " + ratio + " <= " + elastic);
            if (t_.full_flange) {
                put("Qs = 1,42-(0,76*(bf/tf)*raiz(fy/E))");
            } else {
                put("Qs = 1,42-(0,76*(bf/2)/tf*raiz(fy/E))");
            }
            put("Qs = 1,42-(0,76*" + values + "*raiz(" + fy + "/" + E + "))");
            put("Qs = " + n(st_.Qs));
            empty();
        } else {
            // Elastic buckling of the outstand: Qs falls with the square of
            // the ratio, so the ratio divides.
            put(ratio + " > " + elastic);
            const std::string squared = t_.full_flange ? "(bf/tf)²" : "((bf/2)/tf)²";
            put("Qs = 0,67*E/(fy*" + squared + ")");
            const std::string squared_values = t_.full_flange ? values + "²" : "(" + values + ")²";
            put("Qs = 0,67*" + E + "/(" + fy + "*" + squared_values + ")");
            put("Qs = " + n(st_.Qs));
            empty();
        }
    }

    // Qa of the web: the effective width, from fy or, in pure compression,
    // from the web stress the iteration settled on.
    void web_factor() {
        const std::string fy = n8(s_.fy), tw = n8(st_.tw), h = n(st_.h);
        if (st_.Qa_rule == checks::WebQa::Whole) {
            put("h/tw <= " + constant(nbr::kWebFullyEffective, 2) + "*raiz(E/fy)");
            put("Qa =1");
            empty();
            return;
        }
        put("h/tw > " + constant(nbr::kWebFullyEffective, 2) + "*raiz(E/fy)");
        if (st_.Qa_rule == checks::WebQa::Iterated) {
            const std::string f = n(st_.f);
            put("f = " + f + " MPa");
            if (st_.web_width_rule == nbr::WebWidthRule::WholeWeb) {
                // At this stress the formula would give more than h (or a
                // negative width): the whole web counts.
                const std::string limit = constant(nbr::kWholeWebRootStress, 0);
                put("raiz(f) <= " + limit + "/(h/tw)");
                put("raiz(" + f + ") <= " + limit + "/(" + h + "/" + tw + ")");
                put("bef = h");
            } else {
                put("bef = (797*tw)/raiz(f)*(1-(140/((h/tw)*raiz(f)))) <= h");
                put("bef = (797*" + tw + ")/raiz(" + f + ")*(1-(140/((" + h + "/" + tw + ")*raiz(" +
                    f + "))))");
            }
        } else {
            put("bef = (862*tw)/raiz(fy*10)*(1-(152/((h/tw)*raiz(fy*10))))");
            put("bef = (862*" + tw + ")/raiz(" + fy + "*10)*(1-(152/((" + h + "/" + tw + ")*raiz(" +
                fy + "*10))))");
        }
        put("bef = " + n(st_.bef) + " mm");
        empty();
        put("Aef = Ag-((h-bef)*tw)/100");
        put("Aef = " + n(st_.Ag) + "-((" + h + "-" + n(st_.bef) + ")*" + tw + ")/100");
        put("Aef = " + n(st_.Aef) + " cm²");
        empty();
        put("Qa =Aef/Ag");
        put("Qa =" + n(st_.Aef) + "/" + n(st_.Ag));
        put("Qa = " + n(st_.Qa));
        empty();
    }

    // ---- Shear -------------------------------------------------------

    void shear() {
        const std::string E = n(s_.E), fy = n8(s_.fy), tw = n8(st_.tw), h = n(st_.h);
        heading("Verificação do Esforço Cortante");
        put("Análise plástica");
        if (t_.shear == ShearText::RolledPanel) {
            // The rolled sections' shear area takes the full depth.
            put("Aw = d*tw");
            put("Aw = " + n8(st_.d) + "*" + tw);
        } else {
            put("Aw = h*tw");
            put("Aw = " + h + "*" + tw);
        }
        put("Aw = " + n(units::cm2_to_mm2(st_.Aw)) + " mm²");
        put("Aw = " + n(st_.Aw) + " cm²");
        empty();

        if (t_.shear == ShearText::RolledPanel) {
            put("Considerando Item 5.2.2 nota a da NBR8800/88");
            put("a = 4*tw;");
            put("a = 4*" + tw);
            put("a = " + n(st_.a) + " mm");
            empty();
            using nbr::PanelRule;
            const std::string square = constant(nbr::kPanelSquare, 0);
            if (st_.panel_rule == PanelRule::Short) {
                put("(a/h)<" + square);
                put("k = 4+5,34/(a/h)²");
                put("k = 4+5,34/(" + n(st_.a) + "/" + h + ")²");
                put("k = " + n(st_.k));
                empty();
            }
            if (st_.panel_rule == PanelRule::Long || st_.panel_rule == PanelRule::VeryLong) {
                put("(a/h)>=" + square);
                put("k = 5,34+4/(a/h)²");
                put("k = 5,34+4/(" + n(st_.a) + "/" + h + ")²");
                put("k = " + n(st_.k));
                empty();
            }
            if (st_.panel_rule == PanelRule::VeryLong) {
                put("(a/h)>" + constant(nbr::kPanelLong, 0));
                put("k = " + n(st_.k));
                empty();
            }
        } else if (t_.shear == ShearText::Welded) {
            put("(a/h)>" + constant(nbr::kPanelLong, 0));
            put("k = " + n(st_.k));
            empty();
        }

        put(g("@ = h/tw"));
        put(g("@ = ") + h + "/" + tw);
        put(g("@ = ") + n(st_.lv));
        empty();
        const std::string k = n(st_.k);
        put(g("@p = 1,08*raiz(k*E/fy)"));
        put(g("@p = 1,08*raiz(") + k + "*" + E + "/" + fy + ")");
        put(g("@p = ") + n(st_.lpv));
        empty();
        put(g("@r = 1,4*raiz(k*E/fy)"));
        put(g("@r = 1,4*raiz(") + k + "*" + E + "/" + fy + ")");
        put(g("@r = ") + n(st_.lrv));
        empty();
        const std::string factor = n(st_.Vpl_factor);
        put("Vpl = " + factor + "*Aw*fy");
        put("Vpl = " + factor + "*" + n(st_.Aw) + "*" + fy);
        put("Vpl = " + n(st_.Vpl) + " kN");
        empty();

        const std::string lpv = n(st_.lpv), lv = n(st_.lv), Vpl = n(st_.Vpl);
        if (st_.shear_range == Range::Full) {
            put(g("@ < @p"));
            put("Vn = Vpl");
            put("Vn = " + Vpl + " kN");
            empty();
        } else if (st_.shear_range == Range::Inelastic) {
            put(g("@p < @ <= @r"));
            put(g("Vn = (@p/@)*Vpl"));
            put("Vn = (" + lpv + "/" + lv + ")*" + Vpl);
            put("Vn = " + n(st_.Vn) + " kN");
            empty();
        } else {
            put(g("@ > @r"));
            put(g("Vn = 1,28*(@p/@)²*Vpl"));
            put("Vn = 1,28*(" + lpv + "/" + lv + ")²*" + Vpl);
            put("Vn = " + n(st_.Vn) + " kN");
            empty();
        }
        put("fv = 0,9");
        put("Rd(Vd) = fv*Vn");
        put("Rd(Vd) = 0,90*" + n(st_.Vn));
        put("Rd(Vd) = " + n(magnitude(st_.RdVd)) + " kN");
        empty();
        verdict("Rd(Vd) >= Vd", magnitudes_compared(st_.RdVd, st_.Vd, " kN"),
                passed(checks::kMemberResults[1]));
    }

    // ---- Bending -----------------------------------------------------

    // The straight line between Mpl at λp and Mr at λr, as three lines.
    void interpolation(const AxisBending& ax, double Mr, double l, double lp, double lr,
                       double Mn) {
        put(g("Mn = Mpl-((Mpl-Mr)*((@-@p)/(@r-@p)))"));
        put("Mn = " + n(ax.Mpl) + "-((" + n(ax.Mpl) + "-" + n(Mr) + ")*((" + n(l) + "-" + n(lp) +
            ")/(" + n(lr) + "-" + n(lp) + ")))");
        put("Mn = " + n(Mn) + " kN*cm");
        empty();
    }

    void plastic_moment_governs(const AxisBending& ax) {
        put(g("@ <= @p"));
        put("Mn = Mpl");
        put("Mn = " + n(ax.Mpl) + " kN*cm");
        empty();
    }

    // The 1,25·W·fy ceiling of the nominal moment.
    void moment_ceiling(const AxisBending& ax, double Mn, bool capped) {
        const std::string cap = constant(nbr::kMomentCap, 2);
        if (capped) {
            put("Mn limitado a " + cap + "*W*fy");
            put("Mn = " + cap + "*W*fy");
            put("Mn = " + cap + "*" + n(ax.W) + "*" + n8(s_.fy));
            put("Mn = " + n(Mn) + " kN*cm");
        } else {
            put("Mn <= (" + cap + "*W*fy) -> Ok!");
            put("Mn = " + n(Mn) + " kN*cm");
        }
        empty();
    }

    void bending(const AxisBending& ax, char axis, double action, const CriticalMomentText& mcr) {
        const std::string a(1, axis);
        const std::string E = n(s_.E), fy = n8(s_.fy), W = n(ax.W);
        heading("Verificação de Flexão em " + a);
        put("Z = Z" + a);
        put("Z = " + n(ax.Z) + " cm³");
        empty();
        put("W = W" + a);
        put("W = " + W + " cm³");
        empty();
        put("Wc = W");
        put("Wc = " + W + " cm³");
        empty();
        put("Wt = W");
        put("Wt = " + W + " cm³");
        empty();
        put("Mpl = Z*fy");
        put("Mpl = " + n(ax.Z) + "*" + fy);
        put("Mpl = " + n(ax.Mpl) + " kN*cm");
        empty();

        // Web local buckling.
        subheading("Flambagem local da alma(FLA)");
        put(g("@ = h/tw"));
        put(g("@ = ") + n(st_.h) + "/" + n8(st_.tw));
        put(g("@ = ") + n(st_.la));
        empty();
        put(g("@p = 3,5*raiz(E/fy)"));
        put(g("@p = 3,5*raiz(") + E + "/" + fy + ")");
        put(g("@p = ") + n(st_.lpa));
        empty();
        if (ax.FLA_range != Range::Full) {
            put(g("@ > @p"));
            put("Mr = fy*W");
            put("Mr = " + fy + "*" + W);
            put("Mr = " + n(ax.Mr_FLA) + " kN*cm");
            empty();
            put(g("@r = 5,6*raiz(E/fy)"));
            put(g("@r = 5,6*raiz(") + E + "/" + fy + ")");
            put(g("@r = ") + n(st_.lra));
            empty();
            interpolation(ax, ax.Mr_FLA, st_.la, st_.lpa, st_.lra, ax.Mn_FLA);
        } else {
            plastic_moment_governs(ax);
        }

        // Flange local buckling.
        subheading("Flambagem local da mesa(FLM)");
        if (t_.full_flange) {
            put(g("@ = bf/tf"));
            put(g("@ = ") + n8(st_.bf) + "/" + n8(st_.tf));
        } else {
            put(g("@ = bf/(2*tf)"));
            put(g("@ = ") + n8(st_.bf) + "/(2*" + n8(st_.tf) + ")");
        }
        put(g("@ = ") + n(st_.lm));
        empty();
        put(g("@p = 0,38*raiz(E/fy)"));
        put(g("@p = 0,38*raiz(") + E + "/" + fy + ")");
        put(g("@p = ") + n(st_.lpm));
        empty();
        put("Mr = (fy-fr)*Wc");
        put("Mr = (" + fy + "-" + n(s_.fr) + ")*" + W);
        put("Mr = " + n((s_.fy - s_.fr) * ax.W) + " kN*cm");
        empty();
        put("Mr = fy*Wt");
        put("Mr = " + fy + "*" + W);
        put("Mr = " + n(s_.fy * ax.W) + " kN*cm");
        empty();
        put("Adota-se o menor valor de Mr");
        put("Mr = " + n(ax.Mr_FLM));
        empty();
        put(g("@r = 0,62*raiz(E*Wc/Mr)"));
        put(g("@r = 0,62*raiz(") + E + "*" + W + "/" + n(ax.Mr_FLM) + ")");
        put(g("@r = ") + n(ax.lrm));
        empty();
        if (ax.FLM_range == Range::Full) {
            plastic_moment_governs(ax);
        } else if (ax.FLM_range == Range::Inelastic) {
            put(g("@p < @ <= @r"));
            empty();
            interpolation(ax, ax.Mr_FLM, st_.lm, st_.lpm, ax.lrm, ax.Mn_FLM);
        } else {
            put(g(axis == 'x' && t_.greek ? " @ > @r" : "@p < @ > @r"));
            empty();
            put(g("Mcr = ((0,38*E)/@²)*Wc;"));
            put("Mcr = ((0,38*" + E + ")/" + n(st_.lm) + "²)*" + W);
            put("Mcr = " + n(ax.Mcr_FLM) + " kN*cm");
            empty();
            put("Mn = Mcr");
            put("Mn = " + n(ax.Mn_FLM) + " kN*cm");
            empty();
        }

        // Lateral-torsional buckling.
        subheading("Flambagem Lateral com torção(FLT)");
        put(g("@ = Lb/ry"));
        put(g("@ = ") + n(st_.Lb) + "/" + n(st_.ry));
        put(g("@ = ") + n(st_.lt));
        empty();
        put(g("@p = 1,75*raiz(E/fy)"));
        put(g("@p = 1,75*raiz(") + E + "/" + fy + ")");
        put(g("@p = ") + n(st_.lpt));
        empty();
        put("Cb = 1");
        empty();
        const std::string IT(t_.torsion);
        put(g("#1 = pi*raiz(G*E*") + IT + "*Ag)");
        put(g("#1 = pi*raiz(") + n(s_.G) + "*" + E + "*" + n(st_.IT) + "*" + n(st_.Ag) + ")");
        put(g("#1 = ") + n(st_.B1));
        empty();
        put(g("#2 =((pi²*E)/(4*G))*(Ag*((d-tf)/10)²)/") + IT);
        put(g("#2 = ((pi²*") + E + ")/(4*" + n(s_.G) + "))*(" + n(st_.Ag) + "*((" + n8(st_.d) +
            "-" + n8(st_.tf) + ")/10)²)/" + n(st_.IT));
        put(g("#2 = ") + n(st_.B2));
        empty();
        put("Mr =(fy-fr)*W");
        put("Mr =(" + fy + "-" + n(s_.fr) + ")*" + W);
        put("Mr = " + n(ax.Mr_FLT) + " kN*cm");
        empty();
        const std::string Cb = n(st_.Cb), B1 = n(st_.B1), B2 = n(st_.B2), Mr = n(ax.Mr_FLT);
        put(g("@r =((0,707*Cb*#1)/Mr)*raiz(1+ raiz(1+((4*#2)/(Cb²*#1²))*Mr²))"));
        put(g("@r =((0,707*") + Cb + "*" + B1 + ")/" + Mr + ")*raiz(1+ raiz(1+((4*" + B2 + ")/(" +
            Cb + "²*" + B1 + "²))*" + Mr + "²))");
        put(g("@r = ") + n(ax.lrt));
        empty();
        if (ax.FLT_range == Range::Full) {
            plastic_moment_governs(ax);
        } else if (ax.FLT_range == Range::Inelastic) {
            put(g("@p < @ <= @r"));
            empty();
            interpolation(ax, ax.Mr_FLT, st_.lt, st_.lpt, ax.lrt, ax.Mn_FLT);
        } else {
            put(g("@p < @ > @r"));
            empty();
            put(g(mcr.formula));
            put("Mcr =((" + Cb + "*" + B1 + ")/" + n(st_.lt) + ")*raiz(1+(" + B2 +
                std::string(mcr.op) + n(st_.lt) + std::string(mcr.close));
            put("Mcr = " + n(ax.Mcr_FLT) + " kN*cm");
            empty();
            put("Mn = Mcr");
            put("Mn = " + n(ax.Mcr_FLT) + " kN*cm");
            empty();
        }

        put("Adota-se para Mn o menor valor de FLA, FLT ou FLM e ainda segundo NBR 8800/88 (Item "
            "5.4.1.3.1) Mn < (1,25*W*fy)");
        empty();
        if (t_.lists_nominal_moments) {
            put("Mn (FLA) =" + n(ax.Mn_FLA) + " kN*cm");
            put("Mn (FLM) =" + n(ax.Mn_FLM) + " kN*cm");
            put("Mn (FLT) =" + n(ax.Mn_FLT) + " kN*cm");
            empty();
        }
        moment_ceiling(ax, ax.Mn, ax.capped);
        put("fb = 0,9");
        put("Rd(Md) = fb*Mn");
        put("Rd(Md) = 0,90*" + n(ax.Mn));
        put("Rd(Md) = " + n(magnitude(ax.Rd)) + " kN*cm");
        empty();
        verdict("Rd(Md) >= Md" + a, magnitudes_compared(ax.Rd, action, " kN*cm"),
                passed(checks::kMemberResults[axis == 'x' ? 2 : 3]));
    }

    // ---- Combined actions --------------------------------------------

    // The moment resistance about one axis again, with the web limit that
    // the axial force lowers.
    void combined_axis(const AxisBending& ax, char axis) {
        const std::string a(1, axis);
        const std::string E = n(s_.E), fy = n8(s_.fy);
        subheading("Cálculo para Rd(Md" + a + ")");
        put("Flambagem local da alma(FLA)");
        if (ax.FLA_range_combined != Range::Full) {
            put(g("@ > @p"));
            put("Mr = fy*W" + a);
            put("Mr = " + fy + "*" + n(ax.W));
            put("Mr = " + n(ax.Mr_FLA_combined) + " kN*cm");
            empty();
            put(g("@r = 5,6*raiz(E/fy)"));
            put(g("@r = 5,6*raiz(") + E + "/" + fy + ")");
            put(g("@r = ") + n(st_.lra));
            empty();
            put(g("Mn = Mpl-((Mpl-Mr)*(@-@p)/(@r-@p))"));
            put("Mn = " + n(ax.Mpl) + "-((" + n(ax.Mpl) + "-" + n(ax.Mr_FLA_combined) + ")*(" +
                n(st_.la) + "-" + n(st_.lpa_combined) + ")/(" + n(st_.lra) + "-" +
                n(st_.lpa_combined) + "))");
            put("Mn = " + n(ax.Mn_FLA_combined) + " kN*cm");
            empty();
        } else {
            plastic_moment_governs(ax);
        }
        put("Adota-se para Mn o menor valor de FLA ou FLT e FLM, como cálculados anteriormente "
            "em " +
            a + ", e ainda segundo NBR 8800/88 (Item 5.4.1.3.1) Mn < (1,25*W*fy)");
        empty();
        moment_ceiling(ax, ax.Mn_combined, ax.capped_combined);
        put("fb = 0,9");
        put("Rd(Md) = fb*Mn");
        put("Rd(Md) = 0,90*" + n(ax.Mn_combined));
        put("Rd(Md) = " + n(magnitude(ax.Rd_combined)) + " kN*cm");
        empty();
    }

    void combined() {
        const std::string E = n(s_.E), fy = n8(s_.fy);
        const double Nd_abs = std::fabs(st_.Nd);
        heading("Verificação de Flexão Composta");
        put("Ny = Ag*fy");
        put("Ny = " + n(st_.Ag) + "*" + fy);
        put("Ny = " + n(st_.Ny) + " kN");
        empty();
        put(g("@ = h/tw;"));
        put(g("@ = ") + n(st_.h) + "/" + n8(st_.tw));
        put(g("@ = ") + n(st_.la));
        empty();
        const std::string branch = constant(nbr::kAxialWebBranch, 3);
        const std::string phi = constant(nbr::kPhiSquash, 1);
        if (st_.axial_use_low) {
            const std::string slope = constant(nbr::kAxialWebSlope, 1);
            put("Nd/(" + phi + "*Ny) <= " + branch);
            put(g("@p = 3,5*raiz(E/fy)*(1-(" + slope + "*Nd/(" + phi + "*Ny)))"));
            put(g("@p = 3,5*raiz(") + E + "/" + fy + ")*(1-(" + slope + "*" + n(Nd_abs) + "/(" +
                phi + "*" + n(st_.Ny) + ")))");
        } else {
            const std::string high = constant(nbr::kAxialWebHigh, 2);
            put("Nd/(" + phi + "*Ny) > " + branch);
            put(g("@p = " + high + "*raiz(E/fy)"));
            put(g("@p = " + high + "*raiz(") + E + "/" + fy + ")");
        }
        put(g("@p = ") + n(st_.lpa_combined));
        empty();
        if (st_.ran_bending_x)
            combined_axis(st_.bx, 'x');
        if (st_.ran_bending_y)
            combined_axis(st_.by, 'y');

        subheading("Combinação das Ações");
        // With a refused compression (a zero buckling length) the check
        // computed no ratio, so neither formula nor verdict is written; with
        // an unbounded amplification it failed without a ratio.
        if (!st_.ratio_shown && !st_.amplification_unbounded)
            return;
        // The terms are magnitudes: each written with the values it divides.
        const std::string Mdx = n(magnitude(st_.Mdx)), Mdy = n(magnitude(st_.Mdy));
        const std::string RdMdx = n(magnitude(st_.RdMdx)), RdMdy = n(magnitude(st_.RdMdy));
        if (st_.combined_form == checks::CombinedForm::Tension) {
            put("(Nd/Rd(Nd))+(Mdx/Rd(Mdx))+(Mdy/Rd(Mdy)) <= 1");
            put("(" + n(Nd_abs) + "/" + n(st_.RdNd_t) + ")+(" + Mdx + "/" + RdMdx + ")+(" + Mdy +
                "/" + RdMdy + ") <= 1");
            put(n(st_.T1) + " + " + n(st_.T2) + "+" + n(st_.T3) + " <=1");
        } else {
            put("Cmx = 1");
            put("Cmy = 1");
            empty();
            put("Nex = (Ag*fy)/" + g("@x2²"));
            put("Nex = (" + n(st_.Ag) + "*" + fy + ")/" + n(st_.lx2) + "²");
            put("Nex = " + n(st_.Nex) + " kN");
            empty();
            put("Ney = (Ag*fy)/" + g("@y2²"));
            put("Ney = (" + n(st_.Ag) + "*" + fy + ")/" + n(st_.ly2) + "²");
            put("Ney = " + n(st_.Ney) + " kN");
            empty();
            if (st_.amplification_unbounded) {
                // The check refused the ratio: the force reaches 0,73·Ne
                // about an axis with a moment.
                put("Flexo-compressão: |Nd| >= 0,73·Ne");
                put("O momento amplificado não tem limite.");
                empty();
                verdict_lines(false);
                return;
            }
            put("(Nd/Rd(Nd))+(Cmx*Mdx)/((1-Nd/(0,73*Nex))*Rd(Mdx))+(Cmy*Mdy)/((1-Nd/"
                "(0,73*Ney))*Rd(Mdy)) <=1");
            put("(" + n(Nd_abs) + "/" + n(magnitude(st_.RdNd_c)) + ")+(" + n(st_.Cmx) + "*" + Mdx +
                ")/((1-" + n(Nd_abs) + "/(0,73*" + n(st_.Nex) + "))*" + RdMdx + ")+(" + n(st_.Cmy) +
                "*" + Mdy + ")/((1-" + n(Nd_abs) + "/(0,73*" + n(st_.Ney) + "))*" + RdMdy +
                ") <=1");
            put(n(st_.T1) + " + " + n(st_.T2) + "+" + n(st_.T3) + " = " + n(st_.S) + " <=1");
        }
        put(n(st_.S) + " <=1");
        empty();
        verdict_lines(passed(checks::kMemberResults[4]));
    }

    const MemberState& st_;
    const Steel& s_;
    const FamilyTexts& t_;
    const ReportHeader& header_;
};

}  // namespace

void write_member_report(const MemberState& state, ReportSink& sink, const ReportHeader& header) {
    MemberReport(state, sink, header).write();
}

}  // namespace quintaro::report
