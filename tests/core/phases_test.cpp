// Moon phases, the Moon's age, lunation numbers and blue moons. Reference values: Meeus,
// Astronomical Algorithms, 2nd ed., examples 49.a and 49.b, and the published full moons.
#include "astro/phases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "calendar/reformed.h"
#include "rtl/exceptions.h"

namespace almanix {
namespace {

constexpr double kSecond = 1.0 / 86400;

TDateTime At(std::uint16_t y, std::uint16_t m, std::uint16_t d, int hh = 0, int mm = 0,
             double ss = 0) {
    return EncodeReformedDate(y, m, d) + (hh * 3600 + mm * 60 + ss) / 86400;
}

TEST(MeanPhase, MatchesTheSeriesForNewAndFullMoon) {
    Extended JDE, K, M, MPrime, F, Omega, E;
    MeanPhase(mpNewMoon, At(1977, 2, 10), JDE, K, M, MPrime, F, Omega, E);
    EXPECT_EQ(K, -283.0L);
    EXPECT_NEAR(JDE, 2443192.9410116L, 1e-7);
    EXPECT_NEAR(M, -8234.26254L, 1e-5);
    EXPECT_NEAR(MPrime, -108984.62306L, 1e-5);
    EXPECT_NEAR(F, -110399.04156L, 1e-5);
    EXPECT_NEAR(Omega, 567.31760L, 1e-5);
    EXPECT_NEAR(E, 1.00057529L, 1e-8);

    MeanPhase(mpFullMoon, At(2000, 1, 10), JDE, K, M, MPrime, F, Omega, E);
    EXPECT_EQ(K, 0.5L);
    EXPECT_NEAR(JDE, 2451564.8629444L, 1e-7);
    EXPECT_NEAR(E, 0.99999898L, 1e-8);
}

struct PhaseCase {
    TMoonPhase Phase;
    TDateTime Instant;
    TDateTime Expected;
    double Tolerance;  // half a unit of the last printed digit, plus a little
};

TEST(PhaseInstant, PrincipalPhases) {
    const PhaseCase cases[] = {
        {mpNewMoon, At(2000, 1, 1), At(2000, 1, 6, 18, 14, 45.4), 0.06 * kSecond},
        {mpFullMoon, At(2000, 1, 10), At(2000, 1, 21, 4, 41, 27.4), 0.06 * kSecond},
        {mpNewMoon, At(1977, 2, 10), 28174.1511751, 1e-7},
        {mpNewMoon, At(1977, 2, 28), At(1977, 3, 19, 18, 33, 32.3), 0.06 * kSecond},
        {mpFirstQuarter, At(1977, 2, 10), At(1977, 2, 26, 2, 51, 0), 0.6 * kSecond},
        {mpFullMoon, At(1977, 2, 10), At(1977, 3, 5, 17, 13, 59), 0.6 * kSecond},
        {mpLastQuarter, At(1977, 2, 10), At(1977, 3, 12, 11, 35, 14), 0.6 * kSecond},
    };
    for (const PhaseCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "phase " << int(c.Phase) << " at " << c.Instant);
        EXPECT_NEAR(PhaseInstant(c.Phase, c.Instant), c.Expected, c.Tolerance);
    }
}

TEST(PhaseInstant, EveryInstantOfOneLunationGivesTheSameValue) {
    const TDateTime first = PhaseInstant(mpNewMoon, At(1977, 2, 1));
    for (TDateTime t = At(1977, 2, 1); t < At(1977, 2, 26); t += 0.25)
        EXPECT_EQ(PhaseInstant(mpNewMoon, t), first) << t;
}

TEST(PhaseInstant, RejectsIntermediateAndUnknownOrdinals) {
    for (int ordinal : {1, 3, 5, 7, 8, 255}) {
        try {
            PhaseInstant(static_cast<TMoonPhase>(ordinal), At(2000, 1, 1));
            ADD_FAILURE() << "no exception for ordinal " << ordinal;
        } catch (const E_OutOfAlgorithmRange& e) {
            EXPECT_STREQ(e.what(), "Invalid TMoonPhase");
        }
    }
}

TEST(PhaseScans, AnInstantEqualToAPhaseCounts) {
    const TDateTime x = PhaseInstant(mpNewMoon, At(1977, 2, 10));
    EXPECT_EQ(NextPhaseAfter(mpNewMoon, x), x);
    EXPECT_EQ(LastPhaseBefore(mpNewMoon, x), x);
    const TDateTime later = x + 1e-6 * kSecond;  // one microsecond later
    ASSERT_GT(later, x);
    EXPECT_NEAR(NextPhaseAfter(mpNewMoon, later), At(1977, 3, 19, 18, 33, 32.3), 0.06 * kSecond);
    EXPECT_EQ(LastPhaseBefore(mpNewMoon, later), x);
}

// Over a year of instants, each scan returns the nearest phase on its side: the result lies
// on the requested side within one lunation, and the other scan from the result finds it.
TEST(PhaseScans, FindTheNearestPhaseOnEachSide) {
    for (int ordinal = 0; ordinal < 8; ordinal += 2) {
        const auto phase = static_cast<TMoonPhase>(ordinal);
        for (TDateTime t = At(2023, 1, 1); t < At(2024, 1, 1); t += 0.73) {
            const TDateTime next = NextPhaseAfter(phase, t);
            const TDateTime last = LastPhaseBefore(phase, t);
            ASSERT_GE(next, t);
            ASSERT_LE(last, t);
            ASSERT_LT(next - last, 30.0) << "a lunation skipped at " << t;
            ASSERT_EQ(LastPhaseBefore(phase, next), next);
        }
    }
}

TEST(PhaseScans, OrdinalAboveSevenHasNoInstant) {
    const auto bad = static_cast<TMoonPhase>(8);
    EXPECT_EQ(PhaseInstantNear(bad, At(2000, 1, 1)), 0.0);
    for (auto scan : {&NextPhaseAfter, &LastPhaseBefore}) {
        try {
            scan(bad, At(2000, 1, 1));
            ADD_FAILURE() << "no exception";
        } catch (const E_OutOfAlgorithmRange& e) {
            EXPECT_STREQ(e.what(), "No TDateTime possible");
        }
    }
}

// Instants that are not finite, or so far out that the T^4 term of the mean phase moves it by
// days to millennia (a lunar eclipse "after" year -4.6 million found in year +4.3 million),
// raise instead of returning NaN or a meaningless instant.
TEST(PhaseScans, InstantsOutsideTheSeriesRaise) {
    for (TDateTime bad : {double(NAN), double(INFINITY), -double(INFINITY), 1e12, -1e12,
                          -1677656007.0, 34196956.0, 7400000.0, -7400000.0}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(NextPhaseAfter(mpFullMoon, bad), E_OutOfAlgorithmRange);
        EXPECT_THROW(LastPhaseBefore(mpNewMoon, bad), E_OutOfAlgorithmRange);
        EXPECT_THROW(PhaseInstant(mpLastQuarter, bad), E_OutOfAlgorithmRange);
        EXPECT_THROW(NextPhaseAfter(mpWaxingGibbous, bad), E_OutOfAlgorithmRange);
    }
    EXPECT_THROW(IntermediatePhaseInstant(mpWaxingGibbous, NAN), E_OutOfAlgorithmRange);
    // Just inside the limit (the year 21886) the next full moon still follows within a lunation.
    const TDateTime farOut = 7300000.0;
    EXPECT_GE(NextPhaseAfter(mpFullMoon, farOut), farOut);
    EXPECT_LT(NextPhaseAfter(mpFullMoon, farOut), farOut + 30);
}

TEST(IntermediatePhaseInstant, IteratesOnTheMoonsAge) {
    const TDateTime crescent = IntermediatePhaseInstant(mpWaxingCrescent, At(1977, 2, 20));
    EXPECT_NEAR(crescent, At(1977, 2, 21, 23, 45, 40), 0.6 * kSecond);
    EXPECT_NEAR(MoonAge(crescent), 3.6913L, 1e-4);
    EXPECT_NEAR(IntermediatePhaseInstant(mpWaningCrescent, At(1977, 2, 20)),
                At(1977, 3, 16, 0, 21, 53), 0.6 * kSecond);
    EXPECT_EQ(PhaseInstantNear(mpWaxingCrescent, At(1977, 2, 20)), crescent);
}

TEST(MoonAge, TenthOfJanuary2000) { EXPECT_NEAR(MoonAge(At(2000, 1, 10)), 2.938L, 5e-4); }

TEST(LunationNumber, CountsFromJanuary1923) {
    EXPECT_EQ(LunationNumber(At(2000, 1, 10)), 953);
    EXPECT_EQ(LunationNumber(At(1923, 1, 17)), 0);
    EXPECT_EQ(LunationNumber(At(1923, 1, 20)), 1);
}

TEST(NextBlueMoon, BlueMoonsFrom1999To2020) {
    const std::uint16_t expected[][3] = {
        {1999, 1, 31}, {1999, 3, 31}, {2001, 11, 30}, {2004, 7, 31}, {2007, 6, 30}, {2009, 12, 31},
        {2012, 8, 31}, {2015, 7, 31}, {2018, 1, 31},  {2018, 3, 31}, {2020, 10, 31},
    };
    TDateTime t = At(1999, 1, 1);
    for (const auto& e : expected) {
        t = NextBlueMoon(t);
        std::uint16_t y, m, d;
        DecodeReformedDate(t, y, m, d);
        EXPECT_EQ(y * 10000 + m * 100 + d, e[0] * 10000 + e[1] * 100 + e[2]);
        t += 1;
    }
}

// Months judged 12 hours later: the full moon of 31 March 2018 (12:37) moves to 1 April, so
// the one of 30 April becomes the second of its month; the instant comes back unshifted.
TEST(NextBlueMoon, OffsetShiftsTheMonthBoundaries) {
    EXPECT_NEAR(NextBlueMoon(At(2018, 2, 1)), At(2018, 3, 31, 12, 37), 0.01);
    EXPECT_NEAR(NextBlueMoonWithOffset(At(2018, 2, 1), -0.5), At(2018, 4, 30, 0, 58), 0.01);
}

}  // namespace
}  // namespace almanix
