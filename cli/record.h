// One output record of almanix-cli and its three renderings. A record is an ordered list of
// fields whose names are dotted paths ("chinese.month"); JSON nests them into objects, CSV
// and text keep the dotted names as column names. A part that cannot be computed is a single
// null field under the part's name plus an "errors.<part>" field with the routine's message.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

#include "rtl/types.h"

namespace almanix::cli {

class Record {
public:
    void Set(const QString& Path, const QJsonValue& Value);

    // Path.iso (proleptic Gregorian, rounded to the second) and Path.tdatetime (the raw value);
    // plain iso and tdatetime for an empty Path.
    // Raises EConvertError "Invalid argument to date decode" outside the years 1..9999.
    void SetInstant(const QString& Path, TDateTime Instant);

    // Runs Fill, which sets the fields of the part Name. When it raises an almanix Exception,
    // the fields it set are dropped, Name becomes null and errors.Name holds the message.
    void Part(const QString& Name, const std::function<void()>& Fill);

    // The value at Path: the field itself, or null when the field (or its part) is absent.
    QJsonValue Value(const QString& Path) const;
    bool HasErrors() const;
    QJsonObject ToJson() const;

private:
    std::vector<std::pair<QString, QJsonValue>> fields_;
};

// "YYYY-MM-DD" of the day holding Instant, and "YYYY-MM-DDTHH:MM:SS" of Instant rounded to
// the second (proleptic Gregorian). Raise EConvertError outside the years 1..9999.
QString IsoDate(TDateTime Instant);
QString IsoDateTime(TDateTime Instant);

// A scalar as CSV and text show it: numbers as the shortest text that reads back to the same
// double, booleans true/false, strings as they are, null as an empty text.
QString ScalarText(const QJsonValue& Value);

// A column of the text table: its title and how a record shows in it.
struct TextColumn {
    QString Title;
    std::function<QString(const Record&)> Show;
};

// Renderings. Csv: the header line Columns joined by commas, then one row per record
// (RFC 4180 quoting). Json: one compact object per line. Table: aligned columns with a
// title line. Listing: one "name  value" line per column of a single record.
QString CsvText(const QStringList& Columns, const std::vector<Record>& Records);
QString JsonLines(const std::vector<Record>& Records);
QString TableText(const std::vector<TextColumn>& Columns, const std::vector<Record>& Records);
QString ListingText(const QStringList& Columns, const Record& Record);

}  // namespace almanix::cli
