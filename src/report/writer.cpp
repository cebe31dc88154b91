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

std::string constant(double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    return text;
}

std::string magnitudes_compared(double resistance, double action, std::string_view unit) {
    const std::string u(unit);
    return n(magnitude(resistance)) + u + " >= " + n(magnitude(action)) + u;
}

namespace {

// The template with each "{symbol}" replaced by what `value` gives for it.
template <typename Value>
std::string fill(std::string_view formula, Value value) {
    std::string out;
    out.reserve(formula.size() + 16);
    std::size_t i = 0;
    while (i < formula.size()) {
        const std::size_t open = formula.find('{', i);
        const std::size_t close =
            open == std::string_view::npos ? open : formula.find('}', open + 1);
        if (close == std::string_view::npos) {
            out += formula.substr(i);
            break;
        }
        out += formula.substr(i, open - i);
        out += value(formula.substr(open + 1, close - open - 1));
        i = close + 1;
    }
    return out;
}

}  // namespace

std::string formula_line(std::string_view formula) {
    return fill(formula, [](std::string_view symbol) { return std::string(symbol); });
}

std::string substituted_line(std::string_view formula, const FormulaValues& values) {
    return fill(formula, [&values](std::string_view symbol) {
        for (const auto& [name, text] : values) {
            if (name == symbol)
                return text;
        }
        // A symbol without a value stays a symbol rather than vanish.
        return std::string(symbol);
    });
}

void Writer::step(std::string_view formula, const FormulaValues& values,
                  const std::string& result) {
    const std::string text = formula_line(formula);
    put(g(text));
    put(g(substituted_line(formula, values)));
    const std::size_t equals = text.find(" =");
    put(g(text.substr(0, equals)) + " = " + result);
    empty();
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

void Writer::opening(const ReportHeader& header, const std::vector<SummaryRow>& summary,
                     std::string_view title, std::string_view subtitle, const Steel& steel) {
    sink_.clear();
    sink_.set_colour(kWindowText);
    sink_.set_size(11);
    sink_.set_style(Style::Plain);
    write_header_block(sink_, header);
    write_summary(sink_, summary);
    sink_.insert_picture();
    sink_.set_size(12);
    heading(title);
    if (!subtitle.empty()) {
        sink_.set_style(Style::Bold);
        put(subtitle);
        sink_.set_style(Style::Plain);
    }
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
    const std::string square = constant(kCurvePlateauSquared, 2);
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
