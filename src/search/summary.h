#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "checks/window_kind.h"
#include "search/lightest.h"

// The one text "Mais Leve" shows when its walk ends, in place of the messages
// of every section it passed over: the section it ended on, how many lighter
// sections were rejected and why, and which of them came closest.
namespace quintaro::search {

// The label a window gives a result box ("Rd(Mdx)" for "R_RdMdx").
using BoxLabel = std::function<std::string(std::string_view box)>;

// The summary of a walk that checked at least one section; "" otherwise.
std::string search_summary(const SearchOutcome& outcome, const SearchRecord& record,
                           const BoxLabel& label);

// What the user is told when the search cannot start: a series the window
// does not have (the series it has are listed), or nothing to walk.
std::string unknown_series_message(checks::WindowKind window, std::string_view series);
inline constexpr std::string_view kEmptyCatalogueMessage =
    "O catálogo está vazio: não há perfil a verificar.";
inline constexpr std::string_view kNoForceMessage =
    "Ncd e Ntd são nulos: não há força para dimensionar.\n"
    "Fica na janela o perfil mais leve, sem verificação.";

}  // namespace quintaro::search
