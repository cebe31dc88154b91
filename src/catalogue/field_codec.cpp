#include "catalogue/field_codec.h"

#include <charconv>
#include <cmath>

#include "common/decimal.h"
#include "common/windows1252.h"

namespace quintaro::catalogue {

namespace {

// A stored number is written with a point, whatever the machine's locale
// (shapelib's own reading follows the locale and would read "8.45" as 8 under
// a comma locale). Some writers use a comma; that is read too.
std::optional<double> read_stored_number(std::string_view stored) {
    std::string_view digits = stored;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    double value = 0.0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (res.ec == std::errc() && res.ptr == digits.data() + digits.size() && std::isfinite(value)) {
        return value;
    }
    if (try_parse_decimal(stored, value) && std::isfinite(value))
        return value;
    return std::nullopt;
}

std::string describe(const Field& field) {
    std::string out = "o campo " + field.name + " (largura " + std::to_string(field.width);
    if (field.kind == FieldKind::Number)
        out += ", " + std::to_string(field.decimals) + " decimais";
    return out + ")";
}

Result<std::string> encode_text(const Field& field, const Cell& cell) {
    auto bytes = utf8_to_cp1252(cell.text);
    if (!bytes)
        return bytes;
    const auto width = static_cast<std::size_t>(field.width);
    if (bytes->size() > width) {
        return Result<std::string>::failure("O texto \"" + cell.text + "\" não cabe em " +
                                            describe(field) + ".");
    }
    std::string out = std::move(bytes).value();
    out.resize(width, ' ');
    return out;
}

Result<std::string> encode_number(const Field& field, const Cell& cell) {
    const auto width = static_cast<std::size_t>(field.width);
    if (!cell.number)
        return std::string(width, ' ');
    const double value = *cell.number == 0.0 ? 0.0 : *cell.number;  // no "-0.00" on disk
    char buffer[400];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                   field.decimals);
    const std::string digits =
        res.ec == std::errc() ? std::string(buffer, res.ptr) : std::string(width + 1, '9');
    const auto read_back = read_stored_number(digits);
    if (!read_back || *read_back != value) {
        return Result<std::string>::failure("O valor " + cell.text +
                                            " tem mais casas decimais do que " + describe(field) +
                                            " guarda.");
    }
    if (digits.size() > width) {
        return Result<std::string>::failure("O valor " + cell.text + " não cabe em " +
                                            describe(field) + ".");
    }
    return std::string(width - digits.size(), ' ') + digits;
}

}  // namespace

Cell decode_cell(const Field& field, std::string_view stored, bool is_null) {
    if (field.kind == FieldKind::Text)
        return {cp1252_to_utf8(stored), std::nullopt};
    if (is_null)
        return {};
    const auto number = read_stored_number(stored);
    if (!number)
        return {cp1252_to_utf8(stored), std::nullopt};
    return {format_shortest(*number), number};
}

Result<Cell> parse_cell(const Field& field, std::string_view typed) {
    if (field.kind == FieldKind::Text) {
        const auto bytes = utf8_to_cp1252(typed);
        if (!bytes)
            return Result<Cell>::failure(bytes.error());
        std::string text(typed);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();  // as it reads back
        return Cell{std::move(text), std::nullopt};
    }
    if (typed.find_first_not_of(" \t") == std::string_view::npos)
        return Cell{};
    double value = 0.0;
    if (!try_parse_decimal(typed, value)) {
        return Result<Cell>::failure("'" + std::string(typed) +
                                     "' is not a valid floating point value");
    }
    return Cell{format_shortest(value), value};
}

Result<std::string> encode_cell(const Field& field, const Cell& cell) {
    return field.kind == FieldKind::Text ? encode_text(field, cell) : encode_number(field, cell);
}

}  // namespace quintaro::catalogue
