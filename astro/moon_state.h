// The Moon as seen from the Earth's centre: phase angle, illuminated fraction, distance and
// apparent diameter (Meeus, Astronomical Algorithms, 2nd ed., ch. 48). The Moon's age is in
// phases.h. Instants are TDateTime used directly as dynamical time; each call evaluates the
// Sun and Moon positions afresh.
#pragma once

#include "rtl/types.h"

namespace almanix {

// Phase angle in degrees, (-180, 180): near 180 at new moon, near 0 at full moon; positive
// while the Moon waxes, negative while it wanes.
Extended MoonPhaseAngle(TDateTime Instant);

// Illuminated fraction of the disc, 0 to 1.
Extended MoonIllumination(TDateTime Instant);

// Distance between the centres of the Earth and the Moon, kilometres.
Extended MoonDistance(TDateTime Instant);

// Apparent geocentric diameter, arc seconds.
Extended MoonDiameter(TDateTime Instant);

}  // namespace almanix
