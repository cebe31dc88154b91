// The header of a batch file: which column is which input.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "checks/windows.h"
#include "columns.h"

namespace {

using quintaro::lote::ColumnKind;
using quintaro::lote::read_header;

TEST(Columns, InputsMatchWithoutCaseOrBlanksResultsExactly) {
    struct Case {
        const char* name;
        std::string header;  // the second column; the first is janela
        const char* matched;
        ColumnKind kind;
    };
    const Case cases[] = {
        {"lower_case", "compri_x", "Compri_x", ColumnKind::Box},
        {"upper_case", "R_ND", "R_Nd", ColumnKind::Box},
        {"blanks_around", " \tR_Vd  ", "R_Vd", ColumnKind::Box},
        {"utf8_no_break_space", "\xC2\xA0R_Mdx\xC2\xA0", "R_Mdx", ColumnKind::Box},
        {"cp1252_no_break_space", "\xA0R_Mdy\xA0", "R_Mdy", ColumnKind::Box},
        {"section", "PERFIL", "perfil", ColumnKind::Section},
        {"series", "serie", "Serie", ColumnKind::Box},
        {"steel", "FY_ACO", "fy_aco", ColumnKind::Box},
        {"catalogue_box", "r_zx", "R_Zx", ColumnKind::Box},
        {"verdict_of_tension", "Resposta2", "Resposta2", ColumnKind::Result},
        {"verdict_of_shear", "resposta2", "resposta2", ColumnKind::Result},
        {"result_with_blank", "R_RdNd ", "R_RdNd", ColumnKind::Result},
        {"messages", "mensagens", "mensagens", ColumnKind::Result},
        {"result_in_other_case", "RESPOSTA2", "", ColumnKind::Unknown},
        {"near_miss", "Compri_xx", "", ColumnKind::Unknown},
        // The 0xA0 of a UTF-8 character is part of it, not a blank: "à".
        {"utf8_letter_ending_in_a0", "R_Nd\xC3\xA0", "", ColumnKind::Unknown},
        {"note", "nota", "", ColumnKind::Unknown},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> names{"janela", c.header};
        auto header = read_header(names);
        ASSERT_TRUE(header.ok()) << c.name << ": " << header.error();
        EXPECT_EQ(header->columns[1].name, c.matched) << c.name;
        EXPECT_EQ(header->columns[1].kind, c.kind) << c.name;
        EXPECT_EQ(header->warnings.size(), c.kind == ColumnKind::Unknown ? 1u : 0u) << c.name;
    }
}

// No two boxes of the windows differ only in case, so matching without case
// can never pick the wrong one.
TEST(Columns, EveryBoxNameIsMatchedInAnyCase) {
    for (const auto& window : quintaro::checks::window_descriptors()) {
        std::vector<std::string_view> boxes(window.inputs.begin(), window.inputs.end());
        for (const auto& p : window.panel)
            boxes.push_back(p.box);
        for (std::string_view box : boxes) {
            std::string upper(box), lower(box);
            for (std::size_t i = 0; i < box.size(); ++i) {
                upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(box[i])));
                lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(box[i])));
            }
            for (const std::string& spelled : {upper, lower}) {
                auto header = read_header(std::vector<std::string>{"janela", spelled});
                ASSERT_TRUE(header.ok()) << spelled;
                EXPECT_EQ(header->columns[1].name, box) << spelled;
            }
        }
    }
}

TEST(Columns, RefusedHeaders) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"perfil", "R_Nd"}, "a coluna 'janela' não existe no cabeçalho"},
        {{"janela", "R_Nd", "r_nd "},
         "as colunas 2 ('R_Nd') e 3 ('r_nd ') são a mesma entrada 'R_Nd'"},
        {{"Janela", "JANELA"},
         "as colunas 1 ('Janela') e 2 ('JANELA') são a mesma entrada 'janela'"},
    };
    for (const auto& [names, reason] : cases) {
        auto header = read_header(names);
        ASSERT_FALSE(header.ok()) << reason;
        EXPECT_EQ(header.error(), reason);
    }
}

TEST(Columns, UnreadColumnsAreNamedInTheWarning) {
    auto header = read_header(std::vector<std::string>{"janela", "compri_xx", "", "R_Nd"});
    ASSERT_TRUE(header.ok());
    EXPECT_EQ(header->warnings,
              (std::vector<std::string>{"a coluna 2 ('compri_xx') não é uma entrada nem um "
                                        "resultado: é copiada sem ser lida",
                                        "a coluna 3 não tem nome: é copiada sem ser lida"}));
}

}  // namespace
