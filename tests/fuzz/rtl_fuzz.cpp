// Fuzz target for the run-time layer: date and time parsing (StrToDate, StrToDateTime) with
// hostile settings, date formatting by any pattern (FormatDateTime) and number formatting
// (FormatFloat, FloatToStr) of any value.
//
// Contract: a parsed value is a real day of the years 1..9999 that formats and parses back to
// itself; a formatted number reads back as the value it was given; every failure is an
// EConvertError with its documented message, or EInvalidOp for a NaN or infinite number.
#include <cmath>
#include <cstdlib>
#include <string>

#include "rtl/date_format.h"
#include "rtl/datetime.h"
#include "rtl/number_format.h"
#include "tests/fuzz/fuzz_input.h"

using namespace almanix;
using namespace almanix::fuzz;

namespace {

constexpr double kFirstDay = -693593.0;  // 1 January 0001
constexpr double kLastDay = 2958465.0;   // 31 December 9999

TFormatSettings HostileSettings(FuzzInput& in) {
    static const char* const kOrders[] = {"M/d/yyyy", "d/M/yyyy", "yyyy/M/d", "dd/mm/yy", "ddddd",
                                          "c", "", "yy"};
    static const char* const kSeparators[] = {"/", ".", "-", " ", "", "//", "1", ":"};
    TFormatSettings s;
    const std::uint8_t b = in.Byte();
    s.ShortDateFormat = b & 0x80 ? in.Text(12) : kOrders[b % 8];
    s.DateSeparator = kSeparators[in.Byte() % 8];
    s.TimeSeparator = kSeparators[(in.Byte() + 7) % 8];
    const std::uint8_t t = in.Byte();
    if (t & 0x80) s.LongTimeFormat = in.Text(8);
    s.TwoDigitYearCenturyWindow = static_cast<std::int8_t>(in.Byte());
    return s;
}

// A text that reads as a date in the year-first order with '/' and back.
TFormatSettings YearFirst() {
    TFormatSettings s;
    s.ShortDateFormat = "yyyy/M/d";
    s.DateSeparator = "/";
    return s;
}

void CheckWholeDay(TDateTime v, const std::string& call) {
    Check(std::isfinite(v) && v == std::floor(v) && v >= kFirstDay && v <= kLastDay,
          call + " returned " + Show(v) + ", not a day of the years 1..9999");
    const std::string text = FormatDateTime("yyyy/mm/dd", v, YearFirst());
    const TDateTime back = StrToDate(text, YearFirst());
    Check(back == v, call + " gave " + Show(v) + " which formats as " + text + " and reads back as " + Show(back));
}

void ParseDate(FuzzInput& in) {
    const TFormatSettings s = HostileSettings(in);
    const std::string text = in.Text(300);
    try {
        CheckWholeDay(StrToDate(text, s), "StrToDate('" + text + "')");
    } catch (const EConvertError& e) {
        CheckMessage(e, {"'" + text + "' is not a valid date"}, "StrToDate");
    }
}

void ParseDateTime(FuzzInput& in) {
    const TFormatSettings s = HostileSettings(in);
    const std::string text = in.Text(300);
    TDateTime v;
    try {
        v = StrToDateTime(text, s);
    } catch (const EConvertError& e) {
        CheckMessage(e, {"'" + text + "' is not a valid date and time"}, "StrToDateTime");
        return;
    }
    const std::string call = "StrToDateTime('" + text + "') = " + Show(v);
    const double day = std::floor(v);
    Check(std::isfinite(v) && day >= kFirstDay && day <= kLastDay, call + ": not in the years 1..9999");
    // A parsed time has whole seconds, so decoding and encoding again gives the same value.
    std::uint16_t y, m, d, hh, mm, ss, ms;
    DecodeDate(v, y, m, d);
    DecodeTime(v, hh, mm, ss, ms);
    Check(ms == 0, call + ": milliseconds from a parsed time");
    const TDateTime again = EncodeDate(y, m, d) + EncodeTime(hh, mm, ss, 0);
    Check(std::fabs(again - v) < 1e-6, call + ": decodes to " + Show(again));
}

void FormatDate(FuzzInput& in) {
    const TFormatSettings s = HostileSettings(in);
    const TDateTime v = in.DateTime();
    const std::string pattern = in.Text(64);
    try {
        const std::string out = FormatDateTime(pattern, v, s);
        Check(out.size() < 100000, "FormatDateTime: runaway output");
    } catch (const EConvertError& e) {
        CheckMessage(e, {"Unsupported date format '*", "Invalid argument to date decode"},
                     "FormatDateTime('" + pattern + "', " + Show(v) + ")");
    }
    // The fixed patterns: they fail only outside the years 1..9999.
    const bool inRange = std::isfinite(v) && std::floor(v + 0.5 / 86400000) >= kFirstDay &&
                         std::floor(v - 0.5 / 86400000) <= kLastDay;
    try {
        const std::string text = DateTimeToStr(v);
        if (inRange) {
            TDateTime back;
            Check(TryStrToDate(DateToStr(v), back) && back == std::floor(back),
                  "DateToStr(" + Show(v) + ") does not read back");
        }
        (void)text;
    } catch (const EConvertError& e) {
        CheckMessage(e, {"Invalid argument to date decode"}, "DateTimeToStr(" + Show(v) + ")");
        Check(!(std::isfinite(v) && v >= kFirstDay && v < kLastDay),
              "DateTimeToStr refused " + Show(v) + " inside the years 1..9999");
    }
}

// A number pattern of '0', '#' and at most one '.', nothing else.
bool ValidNumberPattern(const std::string& p, int& decimals) {
    decimals = 0;
    bool point = false;
    for (char c : p) {
        if (c == '.') {
            if (point) return false;
            point = true;
        } else if (c == '0' || c == '#') {
            if (point) ++decimals;
        } else {
            return false;
        }
    }
    return true;
}

long double ReadBack(const std::string& text, const std::string& call) {
    char* end = nullptr;
    const long double r = std::strtold(text.c_str(), &end);
    Check(end != text.c_str() && *end == '\0', call + " wrote '" + text + "', not a number");
    return r;
}

void FormatNumber(FuzzInput& in) {
    long double v = in.Bool() ? static_cast<long double>(in.DateTime())
                              : static_cast<long double>(in.Raw<double>()) * in.I32();
    if (in.Bool()) v /= 1000.0L;
    const std::string pattern = in.Text(24);
    int decimals = 0;
    const bool valid = ValidNumberPattern(pattern, decimals);
    const std::string call = "FormatFloat('" + pattern + "', " + Show(static_cast<double>(v)) + ")";
    try {
        const std::string out = FormatFloat(pattern, v);
        Check(std::isfinite(v), call + " formatted a non-finite value");
        Check(valid || pattern.empty(), call + " accepted a bad pattern");
        if (!pattern.empty() && std::fabs(v) < 1e15L) {
            // "#" patterns may write nothing at all for zero.
            const long double back = out.empty() || out == "-" ? 0.0L : ReadBack(out, call);
            const long double tolerance = 0.5000001L * std::pow(10.0L, -decimals) + std::fabs(v) * 1e-17L;
            Check(std::fabs(back - v) <= tolerance, call + " wrote '" + out + "'");
        }
    } catch (const EConvertError& e) {
        CheckMessage(e, {"Unsupported number format '" + pattern + "'"}, call);
        Check(!valid, call + " refused a good pattern");
    } catch (const EInvalidOp&) {
        Check(!std::isfinite(v), call + " raised EInvalidOp for a finite value");
    }
    try {
        const std::string out = FloatToStr(v);
        Check(std::isfinite(v), "FloatToStr formatted a non-finite value");
        const long double back = ReadBack(out, "FloatToStr");
        Check(std::fabs(back - v) <= std::fabs(v) * 1e-14L, "FloatToStr(" + Show(static_cast<double>(v)) + ") wrote '" + out + "'");
    } catch (const EInvalidOp&) {
        Check(!std::isfinite(v), "FloatToStr raised EInvalidOp for a finite value");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool clockSet = [] {
        SetLocalClock([] { return 45000.5; });  // 15 March 2023, noon: StrToDate's current year
        return true;
    }();
    (void)clockSet;
    FuzzInput in(data, size);
    try {
        switch (in.Byte() % 4) {
            case 0: ParseDate(in); break;
            case 1: ParseDateTime(in); break;
            case 2: FormatDate(in); break;
            default: FormatNumber(in); break;
        }
    } catch (const Exception& e) {
        Fail(std::string("undocumented exception: ") + e.what());
    }
    return 0;
}
