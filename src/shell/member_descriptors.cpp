#include <array>

#include "shell/member_descriptor.h"

namespace quintaro::shell {
namespace {

using drawings::SectionKind;

constexpr const char* kCm4 = "cm⁴";

const std::vector<BoundBox> kRolledIBoxes = {
    {"R_d", "d", "mm"},    {"R_bf", "bf", "mm"},     {"R_tw", "tw", "mm"},  {"R_tf", "tf", "mm"},
    {"R_Ag", "Ag", "cm²"}, {"R_Peso", "P", "kgf/m"}, {"R_Ix", "Ix", kCm4},  {"R_Iy", "Iy", kCm4},
    {"R_Wx", "Wx", "cm³"}, {"R_Wy", "Wy", "cm³"},    {"R_Zx", "Zx", "cm³"}, {"R_Zy", "Zy", "cm³"},
    {"R_IT", "IT", kCm4},
};

// The channel table keeps the centroid distance in its field ZX.
const std::vector<BoundBox> kChannelBoxes = {
    {"R_d", "d", "mm"},    {"R_bf", "bf", "mm"},     {"R_tw", "tw", "mm"}, {"R_tf", "tf", "mm"},
    {"R_Ag", "Ag", "cm²"}, {"R_Peso", "P", "kgf/m"}, {"R_Ix", "Ix", kCm4}, {"R_Iy", "Iy", kCm4},
    {"R_Wx", "Wx", "cm³"}, {"R_Wy", "Wy", "cm³"},    {"R_x", "x", "cm"},   {"R_IT", "IT", kCm4},
    {"R_Zy", "Zy", "cm³"},
};

const std::vector<BoundBox> kWeldedBoxes = {
    {"R_d", "d", "mm"},   {"R_bf", "bf", "mm"},     {"R_tw", "tw", "mm"},
    {"R_tf", "tf", "mm"}, {"R_Peso", "P", "kgf/m"},
};

const std::vector<BoundBox> kAngleBoxes = {
    {"R_bf", "bf", "mm"},     {"R_tf", "tf", "mm"},       {"R_Ag", "Ag", "cm²"},
    {"R_Peso", "P", "kgf/m"}, {"R_Ixy", "Ix'=Iy'", kCm4}, {"R_rz", "rz", "cm"},
    {"R_xy", "x=y", "cm"},
};

const std::vector<BoundBox> kAnglePairBoxes = {
    {"R_bf", "bf*", "mm"},     {"R_tf", "tf*", "mm"},      {"R_Ag", "Ag*", "cm²"},
    {"R_Peso", "P*", "kgf/m"}, {"R_Ixy", "Ix*=Iy*", kCm4}, {"R_rz", "rz*", "cm"},
    {"R_xy", "x=y*", "cm"},
};

const std::vector<BoundBox> kUnequalAngleBoxes = {
    {"R_d", "d", "mm"},       {"R_bf", "bf", "mm"},  {"R_tf", "tf", "mm"},  {"R_Ag", "Ag", "cm²"},
    {"R_Peso", "P", "kgf/m"}, {"R_Ix", "Ix'", kCm4}, {"R_Iy", "Iy'", kCm4}, {"R_x", "x", "cm"},
    {"R_y", "y", "cm"},       {"R_rz", "rz", "cm"},
};

// The turned pairs (Me) use the same boxes and labels; which field each box
// shows comes with the window's check.
const std::vector<BoundBox> kUnequalPairBoxes = {
    {"R_d", "d*", "mm"},       {"R_bf", "bf*", "mm"}, {"R_tf", "tf*", "mm"}, {"R_Ag", "Ag*", "cm²"},
    {"R_Peso", "P*", "kgf/m"}, {"R_Ix", "Ix*", kCm4}, {"R_Iy", "Iy*", kCm4}, {"R_x", "x*", "cm"},
    {"R_y", "y*", "cm"},       {"R_rz", "rz*", "cm"},
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

std::array<MemberDescriptor, drawings::kSectionKindCount> make_descriptors() {
    return {{
        {"I_Soldado", "I Soldado", SectionKind::WeldedI, kWeldedBoxes, false, kBeams,
         kBeamColumnInputs, kBeamColumnResults, checks::WindowKind::I_Soldado},
        {"Form_I_Laminado", "I  Laminado", SectionKind::RolledI, kRolledIBoxes, false, kBeams,
         kBeamColumnInputs, kBeamColumnResults, checks::WindowKind::I_Laminado},
        {"Form_H_Laminado", "H Laminado  ", SectionKind::RolledH, kRolledIBoxes, false, kColumns,
         kBeamColumnInputs, kBeamColumnResults, checks::WindowKind::H_Laminado},
        {"Form_U_Laminado", "U Laminado", SectionKind::Channel, kChannelBoxes, false, kPurlins,
         kBeamColumnInputs, kBeamColumnResults, checks::WindowKind::U_Laminado},
        {"L_Laminado", "L Laminado", SectionKind::Angle, kAngleBoxes, false, kTruss,
         kSingleAngleInputs, kAxialResult, checks::WindowKind::L_Laminado},
        {"LT_Laminado", "L Laminado", SectionKind::AnglePairT, kAnglePairBoxes, true, kPairTruss,
         kTeePairInputs, kTeePairResults, checks::WindowKind::LT_Laminado},
        {"LU_Laminado", "L  Laminado", SectionKind::AnglePairU, kAnglePairBoxes, true, kPairTruss,
         kPairInputs, kPairResultsCross, checks::WindowKind::LU_Laminado},
        {"LX_Laminado", "L Laminado", SectionKind::AnglePairX, kAnglePairBoxes, true, kTrussBracing,
         kPairInputs, kPairResultsMost, checks::WindowKind::LX_Laminado},
        {"L2_Laminado", "L Laminado", SectionKind::UnequalAngle, kUnequalAngleBoxes, false, kTruss,
         kSingleAngleInputs, kAxialResult, checks::WindowKind::L2_Laminado},
        {"L2T_Ma_Laminado", "L Laminado", SectionKind::UnequalPairTLongUp, kUnequalPairBoxes, true,
         kPairTruss, kPairInputs, kPairResultsMost, checks::WindowKind::L2T_Ma_Laminado},
        {"L2T_Me_Laminado", "L Laminado", SectionKind::UnequalPairTShortUp, kUnequalPairBoxes, true,
         kPairTruss, kPairInputs, kPairResultsMost, checks::WindowKind::L2T_Me_Laminado},
        {"L2U_Ma_Laminado", "L Laminado", SectionKind::UnequalPairULongUp, kUnequalPairBoxes, true,
         kPairTruss, kPairInputs, kPairResultsCross, checks::WindowKind::L2U_Ma_Laminado},
        {"L2U_Me_Laminado", "L Laminado", SectionKind::UnequalPairUShortUp, kUnequalPairBoxes, true,
         kPairTruss, kPairInputs, kPairResultsCross, checks::WindowKind::L2U_Me_Laminado},
    }};
}

}  // namespace

const MemberDescriptor& member_descriptor(drawings::SectionKind kind) {
    static const auto descriptors = make_descriptors();
    return descriptors[static_cast<std::size_t>(kind)];
}

}  // namespace quintaro::shell
