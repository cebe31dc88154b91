#include "common/decimal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/handler_error.h"

namespace quintaro {
namespace {

struct ParseCase {
    const char* text;
    double expected;
};

TEST(ParseDecimal, ReadsTheDecimalCommaGrammar) {
    const ParseCase cases[] = {
        {"0,00", 0.0},      {"0", 0.0},         {"  12,5  ", 12.5}, {"-100", -100.0},
        {"+3,25", 3.25},    {",5", 0.5},        {"5,", 5.0},        {"1E3", 1000.0},
        {"1,5e-2", 0.015},  {"-2,5E+1", -25.0}, {"\t7\t", 7.0},     {"007,50", 7.5},
        {"20500", 20500.0}, {"7892,5", 7892.5}, {"-0,004", -0.004}, {"1e0", 1.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parse_decimal(c.text), c.expected) << "text: '" << c.text << "'";
    }
}

TEST(ParseDecimal, RefusesEverythingElseWithTheExactMessage) {
    const char* cases[] = {"0.5", "1.000,5", "",      "  ",   "1,2,3", "--1", "+-1",
                           "1E",  "1e+",     "E5",    ",",    "-",     "1 2", "12a",
                           "a12", "1,5 kN",  "1E3,5", "0x10", "inf",   "nan", "1e400"};
    for (const char* text : cases) {
        try {
            parse_decimal(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const HandlerError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

struct FormatCase {
    double value;
    int precision;
    const char* expected;
};

TEST(FormatDecimal, RoundsOnceAtTheCoarserPositionHalfAwayFromZero) {
    const FormatCase cases[] = {
        // Two decimals is the coarser position: 123,4449 keeps 123,44 (rounding
        // first to six digits would give 123,445 and then the wrong 123,45).
        {123.4449, 6, "123,44"},
        {12345.678, 6, "12345,70"},  // the sixth significant digit is coarser
        {37.125, 6, "37,13"},        // an exact binary tie goes away from zero
        {-37.125, 6, "-37,13"},
        {0.125, 6, "0,13"},
        {0.0, 6, "0,00"},
        {-0.0, 6, "0,00"},
        {-0.004, 6, "0,00"},  // never "-0,00"
        {0.005, 6, "0,01"},   // the double nearest 0,005 is just above it
        {0.0049, 6, "0,00"},
        {1e-30, 6, "0,00"},
        {-0.006, 6, "-0,01"},
        {1.0, 6, "1,00"},
        {8.45, 6, "8,45"},
        {-254.5, 6, "-254,50"},
        {99999.96, 6, "100000,00"},  // rounds up to 100000, still six digits
        {99999.95, 6, "99999,90"},   // its double lies just below the tie
        {99999.949, 6, "99999,90"},
        {999.9999, 6, "1000,00"},
        {123456.4, 6, "123456,00"},
        {2.675, 6, "2,67"},  // the double of 2,675 lies below the tie
        {1234567.0, 6, "1,23457E+06"},
        {-1234567.0, 6, "-1,23457E+06"},
        {999999.5, 6, "1,00000E+06"},
        {999999.4, 6, "999999,00"},
        {1e6, 6, "1,00000E+06"},
        {1.5e12, 6, "1,50000E+12"},
        {1e100, 6, "1,00000E+100"},
        {12345678.9, 8, "12345679,00"},
        {123456.789, 8, "123456,79"},
        {99999999.5, 8, "1,0000000E+08"},
        {99999999.4, 8, "99999999,00"},
        {123456789.0, 8, "1,2345679E+08"},
        {0.1234567891, 8, "0,12"},
        {7892.5, 8, "7892,50"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_decimal(c.value, c.precision), c.expected)
            << "value " << c.value << " precision " << c.precision;
    }
}

// The exact binary value written out in full, rounded half away from zero at
// the coarser of the last significant digit and the second decimal: the
// oracle for values below 10^7, where that position is a decimal.
std::string exact_rounding(double value, int precision) {
    char buffer[1200];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::fixed, 1100);
    std::string text(buffer, res.ptr);
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const int exponent = whole == "0" ? -1 : static_cast<int>(whole.size()) - 1;
    const int decimals = std::min(2, precision - 1 - exponent);  // 1 or 2 here
    std::string digits = whole + text.substr(dot + 1, static_cast<std::size_t>(decimals));
    if (text[dot + 1 + static_cast<std::size_t>(decimals)] >= '5') {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9')
            digits[--k] = '0';
        if (k == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[k - 1];
    }
    if (decimals == 1)
        digits += '0';
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 3));
    if (digits.find_first_not_of('0') == std::string::npos)
        return "0,00";
    digits.insert(digits.size() - 2, ",");
    return (value < 0 ? "-" : "") + digits;
}

// Two ways of rounding must agree on every value the windows show: random
// magnitudes from 10^-4 to 10^6, every binary tie k/8 and the doubles on each
// side of the decimal ties k/200 and k/20.
TEST(FormatDecimal, AgreesWithTheExactValueRoundedByHand) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-4.0, 6.0);
    std::vector<double> values;
    for (int i = 0; i < 200000; ++i)
        values.push_back(std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1 : -1));
    for (int k = 0; k < 80000; ++k) {
        values.push_back(k / 8.0);
        for (double tie : {k / 200.0, k / 20.0, k / 200.0 + 1000.0, k / 20.0 + 90000.0}) {
            values.push_back(tie);
            values.push_back(std::nextafter(tie, 0.0));
            values.push_back(std::nextafter(tie, 1e300));
        }
    }
    int shown = 0;
    for (const double v : values) {
        for (const int precision : {6, 8}) {
            if (std::fabs(v) >= 1e5 && precision == 6)
                continue;  // E notation or whole units: not a decimal position
            const std::string got = format_decimal(v, precision);
            const std::string want = exact_rounding(v, precision);
            if (got != want && shown++ < 10)
                ADD_FAILURE() << std::setprecision(17) << v << " precision " << precision << ": "
                              << got << " instead of " << want;
        }
    }
}

TEST(FormatDecimal, NonFiniteValuesStopWithTheRuntimeMessage) {
    EXPECT_THROW(
        {
            try {
                format_decimal(std::numeric_limits<double>::quiet_NaN());
            } catch (const HandlerError& e) {
                EXPECT_STREQ(e.what(), kInvalidOperation);
                throw;
            }
        },
        HandlerError);
    EXPECT_THROW(format_decimal(std::numeric_limits<double>::infinity()), HandlerError);
}

TEST(FormatShortest, ShowsTheShortestTextThatReadsBackExactly) {
    const FormatCase cases[] = {
        {8.45, 0, "8,45"}, {13.0, 0, "13"},   {0.5, 0, "0,5"},           {0.0, 0, "0"},
        {-0.0, 0, "0"},    {-2.5, 0, "-2,5"}, {1234.567, 0, "1234,567"}, {0.1, 0, "0,1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_shortest(c.value), c.expected);
        EXPECT_EQ(parse_decimal(format_shortest(c.value)), c.value);
    }
}

}  // namespace
}  // namespace quintaro
