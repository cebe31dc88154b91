#include "report/arrangement.h"

namespace quintaro::report {

std::string_view arrangement_name(checks::WindowKind kind) {
    using checks::WindowKind;
    switch (kind) {
        case WindowKind::L_Laminado:
            return "cantoneira simples";
        case WindowKind::L2_Laminado:
            return "cantoneira de abas desiguais";
        case WindowKind::LT_Laminado:
            return "2 cantoneiras em T";
        case WindowKind::LU_Laminado:
            return "2 cantoneiras em U";
        case WindowKind::LX_Laminado:
            return "2 cantoneiras em X";
        case WindowKind::L2T_Ma_Laminado:
            return "2 cantoneiras de abas desiguais em T, abas maiores juntas";
        case WindowKind::L2T_Me_Laminado:
            return "2 cantoneiras de abas desiguais em T, abas menores juntas";
        case WindowKind::L2U_Ma_Laminado:
            return "2 cantoneiras de abas desiguais em U, abas maiores verticais";
        case WindowKind::L2U_Me_Laminado:
            return "2 cantoneiras de abas desiguais em U, abas menores verticais";
        default:
            return "";
    }
}

}  // namespace quintaro::report
