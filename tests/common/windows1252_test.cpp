#include "common/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace quintaro {
namespace {

TEST(Windows1252, AccentsAndSuperscriptsAreSingleBytes) {
    struct Case {
        const char* utf8;
        const char* bytes;
    };
    const Case cases[] = {
        {"Aço", "A\xE7o"},
        {"cm²", "cm\xB2"},
        {"cm³", "cm\xB3"},
        {"Não", "N\xE3o"},
        {"€ – “x”", "\x80 \x96 \x93x\x94"},
        {"plain", "plain"},
    };
    for (const auto& c : cases) {
        const auto encoded = utf8_to_cp1252(c.utf8);
        ASSERT_TRUE(encoded.ok()) << encoded.error();
        EXPECT_EQ(encoded.value(), c.bytes);
        EXPECT_EQ(cp1252_to_utf8(c.bytes), c.utf8);
    }
}

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const auto back = utf8_to_cp1252(cp1252_to_utf8(all));
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(back.value(), all);
}

TEST(Windows1252, RefusesWhatItCannotHoldInsteadOfWritingAQuestionMark) {
    const char* cases[] = {"λ", "x = σ", "β1", "日本", "😀"};
    for (const char* text : cases) {
        const auto encoded = utf8_to_cp1252(text);
        EXPECT_FALSE(encoded.ok()) << text;
        EXPECT_NE(encoded.error().find("Windows-1252"), std::string::npos);
    }
}

TEST(Windows1252, RefusesMalformedUtf8) {
    const char* cases[] = {"\xC3", "a\xE2\x82", "\xFF", "\xC0\xAF", "\xED\xA0\x80"};
    for (const char* text : cases)
        EXPECT_FALSE(utf8_to_cp1252(text).ok()) << text;
}

}  // namespace
}  // namespace quintaro
