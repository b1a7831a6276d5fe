// TCalendarForm: the calendar window, a small resizable window beside the converter with a
// month calendar (ISO week numbers) opened at the converter's ShownDate each time it is
// shown, and a line telling whether a year is a leap year of the reformed calendar.
#pragma once

#include <QDate>
#include <QDialog>
#include <QString>
#include <functional>

#include "rtl/types.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace almanix {

// Y in decimal followed by " is a leap year" or " is not a leap year", judged by
// IsReformedLeapYear (the Julian rule up to 1582, the Gregorian rule after it). Year is
// passed on as its low 16 bits, as the calendar routines take it.
QString LeapYearText(int Year);

// The civil day of a TDateTime (its floor, also below zero) in the proleptic Gregorian
// calendar, as the month calendar counts days.
QDate DateTimeToQDate(TDateTime Date);

class TCalendarForm : public QDialog {
    Q_OBJECT

public:
    // Reads the converter's ShownDate, at each showing.
    using ShownDateSource = std::function<TDateTime()>;

    // Converter: the window to sit beside (null: no placement). ShownDate: where the
    // converter's ShownDate is read.
    TCalendarForm(const QWidget* Converter, ShownDateSource ShownDate, QWidget* Parent = nullptr);

    QPushButton* BitBtn1;       // "&Close", the default button
    QLabel* LeapYinfo;          // the leap-year line
    QCalendarWidget* Calendar;  // month calendar with week numbers

    // Writes LeapYearText(Year) into LeapYinfo (what the converter does before showing).
    void ShowLeapYear(int Year);

    // Left edge at the converter's left edge plus its width, top at its top.
    void FormCreate(const QWidget* Converter);
    // Selects ShownDate in the calendar; the leap-year line is left as it is.
    void FormShow();
    // Rewrites the leap-year line for the year of the calendar's selected date.
    void CalendarClick();
    // Hides the window.
    void BitBtn1Click();

signals:
    // Raised whenever the window is hidden (close box, "&Close", or the owner's hide()), so
    // that the converter can release its CalBtn.
    void hidden();

protected:
    void showEvent(QShowEvent* Event) override;
    void hideEvent(QHideEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    void LayOut();  // anchors: label left-top-right, calendar on all four sides

    ShownDateSource FShownDate;
};

}  // namespace almanix
