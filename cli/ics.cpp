#include "cli/ics.h"

#include <cmath>

#include "rtl/datetime.h"

namespace almanix::cli {

namespace {

constexpr qsizetype MaxLineOctets = 75;

QString IcsDate(TDateTime Day) {
    std::uint16_t y, m, d;
    DecodeDate(std::floor(Day), y, m, d);
    return QString::asprintf("%04u%02u%02u", y, m, d);
}

}  // namespace

QString IcsEscape(const QString& Text) {
    QString out;
    for (const QChar c : Text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(','))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out;
}

QByteArray IcsFold(const QString& Line) {
    const QByteArray utf8 = Line.toUtf8();
    QByteArray out;
    qsizetype lineOctets = 0;
    for (qsizetype i = 0; i < utf8.size();) {
        // One character: a lead octet and its continuation octets (10xxxxxx).
        qsizetype length = 1;
        while (i + length < utf8.size() && (static_cast<unsigned char>(utf8[i + length]) & 0xC0) == 0x80) ++length;
        if (lineOctets + length > MaxLineOctets) {
            out += "\r\n ";
            lineOctets = 1;
        }
        out += utf8.mid(i, length);
        lineOctets += length;
        i += length;
    }
    return out + "\r\n";
}

QString IcsCalendar(const std::vector<IcsEvent>& Events, const QDateTime& Stamp) {
    const QString stamp = Stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QByteArray out;
    auto line = [&out](const QString& text) { out += IcsFold(text); };
    line(QStringLiteral("BEGIN:VCALENDAR"));
    line(QStringLiteral("VERSION:2.0"));
    line(QStringLiteral("PRODID:-//Almanix//almanix-cli//EN"));
    line(QStringLiteral("CALSCALE:GREGORIAN"));
    for (const IcsEvent& event : Events) {
        line(QStringLiteral("BEGIN:VEVENT"));
        line(QStringLiteral("UID:") + event.Uid);
        line(QStringLiteral("DTSTAMP:") + stamp);
        line(QStringLiteral("DTSTART;VALUE=DATE:") + IcsDate(event.Day));
        line(QStringLiteral("DURATION:P1D"));
        line(QStringLiteral("SUMMARY:") + IcsEscape(event.Summary));
        if (!event.Description.isEmpty()) line(QStringLiteral("DESCRIPTION:") + IcsEscape(event.Description));
        line(QStringLiteral("TRANSP:TRANSPARENT"));
        line(QStringLiteral("END:VEVENT"));
    }
    line(QStringLiteral("END:VCALENDAR"));
    return QString::fromUtf8(out);
}

}  // namespace almanix::cli
