#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "checks/boxes.h"
#include "common/steel.h"

// The frame every "Calcular" shares: resetting the display, reading the steel
// and the boxes, showing results with their verdicts, the invalid-length and
// slenderness messages, and the one place where a stopped check is reported.
namespace quintaro::checks {

// A result box and the verdict field beside it.
struct ResultRow {
    std::string_view box;
    std::string_view verdict;
};

// The five result rows of the I, H, channel and welded windows, in the order
// the checks fill them.
inline constexpr ResultRow kMemberResults[] = {
    {"R_RdNd", "resposta1"},  {"R_RdVd", "resposta2"},    {"R_RdMdx", "resposta3"},
    {"R_RdMdy", "resposta5"}, {"R_Rd_MdNd", "resposta4"},
};

// Boxes of the steel grade window, read at the start of every check.
inline constexpr std::string_view kSteelNameBox = "tipo_aco";
inline constexpr std::string_view kSteelFyBox = "fy_aco";
inline constexpr std::string_view kSteelFuBox = "fu_aco";

// Messages the checks show, as the user reads them.
inline constexpr std::string_view kCompressionLengthMessage =
    "    Não é possível dimensionar o\nperfil a compressão ou flexocopressão!\n"
    "   Comprimento(os) inválido(os)!";
inline constexpr std::string_view kBendingLengthMessage =
    " Não é possível dimensionar\ndimensionar perfil a flexão!\nComprimento(os) inválido(os)!";
inline constexpr std::string_view kSlendernessMessage =
    "Esbeltez deve ser < 200\n(Item 5.3.5 NBR8800/88)\nRecomenda-se adotar outra seção!";
inline constexpr std::string_view kWeldedSlendernessMessage =
    "Esbeltez do perfil deve ser < 200\n(Item 5.3.5 NBR8800/88)\nRecomenda-se adotar outra seção!";

inline constexpr std::string_view kAmplificationMessage =
    "Flexo-compressão: |Nd| >= 0,73·Ne\nO momento amplificado não tem limite.\n"
    "Adote outro perfil!";

// Slenderness above which the warning is shown (200 itself is accepted).
inline constexpr double kSlendernessLimit = 200.0;

// What every window keeps between runs, whatever its family: the steel read,
// the invalid-length flag and the designation checked. Each family derives
// its own state from this one.
struct WorkingState {
    virtual ~WorkingState() = default;
    Steel steel;
    int invalid_length = 0;   // set to 1 by a refused length; only the search clears it
    std::string designation;  // text of R_Perfil when the check ran
};

// Step 1 of every check: results to "0,00", verdict fields emptied.
void reset_results(Boxes& boxes, std::span<const ResultRow> rows);

// The steel in force: grade name and the absolute values of fy and fu, with
// E, G and fr fixed.
Steel read_steel(const Boxes& boxes);

// A box converted with the decimal comma, as typed or as its absolute value.
// A text that is not a number stops the check with the conversion message,
// which names the box by its label.
double read_signed(const Boxes& boxes, std::string_view name);
double read_abs(const Boxes& boxes, std::string_view name);

// The verdict rule: |resistance| >= |action| (equality passes).
bool resists(double resistance, double action);

// The conversion message: "Lflx: 'abc' não é um número válido".
std::string not_a_number_message(std::string_view label, std::string_view text);

// Writes a value as results are shown (six significant digits, two decimals,
// decimal comma) and its verdict.
void show_result(Boxes& boxes, const ResultRow& row, double value, bool passed);

// Runs one handler. A HandlerError (a box that is not a number, a numeric
// fault) stops it and its exact message is shown; nothing escapes. Returns
// false when the handler was stopped.
bool run_handler(Messages& messages, const std::function<void()>& handler);

}  // namespace quintaro::checks
