// Date and date-time parsing and pattern formatting.
#include "rtl/date_format.h"

#include <cstdint>
#include <string_view>

#include "rtl/datetime.h"
#include "rtl/exceptions.h"

namespace almanix {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view prefix) {
    if (text.size() - pos < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (AsciiUpper(text[pos + i]) != AsciiUpper(prefix[i])) return false;
    return true;
}

std::string Padded(unsigned number, int digits) {
    std::string text = std::to_string(number);
    if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

// One call of FormatDateTime. Date and time fields are decoded once, on first use.
class DateTimeWriter {
public:
    DateTimeWriter(const std::string& pattern, TDateTime value, const TFormatSettings& settings)
        : pattern_(pattern), value_(value), settings_(settings) {}

    std::string Run() {
        Append(pattern_);
        return std::move(out_);
    }

private:
    // Nested patterns (ddddd, tt, c) go two levels deep at most, so a short date format that
    // names itself cannot recurse without end.
    static constexpr int MaxLevel = 2;

    void Append(std::string_view format) {
        if (level_ >= MaxLevel) return;
        ++level_;
        char lastToken = ' ';
        bool use12Hour = false;
        std::size_t i = 0;
        while (i < format.size()) {
            const char starter = format[i++];
            const std::size_t count = CountRun(format, i, starter);
            char token = AsciiUpper(starter);
            if (IsAsciiLetter(starter)) {
                if (token == 'M' && lastToken == 'H') token = 'N';
                lastToken = token;
            }
            switch (token) {
                case 'Y':
                    i += count - 1;
                    DecodeDateOnce();
                    out_ += count <= 2 ? Padded(year_ % 100, 2) : Padded(year_, 4);
                    break;
                case 'M':
                    i += count - 1;
                    DecodeDateOnce();
                    if (count <= 2) out_ += Padded(month_, static_cast<int>(count));
                    else if (count == 3) out_ += settings_.ShortMonthNames[month_ - 1];
                    else Unsupported();
                    break;
                case 'D':
                    i += count - 1;
                    if (count <= 2) {
                        DecodeDateOnce();
                        out_ += Padded(day_, static_cast<int>(count));
                    } else if (count == 5) {
                        Append(settings_.ShortDateFormat);
                    } else {
                        Unsupported();
                    }
                    break;
                case 'H': {
                    i += count - 1;
                    DecodeTimeOnce();
                    if (AmPmFollows(format, i)) use12Hour = true;
                    unsigned hour = hour_;
                    if (use12Hour) hour = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
                    out_ += Padded(hour, count > 2 ? 2 : static_cast<int>(count));
                    break;
                }
                case 'N':
                    i += count - 1;
                    DecodeTimeOnce();
                    out_ += Padded(minute_, count > 2 ? 2 : static_cast<int>(count));
                    break;
                case 'S':
                    i += count - 1;
                    DecodeTimeOnce();
                    out_ += Padded(second_, count > 2 ? 2 : static_cast<int>(count));
                    break;
                case 'T':
                    i += count - 1;
                    if (count == 1) Unsupported();
                    Append(settings_.LongTimeFormat);
                    break;
                case 'C':
                    i += count - 1;
                    Append(settings_.ShortDateFormat);
                    DecodeTimeOnce();
                    if (hour_ != 0 || minute_ != 0 || second_ != 0) {
                        out_ += ' ';
                        Append(settings_.LongTimeFormat);
                    }
                    break;
                case 'A': {
                    bool marker = false;
                    i = AppendAmPm(format, i - 1, marker);
                    use12Hour = use12Hour || marker;
                    break;
                }
                case 'Z':
                case 'G':
                case 'E':
                    Unsupported();
                    break;
                case '/':
                    out_ += settings_.DateSeparator;
                    break;
                case ':':
                    out_ += settings_.TimeSeparator;
                    break;
                case '\'':
                case '"': {
                    const std::size_t close = format.find(starter, i);
                    const std::size_t end = close == std::string_view::npos ? format.size() : close;
                    out_ += format.substr(i, end - i);
                    i = close == std::string_view::npos ? end : end + 1;
                    break;
                }
                default:
                    out_ += starter;
                    break;
            }
        }
        --level_;
    }

    // Length of the run of `starter` that began just before position i (case-sensitive).
    static std::size_t CountRun(std::string_view format, std::size_t i, char starter) {
        std::size_t count = 1;
        while (i < format.size() && format[i] == starter) ++i, ++count;
        return count;
    }

    // Whether an am/pm marker comes later in the pattern before the next hour letter
    // (quoted text skipped); it switches the hour to the 12-hour clock.
    static bool AmPmFollows(std::string_view format, std::size_t i) {
        bool quoted = false;
        for (; i < format.size(); ++i) {
            const char c = format[i];
            if (c == '\'' || c == '"') quoted = !quoted;
            if (quoted) continue;
            if (c == 'h' || c == 'H') return false;
            if (c == 'a' || c == 'A')
                return StartsWithNoCase(format, i, "am/pm") || StartsWithNoCase(format, i, "a/p") ||
                       StartsWithNoCase(format, i, "ampm");
        }
        return false;
    }

    // Writes the marker that starts at position at and returns the position after it; marker
    // tells whether it was one. A lone 'a' is literal text; day names ("aaa") are unsupported.
    std::size_t AppendAmPm(std::string_view format, std::size_t at, bool& marker) {
        const bool isMarker = StartsWithNoCase(format, at, "am/pm") ||
                              StartsWithNoCase(format, at, "a/p") || StartsWithNoCase(format, at, "ampm");
        if (StartsWithNoCase(format, at, "aaa")) Unsupported();
        marker = isMarker;
        if (!isMarker) {
            out_ += format[at];
            return at + 1;
        }
        DecodeTimeOnce();
        const bool pm = hour_ >= 12;
        if (StartsWithNoCase(format, at, "am/pm")) {
            out_ += format.substr(pm ? at + 3 : at, 2);
            return at + 5;
        }
        if (StartsWithNoCase(format, at, "a/p")) {
            out_ += format[pm ? at + 2 : at];
            return at + 3;
        }
        out_ += pm ? settings_.TimePMString : settings_.TimeAMString;  // "ampm"
        return at + 4;
    }

    void DecodeDateOnce() {
        if (dateDecoded_) return;
        DecodeDate(value_, year_, month_, day_);
        dateDecoded_ = true;
    }

    void DecodeTimeOnce() {
        if (timeDecoded_) return;
        std::uint16_t msec = 0;
        DecodeTime(value_, hour_, minute_, second_, msec);
        timeDecoded_ = true;
    }

    [[noreturn]] void Unsupported() const {
        throw EConvertError("Unsupported date format '" + pattern_ + "'");
    }

    const std::string& pattern_;
    TDateTime value_;
    const TFormatSettings& settings_;
    std::string out_;
    int level_ = 0;
    bool dateDecoded_ = false;
    bool timeDecoded_ = false;
    std::uint16_t year_ = 0, month_ = 0, day_ = 0;
    std::uint16_t hour_ = 0, minute_ = 0, second_ = 0;
};

enum class DateOrder { MDY, DMY, YMD };

// The first d, m or y letter of the short date format decides; month first by default.
DateOrder DateOrderOf(const std::string& shortDateFormat) {
    for (const char c : shortDateFormat) {
        switch (AsciiUpper(c)) {
            case 'Y': return DateOrder::YMD;
            case 'M': return DateOrder::MDY;
            case 'D': return DateOrder::DMY;
            default: break;
        }
    }
    return DateOrder::MDY;
}

// Reads a date-time text from left to right; blanks are skipped before every number and
// separator.
class DateTimeScanner {
public:
    DateTimeScanner(std::string_view text, const TFormatSettings& settings)
        : text_(text), settings_(settings) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    // Two or three numbers separated by the date separator.
    bool ScanDate(TDateTime& date) {
        unsigned n1 = 0, n2 = 0, n3 = 0;
        std::size_t len1 = 0, len3 = 0;
        if (!(ScanNumber(n1, len1) && ScanSeparator(settings_.DateSeparator))) return false;
        std::size_t len2 = 0;
        if (!ScanNumber(n2, len2)) return false;
        const DateOrder order = DateOrderOf(settings_.ShortDateFormat);
        int year = 0;
        unsigned month = 0, day = 0;
        if (ScanSeparator(settings_.DateSeparator)) {
            if (!ScanNumber(n3, len3)) return false;
            std::size_t yearLength = len3;
            switch (order) {
                case DateOrder::MDY: year = static_cast<int>(n3); month = n1; day = n2; break;
                case DateOrder::DMY: year = static_cast<int>(n3); month = n2; day = n1; break;
                case DateOrder::YMD:
                    year = static_cast<int>(n1); month = n2; day = n3; yearLength = len1;
                    break;
            }
            if (yearLength <= 2) year = WindowedYear(year);
        } else {
            year = CurrentYear();
            month = order == DateOrder::DMY ? n2 : n1;
            day = order == DateOrder::DMY ? n1 : n2;
        }
        if (year < 1 || year > 9999 || month > 12 || day > 31) return false;
        return TryEncodeDate(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                             static_cast<std::uint16_t>(day), date);
    }

    // Hours, optionally minutes and seconds, separated by the time separator.
    bool ScanTime(TDateTime& time) {
        unsigned hour = 0, minute = 0, second = 0;
        std::size_t length = 0;
        if (!ScanNumber(hour, length)) return false;
        if (ScanSeparator(settings_.TimeSeparator)) {
            if (!ScanNumber(minute, length)) return false;
            if (ScanSeparator(settings_.TimeSeparator) && !ScanNumber(second, length)) return false;
        }
        ScanBlanks();
        if (hour > 23 || minute > 59 || second > 59) return false;
        return TryEncodeTime(static_cast<std::uint16_t>(hour), static_cast<std::uint16_t>(minute),
                             static_cast<std::uint16_t>(second), 0, time);
    }

private:
    void ScanBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    // Unsigned decimal digits; reading stops once the number has reached 1000, so a fifth
    // digit is left over (and fails the parse) unless leading zeros came first.
    bool ScanNumber(unsigned& number, std::size_t& length) {
        ScanBlanks();
        const std::size_t start = pos_;
        unsigned n = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && n < 1000)
            n = n * 10 + static_cast<unsigned>(text_[pos_++] - '0');
        if (pos_ == start) return false;
        number = n;
        length = pos_ - start;
        return true;
    }

    bool ScanSeparator(const std::string& separator) {
        ScanBlanks();
        if (separator.empty() || text_.substr(pos_, separator.size()) != separator) return false;
        pos_ += separator.size();
        return true;
    }

    // A one- or two-digit year moved into the century window around the current year.
    int WindowedYear(int year) const {
        const int window = settings_.TwoDigitYearCenturyWindow;
        const int centuryBase = CurrentYear() - window;
        year += centuryBase / 100 * 100;
        if (window > 0 && year < centuryBase) year += 100;
        return year;
    }

    std::string_view text_;
    const TFormatSettings& settings_;
    std::size_t pos_ = 0;
};

bool TryStrToTime(const std::string& S, TDateTime& Value, const TFormatSettings& Settings) {
    DateTimeScanner scanner(S, Settings);
    TDateTime time = 0;
    if (!scanner.ScanTime(time) || !scanner.AtEnd()) return false;
    Value = time;
    return true;
}

}  // namespace

std::string FormatDateTime(const std::string& Pattern, TDateTime Value, const TFormatSettings& Settings) {
    return DateTimeWriter(Pattern, Value, Settings).Run();
}

std::string FormatDateTime(const std::string& Pattern, TDateTime Value) {
    return FormatDateTime(Pattern, Value, FormatSettings);
}

std::string DateToStr(TDateTime Value, const TFormatSettings& Settings) {
    return FormatDateTime("ddddd", Value, Settings);
}

std::string DateToStr(TDateTime Value) { return DateToStr(Value, FormatSettings); }

std::string TimeToStr(TDateTime Value, const TFormatSettings& Settings) {
    return FormatDateTime("tt", Value, Settings);
}

std::string TimeToStr(TDateTime Value) { return TimeToStr(Value, FormatSettings); }

std::string DateTimeToStr(TDateTime Value, const TFormatSettings& Settings) {
    return FormatDateTime("c", Value, Settings);
}

std::string DateTimeToStr(TDateTime Value) { return DateTimeToStr(Value, FormatSettings); }

bool TryStrToDate(const std::string& S, TDateTime& Value, const TFormatSettings& Settings) {
    DateTimeScanner scanner(S, Settings);
    TDateTime date = 0;
    if (!scanner.ScanDate(date) || !scanner.AtEnd()) return false;
    Value = date;
    return true;
}

bool TryStrToDate(const std::string& S, TDateTime& Value) {
    return TryStrToDate(S, Value, FormatSettings);
}

TDateTime StrToDate(const std::string& S, const TFormatSettings& Settings) {
    TDateTime value = 0;
    if (!TryStrToDate(S, value, Settings)) throw EConvertError("'" + S + "' is not a valid date");
    return value;
}

TDateTime StrToDate(const std::string& S) { return StrToDate(S, FormatSettings); }

bool TryStrToDateTime(const std::string& S, TDateTime& Value, const TFormatSettings& Settings) {
    DateTimeScanner scanner(S, Settings);
    TDateTime date = 0, time = 0;
    if (scanner.ScanDate(date) && (scanner.AtEnd() || (scanner.ScanTime(time) && scanner.AtEnd()))) {
        Value = date + time;
        return true;
    }
    return TryStrToTime(S, Value, Settings);
}

bool TryStrToDateTime(const std::string& S, TDateTime& Value) {
    return TryStrToDateTime(S, Value, FormatSettings);
}

TDateTime StrToDateTime(const std::string& S, const TFormatSettings& Settings) {
    TDateTime value = 0;
    if (!TryStrToDateTime(S, value, Settings))
        throw EConvertError("'" + S + "' is not a valid date and time");
    return value;
}

TDateTime StrToDateTime(const std::string& S) { return StrToDateTime(S, FormatSettings); }

}  // namespace almanix
