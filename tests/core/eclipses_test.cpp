// Eclipses of the syzygies. Reference instants: the published eclipses of 1973 to 2023 on
// the dynamical-time scale of the lunar theory, to the nearest minute.
#include "astro/eclipses.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "astro/phases.h"
#include "calendar/reformed.h"

namespace almanix {
namespace {

constexpr double kMinute = 1.0 / 1440;

TDateTime At(std::uint16_t y, std::uint16_t m, std::uint16_t d, int hh = 0, int mm = 0) {
    return EncodeReformedDate(y, m, d) + (hh * 60 + mm) * kMinute;
}

struct EclipseCase {
    bool Solar;
    TDateTime From;
    TDateTime Expected;
    TEclipseKind Kind;
};

TEST(NextSyzygyEclipse, KindsOfKnownEclipses) {
    const EclipseCase cases[] = {
        {false, At(2000, 1, 20), At(2000, 1, 21, 4, 45), ekTotal},
        {false, At(2000, 1, 1), At(2000, 1, 21, 4, 45), ekTotal},
        {false, At(2008, 8, 10), At(2008, 8, 16, 21, 12), ekTotal},  // partial umbral
        {false, At(2023, 5, 1), At(2023, 5, 5, 17, 24), ekHalfShadow},
        {false, At(1973, 6, 1), At(1973, 6, 15, 20, 51), ekHalfShadow},
        {true, At(1999, 8, 1), At(1999, 8, 11, 11, 4), ekTotal},
        {true, At(2005, 10, 1), At(2005, 10, 3, 10, 33), ekCircular},
        {true, At(2013, 11, 1), At(2013, 11, 3, 12, 48), ekCircularTotal},
        {true, At(1993, 5, 1), At(1993, 5, 21, 14, 21), ekPartial},
        {true, At(2014, 4, 20), At(2014, 4, 29, 6, 5), ekNonCentral},
    };
    for (const EclipseCase& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.Solar ? "solar" : "lunar") << " from " << c.From);
        TDateTime instant = c.From;
        EXPECT_EQ(NextSyzygyEclipse(instant, c.Solar), c.Kind);
        EXPECT_NEAR(instant, c.Expected, kMinute);
    }
}

// The full moon of 19 February 2000 is far from a node: no correction is applied, the
// instant is the mean phase.
TEST(SyzygyEclipse, FarFromANodeGivesTheMeanPhase) {
    Extended JDE, K, M, MPrime, F, Omega, E;
    MeanPhase(mpFullMoon, At(2000, 2, 10), JDE, K, M, MPrime, F, Omega, E);
    TDateTime instant = At(2000, 2, 10);
    EXPECT_EQ(SyzygyEclipse(instant, false), ekNone);
    EXPECT_EQ(instant, JulianDayToDate(JDE));
    EXPECT_NE(instant, PhaseInstant(mpFullMoon, At(2000, 2, 10)));
}

TEST(NextSyzygyEclipse, AnInstantOnTheSyzygyCounts) {
    TDateTime syzygy = At(2000, 1, 20);
    NextSyzygyEclipse(syzygy, false);
    TDateTime again = syzygy;
    NextSyzygyEclipse(again, false);
    EXPECT_EQ(again, syzygy);
    TDateTime after = syzygy + kMinute;
    NextSyzygyEclipse(after, false);
    EXPECT_NEAR(after - syzygy, 29.5, 1.0);
}

TEST(EclipseKindText, DisplayTexts) {
    const char* const expected[] = {" (None)",     " (Partial)",         " (Non Central)",
                                    " (Circular)", " (Circular Total)", " (Total)",
                                    " (Half Shadow)"};
    for (int k = ekNone; k <= ekHalfShadow; ++k)
        EXPECT_STREQ(EclipseKindText(static_cast<TEclipseKind>(k)), expected[k]);
}

}  // namespace
}  // namespace almanix
