// Julian days and the reformed calendar.
#include "calendar/reformed.h"

#include <gtest/gtest.h>

#include "tests/core/civil_date.h"

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "rtl/datetime.h"

namespace almanix {
namespace {

using testing_support::Decode;
using testing_support::Ymd;

// Runs fn and checks that it raises exactly the class E with the message.
template <class E>
void ExpectRaises(const std::function<void()>& fn, const std::string& message) {
    try {
        fn();
        ADD_FAILURE() << "no exception, expected \"" << message << '"';
    } catch (const E& e) {
        EXPECT_EQ(e.Message(), message);
    } catch (const std::exception& e) {
        ADD_FAILURE() << "wrong class, message \"" << e.what() << '"';
    }
}

TEST(Reformed, StartUpValues) {
    EXPECT_EQ(JulianDayOffset, 2415018.5L);
    EXPECT_EQ(JulianDayOffset, 2451544.5L - EncodeDate(2000, 1, 1));
    EXPECT_EQ(ReferenceDate2000, 36526.0L);
    EXPECT_EQ(ReferenceDate1923, 8418.0L);
    EXPECT_EQ(ReferenceDate1923, EncodeDate(1923, 1, 17));
    EXPECT_EQ(CalendarReformJD, 2299160.5L);
}

TEST(Reformed, JulianDayScale) {
    EXPECT_EQ(DateToJulianDay(0.0), 2415018.5L);
    EXPECT_EQ(DateToJulianDay(36526.0), 2451544.5L);
    EXPECT_EQ(JulianDayToDate(2451545.0L), 36526.5);
    // The sum is extended: a double would lose the low bits of this time of day.
    const TDateTime t = 36526.0 + 1.0 / 3.0;
    EXPECT_EQ(DateToJulianDay(t) - 2415018.5L, static_cast<Extended>(t));
}

TEST(Reformed, EncodesValidDates) {
    struct Case {
        std::uint16_t y, m, d;
        Extended jd;
    };
    const Case cases[] = {
        {1, 1, 1, 1721423.5L},      {9999, 12, 31, 5373483.5L}, {2000, 1, 1, 2451544.5L},
        {1582, 10, 4, 2299159.5L},  {1582, 10, 15, 2299160.5L}, {1500, 2, 29, 2268991.5L},
        {1500, 3, 1, 2268992.5L},   {1600, 2, 29, 2305506.5L},  {2000, 2, 29, 2451603.5L},
        {1899, 12, 30, 2415018.5L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << '-' << c.m << '-' << c.d);
        EXPECT_EQ(EncodeReformedJulianDay(c.y, c.m, c.d), c.jd);
        EXPECT_EQ(EncodeReformedDate(c.y, c.m, c.d), static_cast<TDateTime>(c.jd - 2415018.5L));
    }
    EXPECT_EQ(EncodeReformedDate(1582, 10, 4), -115859.0);
    EXPECT_EQ(EncodeReformedDate(1582, 10, 15), -115858.0);
    // The pure calendars ignore the reform: 15 October 1582 (G) is 5 October (J).
    EXPECT_EQ(EncodeJulianCalendarDay(1582, 10, 5), EncodeGregorianCalendarDay(1582, 10, 15));
    EXPECT_EQ(EncodeGregorianCalendarDay(1700, 3, 1) - EncodeGregorianCalendarDay(1700, 2, 28), 1);
}

TEST(Reformed, RejectsInvalidDatesInOrderYearMonthDay) {
    struct Case {
        std::uint16_t y, m, d;
        const char* message;
    };
    const Case cases[] = {
        {0, 1, 1, "Invalid year"},
        {10000, 1, 1, "Invalid year"},
        {0, 13, 32, "Invalid year"},
        {2001, 0, 1, "Invalid month"},
        {2001, 13, 1, "Invalid month"},
        {2001, 13, 0, "Invalid month"},
        {2001, 4, 31, "Invalid day"},
        {2001, 2, 29, "Invalid day"},
        {2001, 1, 0, "Invalid day"},
        {1900, 2, 29, "Invalid day"},
        {1700, 2, 29, "Invalid day"},
        {1582, 10, 5, "Date invalid due to calendar change"},
        {1582, 10, 14, "Date invalid due to calendar change"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << '-' << c.m << '-' << c.d);
        ExpectRaises<EConvertError>([&] { EncodeReformedDate(c.y, c.m, c.d); }, c.message);
    }
    // Each calendar applies its own leap rule to 29 February 1900.
    EXPECT_NO_THROW(EncodeJulianCalendarDay(1900, 2, 29));
    ExpectRaises<EConvertError>([] { EncodeGregorianCalendarDay(1900, 2, 29); }, "Invalid day");
}

TEST(Reformed, DecodesTheDayContainingAnInstant) {
    struct Case {
        Extended jd;
        Ymd date;
    };
    const Case cases[] = {
        {2451545.0L, {2000, 1, 1}},  {2451545.49L, {2000, 1, 1}},   {2451545.5L, {2000, 1, 2}},
        {2299159.5L, {1582, 10, 4}}, {2299160.49L, {1582, 10, 4}},  {2299160.5L, {1582, 10, 15}},
        {1721423.5L, {1, 1, 1}},     {5373483.5L, {9999, 12, 31}},  {0.0L, {60824, 1, 1}},
        {1721057.5L, {0, 1, 1}},     {2415018.25L, {1899, 12, 29}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "JD " << static_cast<double>(c.jd));
        Ymd r{};
        DecodeReformedJulianDay(c.jd, r.y, r.m, r.d);
        EXPECT_EQ(r, c.date);
    }
    EXPECT_EQ(Decode(-115859), (Ymd{1582, 10, 4}));
    EXPECT_EQ(Decode(-115858), (Ymd{1582, 10, 15}));
    EXPECT_EQ(Decode(36526.99), (Ymd{2000, 1, 1}));
    EXPECT_EQ(Decode(-0.25), (Ymd{1899, 12, 29}));
    // Past year 65535 the year is kept modulo 65536.
    Ymd r{};
    DecodeGregorianCalendarDay(EncodeGregorianCalendarDay(9999, 7, 1) + 20091 * 365.2425L, r.y, r.m,
                               r.d);
    EXPECT_EQ(r.y, (9999 + 20091) % 65536);
}

// Far in the future the decoders leave exact integer arithmetic for the extended formulas;
// the days on both sides of that switch still follow each other.
TEST(Reformed, DecodesHugeJulianDaysContinuously) {
    const Extended switchDay = 9007199254740992.0L - 1524;  // 2^53 - 1524
    Ymd previous{};
    DecodeGregorianCalendarDay(switchDay - 400, previous.y, previous.m, previous.d);
    for (Extended jd = switchDay - 399; jd <= switchDay + 400; jd += 1) {
        Ymd r{};
        DecodeGregorianCalendarDay(jd, r.y, r.m, r.d);
        const bool nextDay = r.y == previous.y && r.m == previous.m && r.d == previous.d + 1;
        const bool nextMonth = r.y == previous.y && r.m == previous.m + 1 && r.d == 1;
        const bool nextYear = r.y == static_cast<std::uint16_t>(previous.y + 1) && r.m == 1 &&
                              r.d == 1 && previous.m == 12 && previous.d == 31;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << previous << " then " << r;
        previous = r;
    }
}

TEST(Reformed, RejectsNegativeAndNonFiniteJulianDays) {
    const TDateTime justBelow = std::nextafter(-2415018.5, -1e9);
    ExpectRaises<EConvertError>([&] { Decode(justBelow); }, "Negative julian dates not supported");
    Ymd r{};
    ExpectRaises<EConvertError>([&] { DecodeJulianCalendarDay(-1e-9L, r.y, r.m, r.d); },
                                "Negative julian dates not supported");
    ExpectRaises<EConvertError>([&] { DecodeGregorianCalendarDay(-1.0L, r.y, r.m, r.d); },
                                "Negative julian dates not supported");
    EXPECT_EQ(Decode(-2415018.5), (Ymd{60824, 1, 1}));
    EXPECT_THROW(Decode(std::numeric_limits<double>::quiet_NaN()), EInvalidOp);
    EXPECT_THROW(Decode(std::numeric_limits<double>::infinity()), EInvalidOp);
    EXPECT_THROW(Decode(1e300), EInvalidOp);
}

TEST(Reformed, LeapYears) {
    struct Case {
        std::uint16_t year;
        bool leap;
    };
    const Case cases[] = {{1500, true},  {1580, true},  {1582, false}, {1600, true},
                          {1700, false}, {1900, false}, {2000, true},  {2100, false}};
    for (const Case& c : cases) EXPECT_EQ(IsReformedLeapYear(c.year), c.leap) << c.year;

    for (std::uint16_t year = 1; year <= 9999; ++year) {
        bool encodes = true;
        try {
            EncodeReformedDate(year, 2, 29);
        } catch (const EConvertError&) {
            encodes = false;
        }
        ASSERT_EQ(IsReformedLeapYear(year), encodes) << year;
    }
}

// Every day of years 1 to 9999: the day count rises by one from each date to the next
// calendar date (with 15 October 1582 following 4 October), and decoding the count, also
// late in the day, gives the date back.
TEST(Reformed, EveryDayRoundTripsAcrossTheReform) {
    Ymd expected{1, 1, 1};
    const TDateTime first = EncodeReformedDate(1, 1, 1);
    const TDateTime last = EncodeReformedDate(9999, 12, 31);
    for (TDateTime t = first; t <= last; t += 1.0) {
        const Ymd got = Decode(t + 0.999);
        ASSERT_EQ(got, expected) << "TDateTime " << t;
        ASSERT_EQ(EncodeReformedDate(got.y, got.m, got.d), t);
        // Next calendar date.
        const bool leap = IsReformedLeapYear(expected.y);
        const int length[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        if (expected == Ymd{1582, 10, 4}) {
            expected.d = 15;
        } else if (expected.d < length[expected.m - 1]) {
            ++expected.d;
        } else if (expected.m < 12) {
            ++expected.m;
            expected.d = 1;
        } else {
            expected = Ymd{static_cast<std::uint16_t>(expected.y + 1), 1, 1};
        }
    }
    EXPECT_EQ(expected, (Ymd{10000, 1, 1}));
}

}  // namespace
}  // namespace almanix
