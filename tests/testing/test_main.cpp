#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    // Pin a locale whose decimal separator is the point: any comma in our output
    // must come from our own conversions, never from the machine's settings.
    std::setlocale(LC_ALL, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
