// almanix-cli: the calculations of Almanix for scripts. Runs on QtCore and QtGui alone, with
// no display: QCommandLineParser for the arguments, QJsonDocument for JSON and QImage for the
// Moon picture.
#include "cli/cli_main.h"

#include <QCommandLineParser>
#include <QDate>
#include <QTime>

#include <functional>
#include <ostream>
#include <stdexcept>

#include "cli/commands.h"
#include "rtl/datetime.h"
#include "rtl/exceptions.h"

namespace almanix::cli {
namespace {

// A wrong command line: exit status 2 and a one-line hint.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Format { Text, Json, Csv };

const QString Program = QStringLiteral("almanix-cli");

// ---- Argument values ---------------------------------------------------------------------

TDateTime ParseDate(const QString& Text) {
    const QDate date = QDate::fromString(Text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        throw EConvertError("'" + Text.toStdString() + "' is not a valid date (YYYY-MM-DD, years 1 to 9999)");
    return EncodeDate(static_cast<std::uint16_t>(date.year()), static_cast<std::uint16_t>(date.month()),
                      static_cast<std::uint16_t>(date.day()));
}

TDateTime ParseTime(const QString& Text) {
    QTime time = QTime::fromString(Text, QStringLiteral("HH:mm:ss"));
    if (!time.isValid()) time = QTime::fromString(Text, QStringLiteral("HH:mm"));
    if (!time.isValid()) throw EConvertError("'" + Text.toStdString() + "' is not a valid time (HH:MM or HH:MM:SS)");
    return EncodeTime(static_cast<std::uint16_t>(time.hour()), static_cast<std::uint16_t>(time.minute()),
                      static_cast<std::uint16_t>(time.second()), 0);
}

// An integer argument named Name in [Low, High].
int ParseInt(const QString& Text, const char* Name, int Low, int High) {
    bool ok = false;
    const int value = Text.toInt(&ok);
    if (!ok) throw EConvertError("'" + Text.toStdString() + "' is not a valid integer value");
    if (value < Low || value > High)
        throw EConvertError(std::string(Name) + " " + std::to_string(value) + " is outside " + std::to_string(Low) +
                            " to " + std::to_string(High));
    return value;
}

int ParseYear(const QString& Text) { return ParseInt(Text, "Year", 1, 9999); }

// The value of Option, which must be one of Choices (a usage error otherwise).
int Choice(const QCommandLineParser& Parser, const QString& Option, const QStringList& Choices, int Default) {
    if (!Parser.isSet(Option)) return Default;
    const qsizetype index = Choices.indexOf(Parser.value(Option));
    if (index < 0)
        throw UsageError("--" + Option.toStdString() + " takes " + Choices.join(QLatin1Char('|')).toStdString() +
                         ", not '" + Parser.value(Option).toStdString() + "'");
    return static_cast<int>(index);
}

// What is "date" or "year".
void CheckOrder(TDateTime From, TDateTime To, const char* What) {
    if (To < From) throw EConvertError(std::string("The end ") + What + " lies before the start " + What);
}

// The instant of a Moon command: DATE at --time (00:00 by default); without DATE today at
// --time, or now when --time is absent too. SeasonYear gets the year of that date.
TDateTime MoonInstant(const QStringList& Args, const QCommandLineParser& Parser, int& SeasonYear) {
    TDateTime instant;
    if (!Args.isEmpty())
        instant = ParseDate(Args[0]) + (Parser.isSet("time") ? ParseTime(Parser.value("time")) : 0.0);
    else
        instant = Parser.isSet("time") ? Date() + ParseTime(Parser.value("time")) : Now();
    std::uint16_t y, m, d;
    DecodeDate(instant, y, m, d);
    SeasonYear = y;
    return instant;
}

// ---- The commands ------------------------------------------------------------------------

const QCommandLineOption ToDateOption("to", "Last day of the range, included (default: DATE).", "DATE");
const QCommandLineOption ToYearOption("to", "Last year of the range, included (default: YEAR).", "YEAR");
const QCommandLineOption TimeOption("time", "Time of day, HH:MM or HH:MM:SS (default 00:00; now when DATE is omitted too).", "HH:MM");
const QCommandLineOption LeapOption("leap", "The month is a leap month.");
const QCommandLineOption SolarOption("solar", "Solar eclipses (new moons) instead of lunar eclipses (full moons).");
const QCommandLineOption SizeOption("size", "Picture size in pixels: 64 (default), 32 or 16.", "64|32|16");
const QCommandLineOption StyleOption("style", "Picture style: classic or color (default, as the Moon window).", "classic|color");
const QCommandLineOption RotationOption("rotation", "Quarter turns anticlockwise: 0 (default, northern view), 90, 180, 270.", "DEGREES");
const QCommandLineOption ApolloOption("apollo", "Mark the Apollo 11 landing site (after 20 July 1969 20:17:43).");
const QCommandLineOption OutputOption("output", "The PNG file to write (required).", "FILE.png");
const QCommandLineOption PhasesOption("phases", "Principal phases of the Moon.");
const QCommandLineOption SeasonsOption("seasons", "Starts of the seasons.");
const QCommandLineOption FeastsOption("feasts", "Feasts of the converter's fill-in actions and the Chinese New Year.");
const QCommandLineOption EclipsesOption("eclipses", "Lunar and solar eclipses.");
const QCommandLineOption FormatOption("format", "Output format: text (default), json or csv.", "text|json|csv");
const QCommandLineOption HelpOption(QStringList{"h", "help"}, "Show this help.");

struct Command {
    QString Name;
    QString Syntax;  // the positional arguments, as the usage line shows them
    int MinArgs, MaxArgs;
    QString Summary;
    QString Details;
    QList<QCommandLineOption> Options;
    std::function<Output(const QStringList&, const QCommandLineParser&, QStringList&)> Run;
};

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"day", "[DATE]", 0, 1, "The day in every reckoning, for each day up to --to.",
         "Gregorian (proleptic) date, TDateTime, Julian day, reformed calendar (Julian before\n"
         "15 October 1582), Jewish and Chinese dates. A part outside its calendar's range is null,\n"
         "with the reason under \"errors\".",
         {ToDateOption},
         [](const QStringList& a, const QCommandLineParser& p, QStringList&) {
             const TDateTime from = a.isEmpty() ? Date() : ParseDate(a[0]);
             const TDateTime to = p.isSet("to") ? ParseDate(p.value("to")) : from;
             CheckOrder(from, to, "date");
             return DaysCommand(from, to);
         }},
        {"from-jewish", "YEAR MONTH DAY", 3, 3, "The day of a Jewish date (months from Nisan = 1 to Adar 2 = 13).",
         "The same record as 'day' for the day the Jewish date converts to.", {},
         [](const QStringList& a, const QCommandLineParser&, QStringList&) {
             return FromJewishCommand(static_cast<std::uint16_t>(ParseInt(a[0], "Year", 0, 65535)),
                                      static_cast<std::uint16_t>(ParseInt(a[1], "Month", 0, 65535)),
                                      static_cast<std::uint16_t>(ParseInt(a[2], "Day", 0, 65535)));
         }},
        {"from-chinese", "CYCLE YEAR MONTH DAY", 4, 4, "The day of a Chinese date (YEAR is the year of the cycle, 1 to 60).",
         "The same record as 'day' for the day the Chinese date converts to.", {LeapOption},
         [](const QStringList& a, const QCommandLineParser& p, QStringList&) {
             constexpr int big = 2147483647;
             return FromChineseCommand(ParseInt(a[0], "Cycle", -big, big), ParseInt(a[1], "Year", -big, big),
                                       ParseInt(a[2], "Month", -big, big), ParseInt(a[3], "Day", -big, big),
                                       p.isSet("leap"));
         }},
        {"feasts", "YEAR", 1, 1, "The feasts of the converter's fill-in actions, one record per year.",
         "New Year, Easter, Palm Sunday, Whitsun, All Saints' Day, Christmas, Jewish New Year,\n"
         "Pesach and Chinese New Year that fall in each Gregorian year, as ISO dates. Up to 1582\n"
         "Easter is the Julian-calendar Easter, shown as its day in the proleptic Gregorian calendar.",
         {ToYearOption},
         [](const QStringList& a, const QCommandLineParser& p, QStringList&) {
             const int from = ParseYear(a[0]);
             const int to = p.isSet("to") ? ParseYear(p.value("to")) : from;
             CheckOrder(from, to, "year");
             return FeastsCommand(from, to);
         }},
        {"moon", "[DATE]", 0, 1, "What the Moon and seasons window shows, in full precision.",
         "Illumination (fraction 0 to 1), phase angle (degrees), age (days), lunation, diameter\n"
         "(arc seconds), distance (km), the first full moon at or after the instant with its eclipse\n"
         "kind, the next blue moon, and the starts of the seasons of DATE's year (winter: December).",
         {TimeOption},
         [](const QStringList& a, const QCommandLineParser& p, QStringList&) {
             int seasonYear = 0;
             const TDateTime instant = MoonInstant(a, p, seasonYear);
             return MoonCommand(instant, seasonYear);
         }},
        {"phases", "FROM TO", 2, 2, "Every principal phase of the Moon in [FROM, TO), in time order.",
         "FROM and TO are dates (00:00). Phases: new_moon, first_quarter, full_moon, last_quarter.", {},
         [](const QStringList& a, const QCommandLineParser&, QStringList&) {
             const TDateTime from = ParseDate(a[0]), to = ParseDate(a[1]);
             CheckOrder(from, to, "date");
             return PhasesCommand(from, to);
         }},
        {"terms", "YEAR", 1, 1, "The 24 solar terms of YEAR in index order (longitude 15 x index).",
         "Indices 0 to 18 fall from March to December of YEAR, 19 to 23 from January to March.", {},
         [](const QStringList& a, const QCommandLineParser&, QStringList&) { return TermsCommand(ParseYear(a[0])); }},
        {"eclipses", "FROM TO", 2, 2, "Every full moon (new moon with --solar) in [FROM, TO) with an eclipse.",
         "Kinds: Partial, Non Central, Circular, Circular Total, Total, Half Shadow.", {SolarOption},
         [](const QStringList& a, const QCommandLineParser& p, QStringList&) {
             const TDateTime from = ParseDate(a[0]), to = ParseDate(a[1]);
             CheckOrder(from, to, "date");
             return EclipsesCommand(from, to, p.isSet("solar"));
         }},
        {"month", "YEAR MONTH", 2, 2, "A month sheet with ISO week numbers and the leap-year line.",
         "The days are those of the proleptic Gregorian calendar, as the calendar window shows them;\n"
         "the leap-year line follows the Julian rule up to 1582. JSON and CSV give one record per week.",
         {},
         [](const QStringList& a, const QCommandLineParser&, QStringList&) {
             return MonthCommand(ParseYear(a[0]), ParseInt(a[1], "Month", 1, 12));
         }},
        {"picture", "[DATE]", 0, 1, "The Moon picture as the Moon control draws it, as a PNG file.",
         "Needs no display. The --format option does not apply.",
         {TimeOption, SizeOption, StyleOption, RotationOption, ApolloOption, OutputOption},
         [](const QStringList& a, const QCommandLineParser& p, QStringList&) {
             if (!p.isSet("output")) throw UsageError("picture needs --output FILE.png");
             const auto size = static_cast<TMoonSize>(Choice(p, "size", {"64", "32", "16"}, ms64));
             const auto style = static_cast<TMoonStyle>(Choice(p, "style", {"classic", "color"}, msColor));
             const auto rotation = static_cast<TRotate>(Choice(p, "rotation", {"0", "90", "180", "270"}, rot_none));
             int seasonYear = 0;
             const TDateTime instant = MoonInstant(a, p, seasonYear);
             PictureCommand(instant, size, style, rotation, p.isSet("apollo"), p.value("output"));
             Output out;
             out.Raw = QByteArray();
             return out;
         }},
        {"ics", "FROM_YEAR [TO_YEAR]", 1, 2, "An iCalendar file (RFC 5545) of phases, seasons, feasts and eclipses.",
         "One all-day event per phase, season start, feast or eclipse, with the instant and its time\n"
         "scale (TT, dynamical time) in the summary. Without a part option all four are included.\n"
         "Written to standard output; the --format option does not apply.",
         {PhasesOption, SeasonsOption, FeastsOption, EclipsesOption},
         [](const QStringList& a, const QCommandLineParser& p, QStringList& warnings) {
             const int from = ParseYear(a[0]);
             const int to = a.size() > 1 ? ParseYear(a[1]) : from;
             CheckOrder(from, to, "year");
             IcsParts parts{p.isSet("phases"), p.isSet("seasons"), p.isSet("feasts"), p.isSet("eclipses")};
             if (!parts.Phases && !parts.Seasons && !parts.Feasts && !parts.Eclipses) parts = {true, true, true, true};
             return IcsCommand(from, to, parts, warnings);
         }},
    };
    return commands;
}

const Command* FindCommand(const QString& Name) {
    for (const Command& c : Commands())
        if (c.Name == Name) return &c;
    return nullptr;
}

QString GlobalHelp() {
    QString text = QStringLiteral(
        "almanix-cli: the calculations of Almanix for scripts.\n\n"
        "Usage: almanix-cli COMMAND [ARGUMENTS] [OPTIONS] [--format text|json|csv]\n"
        "       almanix-cli COMMAND --help\n\nCommands:\n");
    for (const Command& c : Commands())
        text += QStringLiteral("  %1  %2\n").arg((c.Name + ' ' + c.Syntax).leftJustified(34)).arg(c.Summary);
    text += QStringLiteral(
        "\nDates are YYYY-MM-DD in the proleptic Gregorian calendar, years 1 to 9999; times are\n"
        "HH:MM or HH:MM:SS. A date defaults to today; --time defaults to 00:00 (to the current time\n"
        "when the date is omitted too).\n"
        "Instants are on the program's time scale, dynamical time used directly (no delta-T, no time\n"
        "zone), written as {\"iso\": \"YYYY-MM-DDTHH:MM:SS\", \"tdatetime\": N}: the ISO form rounded to the\n"
        "second and the raw TDateTime (days since 1899-12-30) as the shortest text that reads back.\n"
        "Formats: text (aligned, for people), json (one object per record and line), csv (a header,\n"
        "then one row per record; nested fields flattened with dots, e.g. chinese.month).\n"
        "A part that cannot be computed is null and \"errors\" names why; ranges go on.\n"
        "Exit status: 0 done; 1 invalid argument or a date the calculation rejects (its message on\n"
        "standard error, nothing on standard output); 2 usage error.\n");
    return text;
}

QString CommandHelp(const Command& C, QCommandLineParser& Parser) {
    return C.Summary + '\n' + C.Details + QStringLiteral("\n\n") + Parser.helpText();
}

void Configure(QCommandLineParser& Parser, const Command* C) {
    Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    Parser.addOption(FormatOption);
    Parser.addOption(HelpOption);
    if (C == nullptr) {
        // Every option of every command: only to find the command word.
        QStringList seen;
        for (const Command& c : Commands())
            for (const QCommandLineOption& o : c.Options)
                if (!seen.contains(o.names().first())) {
                    seen << o.names().first();
                    Parser.addOption(o);
                }
        return;
    }
    Parser.addPositionalArgument(C->Name, QString(), C->Name);
    for (const QString& word : C->Syntax.split(' ', Qt::SkipEmptyParts)) {
        const QString name = QString(word).remove('[').remove(']');
        Parser.addPositionalArgument(name, word.startsWith('[') ? QStringLiteral("optional") : QString(), word);
    }
    Parser.addOptions(C->Options);
}

// A parser message without its final full stop, to be followed by the hint.
std::string Sentence(QString Text) {
    if (Text.endsWith('.')) Text.chop(1);
    return Text.toStdString();
}

QString Render(const Output& Out, Format F) {
    if (Out.Raw) return QString::fromUtf8(*Out.Raw);
    switch (F) {
        case Format::Json: return JsonLines(Out.Records);
        case Format::Csv: return CsvText(Out.Columns, Out.Records);
        case Format::Text: break;
    }
    if (!Out.Sheet.isEmpty()) return Out.Sheet;
    if (!Out.Table.empty()) return TableText(Out.Table, Out.Records);
    QString text;
    for (const Record& r : Out.Records) text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + ListingText(Out.Columns, r);
    return text;
}

// Message as one line: the arguments it quotes may hold line breaks and other control
// characters (C0, DEL, C1), which show as \xNN.
QString OneLine(const QString& Message) {
    QString line;
    line.reserve(Message.size());
    for (const QChar c : Message) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f)) line += QString::asprintf("\\x%02X", static_cast<unsigned>(u));
        else line += c;
    }
    return line;
}

void Write(std::ostream& Stream, const QString& Text) {
    const QByteArray bytes = Text.toUtf8();
    Stream.write(bytes.constData(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int RunCli(const QStringList& Arguments, std::ostream& Out, std::ostream& Err) {
    QString hintCommand;
    try {
        // The command word first, so that an option error names the command's own help.
        QCommandLineParser finder;
        Configure(finder, nullptr);
        const bool parsed = finder.parse(Arguments);
        const QStringList words = finder.positionalArguments();
        if (!parsed && (words.isEmpty() || FindCommand(words[0]) == nullptr))
            throw UsageError(Sentence(finder.errorText()));
        if (words.isEmpty()) {
            if (finder.isSet("help")) {
                Write(Out, GlobalHelp());
                return 0;
            }
            throw UsageError("no command given");
        }
        const Command* command = FindCommand(words[0]);
        if (command == nullptr) throw UsageError("unknown command '" + words[0].toStdString() + "'");
        hintCommand = command->Name;

        QCommandLineParser parser;
        Configure(parser, command);
        if (!parser.parse(Arguments)) throw UsageError(Sentence(parser.errorText()));
        if (parser.isSet("help")) {
            Write(Out, CommandHelp(*command, parser));
            return 0;
        }
        const QStringList args = parser.positionalArguments().mid(1);
        if (args.size() < command->MinArgs || args.size() > command->MaxArgs)
            throw UsageError(command->Name.toStdString() + " takes " + command->Syntax.toStdString());
        const auto format = static_cast<Format>(Choice(parser, "format", {"text", "json", "csv"}, 0));

        QStringList warnings;
        const Output output = command->Run(args, parser, warnings);
        for (const QString& w : warnings) Write(Err, Program + QStringLiteral(": ") + w + '\n');
        Write(Out, Render(output, format));
        return 0;
    } catch (const UsageError& e) {
        const QString help = hintCommand.isEmpty() ? Program + QStringLiteral(" --help")
                                                   : Program + ' ' + hintCommand + QStringLiteral(" --help");
        const QString message = OneLine(QString::fromStdString(e.what()));
        Write(Err, Program + QStringLiteral(": ") + message + QStringLiteral(" (try '") + help + QStringLiteral("')\n"));
        return 2;
    } catch (const Exception& e) {
        Write(Err, OneLine(QString::fromStdString(e.Message())) + '\n');
        return 1;
    }
}

}  // namespace almanix::cli
