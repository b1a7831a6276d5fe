// Date and date-time parsing and pattern formatting.
#include <gtest/gtest.h>

#include <string>

#include "rtl/date_format.h"
#include "rtl/datetime.h"
#include "rtl/exceptions.h"
#include "rtl/format_settings.h"

namespace almanix {
namespace {

// English settings and a clock fixed at 15 June 2024, 10:30, so that neither the machine's
// locale nor its date matters (the century window follows the clock's year).
class RtlDateFormat : public ::testing::Test {
protected:
    void SetUp() override {
        FormatSettings = TFormatSettings{};
        SetClockYear(2024);
    }
    void TearDown() override {
        SetLocalClock(previous_);
        FormatSettings = TFormatSettings{};
    }
    void SetClockYear(std::uint16_t year) {
        const TDateTime now = EncodeDate(year, 6, 15) + EncodeTime(10, 30, 0, 0);
        LocalClock before = SetLocalClock([now] { return now; });
        if (!previous_) previous_ = std::move(before);
    }
    LocalClock previous_;
};

TDateTime D(std::uint16_t y, std::uint16_t m, std::uint16_t d) { return EncodeDate(y, m, d); }
TDateTime T(std::uint16_t h, std::uint16_t m, std::uint16_t s = 0) { return EncodeTime(h, m, s, 0); }

// The converter's Gregorian conversion: separator "/" and pattern "mm/dd/yyyy", the text
// built as month/day/year from its spin fields.
TEST_F(RtlDateFormat, StrToDateMonthFirst) {
    FormatSettings.DateSeparator = "/";
    FormatSettings.ShortDateFormat = "mm/dd/yyyy";
    struct Case {
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"2/29/2000", D(2000, 2, 29)},     {"12/25/2002", D(2002, 12, 25)},
        {"1/1/999", D(999, 1, 1)},         {"2/29/1600", D(1600, 2, 29)},
        {"12/31/9999", D(9999, 12, 31)},   {"1/1/0099", D(99, 1, 1)},  // four characters: as written
        {"1/1/100", D(100, 1, 1)},         {"01/05/2002", D(2002, 1, 5)},
        {" 2 / 29 / 2000", D(2000, 2, 29)}, {"3/15", D(2024, 3, 15)},  // no year: the current one
        // One or two digits: the year from 1974 to 2073 (50 years before 2024 to 49 after).
        {"1/1/74", D(1974, 1, 1)},         {"1/1/73", D(2073, 1, 1)},
        {"1/1/99", D(1999, 1, 1)},         {"1/1/0", D(2000, 1, 1)},
        {"1/1/1", D(2001, 1, 1)},          {"1/1/24", D(2024, 1, 1)},
    };
    for (const Case& c : cases) EXPECT_EQ(StrToDate(c.text), c.expected) << c.text;
}

TEST_F(RtlDateFormat, StrToDateRejectsInvalidDatesAndText) {
    FormatSettings.DateSeparator = "/";
    FormatSettings.ShortDateFormat = "mm/dd/yyyy";
    const char* const invalid[] = {
        "2/30/2001", "2/29/2001", "2/29/1900", "2/29/1500", "4/31/2002", "13/1/2000", "0/1/2000",
        "1/0/2000",  "1/32/2000", "1/1/0000",  "1/1/10000", "",          "abc",       "1-1-2000",
        "1/1/2000x", "1/-5/2000", "-1/1/2000", "1/",        "1/1/",      "1.5/1/2000",
    };
    for (const char* text : invalid) {
        try {
            StrToDate(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid date");
        }
    }
}

TEST_F(RtlDateFormat, StrToDateFollowsPatternOrderAndSeparator) {
    struct Case {
        const char* pattern;
        const char* separator;
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"dd/mm/yyyy", "/", "25/12/2002", D(2002, 12, 25)},
        {"d.M.yyyy", ".", "25.12.2002", D(2002, 12, 25)},
        {"yyyy-MM-dd", "-", "2002-12-25", D(2002, 12, 25)},
        {"yy-MM-dd", "-", "02-12-25", D(2002, 12, 25)},
        {"'day' dd/mm/yyyy", "/", "25/12/2002", D(2002, 12, 25)},  // first d, m or y decides
        {"dd/mm/yyyy", "/", "5/3", D(2024, 3, 5)},
    };
    for (const Case& c : cases) {
        FormatSettings.ShortDateFormat = c.pattern;
        FormatSettings.DateSeparator = c.separator;
        EXPECT_EQ(StrToDate(c.text), c.expected) << c.pattern << ": " << c.text;
    }
    FormatSettings.DateSeparator = "-";
    EXPECT_THROW(StrToDate("2002/12/25"), EConvertError);
}

TEST_F(RtlDateFormat, CenturyWindowFollowsClockAndSetting) {
    FormatSettings.ShortDateFormat = "m/d/yyyy";
    SetClockYear(2060);  // window 2010 to 2109
    EXPECT_EQ(StrToDate("1/1/10"), D(2010, 1, 1));
    EXPECT_EQ(StrToDate("1/1/09"), D(2109, 1, 1));
    FormatSettings.TwoDigitYearCenturyWindow = 0;  // the current century
    EXPECT_EQ(StrToDate("1/1/09"), D(2009, 1, 1));
    EXPECT_EQ(StrToDate("1/1/99"), D(2099, 1, 1));
}

// The Moon window's update: "M/D/Y hh:mm" from the spin fields and the time mask.
TEST_F(RtlDateFormat, StrToDateTime) {
    FormatSettings.DateSeparator = "/";
    FormatSettings.ShortDateFormat = "m/d/yyyy";
    struct Case {
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"1/5/2002 10:30", D(2002, 1, 5) + T(10, 30)},
        {"1/5/2002  7:05", D(2002, 1, 5) + T(7, 5)},  // blank first hour digit of the mask
        {"1/5/2002 23:59", D(2002, 1, 5) + T(23, 59)},
        {"1/5/2002 00:00", D(2002, 1, 5)},
        {"1/5/2002 10:30:15", D(2002, 1, 5) + T(10, 30, 15)},
        {"1/5/2002", D(2002, 1, 5)},
        {"1/5/2002 7", D(2002, 1, 5) + T(7, 0)},
        {"1/5/1500 06:00", D(1500, 1, 5) + 0.25},  // before 1899: still date + time
        {"10:30", T(10, 30)},                      // no date: a time alone
    };
    for (const Case& c : cases) EXPECT_EQ(StrToDateTime(c.text), c.expected) << c.text;

    FormatSettings.TimeSeparator = ".";
    EXPECT_EQ(StrToDateTime("1/5/2002 10.30"), D(2002, 1, 5) + T(10, 30));
    EXPECT_THROW(StrToDateTime("1/5/2002 10:30"), EConvertError);
}

TEST_F(RtlDateFormat, StrToDateTimeRejectsInvalidText) {
    FormatSettings.DateSeparator = "/";
    FormatSettings.ShortDateFormat = "m/d/yyyy";
    const char* const invalid[] = {
        "1/5/2002   :  ",  // the empty time mask
        "1/5/2002 24:00", "1/5/2002 10:60", "1/5/2002 10:30:60", "2/30/2001 10:00",
        "4/31/2002 10:00", "1/5/2002 10:",  "1/5/2002 10:30x",   "1/5/2002 :30",
        "",               "25:00",
    };
    for (const char* text : invalid) {
        try {
            StrToDateTime(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid date and time");
        }
    }
}

TEST_F(RtlDateFormat, FormatDateTimePatterns) {
    struct Case {
        const char* pattern;
        TDateTime value;
        const char* expected;
    };
    const TDateTime christmas = D(2002, 12, 25) + T(14, 5, 9);
    const Case cases[] = {
        {"mmm dd yyyy", D(2002, 1, 5), "Jan 05 2002"},
        {"mmm d yyyy", D(2002, 1, 5) + 0.5, "Jan 5 2002"},
        {"hh:mm:ss", D(2000, 1, 21) + T(4, 45, 2), "04:45:02"},  // mm after hh: minutes
        {"hh:mm", christmas, "14:05"},
        {"h:m", D(2000, 3, 20) + T(7, 5), "7:5"},
        {"dd/mm/yyyy hh:nn", christmas, "25/12/2002 14:05"},
        {"mm/dd/yyyy", christmas, "12/25/2002"},
        {"m/d/yy", christmas, "12/25/02"},
        {"y yyy", christmas, "02 2002"},
        {"mm", christmas, "12"},                    // no hour before: month
        {"h 'h' mm", christmas, "14 h 05"},          // quotes keep the hour token before mm
        {"hh:mm:mm", christmas, "14:05:12"},        // only the m right after h is minutes
        {"'Day' d \"mm\" mm", christmas, "Day 25 mm 12"},
        {"h:nn AMPM", christmas, "2:05 PM"},
        {"h:nn ampm", D(2002, 1, 5) + T(0, 30), "12:30 AM"},
        {"h:nn AMPM", D(2002, 1, 5) + T(12, 0), "12:00 PM"},
        {"hh:nn am/pm", christmas, "02:05 pm"},
        {"h A/P", D(2002, 1, 5) + T(9, 0), "9 A"},
        {"xa ha", D(2002, 1, 5) + T(9, 0), "xa 9a"},  // a lone a is text: 24-hour clock
        {"hh:nn", D(2002, 1, 5) + T(10, 29, 59) + 0.6 / 86400, "10:29"},  // truncated
        {"mmm d yyyy hh:mm:ss", D(2002, 1, 5) + 0.99999999999, "Jan 6 2002 00:00:00"},
        {"mmm d yyyy h:m", D(1500, 3, 20) + 0.3, "Mar 20 1500 7:12"},
        {"mmm d yyyy h:m", D(1500, 3, 20) - 0.3, "Mar 19 1500 16:48"},
        {"yyyy-mm-dd", -693593, "0001-01-01"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, c.value), c.expected) << c.pattern;
}

TEST_F(RtlDateFormat, FormatDateTimeUsesTheSettings) {
    const TDateTime christmas = D(2002, 12, 25) + T(14, 5, 9);
    FormatSettings.DateSeparator = ".";
    FormatSettings.TimeSeparator = "h";
    FormatSettings.ShortMonthNames[1] = "févr.";
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", christmas), "25.12.2002 14h05");
    EXPECT_EQ(FormatDateTime("d mmm yyyy", D(2002, 2, 1)), "1 févr. 2002");
    TFormatSettings own;
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", christmas, own), "25/12/2002 14:05");
}

// The splash caption: separator " " and pattern "mmm dd yyyy", today's date.
TEST_F(RtlDateFormat, DateToStrUsesTheShortDateFormat) {
    FormatSettings.DateSeparator = " ";
    FormatSettings.ShortDateFormat = "mmm dd yyyy";
    EXPECT_EQ(DateToStr(D(2002, 1, 5)), "Jan 05 2002");
    EXPECT_EQ(DateToStr(Date()), "Jun 15 2024");
    FormatSettings.ShortDateFormat = "m/d/yyyy";
    EXPECT_EQ(DateToStr(D(2002, 1, 5)), "1 5 2002");
}

TEST_F(RtlDateFormat, TimeToStrUsesTheLongTimeFormat) {
    const TDateTime value = D(2002, 12, 25) + T(14, 5, 9);
    EXPECT_EQ(TimeToStr(value), "2:05:09 PM");  // English default
    FormatSettings.LongTimeFormat = "hh:mm:ss";
    EXPECT_EQ(TimeToStr(value), "14:05:09");
    FormatSettings.TimeSeparator = ".";
    EXPECT_EQ(TimeToStr(value), "14.05.09");
}

// Date and time of the Moon window: the time is left out exactly at midnight.
TEST_F(RtlDateFormat, DateTimeToStrLeavesOutMidnight) {
    FormatSettings.ShortDateFormat = "mmm d yyyy";
    FormatSettings.LongTimeFormat = "hh:mm:ss";
    EXPECT_EQ(DateTimeToStr(D(2000, 1, 21) + T(4, 45, 2)), "Jan 21 2000 04:45:02");
    EXPECT_EQ(DateTimeToStr(D(2000, 1, 21)), "Jan 21 2000");
    EXPECT_EQ(DateTimeToStr(D(2000, 1, 21) + 0.4 / 86400), "Jan 21 2000");  // milliseconds only
    FormatSettings.LongTimeFormat = "h:m";
    EXPECT_EQ(DateTimeToStr(D(2000, 3, 20) + T(7, 5)), "Mar 20 2000 7:5");
}

TEST_F(RtlDateFormat, FormatDateTimeFailures) {
    const char* const unsupported[] = {"ddd", "dddd", "dddddd", "mmmm", "t", "hh:nn:ss.zzz", "aaa", "gg"};
    for (const char* pattern : unsupported) {
        try {
            FormatDateTime(pattern, 36526.5);
            ADD_FAILURE() << "accepted " << pattern;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Unsupported date format '" + std::string(pattern) + "'");
        }
    }
    EXPECT_THROW(FormatDateTime("yyyy", -700000), EConvertError);
    EXPECT_THROW(FormatDateTime("yyyy", 3e6), EConvertError);
    // A short date format naming itself stops after two levels instead of recursing.
    FormatSettings.ShortDateFormat = "ddddd";
    EXPECT_EQ(DateToStr(36526), "");
}

}  // namespace
}  // namespace almanix
