// What the windows show, as plain functions they share with the command-line tool: the days
// the converter's fill-in actions produce, the seasons of the Moon and seasons window, the
// leap-year line of the calendar window, and the phases and eclipses of a span of time.
// Instants are TDateTime values used directly as dynamical time (no delta-T, no time zone);
// days are whole TDateTime values, read in the proleptic Gregorian calendar.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/eclipses.h"
#include "astro/phases.h"
#include "astro/solar_terms.h"
#include "rtl/types.h"

namespace almanix {

// The fill-in actions of the converter, in menu order, plus the Chinese New Year.
enum class TFeast : std::uint8_t {
    NewYear, Easter, PalmSunday, Whitsun, AllSaints, Christmas,
    JewishNewYear, Pesach, ChineseNewYear,
};

// The day (00:00) a fill-in shows for the Gregorian year Year:
//  - New Year, All Saints' Day, Christmas: 1 January, 1 November, 25 December of Year;
//  - Easter, Palm Sunday (Easter - 7), Whitsun (Easter + 49): EasterSunday(Year), so up to
//    1582 the Julian-calendar Easter, read as a day of the proleptic Gregorian calendar;
//  - Jewish New Year: 1 Tishri of Year + 3761; Pesach: 15 Nisan of Year + 3760 (both fall
//    in Year);
//  - Chinese New Year: ChineseNewYear(Year).
// Raises the routine's error: EConvertError "Invalid argument to date encode" for a year
// outside 1..9999, E_OutOfAlgorithmRange "Out of range of the algorithm" for Easter from
// 2400 on and the Jewish dates before 359, EConvertError "Invalid year" for the Chinese New
// Year of years 1 and outside 2..9999.
TDateTime FeastDate(TFeast Feast, int Year);

// The starts of the seasons the Moon and seasons window lists for the year Year, in its
// order: winter (the December solstice of Year), spring, summer, autumn. Index by TSeason.
// Raises the errors of SeasonStart.
std::array<TDateTime, 4> SeasonStartsOfYear(int Year);

// "2000 is a leap year" / "1900 is not a leap year" by IsReformedLeapYear (Julian rule up to
// 1582), as the calendar window writes it.
std::string LeapYearLine(std::uint16_t Year);

struct TPhaseEvent {
    TMoonPhase Phase;  // mpNewMoon, mpFirstQuarter, mpFullMoon or mpLastQuarter
    TDateTime Instant;
};

// Every principal phase whose instant lies in [From, To), in time order. Raises the errors of
// NextPhaseAfter, and E_OutOfAlgorithmRange "No progress in the phase search" should the
// search ever stand still.
std::vector<TPhaseEvent> PrincipalPhasesBetween(TDateTime From, TDateTime To);

struct TEclipseEvent {
    TEclipseKind Kind;  // never ekNone
    TDateTime Instant;  // the syzygy's instant, as NextSyzygyEclipse gives it
};

// Every full moon (new moon when Solar) in [From, To) whose eclipse kind is not ekNone, in
// time order. Raises the errors of NextSyzygyEclipse, and E_OutOfAlgorithmRange "No progress
// in the eclipse search" should the search ever stand still.
std::vector<TEclipseEvent> EclipsesBetween(TDateTime From, TDateTime To, bool Solar);

// The kind's display text without the blank and parentheses: "None", "Partial", ...
std::string EclipseKindName(TEclipseKind Kind);

}  // namespace almanix
