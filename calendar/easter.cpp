// Easter: Gauss's Easter formula (1800, with the corrections of 1816) and the Julian
// computus in Gauss's form; Meeus, Astronomical Algorithms, 2nd ed., ch. 8.
#include "calendar/easter.h"

#include "calendar/reformed.h"

namespace almanix {

namespace {

struct CenturyConstants {
    std::int32_t firstYear;
    std::int32_t lastYear;
    std::int32_t M;
    std::int32_t N;
};

// Gauss's table of (M, N) for the Gregorian calendar.
constexpr CenturyConstants kCenturyConstants[] = {
    {1583, 1699, 22, 2}, {1700, 1799, 23, 3}, {1800, 1899, 23, 4}, {1900, 2099, 24, 5},
    {2100, 2199, 24, 6}, {2200, 2299, 25, 0}, {2300, 2399, 26, 1},
};

}  // namespace

TDateTime GregorianEaster(std::int32_t Year) {
    const CenturyConstants* constants = nullptr;
    for (const CenturyConstants& row : kCenturyConstants)
        if (Year >= row.firstYear && Year <= row.lastYear) constants = &row;
    if (constants == nullptr) throw E_OutOfAlgorithmRange("Out of range of the algorithm");

    const std::int32_t a = Year % 19;
    const std::int32_t b = Year % 4;
    const std::int32_t c = Year % 7;
    const std::int32_t d = (19 * a + constants->M) % 30;                // [0, 29]
    const std::int32_t e = (2 * b + 4 * c + 6 * d + constants->N) % 7;  // [0, 6]
    std::int32_t month = 3;
    std::int32_t day = 22 + d + e;
    if (day > 31) {
        month = 4;
        day = d + e - 9;
    }
    if (month == 4 && day == 26)
        day = 19;
    else if (month == 4 && day == 25 && d == 28 && e == 6 && a > 10)
        day = 18;
    return EncodeReformedDate(static_cast<std::uint16_t>(Year), static_cast<std::uint16_t>(month),
                              static_cast<std::uint16_t>(day));
}

TDateTime JulianEaster(std::int32_t Year) {
    // Outside 1..9999 there is no date; the low 16 bits of such a year may name another one.
    if (Year < 1 || Year > 9999) detail::RaiseInvalidYear();
    // Remainders truncate toward zero, as C++ does; for years up to 0 they may be negative.
    const std::int32_t a = Year % 4;
    const std::int32_t b = Year % 7;
    const std::int32_t c = Year % 19;
    const std::int32_t d = (19 * c + 15) % 30;
    const std::int32_t e = (2 * a + 4 * b - d + 34) % 7;
    const std::int32_t f = d + e + 114;
    return EncodeReformedDate(static_cast<std::uint16_t>(Year), static_cast<std::uint16_t>(f / 31),
                              static_cast<std::uint16_t>(f % 31 + 1));
}

TDateTime EasterSunday(std::int32_t Year) {
    return Year >= 1583 ? GregorianEaster(Year) : JulianEaster(Year);
}

}  // namespace almanix
