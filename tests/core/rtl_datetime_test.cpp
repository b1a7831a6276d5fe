// Proleptic Gregorian EncodeDate/DecodeDate, EncodeTime/DecodeTime and the injectable clock.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>

#include "rtl/datetime.h"
#include "rtl/exceptions.h"

namespace almanix {
namespace {

struct DateCase {
    std::uint16_t year, month, day;
    TDateTime value;
};

// Reference values: day counts from 30 December 1899 (proleptic Gregorian throughout).
const DateCase dateCases[] = {
    {1899, 12, 30, 0},       {2000, 1, 1, 36526},      {1923, 1, 17, 8418},
    {1900, 3, 1, 61},        {1582, 10, 15, -115858},  {1500, 3, 20, -146017},
    {1, 1, 1, -693593},      {9999, 12, 31, 2958465},  {2002, 12, 25, 37615},
};

TEST(RtlDateTime, EncodeDateGivesReferenceValues) {
    for (const DateCase& c : dateCases) {
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.value) << c.year << '-' << c.month << '-' << c.day;
        std::uint16_t y = 0, m = 0, d = 0;
        DecodeDate(c.value, y, m, d);
        EXPECT_EQ(y, c.year);
        EXPECT_EQ(m, c.month);
        EXPECT_EQ(d, c.day);
    }
}

TEST(RtlDateTime, EncodeDateRejectsInvalidDates) {
    const DateCase invalid[] = {
        {0, 1, 1, 0},    {10000, 1, 1, 0}, {2001, 2, 29, 0}, {1900, 2, 29, 0}, {1500, 2, 29, 0},
        {2000, 13, 1, 0}, {2000, 0, 1, 0},  {2000, 4, 31, 0}, {2000, 1, 0, 0},  {2000, 1, 32, 0},
    };
    for (const DateCase& c : invalid) {
        try {
            EncodeDate(c.year, c.month, c.day);
            ADD_FAILURE() << "accepted " << c.year << '-' << c.month << '-' << c.day;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to date encode");
        }
    }
}

// Every day of years 1 to 9999: the day count rises by one and decodes back.
TEST(RtlDateTime, EveryDayRoundTrips) {
    TDateTime expected = -693593;
    for (std::uint16_t year = 1; year <= 9999; ++year) {
        for (std::uint16_t month = 1; month <= 12; ++month) {
            for (std::uint16_t day = 1; day <= DaysInAMonth(year, month); ++day, expected += 1) {
                const TDateTime value = EncodeDate(year, month, day);
                ASSERT_EQ(value, expected) << year << '-' << month << '-' << day;
                std::uint16_t y = 0, m = 0, d = 0;
                DecodeDate(value + 0.75, y, m, d);
                ASSERT_TRUE(y == year && m == month && d == day) << year << '-' << month << '-' << day;
            }
        }
    }
    EXPECT_EQ(expected, 2958466);
}

TEST(RtlDateTime, LeapYearRule) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(1500));  // proleptic Gregorian, not Julian
    EXPECT_FALSE(IsLeapYear(2001));
}

// Negative values count on continuously: the day is the floor, the time the rest.
TEST(RtlDateTime, DecodeTreatsValuesAsContinuousCount) {
    struct Case {
        TDateTime value;
        std::uint16_t year, month, day, hour, min, sec, msec;
    };
    const Case cases[] = {
        {-0.25, 1899, 12, 29, 18, 0, 0, 0},
        {-146017 + 0.3, 1500, 3, 20, 7, 12, 0, 0},
        {-146017 - 0.3, 1500, 3, 19, 16, 48, 0, 0},
        {36526.99999998, 2000, 1, 1, 23, 59, 59, 998},
        {36526.9999999999, 2000, 1, 2, 0, 0, 0, 0},  // rounds to the millisecond first
        {36526 + 0.5 + 1.0 / 86400000, 2000, 1, 1, 12, 0, 0, 1},
    };
    for (const Case& c : cases) {
        std::uint16_t y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
        DecodeDate(c.value, y, mo, d);
        DecodeTime(c.value, h, mi, s, ms);
        EXPECT_TRUE(y == c.year && mo == c.month && d == c.day && h == c.hour && mi == c.min &&
                    s == c.sec && ms == c.msec)
            << c.value << " gave " << y << '-' << mo << '-' << d << ' ' << h << ':' << mi << ':' << s
            << '.' << ms;
    }
}

TEST(RtlDateTime, DecodeRejectsValuesOutsideYears1To9999) {
    const TDateTime invalid[] = {-693594, -693593.0001, 2958466, 1e300,
                                 std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity()};
    for (const TDateTime value : invalid) {
        std::uint16_t a = 0, b = 0, c = 0, d = 0;
        EXPECT_THROW(DecodeDate(value, a, b, c), EConvertError) << value;
        EXPECT_THROW(DecodeTime(value, a, b, c, d), EConvertError) << value;
    }
}

TEST(RtlDateTime, EncodeTimeRoundTripsAndRejectsOutOfRange) {
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    for (const auto& t : {std::array<std::uint16_t, 4>{0, 0, 0, 0}, {23, 59, 59, 999}, {7, 5, 0, 0},
                          {14, 5, 9, 500}}) {
        std::uint16_t h = 0, m = 0, s = 0, ms = 0;
        DecodeTime(EncodeDate(2002, 1, 5) + EncodeTime(t[0], t[1], t[2], t[3]), h, m, s, ms);
        EXPECT_TRUE(h == t[0] && m == t[1] && s == t[2] && ms == t[3]) << h << ':' << m << ':' << s;
    }
    for (const auto& t : {std::array<std::uint16_t, 4>{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0},
                          {0, 0, 0, 1000}}) {
        try {
            EncodeTime(t[0], t[1], t[2], t[3]);
            ADD_FAILURE() << "accepted " << t[0] << ':' << t[1] << ':' << t[2] << '.' << t[3];
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to time encode");
        }
    }
}

class RtlClock : public ::testing::Test {
protected:
    void TearDown() override { SetLocalClock(previous_); }
    void Install(TDateTime now) {
        previous_ = SetLocalClock([now] { return now; });
    }
    LocalClock previous_;
};

TEST_F(RtlClock, NowDateAndTimeComeFromTheInstalledClock) {
    Install(36526.75);
    EXPECT_EQ(Now(), 36526.75);
    EXPECT_EQ(Date(), 36526);
    EXPECT_EQ(Time(), 0.75);
    EXPECT_EQ(CurrentYear(), 2000);
}

TEST_F(RtlClock, DateAndTimeOfANegativeInstant) {
    Install(-1.25);  // 28 December 1899, 18:00
    EXPECT_EQ(Date(), -2);
    EXPECT_EQ(Time(), 0.75);
    EXPECT_EQ(CurrentYear(), 1899);
}

TEST_F(RtlClock, EmptyClockRestoresTheSystemClock) {
    Install(0);
    SetLocalClock({});
    // Local time lies within a day of universal time in every time zone.
    const double universal = 25569 + static_cast<double>(std::time(nullptr)) / 86400;
    EXPECT_NEAR(Now(), universal, 1.0);
    EXPECT_GE(Time(), 0.0);
    EXPECT_LT(Time(), 1.0);
}

}  // namespace
}  // namespace almanix
