// The Chinese calendar from new moons and major solar terms in China time.
//
// Every conversion runs inside one Reckoner: a small memo that lives on the stack for the
// duration of one public call, so that the month starts and solar longitudes that the month
// tests ask for again and again are each computed once per call. Nothing survives the call.
//
// The conversions never need the instant of a major term, only on which side of it a month
// start lies, and the Sun's apparent longitude grows monotonically: a major term (a multiple
// of 30 deg) falls before 00:00 China time of day m exactly when the longitude at that moment
// has passed it. So the month tests read one solar longitude per month start instead of
// searching each term (eight evaluations of the full solar theory per search). They give the
// days that the term searches give, up to the search tolerance of 3e-10 deg (about 30 us of
// time) around a month start; the tests check the two against each other.
#include "calendar/chinese.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/phases.h"
#include "astro/positions.h"
#include "astro/solar_terms.h"
#include "calendar/reformed.h"
#include "rtl/exceptions.h"
#include "rtl/rounding.h"

namespace almanix {

namespace {

// China time: UT+8 from 1 January 1929 (reformed calendar), before that the local mean time of
// Beijing, 116 deg 25' east = 7 h 45 min 40 s = 1397/4320 day.
constexpr Extended ChinaOffsetFrom1929 = 1.0L / 3.0L;
constexpr Extended ChinaOffsetBefore1929 = 1397.0L / 4320.0L;
constexpr TDateTime FirstDayOf1929 = EncodeReformedDate(1929, 1, 1);  // 10594

// Used only to count whole months between two month starts.
constexpr Extended MeanSynodicMonth = 29.530589L;

// The December solstice: the term of 270 deg, index 18.
constexpr std::uint8_t WinterSolsticeTerm = 18;
constexpr Extended WinterSolsticeLongitude = 270;

// A solstice year has at most 13 months; the solstice month is found within three.
constexpr int MaxMonthsInSpan = 26;
constexpr int MaxSolsticeMonthSteps = 3;

[[noreturn]] void RaiseOutOfRange() {
    throw E_OutOfAlgorithmRange("Out of range of the algorithm");
}

void CheckYear(int Y) {
    if (Y < 1 || Y > 9999) throw EConvertError("Invalid year");
}

Extended OffsetFor(TDateTime value) {
    return value >= FirstDayOf1929 ? ChinaOffsetFrom1929 : ChinaOffsetBefore1929;
}

TDateTime DayOf(TDateTime chinaTime) { return static_cast<TDateTime>(Floor(chinaTime)); }

// Whole mean months from month start a to month start b, rounded half to even.
std::int64_t MonthsBetween(TDateTime a, TDateTime b) {
    return Round((static_cast<Extended>(b) - a) / MeanSynodicMonth);
}

// Fixed-size memo of one call: no allocation; when full, results are simply not kept.
template <typename Key, typename Value, std::size_t N>
class Memo {
public:
    template <typename Compute>
    Value Get(const Key& key, Compute compute) {
        const auto end = entries_.begin() + count_;
        const auto hit = std::find_if(entries_.begin(), end,
                                      [&](const Entry& e) { return e.key == key; });
        if (hit != end) return hit->value;
        const Value value = compute();
        if (count_ < N) entries_[count_++] = {key, value};
        return value;
    }

private:
    struct Entry {
        Key key;
        Value value;
    };
    std::array<Entry, N> entries_{};
    std::size_t count_ = 0;
};

struct NewMoonKey {
    TDateTime day;
    bool after;
    bool operator==(const NewMoonKey&) const = default;
};

// The operations of the calendar over one shared memo of month starts and solar longitudes.
class Reckoner {
public:
    TDateTime NewMoonDayOnOrBefore(TDateTime x) {
        return newMoons_.Get({x, false}, [x] {
            return DayOf(chinese::ToChinaTime(
                LastPhaseBefore(mpNewMoon, chinese::FromChinaTime(x))));
        });
    }

    TDateTime NewMoonDayOnOrAfter(TDateTime x) {
        return newMoons_.Get({x, true}, [x] {
            return DayOf(chinese::ToChinaTime(
                NextPhaseAfter(mpNewMoon, chinese::FromChinaTime(x))));
        });
    }

    // For the first day m of a month: no major term from 00:00 of m to 00:00 of the next start.
    bool MonthLacksMajorTerm(TDateTime m) {
        return LastMajorTermBefore(m) == LastMajorTermBefore(NextMonthStart(m));
    }

    // The months from the first month start not after p forward to q, stopping at the first
    // month that lacks a major term.
    bool AnyMonthLacksMajorTerm(TDateTime p, TDateTime q) {
        std::array<TDateTime, MaxMonthsInSpan> starts;
        std::size_t count = 0;
        starts[count++] = q;
        while (q > p) {
            if (count == starts.size()) RaiseOutOfRange();
            q = NewMoonDayOnOrBefore(q - 1);
            starts[count++] = q;
        }
        while (count > 0)
            if (MonthLacksMajorTerm(starts[--count])) return true;
        return false;
    }

    TChineseDate DateToChinese(TDateTime Date) {
        // Past 9999 the decoded civil year wraps around into the supported years.
        if (Date >= EncodeReformedDate(9999, 12, 31) + 1) throw EConvertError("Invalid year");
        std::uint16_t civilYear, civilMonth, civilDay;
        DecodeReformedDate(Date, civilYear, civilMonth, civilDay);
        const int G = civilYear;
        CheckYear(G - 1);
        CheckYear(G + 1);
        const TDateTime X = DayOf(Date);

        // The solstice year holding X runs from the month after one solstice month (M1) to the
        // next solstice month (M2). The solstice of G - 1 lies in its December, before X.
        TDateTime M1, M2;
        if (IsBeforeSolsticeDay(X, G)) {
            M1 = NextMonthStart(SolsticeMonthStart(G - 1));
            M2 = SolsticeMonthStart(G);
        } else {
            M1 = NextMonthStart(SolsticeMonthStart(G));
            M2 = SolsticeMonthStart(G + 1);
        }
        const TDateTime S = NewMoonDayOnOrBefore(X + 1);  // first day of the month of X

        TChineseDate r;
        r.LeapYear = MonthsBetween(M1, M2) == 12;
        std::int64_t n = MonthsBetween(M1, S);  // M1 -> 0, the solstice month -> -1
        // In a thirteen-month year the first month without a major term is the leap month;
        // it and the months after it are numbered one lower.
        r.LeapMonth = r.LeapYear && MonthLacksMajorTerm(S) &&
                      !AnyMonthLacksMajorTerm(M1, NewMoonDayOnOrBefore(S));
        if (r.LeapYear && (AnyMonthLacksMajorTerm(M1, S) || r.LeapMonth)) --n;
        r.Month = OneBasedMod(static_cast<std::int32_t>(n), 12);
        r.Day = static_cast<std::int32_t>(X - S) + 1;

        // Months 11 and 12 early in a civil year belong to the year that began before it.
        const bool yearBegunInG = r.Month <= 10 || X > EncodeReformedDate(civilYear, 7, 1);
        r.YearCount = G + 2636 + (yearBegunInG ? 1 : 0);
        r.Cycle = (r.YearCount - 1) / 60 + 1;
        r.YearOfCycle = OneBasedMod(r.YearCount, 60);
        r.YearZodiac = static_cast<std::uint8_t>((r.YearOfCycle - 1) % 12);
        r.YearStem = static_cast<std::uint8_t>((r.YearOfCycle - 1) % 10);
        return r;
    }

    TDateTime ChineseNewYear(int Y) {
        const TDateTime N1 = NextMonthStart(SolsticeMonthStart(Y - 1));  // normally month 12
        const TDateTime N2 = NextMonthStart(N1);                          // normally month 1
        const TDateTime N3 = SolsticeMonthStart(Y);                       // the next month 11
        // A leap month 11 or 12 moves the new year one month later.
        if (MonthsBetween(N1, N3) == 12 && (MonthLacksMajorTerm(N1) || MonthLacksMajorTerm(N2)))
            return NextMonthStart(N2);
        return N2;
    }

    TDateTime ChineseToDate(const TChineseDate& C) {
        // No record of DateToChinese lies outside these ranges; the round trip would reject
        // them as well, but absurd days would reach other errors first.
        if (C.Month < 1 || C.Month > 12 || C.Day < 1 || C.Day > 30 || C.YearOfCycle < 1 ||
            C.YearOfCycle > 60)
            RaiseInvalidDate();
        const std::int64_t Y0 =
            (static_cast<std::int64_t>(C.Cycle) - 1) * 60 + (C.YearOfCycle - 1) - 2636;
        // Its new year needs the solstices of Y0 - 1 and Y0, civil years 1 to 9999.
        if (Y0 < 2 || Y0 > 9999) throw EConvertError("Invalid year");

        const TDateTime NY = ChineseNewYear(static_cast<int>(Y0));
        // The month that 29 days per month reach, or the one after it (a leap month, or a
        // month after the leap month).
        const TDateTime E = NewMoonDayOnOrAfter(NY + 29.0 * (C.Month - 1));
        const TChineseDate T = DateToChinese(E);
        const TDateTime monthStart =
            T.Month == C.Month && T.LeapMonth == C.LeapMonth ? E : NewMoonDayOnOrAfter(E + 5);
        const TDateTime R = monthStart + (C.Day - 1);

        // The round trip is the validation.
        const TChineseDate back = DateToChinese(R);
        if (back.Day != C.Day || back.Month != C.Month || back.LeapMonth != C.LeapMonth ||
            back.YearOfCycle != C.YearOfCycle || back.Cycle != C.Cycle)
            RaiseInvalidDate();
        return R;
    }

private:
    [[noreturn]] static void RaiseInvalidDate() { throw EConvertError("Invalid chinese date"); }

    TDateTime NextMonthStart(TDateTime m) { return NewMoonDayOnOrAfter(m + 2); }

    // The Sun's apparent longitude at 00:00 China time of day x, degrees in [0, 360).
    Extended SunLongitudeAt(TDateTime x) {
        return longitudes_.Get(x, [x] {
            TSkyPosition sun;
            SunPosition(chinese::FromChinaTime(x), sun);
            return sun.Longitude;
        });
    }

    // Which of the twelve major terms is the last one before 00:00 China time of day x:
    // term 30 j lies strictly before it when the longitude there exceeds 30 j.
    int LastMajorTermBefore(TDateTime x) {
        return static_cast<int>(std::ceil(SunLongitudeAt(x) / 30)) % 12;
    }

    // The December solstice of Y falls on day X or earlier: X + 1 is past it.
    bool IsBeforeSolsticeDay(TDateTime X, int Y) {
        return X < EncodeReformedDate(static_cast<std::uint16_t>(Y), 12, 1) ||
               SunLongitudeAt(X + 1) <= WinterSolsticeLongitude;
    }

    // First day of the month that holds the day of the December solstice of Y (the month
    // whose start is not after the solstice and whose successor's start is). The solstice
    // falls between 11 and 23 December in the years 1 to 9999 of the reformed calendar (the
    // 11th late in the Julian calendar), so the month holding 1 December starts before it.
    // Raises EConvertError "Invalid year" outside 1..9999.
    TDateTime SolsticeMonthStart(int Y) {
        const auto year = static_cast<std::uint16_t>(Y);
        TDateTime m = NewMoonDayOnOrBefore(EncodeReformedDate(year, 12, 2));
        for (int step = 0; step < MaxSolsticeMonthSteps; ++step) {
            const TDateTime next = NextMonthStart(m);
            if (SunLongitudeAt(next) > WinterSolsticeLongitude) return m;
            m = next;
        }
        RaiseOutOfRange();
    }

    Memo<NewMoonKey, TDateTime, 64> newMoons_;
    Memo<TDateTime, Extended, 40> longitudes_;
};

}  // namespace

TChineseDate DateToChinese(TDateTime Date) { return Reckoner().DateToChinese(Date); }

TDateTime ChineseToDate(const TChineseDate& C) { return Reckoner().ChineseToDate(C); }

TDateTime ChineseNewYear(std::uint16_t Year) { return Reckoner().ChineseNewYear(Year); }

namespace chinese {

TDateTime ToChinaTime(TDateTime t) { return static_cast<TDateTime>(t + OffsetFor(t)); }

TDateTime FromChinaTime(TDateTime x) { return static_cast<TDateTime>(x - OffsetFor(x)); }

TDateTime NewMoonDayOnOrBefore(TDateTime x) { return Reckoner().NewMoonDayOnOrBefore(x); }

TDateTime NewMoonDayOnOrAfter(TDateTime x) { return Reckoner().NewMoonDayOnOrAfter(x); }

TDateTime MajorTermDayOnOrAfter(TDateTime x) {
    return DayOf(ToChinaTime(NextMajorTerm(FromChinaTime(x))));
}

TDateTime MajorTermDayBefore(TDateTime x) {
    return DayOf(ToChinaTime(PreviousMajorTerm(FromChinaTime(x))));
}

TDateTime WinterTermDay(int Y) {
    CheckYear(Y);
    return DayOf(ToChinaTime(SolarTermInstant(Y, WinterSolsticeTerm)));
}

bool MonthLacksMajorTerm(TDateTime m) { return Reckoner().MonthLacksMajorTerm(m); }

bool AnyMonthLacksMajorTerm(TDateTime p, TDateTime q) {
    return Reckoner().AnyMonthLacksMajorTerm(p, q);
}

}  // namespace chinese

}  // namespace almanix
