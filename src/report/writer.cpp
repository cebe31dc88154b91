#include "report/writer.h"

#include <charconv>

#include "checks/nbr8800_1986/compression.h"
#include "common/decimal.h"

namespace quintaro::report::detail {

std::string n(double value) {
    return format_decimal(value, 6);
}

std::string n8(double value) {
    return format_decimal(value, 8);
}

std::string constant_with_point(double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string constant(double value, int decimals) {
    std::string text = constant_with_point(value, decimals);
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    return text;
}

bool passed(const checks::WorkingState& state, std::string_view box) {
    const checks::RowRecord* row = state.row(box);
    return row != nullptr && row->passed;
}

std::string Writer::g(std::string_view text) const {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '@')
            out += greek_ ? "λ" : "l";
        else if (c == '#')
            out += greek_ ? "β" : "B";
        else
            out += c;
    }
    return out;
}

void Writer::heading(std::string_view text) {
    sink_.set_style(Style::BoldUnderline);
    put(text);
    sink_.set_style(Style::Plain);
}

void Writer::subheading(std::string_view text) {
    sink_.set_style(Style::Bold);
    put(text);
    sink_.set_style(Style::Plain);
}

void Writer::verdict_lines(bool passed) {
    if (passed) {
        sink_.set_colour(kPassGreen);
        put(kPassed);
        empty();
    } else {
        sink_.set_colour(kFailRed);
        put(kFailed);
        put(kChooseAnother);
        empty();
    }
    sink_.set_colour(kWindowText);
}

void Writer::verdict(std::string_view comparison, const std::string& values, bool passed) {
    put(comparison);
    put(values);
    empty();
    verdict_lines(passed);
}

void Writer::opening(std::string_view title, const Steel& steel) {
    sink_.clear();
    sink_.insert_picture();
    sink_.set_colour(kWindowText);
    sink_.set_size(12);
    heading(title);
    empty();
    sink_.set_size(11);
    subheading("Propriedades do Aço");
    put("Tipo = " + steel.name);
    put("fy = " + n8(steel.fy) + " kN/cm²");
    put("fu = " + n8(steel.fu) + " kN/cm²");
    put("fr = 11,5 kN/cm²");
    put("E = 20500 kN/cm²");
    put("G = 7892,5 kN/cm²");
    empty();
}

void Writer::curve(char axis, double l2, double alpha, double B, double rho, bool plateau,
                   std::string_view reduced) {
    using checks::nbr8800_1986::kCurvePlateau;
    using checks::nbr8800_1986::kCurvePlateauSquared;
    const std::string a(1, axis);
    const std::string limit = constant(kCurvePlateau, 1);
    if (plateau) {
        put(g(std::string(reduced) + " <= " + limit));
        put("ro" + a + " = 1");
        empty();
        return;
    }
    // β = (1/(2·λ̄²))·(1 + α·√(λ̄² − 0,04) + λ̄²); ρ = β − √(β² − 1/λ̄²).
    const std::string L = g("@" + a + "2");
    const std::string beta = g("#" + a);
    const std::string square = constant_with_point(kCurvePlateauSquared, 2);
    put(L + " > " + limit);
    put(beta + " =(1/(2*" + L + "²))*(1+a" + a + "*raiz(" + L + "²-" + square + ")+" + L + "²)");
    put(beta + " =(1/(2*" + n(l2) + "²))*(1+" + n(alpha) + "*raiz(" + n(l2) + "²-" + square + ")+" +
        n(l2) + "²)");
    put(beta + " = " + n(B));
    empty();
    put("ro" + a + " = " + beta + "-raiz(" + beta + "²-(1/" + L + "²))");
    put("ro" + a + " = " + n(B) + "-raiz(" + n(B) + "²-(1/" + n(l2) + "²))");
    put("ro" + a + " = " + n(rho));
    empty();
}

}  // namespace quintaro::report::detail
