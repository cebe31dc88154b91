#pragma once

namespace quintaro::drawings {

// One kind per member window: the section family and, for two angles, how the
// pair is arranged.
enum class SectionKind {
    WeldedI,              // TI_Soldado
    RolledI,              // TForm_I_Laminado
    RolledH,              // TForm_H_Laminado
    Channel,              // TForm_U_Laminado
    Angle,                // TL_Laminado: one angle, equal legs
    AnglePairT,           // TLT_Laminado: equal legs back to back
    AnglePairU,           // TLU_Laminado: equal legs toe to toe
    AnglePairX,           // TLX_Laminado: equal legs heel to heel, crossed
    UnequalAngle,         // TL2_Laminado: one angle, legs d and bf
    UnequalPairTLongUp,   // TL2T_Ma_Laminado: legs d upright, back to back
    UnequalPairTShortUp,  // TL2T_Me_Laminado: legs bf upright, back to back
    UnequalPairULongUp,   // TL2U_Ma_Laminado: legs d upright, toe to toe
    UnequalPairUShortUp,  // TL2U_Me_Laminado: legs bf upright, toe to toe
};

inline constexpr int kSectionKindCount = 13;

}  // namespace quintaro::drawings
