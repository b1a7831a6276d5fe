// Fuzz target: almanix-cli's command line, run in-process through RunCli. The bytes choose a
// command word, an output format and up to eight arguments (options, dates, numbers, times
// and raw text). Checked: the exit status is 0, 1 or 2; a failure writes one line on standard
// error and nothing on standard output; a success writes something (JSON: one object per
// line). Range commands over more than a few weeks or years are skipped: the point is the
// argument handling, not the length of the calculation.
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/cli_main.h"
#include "tests/fuzz/fuzz_input.h"

namespace {

using almanix::fuzz::Check;
using almanix::fuzz::FuzzInput;

const std::array<const char*, 11> kCommands = {"day",    "from-jewish", "from-chinese", "feasts",
                                               "moon",   "phases",      "terms",        "eclipses",
                                               "month",  "picture",     "ics"};

const std::array<const char*, 24> kOptions = {
    "--to",     "--time",  "--leap",    "--solar",  "--size",     "--style",  "--rotation", "--apollo",
    "--phases", "--seasons", "--feasts", "--eclipses", "--format", "--help",  "-h",         "--",
    "-to",      "--to=",   "--time=",   "--size=",  "--rotation=", "--style=", "-",          "--bogus"};

const std::array<const char*, 14> kWords = {"json", "csv", "text", "xml", "64", "32", "16", "48",
                                            "classic", "color", "0", "90", "270", ""};

const std::array<const char*, 24> kNumbers = {
    "0",          "1",           "-1",        "12",         "13",         "29",       "30",
    "60",         "61",          "65535",     "65536",      "5763",       "78",       "9999",
    "10000",      "2147483647",  "2147483648", "-2147483648", "-2147483649", "99999999999999999999",
    " 2000",      "+2000",       "1e3",       "0x10"};

QString Arg(const std::string& Bytes) { return QString::fromUtf8(Bytes.data(), static_cast<qsizetype>(Bytes.size())); }

// A date text: mostly YYYY-MM-DD with years, months and days at and beyond the edges.
QString DateText(FuzzInput& In) {
    static constexpr int kYears[] = {0, 1, 2, 1582, 1899, 1900, 2000, 2024, 2400, 9998, 9999, 10000};
    const int year = In.Bool() ? kYears[In.Byte() % std::size(kYears)] : In.U16() % 10001;
    const int month = In.Byte() % 14;
    const int day = In.Byte() % 33;
    if (In.Byte() % 8 == 0) return QStringLiteral("%1-%2-%3").arg(year).arg(month).arg(day);  // no padding
    return QString::asprintf("%04d-%02d-%02d", year, month, day);
}

QString TimeText(FuzzInput& In) {
    const int h = In.Byte() % 26, m = In.Byte() % 62, s = In.Byte() % 62;
    return In.Bool() ? QString::asprintf("%02d:%02d", h, m) : QString::asprintf("%02d:%02d:%02d", h, m, s);
}

QString NextArg(FuzzInput& In) {
    switch (In.Byte() % 8) {
        case 0: return Arg(In.Text(In.Bool() ? 16 : 400));  // raw, sometimes long
        case 1:
        case 2: {
            QString option = QString::fromLatin1(kOptions[In.Byte() % kOptions.size()]);
            if (option.endsWith('='))
                option += In.Bool() ? DateText(In) : QString::fromLatin1(kWords[In.Byte() % kWords.size()]);
            return option;
        }
        case 3: return DateText(In);
        case 4: return QString::fromLatin1(kNumbers[In.Byte() % kNumbers.size()]);
        case 5: return QString::number(In.I32());
        case 6: return TimeText(In);
        default: return QString::fromLatin1(kWords[In.Byte() % kWords.size()]);
    }
}

// The text after the first '=' of an option, or the whole argument.
QString ValuePart(const QString& A) {
    const qsizetype eq = A.indexOf('=');
    return eq < 0 ? A : A.mid(eq + 1);
}

// Whether a range command would cover more than 60 days (day) or 3 years (the others). Looks
// at every argument that reads as a date or a year, as the command's own parsing would.
bool TooLong(const QString& Command, const QStringList& Args) {
    const bool dayRange = Command == "day", dateRange = Command == "phases" || Command == "eclipses";
    const bool yearRange = Command == "feasts" || Command == "ics";
    if (!dayRange && !dateRange && !yearRange) return false;
    qint64 low = 0, high = 0;
    bool any = false;
    auto note = [&](qint64 v) {
        low = any ? std::min(low, v) : v;
        high = any ? std::max(high, v) : v;
        any = true;
    };
    int dates = 0;
    for (const QString& a : Args) {
        QStringList texts{a};
        if (ValuePart(a) != a) texts << ValuePart(a);
        for (const QString& text : texts) {
            if (yearRange) {
                bool ok = false;
                const int year = text.toInt(&ok);
                if (ok && year >= 1 && year <= 9999) note(year);
            } else {
                const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
                if (date.isValid()) {
                    note(date.toJulianDay());
                    ++dates;
                }
            }
        }
    }
    // day --to DATE starts today.
    const bool toOption = std::any_of(Args.begin(), Args.end(),
                                      [](const QString& a) { return a.startsWith("-to") || a.startsWith("--to"); });
    if (dayRange && dates < 2 && toOption) note(QDate::currentDate().toJulianDay());
    return high - low > (dayRange ? 60 : dateRange ? 3 * 366 : 2);
}

bool Has(const QStringList& Args, std::initializer_list<const char*> Words) {
    return std::any_of(Args.begin(), Args.end(), [&](const QString& a) {
        return std::any_of(Words.begin(), Words.end(), [&](const char* w) { return a == QLatin1String(w); });
    });
}

void CheckJsonLines(const std::string& Out) {
    std::istringstream lines(Out);
    std::string line;
    while (std::getline(lines, line)) {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        Check(error.error == QJsonParseError::NoError && doc.isObject(), "a JSON line is no object: " + line);
    }
}

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "almanix-cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    App();
    static QTemporaryDir temp;
    FuzzInput in(data, size);

    // The command word: a real one, none, or raw text.
    const std::uint8_t pick = in.Byte() % (kCommands.size() + 2);
    QString command;
    if (pick < kCommands.size()) command = QString::fromLatin1(kCommands[pick]);
    else if (pick == kCommands.size()) command = Arg(in.Text(12));

    // The format, given before the command; unknown when an argument mentions --format too.
    static constexpr const char* kFormats[] = {nullptr, "json", "csv", "text"};
    const char* format = kFormats[in.Byte() % 4];
    // The picture goes to the temporary folder, or to a folder that does not exist.
    const std::uint8_t output = in.Byte() % 3;

    QStringList args;
    const int count = in.Byte() % 9;
    for (int i = 0; i < count && !in.Empty(); ++i) {
        const QString a = NextArg(in);
        if (!a.contains(QLatin1String("output"))) args << a;  // only our own --output
    }
    // The command that runs may also come from the raw arguments.
    QStringList named{command};
    for (const QString& a : args)
        if (std::find(kCommands.begin(), kCommands.end(), a) != kCommands.end()) named << a;
    for (const QString& c : named)
        if (TooLong(c, args)) return 0;

    QStringList line{QStringLiteral("almanix-cli")};
    if (format) line << QStringLiteral("--format") << QString::fromLatin1(format);
    if (!command.isNull()) line << command;
    line << args;
    if (output == 1) line << QStringLiteral("--output") << temp.filePath(QStringLiteral("moon.png"));
    if (output == 2) line << QStringLiteral("--output=") + temp.filePath(QStringLiteral("none/moon.png"));

    std::ostringstream out, err;
    const int status = almanix::cli::RunCli(line, out, err);
    const std::string o = out.str(), e = err.str();
    const std::string call = line.join(QLatin1Char(' ')).toStdString();

    Check(status == 0 || status == 1 || status == 2, "exit status " + std::to_string(status) + ": " + call);
    if (status != 0) {
        Check(o.empty(), "output on failure: " + call);
        Check(!e.empty() && e.back() == '\n' && std::count(e.begin(), e.end(), '\n') == 1,
              "not a one-line error message (" + e + "): " + call);
        if (status == 2) Check(e.rfind("almanix-cli: ", 0) == 0, "usage error without the program name: " + call);
        return 0;
    }
    const bool help = Has(args, {"-h", "--help", "-help"}) || command.isNull();
    const bool knownFormat =
        std::none_of(args.begin(), args.end(), [](const QString& a) { return a.contains("format"); });
    const bool json = knownFormat && format && std::string(format) == "json";
    const bool raw = named.contains("picture") || named.contains("ics");
    const bool mayBeEmpty = (named.contains("picture") && !help) ||
                            (json && (named.contains("phases") || named.contains("eclipses")));
    Check(!o.empty() || mayBeEmpty, "no output on success: " + call);
    if (json && !raw && !help) CheckJsonLines(o);
    return 0;
}
