// Phase angle, illumination, distance and diameter of the Moon. Reference values: Meeus,
// Astronomical Algorithms, 2nd ed., example 48.a (12 April 1992), and the instants of the
// phases around January 2000 on the same dynamical-time scale.
#include "astro/moon_state.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "astro/phases.h"
#include "calendar/reformed.h"

namespace almanix {
namespace {

TDateTime At(std::uint16_t y, std::uint16_t m, std::uint16_t d, int hh = 0, int mm = 0) {
    return EncodeReformedDate(y, m, d) + (hh * 60 + mm) / 1440.0;
}

struct StateCase {
    TDateTime Instant;
    Extended PhaseAngle, AngleTolerance;
    Extended Illumination, IlluminationTolerance;
    Extended Age;  // days; < 0 when not checked
};

TEST(MoonState, PhaseAngleIlluminationAndAge) {
    const StateCase cases[] = {
        {33706.0, 69.0756L, 5e-5L, 0.67857L, 5e-6L, -1},
        {At(2000, 1, 10), 144.046L, 5e-4L, 0.09525L, 5e-6L, 2.938L},
        {At(2000, 1, 25), -50.565L, 5e-4L, 0.81760L, 5e-6L, 18.912L},
        {At(2000, 1, 6, 18, 14), -178.37L, 5e-3L, 0.0002L, 5e-5L, 29.5303L},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.Instant);
        EXPECT_NEAR(MoonPhaseAngle(c.Instant), c.PhaseAngle, c.AngleTolerance);
        EXPECT_NEAR(MoonIllumination(c.Instant), c.Illumination, c.IlluminationTolerance);
        if (c.Age >= 0) {
            EXPECT_NEAR(MoonAge(c.Instant), c.Age, 5e-4L);
        }
    }
}

TEST(MoonState, DistanceAndDiameter) {
    EXPECT_NEAR(MoonDistance(33706.0), 368409.68L, 5e-3L);
    EXPECT_NEAR(MoonDiameter(33706.0), 1946.06L, 5e-3L);
}

// The sign of the phase angle follows the elongation: waxing before full moon, waning after.
TEST(MoonState, PhaseAngleChangesSignAtFullMoon) {
    const TDateTime full = PhaseInstant(mpFullMoon, At(2000, 1, 10));
    const Extended before = MoonPhaseAngle(full - 0.1);
    const Extended after = MoonPhaseAngle(full + 0.1);
    EXPECT_GT(before, 0);
    EXPECT_LT(before, 5);
    EXPECT_LT(after, 0);
    EXPECT_GT(after, -5);
}

}  // namespace
}  // namespace almanix
