// FormatFloat digit patterns and FloatToStr general format.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "rtl/exceptions.h"
#include "rtl/format_settings.h"
#include "rtl/number_format.h"

namespace almanix {
namespace {

class RtlNumberFormat : public ::testing::Test {
protected:
    void SetUp() override { FormatSettings = TFormatSettings{}; }
    void TearDown() override { FormatSettings = TFormatSettings{}; }
};

struct FloatCase {
    const char* pattern;
    Extended value;
    const char* expected;
};

// The patterns of the Moon window and of the time field.
TEST_F(RtlNumberFormat, FormatFloatPatterns) {
    const FloatCase cases[] = {
        // "##0.0": one integer digit at least, exactly one decimal.
        {"##0.0", 50, "50.0"},
        {"##0.0", 0, "0.0"},
        {"##0.0", 100, "100.0"},
        {"##0.0", 99.95, "100.0"},  // the double lies just above 99.95
        {"##0.0", 0.25, "0.3"},     // an exact half goes away from zero
        {"##0.0", 0.05, "0.1"},
        {"##0.0", 1234.56, "1234.6"},
        // "#0.##": up to two decimals without trailing zeros.
        {"#0.##", 29.530588, "29.53"},
        {"#0.##", 3, "3"},
        {"#0.##", 3.1, "3.1"},
        {"#0.##", 0.125, "0.13"},
        {"#0.##", 0.001, "0"},
        {"#0.##", 0, "0"},
        {"#0.##", 2.675, "2.67"},   // the double lies just below 2.675
        {"#0.##", 9.999, "10"},
        // "#########.#####" and "#########.###": no integer digit forced either.
        {"#########.#####", 1865.123456, "1865.12346"},
        {"#########.#####", 1800, "1800"},
        {"#########.#####", 0.5, ".5"},
        {"#########.#####", 0, ""},
        {"#########.###", 384400.12345, "384400.123"},
        {"#########.###", 384400.0004, "384400"},
        {"#########.###", 384400.0005, "384400.001"},
        {"#########.###", 0.0625, ".063"},
        {"#########.###", 123456789012.25, "123456789012.25"},  // more integer digits than places
        // "0#": two digits with a leading zero.
        {"0#", 0, "00"},
        {"0#", 5, "05"},
        {"0#", 23, "23"},
        {"0#", 123, "123"},
        // Negative values; a value that rounds to zero shows no sign.
        {"#0.##", -3.14159, "-3.14"},
        {"#0.##", -0.001, "0"},
        {"##0.0", -0.25, "-0.3"},
    };
    for (const FloatCase& c : cases)
        EXPECT_EQ(FormatFloat(c.pattern, c.value), c.expected) << c.pattern << " " << static_cast<double>(c.value);
}

// The value is taken to 18 significant digits before it is rounded to the pattern.
TEST_F(RtlNumberFormat, FormatFloatRoundsFrom18Digits) {
    const Extended belowHalf = 0.005L - 2e-21L;  // 0.0049999999999999999978
    EXPECT_EQ(FormatFloat("#0.##", belowHalf), "0.01");
    EXPECT_EQ(FormatFloat("#0.##", 0.005L - 1e-18L), "0");
}

TEST_F(RtlNumberFormat, DecimalSeparatorComesFromTheSettings) {
    FormatSettings.DecimalSeparator = ",";
    EXPECT_EQ(FormatFloat("##0.0", 50.25), "50,3");
    EXPECT_EQ(FormatFloat("#0.##", 3), "3");
    EXPECT_EQ(FloatToStr(2452275.5), "2452275,5");
    TFormatSettings own;
    EXPECT_EQ(FormatFloat("##0.0", 50.25, own), "50.3");
}

TEST_F(RtlNumberFormat, FloatToStrGeneralFormat) {
    struct Case {
        Extended value;
        const char* expected;
    };
    const Case cases[] = {
        {2452275.5L, "2452275.5"},
        {2452275.5L + 10.0L / 24, "2452275.91666667"},
        {0, "0"},
        {100, "100"},
        {-1.5, "-1.5"},
        {0.1, "0.1"},
        {1.0L / 3, "0.333333333333333"},
        {2.0L / 3, "0.666666666666667"},
        {999999999999999.0L, "999999999999999"},
        {9999999999999999.0L, "1E16"},       // rounds up to 16 integer digits
        {1e15L, "1E15"},
        {123456789012345678.0L, "1.23456789012346E17"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {-1.5e-7L, "-1.5E-7"},
    };
    for (const Case& c : cases) EXPECT_EQ(FloatToStr(c.value), c.expected) << static_cast<double>(c.value);
}

TEST_F(RtlNumberFormat, Failures) {
    for (const Extended bad : {std::numeric_limits<Extended>::quiet_NaN(), std::numeric_limits<Extended>::infinity(),
                               -std::numeric_limits<Extended>::infinity()}) {
        EXPECT_THROW(FloatToStr(bad), EInvalidOp);
        EXPECT_THROW(FormatFloat("#0.##", bad), EInvalidOp);
    }
    for (const char* pattern : {"#,##0.00", "0.0E+00", "0.0%", "0.0;-0.0", "0.0.0"}) {
        try {
            FormatFloat(pattern, 1.5);
            ADD_FAILURE() << "accepted " << pattern;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Unsupported number format '" + std::string(pattern) + "'");
        }
    }
}

}  // namespace
}  // namespace almanix
