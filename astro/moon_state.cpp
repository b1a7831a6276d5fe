// Phase angle, illuminated fraction, distance and apparent diameter of the Moon: Meeus,
// Astronomical Algorithms, 2nd ed., ch. 48 (48.2, 48.3 with the geocentric elongation) and
// ch. 47 (distance), semi-diameter 358473400 / distance arc seconds (ch. 55).
#include "astro/moon_state.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/positions.h"
#include "rtl/exceptions.h"

namespace almanix {

Extended MoonPhaseAngle(TDateTime Instant) {
    TSkyPosition sun, moon;
    SunPosition(Instant, sun);
    MoonPosition(Instant, moon);
    const Extended psi = ArcCosRad(CosDeg(moon.Latitude) * CosDeg(moon.Longitude - sun.Longitude));
    const Extended denominator = moon.Distance - sun.Distance * std::cos(psi);
    if (denominator == 0) throw EZeroDivide();
    const Extended a = std::atan(sun.Distance * std::sin(psi) / denominator);
    Extended i = a / Pi * 180;
    if (a < 0) i += 180;
    if (NormalizeAngle(moon.Longitude - sun.Longitude) > 180) i = -i;
    return i;
}

Extended MoonIllumination(TDateTime Instant) {
    return (1 + CosDeg(MoonPhaseAngle(Instant))) / 2;
}

Extended MoonDistance(TDateTime Instant) {
    TSkyPosition moon;
    MoonPosition(Instant, moon);
    return moon.Distance;
}

Extended MoonDiameter(TDateTime Instant) {
    return 358473400.0L / MoonDistance(Instant) * 2;
}

}  // namespace almanix
