// Easter Sunday, Julian computus and Gauss's algorithm.
#include "calendar/easter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calendar/reformed.h"
#include "rtl/exceptions.h"
#include "tests/core/civil_date.h"

namespace almanix {
namespace {

using testing_support::Decode;
using testing_support::Ymd;

// TDateTime 1 (31 December 1899) was a Sunday; the count runs on unbroken across 1582.
bool IsSunday(TDateTime t) {
    const auto day = static_cast<long long>(std::floor(t));
    return ((day - 1) % 7 + 7) % 7 == 0;
}

TEST(Easter, KnownDates) {
    struct Case {
        std::int32_t year;
        Ymd easter;  // reformed calendar: Julian up to 1582
    };
    const Case cases[] = {
        {2002, {2002, 3, 31}}, {2003, {2003, 4, 20}}, {2004, {2004, 4, 11}},
        {2000, {2000, 4, 23}}, {1818, {1818, 3, 22}}, {2285, {2285, 3, 22}},
        {1943, {1943, 4, 25}}, {2038, {2038, 4, 25}}, {1981, {1981, 4, 19}},  // 26 April rule
        {1954, {1954, 4, 18}},                                                // 25 April rule
        {1583, {1583, 4, 10}}, {1582, {1582, 4, 15}}, {1500, {1500, 4, 19}},
        {1000, {1000, 3, 31}}, {999, {999, 4, 9}},    {1, {1, 3, 27}},
        {2300, {2300, 4, 8}},  {2301, {2301, 3, 31}}, {2399, {2399, 3, 28}},
    };
    for (const Case& c : cases) EXPECT_EQ(Decode(EasterSunday(c.year)), c.easter) << c.year;
}

TEST(Easter, ReportsYearsOutsideTheRules) {
    const auto expectError = [](auto fn, const std::string& message) {
        try {
            fn();
            ADD_FAILURE() << "no exception, expected " << message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), message);
        }
    };
    EXPECT_THROW(EasterSunday(2400), E_OutOfAlgorithmRange);
    expectError([] { EasterSunday(2400); }, "Out of range of the algorithm");
    expectError([] { GregorianEaster(1582); }, "Out of range of the algorithm");
    EXPECT_THROW(EasterSunday(0), EConvertError);
    expectError([] { EasterSunday(0); }, "Invalid year");
    expectError([] { EasterSunday(-1); }, "Invalid year");      // low 16 bits 65535
    expectError([] { EasterSunday(-55536); }, "Invalid year");  // low 16 bits 10000
    // Lower still, the low 16 bits would name a real year again (-60000 as 5536) and the
    // Easter of one year would be printed for another.
    expectError([] { EasterSunday(-55537); }, "Invalid year");
    expectError([] { JulianEaster(-60000); }, "Invalid year");
    expectError([] { EasterSunday(INT32_MIN); }, "Invalid year");
}

// Every Easter is a Sunday from 22 March to 25 April; from 1583 on it is the date of the
// Gregorian computus in the form of Meeus (Astronomical Algorithms, ch. 8), which needs no
// century table.
TEST(Easter, EveryYearIsASundayOfTheComputus) {
    for (std::int32_t year = 1; year <= 2399; ++year) {
        const TDateTime easter = EasterSunday(year);
        ASSERT_TRUE(IsSunday(easter)) << year;
        const Ymd date = Decode(easter);
        ASSERT_EQ(date.y, year);
        ASSERT_TRUE(date.m == 3 ? date.d >= 22 : date.m == 4 && date.d <= 25) << date;
        if (year < 1583) continue;
        const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
        const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
        const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
        const int m = (a + 11 * h + 22 * l) / 451, n = h + l - 7 * m + 114;
        ASSERT_EQ(date, (Ymd{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(n / 31),
                             static_cast<std::uint16_t>(n % 31 + 1)}));
    }
}

}  // namespace
}  // namespace almanix
