// The commands of almanix-cli, apart from argument parsing: each builds its records (or its
// finished text) from already checked values. Instants are TDateTime values on the program's
// time scale (dynamical time, no delta-T, no time zone); days are whole TDateTime values of
// the proleptic Gregorian calendar. A calculation error that leaves no record raises the
// routine's almanix Exception.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "cli/record.h"
#include "mooncomp/moon_drawing.h"
#include "rtl/types.h"

namespace almanix::cli {

// What a command produces: records with their CSV columns and text layout, or a finished
// text for the text format (Sheet), or bytes that are the same in every format (Raw).
struct Output {
    std::vector<Record> Records;
    QStringList Columns;             // CSV header and the listing of a single record
    std::vector<TextColumn> Table;   // text as a table; empty: a listing per record
    QString Sheet;                   // text format only, replaces the table or listing
    std::optional<QByteArray> Raw;   // the whole output whatever the format
};

// The record of one day: date, tdatetime, julian_day, reformed, jewish, chinese.
Record DayRecord(TDateTime Day);

Output DaysCommand(TDateTime From, TDateTime To);
Output FromJewishCommand(std::uint16_t Year, std::uint16_t Month, std::uint16_t Day);
Output FromChineseCommand(std::int32_t Cycle, std::int32_t Year, std::int32_t Month, std::int32_t Day, bool Leap);
Output FeastsCommand(int FromYear, int ToYear);

// SeasonYear is the year the seasons follow: the year of the date shown.
Output MoonCommand(TDateTime Instant, int SeasonYear);
Output PhasesCommand(TDateTime From, TDateTime To);
Output TermsCommand(int Year);
Output EclipsesCommand(TDateTime From, TDateTime To, bool Solar);
Output MonthCommand(int Year, int Month);

struct IcsParts {
    bool Phases = false, Seasons = false, Feasts = false, Eclipses = false;
};
// Events of the years FromYear to ToYear; feasts that a year cannot have (Easter from 2400
// on, ...) are left out and named in Warnings.
Output IcsCommand(int FromYear, int ToYear, IcsParts Parts, QStringList& Warnings);

// The Moon picture as the TMoon control draws it for Instant, written to File as PNG.
// Raises Exception "Cannot write FILE" when the file cannot be written.
void PictureCommand(TDateTime Instant, TMoonSize Size, TMoonStyle Style, TRotate Rotation, bool Apollo,
                    const QString& File);

}  // namespace almanix::cli
