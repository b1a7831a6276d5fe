// Solar terms and seasons: the instant at which the Sun's apparent longitude (VSOP87D,
// Meeus, Astronomical Algorithms, 2nd ed., ch. 25) reaches a multiple of 15 degrees, found by
// correcting a start guess with the sine of the remaining longitude difference (Meeus ch. 27).
#include "astro/solar_terms.h"

#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/positions.h"
#include "calendar/reformed.h"
#include "rtl/datetime.h"
#include "rtl/exceptions.h"

namespace almanix {

namespace {

constexpr Extended kDaysPerTerm = 365.24219L / 24;   // spacing of the start guesses
constexpr TDateTime kYearLimit = 365.0;              // a guess beyond it counts from year - 1
constexpr Extended kCorrectionDays = 58.0L;          // days per unit of sin(difference)
constexpr Extended kTolerance = 3e-10L;              // degrees
constexpr int kMaxRefinements = 100;                 // the refinement needs about eight
constexpr int kMaxMonths = 24;                       // the major-term searches need two

// TDateTime of 1 January of Year, 00:00, in the proleptic Gregorian calendar. A year that
// does not fit 16 bits is passed as 0, so that EncodeDate rejects it instead of a wrapped
// year passing.
TDateTime ProlepticNewYear(int Year) {
    const bool fits = Year >= 0 && Year <= 0xFFFF;
    return EncodeDate(static_cast<std::uint16_t>(fits ? Year : 0), 1, 1);
}

// A - L reduced to (-180, 180]; exactly 180 stays +180.
Extended SignedDifference(Extended A, Extended L) {
    const Extended r = NormalizeAngle(A - L);
    return r > 180 ? r - 360 : r;
}

Extended SunLongitude(TDateTime t) {
    TSkyPosition sun;
    SunPosition(t, sun);
    return sun.Longitude;
}

}  // namespace

std::uint8_t SeasonTermIndex(TSeason Season) {
    constexpr std::uint8_t kIndex[4] = {18, 0, 6, 12};
    return kIndex[Season & 3];
}

TDateTime SolarTermInstant(int Year, std::uint8_t TermIndex) {
    const Extended A = 15 * TermIndex;
    // Start guess: 21 March (31 + 28 + 21 days after 1 January) plus TermIndex terms.
    const auto g = static_cast<TDateTime>(TermIndex * kDaysPerTerm + 31 + 28 + 21);
    TDateTime t = ProlepticNewYear(g > kYearLimit ? Year - 1 : Year) + g;
    Extended L = SunLongitude(t);
    for (int step = 0; std::fabs(SignedDifference(A, L)) > kTolerance; ++step) {
        if (step == kMaxRefinements || !std::isfinite(t))
            throw E_OutOfAlgorithmRange("SolarTermInstant: no convergence for term " +
                                        std::to_string(TermIndex) + " of year " +
                                        std::to_string(Year));
        t = static_cast<TDateTime>(t + kCorrectionDays * SinDeg(A - L));
        L = SunLongitude(t);
    }
    return t;
}

TDateTime SeasonStart(int Year, TSeason Season) {
    return SolarTermInstant(Year, SeasonTermIndex(Season));
}

std::uint8_t MajorTermOfMonth(std::uint16_t Month) {
    return static_cast<std::uint8_t>((2 * Month + 18) % 24);
}

TDateTime NextMajorTerm(TDateTime x) {
    std::uint16_t Y, M, D;
    DecodeReformedDate(x, Y, M, D);
    for (int month = 0; month < kMaxMonths; ++month) {
        const TDateTime t = SolarTermInstant(Y, MajorTermOfMonth(M));
        if (++M > 12) {
            ++Y;
            M = 1;
        }
        if (t >= x) return t;
    }
    throw E_OutOfAlgorithmRange("NextMajorTerm: no major term found after the instant");
}

TDateTime PreviousMajorTerm(TDateTime x) {
    std::uint16_t Y, M, D;
    DecodeReformedDate(x, Y, M, D);
    for (int month = 0; month < kMaxMonths; ++month) {
        const TDateTime t = SolarTermInstant(Y, MajorTermOfMonth(M));
        if (--M < 1) {
            --Y;
            M = 12;
        }
        if (t < x) return t;
    }
    throw E_OutOfAlgorithmRange("PreviousMajorTerm: no major term found before the instant");
}

}  // namespace almanix
