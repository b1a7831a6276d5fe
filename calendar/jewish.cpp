// Jewish calendar from Gauss's Pesach formula (C. F. Gauss, "Berechnung des jüdischen
// Osterfestes", 1802), with the year length taken from two consecutive Pesach dates.
#include "calendar/jewish.h"

#include "calendar/reformed.h"
#include "rtl/exceptions.h"
#include "rtl/rounding.h"

namespace almanix {

namespace {

constexpr int kTishriAfterPesach = 163;  // days from 15 Nisan to the next 1 Tishri
constexpr TDateTime kLastCivilDay = EncodeReformedDate(9999, 12, 31);

std::uint16_t MonthLength(std::uint16_t Month, int Type) {
    return JewishMonthLengths[Month - 1][static_cast<std::size_t>(Type)];
}

// 1 Tishri of Jewish year CivilYear + 3761.
TDateTime TishriAfterPesach(std::int32_t CivilYear) {
    return PesachDate(CivilYear) + kTishriAfterPesach;
}

}  // namespace

TDateTime PesachDate(std::int32_t Year) {
    if (Year < 359) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    const std::int64_t A = Year;
    const std::int64_t S = A >= 1583 ? (3 * (A / 100) - 5) / 4 : 0;  // Gregorian correction
    const std::int64_t a = (12 * A + 12) % 19;                       // [0, 18]
    const std::int64_t b = A % 4;                                    // [0, 3]
    const Extended Q = 1.554241796621L * static_cast<Extended>(a) - 1.904412361576L +
                       0.25L * static_cast<Extended>(b) -
                       0.003177794022L * static_cast<Extended>(A) + static_cast<Extended>(S);
    const std::int64_t I = Floor(Q);  // Q is negative in some Julian years (360, 368)
    const Extended r = Q - static_cast<Extended>(I);         // [0, 1)
    const std::int64_t j = (I + 3 * A + 5 * b + 2 - S) % 7;  // the sum is positive here

    std::int64_t D;  // day of 15 Nisan counted from 1 March
    if (j == 2 || j == 4 || j == 6)
        D = I + 23;
    else if (j == 1 && a > 6 && r >= 0.63287037L)
        D = I + 24;
    else if (j == 0 && a > 11 && r >= 0.897723765L)
        D = I + 23;
    else
        D = I + 22;
    return EncodeReformedDate(static_cast<std::uint16_t>(Year), 3, 1) +
           static_cast<TDateTime>(D - 1);
}

int JewishYearType(std::uint16_t Year) {
    const TDateTime next = PesachDate(Year - 3760);
    const TDateTime current = PesachDate(Year - 3761);
    const std::int64_t length = Round(next - current);
    for (int type = 0; type < static_cast<int>(JewishYearLengths.size()); ++type)
        if (JewishYearLengths[static_cast<std::size_t>(type)] == length) return type;
    return 0;
}

TDateTime JewishToDate(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day) {
    const int type = JewishYearType(Year);
    if (Month < 1 || Month > 13) throw EConvertError("Invalid month");
    if (Month == 13 && type < 3) throw EConvertError("Invalid month");
    if (Day < 1 || Day > MonthLength(Month, type)) throw EConvertError("Invalid day");

    // Days of the months before Month, walking from Tishri: 7, 8, ..., 13, 1, ..., 5.
    std::int64_t offset = Day - 1;
    const int monthsBefore = (Month + 6) % 13;  // [0, 12]
    for (int k = 1; k <= monthsBefore; ++k)
        offset += MonthLength(static_cast<std::uint16_t>((k + 5) % 13 + 1), type);
    return TishriAfterPesach(Year - 3761) + static_cast<TDateTime>(offset);
}

void DateToJewish(TDateTime Date, std::uint16_t& Year, std::uint16_t& Month, std::uint16_t& Day) {
    const auto X = static_cast<TDateTime>(Floor(Date));
    // The decoded civil year wraps modulo 65536: past 9999 it would name another year.
    if (X > kLastCivilDay) detail::RaiseInvalidYear();
    std::uint16_t civilYear = 0;
    std::uint16_t civilMonth = 0;
    std::uint16_t civilDay = 0;
    DecodeReformedDate(X, civilYear, civilMonth, civilDay);

    std::int32_t year = civilYear + 3761;
    TDateTime start = TishriAfterPesach(civilYear);
    if (start > X) {
        year = civilYear + 3760;
        start = TishriAfterPesach(civilYear - 1);
    }
    const int type = JewishYearType(static_cast<std::uint16_t>(year));

    // Walk the months from Tishri; Adar 2 has no days in a common year and is passed over.
    // The months of one year hold every day of it, so thirteen steps always suffice.
    std::uint16_t month = 7;
    std::int64_t day = Round(X - start) + 1;
    for (int step = 0; MonthLength(month, type) < day; ++step) {
        if (step == 13) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
        day -= MonthLength(month, type);
        month = static_cast<std::uint16_t>(month % 13 + 1);
    }
    Year = static_cast<std::uint16_t>(year);
    Month = month;
    Day = static_cast<std::uint16_t>(day);
}

}  // namespace almanix
