#include "shell/member_descriptor.h"

namespace quintaro::shell {
namespace {

using checks::WindowKind;

constexpr const char* kCm4 = "cm⁴";

constexpr BoundBox kRolledIBoxes[] = {
    {"R_d", "d", "mm"},    {"R_bf", "bf", "mm"},     {"R_tw", "tw", "mm"},  {"R_tf", "tf", "mm"},
    {"R_Ag", "Ag", "cm²"}, {"R_Peso", "P", "kgf/m"}, {"R_Ix", "Ix", kCm4},  {"R_Iy", "Iy", kCm4},
    {"R_Wx", "Wx", "cm³"}, {"R_Wy", "Wy", "cm³"},    {"R_Zx", "Zx", "cm³"}, {"R_Zy", "Zy", "cm³"},
    {"R_IT", "IT", kCm4},
};

// The channel table keeps the centroid distance in its field ZX.
constexpr BoundBox kChannelBoxes[] = {
    {"R_d", "d", "mm"},    {"R_bf", "bf", "mm"},     {"R_tw", "tw", "mm"}, {"R_tf", "tf", "mm"},
    {"R_Ag", "Ag", "cm²"}, {"R_Peso", "P", "kgf/m"}, {"R_Ix", "Ix", kCm4}, {"R_Iy", "Iy", kCm4},
    {"R_Wx", "Wx", "cm³"}, {"R_Wy", "Wy", "cm³"},    {"R_x", "x", "cm"},   {"R_IT", "IT", kCm4},
    {"R_Zy", "Zy", "cm³"},
};

constexpr BoundBox kWeldedBoxes[] = {
    {"R_d", "d", "mm"},   {"R_bf", "bf", "mm"},     {"R_tw", "tw", "mm"},
    {"R_tf", "tf", "mm"}, {"R_Peso", "P", "kgf/m"},
};

constexpr BoundBox kAngleBoxes[] = {
    {"R_bf", "bf", "mm"},     {"R_tf", "tf", "mm"},       {"R_Ag", "Ag", "cm²"},
    {"R_Peso", "P", "kgf/m"}, {"R_Ixy", "Ix'=Iy'", kCm4}, {"R_rz", "rz", "cm"},
    {"R_xy", "x=y", "cm"},
};

constexpr BoundBox kAnglePairBoxes[] = {
    {"R_bf", "bf*", "mm"},     {"R_tf", "tf*", "mm"},      {"R_Ag", "Ag*", "cm²"},
    {"R_Peso", "P*", "kgf/m"}, {"R_Ixy", "Ix*=Iy*", kCm4}, {"R_rz", "rz*", "cm"},
    {"R_xy", "x=y*", "cm"},
};

constexpr BoundBox kUnequalAngleBoxes[] = {
    {"R_d", "d", "mm"},       {"R_bf", "bf", "mm"},  {"R_tf", "tf", "mm"},  {"R_Ag", "Ag", "cm²"},
    {"R_Peso", "P", "kgf/m"}, {"R_Ix", "Ix'", kCm4}, {"R_Iy", "Iy'", kCm4}, {"R_x", "x", "cm"},
    {"R_y", "y", "cm"},       {"R_rz", "rz", "cm"},
};

// The turned pairs (Me) use the same boxes and labels; which field each box
// shows comes with the window's check.
constexpr BoundBox kUnequalPairBoxes[] = {
    {"R_d", "d*", "mm"},       {"R_bf", "bf*", "mm"}, {"R_tf", "tf*", "mm"}, {"R_Ag", "Ag*", "cm²"},
    {"R_Peso", "P*", "kgf/m"}, {"R_Ix", "Ix*", kCm4}, {"R_Iy", "Iy*", kCm4}, {"R_x", "x*", "cm"},
    {"R_y", "y*", "cm"},       {"R_rz", "rz*", "cm"},
};

constexpr const char* kLengths = "Compr. Flambagem";
constexpr const char* kActions = "Solicitações";
constexpr const char* kSpacing = "Espaçamento";

constexpr InputBox kBeamColumnInputs[] = {
    {kLengths, "Compri_x", "Lflx", "cm", nullptr}, {kLengths, "Compri_y", "Lfly", "cm", nullptr},
    {kLengths, "Compri_z", "Lb", "cm", nullptr},   {kActions, "R_Nd", "Nd", "kN", nullptr},
    {kActions, "R_Vd", "Vd", "kN", nullptr},       {kActions, "R_Mdx", "Mdx", "kN.cm", nullptr},
    {kActions, "R_Mdy", "Mdy", "kN.cm", nullptr},
};

constexpr ResultBox kBeamColumnResults[] = {
    {"R_RdNd", "Rd(Nd)", "kN", "resposta1"},         {"R_RdVd", "Rd(Vd)", "kN", "resposta2"},
    {"R_RdMdx", "Rd(Mdx)", "kN.cm", "resposta3"},    {"R_RdMdy", "Rd(Mdy)", "kN.cm", "resposta5"},
    {"R_Rd_MdNd", "Rd(Md+Nd)", "<= 1", "resposta4"},
};

constexpr InputBox kSingleAngleInputs[] = {
    {kLengths, "Compri_x", "Lflx", "cm", nullptr},
    {kLengths, "Compri_y", "Lfly", "cm", nullptr},
    {kActions, "R_Nd", "Nd", "kN", nullptr},
};

constexpr ResultBox kAxialResult[] = {{"R_RdNd", "Rd(Nd)", "kN", "resposta1"}};

constexpr InputBox kPairInputs[] = {
    {kLengths, "Compri_x", "Lflx", "cm", nullptr},
    {kLengths, "Compri_y", "Lfly", "cm", nullptr},
    {kSpacing, "R_e", "e", "mm", nullptr},
    {kActions, "R_Nd", "Nd", "kN", nullptr},
};

// Back-to-back equal angles take compression and tension as two forces.
constexpr InputBox kTeePairInputs[] = {
    {kLengths, "Compri_x", "Lflx", "cm", nullptr},
    {kLengths, "Compri_y", "Lfly", "cm", nullptr},
    {kSpacing, "R_e", "e", "mm", nullptr},
    {kActions, "R_Nd", "Ncd", "kN", "Solicitação de Cálculo à Compressão (Nc,Rd)"},
    {kActions, "R_Ntd", "Ntd", "kN", "Solicitação de Cálculo à Tração (Nt,Rd)"},
};

constexpr const char* kSpacingMost = "Espaçadores no\nmáximo a cada";
constexpr const char* kSpacingCross = "Espaçadores em X a cada";

constexpr ResultBox kTeePairResults[] = {
    {"R_RdNd", "Rd(Nc)", "kN", "resposta1"},
    {"R_RdNt", "Rd(Nt)", "kN", "Resposta2"},
    {"R_espa", kSpacingMost, "cm", nullptr},
};
constexpr ResultBox kPairResultsMost[] = {
    {"R_RdNd", "Rd(Nd)", "kN", "resposta1"},
    {"R_espa", kSpacingMost, "cm", nullptr},
};
constexpr ResultBox kPairResultsCross[] = {
    {"R_RdNd", "Rd(Nd)", "kN", "resposta1"},
    {"R_espa", kSpacingCross, "cm", nullptr},
};

constexpr const char* kBeams =
    "Perfil indicado para elementos sujeitos\nà flexão composta (Ex.: vigas)";
constexpr const char* kColumns =
    "Perfil indicado para elementos sujeitos\nà flexão composta (Ex.: colunas)";
constexpr const char* kPurlins =
    "Perfil indicado para elementos sujeitos\nà flexão composta (Ex.: terças)";
constexpr const char* kTruss =
    "Perfil indicado para elementos sujeitos\nà tração ou compressão\n(Ex.: elementos de treliça)";
constexpr const char* kTrussBracing =
    "Perfil indicado para elementos sujeitos\nà tração ou compressão\n(Ex.: elementos de "
    "treliça, contraventamento)";
constexpr const char* kPairTruss =
    "Perfil indicado para elementos sujeitos à tração \nou compressão (Ex.: elementos de treliça)";

constexpr const char* kCoefficients = "Coeficientes";

// NBR 8800:2008: the torsional buckling length, Ct and An of the net section,
// Cb of the lateral-torsional buckling and the second-order check box.
constexpr InputBox kMemberInputs2008[] = {
    {kLengths, "Compri_t", "Lflz", "cm",
     "Comprimento de flambagem por torção KzLz (vazio: igual a Lb; 0: torção impedida)"},
    {kCoefficients, "R_Ct", "Ct", "",
     "Coeficiente de redução da área líquida efetiva, 0 < Ct ≤ 1,00"},
    {kCoefficients, "R_An", "An", "cm²", "Área líquida (vazio: An = Ag, seção sem furos)"},
    {kCoefficients, "R_Cb", "Cb", "",
     "Fator de modificação para diagrama de momento fletor não uniforme, 1,00 ≤ Cb ≤ 3,00"},
    {kCoefficients, "SegundaOrdem", "Momentos já incluem\nefeitos de 2ª ordem", "",
     "Desmarcado: na flexo-compressão os momentos são amplificados por B1 = Cm/(1 − Nd/Ne1), "
     "Cm = 1,0"},
};

// NBR 8800:2008 for the angles: the torsional buckling length, the way a
// single angle is loaded (E.1.4 or centred) and, of two widths, its connected
// leg; the connection length for Ct and the net area of one angle.
constexpr const char* kConnection = "Ligação";
constexpr const char* kAngleTorsionHint =
    "Comprimento de flambagem por torção KzLz (vazio: igual a Lfly; 0: torção impedida)";
constexpr const char* kConnectionLengthHint =
    "Comprimento da ligação ℓc, para Ct = 1 − ec/ℓc (vazio: Ct = 0,60, o menor valor admitido)";
constexpr const char* kAngleNetAreaHint =
    "Área líquida de uma cantoneira (vazio: An = Ag, seção sem furos)";
constexpr const char* kLoadingHint =
    "Uma aba ligada: comprimento de flambagem equivalente da NBR 8800:2008, E.1.4; "
    "carga centrada: flambagem por flexão e por flexo-torção (E.1.2, E.1.3)";

constexpr InputBox kSingleAngleInputs2008[] = {
    {kLengths, "Compri_t", "Lflz", "cm", kAngleTorsionHint},
    {kConnection, "Ligacao", "Ligação", "", kLoadingHint},
    {kConnection, "R_lc", "ℓc", "cm", kConnectionLengthHint},
    {kConnection, "R_An", "An", "cm²", kAngleNetAreaHint},
};
constexpr InputBox kUnequalAngleInputs2008[] = {
    {kLengths, "Compri_t", "Lflz", "cm", kAngleTorsionHint},
    {kConnection, "Ligacao", "Ligação", "", kLoadingHint},
    {kConnection, "Aba_ligada", "Aba ligada", "",
     "A aba ligada à chapa de ligação: d (a maior) ou bf"},
    {kConnection, "R_lc", "ℓc", "cm", kConnectionLengthHint},
    {kConnection, "R_An", "An", "cm²", kAngleNetAreaHint},
};
// The pairs mark the net area of one angle as the panel marks its data.
constexpr InputBox kPairInputs2008[] = {
    {kLengths, "Compri_t", "Lflz", "cm", kAngleTorsionHint},
    {kConnection, "R_lc", "ℓc", "cm", kConnectionLengthHint},
    {kConnection, "R_An", "An*", "cm²", kAngleNetAreaHint},
};

struct AddedInputs {
    WindowKind kind;
    std::span<const InputBox> inputs;
};

constexpr checks::WindowTable<AddedInputs> kAddedInputs = {{
    {WindowKind::I_Laminado, kMemberInputs2008},
    {WindowKind::H_Laminado, kMemberInputs2008},
    {WindowKind::U_Laminado, kMemberInputs2008},
    {WindowKind::I_Soldado, kMemberInputs2008},
    {WindowKind::L_Laminado, kSingleAngleInputs2008},
    {WindowKind::L2_Laminado, kUnequalAngleInputs2008},
    {WindowKind::LT_Laminado, kPairInputs2008},
    {WindowKind::LU_Laminado, kPairInputs2008},
    {WindowKind::LX_Laminado, kPairInputs2008},
    {WindowKind::L2T_Ma_Laminado, kPairInputs2008},
    {WindowKind::L2T_Me_Laminado, kPairInputs2008},
    {WindowKind::L2U_Ma_Laminado, kPairInputs2008},
    {WindowKind::L2U_Me_Laminado, kPairInputs2008},
}};
static_assert(checks::keyed_by_window(kAddedInputs));

// The cross of two angles calculates with its own button, BitBtn4. Each angle window's
// caption names its arrangement.
constexpr checks::WindowTable<MemberDescriptor> kDescriptors = {{
    {WindowKind::I_Laminado, "Form_I_Laminado", "I  Laminado", "SpeedButton9", kRolledIBoxes, false,
     kBeams, kBeamColumnInputs, kBeamColumnResults, "BitBtn1"},
    {WindowKind::H_Laminado, "Form_H_Laminado", "H Laminado  ", "SpeedButton1", kRolledIBoxes,
     false, kColumns, kBeamColumnInputs, kBeamColumnResults, "BitBtn1"},
    {WindowKind::U_Laminado, "Form_U_Laminado", "U Laminado", "SpeedButton11", kChannelBoxes, false,
     kPurlins, kBeamColumnInputs, kBeamColumnResults, "BitBtn1"},
    {WindowKind::I_Soldado, "I_Soldado", "I Soldado", "SpeedButton5", kWeldedBoxes, false, kBeams,
     kBeamColumnInputs, kBeamColumnResults, "BitBtn1"},
    {WindowKind::L_Laminado, "L_Laminado", "L Laminado — cantoneira simples", "SpeedButton4",
     kAngleBoxes, false, kTruss, kSingleAngleInputs, kAxialResult, "BitBtn1"},
    {WindowKind::L2_Laminado, "L2_Laminado", "L Laminado — cantoneira de abas desiguais",
     "SpeedButton3", kUnequalAngleBoxes, false, kTruss, kSingleAngleInputs, kAxialResult,
     "BitBtn1"},
    {WindowKind::LT_Laminado, "LT_Laminado", "L Laminado — 2 cantoneiras em T", "SpeedButton2",
     kAnglePairBoxes, true, kPairTruss, kTeePairInputs, kTeePairResults, "BitBtn1"},
    {WindowKind::LU_Laminado, "LU_Laminado", "L Laminado — 2 cantoneiras em U", "SpeedButton13",
     kAnglePairBoxes, true, kPairTruss, kPairInputs, kPairResultsCross, "BitBtn1"},
    {WindowKind::LX_Laminado, "LX_Laminado", "L Laminado — 2 cantoneiras em X", "SpeedButton7",
     kAnglePairBoxes, true, kTrussBracing, kPairInputs, kPairResultsMost, "BitBtn4"},
    {WindowKind::L2T_Ma_Laminado, "L2T_Ma_Laminado",
     "L Laminado — 2 cantoneiras de abas desiguais em T, abas maiores juntas", "SpeedButton8",
     kUnequalPairBoxes, true, kPairTruss, kPairInputs, kPairResultsMost, "BitBtn1"},
    {WindowKind::L2T_Me_Laminado, "L2T_Me_Laminado",
     "L Laminado — 2 cantoneiras de abas desiguais em T, abas menores juntas", "SpeedButton6",
     kUnequalPairBoxes, true, kPairTruss, kPairInputs, kPairResultsMost, "BitBtn1"},
    {WindowKind::L2U_Ma_Laminado, "L2U_Ma_Laminado",
     "L Laminado — 2 cantoneiras de abas desiguais em U, abas maiores verticais", "SpeedButton12",
     kUnequalPairBoxes, true, kPairTruss, kPairInputs, kPairResultsCross, "BitBtn1"},
    {WindowKind::L2U_Me_Laminado, "L2U_Me_Laminado",
     "L Laminado — 2 cantoneiras de abas desiguais em U, abas menores verticais", "SpeedButton10",
     kUnequalPairBoxes, true, kPairTruss, kPairInputs, kPairResultsCross, "BitBtn1"},
}};
static_assert(checks::keyed_by_window(kDescriptors));

}  // namespace

const MemberDescriptor& member_descriptor(checks::WindowKind kind) {
    return kDescriptors.at(checks::index_of(kind));
}

std::span<const InputBox> added_inputs(checks::WindowKind kind) {
    return kAddedInputs.at(checks::index_of(kind)).inputs;
}

}  // namespace quintaro::shell
