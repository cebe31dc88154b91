#include "checks/nbr8800_2008/notices.h"

namespace quintaro::checks::nbr2008 {

std::string_view notice_text(Notice notice) {
    switch (notice) {
        case Notice::CtOutOfRange:
            return "Ct deve ser maior que 0 e no máximo 1,00.\nA verificação à tração não foi "
                   "feita.";
        case Notice::AnOutOfRange:
            return "An deve ser maior que 0 e não maior que Ag.\n"
                   "A verificação à tração não foi feita.";
        case Notice::ConnectionTooShort:
            return "Ct = 1 − ec/ℓc resulta menor que 0,60: ligação curta demais\n"
                   "(NBR 8800:2008, 5.2.5). Aumente ℓc.\nA verificação à tração não foi feita.";
        case Notice::CtLowestNoLength:
            return "Comprimento da ligação ℓc não informado: adotado Ct = 0,60,\n"
                   "o menor valor admitido (NBR 8800:2008, 5.2.5).";
        case Notice::TensionSlenderness:
            return "Esbeltez L/r maior que 300 (NBR 8800:2008, 5.2.8).\n"
                   "Recomenda-se adotar outra seção!";
        case Notice::CompressionLength:
            return "Não é possível dimensionar o perfil à compressão!\n"
                   "Comprimento(os) de flambagem inválido(os)!";
        case Notice::CompressionSlenderness:
            return "Esbeltez KL/r maior que 200 (NBR 8800:2008, 5.3.4.1).\n"
                   "Recomenda-se adotar outra seção!";
        case Notice::LegRatioOutOfRange:
            return "Cantoneira de abas desiguais ligada pela aba menor com bl/bs > 1,7:\n"
                   "o método de E.1.4 não se aplica. Use \"Carga centrada\".\n"
                   "A verificação à compressão não foi feita.";
        case Notice::CbOutOfRange:
            return "Cb deve estar entre 1,00 e 3,00.\nA verificação à flexão não foi feita.";
        case Notice::BendingLength:
            return "Não é possível dimensionar o perfil à flexão!\n"
                   "Comprimento destravado Lb inválido!";
        case Notice::WebTooSlender:
            return "Alma esbelta além dos limites do Anexo H (h/tw).\n"
                   "A verificação à flexão em x não foi feita.";
        case Notice::SecondOrderUnbounded:
            return "Flexo-compressão: |Nd| ≥ Ne1.\nO momento amplificado (B1) não tem limite.\n"
                   "Adote outro perfil!";
        case Notice::CombinedIncomplete:
            return "Flexo-compressão/tração não verificada:\n"
                   "falta uma das resistências de que ela depende.";
    }
    return {};
}

bool notice_stops(Notice notice) {
    return notice != Notice::TensionSlenderness && notice != Notice::CompressionSlenderness &&
           notice != Notice::CtLowestNoLength;
}

}  // namespace quintaro::checks::nbr2008
