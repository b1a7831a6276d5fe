// Formatting of floating values: by digit pattern (FormatFloat) and in general format
// (FloatToStr), with the decimal separator of the settings.
#pragma once

#include <string>

#include "rtl/format_settings.h"
#include "rtl/types.h"

namespace almanix {

// Formats Value by a digit pattern of '0' and '#' placeholders with at most one '.':
//   '0' always writes a digit (a zero where the value has none), and every integer position
//       below the leftmost '0' is written too ("0#" writes 5 as 05);
//   '#' writes a digit only where the value has one (no leading integer zeros, no trailing
//       fraction zeros), so "#.##" writes 0.5 as ".5" and 0 as "";
//   integer digits beyond the placeholders are all written; the decimal separator appears only
//       when a fraction digit follows it.
// The value is first taken to 18 significant digits, then rounded half away from zero to as
// many decimals as the pattern has placeholders after the '.'. A minus sign precedes a negative
// value unless it rounds to zero. An empty pattern, and values of 1e18 and beyond, are written
// as FloatToStr writes them.
// Raises EConvertError "Unsupported number format '<pattern>'" for other pattern characters,
// and EInvalidOp for NaN or infinity.
std::string FormatFloat(const std::string& Pattern, Extended Value);
std::string FormatFloat(const std::string& Pattern, Extended Value, const TFormatSettings& Settings);

// General format with 15 significant digits: rounded half away from zero (after 18 digits),
// trailing zeros and a bare decimal separator removed; fixed notation for 0.0001 <= |Value|
// < 1e15, otherwise scientific as in 1E20 or -1.5E-7. 2452275.5 + 10/24 gives 2452275.91666667.
// Raises EInvalidOp for NaN or infinity.
std::string FloatToStr(Extended Value);
std::string FloatToStr(Extended Value, const TFormatSettings& Settings);

}  // namespace almanix
