#pragma once

#include <string>
#include <string_view>

namespace quintaro {

// Reads a number written with the decimal comma: optional blanks, an optional
// sign, digits with at most one comma, an optional exponent (E or e, optional
// sign, digits), optional blanks. Anything else throws HandlerError with the
// message "'<text>' is not a valid floating point value".
double parse_decimal(std::string_view text);

// Same grammar; false instead of throwing.
bool try_parse_decimal(std::string_view text, double& value);

// Shows a value as results are shown: rounded once (exact value, half away from
// zero) at the coarser of the precision-th significant digit and the second
// decimal, then fixed with two decimals and a comma. A rounded magnitude of
// 10^precision or more is written in exponent form with `precision` significant
// digits ("1,23457E+06").
std::string format_decimal(double value, int precision = 6);

// The shortest text that reads back as exactly the same double, with the
// decimal comma ("8,45", "13", "0,5"), as a data-aware box shows a field.
std::string format_shortest(double value);

}  // namespace quintaro
