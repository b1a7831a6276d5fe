// The converter and the Moon and seasons window under hostile typing: long, non-numeric and
// out-of-range text pasted into every spin field and the time field, then every Convert
// button and "Update" pressed. Nothing may crash or reach the default error box; a date that
// cannot be read gives the "Wrong date !" box and the current date and time instead.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

#include "rtl/datetime.h"
#include "rtl/format_settings.h"
#include "ui/lunar_form.h"
#include "ui/main_form.h"
#include "ui/tool_windows.h"
#include "ui/vcl/message_box.h"
#include "ui/vcl/spin_edit.h"

using namespace almanix;

namespace {

const TDateTime Now10h = 37257.0 + 10.0 / 24;  // 1 January 2002, 10:00
const QString NowJulianDay = QStringLiteral("2452275.91666667");
const QString WrongDate = QStringLiteral("Wrong date !");

// The converter with its tool windows, a fixed clock, English settings and every message box
// recorded (caption only) instead of shown.
struct Converter {
    QStringList captions;
    LocalClock oldClock = SetLocalClock([] { return Now10h; });
    MessageBoxFunction oldBox = SetMessageBoxFunction(
        [this](const QString&, const QString& caption, TMsgIcon) { captions.append(caption); });
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();
    TToolWindows tools;

    Converter() {
        FormatSettings = TFormatSettings{};
        form->FillPanelsWithToday();
        tools = CreateToolWindows(*form);
        form->AttachToolWindows(tools);
    }
    ~Converter() {
        form.reset();
        SetLocalClock(oldClock);
        SetMessageBoxFunction(oldBox);
        FormatSettings = TFormatSettings{};
    }
};

// Presses the button as a user would; a disabled button gets its handler run directly, as
// the conversions run whatever the state of their button.
void Press(QAbstractButton* button, const std::function<void()>& handler) {
    if (button->isEnabled())
        button->click();
    else
        RunReportingErrors(handler);
}

}  // namespace

class TestHostileInput : public QObject {
    Q_OBJECT

private slots:
    void convertButtons_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("wrong");  // every conversion must report a wrong date
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("minus one") << "-1" << true;
        QTest::newRow("day 255") << "255" << true;
        QTest::newRow("16-bit wrap") << "65536" << true;
        QTest::newRow("beyond int") << "99999999999999999999" << false;
        QTest::newRow("long digits") << QString(5000, QLatin1Char('9')) << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("signs") << "+-+-" << false;
        QTest::newRow("float") << "1e308" << false;
        QTest::newRow("nan") << "NaN" << false;
        QTest::newRow("blanks") << "  7  " << false;
        QTest::newRow("arabic digits") << QString::fromUtf8("\xd9\xa3") << false;
        QTest::newRow("control") << QString::fromUtf8("1\n\t\x01") << false;
    }

    // Each panel in turn: its fields all hold the text, its Convert is pressed.
    void convertButtons() {
        QFETCH(QString, text);
        QFETCH(bool, wrong);
        Converter c;
        TMainForm& f = *c.form;
        struct Panel {
            const char* name;
            QList<SpinEdit*> fields;
            QPushButton* button;
            std::function<void()> handler;
        };
        const Panel panels[] = {
            {"Gregorian", {f.GDay, f.GMonth, f.GYear}, f.GConvert, [&f] { f.GConvertClick(); }},
            {"Jewish", {f.JeDay, f.JeMonth, f.JeYear}, f.JeConvert, [&f] { f.JeConvertClick(); }},
            {"Chinese", {f.CDay, f.CMonth, f.CYear, f.CCycles}, f.CConvert, [&f] { f.CConvertClick(); }},
        };
        for (const Panel& p : panels) {
            c.captions.clear();
            f.FillPanelsWithToday();
            for (SpinEdit* field : p.fields) field->SetText(text);
            Press(p.button, p.handler);
            for (const QString& caption : c.captions) QCOMPARE(caption, WrongDate);
            if (wrong) {
                QVERIFY2(c.captions.size() == 1, p.name);
                QCOMPARE(f.JuDay->text(), NowJulianDay);  // the current date and time
            }
            bool number = false;
            f.JuDay->text().toDouble(&number);
            QVERIFY2(number, qPrintable(QString::fromLatin1(p.name) + QStringLiteral(": ") + f.JuDay->text()));
        }
    }

    void moonUpdate_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("wrong");
        QTest::newRow("good") << "15" << "12:30" << false;
        QTest::newRow("hour 99") << "15" << "99:99" << true;
        QTest::newRow("letters in time") << "15" << "ab:cd" << false;
        QTest::newRow("long time") << "15" << QString(5000, QLatin1Char('7')) << false;
        QTest::newRow("day 0") << "0" << "12:00" << true;
        QTest::newRow("day 99") << "99" << "12:00" << true;
        QTest::newRow("day 65536 (kept to 65)") << "65536" << "" << true;
        QTest::newRow("garbage day") << QString(3000, QLatin1Char('x')) << "::" << false;
    }

    // The Moon window reads the converter's day and its own time field.
    void moonUpdate() {
        QFETCH(QString, day);
        QFETCH(QString, time);
        QFETCH(bool, wrong);
        Converter c;
        QVERIFY(c.tools.LunarForm && c.tools.LunarSetBtn);
        auto* lunar = qobject_cast<TLunarForm*>(c.tools.LunarForm);
        QVERIFY(lunar);
        c.form->GDay->SetText(day);
        lunar->TimeEdit->selectAll();
        lunar->TimeEdit->insert(time);  // a paste
        c.tools.LunarSetBtn->click();
        for (const QString& caption : c.captions) QCOMPARE(caption, WrongDate);
        if (wrong) QCOMPARE(c.captions.size(), 1);
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
