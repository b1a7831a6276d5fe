// iCalendar (RFC 5545) output: all-day events in one VCALENDAR, with CRLF line ends, text
// escaping and lines folded at 75 octets.
#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

#include "rtl/types.h"

namespace almanix::cli {

struct IcsEvent {
    TDateTime Day;        // the all-day event's day (its floor), proleptic Gregorian
    QString Summary;      // e.g. "Full moon 04:41 TT"
    QString Description;  // longer text, may be empty
    QString Uid;          // unique and stable for the same event, e.g. "full-moon-20000121T044436@almanix"
};

// The calendar text; Stamp (UTC) is written as every event's DTSTAMP.
QString IcsCalendar(const std::vector<IcsEvent>& Events, const QDateTime& Stamp);

// Text value escaping of RFC 5545 3.3.11 (backslash, semicolon, comma, line feed).
QString IcsEscape(const QString& Text);

// Folds one content line (without its line end) into lines of at most 75 octets of UTF-8,
// each continuation starting with a blank, joined by CRLF; a character is never split.
QByteArray IcsFold(const QString& Line);

}  // namespace almanix::cli
