// The process-wide format settings: separators, date and time patterns, month names and the
// century window of two-digit years. Parsing and formatting read them whenever no explicit
// settings record is passed. They start with English (United States) values; the windows load
// the user's locale into them at start and on a change of the system's regional settings.
#pragma once

#include <array>
#include <string>

namespace almanix {

struct TFormatSettings {
    // Between day, month and year; written for '/' in date patterns and expected by parsing.
    std::string DateSeparator = "/";
    // Pattern of DateToStr and of "ddddd" and "c"; its first d, m or y letter also fixes the
    // order in which StrToDate reads the numbers (day first, month first or year first).
    std::string ShortDateFormat = "M/d/yyyy";
    // Between hours, minutes and seconds; written for ':' in patterns and expected by parsing.
    std::string TimeSeparator = ":";
    // Decimal separator of FormatFloat and FloatToStr.
    std::string DecimalSeparator = ".";
    // Month names for "mmm", January first.
    std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Pattern of TimeToStr and of "tt" and "c".
    std::string LongTimeFormat = "h:mm:ss AMPM";
    // Morning and afternoon markers written for "ampm".
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    // A year parsed from one or two digits is placed in the 100 years starting
    // TwoDigitYearCenturyWindow years before the current year (0: the current century).
    int TwoDigitYearCenturyWindow = 50;
};

// The one settings record of the process. Reset it with FormatSettings = TFormatSettings{}.
inline TFormatSettings FormatSettings;

}  // namespace almanix
