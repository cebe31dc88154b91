#pragma once

#include <string>
#include <string_view>

#include "checks/frame.h"
#include "common/steel.h"
#include "report/sink.h"

// What every report writer shares: the number format, the headings, the
// verdict block and the steel group. Used by the family writers only.
namespace quintaro::report::detail {

// Numbers as the report shows them: six significant digits, eight for the
// steel strengths, the plate dimensions and the weight.
std::string n(double value);
std::string n8(double value);

// A constant of a formula or a limit, taken from the check's own constant
// and written with `decimals` places: with a decimal comma, or with the
// decimal point that some formula lines have always had.
std::string constant(double value, int decimals);
std::string constant_with_point(double value, int decimals);

// Whether the last check passed the verdict row of a result box; false for a
// row it did not record.
bool passed(const checks::WorkingState& state, std::string_view box);

inline constexpr std::string_view kPassed = "Ok! Perfil suporta ao esforço solicitado!";
inline constexpr std::string_view kFailed = "Não Ok! Perfil não suporta ao esforço solicitado!";
inline constexpr std::string_view kChooseAnother = "Adote outro perfil!";

class Writer {
  public:
    // `greek`: the slenderness letter '@' of a template is written λ and the
    // constants' letter '#' β; otherwise l and B.
    Writer(ReportSink& sink, bool greek) : sink_(sink), greek_(greek) {}

  protected:
    std::string g(std::string_view text) const;
    void put(std::string_view text) { sink_.append_line(text); }
    void empty() { put(""); }
    void heading(std::string_view text);
    void subheading(std::string_view text);
    // The verdict lines in green or red, then the colour back to window text.
    void verdict_lines(bool passed);
    // The comparison, its values and the verdict lines.
    void verdict(std::string_view comparison, const std::string& values, bool passed);
    // Picture, title (size 12) and the steel group (size 11 from there on).
    void opening(std::string_view title, const Steel& steel);
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
