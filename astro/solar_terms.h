// The 24 solar terms (the Sun's apparent longitude a multiple of 15 degrees), the starts of
// the seasons and the major terms next to an instant. Instants are TDateTime used directly
// as dynamical time (no delta-T, no time zone); callers in a local time shift them.
#pragma once

#include <cstdint>

#include "rtl/types.h"

namespace almanix {

// Seasons in this order; each starts at the solar term given by SeasonTermIndex.
enum TSeason : std::uint8_t { seWinter = 0, seSpring = 1, seSummer = 2, seAutumn = 3 };

// Term index of the start of Season: 18, 0, 6, 12 for winter, spring, summer, autumn.
std::uint8_t SeasonTermIndex(TSeason Season);

// Instant of term TermIndex (0 to 23; longitude 15 x TermIndex degrees) in calendar year
// Year: indices 0 to 18 fall from March to December, 19 to 23 from January to March.
// Refines a start guess with the full Sun position to 3e-10 degrees.
// Raises EConvertError "Invalid argument to date encode" when the year of the start guess
// (Year, or Year - 1 for indices 19 to 23) lies outside 1 to 9999, and E_OutOfAlgorithmRange
// when the refinement does not converge within 100 steps.
TDateTime SolarTermInstant(int Year, std::uint8_t TermIndex);

// Equinox or solstice that starts Season in Year; seWinter is the December solstice of Year.
TDateTime SeasonStart(int Year, TSeason Season);

// Index (2 x Month + 18) mod 24 of the major term that falls in Month (1 to 12).
std::uint8_t MajorTermOfMonth(std::uint16_t Month);

// First major term (longitude a multiple of 30 degrees) at or after x.
TDateTime NextMajorTerm(TDateTime x);

// Last major term strictly before x.
TDateTime PreviousMajorTerm(TDateTime x);

}  // namespace almanix
