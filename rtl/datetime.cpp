// Proleptic Gregorian dates and clock times as TDateTime values; the local clock.
#include "rtl/datetime.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <utility>

#include "rtl/exceptions.h"

namespace almanix {

namespace {

constexpr std::int64_t MSecsPerDay = 86400000;
constexpr std::int64_t FirstDay = -693593;  // 1 January 0001
constexpr std::int64_t LastDay = 2958465;   // 31 December 9999
constexpr std::int64_t UnixEpochDay = 25569;  // 1 January 1970

const char* const DateEncodeError = "Invalid argument to date encode";
const char* const DateDecodeError = "Invalid argument to date decode";
const char* const TimeEncodeError = "Invalid argument to time encode";

// Milliseconds since 30 December 1899 00:00, rounded to nearest (halves to even) as the
// x87 unit rounds; checked against the range 0001..9999.
std::int64_t MSecsOf(TDateTime value) {
    const Extended scaled = static_cast<Extended>(value) * MSecsPerDay;
    if (!(std::fabs(scaled) < 1e18L)) throw EConvertError(DateDecodeError);  // NaN, inf, huge
    const std::int64_t ms = std::llrint(scaled);  // default rounding mode: ties to even
    if (ms < FirstDay * MSecsPerDay || ms >= (LastDay + 1) * MSecsPerDay)
        throw EConvertError(DateDecodeError);
    return ms;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Howard Hinnant's civil_from_days, for days since 1 January 1970.
void CivilFromDays(std::int64_t z, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
    z += 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;                                  // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);           // [0, 365]
    const std::int64_t mp = (5 * doy + 2) / 153;                                // [0, 11]
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;                        // [1, 31]
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;                          // [1, 12]
    year = static_cast<std::uint16_t>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    month = static_cast<std::uint16_t>(m);
    day = static_cast<std::uint16_t>(d);
}

TDateTime SystemLocalTime() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&secs, &local);
    return EncodeDate(static_cast<std::uint16_t>(local.tm_year + 1900),
                      static_cast<std::uint16_t>(local.tm_mon + 1),
                      static_cast<std::uint16_t>(local.tm_mday)) +
           EncodeTime(static_cast<std::uint16_t>(local.tm_hour),
                      static_cast<std::uint16_t>(local.tm_min),
                      static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec),
                      static_cast<std::uint16_t>(ms < 0 ? 0 : ms));
}

LocalClock& InstalledClock() {
    static LocalClock clock = SystemLocalTime;
    return clock;
}

}  // namespace

bool IsLeapYear(std::uint16_t Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

std::uint16_t DaysInAMonth(std::uint16_t Year, std::uint16_t Month) {
    static constexpr std::uint16_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12) return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : lengths[Month - 1];
}

bool TryEncodeDate(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day, TDateTime& Value) {
    if (Year < 1 || Year > 9999 || Day < 1 || Day > DaysInAMonth(Year, Month)) return false;
    std::int64_t dayOfYear = Day;  // [1, 366]
    for (std::uint16_t m = 1; m < Month; ++m) dayOfYear += DaysInAMonth(Year, m);
    const std::int64_t y = Year - 1;  // full years before this one, [0, 9998]
    Value = static_cast<TDateTime>(y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear + FirstDay - 1);
    return true;
}

TDateTime EncodeDate(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day) {
    TDateTime value = 0;
    if (!TryEncodeDate(Year, Month, Day, value)) throw EConvertError(DateEncodeError);
    return value;
}

void DecodeDate(TDateTime Value, std::uint16_t& Year, std::uint16_t& Month, std::uint16_t& Day) {
    CivilFromDays(FloorDiv(MSecsOf(Value), MSecsPerDay) - UnixEpochDay, Year, Month, Day);
}

bool TryEncodeTime(std::uint16_t Hour, std::uint16_t Min, std::uint16_t Sec, std::uint16_t MSec,
                   TDateTime& Value) {
    if (Hour > 23 || Min > 59 || Sec > 59 || MSec > 999) return false;
    const std::int64_t ms = ((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec;
    Value = static_cast<TDateTime>(ms) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(std::uint16_t Hour, std::uint16_t Min, std::uint16_t Sec, std::uint16_t MSec) {
    TDateTime value = 0;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, value)) throw EConvertError(TimeEncodeError);
    return value;
}

void DecodeTime(TDateTime Value, std::uint16_t& Hour, std::uint16_t& Min, std::uint16_t& Sec,
                std::uint16_t& MSec) {
    const std::int64_t ms = MSecsOf(Value);
    std::int64_t ofDay = ms - FloorDiv(ms, MSecsPerDay) * MSecsPerDay;  // [0, 86399999]
    MSec = static_cast<std::uint16_t>(ofDay % 1000);
    ofDay /= 1000;
    Sec = static_cast<std::uint16_t>(ofDay % 60);
    ofDay /= 60;
    Min = static_cast<std::uint16_t>(ofDay % 60);
    Hour = static_cast<std::uint16_t>(ofDay / 60);
}

LocalClock SetLocalClock(LocalClock clock) {
    LocalClock previous = std::exchange(InstalledClock(), clock ? std::move(clock) : SystemLocalTime);
    return previous;
}

TDateTime Now() { return InstalledClock()(); }

TDateTime Date() { return std::floor(Now()); }

TDateTime Time() {
    const TDateTime now = Now();
    return now - std::floor(now);
}

std::uint16_t CurrentYear() {
    std::uint16_t year = 0, month = 0, day = 0;
    DecodeDate(Now(), year, month, day);
    return year;
}

}  // namespace almanix
