#include "ui/vcl/locale_settings.h"

#include <QRegularExpression>

#include "rtl/format_settings.h"

namespace almanix {

namespace {

// The first character after the hours in a Qt time format that is no pattern letter.
QString TimeSeparatorOf(const QString& Format) {
    const qsizetype hours = Format.indexOf(QRegularExpression(QStringLiteral("[hH]")));
    for (qsizetype i = hours < 0 ? 0 : hours; i < Format.size(); ++i) {
        const QChar c = Format[i];
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\'')) return QString(c);
    }
    return QStringLiteral(":");
}

// One character of text kept as it is, quoted where the run-time library would read it.
QString Literal(QChar c) {
    if (c.isLetter() || c == QLatin1Char('/') || c == QLatin1Char(':'))
        return QStringLiteral("\"") + c + QStringLiteral("\"");
    if (c == QLatin1Char('"')) return QStringLiteral("'\"'");
    if (c == QLatin1Char('\'')) return QStringLiteral("\"'\"");
    return QString(c);
}

}  // namespace

std::string TimePatternFromQt(const QString& Format, const QString& TimeSeparator) {
    QString out;
    qsizetype i = 0;
    while (i < Format.size()) {
        const QChar c = Format[i];
        qsizetype run = 1;
        while (i + run < Format.size() && Format[i + run] == c) ++run;
        if (c == QLatin1Char('\'')) {
            // Quoted text; '' stands for one quote.
            if (run >= 2) {
                out += Literal(c);
                i += 2;
                continue;
            }
            qsizetype end = i + 1;
            while (end < Format.size() && Format[end] != QLatin1Char('\'')) out += Literal(Format[end++]);
            i = end + 1;
            continue;
        }
        const char32_t letter = c.toLower().unicode();
        if (letter == U'h') {
            out += run >= 2 ? QStringLiteral("hh") : QStringLiteral("h");
        } else if (c == QLatin1Char('m')) {
            out += run >= 2 ? QStringLiteral("nn") : QStringLiteral("n");
        } else if (c == QLatin1Char('s')) {
            out += run >= 2 ? QStringLiteral("ss") : QStringLiteral("s");
        } else if (letter == U'a') {
            out += QStringLiteral("ampm");
            if (i + 1 < Format.size() && Format[i + 1].toLower() == QLatin1Char('p')) ++i;
            run = 1;
        } else if (c == QLatin1Char('z') || c == QLatin1Char('t')) {
            // Milliseconds and time zones have no place in the long time format.
        } else if (QString(c) == TimeSeparator) {
            out += QStringLiteral(":").repeated(run);
        } else {
            for (qsizetype k = 0; k < run; ++k) out += Literal(c);
        }
        i += run;
    }
    return out.trimmed().toStdString();
}

void LoadFormatSettings(const QLocale& Locale) {
    for (int month = 1; month <= 12; ++month)
        FormatSettings.ShortMonthNames[month - 1] =
            Locale.monthName(month, QLocale::ShortFormat).toStdString();
    FormatSettings.DecimalSeparator = Locale.decimalPoint().toStdString();
    const QString timeFormat = Locale.timeFormat(QLocale::LongFormat);
    const QString separator = TimeSeparatorOf(timeFormat);
    FormatSettings.TimeSeparator = separator.toStdString();
    FormatSettings.LongTimeFormat = TimePatternFromQt(timeFormat, separator);
    FormatSettings.TimeAMString = Locale.amText().toStdString();
    FormatSettings.TimePMString = Locale.pmText().toStdString();
}

}  // namespace almanix
