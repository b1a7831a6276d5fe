// Instants of the Moon's phases, the Moon's age and the lunation count.
//
// All instants are TDateTime values used directly as dynamical time (no delta-T, no time
// zone). The principal phases come from the mean-phase series with periodic and planetary
// corrections (Meeus, Astronomical Algorithms, 2nd ed., ch. 49); the intermediate phases from
// an iteration on the Moon's age over the full Sun and Moon positions.
#pragma once

#include <cstdint>

#include "rtl/types.h"

namespace almanix {

// Phase p falls p/8 of a lunation after new moon; the even ordinals are the principal phases.
enum TMoonPhase : std::uint8_t {
    mpNewMoon = 0,
    mpWaxingCrescent = 1,
    mpFirstQuarter = 2,
    mpWaxingGibbous = 3,
    mpFullMoon = 4,
    mpWaningGibbous = 5,
    mpLastQuarter = 6,
    mpWaningCrescent = 7,
};

// Mean principal phase of the lunation whose index is nearest to the mean synodic months
// (36525 / 1236.85 days) elapsed since ReferenceDate2000. Returns the Julian Ephemeris Day
// of the mean phase, the lunation index K (integer + Phase/8), the mean anomalies M (Sun) and
// MPrime (Moon), the argument of latitude F and the node Omega (degrees, not reduced) and the
// eccentricity factor E. Every result depends on K only.
// Raises E_OutOfAlgorithmRange when Instant is not finite or lies more than 200 centuries
// from 2000 (the years -18000 to 22000), where the series stops giving the phases next to it.
void MeanPhase(TMoonPhase Phase, TDateTime Instant, Extended& JDE, Extended& K, Extended& M,
               Extended& MPrime, Extended& F, Extended& Omega, Extended& E);

// Instant of the principal Phase (0, 2, 4, 6) in the lunation MeanPhase selects for Instant.
// Raises E_OutOfAlgorithmRange "Invalid TMoonPhase" for any other ordinal.
TDateTime PhaseInstant(TMoonPhase Phase, TDateTime Instant);

// Instant near Instant at which MoonAge equals Phase x 29.530589 / 8 days (any ordinal; meant
// for the intermediate phases 1, 3, 5, 7). Iterates to 1e-7 day; raises E_OutOfAlgorithmRange
// when it does not converge within 100 steps or leaves the range of MeanPhase.
TDateTime IntermediatePhaseInstant(TMoonPhase Phase, TDateTime Instant);

// PhaseInstant for ordinals 0, 2, 4, 6, IntermediatePhaseInstant for 1, 3, 5, 7, and 0 for an
// ordinal above 7.
TDateTime PhaseInstantNear(TMoonPhase Phase, TDateTime Instant);

// First instant of Phase at or after Instant / last instant at or before Instant (an instant
// equal to Instant counts). Scan in steps of 28 days. Raise E_OutOfAlgorithmRange
// "No TDateTime possible" for an ordinal above 7.
TDateTime NextPhaseAfter(TMoonPhase Phase, TDateTime Instant);
TDateTime LastPhaseBefore(TMoonPhase Phase, TDateTime Instant);

// Age of the Moon in days, [0, 29.530589): its elongation from the Sun in apparent
// longitude, as a fraction of the synodic month.
Extended MoonAge(TDateTime Instant);

// First full moon at or after Instant that is the second full moon of its calendar month
// (reformed calendar), months judged on the instants shifted by -Offset days; returns the
// unshifted full-moon instant. Passes on EConvertError from DecodeReformedDate.
TDateTime NextBlueMoonWithOffset(TDateTime Instant, Extended Offset);
TDateTime NextBlueMoon(TDateTime Instant);

// Number of the lunation containing Instant; lunation 1 begins with the new moon of
// 17 January 1923.
std::int32_t LunationNumber(TDateTime Instant);

}  // namespace almanix
