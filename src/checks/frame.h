#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
inline const ResultRow& axial_row() {
    return kMemberResults[0];
}
inline const ResultRow& shear_row() {
    return kMemberResults[1];
}
inline const ResultRow& moment_x_row() {
    return kMemberResults[2];
}
inline const ResultRow& moment_y_row() {
    return kMemberResults[3];
}
inline const ResultRow& combined_row() {
    return kMemberResults[4];
}

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

// Where a slenderness λ (or a width-to-thickness ratio) falls against the
// two limits of its formula: up to the first (the full value: Mpl, Vpl,
// Q = 1), between the two (inelastic: the straight line or its like), past
// the second (elastic buckling).
enum class Range { Full, Inelastic, Elastic };

// What the last check found for one result row with a verdict.
struct RowRecord {
    std::string_view box;  // the result box, e.g. "R_RdMdx"
    // Utilisation |Sd|/|Rd|: the action over the resistance; for the combined
    // row its own interaction value. None for a row that failed without a
    // ratio (a moment amplified without bound, a zero resistance).
    std::optional<double> ratio;
    bool passed = false;
};

// What every window keeps between runs, whatever its family and standard:
// the steel read, the invalid-length flag, the designation checked, and the
// verdict rows of the last check with the one that governs. Each family
// derives its own state from this one and adds the quantities and the
// branches its formulas took.
struct WorkingState {
    virtual ~WorkingState() = default;
    Steel steel;
    int invalid_length = 0;   // set to 1 by a refused length; only the search clears it
    std::string designation;  // text of R_Perfil when the check ran

    // Every row the last check gave a verdict, in the order it filled them.
    std::vector<RowRecord> rows;
    // The row that governs: the first row that failed without a ratio, else
    // the largest ratio (the earlier row on a tie); none before any verdict.
    std::optional<std::size_t> governing;

    const RowRecord* row(std::string_view box) const;
    const RowRecord* governing_row() const;
};

// |action|/|resistance|; none when the resistance is zero or the quotient is
// not a finite number.
std::optional<double> utilisation(double action, double resistance);

// Adds a verdict row to the state and finds the governing row again.
void record_row(WorkingState& state, std::string_view box, std::optional<double> ratio,
                bool passed);

// Step 1 of every check: results to "0,00", verdict fields emptied.
void reset_results(Boxes& boxes, std::span<const ResultRow> rows);

// The steel in force: grade name, fy and fu, with E, G and fr fixed. A value
// no steel has stops the check with a message naming the box, as a text that
// is not a number does: fy or fu not above zero, fy above fu, fy not above
// the residual stress fr (the flange's Mr = (fy − fr)·W would be nil or
// negative).
Steel read_steel(const Boxes& boxes);

// A box converted with the decimal comma, as typed or as its absolute value.
// A text that is not a number stops the check with the conversion message,
// which names the box by its label.
double read_signed(const Boxes& boxes, std::string_view name);
double read_abs(const Boxes& boxes, std::string_view name);

// A section property a formula uses (a dimension, an area, an inertia, a
// modulus, a radius): zero or negative stops the check with a message naming
// the box by `symbol`, the name the window shows beside it.
double read_property(const Boxes& boxes, std::string_view name, std::string_view symbol);

// Why a zero or negative section property is refused.
inline constexpr std::string_view kNotPositiveProperty =
    "as propriedades do perfil devem ser maiores que zero.";

// The message of a value refused for box `symbol` typed as `text`.
std::string refused_value_message(std::string_view symbol, std::string_view text,
                                  std::string_view reason);

// The verdict rule: |resistance| >= |action| (equality passes).
bool resists(double resistance, double action);

// The conversion message: "Lflx: 'abc' não é um número válido".
std::string not_a_number_message(std::string_view label, std::string_view text);

// Writes a value as results are shown (six significant digits, two decimals,
// decimal comma) and its verdict.
void show_result(Boxes& boxes, const ResultRow& row, double value, bool passed);

// The same, and the row recorded in the state with its ratio.
void show_result(Boxes& boxes, WorkingState& state, const ResultRow& row, double value,
                 std::optional<double> ratio, bool passed);

// Runs one handler. A HandlerError (a box that is not a number, a numeric
// fault) stops it and its exact message is shown; nothing escapes. Returns
// false when the handler was stopped.
bool run_handler(Messages& messages, const std::function<void()>& handler);

}  // namespace quintaro::checks
