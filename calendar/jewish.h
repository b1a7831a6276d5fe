// The Jewish (Hebrew) calendar, anchored on the civil date of Pesach (15 Nisan) from Gauss's
// Pesach formula; 1 Tishri is always 163 days after the preceding 15 Nisan. Civil dates are
// those of the reformed calendar (calendar/reformed.h).
//
// Years are anno mundi: Jewish year Y begins on 1 Tishri in the autumn of civil year Y - 3761.
// Months are numbered from Nisan (1) to Adar 2 (13); a year runs 7, 8, ..., 13, 1, ..., 6,
// and month 13 exists only in leap years (then month 12 is the first Adar).
#pragma once

#include <array>
#include <cstdint>

#include "rtl/types.h"

namespace almanix {

// Days of the six year types 0 to 5; types 0 to 2 are common years, 3 to 5 leap years.
inline constexpr std::array<std::uint16_t, 6> JewishYearLengths = {353, 354, 355, 383, 384, 385};

// Month names and abbreviations: entry Month - 1 for Month 1 (Nisan) to 13 (Adar 2).
inline constexpr std::array<const char*, 13> JewishMonthNames = {
    "Nisan",   "Iyar",   "Sivan", "Tammuz", "Av",   "Elul",  "Tishri",
    "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar 2"};
inline constexpr std::array<const char*, 13> JewishMonthAbbreviations = {
    "Nis", "Iya", "Siv", "Tam", "Av", "Elu", "Tis", "Hes", "Kis", "Tev", "She", "Ada", "Ad2"};

// Month lengths: entry [Month - 1][type]. Adar 2 has 0 days in common years.
inline constexpr std::array<std::array<std::uint16_t, 6>, 13> JewishMonthLengths = {{
    {30, 30, 30, 30, 30, 30},  // Nisan
    {29, 29, 29, 29, 29, 29},  // Iyar
    {30, 30, 30, 30, 30, 30},  // Sivan
    {29, 29, 29, 29, 29, 29},  // Tammuz
    {30, 30, 30, 30, 30, 30},  // Av
    {29, 29, 29, 29, 29, 29},  // Elul
    {30, 30, 30, 30, 30, 30},  // Tishri
    {29, 29, 30, 29, 29, 30},  // Heshvan
    {29, 30, 30, 29, 30, 30},  // Kislev
    {29, 29, 29, 29, 29, 29},  // Tevet
    {30, 30, 30, 30, 30, 30},  // Shevat
    {29, 29, 29, 30, 30, 30},  // Adar (first Adar in leap years)
    {0, 0, 0, 29, 29, 29},     // Adar 2
}};

// 00:00 of 15 Nisan of Jewish year Year + 3760, a whole-day TDateTime; Year is a civil year
// of the reformed calendar (Gauss's Pesach formula). Raises E_OutOfAlgorithmRange "Out of
// range of the algorithm" below 359; the year goes to EncodeReformedDate as its low 16 bits,
// so years 10000 to 65535 raise EConvertError "Invalid year".
TDateTime PesachDate(std::int32_t Year);

// Year type 0 to 5 of Jewish year Year: the index in JewishYearLengths of the days from its
// 1 Tishri to the next, or 0 if that count is none of the six. Raises the errors of
// PesachDate for Year below 4120 or above 13759.
int JewishYearType(std::uint16_t Year);

// 00:00 of Day.Month.Year of the Jewish calendar, a whole-day TDateTime. The year is checked
// first (the errors of JewishYearType), then EConvertError "Invalid month" (outside 1 to 13,
// or 13 in a common year), then EConvertError "Invalid day".
TDateTime JewishToDate(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day);

// Jewish Year, Month, Day of the civil day that contains Date (a time of day never changes
// the result). Raises E_OutOfAlgorithmRange before 1 Tishri 4120 (9 September 359),
// EConvertError "Invalid year" after the civil year 9999 (as PesachDate does from 10000 on,
// also where the 16-bit civil year would wrap), and the errors of DecodeReformedDate.
void DateToJewish(TDateTime Date, std::uint16_t& Year, std::uint16_t& Month, std::uint16_t& Day);

}  // namespace almanix
