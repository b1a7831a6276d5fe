// The texts of the Moon and seasons window, computed without a window: the instant the window
// reads from the converter's day and its own time field, and each field as the window shows it.
//
// Every instant is a local date and time used directly as dynamical time by the astronomical
// routines (no time zone, no delta-T). Settings are the user's locale (short month names,
// decimal and time separators); each function derives the patterns it needs from them itself.
// Errors of the astronomical and formatting routines pass to the caller.
#pragma once

#include <string>

#include "astro/solar_terms.h"
#include "rtl/format_settings.h"
#include "rtl/types.h"

namespace almanix {

// The text the window parses: Month "/" Day "/" Year " " Time, the numbers in decimal without
// leading zeros and Time as the time field shows it ("1/21/2000 04:45", "2/30/2001   :  ").
std::string LunarDateTimeText(int Month, int Day, int Year, const std::string& Time);

// Parses a LunarDateTimeText month first, with '/' between the date parts and the time
// separator of Settings between hours and minutes (proleptic Gregorian, hours 0..23, minutes
// 0..59). Returns false for an impossible day or time or an empty time field.
bool TryLunarInstant(const std::string& Text, TDateTime& Instant, const TFormatSettings& Settings);

// 100 x MoonIllumination by "##0.0", then "%": "50.0%".
std::string PhaseText(TDateTime Instant, const TFormatSettings& Settings);
// MoonAge in days by "#0.##": "2.94".
std::string AgeText(TDateTime Instant, const TFormatSettings& Settings);
// LunationNumber in decimal: "953".
std::string LunationText(TDateTime Instant);
// MoonDiameter in arc seconds by "#########.#####".
std::string DiameterText(TDateTime Instant, const TFormatSettings& Settings);
// MoonDistance in kilometres by "#########.###".
std::string DistanceText(TDateTime Instant, const TFormatSettings& Settings);
// The first full moon at or after Instant ("mmm d yyyy", then "hh:mm:ss" unless at midnight)
// and its eclipse kind: "Jan 21 2000 04:45:02 (Total)".
std::string EclipseText(TDateTime Instant, const TFormatSettings& Settings);
// NextBlueMoon of Instant ("mmm d yyyy", then "hh:mm" unless at midnight).
std::string BlueMoonText(TDateTime Instant, const TFormatSettings& Settings);
// SeasonStart(Year, Season) ("mmm d yyyy", then "h:m" unless at midnight): "Mar 20 2000 7:35".
// Raises EConvertError outside the years 1 to 9999.
std::string SeasonText(int Year, TSeason Season, const TFormatSettings& Settings);

}  // namespace almanix
