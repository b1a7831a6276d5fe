// The texts of the Moon and seasons window.
#include "ui/lunar_fields.h"

#include "astro/eclipses.h"
#include "astro/moon_state.h"
#include "astro/phases.h"
#include "rtl/date_format.h"
#include "rtl/number_format.h"

namespace almanix {

namespace {

// Settings for a date-and-time text: the date as "mmm d yyyy" and, unless the time is exactly
// midnight, a blank and the time by TimeFormat.
TFormatSettings DateTimeSettings(const TFormatSettings& Settings, const char* TimeFormat) {
    TFormatSettings s = Settings;
    s.ShortDateFormat = "mmm d yyyy";
    s.LongTimeFormat = TimeFormat;
    return s;
}

}  // namespace

std::string LunarDateTimeText(int Month, int Day, int Year, const std::string& Time) {
    return std::to_string(Month) + "/" + std::to_string(Day) + "/" + std::to_string(Year) + " " + Time;
}

bool TryLunarInstant(const std::string& Text, TDateTime& Instant, const TFormatSettings& Settings) {
    TFormatSettings s = Settings;
    s.DateSeparator = "/";
    s.ShortDateFormat = "M/d/yyyy";
    return TryStrToDateTime(Text, Instant, s);
}

std::string PhaseText(TDateTime Instant, const TFormatSettings& Settings) {
    return FormatFloat("##0.0", 100 * MoonIllumination(Instant), Settings) + "%";
}

std::string AgeText(TDateTime Instant, const TFormatSettings& Settings) {
    return FormatFloat("#0.##", MoonAge(Instant), Settings);
}

std::string LunationText(TDateTime Instant) { return std::to_string(LunationNumber(Instant)); }

std::string DiameterText(TDateTime Instant, const TFormatSettings& Settings) {
    return FormatFloat("#########.#####", MoonDiameter(Instant), Settings);
}

std::string DistanceText(TDateTime Instant, const TFormatSettings& Settings) {
    return FormatFloat("#########.###", MoonDistance(Instant), Settings);
}

std::string EclipseText(TDateTime Instant, const TFormatSettings& Settings) {
    TDateTime fullMoon = Instant;
    const TEclipseKind kind = NextSyzygyEclipse(fullMoon, false);
    return DateTimeToStr(fullMoon, DateTimeSettings(Settings, "hh:mm:ss")) + EclipseKindText(kind);
}

std::string BlueMoonText(TDateTime Instant, const TFormatSettings& Settings) {
    return DateTimeToStr(NextBlueMoon(Instant), DateTimeSettings(Settings, "hh:mm"));
}

std::string SeasonText(int Year, TSeason Season, const TFormatSettings& Settings) {
    return DateTimeToStr(SeasonStart(Year, Season), DateTimeSettings(Settings, "h:m"));
}

}  // namespace almanix
