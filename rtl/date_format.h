// Parsing of date and date-time texts and formatting of TDateTime values by pattern.
//
// Pattern letters (case-insensitive):
//   d, dd        day without / with a leading zero      ddddd  the short date format
//   m, mm        month without / with a leading zero    mmm    short month name
//                (minutes instead when the letter token before was an h)
//   y, yy        two-digit year                         yyy, yyyy  four-digit year
//   h, hh        hour 0..23 (1..12 when an am/pm marker follows, or came before)
//   n, nn        minute                                 s, ss  second
//   tt           the long time format                   c      short date format, then a blank
//                                                              and the long time format unless
//                                                              the time is exactly 00:00:00
//   ampm         TimeAMString / TimePMString             am/pm, a/p  the letters as written
//   /            the date separator                     :      the time separator
//   '...' "..."  literal text; any other character is copied as it is.
// Patterns needing names the settings do not hold (ddd, dddd, dddddd, mmmm, t alone, z, g, e)
// raise EConvertError "Unsupported date format '<pattern>'".
#pragma once

#include <string>

#include "rtl/format_settings.h"
#include "rtl/types.h"

namespace almanix {

// Formats Value by Pattern. Value is a continuous day count: the day is floor(Value) after
// rounding to the millisecond; minutes and seconds are truncated, not rounded.
// Raises EConvertError "Invalid argument to date decode" outside the years 1..9999.
std::string FormatDateTime(const std::string& Pattern, TDateTime Value);
std::string FormatDateTime(const std::string& Pattern, TDateTime Value, const TFormatSettings& Settings);

// The day of Value by the short date format (pattern "ddddd").
std::string DateToStr(TDateTime Value);
std::string DateToStr(TDateTime Value, const TFormatSettings& Settings);

// The time of day of Value by the long time format (pattern "tt").
std::string TimeToStr(TDateTime Value);
std::string TimeToStr(TDateTime Value, const TFormatSettings& Settings);

// Date and time of Value (pattern "c"): the time is left out at exactly 00:00:00.
std::string DateTimeToStr(TDateTime Value);
std::string DateTimeToStr(TDateTime Value, const TFormatSettings& Settings);

// Parses a date: two or three unsigned numbers separated by the date separator (blanks allowed
// around them), read in the order of the short date format; with two numbers the year is the
// current one. A year of one or two digits goes into the century window of the settings. The
// result is the day at 00:00 in the proleptic Gregorian calendar, year 1..9999.
// Raises EConvertError "'<S>' is not a valid date" for anything else, trailing text included.
TDateTime StrToDate(const std::string& S);
TDateTime StrToDate(const std::string& S, const TFormatSettings& Settings);
bool TryStrToDate(const std::string& S, TDateTime& Value);
bool TryStrToDate(const std::string& S, TDateTime& Value, const TFormatSettings& Settings);

// Parses a date as StrToDate, optionally followed by a time: hours, then optionally minutes and
// seconds, separated by the time separator (hours 0..23, minutes and seconds 0..59). A text that
// is no date is tried as a time alone (a day-0 value). The result is date + time.
// Raises EConvertError "'<S>' is not a valid date and time" otherwise.
TDateTime StrToDateTime(const std::string& S);
TDateTime StrToDateTime(const std::string& S, const TFormatSettings& Settings);
bool TryStrToDateTime(const std::string& S, TDateTime& Value);
bool TryStrToDateTime(const std::string& S, TDateTime& Value, const TFormatSettings& Settings);

}  // namespace almanix
