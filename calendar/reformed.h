// Date values, Julian days and the reformed calendar: the Julian calendar up to Thursday
// 4 October 1582 and the Gregorian calendar from Friday 15 October 1582, with the ten days
// between them missing. Every other calendar and astronomy routine converts civil dates and
// Julian days through this header.
//
// Scales: a TDateTime counts days from 30 December 1899, 00:00 and is treated as a
// continuous count (the civil day of v is floor(v), also below zero). A Julian day counts
// days from 1 January 4713 BC (Julian calendar), 12:00; Julian day = TDateTime + 2415018.5.
// Years are astronomical (year 0 is 1 BC). Years, months and days travel as unsigned 16-bit
// values: a caller holding a wider integer passes its low 16 bits, decoders store modulo 65536.
//
// Encoding: Meeus, Astronomical Algorithms, 2nd ed., ch. 7 (Julian day).
#pragma once

#include <cstdint>

#include "rtl/exceptions.h"
#include "rtl/types.h"

namespace almanix {

// Julian day of 15 October 1582, 00:00: the first day of the Gregorian calendar. A day whose
// Julian day is below it is a Julian-calendar day.
inline constexpr Extended CalendarReformJD = 2299160.5L;

namespace detail {

// Day count of the platform's proleptic Gregorian calendar for the start-up values below:
// days from 30 December 1899 to 00:00 of Year-Month-Day (Year 1..9999, a valid date).
// rtl's EncodeDate gives the same values; this copy exists so that the start-up values can be
// constant-initialised, i.e. set before any dynamic initialiser of any translation unit runs.
constexpr std::int64_t ProlepticDayCount(int Year, int Month, int Day) {
    const int y = Month <= 2 ? Year - 1 : Year;        // year beginning in March
    const int m = Month <= 2 ? Month + 9 : Month - 3;  // [0, 11], 0 = March
    const std::int64_t days = 365LL * y + y / 4 - y / 100 + y / 400 + (153 * m + 2) / 5 + Day;
    return days - 693900;  // the same count for 30 December 1899
}

inline void RaiseInvalidYear() { throw EConvertError("Invalid year"); }
inline void RaiseInvalidMonth() { throw EConvertError("Invalid month"); }
inline void RaiseInvalidDay() { throw EConvertError("Invalid day"); }

constexpr bool IsJulianLeapYear(std::uint16_t Year) { return Year % 4 == 0; }
constexpr bool IsGregorianLeapYear(std::uint16_t Year) {
    return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

constexpr std::uint16_t MonthLength(std::uint16_t Month, bool Leap) {
    constexpr std::uint16_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return Month == 2 && Leap ? 29 : lengths[Month - 1];
}

// Checks in the order year, month, day; the leap rule is that of the calendar encoded.
constexpr void CheckDate(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day, bool Leap) {
    if (Year == 0 || Year > 9999) RaiseInvalidYear();
    if (Month == 0 || Month > 12) RaiseInvalidMonth();
    if (Day == 0 || Day > MonthLength(Month, Leap)) RaiseInvalidDay();
}

// Meeus 7.1 for a checked date; B is 0 for the Julian calendar. truncate(365.25 (Y + 4716))
// and truncate(30.6001 (M + 1)) are taken in integers: both products are positive, and the
// second is never whole for M + 1 in [4, 15], so the integers equal the extended results.
constexpr Extended EncodeCheckedDay(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day,
                                    bool Gregorian) {
    const std::int64_t y = Month <= 2 ? Year - 1 : Year;     // [0, 9999]
    const std::int64_t m = Month <= 2 ? Month + 12 : Month;  // [3, 14]
    const std::int64_t b = Gregorian ? 2 - y / 100 + (y / 100) / 4 : 0;
    const std::int64_t years = 1461 * (y + 4716) / 4;
    const std::int64_t months = 306001 * (m + 1) / 10000;
    return static_cast<Extended>(years + months + Day + b) - 1524.5L;
}

}  // namespace detail

// Julian day of 00:00 of Year-Month-Day in the Julian calendar (Year 1..9999).
// Raises EConvertError "Invalid year", "Invalid month", "Invalid day" (Julian leap rule).
constexpr Extended EncodeJulianCalendarDay(std::uint16_t Year, std::uint16_t Month,
                                           std::uint16_t Day) {
    detail::CheckDate(Year, Month, Day, detail::IsJulianLeapYear(Year));
    return detail::EncodeCheckedDay(Year, Month, Day, false);
}

// Julian day of 00:00 of Year-Month-Day in the Gregorian calendar (Year 1..9999).
// Raises EConvertError "Invalid year", "Invalid month", "Invalid day" (Gregorian leap rule).
constexpr Extended EncodeGregorianCalendarDay(std::uint16_t Year, std::uint16_t Month,
                                              std::uint16_t Day) {
    detail::CheckDate(Year, Month, Day, detail::IsGregorianLeapYear(Year));
    return detail::EncodeCheckedDay(Year, Month, Day, true);
}

// Julian day of 00:00 of Year-Month-Day in the reformed calendar: the Julian calendar for
// days before SwitchJD, the Gregorian from it on. The Julian-calendar checks run first, then
// the Gregorian ones; a date in the gap (5 to 14 October 1582 with the default switch) raises
// EConvertError "Date invalid due to calendar change".
constexpr Extended EncodeReformedJulianDay(std::uint16_t Year, std::uint16_t Month,
                                           std::uint16_t Day,
                                           Extended SwitchJD = CalendarReformJD) {
    const Extended julian = EncodeJulianCalendarDay(Year, Month, Day);
    if (julian < SwitchJD) return julian;
    const Extended gregorian = EncodeGregorianCalendarDay(Year, Month, Day);
    if (gregorian < SwitchJD) throw EConvertError("Date invalid due to calendar change");
    return gregorian;
}

// Start-up values. They are constant-initialised, in this order: JulianDayOffset first,
// since EncodeReformedDate depends on it. No dynamic initialiser can observe them unset.

// Julian day of TDateTime 0: 2451544.5 - EncodeDate(2000, 1, 1) = 2415018.5.
inline constexpr Extended JulianDayOffset =
    2451544.5L - static_cast<Extended>(detail::ProlepticDayCount(2000, 1, 1));

// Julian day of a TDateTime, summed in extended precision; no checks.
constexpr Extended DateToJulianDay(TDateTime Date) {
    return static_cast<Extended>(Date) + JulianDayOffset;
}

// TDateTime of a Julian day, computed in extended precision and rounded to double.
constexpr TDateTime JulianDayToDate(Extended JD) {
    return static_cast<TDateTime>(JD - JulianDayOffset);
}

// TDateTime of 00:00 of Year-Month-Day in the reformed calendar (a whole number).
// Raises the EConvertError of EncodeReformedJulianDay.
constexpr TDateTime EncodeReformedDate(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day) {
    return JulianDayToDate(EncodeReformedJulianDay(Year, Month, Day, CalendarReformJD));
}

// 1 January 2000, 00:00 of the reformed calendar: 36526.
inline constexpr Extended ReferenceDate2000 = EncodeReformedDate(2000, 1, 1);

// 17 January 1923, 00:00 of the platform's proleptic Gregorian calendar: 8418.
inline constexpr Extended ReferenceDate1923 =
    static_cast<Extended>(detail::ProlepticDayCount(1923, 1, 17));

// True if Year has a 29 February in the reformed calendar: the Julian rule up to 1582
// (so 1500 is a leap year and 1582 is not), the Gregorian rule after it.
constexpr bool IsReformedLeapYear(std::uint16_t Year) {
    return Year <= 1582 ? detail::IsJulianLeapYear(Year) : detail::IsGregorianLeapYear(Year);
}

// Year, Month, Day of the Julian-calendar day that contains the Julian day JD (the time of
// day is dropped). Raises EConvertError "Negative julian dates not supported" for JD < 0.
// No upper limit: the year is stored modulo 65536 (year -4712 reads 60824).
void DecodeJulianCalendarDay(Extended JD, std::uint16_t& Year, std::uint16_t& Month,
                             std::uint16_t& Day);

// As DecodeJulianCalendarDay, in the Gregorian calendar.
void DecodeGregorianCalendarDay(Extended JD, std::uint16_t& Year, std::uint16_t& Month,
                                std::uint16_t& Day);

// The reformed-calendar day that contains JD: Julian calendar below SwitchJD, Gregorian
// from it on. Raises EConvertError "Negative julian dates not supported" for JD < 0.
void DecodeReformedJulianDay(Extended JD, std::uint16_t& Year, std::uint16_t& Month,
                             std::uint16_t& Day, Extended SwitchJD = CalendarReformJD);

// Year, Month, Day of the reformed-calendar day that contains the instant Date (its floor);
// a time of day never moves the result. Raises EConvertError "Negative julian dates not
// supported" for Date < -2415018.5.
void DecodeReformedDate(TDateTime Date, std::uint16_t& Year, std::uint16_t& Month,
                        std::uint16_t& Day);

}  // namespace almanix
