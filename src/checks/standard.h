#pragma once

#include <optional>
#include <string_view>

// The standard a check follows. NBR 8800:1986 is the default: every window,
// quintaro-lote and the search start with it.
namespace quintaro::checks {

enum class Standard { Nbr1986, Nbr2008 };

inline constexpr Standard kStandards[] = {Standard::Nbr1986, Standard::Nbr2008};
inline constexpr Standard kDefaultStandard = Standard::Nbr1986;

// As the menu and the windows show it: "NBR 8800:1986".
std::string_view standard_name(Standard standard);
// The year alone, as quintaro-lote takes it ("1986", "2008").
std::string_view standard_year(Standard standard);

// "1986", "2008" or the full name ("NBR 8800:2008", blanks and case
// ignored); nullopt for any other text.
std::optional<Standard> parse_standard(std::string_view text);

// The elastic constants a standard fixes for every steel (kN/cm²).
struct ElasticConstants {
    double E = 0.0;
    double G = 0.0;
};
ElasticConstants elastic_constants(Standard standard);

}  // namespace quintaro::checks
