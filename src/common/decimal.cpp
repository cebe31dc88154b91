#include "common/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "common/handler_error.h"

namespace quintaro {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the grammar and builds the same number with a point, which
// std::from_chars reads without looking at the machine's locale.
bool to_c_syntax(std::string_view text, std::string& out) {
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && is_blank(text[i]))
        ++i;
    while (end > i && is_blank(text[end - 1]))
        --end;
    if (i == end)
        return false;

    out.clear();
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-')
            out.push_back('-');
        ++i;
    }
    int mantissa_digits = 0;
    bool comma_seen = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (is_digit(c)) {
            out.push_back(c);
            ++mantissa_digits;
        } else if (c == ',' && !comma_seen) {
            comma_seen = true;
            out.push_back('.');
        } else {
            break;
        }
    }
    if (mantissa_digits == 0)
        return false;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        out.push_back('e');
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            out.push_back(text[i]);
            ++i;
        }
        int exponent_digits = 0;
        for (; i < end && is_digit(text[i]); ++i) {
            out.push_back(text[i]);
            ++exponent_digits;
        }
        if (exponent_digits == 0)
            return false;
    }
    return i == end;
}

struct Digits {
    std::string digits;  // significant digits, no leading zero
    int exponent = 0;    // value = 0.d1d2d3... * 10^(exponent + 1)
};

// Forty significant digits of the exact binary value, correctly rounded: far
// more than needed to round half away from zero at eight significant digits or
// at the second decimal without ever seeing a tie that is not one.
Digits significant_digits(double magnitude) {
    char buffer[80];
    const auto res =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 40);
    const std::string_view s(buffer, static_cast<std::size_t>(res.ptr - buffer));
    Digits d;
    const std::size_t e_at = s.find('e');
    for (std::size_t k = 0; k < e_at; ++k) {
        if (is_digit(s[k]))
            d.digits.push_back(s[k]);
    }
    int exponent = 0;
    std::from_chars(s.data() + e_at + 1 + (s[e_at + 1] == '+' ? 1 : 0), s.data() + s.size(),
                    exponent);
    d.exponent = exponent;
    return d;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    for (std::size_t k = digits.size(); k-- > 0;) {
        if (digits[k] == '9') {
            digits[k] = '0';
        } else {
            ++digits[k];
            return;
        }
    }
    digits.insert(digits.begin(), '1');
}

// The two decimals (or one, then a zero) of a magnitude below 10^13, without
// printing digits: y = x·scale is rounded once, but fma gives the product's
// error exactly, so the exact fraction of x·scale beyond floor(y) is
// (y − n) + err, and comparing it with one half is exact: y − n − 0,5 is a
// difference of doubles of the same binade and err is exact. The result is
// the same as rounding the exact binary value half away from zero.
bool format_two_decimals_fast(double x, int precision, bool negative, std::string& out) {
    if (!(x < 1e13) || precision < 2 || precision > 15)
        return false;
    // Power of ten of the first significant digit; below 1 it does not
    // matter: the last digit kept is then always the second decimal.
    int exponent = -1;
    double power = 1.0;
    while (x >= power) {
        ++exponent;
        power *= 10.0;  // exact up to 10^22
    }
    const int position = std::max(exponent - precision + 1, -2);
    if (position >= 0)
        return false;
    const double scale = position == -2 ? 100.0 : 10.0;
    const double y = x * scale;
    const double err = std::fma(x, scale, -y);
    const double n = std::floor(y);
    const double above_half = (y - n - 0.5) + err;
    auto kept = static_cast<std::uint64_t>(n) + (above_half >= 0.0 ? 1U : 0U);
    if (kept == 0) {
        out = "0,00";
        return true;
    }
    char buffer[24];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, kept).ptr;
    if (position == -1)
        *end++ = '0';
    std::size_t length = static_cast<std::size_t>(end - buffer);
    out.clear();
    out.reserve(length + 3);
    if (negative)
        out += '-';
    if (length < 3) {
        out.append(3 - length, '0');
        out.append(buffer, length);
    } else {
        out.append(buffer, length);
    }
    out.insert(out.size() - 2, 1, ',');
    return true;
}

}  // namespace

bool try_parse_decimal(std::string_view text, double& value) {
    std::string c_text;
    if (!to_c_syntax(text, c_text))
        return false;
    double parsed = 0.0;
    const auto res = std::from_chars(c_text.data(), c_text.data() + c_text.size(), parsed);
    if (res.ec != std::errc() || res.ptr != c_text.data() + c_text.size())
        return false;
    value = parsed;
    return true;
}

double parse_decimal(std::string_view text) {
    double value = 0.0;
    if (!try_parse_decimal(text, value)) {
        throw HandlerError("'" + std::string(text) + "' is not a valid floating point value");
    }
    return value;
}

std::string format_decimal(double value, int precision) {
    if (std::isnan(value))
        throw HandlerError(kInvalidOperation);
    if (std::isinf(value))
        throw HandlerError(kOverflow);
    if (value == 0.0)
        return "0,00";
    if (std::string fast; format_two_decimals_fast(std::fabs(value), precision, value < 0, fast))
        return fast;

    const Digits d = significant_digits(std::fabs(value));
    // Position (power of ten) of the last digit kept.
    const int position = std::max(d.exponent - precision + 1, -2);
    const int kept = d.exponent - position + 1;

    std::string mantissa;  // the rounded value is mantissa * 10^position
    if (kept < 0) {
        mantissa = "0";
    } else if (kept == 0) {
        mantissa = d.digits[0] >= '5' ? "1" : "0";
    } else {
        mantissa = d.digits.substr(0, static_cast<std::size_t>(kept));
        if (d.digits[static_cast<std::size_t>(kept)] >= '5')
            increment(mantissa);
    }
    if (mantissa.find_first_not_of('0') == std::string::npos)
        return "0,00";

    const std::string sign = value < 0 ? "-" : "";
    const int magnitude = static_cast<int>(mantissa.size()) - 1 + position;
    if (magnitude >= precision) {
        std::string out = sign;
        out += mantissa[0];
        out += ',';
        std::string rest = mantissa.substr(1);
        rest.resize(static_cast<std::size_t>(precision - 1), '0');
        out += rest;
        out += 'E';
        out += '+';
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
        return out;
    }

    // Fixed form with exactly two decimals; position is -2, -1 or more.
    std::string digits = mantissa;
    if (position >= 0)
        digits.append(static_cast<std::size_t>(position) + 2, '0');
    if (position == -1)
        digits.push_back('0');
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    const std::size_t int_len = digits.size() - 2;
    return sign + digits.substr(0, int_len) + ',' + digits.substr(int_len);
}

std::string format_shortest(double value) {
    if (value == 0.0)
        return "0";
    char buffer[400];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string out(buffer, res.ptr);
    std::replace(out.begin(), out.end(), '.', ',');
    return out;
}

}  // namespace quintaro
