#include "cli/record.h"

#include <QJsonDocument>

#include <algorithm>
#include <charconv>

#include "rtl/datetime.h"
#include "rtl/exceptions.h"
#include "rtl/rounding.h"

namespace almanix::cli {

namespace {

// Puts Value at Keys[Index..] inside Object, creating the objects on the way.
void Insert(QJsonObject& Object, const QStringList& Keys, qsizetype Index, const QJsonValue& Value) {
    const QString& key = Keys[Index];
    if (Index + 1 == Keys.size()) {
        Object.insert(key, Value);
        return;
    }
    QJsonObject child = Object.value(key).toObject();
    Insert(child, Keys, Index + 1, Value);
    Object.insert(key, child);
}

QString CsvField(const QString& Text) {
    if (!Text.contains(QLatin1Char(',')) && !Text.contains(QLatin1Char('"')) &&
        !Text.contains(QLatin1Char('\n')) && !Text.contains(QLatin1Char('\r')))
        return Text;
    QString quoted = Text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Left-aligned text cells, numbers right-aligned.
bool LooksNumeric(const QString& Text) {
    bool ok = false;
    Text.toDouble(&ok);
    return ok;
}

}  // namespace

void Record::Set(const QString& Path, const QJsonValue& Value) {
    for (auto& field : fields_)
        if (field.first == Path) {
            field.second = Value;
            return;
        }
    fields_.emplace_back(Path, Value);
}

void Record::SetInstant(const QString& Path, TDateTime Instant) {
    const QString prefix = Path.isEmpty() ? QString() : Path + QLatin1Char('.');
    const QString iso = IsoDateTime(Instant);
    Set(prefix + QStringLiteral("iso"), iso);
    Set(prefix + QStringLiteral("tdatetime"), Instant);
}

void Record::Part(const QString& Name, const std::function<void()>& Fill) {
    const std::size_t before = fields_.size();
    try {
        Fill();
    } catch (const Exception& e) {
        fields_.resize(before);
        Set(Name, QJsonValue::Null);
        Set(QStringLiteral("errors.") + Name, QString::fromStdString(e.Message()));
    }
}

QJsonValue Record::Value(const QString& Path) const {
    for (const auto& field : fields_)
        if (field.first == Path) return field.second;
    return QJsonValue::Null;
}

bool Record::HasErrors() const {
    return std::any_of(fields_.begin(), fields_.end(),
                       [](const auto& field) { return field.first.startsWith(QStringLiteral("errors.")); });
}

QJsonObject Record::ToJson() const {
    QJsonObject object;
    for (const auto& [path, value] : fields_) Insert(object, path.split(QLatin1Char('.')), 0, value);
    return object;
}

QString IsoDate(TDateTime Instant) {
    std::uint16_t y, m, d;
    DecodeDate(static_cast<TDateTime>(Floor(Instant)), y, m, d);
    return QString::asprintf("%04u-%02u-%02u", y, m, d);
}

QString IsoDateTime(TDateTime Instant) {
    const std::int64_t seconds = Round(static_cast<Extended>(Instant) * 86400.0L);
    const std::int64_t day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const std::int64_t second = seconds - day * 86400;  // [0, 86399]
    return IsoDate(static_cast<TDateTime>(day)) +
           QString::asprintf("T%02d:%02d:%02d", static_cast<int>(second / 3600),
                             static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
}

QString ScalarText(const QJsonValue& Value) {
    switch (Value.type()) {
        case QJsonValue::Bool: return Value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        case QJsonValue::Double: {
            char buffer[32];
            const auto result = std::to_chars(buffer, buffer + sizeof buffer, Value.toDouble());
            return QString::fromLatin1(buffer, result.ptr - buffer);
        }
        case QJsonValue::String: return Value.toString();
        default: return QString();
    }
}

QString CsvText(const QStringList& Columns, const std::vector<Record>& Records) {
    QString out = Columns.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const Record& record : Records) {
        QStringList cells;
        for (const QString& column : Columns) cells << CsvField(ScalarText(record.Value(column)));
        out += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out;
}

QString JsonLines(const std::vector<Record>& Records) {
    QString out;
    for (const Record& record : Records)
        out += QString::fromUtf8(QJsonDocument(record.ToJson()).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
    return out;
}

QString TableText(const std::vector<TextColumn>& Columns, const std::vector<Record>& Records) {
    std::vector<QStringList> rows(1);
    for (const TextColumn& column : Columns) rows[0] << column.Title;
    for (const Record& record : Records) {
        QStringList row;
        for (const TextColumn& column : Columns) row << column.Show(record);
        rows.push_back(row);
    }
    std::vector<qsizetype> widths(Columns.size(), 0);
    for (const QStringList& row : rows)
        for (std::size_t i = 0; i < Columns.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    QString out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        QString line;
        for (std::size_t i = 0; i < Columns.size(); ++i) {
            const QString& cell = rows[r][i];
            const bool right = r > 0 && LooksNumeric(cell);
            if (i > 0) line += QStringLiteral("  ");
            line += right ? cell.rightJustified(widths[i]) : cell.leftJustified(widths[i]);
        }
        while (line.endsWith(QLatin1Char(' '))) line.chop(1);
        out += line + QLatin1Char('\n');
    }
    return out;
}

QString ListingText(const QStringList& Columns, const Record& Record) {
    qsizetype width = 0;
    for (const QString& column : Columns) width = std::max(width, column.size());
    QString out;
    for (const QString& column : Columns) {
        const QJsonValue value = Record.Value(column);
        if (value.isNull() && column.startsWith(QStringLiteral("errors."))) continue;
        const QString text = value.isNull() ? QStringLiteral("-") : ScalarText(value);
        out += column.leftJustified(width) + QStringLiteral("  ") + text + QLatin1Char('\n');
    }
    return out;
}

}  // namespace almanix::cli
