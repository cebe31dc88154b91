#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "checks/windows.h"
#include "common/result.h"

// The columns of a batch file: what each input column is, and the columns
// written after them.
namespace quintaro::lote {

inline constexpr std::string_view kWindowColumn = "janela";
inline constexpr std::string_view kSectionColumn = "perfil";
inline constexpr std::string_view kMessagesColumn = "mensagens";
// After `mensagens`: the largest utilisation of the row's check and the
// result box that governs it.
inline constexpr std::string_view kUtilisationColumn = "aproveitamento";
inline constexpr std::string_view kGoverningColumn = "governante";

// Every result box and verdict field of every window, in the order a batch
// file lists them; `mensagens` follows them. A new result column is one more
// name here (and a box that some window's check writes).
inline constexpr std::string_view kResultColumnOrder[] = {
    "R_RdNd",    "resposta1", "R_RdNt",    "Resposta2", "R_RdVd",    "resposta2", "R_RdMdx",
    "resposta3", "R_RdMdy",   "resposta5", "R_Rd_MdNd", "resposta4", "R_espa",
};

inline constexpr std::string_view kStandardColumn = "norma";

enum class ColumnKind {
    Window,    // janela
    Standard,  // norma: the standard of the row ("1986", "2008"); empty: the run's
    Section,   // perfil: the designation in the window's catalogue
    Box,       // a box of the windows: an action, a length, a catalogue box, the series, the steel
    Result,    // a result, a verdict, mensagens, aproveitamento or governante (of an earlier
               // run): written anew
    Unknown,   // copied through unread
};

// Columns read from every row whatever its window. A setting of the row
// (its standard, its project) is one more line here and its use.
struct RowColumn {
    std::string_view name;
    ColumnKind kind;
};
inline constexpr RowColumn kRowColumns[] = {
    {kWindowColumn, ColumnKind::Window},
    {kSectionColumn, ColumnKind::Section},
    {kStandardColumn, ColumnKind::Standard},
};

struct InputColumn {
    std::string_view name;  // the name it matched ("Compri_x"); "" when unknown
    ColumnKind kind = ColumnKind::Unknown;
};

struct Header {
    std::vector<InputColumn> columns;
    std::size_t window = 0;               // the janela column
    std::optional<std::size_t> section;   // the perfil column
    std::optional<std::size_t> standard;  // the norma column
    std::vector<std::string> warnings;    // one per column that is not read
};

// Matches a header row. Input columns are matched without regard to case or
// to blanks around the name (non-breaking spaces too), results and
// `mensagens`, `aproveitamento` and `governante` by their exact name: "resposta2" and "Resposta2"
// are two verdicts. Fails when there is no `janela` column or two columns are the same input.
Result<Header> read_header(std::span<const std::string> names);

// Blanks around a text: spaces, tabs, line breaks and non-breaking spaces,
// in UTF-8 or as the lone 0xA0 byte of Windows-1252 (a 0xA0 that follows an
// ASCII byte or starts the text cannot belong to a UTF-8 character).
std::string_view trim_blanks(std::string_view text);

// Inputs that describe the section or a coefficient rather than what acts on
// it or a length: a row with none of its window's other inputs has nothing to
// check.
bool is_action_or_length(std::string_view box);

// The columns written: the input columns but earlier results, `perfil` when
// a search must write it and the file has none, the result columns of the
// windows present in the file, `mensagens`, `aproveitamento` and
// `governante`.
struct OutputColumns {
    std::vector<std::size_t> kept;  // input columns, in their order
    bool add_section = false;
    std::vector<std::string_view> results;
};
OutputColumns output_columns(const Header& header,
                             std::span<const checks::WindowDescriptor* const> windows_present,
                             bool lightest);

}  // namespace quintaro::lote
