#include "catalogue/field_codec.h"

#include <gtest/gtest.h>

namespace quintaro::catalogue {
namespace {

Field number(int width, int decimals) {
    return {"X", FieldKind::Number, width, decimals};
}
Field text(int width) {
    return {"T", FieldKind::Text, width, 0};
}

TEST(FieldCodec, TypedValuesAreStoredExactlyOrRefused) {
    struct Case {
        Field field;
        const char* typed;
        const char* stored;  // nullptr: refused before anything is written
    };
    const Case cases[] = {
        {number(6, 1), "148", " 148.0"},
        {number(6, 1), "-3,5", "  -3.5"},
        {number(6, 1), "", "      "},
        {number(6, 1), "0", "   0.0"},
        {number(6, 1), "-0", "   0.0"},
        {number(6, 1), "1E3", "1000.0"},
        {number(6, 1), "8,45", nullptr},     // a second decimal the field cannot keep
        {number(6, 1), "12345,6", nullptr},  // seven characters in six
        {number(7, 2), "8,45", "   8.45"},
        {number(7, 2), "0,1", "   0.10"},
        {number(7, 2), "13", "  13.00"},
        {number(7, 2), "9999,99", "9999.99"},
        {number(7, 2), "10000", nullptr},
        {number(7, 2), "-999,99", "-999.99"},
        {number(7, 2), "-1000", nullptr},
        {number(10, 0), "635", "       635"},
        {number(10, 0), "635,5", nullptr},
        {number(10, 0), "1E300", nullptr},
        {text(10), "Aço", "A\xE7o       "},
        {text(10), "cm²", "cm\xB2       "},
        {text(10), "", "          "},
        {text(10), "çççççççççç", "\xE7\xE7\xE7\xE7\xE7\xE7\xE7\xE7\xE7\xE7"},  // 10 bytes stored
        {text(10), "12345678901", nullptr},
    };
    for (const auto& c : cases) {
        const auto cell = parse_cell(c.field, c.typed);
        ASSERT_TRUE(cell.ok()) << c.typed << ": " << cell.error();
        const auto stored = encode_cell(c.field, *cell);
        if (c.stored == nullptr) {
            EXPECT_FALSE(stored.ok()) << c.typed << " stored as \"" << stored.value() << "\"";
        } else {
            ASSERT_TRUE(stored.ok()) << c.typed << ": " << stored.error();
            EXPECT_EQ(stored.value(), c.stored) << c.typed;
        }
    }
}

TEST(FieldCodec, RefusalsNameTheFieldAndItsSize) {
    const Field peso{"PESO", FieldKind::Number, 7, 2};
    const auto too_wide = encode_cell(peso, *parse_cell(peso, "123456"));
    ASSERT_FALSE(too_wide.ok());
    EXPECT_NE(too_wide.error().find("PESO"), std::string::npos) << too_wide.error();
    EXPECT_NE(too_wide.error().find("largura 7"), std::string::npos) << too_wide.error();
    const auto too_fine = encode_cell(peso, *parse_cell(peso, "8,456"));
    ASSERT_FALSE(too_fine.ok());
    EXPECT_NE(too_fine.error().find("8,456"), std::string::npos) << too_fine.error();
}

TEST(FieldCodec, TypedTextIsCheckedWhenItIsTyped) {
    struct Case {
        Field field;
        const char* typed;
        bool accepted;
        const char* shown;
    };
    const Case cases[] = {
        {number(7, 2), "8,45", true, "8,45"},
        {number(7, 2), " 8,450 ", true, "8,45"},
        {number(7, 2), "  ", true, ""},
        {number(7, 2), "8.45", false, ""},  // the point is not the decimal separator here
        {number(7, 2), "abc", false, ""},
        {text(20), "Cantoneira  ", true, "Cantoneira"},
        {text(20), "λ", false, ""},
        {text(20), "x = σ", false, ""},
    };
    for (const auto& c : cases) {
        const auto cell = parse_cell(c.field, c.typed);
        EXPECT_EQ(cell.ok(), c.accepted) << c.typed;
        if (cell.ok()) {
            EXPECT_EQ(cell->text, c.shown) << c.typed;
        }
    }
    EXPECT_EQ(parse_cell(number(7, 2), "8.45").error(),
              "'8.45' is not a valid floating point value");
}

TEST(FieldCodec, StoredFieldsReadAsTheBoxShowsThem) {
    struct Case {
        Field field;
        const char* stored;  // as shapelib hands it over, blanks trimmed
        bool is_null;
        const char* shown;
        bool has_number;
        double value;
    };
    const Case cases[] = {
        {number(7, 3), "8.450", false, "8,45", true, 8.45},
        {number(7, 2), "13.00", false, "13", true, 13.0},
        {number(7, 2), "0.50", false, "0,5", true, 0.5},
        {number(7, 2), "-0.00", false, "0", true, 0.0},
        {number(7, 2), "", true, "", false, 0.0},
        {number(7, 2), "*******", true, "", false, 0.0},
        {number(7, 2), "8,45", false, "8,45", true, 8.45},  // written under a comma locale
        {number(7, 2), "abc", false, "abc", false, 0.0},    // shown as stored, never as 0
        {text(10), "A\xE7o", false, "Aço", false, 0.0},
        {text(10), "L 2\" x 1/8\"", false, "L 2\" x 1/8\"", false, 0.0},
    };
    for (const auto& c : cases) {
        const Cell cell = decode_cell(c.field, c.stored, c.is_null);
        EXPECT_EQ(cell.text, c.shown) << c.stored;
        EXPECT_EQ(cell.number.has_value(), c.has_number) << c.stored;
        if (cell.number && c.has_number) {
            EXPECT_EQ(*cell.number, c.value) << c.stored;
        }
    }
}

}  // namespace
}  // namespace quintaro::catalogue
