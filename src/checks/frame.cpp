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

Steel read_steel(const Boxes& boxes) {
    Steel steel;
    steel.name = boxes.text(kSteelNameBox);
    steel.fy = read_abs(boxes, kSteelFyBox);
    steel.fu = read_abs(boxes, kSteelFuBox);
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

bool resists(double resistance, double action) {
    return std::fabs(resistance) >= std::fabs(action);
}

void show_result(Boxes& boxes, const ResultRow& row, double value, bool passed) {
    boxes.set_text(row.box, format_decimal(finite(value), 6));
    boxes.set_verdict(row.verdict, passed);
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
