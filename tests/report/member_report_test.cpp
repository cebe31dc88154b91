// The reports of the rolled I, rolled H, channel and welded windows against
// texts typed from the report's line templates, with values worked out by
// hand (formula and numbers beside each).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/windows.h"
#include "report/report.h"
#include "report_testing.h"

namespace quintaro::report::testing {
namespace {

using Lines = std::vector<std::string>;

// W 150 x 13,0 (d 148, bf 100, tw 4,3, tf 4,9 mm; Ag 16,6 cm²).
void w150(Window& w) {
    auto& b = w.boxes.values;
    b["R_Perfil"] = "W 150 x 13,0";
    b["R_d"] = "148";
    b["R_bf"] = "100";
    b["R_tw"] = "4,3";
    b["R_tf"] = "4,9";
    b["R_Ag"] = "16,6";
    b["R_Peso"] = "13";
    b["R_Ix"] = "635";
    b["R_Iy"] = "82";
    b["R_Wx"] = "85,8";
    b["R_Wy"] = "16,4";
    b["R_Zx"] = "96,4";
    b["R_Zy"] = "25,5";
    b["R_IT"] = "1,72";
    b["Compri_x"] = "300";
    b["Compri_y"] = "300";
    b["Compri_z"] = "300";
    b["R_Nd"] = "100";
    b["R_Vd"] = "0";
    b["R_Mdx"] = "0";
    b["R_Mdy"] = "0";
}

// HP 200 x 53,0 (d 204, bf 207, tw = tf = 11,3 mm).
void hp200(Window& w) {
    auto& b = w.boxes.values;
    b["R_Perfil"] = "HP 200 x 53,0";
    b["R_d"] = "204";
    b["R_bf"] = "207";
    b["R_tw"] = "11,3";
    b["R_tf"] = "11,3";
    b["R_Ag"] = "68,1";
    b["R_Peso"] = "53";
    b["R_Ix"] = "4977";
    b["R_Iy"] = "1673";
    b["R_Wx"] = "488";
    b["R_Wy"] = "161,7";
    b["R_Zx"] = "551,3";
    b["R_Zy"] = "248,6";
    b["R_IT"] = "31,93";
    b["Compri_x"] = "300";
    b["Compri_y"] = "300";
    b["Compri_z"] = "2000";
    b["R_Nd"] = "0";
    b["R_Vd"] = "0";
    b["R_Mdx"] = "3000";
    b["R_Mdy"] = "0";
}

// U 152 x 12,2 (d 152,4, bf 48,8, tw 5,08, tf 8,7 mm; x 1,30 cm).
void u152(Window& w) {
    auto& b = w.boxes.values;
    b["R_Perfil"] = "U 152 x 12,2";
    b["R_d"] = "152,4";
    b["R_bf"] = "48,8";
    b["R_tw"] = "5,08";
    b["R_tf"] = "8,7";
    b["R_Ag"] = "15,5";
    b["R_Peso"] = "12,2";
    b["R_Ix"] = "546";
    b["R_Iy"] = "28,8";
    b["R_Wx"] = "71,7";
    b["R_Wy"] = "8,06";
    b["R_x"] = "1,3";
    b["R_IT"] = "1,6";
    b["Compri_x"] = "300";
    b["Compri_y"] = "300";
    b["Compri_z"] = "300";
    b["R_Nd"] = "0";
    b["R_Vd"] = "40";
    b["R_Mdx"] = "0";
    b["R_Mdy"] = "0";
}

// CS 250 x 52 (d = bf = 250, tw 8, tf 9,5 mm).
void cs250(Window& w) {
    auto& b = w.boxes.values;
    b["Serie"] = "CS";
    b["R_Perfil"] = "CS 250 x 52";
    b["R_d"] = "250";
    b["R_bf"] = "250";
    b["R_tw"] = "8";
    b["R_tf"] = "9,5";
    b["R_Peso"] = "51,8";
    b["Compri_x"] = "400";
    b["Compri_y"] = "400";
    b["Compri_z"] = "400";
    b["R_Nd"] = "-300";
    b["R_Vd"] = "0";
    b["R_Mdx"] = "0";
    b["R_Mdy"] = "0";
}

std::vector<StyledLine> report_of(Window& w) {
    EXPECT_TRUE(w.calculate());
    return w.report();
}

TEST(ReportHeader, RolledIStartsWithPictureTitleSteelAndProperties) {
    Window w("TForm_I_Laminado");
    w150(w);
    const auto lines = report_of(w);
    ASSERT_GT(lines.size(), 50u);
    EXPECT_TRUE(lines[0].picture);
    // Title: size 12, bold + underline; the rest at size 11.
    EXPECT_EQ(lines[1].text, "Dimensionamento Perfil I Laminado");
    EXPECT_EQ(lines[1].size, 12);
    EXPECT_EQ(lines[1].style, Style::BoldUnderline);
    EXPECT_EQ(lines[3].size, 11);
    EXPECT_EQ(lines[3].style, Style::Bold);
    EXPECT_EQ(lines[4].style, Style::Plain);
    // rx = √(635/16,6) = 6,1849; ry = √(82/16,6) = 2,2226; h = 148 - 2·4,9.
    const Lines expected = {
        "",
        "Propriedades do Aço",
        "Tipo = MR 250",
        "fy = 25,00 kN/cm²",
        "fu = 40,00 kN/cm²",
        "fr = 11,5 kN/cm²",
        "E = 20500 kN/cm²",
        "G = 7892,5 kN/cm²",
        "",
        "Propriedades geométricas do perfil",
        "Perfil W 150 x 13,0",
        "bf = 100,00 mm",
        "tf = 4,90 mm",
        "tw = 4,30 mm",
        "d = 148,00 mm",
        "Ag = 16,60 cm²",
        "Peso = 13,00 kgf/m",
        "Ix = 635,00 cm4",
        "Iy = 82,00 cm4",
        "IT = 1,72 cm4",
        "Wx = 85,80 cm³",
        "Wy = 16,40 cm³",
        "Zx = 96,40 cm³",
        "Zy = 25,50 cm³",
        "",
        "rx = raiz(Ix/Ag)",
        "rx = raiz(635,00/16,60)",
        "rx = 6,18 cm",
        "",
        "ry = raiz(Iy/Ag)",
        "ry = raiz(82,00/16,60)",
        "ry = 2,22 cm",
        "",
        "h = d - 2*tf",
        "h = 148,00 - 2*4,90",
        "h = 138,20 mm",
        "",
        "Comprimentos de Flambagem",
        "Lflx = 300,00 cm",
        "Lfly = 300,00 cm",
        "Lb = 300,00 cm",
        "",
        "Esforços Solicitantes",
        "Nd = 100,00 kN",
        "Vd = 0,00 kN",
        "Mdx = 0,00 kN*cm",
        "Mdy = 0,00 kN*cm",
        "",
    };
    EXPECT_EQ(texts(lines, 2, expected.size()), expected);
}

TEST(ReportChecks, RolledITensionBlockWithGreenVerdict) {
    Window w("TForm_I_Laminado");
    w150(w);
    const auto lines = report_of(w);
    const std::size_t at = find_line(lines, "Verificação do Esforço de Tração");
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at].style, Style::BoldUnderline);
    // 0,9·16,6·25 = 373,5 kN; 0,75·16,6·40 = 498 kN.
    const Lines expected = {
        "Verificação do Esforço de Tração",
        "Escoamento da seção bruta",
        "ft = 0,9",
        "Rd(Nd) = ft*Ag*fy",
        "Rd(Nd) = 0,9*16,60*25,00",
        "Rd(Nd) = 373,50 kN",
        "",
        "Ruptura da seção líquida",
        "ft = 0,75",
        "Rd(Nd) = ft*Ag*fu",
        "Rd(Nd) = 0,75*16,60*40,00",
        "Rd(Nd) = 498,00 kN",
        "",
        "Adota-se para Rd(Nd) o menor valor das duas verificações",
        "Rd(Nd) = 373,50 kN",
        "",
        "Rd(Nd) >= Nd",
        "373,50 kN >= 100,00 kN",
        "",
        "Ok! Perfil suporta ao esforço solicitado!",
        "",
    };
    EXPECT_EQ(texts(lines, at, expected.size()), expected);
    EXPECT_EQ(lines[at + 19].colour, kPassGreen);
    // Nothing follows the last check.
    EXPECT_EQ(lines.size(), at + expected.size());
}

TEST(ReportChecks, RedVerdictHandsTheColourBackToWindowText) {
    Window w("TForm_I_Laminado");
    w150(w);
    w.boxes.values["R_Nd"] = "400";  // above 373,5 kN
    w.boxes.values["R_Vd"] = "10";
    const auto lines = report_of(w);
    const std::size_t at = find_line(lines, "Não Ok! Perfil não suporta ao esforço solicitado!");
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at - 2].text, "373,50 kN >= 400,00 kN");
    EXPECT_EQ(lines[at].colour, kFailRed);
    EXPECT_EQ(lines[at + 1].text, "Adote outro perfil!");
    EXPECT_EQ(lines[at + 1].colour, kFailRed);
    EXPECT_EQ(lines[at + 3].text, "Verificação do Esforço Cortante");
    EXPECT_EQ(lines[at + 3].colour, kWindowText);
}

TEST(ReportChecks, RolledHCriticalMomentAboutXBeyondLambdaR) {
    Window w("TForm_H_Laminado");
    hp200(w);
    const auto lines = report_of(w);
    EXPECT_EQ(lines[1].text, "Dimensionamento Perfil H Laminado");
    // ry = √(1673/68,1) = 4,95649; λ = 2000/4,95649 = 403,511.
    // β1 = π·√(7892,5·20500·31,93·68,1) = 1863404,39;
    // β2 = π²·20500/(4·7892,5)·68,1·((204 - 11,3)/10)²/31,93 = 5075,64.
    // Mr = (25 - 11,5)·488 = 6588; λr = 0,707·β1/Mr·√(1 + √(1 + 4·β2·Mr²/β1²)) = 291,147.
    // Mcr = β1/λ·√(1 + β2/λ²) = 4689,40 kN·cm.
    const std::size_t flt = find_line(lines, "Flambagem Lateral com torção(FLT)");
    ASSERT_LT(flt, lines.size());
    const Lines expected = {
        "Flambagem Lateral com torção(FLT)",
        "l = Lb/ry",
        "l = 2000,00/4,96",
        "l = 403,51",
        "",
        "lp = 1,75*raiz(E/fy)",
        "lp = 1,75*raiz(20500,00/25,00)",
        "lp = 50,11",
        "",
        "Cb = 1",
        "",
        "B1 = pi*raiz(G*E*IT*Ag)",
        "B1 = pi*raiz(7892,50*20500,00*31,93*68,10)",
        "B1 = 1,86340E+06",
        "",
        "B2 =((pi²*E)/(4*G))*(Ag*((d-tf)/10)²)/IT)",
        "B2 = ((pi²*20500,00)/(4*7892,50))*(68,10*((204,00-11,30)/10)²)/31,93)",
        "B2 = 5075,64",
        "",
        "Mr =(fy-fr)*W)",
        "Mr =(25,00-11,50)*488,00)",
        "Mr = 6588,00 kN*cm",
        "",
        "lr =((0,707*Cb*B1)/Mr)*raiz(1+ raiz(1+((4*B2)/(Cb²*B1²))*Mr²))",
        "lr =((0,707*1,00*1,86340E+06)/6588,00)*raiz(1+ raiz(1+((4*5075,64)/"
        "(1,00²*1,86340E+06²))*6588,00²))",
        "lr = 291,15",
        "",
        "lp < l > lr",
        "",
        "Mcr =((Cb*B1)/l)*raiz(1+(B2/l²))",
        "Mcr =((1,00*1,86340E+06)/403,51)*raiz(1+(5075,64/403,51²))",
        "Mcr = 4689,40 kN*cm",
        "",
        "Mn = Mcr",
        "Mn = 4689,40 kN*cm",
        "",
        "Adota-se para Mn o menor valor de FLA, FLT ou FLM e ainda segundo NBR 8800/88 (Item "
        "5.4.1.3.1) Mn < (1,25*W*fy)",
        "",
        "Mn <= (1,25*W*fy) -> Ok!",
        "Mn = 4689,40 kN*cm",
        "",
        "fb = 0,9",
        "Rd(Md) = fb*Mn",
        "Rd(Md) = 0,90*4689,40",
        "Rd(Md) = 4220,46 kN*cm",
        "",
        "Rd(Md) >= Mdx",
        "4220,46 kN*cm >= 3000,00 kN*cm",
        "",
        "Ok! Perfil suporta ao esforço solicitado!",
        "",
    };
    EXPECT_EQ(texts(lines, flt, expected.size()), expected);
}

TEST(ReportChecks, ChannelPlasticModuliAndShear) {
    Window w("TForm_U_Laminado");
    u152(w);
    const auto lines = report_of(w);
    EXPECT_EQ(lines[1].text, "Dimensionamento Perfil U Laminado");
    // Zx = (48,8·8,7·(152,4 - 8,7) + 5,08/4·(152,4 - 17,4)²)/1000 = 84,1550 cm³.
    // No ZY in the boxes: Zy of the plates. A = 2·48,8·8,7 + 135·5,08 = 1534,92 mm²;
    // A/2 = 767,46 ≤ d·tw = 774,192: xp = 767,46/152,4 = 5,03583 mm in the web;
    // Zy = (152,4·5,03583²/2 + 152,4·0,04417²/2 + 8,7·(43,76417² − 0,04417²))/1000
    //    = 18,5957 cm³.
    const std::size_t zx = find_line(lines, "Wy = 8,06 cm³");
    ASSERT_LT(zx, lines.size());
    const Lines properties = {
        "Wy = 8,06 cm³",
        "",
        "Zx =(bf*tf*(d-tf))+((tw/4)*(d-2*tf)²);",
        "Zx =(48,80*8,70*(152,40-8,70))+((5,08/4)*(152,40-2*8,70)²);",
        "Zx = 84155,00 mm³",
        "Zx = 84,16 cm³",
        "",
        "Zy calculado pelas chapas d, bf, tw, tf (a tabela do perfil não dá Zy),",
        "em relação à linha neutra plástica xp, que divide a área ao meio;",
        "nos perfis laminados, de mesas inclinadas, este valor é 1,10 a 1,16 vezes o publicado.",
        "A = 2*bf*tf+(d-2*tf)*tw",
        "A = 2*48,80*8,70+(152,40-2*8,70)*5,08",
        "A = 1534,92 mm²",
        "",
        "A/2 <= d*tw: xp na alma",
        "xp = A/(2*d)",
        "xp = 1534,92/(2*152,40)",
        "xp = 5,04 mm",
        "",
        "Zy =(d*xp²/2+d*(tw-xp)²/2+tf*((bf-xp)²-(tw-xp)²))/1000",
        "Zy =(152,40*5,04²/2+152,40*(5,08-5,04)²/2+8,70*((48,80-5,04)²-(5,08-5,04)²))/1000",
        "Zy = 18,60 cm³",
        "",
        "rx = raiz(Ix/Ag)",
    };
    EXPECT_EQ(texts(lines, zx, properties.size()), properties);

    // Aw = 135·5,08/100 = 6,858 cm²; λ = 135/5,08 = 26,575;
    // λp = 1,08·√(5,34·20500/25) = 71,466; λr = 1,4·√(…) = 92,642;
    // Vpl = 0,60·6,858·25 = 102,87 kN; Rd = 0,9·102,87 = 92,583 kN.
    const std::size_t shear = find_line(lines, "Verificação do Esforço Cortante");
    ASSERT_LT(shear, lines.size());
    const Lines expected = {
        "Verificação do Esforço Cortante",
        "Análise plástica",
        "Aw = h*tw",
        "Aw = 135,00*5,08",
        "Aw = 685,80 mm²",
        "Aw = 6,86 cm²",
        "",
        "l = h/tw",
        "l = 135,00/5,08",
        "l = 26,57",
        "",
        "lp = 1,08*raiz(k*E/fy)",
        "lp = 1,08*raiz(5,34*20500,00/25,00)",
        "lp = 71,47",
        "",
        "lr = 1,4*raiz(k*E/fy)",
        "lr = 1,4*raiz(5,34*20500,00/25,00)",
        "lr = 92,64",
        "",
        "Vpl = 0,60*Aw*fy",
        "Vpl = 0,60*6,86*25,00",
        "Vpl = 102,87 kN",
        "",
        "l < lp",
        "Vn = Vpl",
        "Vn = 102,87 kN",
        "",
        "fv = 0,9",
        "Rd(Vd) = fv*Vn",
        "Rd(Vd) = 0,90*102,87",
        "Rd(Vd) = 92,58 kN",
        "",
        "Rd(Vd) >= Vd",
        "92,58 kN >= 40,00 kN",
        "",
        "Ok! Perfil suporta ao esforço solicitado!",
        "",
    };
    EXPECT_EQ(texts(lines, shear, expected.size()), expected);
}

TEST(ReportHeader, WeldedDerivesItsPropertiesInGreekLetters) {
    Window w("TI_Soldado");
    cs250(w);
    const auto lines = report_of(w);
    EXPECT_EQ(lines[1].text, "Dimensionamento Perfil I Soldado");
    // h = 250 - 19 = 231; Ag = (2·250·9,5 + 8·231)/100 = 65,98 cm²;
    // Ix = (250·250³ - 242·231³)/12 = 76938614,8 mm⁴;
    // Iy = (2·250³·9,5 + 231·8³)/12 = 24749439,3 mm⁴;
    // It = (2·250·9,5³ + 240,5·8³)/3 = 183941,2 mm⁴.
    const std::size_t at = find_line(lines, "Propriedades geométricas do perfil");
    ASSERT_LT(at, lines.size());
    const Lines expected = {
        "Propriedades geométricas do perfil",
        "Série CS",
        "Perfil CS 250 x 52",
        "bf = 250,00 mm",
        "tf = 9,50 mm",
        "tw = 8,00 mm",
        "d = 250,00 mm",
        "Peso = 51,80 kgf/m",
        "",
        "h = d - 2*tf",
        "h = 250,00 - 2*9,50",
        "h = 231,00 mm",
        "",
        "Ag =(2*bf*tf)+(tw*h)",
        "Ag =(2*250,00*9,50)+(8,00*231,00)",
        "Ag = 6598,00 mm²",
        "Ag = 65,98 cm²",
        "",
        "Ix = (bf*d³/12)-((bf-tw)*h³/12)",
        "Ix = (250,00*250,00³/12)-((250,00-8,00)*231,00³/12)",
        "Ix = 7,69386E+07 mm4",
        "Ix = 7693,86 cm4",
        "",
        "Iy = (2*bf³*tf/12)+(h*tw³/12)",
        "Iy = (2*250,00³*9,50/12)+(231,00*8,00³/12)",
        "Iy = 2,47494E+07 mm4",
        "Iy = 2474,94 cm4",
        "",
        "It = (2*bf*tf³+(d-tf)*tw³)/3",
        "It = (2*250,00*9,50³+(250,00-9,50)*8,00³)/3",
        "It = 183941,00 mm4",
        "It = 18,39 cm4",
        "",
    };
    EXPECT_EQ(texts(lines, at, expected.size()), expected);

    // λx = 400/10,7986 = 37,04 (rx = √(7693,86/65,98)).
    const std::size_t compression = find_line(lines, "Verificação do Esforço de Compressão");
    ASSERT_LT(compression, lines.size());
    const Lines slenderness = {
        "Verificação do Esforço de Compressão",
        "Verificação da esbeltez do elemento (Item 5.3.5 NBR8800/88)",
        "λx = Lflx/rx",
        "λx = 400,00/10,80",
        "λx = 37,04",
        "",
    };
    EXPECT_EQ(texts(lines, compression, slenderness.size()), slenderness);
    EXPECT_LT(find_line(lines, "λx e λy <= 200"), lines.size());
}

TEST(ReportHeader, WeldedShowsTheWindowAfterWritingTheOthersBefore) {
    struct Case {
        const char* window;
        void (*fill)(Window&);
        bool after;
    };
    for (const Case& c :
         {Case{"TForm_I_Laminado", w150, false}, Case{"TForm_H_Laminado", hp200, false},
          Case{"TForm_U_Laminado", u152, false}, Case{"TI_Soldado", cs250, true}}) {
        Window w(c.window);
        c.fill(w);
        ASSERT_TRUE(w.calculate());
        RecordingSink sink;
        ASSERT_TRUE(write_report(checks::find_window(c.window)->kind, *w.state, sink));
        EXPECT_EQ(sink.times_shown(), 1) << c.window;
        EXPECT_EQ(sink.shown_after_writing(), c.after) << c.window;
    }
}

TEST(ReportHeader, NamesTheSectionThatWasCheckedNotTheOneOnScreenNow) {
    Window w("TForm_I_Laminado");
    w150(w);
    ASSERT_TRUE(w.calculate());
    w.boxes.values["R_Perfil"] = "W 200 x 15,0";  // the navigator moved, no new check
    const auto lines = w.report();
    EXPECT_LT(find_line(lines, "Perfil W 150 x 13,0"), lines.size());
    EXPECT_EQ(find_line(lines, "Perfil W 200 x 15,0"), lines.size());
}

TEST(ReportChecks, CombinationWithRefusedCompressionWritesNoVerdict) {
    Window w("TForm_I_Laminado");
    w150(w);
    w.boxes.values["R_Nd"] = "-50";
    w.boxes.values["Compri_x"] = "0";  // compression refused
    w.boxes.values["R_Mdx"] = "500";
    ASSERT_TRUE(w.calculate());
    const auto lines = w.report();
    EXPECT_EQ(find_line(lines, "Verificação do Esforço de Compressão"), lines.size());
    const std::size_t at = find_line(lines, "Combinação das Ações");
    ASSERT_LT(at, lines.size());
    // The bending verdict about x is the last verdict written.
    EXPECT_EQ(lines.size(), at + 1);
}

TEST(ReportChecks, ZeroUnbracedLengthWritesNoBending) {
    Window w("TForm_I_Laminado");
    w150(w);
    w.boxes.values["R_Mdx"] = "500";
    w.boxes.values["R_Mdy"] = "50";
    w.boxes.values["Compri_z"] = "0";
    ASSERT_TRUE(w.calculate());
    const auto lines = w.report();
    EXPECT_EQ(find_line(lines, "Verificação de Flexão em x"), lines.size());
    EXPECT_EQ(find_line(lines, "Verificação de Flexão em y"), lines.size());
    EXPECT_EQ(find_line(lines, "Verificação de Flexão Composta"), lines.size());
    EXPECT_LT(find_line(lines, "Verificação do Esforço de Tração"), lines.size());
}

}  // namespace
}  // namespace quintaro::report::testing

namespace quintaro::report::testing {
namespace {

struct Relatorio {
    Window window{"TForm_I_Laminado"};
    bool complete = false;
    RecordingSink sink;

    bool calcular() {
        return calculate(checks::WindowKind::I_Laminado, window.boxes, window.messages,
                         {*window.state, complete});
    }
    bool relatorio() {
        return write_window_report(checks::WindowKind::I_Laminado, window.boxes, window.messages,
                                   {*window.state, complete}, sink);
    }
};

TEST(RelatorioButton, FirstReportSinceStartUpRunsTheCheckFirst) {
    Relatorio r;
    w150(r.window);
    ASSERT_TRUE(r.relatorio());
    // The check ran: its result box and the report's tension block agree.
    EXPECT_EQ(r.window.boxes.values["R_RdNd"], "373,50");
    EXPECT_LT(find_line(r.sink.lines(), "Rd(Nd) = 373,50 kN"), r.sink.lines().size());
}

TEST(RelatorioButton, AfterAFinishedCheckTheReportDoesNotCheckAgain) {
    Relatorio r;
    w150(r.window);
    ASSERT_TRUE(r.calcular());
    r.window.boxes.values["R_Nd"] = "200";  // typed, not checked
    ASSERT_TRUE(r.relatorio());
    EXPECT_LT(find_line(r.sink.lines(), "Nd = 100,00 kN"), r.sink.lines().size());
    EXPECT_EQ(r.window.boxes.values["R_RdNd"], "373,50");
}

TEST(RelatorioButton, AStoppedCheckWritesNoReport) {
    Relatorio r;
    w150(r.window);
    ASSERT_TRUE(r.calcular());
    r.window.boxes.values["Compri_x"] = "3OO";  // letters O, not zeros
    EXPECT_FALSE(r.calcular());
    // The half-computed state is not reported: the check runs again, stops
    // again with its message, and the report window is left alone.
    EXPECT_FALSE(r.relatorio());
    EXPECT_TRUE(r.sink.lines().empty());
    EXPECT_EQ(r.sink.times_shown(), 0);
    ASSERT_EQ(r.window.messages.shown.size(), 2u);
    EXPECT_EQ(r.window.messages.shown.back(), "Compri_x: '3OO' não é um número válido");
}

}  // namespace
}  // namespace quintaro::report::testing

namespace quintaro::report::testing {
namespace {

TEST(WeldedGreekLetters, OnlyTheSlendernessAndTheConstantsChange) {
    Window w("TI_Soldado");
    cs250(w);
    w.boxes.values["R_Mdx"] = "3000";
    w.boxes.values["R_Vd"] = "100";
    const auto lines = report_of(w);
    bool lambda = false, beta = false;
    for (const auto& line : lines) {
        // No placeholder letter is left for a font to turn into Greek.
        EXPECT_EQ(line.text.find("æ"), std::string::npos) << line.text;
        lambda = lambda || line.text.find("λ") != std::string::npos;
        beta = beta || line.text.find("β1 = pi*raiz(G*E*It*Ag)") != std::string::npos;
    }
    EXPECT_TRUE(lambda);
    EXPECT_TRUE(beta);
    // Words keep their letters: T of "Tipo", B of "NBR8800/88", l of "Flambagem".
    EXPECT_LT(find_line(lines, "Tipo = MR 250"), lines.size());
    EXPECT_LT(find_line(lines, "Verificação da esbeltez do elemento (Item 5.3.5 NBR8800/88)"),
              lines.size());
    EXPECT_LT(find_line(lines, "Flambagem local da alma(FLA)"), lines.size());
    // The shear of the welded web: k = 5,34 stated, λ = h/tw = 231/8 = 28,875.
    const std::size_t shear = find_line(lines, "(a/h)>3");
    ASSERT_LT(shear, lines.size());
    EXPECT_EQ(texts(lines, shear, 7),
              (Lines{"(a/h)>3", "k = 5,34", "", "λ = h/tw", "λ = 231,00/8,00", "λ = 28,88", ""}));
}

TEST(WeldedNominalMoments, TheThreeAreListedBeforeTheCeiling) {
    Window w("TI_Soldado");
    cs250(w);
    w.boxes.values["R_Nd"] = "0";
    w.boxes.values["R_Mdx"] = "3000";
    w.boxes.values["Compri_z"] = "100";
    const auto lines = report_of(w);
    // Zx = 677,9095 cm³: Mpl = 677,9095·25 = 16947,74 kN·cm governs FLA;
    // (bf/2)/tf = 13,16 with λp = 10,88 and λr = 0,62·√(20500/13,5) = 24,16:
    // Mn(FLM) = Mpl - (Mpl - 13,5·Wx)·(13,16 - 10,88)/(24,16 - 10,88),
    // Wx = 615,5089: Mr = 8309,37; Mn = 16947,74 - 8638,37·0,17141 = 15467,0.
    const std::size_t at = find_line(lines, "Mn (FLA) =16947,70 kN*cm");
    ASSERT_LT(at, lines.size());
    EXPECT_EQ(lines[at + 1].text.substr(0, 12), "Mn (FLM) =15");
    EXPECT_EQ(lines[at + 2].text.substr(0, 10), "Mn (FLT) =");
}

}  // namespace
}  // namespace quintaro::report::testing

namespace quintaro::report::testing {
namespace {

TEST(WeldedShear, WholeBlockInGreekLetters) {
    Window w("TI_Soldado");
    cs250(w);
    w.boxes.values["R_Nd"] = "0";
    w.boxes.values["R_Vd"] = "-100";
    const auto lines = report_of(w);
    // Aw = 231·8/100 = 18,48 cm²; λ = 231/8 = 28,875;
    // λp = 1,08·√(5,34·20500/25) = 71,466; λr = 1,4·√(…) = 92,642;
    // Vpl = 0,55·18,48·25 = 254,10 kN; Rd = -0,9·254,10 = -228,69 kN (sign of Vd).
    const std::size_t at = find_line(lines, "Verificação do Esforço Cortante");
    ASSERT_LT(at, lines.size());
    const Lines expected = {
        "Verificação do Esforço Cortante",
        "Análise plástica",
        "Aw = h*tw",
        "Aw = 231,00*8,00",
        "Aw = 1848,00 mm²",
        "Aw = 18,48 cm²",
        "",
        "(a/h)>3",
        "k = 5,34",
        "",
        "λ = h/tw",
        "λ = 231,00/8,00",
        "λ = 28,88",
        "",
        "λp = 1,08*raiz(k*E/fy)",
        "λp = 1,08*raiz(5,34*20500,00/25,00)",
        "λp = 71,47",
        "",
        "λr = 1,4*raiz(k*E/fy)",
        "λr = 1,4*raiz(5,34*20500,00/25,00)",
        "λr = 92,64",
        "",
        "Vpl = 0,55*Aw*fy",
        "Vpl = 0,55*18,48*25,00",
        "Vpl = 254,10 kN",
        "",
        "λ < λp",
        "Vn = Vpl",
        "Vn = 254,10 kN",
        "",
        "fv = 0,9",
        "Rd(Vd) = fv*Vn",
        "Rd(Vd) = 0,90*254,10",
        "Rd(Vd) = -228,69 kN",
        "",
        "Rd(Vd) >= Vd",
        "-228,69 kN >= -100,00 kN",
        "",
        "Ok! Perfil suporta ao esforço solicitado!",
        "",
    };
    EXPECT_EQ(texts(lines, at, expected.size()), expected);
    EXPECT_EQ(lines.size(), at + expected.size());
}

}  // namespace
}  // namespace quintaro::report::testing
