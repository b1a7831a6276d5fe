// Solar terms, seasons and the major terms next to an instant. Reference values: Meeus,
// Astronomical Algorithms, 2nd ed., example 27.b (June solstice 1962), and the March
// equinox of 2000 on the same dynamical-time scale.
#include "astro/solar_terms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "astro/angles.h"
#include "astro/positions.h"
#include "calendar/reformed.h"
#include "rtl/datetime.h"
#include "rtl/exceptions.h"

namespace almanix {
namespace {

constexpr double kMinute = 1.0 / 1440;

TDateTime At(std::uint16_t y, std::uint16_t m, std::uint16_t d, int hh = 0, int mm = 0) {
    return EncodeReformedDate(y, m, d) + (hh * 60 + mm) * kMinute;
}

void ExpectDay(TDateTime t, std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    std::uint16_t y, m, d;
    DecodeReformedDate(t, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, year * 10000 + month * 100 + day) << t;
}

TEST(SolarTermInstant, KnownEquinoxesAndSolstices) {
    EXPECT_NEAR(SolarTermInstant(1962, 6), At(1962, 6, 21, 21, 25), 1 * kMinute);
    const TDateTime spring = SeasonStart(2000, seSpring);
    EXPECT_GE(spring, At(2000, 3, 20, 7, 30));
    EXPECT_LE(spring, At(2000, 3, 20, 7, 40));
    EXPECT_NEAR(spring, At(2000, 3, 20, 7, 36) + 19.0 / 86400, 2.0 / 86400);
}

// Every term of a year: the Sun's longitude there is the term's, and in the order 19 to 23,
// 0 to 18 the terms follow each other within that same year of the proleptic Gregorian
// calendar (the calendar of the start guesses; before 1582 the reformed calendar differs).
TEST(SolarTermInstant, EveryTermOfAYearMeetsItsLongitude) {
    for (int year : {2, 1582, 2024, 9999}) {
        TDateTime previous = 0;
        for (int i = 0; i < 24; ++i) {
            const int k = (i + 19) % 24;
            SCOPED_TRACE(testing::Message() << "year " << year << " term " << k);
            const TDateTime t = SolarTermInstant(year, static_cast<std::uint8_t>(k));
            TSkyPosition sun;
            SunPosition(t, sun);
            Extended diff = NormalizeAngle(15 * k - sun.Longitude);
            if (diff > 180) diff -= 360;
            EXPECT_LE(std::fabs(diff), 3e-10L);
            if (i > 0) {
                EXPECT_GT(t - previous, 14.0);
                EXPECT_LT(t - previous, 16.5);
            }
            previous = t;
            std::uint16_t y, m, d;
            DecodeDate(t, y, m, d);
            EXPECT_EQ(y, year);
        }
    }
}

TEST(SolarTermInstant, JanuaryTermsAreOfTheSameYear) {
    for (int year : {1900, 2000, 2100}) {
        const TDateTime minorCold = SolarTermInstant(year, 19);
        const TDateTime majorCold = SolarTermInstant(year, 20);
        ExpectDay(minorCold, year, 1, minorCold < At(year, 1, 6) ? 5 : 6);
        std::uint16_t y, m, d;
        DecodeReformedDate(majorCold, y, m, d);
        EXPECT_EQ(y, year);
        EXPECT_EQ(m, 1);
        EXPECT_TRUE(d == 20 || d == 21) << d;
    }
}

TEST(SolarTermInstant, YearLimits) {
    struct Case {
        int Year;
        std::uint8_t Term;
        bool Valid;
    };
    const Case cases[] = {{1, 0, true},      {1, 18, true},     {1, 19, false},
                          {1, 20, false},    {2, 20, true},     {9999, 18, true},
                          {10000, 0, false}, {10000, 23, true}, {10001, 23, false},
                          {0, 0, false},     {65537, 0, false}, {-1, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "year " << c.Year << " term " << int(c.Term));
        if (c.Valid) {
            EXPECT_NO_THROW(SolarTermInstant(c.Year, c.Term));
            continue;
        }
        try {
            SolarTermInstant(c.Year, c.Term);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to date encode");
        }
    }
}

TEST(SeasonStart, WinterIsTheDecemberSolsticeOfTheYear) {
    EXPECT_EQ(SeasonStart(2001, seSummer), SolarTermInstant(2001, 6));
    EXPECT_EQ(SeasonStart(2001, seAutumn), SolarTermInstant(2001, 12));
    for (int year = 1990; year <= 2010; ++year) {
        std::uint16_t y, m, d;
        DecodeReformedDate(SeasonStart(year, seWinter), y, m, d);
        EXPECT_EQ(y, year);
        EXPECT_EQ(m, 12);
        EXPECT_TRUE(d == 21 || d == 22) << year << ": " << d;
    }
}

TEST(MajorTerms, MonthTable) {
    const std::uint8_t expected[] = {20, 22, 0, 2, 4, 6, 8, 10, 12, 14, 16, 18};
    for (std::uint16_t month = 1; month <= 12; ++month)
        EXPECT_EQ(MajorTermOfMonth(month), expected[month - 1]) << month;
}

TEST(MajorTerms, NextAndPreviousAroundTheYearEnd) {
    const TDateTime solstice2023 = SolarTermInstant(2023, 18);
    // 25 December: next is January's major term, previous the solstice of the same year.
    EXPECT_EQ(NextMajorTerm(At(2023, 12, 25)), SolarTermInstant(2024, 20));
    EXPECT_EQ(PreviousMajorTerm(At(2023, 12, 25)), solstice2023);
    // 5 January: previous is the solstice of the year before, next term 20 of the same year.
    EXPECT_EQ(PreviousMajorTerm(At(2024, 1, 5)), solstice2023);
    EXPECT_EQ(NextMajorTerm(At(2024, 1, 5)), SolarTermInstant(2024, 20));
}

TEST(MajorTerms, AnInstantOnAMajorTerm) {
    const TDateTime equinox = SolarTermInstant(2024, 0);
    EXPECT_EQ(NextMajorTerm(equinox), equinox);
    EXPECT_EQ(PreviousMajorTerm(equinox), SolarTermInstant(2024, 22));
    EXPECT_NEAR(equinox - PreviousMajorTerm(equinox), 30.0, 1.0);
}

}  // namespace
}  // namespace almanix
