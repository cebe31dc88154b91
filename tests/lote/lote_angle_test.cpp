// quintaro-lote on rows of the nine angle windows: catalogue rows of the
// bundled L_Laminado.DBF and L2_Laminado.DBF, and sections of our own typed
// in R_* columns. The whole program (command line, steel table, catalogues,
// checks, CSV out) runs in-process. Steel: the first row of tipo_aco.dbf,
// MR250 (fy = 25, fu = 40 kN/cm²): √(E/fy) = √820 = 28,6356, so the leg
// limits are 0,44·28,6356 = 12,5997 and 0,9·28,6356 = 25,7720.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "csv.h"
#include "lote.h"

namespace {

struct Outcome {
    int status = -1;
    quintaro::lote::CsvTable table;
    std::string err;
};

Outcome run_lote(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    Outcome o;
    o.status = quintaro::lote::run({"--tables", QUINTARO_TABLES_DIR, "-"}, "", in, out, err);
    o.err = err.str();
    auto parsed = quintaro::lote::parse_csv(out.str());
    EXPECT_TRUE(parsed.ok()) << parsed.error();
    if (parsed.ok())
        o.table = parsed.value();
    return o;
}

std::string cell(const quintaro::lote::CsvTable& t, std::size_t row, const std::string& column) {
    for (std::size_t i = 0; i < t.header.size(); ++i) {
        if (t.header[i] == column)
            return t.rows.at(row).at(i);
    }
    ADD_FAILURE() << "no column " << column;
    return {};
}

const char* kHeader =
    "janela;perfil;Compri_x;Compri_y;R_Nd;R_Ntd;R_e;"
    "R_bf;R_tf;R_d;R_Ag;R_Peso;R_Ixy;R_Ix;R_Iy;R_rz;R_xy;R_x;R_y\n";

struct Expected {
    const char* window;
    const char* RdNd;
    const char* resposta1;
    const char* RdNt;  // "" where the window has no such box
    const char* Resposta2;
    const char* espa;
    const char* mensagens;
};

TEST(LoteAngles, EveryAngleWindow) {
    const std::string input =
        std::string(kHeader) +
        // 0. L 102 x 102 x 12,7 (AREA 24,2) in tension: min(0,9·24,2·25 = 544,5,
        //    0,75·24,2·40 = 726) = 544,5.
        "TL_Laminado;L 102 x 102 x 12,7;0;0;500;;;;;;;;;;;;;;\n"
        // 1. L 127 x 76 x 9,5 (BW 127, BF 76,2, TF 9,53, AG 18,5, IX 306, IY 83,7,
        //    RZ 1,64), Nd = −100, Lflx = Lfly = 100: Ix = 18,5·1,64² = 49,7576,
        //    Iy = 306 + 83,7 − 49,7576 = 339,9424, rx = 1,64, ry = 4,28663794422446;
        //    λx = λz = 60,9756097560976, λy = 23,3283056094657. bf/tf = 7,996: Q_bf = 1;
        //    d/tf = 13,3263: Q_d = 1,34 − 0,77·13,3263·√(25/20500) = 0,981660552868274.
        //    λ̄x = 60,9756/π·√(0,98166·25/20500), ρ = 0,731352341974232;
        //    Rd = −0,9·0,731352341974232·0,981660552868274·18,5·25 = −298,842418591486.
        "TL2_Laminado;L 127 x 76 x 9,5;100;100;-100;;;;;;;;;;;;;;\n"
        // 2. L 76 x 76 x 6,4 back to back (BF 76,2, TF 6,35, AREA 9,29, I_XY 51,2,
        //    RZ 1,49, XY 2,12), e = 6,35 = tf (no warning), Ncd = −50, Ntd = 100,
        //    lengths 150: s = 2,12 + 0,3175 = 2,4375, Ag = 18,58, rx = √(102,4/18,58) =
        //    2,34761633913645, ry = √(2·(51,2 + 9,29·2,4375²)/18,58) = 3,3841850903549;
        //    λx = 63,8945970427078; bf/tf = 12 ≤ 12,5997: Qs = 1, Qa = 1;
        //    ρ = 0,710314062954481, Rd(Nc) = −0,9·ρ·18,58·25 = −296,946794018121.
        //    Rd(Nt) = min(0,9·18,58·25 = 418,05, 0,75·18,58·40 = 557,4) = 418,05.
        //    Spacing max(1,49·63,8946 = 95,20, 240·1,49 = 357,6) = 357,6.
        "TLT_Laminado;L 76 x 76 x 6,4;150;150;-50;100;6,35;;;;;;;;;;;;\n"
        // 3. Toe to toe, our own A1 typed in the row: s = 10 + 0,5 − 2,8 = 7,7,
        //    rx = 3, ry = √(2731,6/40) = 8,26377637645163; λx = 100 governs;
        //    bf/tf = 10: Qs = Qa = 1; ρ = 0,486875785406166;
        //    Rd = −0,9·0,486875785406166·40·25 = −438,188206865549;
        //    spacing 2·min(100, 36,303) = 72,6060305443107.
        "TLU_Laminado;;300;300;-100;;10;100;10;;20;15,7;180;;;2;2,8;;\n"
        // 4. L 51 x 51 x 3,2 crossed (AREA 3,17, RZ 0,993, TF 3,18), e = 2 < tf:
        //    the spacer warning; tension min(0,9·6,34·25 = 142,65, 190,2) = 142,65;
        //    spacing 240·0,993 = 238,32.
        "TLX_Laminado;L 51 x 51 x 3,2;100;100;10;;2;;;;;;;;;;;;\n"
        // 5. L 127 x 76 x 9,5, Ma back to back, e = 10, Nd = −100, lengths 200:
        //    Ix' = 306, Iy' = 83,7, c = X = 1,77: s = 2,27, Ag = 37,
        //    rx = √(612/37) = 4,06700633642739, ry = √(2·(83,7 + 18,5·2,27²)/37) =
        //    3,11082373726387; λy = 64,2916529163143 governs; Qs (bf/tf = 7,996) = 1;
        //    Qa leg d: 13,3263 > 12,5997, bef = 144,76 mm capped at 127, Qa = 1;
        //    ρ = 0,707886753801781, Rd = −0,9·ρ·37·25 = −589,315722539983;
        //    spacing 1,64·64,2916529163143 = 105,438310782755.
        "TL2T_Ma_Laminado;L 127 x 76 x 9,5;200;200;-100;;10;;;;;;;;;;;;\n"
        // 6. The same row turned (Me): Ix' = IY = 83,7, Iy' = IX = 306, c = Y = 4,29:
        //    s = 4,79, rx = √(167,4/37) = 2,12704591495443, ry = 6,2836804931935;
        //    λx = 94,0271192990608 governs; Qs from d = 0,981660552868274, Qa = 1;
        //    ρ = 0,527048013877323; Rd = −0,9·ρ·0,98166·37·25 = −430,720718705206;
        //    spacing 1,64·94,0271192990608 = 154,20447565046.
        "TL2T_Me_Laminado;L 127 x 76 x 9,5;200;200;-100;;10;;;;;;;;;;;;\n"
        // 7. Our own B1 typed in the row, toe to toe (Ma), tension 100:
        //    min(0,9·48·25 = 1080, 0,75·48·40 = 1440) = 1080; spacing
        //    2,2·300/8,5990309531559 = 76,7528345455921.
        "TL2U_Ma_Laminado;;300;300;100;;10;100;10;150;24;18,8;;550;200;2,2;;2,4;4,9\n"
        // 8. Me toe to toe, Lflx = 0 under compression: refused, flag, spacing
        //    2,2·min(0, λy) = 0.
        "TL2U_Me_Laminado;L 127 x 76 x 9,5;0;300;-10;;10;;;;;;;;;;;;\n";

    const Expected expected[] = {
        {"TL_Laminado", "544,50", "Ok!", "", "", "", ""},
        {"TL2_Laminado", "-298,84", "Ok!", "", "", "", ""},
        {"TLT_Laminado", "-296,95", "Ok!", "418,05", "Ok!", "357,60", ""},
        {"TLU_Laminado", "-438,19", "Ok!", "", "", "72,61", ""},
        {"TLX_Laminado", "142,65", "Ok!", "", "", "238,32",
         "Espessura dos espaçadores é menor/      que a espessura das abas (e<tf)./"
         "Recomenda-se aumentar a espessura/           dos espaçadores (e)!"},
        {"TL2T_Ma_Laminado", "-589,32", "Ok!", "", "", "105,44", ""},
        {"TL2T_Me_Laminado", "-430,72", "Ok!", "", "", "154,20", ""},
        {"TL2U_Ma_Laminado", "1080,00", "Ok!", "", "", "76,75", ""},
        {"TL2U_Me_Laminado", "0,00", "", "", "", "0,00",
         "Não é possível dimensionar o/      perfil a compressão!/Comprimento(os) inválido(os)!"},
    };

    Outcome o = run_lote(input);
    EXPECT_EQ(o.status, 0) << o.err;
    ASSERT_EQ(o.table.rows.size(), std::size(expected));
    // Inputs written back, then the result columns of the angle windows in
    // their fixed order.
    const std::vector<std::string> tail(o.table.header.end() - 8, o.table.header.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"R_RdNd", "resposta1", "R_RdNt", "Resposta2", "R_espa",
                                        "mensagens", "aproveitamento", "governante"}));
    for (std::size_t r = 0; r < std::size(expected); ++r) {
        const Expected& e = expected[r];
        SCOPED_TRACE(e.window);
        EXPECT_EQ(cell(o.table, r, "janela"), e.window);
        EXPECT_EQ(cell(o.table, r, "R_RdNd"), e.RdNd);
        EXPECT_EQ(cell(o.table, r, "resposta1"), e.resposta1);
        EXPECT_EQ(cell(o.table, r, "R_RdNt"), e.RdNt);
        EXPECT_EQ(cell(o.table, r, "Resposta2"), e.Resposta2);
        EXPECT_EQ(cell(o.table, r, "R_espa"), e.espa);
        EXPECT_EQ(cell(o.table, r, "mensagens"), e.mensagens);
    }
}

TEST(LoteAngles, RefusedValueOfAnAngleRowIsItsMessage) {
    // An angle typed with a zero area is refused, naming the box: that row only.
    const std::string input = std::string(kHeader) +
                              "TL_Laminado;;100;100;-10;;;100;10;;0;;180;;;2;;;\n"
                              "TL_Laminado;L 102 x 102 x 12,7;0;0;500;;;;;;;;;;;;;;\n";
    Outcome o = run_lote(input);
    EXPECT_EQ(o.status, 1) << o.err;
    ASSERT_EQ(o.table.rows.size(), 2u);
    EXPECT_EQ(cell(o.table, 0, "mensagens"),
              "Ag: '0' não é válido — as propriedades do perfil devem ser maiores que zero.");
    EXPECT_EQ(cell(o.table, 0, "R_RdNd"), "0,00");
    EXPECT_EQ(cell(o.table, 1, "R_RdNd"), "544,50");
}

// The angle windows under NBR 8800:2008 with their own columns (the values
// are the hand calculations of tests/checks/angle_2008_test.cpp on the same
// catalogue rows, L 76 x 76 x 6,4 and L 102 x 76 x 6,4).
TEST(LoteAngles, Under2008) {
    const std::string input =
        "janela;norma;perfil;Compri_x;Compri_y;Compri_t;R_Nd;R_Ntd;R_e;R_lc;R_An;Ligacao;"
        "Aba_ligada\n"
        // T, both forces: Neyz governs, Ct = 0,788 per angle summed, spacing
        // min(½·87,106·1,49; 300·1,49).
        "TLT_Laminado;2008;L 76 x 76 x 6,4;100;300;;50;100;8;10;8;;\n"
        // By the shorter leg bf, planar truss (typed with a hyphen).
        "TL2_Laminado;2008;L 102 x 76 x 6,4;150;;;-50;;;;;Uma aba ligada - treliça plana;bf\n"
        // Centred: Nex governs.
        "TL_Laminado;2008;L 76 x 76 x 6,4;100;100;;-50;;;;;Carga centrada;\n"
        // Cross: torsion governs; Lflz 0 restrains it and Ney governs.
        "TLX_Laminado;2008;L 76 x 76 x 6,4;150;150;;-50;;8;;;;\n"
        "TLX_Laminado;2008;L 76 x 76 x 6,4;150;150;0;-50;;8;;;;\n"
        // No ℓc: Ct = 0,60, said.
        "TL_Laminado;2008;L 76 x 76 x 6,4;;;;100;;;;8;;\n";
    const struct {
        const char* RdNd;
        const char* RdNt;
        const char* espa;
        const char* governing;
    } expected[] = {
        {"-267,69", "373,57", "64,89", "R_RdNt"},
        {"-125,72", "", "", "R_RdNd"},
        {"-166,29", "", "", "R_RdNd"},
        {"-332,08", "", "37,67", "R_RdNd"},
        {"-368,76", "", "37,67", "R_RdNd"},
        {"142,22", "", "", "R_RdNd"},
    };
    Outcome o = run_lote(input);
    EXPECT_EQ(o.status, 0) << o.err;
    ASSERT_EQ(o.table.rows.size(), std::size(expected));
    for (std::size_t r = 0; r < std::size(expected); ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(cell(o.table, r, "R_RdNd"), expected[r].RdNd);
        EXPECT_EQ(cell(o.table, r, "resposta1"), "Ok!");
        EXPECT_EQ(cell(o.table, r, "R_RdNt"), expected[r].RdNt);
        EXPECT_EQ(cell(o.table, r, "R_espa"), expected[r].espa);
        EXPECT_EQ(cell(o.table, r, "governante"), expected[r].governing);
        EXPECT_EQ(cell(o.table, r, "mensagens").empty(), r + 1 < std::size(expected));
    }
    EXPECT_NE(cell(o.table, 5, "mensagens").find("Ct = 0,60"), std::string::npos);
}

}  // namespace
