#include "checks/frame.h"

#include <cmath>
#include <exception>
#include <string>

#include "checks/numeric.h"
#include "common/decimal.h"
#include "common/handler_error.h"

namespace quintaro::checks {

void reset_results(Boxes& boxes, std::span<const ResultRow> rows) {
    for (const ResultRow& row : rows) {
        boxes.set_text(row.box, "0,00");
        boxes.clear_verdict(row.verdict);
    }
}

std::string refused_value_message(std::string_view symbol, std::string_view text,
                                  std::string_view reason) {
    return std::string(symbol) + ": '" + std::string(text) + "' não é válido — " +
           std::string(reason);
}

Steel read_steel(const Boxes& boxes) {
    Steel steel;
    steel.name = boxes.text(kSteelNameBox);
    steel.fy = read_signed(boxes, kSteelFyBox);
    steel.fu = read_signed(boxes, kSteelFuBox);
    const auto refuse = [&](std::string_view box, std::string_view symbol,
                            const std::string& reason) {
        throw HandlerError(refused_value_message(symbol, boxes.text(box), reason));
    };
    if (!(steel.fy > 0.0))
        refuse(kSteelFyBox, "fy", "fy e fu devem ser maiores que zero.");
    if (!(steel.fu > 0.0))
        refuse(kSteelFuBox, "fu", "fy e fu devem ser maiores que zero.");
    if (steel.fy > steel.fu)
        refuse(kSteelFyBox, "fy",
               "fy não pode ser maior que fu = " + format_decimal(steel.fu, 8) + " kN/cm².");
    if (!(steel.fy > steel.fr))
        refuse(kSteelFyBox, "fy",
               "fy deve ser maior que a tensão residual fr = " + format_shortest(steel.fr) +
                   " kN/cm².");
    return steel;
}

double read_signed(const Boxes& boxes, std::string_view name) {
    const std::string text = boxes.text(name);
    double value = 0.0;
    if (!try_parse_decimal(text, value))
        throw HandlerError(not_a_number_message(boxes.label(name), text));
    return value;
}

double read_abs(const Boxes& boxes, std::string_view name) {
    return std::fabs(read_signed(boxes, name));
}

std::string not_a_number_message(std::string_view label, std::string_view text) {
    return std::string(label) + ": '" + std::string(text) + "' não é um número válido";
}

double read_property(const Boxes& boxes, std::string_view name, std::string_view symbol) {
    const double value = read_signed(boxes, name);
    if (!(value > 0.0)) {
        throw HandlerError(refused_value_message(symbol, boxes.text(name), kNotPositiveProperty));
    }
    return value;
}

bool resists(double resistance, double action) {
    return std::fabs(resistance) >= std::fabs(action);
}

void show_result(Boxes& boxes, const ResultRow& row, double value, bool passed) {
    boxes.set_text(row.box, format_decimal(finite(value), 6));
    boxes.set_verdict(row.verdict, passed);
}

const RowRecord* WorkingState::row(std::string_view box) const {
    for (const RowRecord& r : rows) {
        if (r.box == box)
            return &r;
    }
    return nullptr;
}

const RowRecord* WorkingState::governing_row() const {
    return governing ? &rows[*governing] : nullptr;
}

std::optional<double> utilisation(double action, double resistance) {
    if (is_zero(resistance))
        return std::nullopt;
    const double ratio = std::fabs(action) / std::fabs(resistance);
    if (!std::isfinite(ratio))
        return std::nullopt;
    return ratio;
}

void record_row(WorkingState& state, std::string_view box, std::optional<double> ratio,
                bool passed) {
    state.rows.push_back({box, ratio, passed});
    state.governing.reset();
    for (std::size_t i = 0; i < state.rows.size(); ++i) {
        const RowRecord& r = state.rows[i];
        if (!r.ratio) {
            if (!r.passed) {
                state.governing = i;
                return;
            }
            continue;
        }
        if (!state.governing || *r.ratio > *state.rows[*state.governing].ratio)
            state.governing = i;
    }
}

void show_result(Boxes& boxes, WorkingState& state, const ResultRow& row, double value,
                 std::optional<double> ratio, bool passed) {
    show_result(boxes, row, value, passed);
    record_row(state, row.box, ratio, passed);
}

bool run_handler(Messages& messages, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const HandlerError& error) {
        messages.show(error.what());
    } catch (const std::exception& error) {
        // Not expected from a check; still the user learns why it stopped.
        messages.show(error.what());
    } catch (...) {
        messages.show("Erro inesperado");
    }
    return false;
}

}  // namespace quintaro::checks
