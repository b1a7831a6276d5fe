// Calendar dates and clock times as TDateTime values, in the proleptic Gregorian calendar
// that the run-time library uses for every year (no Julian dates before 1582 here), and the
// local clock behind Now, Date and Time.
#pragma once

#include <cstdint>
#include <functional>

#include "rtl/types.h"

namespace almanix {

// Year, month and day (proleptic Gregorian, year 1 to 9999) to the TDateTime of that day at
// 00:00: 1 January 2000 gives 36526, 30 December 1899 gives 0, 1 January 0001 gives -693593.
// Raises EConvertError "Invalid argument to date encode" for a year outside 1..9999, a month
// outside 1..12 or a day outside the month.
TDateTime EncodeDate(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day);

// As EncodeDate, but reports an invalid date by returning false (Value is then unchanged).
bool TryEncodeDate(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day, TDateTime& Value);

// Calendar day of Value: the day is floor(Value) after rounding to the nearest millisecond,
// so negative values count backwards continuously (-0.25 is 29 December 1899, 18:00).
// Raises EConvertError "Invalid argument to date decode" when the day lies outside
// 1 January 0001 .. 31 December 9999, or Value is NaN or infinite.
void DecodeDate(TDateTime Value, std::uint16_t& Year, std::uint16_t& Month, std::uint16_t& Day);

// Hours 0..23, minutes 0..59, seconds 0..59, milliseconds 0..999 to the fraction of a day.
// Raises EConvertError "Invalid argument to time encode" for anything out of range.
TDateTime EncodeTime(std::uint16_t Hour, std::uint16_t Min, std::uint16_t Sec, std::uint16_t MSec);

// As EncodeTime, but reports an invalid time by returning false (Value is then unchanged).
bool TryEncodeTime(std::uint16_t Hour, std::uint16_t Min, std::uint16_t Sec, std::uint16_t MSec,
                   TDateTime& Value);

// Time of day of Value, rounded to the nearest millisecond (the same rounding as DecodeDate,
// so 23:59:59.9996 is 00:00:00.000 of the next day). Same range and exception as DecodeDate.
void DecodeTime(TDateTime Value, std::uint16_t& Hour, std::uint16_t& Min, std::uint16_t& Sec,
                std::uint16_t& MSec);

// Proleptic Gregorian leap year rule (divisible by 4, except centuries not divisible by 400).
bool IsLeapYear(std::uint16_t Year);

// Days in Month (1..12) of Year; 0 for a month outside 1..12.
std::uint16_t DaysInAMonth(std::uint16_t Year, std::uint16_t Month);

// The source of the current local date and time. The default reads the system clock in the
// local time zone with millisecond resolution. Tests install a fixed clock; passing an empty
// function restores the system clock. Returns the clock that was installed before.
using LocalClock = std::function<TDateTime()>;
LocalClock SetLocalClock(LocalClock clock);

// Current local date and time, as the installed clock gives it.
TDateTime Now();

// Today at 00:00 (the day part of Now()).
TDateTime Date();

// Current time of day, 0 <= Time() < 1 (the fraction of Now()).
TDateTime Time();

// Proleptic Gregorian year of Now().
std::uint16_t CurrentYear();

}  // namespace almanix
