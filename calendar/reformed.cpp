// Decoding of Julian days into the Julian, Gregorian and reformed calendars.
// Meeus, Astronomical Algorithms, 2nd ed., ch. 7 (calendar date from the Julian day).
#include "calendar/reformed.h"

#include "rtl/rounding.h"

namespace almanix {

namespace {

// Z = truncate(JD + 0.5), the day count of the civil day that contains JD. Raises for a
// negative JD; beyond 2^62 the sums below would leave the 64-bit range, which raises EInvalidOp
// as Trunc does for values it cannot represent.
std::int64_t CivilDayNumber(Extended JD) {
    if (JD < 0) throw EConvertError("Negative julian dates not supported");
    const std::int64_t z = Trunc(JD + 0.5L);
    if (z > (std::int64_t{1} << 62)) throw EInvalidOp();
    return z;
}

// Below this day count every step of the decoders is done in exact integer arithmetic: the
// quotients by 365.25, 30.6001 and 36524.25 are then either whole or at least 1/306001 away
// from a whole number, far beyond the rounding error of the extended division, so the
// integers are bit for bit those of the extended formulas, without the x87 rounding-mode
// switches that make each truncation slow. Larger counts take the extended formulas.
constexpr std::int64_t kExactLimit = std::int64_t{1} << 53;

// Common tail of both decoders; B is the day count shifted to the Julian calendar + 1524,
// at least 1486.
void DecodeShiftedDay(std::int64_t B, std::uint16_t& Year, std::uint16_t& Month,
                      std::uint16_t& Day) {
    std::int64_t c, d, e, day;
    if (B < kExactLimit) {
        c = (100 * B - 12210) / 36525;     // truncate((B - 122.1) / 365.25)
        d = 1461 * c / 4;                  // truncate(365.25 C)
        e = (B - d) * 10000 / 306001;      // truncate((B - D) / 30.6001), [4, 15]
        day = B - d - 306001 * e / 10000;  // B - D - truncate(30.6001 E)
    } else {
        c = Trunc((static_cast<Extended>(B) - 122.1L) / 365.25L);
        d = Trunc(365.25L * static_cast<Extended>(c));
        e = Trunc(static_cast<Extended>(B - d) / 30.6001L);
        day = B - d - Trunc(30.6001L * static_cast<Extended>(e));
    }
    const std::int64_t month = e < 14 ? e - 1 : e - 13;
    const std::int64_t year = e < 14 ? c - 4716 : c - 4715;
    // Unsigned 16-bit results, modulo 65536.
    Year = static_cast<std::uint16_t>(year);
    Month = static_cast<std::uint16_t>(month);
    Day = static_cast<std::uint16_t>(day);
}

}  // namespace

void DecodeJulianCalendarDay(Extended JD, std::uint16_t& Year, std::uint16_t& Month,
                             std::uint16_t& Day) {
    const std::int64_t z = CivilDayNumber(JD);
    DecodeShiftedDay(z + 1524, Year, Month, Day);
}

void DecodeGregorianCalendarDay(Extended JD, std::uint16_t& Year, std::uint16_t& Month,
                                std::uint16_t& Day) {
    const std::int64_t z = CivilDayNumber(JD);
    // truncate((Z - 1867216.25) / 36524.25), exactly as above
    const std::int64_t alpha = z < kExactLimit
                                   ? (4 * z - 7468865) / 146097
                                   : Trunc((static_cast<Extended>(z) - 1867216.25L) / 36524.25L);
    const std::int64_t a = z + 1 + alpha - alpha / 4;  // division truncates toward zero
    DecodeShiftedDay(a + 1524, Year, Month, Day);
}

void DecodeReformedJulianDay(Extended JD, std::uint16_t& Year, std::uint16_t& Month,
                             std::uint16_t& Day, Extended SwitchJD) {
    if (JD < 0) throw EConvertError("Negative julian dates not supported");
    if (JD < SwitchJD)
        DecodeJulianCalendarDay(JD, Year, Month, Day);
    else
        DecodeGregorianCalendarDay(JD, Year, Month, Day);
}

void DecodeReformedDate(TDateTime Date, std::uint16_t& Year, std::uint16_t& Month,
                        std::uint16_t& Day) {
    DecodeReformedJulianDay(DateToJulianDay(Date), Year, Month, Day, CalendarReformJD);
}

}  // namespace almanix
