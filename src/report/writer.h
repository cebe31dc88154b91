#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "checks/frame.h"
#include "common/steel.h"
#include "report/report_header.h"
#include "report/sink.h"
#include "report/summary.h"

// What every report writer shares: the number format, the headings, the
// verdict block and the steel group. Used by the family writers only.
namespace quintaro::report::detail {

// Numbers as the report shows them: six significant digits, eight for the
// steel strengths, the plate dimensions and the weight.
std::string n(double value);
std::string n8(double value);

// A constant of a formula or a limit, taken from the check's own constant
// and written with `decimals` places and the decimal comma.
std::string constant(double value, int decimals);

// A resistance as the report writes it: computed from positive factors, so
// positive whatever the sign of the action it is compared with.
inline double magnitude(double value) {
    return value < 0.0 ? -value : value;
}

// The comparison line of a verdict: the resistance and the action as
// magnitudes, so that the inequality written holds exactly when the verdict
// (|Rd| >= |Sd|) passes. `unit` e.g. " kN".
std::string magnitudes_compared(double resistance, double action, std::string_view unit);

// Whether the last check passed the verdict row of a result box; false for a
// row it did not record.
bool passed(const checks::WorkingState& state, std::string_view box);

inline constexpr std::string_view kPassed = "Ok! Perfil suporta ao esforço solicitado!";
inline constexpr std::string_view kFailed = "Não Ok! Perfil não suporta ao esforço solicitado!";
inline constexpr std::string_view kChooseAnother = "Adote outro perfil!";

// The values of a formula template's symbols, by symbol.
using FormulaValues = std::initializer_list<std::pair<std::string_view, std::string>>;

// The two lines of a formula template: with the symbols, and with their values.
std::string formula_line(std::string_view formula);
std::string substituted_line(std::string_view formula, const FormulaValues& values);

class Writer {
  public:
    // `greek`: the slenderness letter '@' of a template is written λ and the
    // constants' letter '#' β; otherwise l and B.
    Writer(ReportSink& sink, bool greek) : sink_(sink), greek_(greek) {}

  protected:
    std::string g(std::string_view text) const;
    void put(std::string_view text) { sink_.append_line(text); }
    void empty() { put(""); }
    // A formula step (formula line, substituted line, result line, empty
    // line) from one template: "rx = raiz({Ix}/{Ag})" with the values of Ix
    // and Ag gives "rx = raiz(Ix/Ag)" and "rx = raiz(635,00/16,60)"; the
    // result line is the left side, " = " and `result`.
    void step(std::string_view formula, const FormulaValues& values, const std::string& result);
    void heading(std::string_view text);
    void subheading(std::string_view text);
    // The verdict lines in green or red, then the colour back to window text.
    void verdict_lines(bool passed);
    // The comparison, its values and the verdict lines.
    void verdict(std::string_view comparison, const std::string& values, bool passed);
    // The document emptied, the header block and the summary table (size
    // 11), the picture, the title (size 12) and, under it, `subtitle` when
    // there is one, then the steel group (size 11 from there on).
    void opening(const ReportHeader& header, const std::vector<SummaryRow>& summary,
                 std::string_view title, std::string_view subtitle, const Steel& steel);
    // The column-curve step of one axis ('x', 'y', 'z'): β and ρ, or ρ = 1
    // on the plateau, as the check recorded. `reduced` is the symbol of λ̄ as
    // the plateau line writes it ("@x2").
    void curve(char axis, double l2, double alpha, double B, double rho, bool plateau,
               std::string_view reduced);

    ReportSink& sink_;

  private:
    bool greek_;
};

}  // namespace quintaro::report::detail
