// Chinese calendar: published dates of new years and leap months, the record's invariants,
// the validation of ChineseToDate, and the solstice month in Julian-calendar years.
#include "calendar/chinese.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/solar_terms.h"
#include "calendar/reformed.h"
#include "rtl/exceptions.h"
#include "tests/core/civil_date.h"

namespace almanix {
namespace {

using testing_support::Ymd;

// Cycle, year of cycle and the other year fields follow from YearCount alone.
void ExpectYearInvariants(const TChineseDate& c) {
    EXPECT_EQ(c.Cycle, (c.YearCount - 1) / 60 + 1);
    EXPECT_EQ(c.YearOfCycle, (c.YearCount - 1) % 60 + 1);
    EXPECT_EQ(c.YearZodiac, (c.YearOfCycle - 1) % 12);
    EXPECT_EQ(c.YearStem, (c.YearOfCycle - 1) % 10);
}

TEST(DateToChinese, PublishedDates) {
    struct Case {
        Ymd date;
        TChineseDate expected;
    };
    const Case cases[] = {
        // Cycle, YearOfCycle, YearCount, Month, LeapMonth, LeapYear, Day, Zodiac, Stem
        {{2002, 2, 12}, {78, 19, 4639, 1, false, false, 1, 6, 8}},    // Horse, Ren
        {{2002, 2, 11}, {78, 18, 4638, 12, false, false, 30, 5, 7}},  // Snake, Xin
        {{2000, 1, 1}, {78, 16, 4636, 11, false, false, 25, 3, 5}},   // Rabbit, Ji
        {{2001, 6, 20}, {78, 18, 4638, 4, true, true, 29, 5, 7}},     // last day of leap 4
    };
    for (const auto& [date, e] : cases) {
        SCOPED_TRACE(testing::Message() << date.y << '-' << date.m << '-' << date.d);
        const TChineseDate c = DateToChinese(date.Date() + 0.75);  // the time of day is ignored
        EXPECT_EQ(c.Cycle, e.Cycle);
        EXPECT_EQ(c.YearOfCycle, e.YearOfCycle);
        EXPECT_EQ(c.YearCount, e.YearCount);
        EXPECT_EQ(c.Month, e.Month);
        EXPECT_EQ(c.LeapMonth, e.LeapMonth);
        EXPECT_EQ(c.LeapYear, e.LeapYear);
        EXPECT_EQ(c.Day, e.Day);
        EXPECT_EQ(c.YearZodiac, e.YearZodiac);
        EXPECT_EQ(c.YearStem, e.YearStem);
    }
}

TEST(DateToChinese, NeedsTheNeighbouringCivilYears) {
    // The last two lie beyond 9999, where the 16-bit civil year wraps into the supported years.
    for (const TDateTime day : {Ymd{1, 6, 1}.Date(), Ymd{9999, 6, 1}.Date(), 23972844.0, 5.96e14}) {
        try {
            DateToChinese(day);
            ADD_FAILURE() << "no error for " << day;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid year");
        }
    }
    // Cycle 0 reaches back before year 1, cycle 250 beyond 9999.
    for (const int cycle : {0, 250}) {
        TChineseDate c;
        c.Cycle = cycle;
        c.YearOfCycle = 1;
        c.Month = 1;
        c.Day = 1;
        try {
            ChineseToDate(c);
            ADD_FAILURE() << "no error for cycle " << cycle;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid year");
        }
    }
}

TEST(ChineseNewYear, PublishedDates) {
    // 1890 to 1900 are reckoned in Beijing local mean time, UT+7:45:40.
    const Ymd cases[] = {
        {1890, 1, 21}, {1899, 2, 10}, {1900, 1, 31}, {2000, 2, 5},  {2001, 1, 24},
        {2002, 2, 12}, {2003, 2, 1},  {2004, 1, 22}, {2012, 1, 23}, {2020, 1, 25},
        {2023, 1, 22}, {2030, 2, 3},
    };
    for (const Ymd& e : cases) {
        EXPECT_EQ(ChineseNewYear(e.y), e.Date()) << e.y;
        const TChineseDate c = DateToChinese(e.Date());
        EXPECT_EQ(c.Month, 1) << e.y;
        EXPECT_EQ(c.Day, 1) << e.y;
        EXPECT_FALSE(c.LeapMonth) << e.y;
        EXPECT_EQ(c.YearCount, e.y + 2637) << e.y;
    }
}

// China time switches from Beijing mean time to UT+8 on 1 January 1929.
TEST(ChinaTime, OffsetChangesIn1929) {
    const TDateTime newYear1929 = EncodeReformedDate(1929, 1, 1);
    const TDateTime before = newYear1929 - 0.125;
    EXPECT_NEAR(chinese::ToChinaTime(before) - before, 1397.0 / 4320.0, 1e-9);
    EXPECT_NEAR(chinese::ToChinaTime(newYear1929) - newYear1929, 1.0 / 3.0, 1e-9);
    EXPECT_NEAR(newYear1929 - chinese::FromChinaTime(newYear1929), 1.0 / 3.0, 1e-9);
}

// Walks month by month through 2001-2023 and compares every leap month found with the list.
TEST(DateToChinese, LeapMonths2001To2023) {
    struct Leap {
        Ymd start;
        int month;
    };
    const Leap expected[] = {
        {{2001, 5, 23}, 4}, {{2004, 3, 21}, 2}, {{2006, 8, 24}, 7}, {{2009, 6, 23}, 5},
        {{2012, 5, 21}, 4}, {{2014, 10, 24}, 9}, {{2017, 7, 23}, 6}, {{2020, 5, 23}, 4},
        {{2023, 3, 22}, 2},
    };
    std::vector<Leap> found;
    const TDateTime end = EncodeReformedDate(2024, 1, 1);
    for (TDateTime m = chinese::NewMoonDayOnOrAfter(EncodeReformedDate(2001, 1, 1)); m < end;
         m = chinese::NewMoonDayOnOrAfter(m + 1)) {
        const TChineseDate c = DateToChinese(m);
        ASSERT_EQ(c.Day, 1);
        if (!c.LeapMonth) continue;
        std::uint16_t y, mo, d;
        DecodeReformedDate(m, y, mo, d);
        found.push_back({{y, mo, d}, c.Month});
        // The leap month repeats the number of the month before it.
        const TChineseDate before = DateToChinese(m - 1);
        EXPECT_EQ(before.Month, c.Month);
        EXPECT_FALSE(before.LeapMonth);
    }
    ASSERT_EQ(found.size(), std::size(expected));
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].start.Date(), expected[i].start.Date()) << expected[i].start.y;
        EXPECT_EQ(found[i].month, expected[i].month) << expected[i].start.y;
    }
}

TEST(ChineseToDate, ValidAndInvalidDates) {
    struct Case {
        std::int32_t cycle, yearOfCycle, month;
        bool leap;
        std::int32_t day;
        Ymd expected;  // year 0: "Invalid chinese date"
    };
    const Case cases[] = {
        {78, 18, 4, true, 29, {2001, 6, 20}},   // leap month 4 of 2001 has 29 days
        {78, 18, 4, true, 30, {}},
        {78, 18, 4, false, 29, {2001, 5, 21}},
        {78, 18, 5, false, 1, {2001, 6, 21}},   // the month after the leap month
        {78, 19, 1, true, 1, {}},               // 2002 has no leap month
        {78, 19, 13, false, 1, {}},
        {78, 19, 0, false, 1, {}},
        {78, 19, 1, false, 0, {}},
        {78, 19, 12, false, 29, {2003, 1, 31}},
        {78, 19, 12, false, 30, {}},
        {78, 19, 1, false, 1000000, {}},
        {78, 61, 1, false, 1, {}},              // year of cycle out of range
        {61, 1, 1, false, 1, {964, 1, 18}},     // first year the converter's cycles reach
        {84, 60, 1, false, 1, {2403, 1, 23}},   // last one
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.cycle << '/' << k.yearOfCycle << '/' << k.month
                                        << (k.leap ? "L/" : "/") << k.day);
        TChineseDate c;
        c.Cycle = k.cycle;
        c.YearOfCycle = k.yearOfCycle;
        c.Month = k.month;
        c.LeapMonth = k.leap;
        c.Day = k.day;
        if (k.expected.y != 0) {
            EXPECT_EQ(ChineseToDate(c), k.expected.Date());
            continue;
        }
        try {
            ChineseToDate(c);
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid chinese date");
        }
    }
}

// The month of the December solstice is month 11, also in the Julian-calendar years in which
// the solstice falls before 15 December; the month after it is month 12 or a leap month 11,
// and the new year is month 1, in January or February.
TEST(ChineseCalendar, MonthElevenHoldsTheSolstice) {
    for (const std::uint16_t y : {1000, 1152, 1256, 1400, 1500, 1581, 1928, 2033}) {
        SCOPED_TRACE(y);
        const TDateTime solstice = chinese::WinterTermDay(y);
        EXPECT_EQ(solstice, std::floor(chinese::ToChinaTime(SolarTermInstant(y, 18))));
        const TDateTime start = chinese::NewMoonDayOnOrBefore(solstice + 1);
        const TChineseDate eleven = DateToChinese(start);
        EXPECT_EQ(eleven.Month, 11);
        EXPECT_EQ(eleven.Day, 1);
        EXPECT_EQ(DateToChinese(solstice).Month, 11);
        const TChineseDate after = DateToChinese(chinese::NewMoonDayOnOrAfter(solstice + 1));
        EXPECT_EQ(after.Day, 1);
        EXPECT_TRUE(after.Month == 12 || (after.Month == 11 && after.LeapMonth));

        const TDateTime newYear = ChineseNewYear(y);
        EXPECT_GE(newYear, EncodeReformedDate(y, 1, 10));
        EXPECT_LE(newYear, EncodeReformedDate(y, 2, 21));
        const TChineseDate c = DateToChinese(newYear);
        EXPECT_EQ(c.Month, 1);
        EXPECT_EQ(c.Day, 1);
        EXPECT_FALSE(c.LeapMonth);
    }
}

// The month test reads the solar longitude at the month starts; it must agree with the
// comparison of the days of the major terms before them, which the solar-term searches give.
TEST(ChineseCalendar, MonthLacksMajorTermAgreesWithTheTermSearches) {
    for (const Ymd from : {Ymd{1500, 1, 1}, Ymd{1928, 1, 1}, Ymd{2033, 1, 1}}) {
        TDateTime m = chinese::NewMoonDayOnOrAfter(from.Date());
        for (int i = 0; i < 25; ++i) {
            SCOPED_TRACE(m);
            const TDateTime next = chinese::NewMoonDayOnOrAfter(m + 2);
            EXPECT_EQ(chinese::MonthLacksMajorTerm(m),
                      chinese::MajorTermDayBefore(m) == chinese::MajorTermDayBefore(next));
            m = next;
        }
    }
}

// Every day of 2000 to 2003 converts and back. Along the way the days of a month run 1, 2, ...
// up to 29 or 30; a new month is the next number or the leap repeat of the same one; the
// year count steps on day 1 of month 1 only; the cycle fields follow the year count.
TEST(ChineseCalendar, RoundTripOfEveryDay2000To2003) {
    const TDateTime first = EncodeReformedDate(2000, 1, 1);
    const TDateTime last = EncodeReformedDate(2003, 12, 31);
    TChineseDate previous = DateToChinese(first - 1);
    for (TDateTime d = first; d <= last; ++d) {
        const TChineseDate c = DateToChinese(d);
        SCOPED_TRACE(testing::Message() << d << ": " << c.Cycle << '/' << c.YearOfCycle << '/'
                                        << c.Month << (c.LeapMonth ? "L/" : "/") << c.Day);
        ExpectYearInvariants(c);
        if (c.Day == 1) {
            EXPECT_TRUE(previous.Day == 29 || previous.Day == 30);
            const bool leapRepeat = c.LeapMonth && !previous.LeapMonth && c.Month == previous.Month;
            EXPECT_TRUE(leapRepeat || (!c.LeapMonth && c.Month == previous.Month % 12 + 1));
        } else {
            EXPECT_EQ(c.Day, previous.Day + 1);
            EXPECT_EQ(c.Month, previous.Month);
            EXPECT_EQ(c.LeapMonth, previous.LeapMonth);
        }
        const bool newYear = c.Month == 1 && c.Day == 1 && !c.LeapMonth;
        EXPECT_EQ(c.YearCount, previous.YearCount + (newYear ? 1 : 0));
        ASSERT_EQ(ChineseToDate(c), d);
        previous = c;
    }
}

}  // namespace
}  // namespace almanix
