// The Moon and seasons window: the fields of one update, invalid input and its fall-back to
// the clock, the time field, the picture's viewing locations and the converter's button.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include "mooncomp/moon_control.h"
#include "rtl/datetime.h"
#include "rtl/format_settings.h"
#include "ui/lunar_form.h"
#include "ui/vcl/message_box.h"
#include "ui/vcl/spin_edit.h"

using namespace almanix;

namespace {

struct Box {
    QString Text, Caption;
    TMsgIcon Icon;
};

// The converter's Gregorian spin fields and its toolbar button, and the window reading them.
struct Converter {
    SpinEdit GDay{1, 31, 2};
    SpinEdit GMonth{1, 12, 2};
    SpinEdit GYear{999, 2399, 4};
    QToolButton AstroBtn;
    std::unique_ptr<TLunarForm> Form;

    // The converter shows 10 January 2000 when the window is made.
    Converter() {
        GYear.SetValue(2000);
        GMonth.SetValue(1);
        GDay.SetValue(10);
        AstroBtn.setCheckable(true);
        Form = std::make_unique<TLunarForm>(nullptr, &GDay, &GMonth, &GYear, &AstroBtn);
    }

    // Sets the day and the time field and presses "Update".
    void Update(int Year, int Month, int Day, const QString& Time) {
        GYear.SetValue(Year);
        GMonth.SetValue(Month);
        GDay.SetValue(Day);
        Form->TimeEdit->setText(Time);
        QTest::mouseClick(Form->SetBtn, Qt::LeftButton);
    }
};

}  // namespace

class TestLunarForm : public QObject {
    Q_OBJECT

private:
    std::vector<Box> boxes_;

private slots:
    void init() {
        FormatSettings = TFormatSettings{};
        // 10 January 2000, 07:05.
        SetLocalClock([] { return EncodeDate(2000, 1, 10) + EncodeTime(7, 5, 0, 0); });
        boxes_.clear();
        SetMessageBoxFunction([this](const QString& Text, const QString& Caption, TMsgIcon Icon) {
            boxes_.push_back({Text, Caption, Icon});
        });
    }

    void cleanup() {
        SetMessageBoxFunction({});
        SetLocalClock({});
        FormatSettings = TFormatSettings{};
    }

    // Made at 07:05 on the clock: the time field holds it and every field is filled.
    void createFillsFromClock() {
        Converter c;
        QCOMPARE(c.Form->TimeEdit->text(), QStringLiteral("07:05"));
        QVERIFY(boxes_.empty());
        for (QLineEdit* edit : {c.Form->PhaseEdit, c.Form->AgeMoonEdit, c.Form->LunationEdit,
                                c.Form->DiameterEdit, c.Form->DistanceEdit, c.Form->EclipseEdit,
                                c.Form->BlueMoonEdit, c.Form->WinterEdit, c.Form->SpringEdit,
                                c.Form->SummerEdit, c.Form->AutomnEdit})
            QVERIFY2(!edit->text().isEmpty(), qPrintable(TLunarForm::EditLabel(edit)->text()));
        QCOMPARE(c.Form->LunationEdit->text(), QStringLiteral("953"));
        QCOMPARE(c.Form->windowTitle(), QStringLiteral("Moon/Seasons..."));
        QCOMPARE(c.Form->size(), QSize(191, 373));
    }

    // One update for a fixed day and time, each field against published values in the
    // window's formats; a comma locale changes the decimal separator and the month names.
    void fieldsOfOneUpdate_data() {
        QTest::addColumn<QString>("date");  // y-m-d
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("commaLocale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pattern");  // whole text
        // 12 April 1992 00:00: illumination 0.67857, distance 368409.68 km, 1946.06".
        QTest::newRow("1992 phase") << "1992-4-12" << "00:00" << false << "Phase" << R"(67\.9%)";
        QTest::newRow("1992 distance") << "1992-4-12" << "00:00" << false << "Distance"
                                       << R"(36840(9\.[6-7]\d{0,2}))";
        QTest::newRow("1992 diameter") << "1992-4-12" << "00:00" << false << "Diameter"
                                       << R"(1946\.0[5-7]\d{0,3})";
        // 10 January 2000 00:00: illumination 0.09525, age 2.938 days, lunation 953.
        QTest::newRow("2000 phase") << "2000-1-10" << "00:00" << false << "Phase" << R"(9\.5%)";
        QTest::newRow("2000 age") << "2000-1-10" << "00:00" << false << "Moon's age" << R"(2\.94)";
        QTest::newRow("2000 lunation") << "2000-1-10" << "00:00" << false << "Lunation n°" << "953";
        QTest::newRow("2000 eclipse") << "2000-1-10" << "00:00" << false << "Next eclipse "
                                      << R"(Jan 21 2000 04:45:02 \(Total\))";
        QTest::newRow("2000 blue moon") << "2000-1-10" << "00:00" << false << "Blue moon "
                                        << R"(Nov 30 2001 \d\d:\d\d)";
        QTest::newRow("2000 spring") << "2000-1-10" << "00:00" << false << "Spring"
                                     << R"(Mar 20 2000 7:3\d)";
        QTest::newRow("2000 winter") << "2000-1-10" << "00:00" << false << "Winter"
                                     << R"(Dec 2[12] 2000 \d{1,2}:\d{1,2})";
        // The full moon of 19 February 2000 is not eclipsed.
        QTest::newRow("no eclipse") << "2000-2-1" << "12:00" << false << "Next eclipse "
                                    << R"(Feb 19 2000 \d\d:\d\d:\d\d \(None\))";
        QTest::newRow("comma phase") << "2000-1-10" << "00:00" << true << "Phase" << R"(9,5%)";
        QTest::newRow("comma eclipse") << "2000-1-10" << "00:00" << true << "Next eclipse "
                                       << R"(janv\. 21 2000 04:45:02 \(Total\))";
    }

    void fieldsOfOneUpdate() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(bool, commaLocale);
        QFETCH(QString, field);
        QFETCH(QString, pattern);
        Converter c;
        if (commaLocale) {
            FormatSettings.DecimalSeparator = ",";
            FormatSettings.ShortMonthNames[0] = "janv.";
        }
        const QStringList ymd = date.split('-');
        c.Update(ymd[0].toInt(), ymd[1].toInt(), ymd[2].toInt(), time);
        QVERIFY(boxes_.empty());
        QLineEdit* edit = nullptr;
        for (QLineEdit* e : c.Form->findChildren<QLineEdit*>())
            if (QLabel* label = TLunarForm::EditLabel(e); label && label->text() == field) edit = e;
        QVERIFY(edit);
        const QRegularExpression re(QRegularExpression::anchoredPattern(pattern));
        QVERIFY2(re.match(edit->text()).hasMatch(), qPrintable(edit->text()));
    }

    // An impossible day or time brings the box quoting the text parsed, then the window
    // shows the clock's instant (10 January 2000) while the seasons follow the year field.
    void invalidDateFallsBackToClock_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("empty time") << "1992-4-12" << "" << "4/12/1992   :  ";
        QTest::newRow("hour 25") << "1992-4-12" << "25:00" << "4/12/1992 25:00";
        QTest::newRow("minute 60") << "1992-4-12" << "12:60" << "4/12/1992 12:60";
        QTest::newRow("31 April") << "1992-4-31" << "12:00" << "4/31/1992 12:00";
        QTest::newRow("30 February") << "1992-2-30" << "12:00" << "2/30/1992 12:00";
    }

    void invalidDateFallsBackToClock() {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, quoted);
        Converter c;
        const QStringList ymd = date.split('-');
        c.Update(ymd[0].toInt(), ymd[1].toInt(), ymd[2].toInt(), time);
        QCOMPARE(boxes_.size(), std::size_t{1});
        QCOMPARE(boxes_[0].Text, "Please, note that " + quoted + " is an invalid date.");
        QCOMPARE(boxes_[0].Caption, QStringLiteral("Wrong date !"));
        QVERIFY(boxes_[0].Icon == TMsgIcon::Information);
        QCOMPARE(c.Form->LunationEdit->text(), QStringLiteral("953"));
        QVERIFY(c.Form->EclipseEdit->text().startsWith(QStringLiteral("Jan 21 2000 ")));
        QVERIFY(c.Form->SpringEdit->text().startsWith(QStringLiteral("Mar 20 1992 ")));
        QVERIFY(c.Form->MoonPhaser->Date() == EncodeDate(2000, 1, 10) + EncodeTime(7, 5, 0, 0));
    }

    // Four clicks turn the picture once round and leave the northern-hemisphere hint.
    void clicksTurnThePicture() {
        Converter c;
        TMoon* moon = c.Form->MoonPhaser;
        QCOMPARE(moon->toolTip(), QStringLiteral("Moon phase viewer: click to change location"));
        const struct {
            TRotate Rotation;
            const char* Hint;
        } steps[] = {{rot_90, "Moon as seen near the equator"},
                     {rot_180, "Moon as seen on the southern hemisphere"},
                     {rot_270, "Moon as seen near the equator"},
                     {rot_none, "Moon as seen on the northern hemisphere"}};
        for (const auto& step : steps) {
            QTest::mouseClick(moon, Qt::LeftButton);
            QCOMPARE(moon->Rotation(), step.Rotation);
            QCOMPARE(moon->toolTip(), QString::fromUtf8(step.Hint));
        }
    }

    // Closing the window releases the converter's button.
    void hidingReleasesAstroBtn() {
        Converter c;
        c.AstroBtn.setChecked(true);
        c.Form->show();
        QVERIFY(c.AstroBtn.isChecked());
        c.Form->close();
        QVERIFY(!c.AstroBtn.isChecked());
    }
};

QTEST_MAIN(TestLunarForm)
#include "tst_lunar_form.moc"
