// The calendar window: the leap-year line, the date it opens at, its place beside the
// converter, its minimum size and the notice that releases the converter's button.
#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "ui/calendar_form.h"

using namespace almanix;

class TstCalendarForm : public QObject {
    Q_OBJECT

private slots:
    void leapLineFollowsClickedYear_data();
    void leapLineFollowsClickedYear();
    void turningThePageIsAClick();
    void opensAtShownDateEachTime_data();
    void opensAtShownDateEachTime();
    void sitsBesideConverterAndKeepsMinimum();
    void everyHideReleasesButton_data();
    void everyHideReleasesButton();
};

void TstCalendarForm::leapLineFollowsClickedYear_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("line");
    QTest::newRow("1500 Julian rule") << 1500 << "1500 is a leap year";
    QTest::newRow("1582 reform year") << 1582 << "1582 is not a leap year";
    QTest::newRow("1600 by 400") << 1600 << "1600 is a leap year";
    QTest::newRow("1900 by 100") << 1900 << "1900 is not a leap year";
    QTest::newRow("2000 by 400") << 2000 << "2000 is a leap year";
    QTest::newRow("2002 common") << 2002 << "2002 is not a leap year";
}

void TstCalendarForm::leapLineFollowsClickedYear() {
    QFETCH(int, year);
    QFETCH(QString, line);
    TCalendarForm form(nullptr, [] { return 0.0; });
    QCOMPARE(form.LeapYinfo->text(), QStringLiteral("0000 is not a leap year"));
    const QDate picked(year, 6, 15);
    form.Calendar->setSelectedDate(picked);
    QCOMPARE(form.LeapYinfo->text(), QStringLiteral("0000 is not a leap year"));  // not a click
    emit form.Calendar->clicked(picked);
    QCOMPARE(form.LeapYinfo->text(), line);
    QCOMPARE(LeapYearText(year), line);  // the converter's own writing of the line
}

void TstCalendarForm::turningThePageIsAClick() {
    TCalendarForm form(nullptr, [] { return 36891.0; });  // 31 December 2000
    form.show();
    emit form.Calendar->clicked(QDate(2000, 12, 31));
    QCOMPARE(form.LeapYinfo->text(), QStringLiteral("2000 is a leap year"));

    auto* next = form.Calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth"));
    QVERIFY(next);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(form.Calendar->selectedDate(), QDate(2001, 1, 31));
    QCOMPARE(form.LeapYinfo->text(), QStringLiteral("2001 is not a leap year"));

    auto* previous = form.Calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth"));
    QVERIFY(previous);
    QTest::mouseClick(previous, Qt::LeftButton);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(form.Calendar->selectedDate(), QDate(2000, 11, 30));  // the day kept within the month
    QCOMPARE(form.LeapYinfo->text(), QStringLiteral("2000 is a leap year"));
}

void TstCalendarForm::opensAtShownDateEachTime_data() {
    QTest::addColumn<double>("shownDate");
    QTest::addColumn<QDate>("selected");
    QTest::newRow("with time of day") << 37376.75 << QDate(2002, 4, 30);
    QTest::newRow("origin") << 0.0 << QDate(1899, 12, 30);
    QTest::newRow("before origin, floor") << -1.25 << QDate(1899, 12, 28);
    QTest::newRow("year 999") << -328718.0 << QDate(999, 12, 30);
}

void TstCalendarForm::opensAtShownDateEachTime() {
    QFETCH(double, shownDate);
    QFETCH(QDate, selected);
    double converterDate = shownDate;
    TCalendarForm form(nullptr, [&] { return converterDate; });
    form.ShowLeapYear(1999);
    form.show();
    QCOMPARE(form.Calendar->selectedDate(), selected);
    QCOMPARE(form.Calendar->monthShown(), selected.month());
    QCOMPARE(form.Calendar->yearShown(), selected.year());
    QCOMPARE(form.LeapYinfo->text(), QStringLiteral("1999 is not a leap year"));  // kept

    // A date picked in the calendar is not kept to the next showing.
    form.Calendar->setSelectedDate(selected.addDays(40));
    form.hide();
    form.show();
    QCOMPARE(form.Calendar->selectedDate(), selected);

    // The converter's date is read again at each showing.
    form.hide();
    converterDate += 1.0;
    form.show();
    QCOMPARE(form.Calendar->selectedDate(), selected.addDays(1));
}

void TstCalendarForm::sitsBesideConverterAndKeepsMinimum() {
    QWidget converter;
    converter.setGeometry(197, 92, 304, 354);
    TCalendarForm form(&converter, [] { return 0.0; });
    QCOMPARE(form.pos(), QPoint(converter.frameGeometry().right() + 1, converter.y()));
    QCOMPARE(form.windowTitle(), QStringLiteral("Calendar"));

    form.show();
    form.resize(100, 100);
    QCOMPARE(form.size(), QSize(197, 193));
    form.resize(400, 300);
    QCOMPARE(form.Calendar->geometry(), QRect(0, 39, 400, 260));
    QCOMPARE(form.LeapYinfo->width(), 125 + 400 - 197);
}

void TstCalendarForm::everyHideReleasesButton_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("close box") << 0;
    QTest::newRow("Close button") << 1;
    QTest::newRow("owner hides it") << 2;
}

void TstCalendarForm::everyHideReleasesButton() {
    QFETCH(int, way);
    TCalendarForm form(nullptr, [] { return 0.0; });
    QSignalSpy hidden(&form, &TCalendarForm::hidden);
    form.show();
    QCOMPARE(hidden.count(), 0);
    QTest::keyClick(&form, Qt::Key_Escape);  // no Cancel button: Escape keeps it shown
    QVERIFY(form.isVisible());
    switch (way) {
        case 0: QVERIFY(form.close()); break;
        case 1: QTest::mouseClick(form.BitBtn1, Qt::LeftButton); break;
        default: form.hide(); break;
    }
    QVERIFY(!form.isVisible());
    QCOMPARE(hidden.count(), 1);
}

QTEST_MAIN(TstCalendarForm)
#include "tst_calendar_form.moc"
