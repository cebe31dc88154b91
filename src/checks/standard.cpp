#include "checks/standard.h"

#include <string>

#include "checks/nbr8800_2008/constants.h"
#include "common/steel.h"

namespace quintaro::checks {

std::string_view standard_name(Standard standard) {
    return standard == Standard::Nbr2008 ? "NBR 8800:2008" : "NBR 8800:1986";
}

std::string_view standard_year(Standard standard) {
    return standard == Standard::Nbr2008 ? "2008" : "1986";
}

std::optional<Standard> parse_standard(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        compact += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    for (Standard standard : kStandards) {
        const std::string year(standard_year(standard));
        if (compact == year || compact == "NBR8800:" + year)
            return standard;
    }
    return std::nullopt;
}

ElasticConstants elastic_constants(Standard standard) {
    if (standard == Standard::Nbr2008)
        return {nbr2008::kE, nbr2008::kG};
    return {kElasticModulus, kShearModulus};
}

}  // namespace quintaro::checks
