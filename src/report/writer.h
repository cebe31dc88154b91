#pragma once

#include <string>
#include <string_view>

#include "common/steel.h"
#include "report/sink.h"

// What every report writer shares: the number format, the headings, the
// verdict block and the steel group. Used by the family writers only.
namespace quintaro::report::detail {

// Numbers as the report shows them: six significant digits, eight for the
// steel strengths, the plate dimensions and the weight.
std::string n(double value);
std::string n8(double value);

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
    // The column-curve step of one axis ('x', 'y', 'z'): β and ρ, or ρ = 1.
    void curve(char axis, double l2, double alpha, double B, double rho,
               std::string_view low_range);

    ReportSink& sink_;

  private:
    bool greek_;
};

}  // namespace quintaro::report::detail
