// Easter Sunday of a year of the reformed calendar: the Julian computus up to 1582 and
// Gauss's Easter algorithm with its table of century constants for 1583 to 2399.
// Palm Sunday is EasterSunday(Year) - 7 and Whitsun EasterSunday(Year) + 49.
#pragma once

#include <cstdint>

#include "rtl/types.h"

namespace almanix {

// 00:00 of Easter Sunday of Year (a whole-day TDateTime, reformed calendar):
// GregorianEaster for Year >= 1583, JulianEaster otherwise.
// Raises E_OutOfAlgorithmRange "Out of range of the algorithm" from 2400 on and EConvertError
// "Invalid year" for years up to 0.
TDateTime EasterSunday(std::int32_t Year);

// Easter Sunday of Year by Gauss's algorithm (Gregorian calendar), Year 1583 to 2399;
// other years raise E_OutOfAlgorithmRange "Out of range of the algorithm".
TDateTime GregorianEaster(std::int32_t Year);

// Easter Sunday of Year by the Julian computus (Julian calendar), meant for Year 1 to 1582;
// years outside 1..9999 raise EConvertError "Invalid year" (their low 16 bits are not used).
TDateTime JulianEaster(std::int32_t Year);

}  // namespace almanix
