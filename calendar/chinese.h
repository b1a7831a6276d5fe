// The Chinese lunisolar calendar, computed from astronomical new moons and major solar terms
// in China time (no tables): months begin on the civil day of a new moon, the month that holds
// the winter solstice is month 11, and in a solstice year of thirteen months the first month
// without a major term is the leap month. Years run in sixty-year cycles.
// Reference: Reingold & Dershowitz, Calendrical Calculations, ch. "The Chinese Calendar";
// H. Aslaksen, The Mathematics of the Chinese Calendar.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "rtl/types.h"

namespace almanix {

// A date of the Chinese calendar. DateToChinese fills every field; ChineseToDate reads only
// Cycle, YearOfCycle, Month, LeapMonth and Day.
struct TChineseDate {
    std::int32_t Cycle = 0;        // sixty-year cycle, from 1 (year 1 of cycle 1 began in 2637 BC)
    std::int32_t YearOfCycle = 0;  // 1..60; year 1 of every cycle is a Jia-Rat year
    std::int32_t YearCount = 0;    // civil year in which the Chinese year begins, plus 2637
    std::int32_t Month = 0;        // 1..12
    bool LeapMonth = false;        // the month is a leap month (repeats the number before it)
    bool LeapYear = false;         // the solstice year holding the date has thirteen months
    std::int32_t Day = 0;          // 1..30
    std::uint8_t YearZodiac = 0;   // earthly branch 0..11, an index into ChineseZodiacNames
    std::uint8_t YearStem = 0;     // heavenly stem 0..9, an index into ChineseStemNames
};

// Names of the earthly branches (zodiac animals) and heavenly stems, in field order.
inline constexpr std::array<std::string_view, 12> ChineseZodiacNames = {
    "Rat", "Ox", "Tiger", "Rabbit", "Dragon", "Snake",
    "Horse", "Goat", "Monkey", "Chicken", "Dog", "Pig"};
inline constexpr std::array<std::string_view, 10> ChineseStemNames = {
    "Jia", "Yi", "Bing", "Ding", "Wu", "Ji", "Geng", "Xin", "Ren", "Gui"};

// The Chinese date of the civil day floor(Date) (a TDateTime of the reformed calendar, read as
// a day in China). Needs the winter solstices of the civil years G - 1 to G + 1 (G = the year of
// Date): raises EConvertError "Invalid year" outside 2..9998, and passes on the errors of the
// new-moon searches and of the solar position.
TChineseDate DateToChinese(TDateTime Date);

// The civil day (a whole TDateTime) of the Chinese date C. Raises EConvertError
// "Invalid chinese date" when no day has that cycle, year of cycle, month, leap flag and day,
// including month or day out of range, a leap flag on an ordinary month, or a year that
// begins outside the civil years 2..9999. A date that falls in the civil year 9999 raises
// EConvertError "Invalid year" instead (DateToChinese needs the following civil year).
TDateTime ChineseToDate(const TChineseDate& C);

// The day (a whole TDateTime) of month 1, day 1 of the Chinese year that begins in the civil
// year Year (reformed calendar). Raises EConvertError "Invalid year" outside 2..9999.
TDateTime ChineseNewYear(std::uint16_t Year);

// The building blocks of the conversions. Instants are TDateTime values on the time scale of
// the astronomy routines (taken as universal time); "China time" values are the same instants
// shifted to the civil time of Beijing, and a "day" is a whole China-time TDateTime (00:00).
// Each call here works alone; the conversions above share month starts and solar longitudes
// within one call, and decide on which side of a month start a major term or the solstice
// falls from the Sun's longitude there, which gives the same days as the term searches below.
namespace chinese {

// UT+8 from 1929 on; before 1929 the local mean time of 116 deg 25' east (UT+7:45:40). The
// offset is chosen by the reformed-calendar year of the value being converted.
TDateTime ToChinaTime(TDateTime t);
TDateTime FromChinaTime(TDateTime x);

// Day of the last new moon at or before 00:00 China time of day x / of the first at or after it.
TDateTime NewMoonDayOnOrBefore(TDateTime x);
TDateTime NewMoonDayOnOrAfter(TDateTime x);

// Day of the first major solar term (solar longitude a multiple of 30 deg) at or after 00:00
// China time of day x / of the last one strictly before it.
TDateTime MajorTermDayOnOrAfter(TDateTime x);
TDateTime MajorTermDayBefore(TDateTime x);

// Day of the December solstice (solar longitude 270 deg) of the civil year Y itself, 1..9999,
// also in the Julian-calendar years in which it falls before 15 December; raises EConvertError
// "Invalid year" otherwise.
TDateTime WinterTermDay(int Y);

// For the first day m of a month: no major term falls from 00:00 of day m up to 00:00 of the
// next month start, i.e. MajorTermDayBefore gives the same day for both.
bool MonthLacksMajorTerm(TDateTime m);

// For month starts p and q: some month from the first month start not after p up to the month
// starting on q lacks a major term. Raises E_OutOfAlgorithmRange "Out of range of the
// algorithm" if that span exceeds two years.
bool AnyMonthLacksMajorTerm(TDateTime p, TDateTime q);

}  // namespace chinese

}  // namespace almanix
