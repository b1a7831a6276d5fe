// Jewish calendar from Gauss's Pesach formula.
#include "calendar/jewish.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "calendar/reformed.h"
#include "rtl/exceptions.h"
#include "tests/core/civil_date.h"

namespace almanix {
namespace {

using testing_support::Ymd;

Ymd ToJewish(TDateTime t) {
    Ymd r{};
    DateToJewish(t, r.y, r.m, r.d);
    return r;
}

TEST(Jewish, PesachDates) {
    struct Case {
        std::int32_t year;
        Ymd date;  // reformed calendar
    };
    const Case cases[] = {
        {2002, {2002, 3, 28}}, {2003, {2003, 4, 17}}, {2004, {2004, 4, 6}}, {2005, {2005, 4, 24}},
        {1582, {1582, 4, 7}},  {1583, {1583, 4, 7}},  {360, {360, 3, 18}},  // Q < 0: I = -4
    };
    for (const Case& c : cases)
        EXPECT_EQ(PesachDate(c.year), EncodeReformedDate(c.date.y, c.date.m, c.date.d)) << c.year;
}

TEST(Jewish, NewYearsAndYearTypes) {
    struct Case {
        std::uint16_t year;
        Ymd tishri1;
        int type;
    };
    const Case cases[] = {
        {5761, {2000, 9, 30}, 0}, {5762, {2001, 9, 18}, 1},   {5763, {2002, 9, 7}, 5},
        {5764, {2003, 9, 27}, 2}, {5765, {2004, 9, 16}, 3},   {5782, {2021, 9, 7}, 4},
        {5785, {2024, 10, 3}, 2}, {5342, {1581, 8, 29}, 4},   {5343, {1582, 9, 17}, 2},
        {4120, {359, 9, 9}, 1},   {13759, {9998, 10, 15}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(JewishToDate(c.year, 7, 1),
                  EncodeReformedDate(c.tishri1.y, c.tishri1.m, c.tishri1.d));
        EXPECT_EQ(JewishYearType(c.year), c.type);
    }
}

TEST(Jewish, ConvertsDatesBothWays) {
    struct Case {
        Ymd jewish;
        Ymd civil;
    };
    const Case cases[] = {
        {{5762, 1, 15}, {2002, 3, 28}},  {{5763, 12, 30}, {2003, 3, 4}},
        {{5763, 13, 29}, {2003, 4, 2}},  {{5763, 1, 1}, {2003, 4, 3}},
        {{5763, 1, 15}, {2003, 4, 17}},  {{5763, 7, 1}, {2002, 9, 7}},
        {{5762, 6, 29}, {2002, 9, 6}},   {{5762, 12, 29}, {2002, 3, 13}},
        {{5342, 6, 29}, {1582, 9, 16}},  {{5343, 7, 18}, {1582, 10, 4}},
        {{5343, 7, 19}, {1582, 10, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.jewish);
        const TDateTime t = EncodeReformedDate(c.civil.y, c.civil.m, c.civil.d);
        EXPECT_EQ(JewishToDate(c.jewish.y, c.jewish.m, c.jewish.d), t);
        EXPECT_EQ(ToJewish(t), c.jewish);
        EXPECT_EQ(ToJewish(t + 23.0 / 24 + 59.0 / 1440), c.jewish);  // 23:59
    }
}

TEST(Jewish, ReportsInvalidDatesAfterTheYear) {
    struct Case {
        std::uint16_t y, m, d;
        const char* message;
        bool outOfRange;  // E_OutOfAlgorithmRange, otherwise EConvertError
    };
    const Case cases[] = {
        {5762, 13, 1, "Invalid month", false},
        {5763, 0, 1, "Invalid month", false},
        {5763, 14, 1, "Invalid month", false},
        {5762, 8, 30, "Invalid day", false},
        {5763, 13, 30, "Invalid day", false},
        {5763, 1, 0, "Invalid day", false},
        {4119, 7, 1, "Out of range of the algorithm", true},
        {4119, 14, 0, "Out of range of the algorithm", true},
        {13760, 7, 1, "Invalid year", false},
        {13760, 14, 0, "Invalid year", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << '-' << c.m << '-' << c.d);
        try {
            JewishToDate(c.y, c.m, c.d);
            ADD_FAILURE() << "no exception";
        } catch (const E_OutOfAlgorithmRange& e) {
            EXPECT_TRUE(c.outOfRange);
            EXPECT_EQ(e.Message(), c.message);
        } catch (const EConvertError& e) {
            EXPECT_FALSE(c.outOfRange);
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_THROW(ToJewish(EncodeReformedDate(359, 9, 8)), E_OutOfAlgorithmRange);
    EXPECT_EQ(ToJewish(EncodeReformedDate(359, 9, 9)), (Ymd{4120, 7, 1}));
    // Past the year 9999 the civil year no longer fits; 65536 years after 1999 it would wrap
    // round to 1999 and print that year's Jewish date.
    const TDateTime lastDay = EncodeReformedDate(9999, 12, 31);
    const TDateTime wrapped = EncodeReformedDate(1999, 6, 1) + 23936532.0;  // 1 June 67535
    for (TDateTime beyond : {lastDay + 1, wrapped, 1e15}) {
        SCOPED_TRACE(beyond);
        try {
            ToJewish(beyond);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid year");
        }
    }
}

// Days from an arbitrary origin to 1 Tishri of Year by the rules of the fixed calendar:
// the molad of Tishri (epoch BaHaRaD, month 29d 12h 793p, 1080 parts an hour) and the four
// postponements. Independent of the Pesach formula.
std::int64_t TishriByMolad(std::int64_t Year) {
    const auto isLeap = [](std::int64_t y) { return (7 * y + 1) % 19 < 7; };
    const std::int64_t months = (235 * Year - 234) / 19;  // months before Year
    const std::int64_t parts = (24 + 5) * 1080 + 204 + months * 765433;
    std::int64_t day = parts / 25920;  // weekday day % 7: 0 = Sunday
    const std::int64_t time = parts % 25920;
    if (time >= 18 * 1080)
        ++day;  // molad zaken
    else if (!isLeap(Year) && day % 7 == 2 && time >= 9 * 1080 + 204)
        day += 2;  // GaTaRaD
    else if (isLeap(Year - 1) && day % 7 == 1 && time >= 15 * 1080 + 589)
        ++day;                                                // BeTUTaKPaT
    if (day % 7 == 0 || day % 7 == 3 || day % 7 == 5) ++day;  // lo ADU rosh
    return day;
}

// Every Jewish year the algorithm covers has one of the six lengths and begins on the day
// the molad rules give.
TEST(Jewish, EveryYearAgreesWithTheMolad) {
    const TDateTime anchor =
        EncodeReformedDate(2002, 9, 7) - static_cast<double>(TishriByMolad(5763));
    for (std::uint16_t year = 4120; year <= 13759; ++year) {
        const TDateTime tishri1 = PesachDate(year - 3761) + 163;
        ASSERT_EQ(tishri1, anchor + static_cast<double>(TishriByMolad(year))) << year;
        const auto length = std::lround(PesachDate(year - 3760) + 163 - tishri1);
        ASSERT_NE(std::find(JewishYearLengths.begin(), JewishYearLengths.end(), length),
                  JewishYearLengths.end())
            << year << " has " << length << " days";
    }
}

// Every day of the converter's range (Jewish years 4760 to 6160) converts both ways, and
// the Jewish date advances by one day with each civil day.
TEST(Jewish, EveryDayOfTheConverterRangeRoundTrips) {
    const TDateTime first = JewishToDate(4760, 7, 1);
    const TDateTime last = JewishToDate(6161, 7, 1) - 1;
    EXPECT_EQ(first, EncodeReformedDate(999, 9, 14));
    EXPECT_EQ(last, EncodeReformedDate(2400, 9, 20));
    Ymd expected{4760, 7, 1};
    int type = JewishYearType(4760);
    for (TDateTime t = first; t <= last; t += 1.0) {
        const Ymd got = ToJewish(t);
        ASSERT_EQ(got, expected) << "TDateTime " << t;
        ASSERT_EQ(JewishToDate(got.y, got.m, got.d), t) << got;
        // Next Jewish day: Adar 2 has no days in a common year.
        ++expected.d;
        while (expected.d > JewishMonthLengths[expected.m - 1][type]) {
            expected.d -= JewishMonthLengths[expected.m - 1][type];
            expected.m = static_cast<std::uint16_t>(expected.m % 13 + 1);
            if (expected.m == 7) {
                ++expected.y;
                type = JewishYearType(expected.y);
            }
        }
    }
    EXPECT_EQ(expected, (Ymd{6161, 7, 1}));
}

}  // namespace
}  // namespace almanix
