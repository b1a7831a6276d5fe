// Eclipse of a syzygy: whether the new moon (solar eclipse) or the full moon (lunar eclipse)
// of a lunation brings an eclipse, and of which kind (Meeus, Astronomical Algorithms, 2nd ed.,
// ch. 54). Instants are TDateTime on the scale of the lunar theory (dynamical time).
#pragma once

#include <cstdint>

#include "rtl/types.h"

namespace almanix {

// Kinds of eclipse; ekTotal stands for any umbral eclipse of the Moon.
enum TEclipseKind : std::uint8_t {
    ekNone = 0,
    ekPartial = 1,       // solar only
    ekNonCentral = 2,    // solar only: non-central total or annular
    ekCircular = 3,      // solar only: annular
    ekCircularTotal = 4, // solar only: annular-total (hybrid)
    ekTotal = 5,
    ekHalfShadow = 6,    // lunar only: penumbral
};

// Display text appended to an instant: " (None)", " (Partial)", ... " (Half Shadow)".
const char* EclipseKindText(TEclipseKind Kind);

// Examines the new moon (Solar) or full moon of the lunation MeanPhase selects for Instant,
// replaces Instant by that syzygy's instant and returns its eclipse kind. With no eclipse
// possible (|sin F| > 0.36) the instant is the uncorrected mean phase.
TEclipseKind SyzygyEclipse(TDateTime& Instant, bool Solar);

// First new moon (Solar) or full moon at or after Instant, as SyzygyEclipse gives it: replaces
// Instant by its instant and returns its eclipse kind.
TEclipseKind NextSyzygyEclipse(TDateTime& Instant, bool Solar);

}  // namespace almanix
