// Basic value types shared by every layer.
#pragma once

namespace almanix {

// Days since 30 December 1899, 00:00; the fraction is the time of day.
using TDateTime = double;

// 80-bit extended precision on x86 (64-bit mantissa); plain double elsewhere.
using Extended = long double;

}  // namespace almanix
