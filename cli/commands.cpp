#include "cli/commands.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

#include "astro/angles.h"
#include "astro/moon_state.h"
#include "calendar/chinese.h"
#include "calendar/jewish.h"
#include "calendar/reformed.h"
#include "calendar/almanac.h"
#include "cli/ics.h"
#include "rtl/datetime.h"
#include "rtl/exceptions.h"
#include "rtl/rounding.h"

namespace almanix::cli {

namespace {

QString S(const char* Text) { return QString::fromUtf8(Text); }
QString S(std::string_view Text) { return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())); }

// The text of Path, or "-" when it is null.
QString Show(const Record& R, const QString& Path) {
    const QJsonValue value = R.Value(Path);
    return value.isNull() ? QStringLiteral("-") : ScalarText(value);
}

TextColumn Field(const QString& Title, const QString& Path) {
    return {Title, [Path](const Record& R) { return Show(R, Path); }};
}

// ---- Days in every reckoning ----------------------------------------------------------

const QStringList DayColumns = {
    "date", "tdatetime", "julian_day",
    "reformed.year", "reformed.month", "reformed.day",
    "jewish.year", "jewish.month", "jewish.day", "jewish.month_name",
    "chinese.cycle", "chinese.year_of_cycle", "chinese.year_count", "chinese.month",
    "chinese.leap_month", "chinese.leap_year", "chinese.day", "chinese.zodiac", "chinese.stem",
    "errors.jewish", "errors.chinese"};

QString ReformedText(const Record& R) {
    if (R.Value("reformed.year").isNull()) return QStringLiteral("-");
    return QString::asprintf("%04d-%02d-%02d", R.Value("reformed.year").toInt(), R.Value("reformed.month").toInt(),
                             R.Value("reformed.day").toInt());
}

QString JewishText(const Record& R) {
    if (R.Value("jewish.year").isNull()) return R.Value("errors.jewish").toString();
    return QStringLiteral("%1 %2 %3").arg(R.Value("jewish.day").toInt()).arg(R.Value("jewish.month_name").toString())
        .arg(R.Value("jewish.year").toInt());
}

QString ChineseText(const Record& R) {
    if (R.Value("chinese.cycle").isNull()) return R.Value("errors.chinese").toString();
    return QStringLiteral("cycle %1 year %2, month %3%4, day %5 (%6 %7)")
        .arg(R.Value("chinese.cycle").toInt())
        .arg(R.Value("chinese.year_of_cycle").toInt())
        .arg(R.Value("chinese.month").toInt())
        .arg(R.Value("chinese.leap_month").toBool() ? QStringLiteral(" leap") : QString())
        .arg(R.Value("chinese.day").toInt())
        .arg(R.Value("chinese.stem").toString(), R.Value("chinese.zodiac").toString());
}

const std::vector<TextColumn> DayTable = {
    Field("Date", "date"),
    Field("Julian day", "julian_day"),
    {"Reformed", ReformedText},
    {"Jewish", JewishText},
    {"Chinese", ChineseText},
};

Output DayOutput(std::vector<Record> Records, bool Table) {
    Output out;
    out.Records = std::move(Records);
    out.Columns = DayColumns;
    if (Table) out.Table = DayTable;
    return out;
}

// ---- Instants --------------------------------------------------------------------------

// Instant rounded to the second, as its ISO text shows it.
TDateTime RoundedToSecond(TDateTime Instant) {
    return static_cast<TDateTime>(static_cast<Extended>(Round(static_cast<Extended>(Instant) * 86400.0L)) / 86400.0L);
}

// "HH:MM" of the rounded instant (minutes cut, as the windows show them).
QString ClockText(TDateTime Instant) { return IsoDateTime(Instant).mid(11, 5); }
QString CompactIso(TDateTime Instant) { return IsoDateTime(Instant).remove('-').remove(':'); }

const char* PhaseName(TMoonPhase Phase) {
    switch (Phase) {
        case mpNewMoon: return "new_moon";
        case mpFirstQuarter: return "first_quarter";
        case mpFullMoon: return "full_moon";
        case mpLastQuarter: return "last_quarter";
        default: return "intermediate";
    }
}

const char* PhaseTitle(TMoonPhase Phase) {
    switch (Phase) {
        case mpNewMoon: return "New moon";
        case mpFirstQuarter: return "First quarter";
        case mpFullMoon: return "Full moon";
        case mpLastQuarter: return "Last quarter";
        default: return "Intermediate phase";
    }
}

const std::array<const char*, 4> SeasonNames = {"winter", "spring", "summer", "autumn"};
const std::array<const char*, 4> SeasonTitles = {"Winter", "Spring", "Summer", "Autumn"};

// ---- Feasts ----------------------------------------------------------------------------

struct FeastInfo {
    TFeast Feast;
    const char* Name;   // record field
    const char* Title;  // text and calendar
};

const std::array<FeastInfo, 9> Feasts = {{
    {TFeast::NewYear, "new_year", "New Year"},
    {TFeast::Easter, "easter", "Easter Sunday"},
    {TFeast::PalmSunday, "palm_sunday", "Palm Sunday"},
    {TFeast::Whitsun, "whitsun", "Whitsun"},
    {TFeast::AllSaints, "all_saints", "All Saints' Day"},
    {TFeast::Christmas, "christmas", "Christmas"},
    {TFeast::JewishNewYear, "jewish_new_year", "Jewish New Year"},
    {TFeast::Pesach, "pesach", "Pesach"},
    {TFeast::ChineseNewYear, "chinese_new_year", "Chinese New Year"},
}};

const char* const MonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};
const char* const WeekdayNames[7] = {"monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};

}  // namespace

Record DayRecord(TDateTime Day) {
    Record r;
    r.Set("date", IsoDate(Day));
    r.Set("tdatetime", Day);
    r.Set("julian_day", static_cast<double>(DateToJulianDay(Day)));
    r.Part("reformed", [&] {
        std::uint16_t y, m, d;
        DecodeReformedDate(Day, y, m, d);
        r.Set("reformed.year", y);
        r.Set("reformed.month", m);
        r.Set("reformed.day", d);
    });
    r.Part("jewish", [&] {
        std::uint16_t y, m, d;
        DateToJewish(Day, y, m, d);
        r.Set("jewish.year", y);
        r.Set("jewish.month", m);
        r.Set("jewish.day", d);
        r.Set("jewish.month_name", S(JewishMonthNames.at(m - 1)));
    });
    r.Part("chinese", [&] {
        const TChineseDate c = DateToChinese(Day);
        r.Set("chinese.cycle", c.Cycle);
        r.Set("chinese.year_of_cycle", c.YearOfCycle);
        r.Set("chinese.year_count", c.YearCount);
        r.Set("chinese.month", c.Month);
        r.Set("chinese.leap_month", c.LeapMonth);
        r.Set("chinese.leap_year", c.LeapYear);
        r.Set("chinese.day", c.Day);
        r.Set("chinese.zodiac", S(ChineseZodiacNames.at(c.YearZodiac)));
        r.Set("chinese.stem", S(ChineseStemNames.at(c.YearStem)));
    });
    return r;
}

Output DaysCommand(TDateTime From, TDateTime To) {
    std::vector<Record> records;
    for (TDateTime day = From; day <= To; day += 1.0) records.push_back(DayRecord(day));
    return DayOutput(std::move(records), To > From);
}

Output FromJewishCommand(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day) {
    return DayOutput({DayRecord(JewishToDate(Year, Month, Day))}, false);
}

Output FromChineseCommand(std::int32_t Cycle, std::int32_t Year, std::int32_t Month, std::int32_t Day, bool Leap) {
    TChineseDate c;
    c.Cycle = Cycle;
    c.YearOfCycle = Year;
    c.Month = Month;
    c.LeapMonth = Leap;
    c.Day = Day;
    return DayOutput({DayRecord(ChineseToDate(c))}, false);
}

Output FeastsCommand(int FromYear, int ToYear) {
    Output out;
    out.Columns << "year";
    out.Table.push_back(Field("Year", "year"));
    for (const FeastInfo& f : Feasts) {
        out.Columns << f.Name;
        out.Table.push_back(Field(f.Title, f.Name));
    }
    for (const FeastInfo& f : Feasts)
        if (f.Feast != TFeast::NewYear && f.Feast != TFeast::AllSaints && f.Feast != TFeast::Christmas)
            out.Columns << QStringLiteral("errors.") + f.Name;
    for (int year = FromYear; year <= ToYear; ++year) {
        Record r;
        r.Set("year", year);
        for (const FeastInfo& f : Feasts)
            r.Part(f.Name, [&] { r.Set(f.Name, IsoDate(FeastDate(f.Feast, year))); });
        out.Records.push_back(std::move(r));
    }
    return out;
}

Output MoonCommand(TDateTime Instant, int SeasonYear) {
    Record r;
    r.SetInstant("instant", Instant);
    r.Set("illumination", static_cast<double>(MoonIllumination(Instant)));
    r.Set("phase_angle", static_cast<double>(MoonPhaseAngle(Instant)));
    r.Set("age_days", static_cast<double>(MoonAge(Instant)));
    r.Set("lunation", LunationNumber(Instant));
    r.Set("diameter_arcsec", static_cast<double>(MoonDiameter(Instant)));
    r.Set("distance_km", static_cast<double>(MoonDistance(Instant)));
    r.Part("next_full_moon", [&] {
        TDateTime fullMoon = Instant;
        const TEclipseKind kind = NextSyzygyEclipse(fullMoon, false);
        r.SetInstant("next_full_moon", fullMoon);
        r.Set("next_full_moon.eclipse", S(EclipseKindName(kind)));
    });
    r.Part("next_blue_moon", [&] { r.SetInstant("next_blue_moon", NextBlueMoon(Instant)); });
    r.Part("seasons", [&] {
        const std::array<TDateTime, 4> starts = SeasonStartsOfYear(SeasonYear);
        for (int s = 0; s < 4; ++s) r.SetInstant(QStringLiteral("seasons.") + SeasonNames[s], starts[s]);
    });

    Output out;
    out.Columns = QStringList{"instant.iso", "instant.tdatetime", "illumination", "phase_angle", "age_days",
                              "lunation", "diameter_arcsec", "distance_km", "next_full_moon.iso",
                              "next_full_moon.tdatetime", "next_full_moon.eclipse", "next_blue_moon.iso",
                              "next_blue_moon.tdatetime"};
    for (const char* season : SeasonNames)
        out.Columns << QStringLiteral("seasons.%1.iso").arg(season) << QStringLiteral("seasons.%1.tdatetime").arg(season);
    out.Columns << "errors.next_full_moon" << "errors.next_blue_moon" << "errors.seasons";
    out.Records.push_back(std::move(r));
    return out;
}

Output PhasesCommand(TDateTime From, TDateTime To) {
    Output out;
    for (const TPhaseEvent& e : PrincipalPhasesBetween(From, To)) {
        Record r;
        r.Set("phase", S(PhaseName(e.Phase)));
        r.SetInstant("", e.Instant);
        out.Records.push_back(std::move(r));
    }
    out.Columns = QStringList{"phase", "iso", "tdatetime"};
    out.Table = {Field("Phase", "phase"), Field("Instant (TT)", "iso"), Field("TDateTime", "tdatetime")};
    return out;
}

Output TermsCommand(int Year) {
    Output out;
    for (std::uint8_t k = 0; k < 24; ++k) {
        Record r;
        r.Set("index", k);
        r.Set("longitude", 15 * k);
        // Terms 19 to 23 are searched from the year before: in year 1 they cannot be.
        r.Part("instant", [&] { r.SetInstant("", SolarTermInstant(Year, k)); });
        out.Records.push_back(std::move(r));
    }
    out.Columns = QStringList{"index", "longitude", "iso", "tdatetime", "errors.instant"};
    out.Table = {Field("Index", "index"), Field("Longitude", "longitude"), Field("Instant (TT)", "iso"),
                 Field("TDateTime", "tdatetime")};
    return out;
}

Output EclipsesCommand(TDateTime From, TDateTime To, bool Solar) {
    Output out;
    for (const TEclipseEvent& e : EclipsesBetween(From, To, Solar)) {
        Record r;
        r.Set("kind", S(EclipseKindName(e.Kind)));
        r.SetInstant("", e.Instant);
        out.Records.push_back(std::move(r));
    }
    out.Columns = QStringList{"kind", "iso", "tdatetime"};
    out.Table = {Field("Kind", "kind"), Field("Instant (TT)", "iso"), Field("TDateTime", "tdatetime")};
    return out;
}

Output MonthCommand(int Year, int Month) {
    // The month calendar of the calendar window: proleptic Gregorian days in ISO weeks.
    const QDate first(Year, Month, 1);
    const int days = first.daysInMonth();
    const QString leapLine = S(LeapYearLine(static_cast<std::uint16_t>(Year)));
    Output out;
    out.Columns = QStringList{"year", "month", "week"};
    for (const char* name : WeekdayNames) out.Columns << name;
    out.Columns << "leap_year" << "leap_line";

    QString sheet = QStringLiteral("%1 %2\n").arg(S(MonthNames[Month - 1])).arg(Year);
    sheet += QStringLiteral("Week  Mo  Tu  We  Th  Fr  Sa  Su\n");
    for (QDate monday = first.addDays(1 - first.dayOfWeek()); monday <= first.addDays(days - 1);
         monday = monday.addDays(7)) {
        Record r;
        r.Set("year", Year);
        r.Set("month", Month);
        r.Set("week", monday.addDays(3).weekNumber());  // the week's Thursday names it
        QString line = QStringLiteral("%1").arg(monday.addDays(3).weekNumber(), 4);
        for (int i = 0; i < 7; ++i) {
            const QDate day = monday.addDays(i);
            const bool inMonth = day.month() == Month && day.year() == Year;
            r.Set(WeekdayNames[i], inMonth ? QJsonValue(day.day()) : QJsonValue(QJsonValue::Null));
            line += inMonth ? QStringLiteral("%1").arg(day.day(), 4) : QStringLiteral("    ");
        }
        r.Set("leap_year", IsReformedLeapYear(static_cast<std::uint16_t>(Year)));
        r.Set("leap_line", leapLine);
        while (line.endsWith(' ')) line.chop(1);
        sheet += line + '\n';
        out.Records.push_back(std::move(r));
    }
    out.Sheet = sheet + leapLine + '\n';
    return out;
}

Output IcsCommand(int FromYear, int ToYear, IcsParts Parts, QStringList& Warnings) {
    const TDateTime from = EncodeDate(static_cast<std::uint16_t>(FromYear), 1, 1);
    const TDateTime to = EncodeDate(static_cast<std::uint16_t>(ToYear), 12, 31) + 1.0;
    std::vector<IcsEvent> events;
    auto instantEvent = [&](TDateTime instant, const QString& title, const QString& slug) {
        events.push_back({std::floor(RoundedToSecond(instant)), title + ' ' + ClockText(instant) + QStringLiteral(" TT"),
                          IsoDateTime(instant) + QStringLiteral(" TT (dynamical time, no delta-T applied; TDateTime ") +
                              ScalarText(instant) + ')',
                          slug + '-' + CompactIso(instant) + QStringLiteral("@almanix")});
    };
    if (Parts.Phases)
        for (const TPhaseEvent& e : PrincipalPhasesBetween(from, to))
            instantEvent(e.Instant, S(PhaseTitle(e.Phase)), S(PhaseName(e.Phase)).replace('_', '-'));
    if (Parts.Seasons)
        for (int year = FromYear; year <= ToYear; ++year) {
            const std::array<TDateTime, 4> starts = SeasonStartsOfYear(year);
            for (int s = 0; s < 4; ++s)
                instantEvent(starts[s], S(SeasonTitles[s]) + QStringLiteral(" starts"), S(SeasonNames[s]));
        }
    if (Parts.Eclipses)
        for (const bool solar : {false, true})
            for (const TEclipseEvent& e : EclipsesBetween(from, to, solar)) {
                const QString kind = S(EclipseKindName(e.Kind));
                instantEvent(e.Instant, (solar ? QStringLiteral("Solar eclipse (") : QStringLiteral("Lunar eclipse (")) + kind + ')',
                             (solar ? QStringLiteral("solar-eclipse") : QStringLiteral("lunar-eclipse")));
            }
    if (Parts.Feasts)
        for (int year = FromYear; year <= ToYear; ++year)
            for (const FeastInfo& f : Feasts) {
                try {
                    const TDateTime day = FeastDate(f.Feast, year);
                    events.push_back({day, S(f.Title), QString(),
                                      S(f.Name).replace('_', '-') + '-' + IsoDate(day).remove('-') + QStringLiteral("@almanix")});
                } catch (const Exception& e) {
                    Warnings << QStringLiteral("%1 %2: %3").arg(S(f.Title)).arg(year).arg(S(e.Message()));
                }
            }
    std::stable_sort(events.begin(), events.end(), [](const IcsEvent& a, const IcsEvent& b) { return a.Day < b.Day; });
    Output out;
    out.Raw = IcsCalendar(events, QDateTime::currentDateTimeUtc()).toUtf8();
    return out;
}

void PictureCommand(TDateTime Instant, TMoonSize Size, TMoonStyle Style, TRotate Rotation, bool Apollo,
                    const QString& File) {
    // As the Moon control draws for its Date: the phase angle reduced to [0, 360), and the
    // landing-site mark only for instants after the landing.
    const Extended phaseAngle = NormalizeAngle(MoonPhaseAngle(Instant));
    const bool markLanding = Apollo && Instant > Apollo11Landing();
    const QImage picture = DrawMoon(Size, Style, Rotation, phaseAngle, markLanding);
    if (!picture.save(File, "PNG")) throw Exception("Cannot write " + File.toStdString());
}

}  // namespace almanix::cli
