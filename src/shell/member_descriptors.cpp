#include <array>

#include "shell/member_descriptor.h"

namespace quintaro::shell {
namespace {

using drawings::SectionKind;

constexpr const char* kCm4 = "cm⁴";

const std::vector<BoundBox> kRolledIBoxes = {
    {"R_d", "D", "d", "mm"},     {"R_bf", "BF", "bf", "mm"},  {"R_tw", "TW", "tw", "mm"},
    {"R_tf", "TF", "tf", "mm"},  {"R_Ag", "S", "Ag", "cm²"},  {"R_Peso", "PESO", "P", "kgf/m"},
    {"R_Ix", "IX", "Ix", kCm4},  {"R_Iy", "IY", "Iy", kCm4},  {"R_Wx", "WX", "Wx", "cm³"},
    {"R_Wy", "WY", "Wy", "cm³"}, {"R_Zx", "ZX", "Zx", "cm³"}, {"R_Zy", "ZY", "Zy", "cm³"},
    {"R_IT", "IT", "IT", kCm4},
};

// The channel table keeps the centroid distance in its field ZX.
const std::vector<BoundBox> kChannelBoxes = {
    {"R_d", "D", "d", "mm"},     {"R_bf", "BF", "bf", "mm"},  {"R_tw", "TW", "tw", "mm"},
    {"R_tf", "TF", "tf", "mm"},  {"R_Ag", "AG", "Ag", "cm²"}, {"R_Peso", "PESO", "P", "kgf/m"},
    {"R_Ix", "IX", "Ix", kCm4},  {"R_Iy", "IY", "Iy", kCm4},  {"R_Wx", "WX", "Wx", "cm³"},
    {"R_Wy", "WY", "Wy", "cm³"}, {"R_x", "ZX", "x", "cm"},    {"R_IT", "IT", "IT", kCm4},
};

const std::vector<BoundBox> kWeldedBoxes = {
    {"R_d", "D", "d", "mm"},    {"R_bf", "BF", "bf", "mm"},       {"R_tw", "TW", "tw", "mm"},
    {"R_tf", "TF", "tf", "mm"}, {"R_Peso", "PESO", "P", "kgf/m"},
};

const std::vector<BoundBox> kAngleBoxes = {
    {"R_bf", "BF", "bf", "mm"},         {"R_tf", "TF", "tf", "mm"},
    {"R_Ag", "AREA", "Ag", "cm²"},      {"R_Peso", "PESO", "P", "kgf/m"},
    {"R_Ixy", "I_XY", "Ix'=Iy'", kCm4}, {"R_rz", "RZ", "rz", "cm"},
    {"R_xy", "XY", "x=y", "cm"},
};

const std::vector<BoundBox> kAnglePairBoxes = {
    {"R_bf", "BF", "bf*", "mm"},        {"R_tf", "TF", "tf*", "mm"},
    {"R_Ag", "AREA", "Ag*", "cm²"},     {"R_Peso", "PESO", "P*", "kgf/m"},
    {"R_Ixy", "I_XY", "Ix*=Iy*", kCm4}, {"R_rz", "RZ", "rz*", "cm"},
    {"R_xy", "XY", "x=y*", "cm"},
};

const std::vector<BoundBox> kUnequalAngleBoxes = {
    {"R_d", "BW", "d", "mm"},    {"R_bf", "BF", "bf", "mm"},       {"R_tf", "TF", "tf", "mm"},
    {"R_Ag", "AG", "Ag", "cm²"}, {"R_Peso", "PESO", "P", "kgf/m"}, {"R_Ix", "IX", "Ix'", kCm4},
    {"R_Iy", "IY", "Iy'", kCm4}, {"R_x", "X", "x", "cm"},          {"R_y", "Y", "y", "cm"},
    {"R_rz", "RZ", "rz", "cm"},
};

// Pairs with the longer legs together or upright: each box shows its own field.
const std::vector<BoundBox> kUnequalPairBoxes = {
    {"R_d", "BW", "d*", "mm"},    {"R_bf", "BF", "bf*", "mm"},       {"R_tf", "TF", "tf*", "mm"},
    {"R_Ag", "AG", "Ag*", "cm²"}, {"R_Peso", "PESO", "P*", "kgf/m"}, {"R_Ix", "IX", "Ix*", kCm4},
    {"R_Iy", "IY", "Iy*", kCm4},  {"R_x", "X", "x*", "cm"},          {"R_y", "Y", "y*", "cm"},
    {"R_rz", "RZ", "rz*", "cm"},
};

// Pairs with the shorter legs together or upright: the angle is turned, so the
// boxes of one axis show the fields of the other.
const std::vector<BoundBox> kTurnedUnequalPairBoxes = {
    {"R_d", "BW", "d*", "mm"},    {"R_bf", "BF", "bf*", "mm"},       {"R_tf", "TF", "tf*", "mm"},
    {"R_Ag", "AG", "Ag*", "cm²"}, {"R_Peso", "PESO", "P*", "kgf/m"}, {"R_Ix", "IY", "Ix*", kCm4},
    {"R_Iy", "IX", "Iy*", kCm4},  {"R_x", "Y", "x*", "cm"},          {"R_y", "X", "y*", "cm"},
    {"R_rz", "RZ", "rz*", "cm"},
};

constexpr const char* kLengths = "Compr. Flambagem";
constexpr const char* kActions = "Solicitações";
constexpr const char* kSpacing = "Espaçamento";

const std::vector<InputBox> kBeamColumnInputs = {
    {kLengths, "Compri_x", "Lflx", "cm", nullptr}, {kLengths, "Compri_y", "Lfly", "cm", nullptr},
    {kLengths, "Compri_z", "Lb", "cm", nullptr},   {kActions, "R_Nd", "Nd", "kN", nullptr},
    {kActions, "R_Vd", "Vd", "kN", nullptr},       {kActions, "R_Mdx", "Mdx", "kN.cm", nullptr},
    {kActions, "R_Mdy", "Mdy", "kN.cm", nullptr},
};

const std::vector<ResultBox> kBeamColumnResults = {
    {"R_RdNd", "Rd(Nd)", "kN", "resposta1"},         {"R_RdVd", "Rd(Vd)", "kN", "resposta2"},
    {"R_RdMdx", "Rd(Mdx)", "kN.cm", "resposta3"},    {"R_RdMdy", "Rd(Mdy)", "kN.cm", "resposta5"},
    {"R_Rd_MdNd", "Rd(Md+Nd)", "<= 1", "resposta4"},
};

const std::vector<InputBox> kSingleAngleInputs = {
    {kLengths, "Compri_x", "Lflx", "cm", nullptr},
    {kLengths, "Compri_y", "Lfly", "cm", nullptr},
    {kActions, "R_Nd", "Nd", "kN", nullptr},
};

const std::vector<ResultBox> kAxialResult = {{"R_RdNd", "Rd(Nd)", "kN", "resposta1"}};

const std::vector<InputBox> kPairInputs = {
    {kLengths, "Compri_x", "Lflx", "cm", nullptr},
    {kLengths, "Compri_y", "Lfly", "cm", nullptr},
    {kSpacing, "R_e", "e", "mm", nullptr},
    {kActions, "R_Nd", "Nd", "kN", nullptr},
};

// Back-to-back equal angles take compression and tension as two forces.
const std::vector<InputBox> kTeePairInputs = {
    {kLengths, "Compri_x", "Lflx", "cm", nullptr},
    {kLengths, "Compri_y", "Lfly", "cm", nullptr},
    {kSpacing, "R_e", "e", "mm", nullptr},
    {kActions, "R_Nd", "Ncd", "kN", "Solicitação de Cálculo à Compressão (Nc,Rd)"},
    {kActions, "R_Ntd", "Ntd", "kN", "Solicitação de Cálculo à Tração (Nt,Rd)"},
};

constexpr const char* kSpacingMost = "Espaçadores no\nmáximo a cada";
constexpr const char* kSpacingCross = "Espaçadores em X a cada";

const std::vector<ResultBox> kTeePairResults = {
    {"R_RdNd", "Rd(Nc)", "kN", "resposta1"},
    {"R_RdNt", "Rd(Nt)", "kN", "Resposta2"},
    {"R_espa", kSpacingMost, "cm", nullptr},
};
const std::vector<ResultBox> kPairResultsMost = {
    {"R_RdNd", "Rd(Nd)", "kN", "resposta1"},
    {"R_espa", kSpacingMost, "cm", nullptr},
};
const std::vector<ResultBox> kPairResultsCross = {
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

std::vector<TableSource> one_table(const char* file, const char* tag) {
    return {{"Table1", file, tag, nullptr}};
}

std::array<MemberDescriptor, drawings::kSectionKindCount> make_descriptors() {
    const char* calc = "BitBtn1";
    return {{
        {"I_Soldado",
         "I Soldado",
         SectionKind::WeldedI,
         {{"Table1", "I_Soldado_CS.DBF", "D", "CS"},
          {"Table2", "I_Soldado_CVS.dbf", "D", "CVS"},
          {"Table3", "I_Soldado_VS.dbf", "D", "VS"}},
         "PERFIL",
         kWeldedBoxes,
         false,
         kBeams,
         kBeamColumnInputs,
         kBeamColumnResults,
         calc,
         {}},
        {"Form_I_Laminado",
         "I  Laminado",
         SectionKind::RolledI,
         one_table("I_Laminado.DBF", "D"),
         "BITOLA",
         kRolledIBoxes,
         false,
         kBeams,
         kBeamColumnInputs,
         kBeamColumnResults,
         calc,
         {}},
        {"Form_H_Laminado",
         "H Laminado  ",
         SectionKind::RolledH,
         one_table("H_Laminado.DBF", "D"),
         "BITOLA",
         kRolledIBoxes,
         false,
         kColumns,
         kBeamColumnInputs,
         kBeamColumnResults,
         calc,
         {}},
        {"Form_U_Laminado",
         "U Laminado",
         SectionKind::Channel,
         one_table("U_Laminado.DBF", "D"),
         "BITOLA",
         kChannelBoxes,
         false,
         kPurlins,
         kBeamColumnInputs,
         kBeamColumnResults,
         calc,
         {}},
        {"L_Laminado",
         "L Laminado",
         SectionKind::Angle,
         one_table("L_Laminado.DBF", "BF"),
         "BITOLA",
         kAngleBoxes,
         false,
         kTruss,
         kSingleAngleInputs,
         kAxialResult,
         calc,
         {}},
        {"LT_Laminado",
         "L Laminado",
         SectionKind::AnglePairT,
         one_table("L_Laminado.DBF", "BF"),
         "BITOLA",
         kAnglePairBoxes,
         true,
         kPairTruss,
         kTeePairInputs,
         kTeePairResults,
         calc,
         {}},
        {"LU_Laminado",
         "L  Laminado",
         SectionKind::AnglePairU,
         one_table("L_Laminado.dbf", "BF"),
         "BITOLA",
         kAnglePairBoxes,
         true,
         kPairTruss,
         kPairInputs,
         kPairResultsCross,
         calc,
         {}},
        {"LX_Laminado",
         "L Laminado",
         SectionKind::AnglePairX,
         one_table("L_Laminado.dbf", "BF"),
         "BITOLA",
         kAnglePairBoxes,
         true,
         kTrussBracing,
         kPairInputs,
         kPairResultsMost,
         "BitBtn4",
         {}},
        {"L2_Laminado",
         "L Laminado",
         SectionKind::UnequalAngle,
         one_table("L2_Laminado.DBF", "BW"),
         "BITOLA",
         kUnequalAngleBoxes,
         false,
         kTruss,
         kSingleAngleInputs,
         kAxialResult,
         calc,
         {}},
        {"L2T_Ma_Laminado",
         "L Laminado",
         SectionKind::UnequalPairTLongUp,
         one_table("L2_Laminado.DBF", "BF"),
         "BITOLA",
         kUnequalPairBoxes,
         true,
         kPairTruss,
         kPairInputs,
         kPairResultsMost,
         calc,
         {}},
        {"L2T_Me_Laminado",
         "L Laminado",
         SectionKind::UnequalPairTShortUp,
         one_table("L2_Laminado.DBF", "BF"),
         "BITOLA",
         kTurnedUnequalPairBoxes,
         true,
         kPairTruss,
         kPairInputs,
         kPairResultsMost,
         calc,
         {}},
        {"L2U_Ma_Laminado",
         "L Laminado",
         SectionKind::UnequalPairULongUp,
         one_table("L2_Laminado.DBF", "BF"),
         "BITOLA",
         kUnequalPairBoxes,
         true,
         kPairTruss,
         kPairInputs,
         kPairResultsCross,
         calc,
         {}},
        {"L2U_Me_Laminado",
         "L Laminado",
         SectionKind::UnequalPairUShortUp,
         one_table("L2_Laminado.DBF", "BW"),
         "BITOLA",
         kTurnedUnequalPairBoxes,
         true,
         kPairTruss,
         kPairInputs,
         kPairResultsCross,
         calc,
         {}},
    }};
}

}  // namespace

const MemberDescriptor& member_descriptor(drawings::SectionKind kind) {
    static const auto descriptors = make_descriptors();
    return descriptors[static_cast<std::size_t>(kind)];
}

}  // namespace quintaro::shell
