#include "calendar/almanac.h"

#include <algorithm>

#include "calendar/chinese.h"
#include "calendar/easter.h"
#include "calendar/jewish.h"
#include "calendar/reformed.h"
#include "rtl/datetime.h"
#include "rtl/exceptions.h"

namespace almanix {

namespace {

// The Jewish year whose 1 Tishri falls in the autumn of Gregorian year Year.
std::uint16_t JewishYearBeginningIn(int Year) { return static_cast<std::uint16_t>(Year + 3761); }

}  // namespace

TDateTime FeastDate(TFeast Feast, int Year) {
    const auto year = static_cast<std::uint16_t>(Year);
    if (Year < 1 || Year > 9999) throw EConvertError("Invalid argument to date encode");
    switch (Feast) {
        case TFeast::NewYear: return EncodeDate(year, 1, 1);
        case TFeast::Easter: return EasterSunday(Year);
        case TFeast::PalmSunday: return EasterSunday(Year) - 7.0;
        case TFeast::Whitsun: return EasterSunday(Year) + 49.0;
        case TFeast::AllSaints: return EncodeDate(year, 11, 1);
        case TFeast::Christmas: return EncodeDate(year, 12, 25);
        case TFeast::JewishNewYear: return JewishToDate(JewishYearBeginningIn(Year), 7, 1);
        case TFeast::Pesach: return JewishToDate(JewishYearBeginningIn(Year) - 1, 1, 15);
        case TFeast::ChineseNewYear: return ChineseNewYear(year);
    }
    throw EConvertError("Invalid feast");
}

std::array<TDateTime, 4> SeasonStartsOfYear(int Year) {
    return {SeasonStart(Year, seWinter), SeasonStart(Year, seSpring), SeasonStart(Year, seSummer),
            SeasonStart(Year, seAutumn)};
}

std::string LeapYearLine(std::uint16_t Year) {
    return std::to_string(Year) + (IsReformedLeapYear(Year) ? " is a leap year" : " is not a leap year");
}

std::vector<TPhaseEvent> PrincipalPhasesBetween(TDateTime From, TDateTime To) {
    std::vector<TPhaseEvent> events;
    for (const TMoonPhase phase : {mpNewMoon, mpFirstQuarter, mpFullMoon, mpLastQuarter}) {
        for (TDateTime x = NextPhaseAfter(phase, From); x < To;) {
            events.push_back({phase, x});
            // The next phase of the same kind is a lunation away; one day on skips this one.
            const TDateTime next = NextPhaseAfter(phase, x + 1.0);
            if (!(next >= x + 1.0)) throw E_OutOfAlgorithmRange("No progress in the phase search");
            x = next;
        }
    }
    std::sort(events.begin(), events.end(),
              [](const TPhaseEvent& a, const TPhaseEvent& b) { return a.Instant < b.Instant; });
    return events;
}

std::vector<TEclipseEvent> EclipsesBetween(TDateTime From, TDateTime To, bool Solar) {
    std::vector<TEclipseEvent> events;
    for (TDateTime x = From;;) {
        TDateTime instant = x;
        const TEclipseKind kind = NextSyzygyEclipse(instant, Solar);
        if (!(instant >= x)) throw E_OutOfAlgorithmRange("No progress in the eclipse search");
        if (instant >= To) break;
        if (kind != ekNone) events.push_back({kind, instant});
        x = instant + 1.0;
    }
    return events;
}

std::string EclipseKindName(TEclipseKind Kind) {
    const std::string text = EclipseKindText(Kind);  // " (Name)"
    return text.size() > 3 ? text.substr(2, text.size() - 3) : text;
}

}  // namespace almanix
