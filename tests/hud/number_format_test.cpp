// The weight text: four significant digits in the runtime's short form.
#include "hud/NumberFormat.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

std::string Format(double value, int digits = 4) {
    char buffer[50];
    FormatSignificant(value, digits, buffer, sizeof buffer);
    return buffer;
}

struct Case {
    double value;
    const char* text;
};

class FourDigits : public ::testing::TestWithParam<Case> {};

TEST_P(FourDigits, WritesTheShortForm) {
    EXPECT_EQ(Format(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Weights, FourDigits,
    ::testing::Values(Case{0.0, "0."}, Case{-0.0, "0."}, Case{0.5, "0.5"}, Case{12.5, "12.5"},
                      Case{100.0, "100."}, Case{1000.0, "1000"}, Case{9999.0, "9999"},
                      // The exponent is taken before rounding: a carry stays in fixed form.
                      Case{9999.5, "10000"}, Case{9999.4, "9999"}, Case{99.994, "99.99"},
                      Case{99.9951, "100."}, Case{0.99995, "1."}, Case{20000.0, "2.e+004"},
                      Case{12345.0, "1.235e+004"}, Case{99995.0, "1.e+005"}, Case{0.05, "5.e-002"},
                      Case{0.1, "0.1"}, Case{0.123456, "0.1235"}, Case{0.09999, "9.999e-002"},
                      Case{3.14159, "3.142"}, Case{26.6, "26.6"}, Case{1000.5, "1001"},
                      Case{-1.0, "-1."}, Case{-12.5, "-12.5"}, Case{-0.05, "-5.e-002"},
                      Case{-20000.0, "-2.e+004"}, Case{1e100, "1.e+100"},
                      Case{1.5e-7, "1.5e-007"}));

TEST(NumberFormat, WeightAfterTakingABushAFenceAndGarbage) {
    float weight = 0.0f;
    weight += 2.1f;
    weight += 0.4f;
    weight += 1.2f;
    EXPECT_EQ(Format(static_cast<double>(weight)), "3.7");
}

TEST(NumberFormat, ExtremesFitTheBufferAndReadSanely) {
    const Case extremes[] = {
        {std::numeric_limits<double>::quiet_NaN(), "nan"},
        {std::numeric_limits<double>::infinity(), "inf"},
        {-std::numeric_limits<double>::infinity(), "-inf"},
        {DBL_MAX, "1.798e+308"},
        {-DBL_MAX, "-1.798e+308"},
        {std::numeric_limits<double>::denorm_min(), "4.941e-324"},
        {static_cast<double>(FLT_MAX), "3.403e+038"},
    };
    for (const Case& c : extremes)
        EXPECT_EQ(Format(c.value), c.text) << c.value;
}

TEST(NumberFormat, NeverWritesPastTheBuffer) {
    // A guard byte after a short buffer stays untouched; the text is cut and terminated.
    char buffer[6];
    std::memset(buffer, '#', sizeof buffer);
    FormatSignificant(-DBL_MAX, 4, buffer, 5);
    EXPECT_STREQ(buffer, "-1.7");
    EXPECT_EQ(buffer[5], '#');
    FormatSignificant(1.0, 4, buffer, 1);
    EXPECT_STREQ(buffer, "");
    // The widest text at the largest digit count still fits 50 bytes.
    char wide[50];
    FormatSignificant(-DBL_MAX, 99, wide, sizeof wide);
    EXPECT_EQ(std::string(wide), "-1.7976931348623157e+308");
}

TEST(NumberFormat, OtherDigitCounts) {
    EXPECT_EQ(Format(12.5, 1), "1.e+001");
    EXPECT_EQ(Format(5.5, 1), "6");
    EXPECT_EQ(Format(0.5, 0), "0.5");
    EXPECT_EQ(Format(123456.0, 6), "123456");
}

} // namespace
