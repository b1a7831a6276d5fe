#include "ui/calendar_form.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "calendar/almanac.h"
#include "ui/vcl/url_label.h"

namespace almanix {

namespace {

// Client sizes and places, in pixels at 96 dpi.
constexpr QSize kMinimumClient{197, 193};  // a 205 x 220 window with its frame
constexpr QRect kCloseButton{2, 2, 61, 34};
// The leap-year line reaches the right edge: "2002 is not a leap year" needs the room with
// today's fonts.
constexpr QRect kLeapLine{72, 12, 125, 16};
constexpr QRect kCalendar{0, 39, 197, 153};

// The platform's TDateTime origin, 30 December 1899, in the proleptic Gregorian calendar.
const QDate kDateTimeOrigin{1899, 12, 30};

}  // namespace

QString LeapYearText(int Year) {
    return QString::fromStdString(LeapYearLine(static_cast<std::uint16_t>(Year)));
}

QDate DateTimeToQDate(TDateTime Date) {
    return kDateTimeOrigin.addDays(static_cast<qint64>(std::floor(Date)));
}

TCalendarForm::TCalendarForm(const QWidget* Converter, ShownDateSource ShownDate,
                             QWidget* Parent)
    : QDialog(Parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                  Qt::WindowCloseButtonHint),
      FShownDate(std::move(ShownDate)) {
    setWindowTitle(QStringLiteral("Calendar"));
    setFont(DefaultControlFont());

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                              QStringLiteral("&Close"), this);
    BitBtn1->setToolTip(QStringLiteral("Close the calendar"));
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(kCloseButton);
    connect(BitBtn1, &QPushButton::clicked, this, &TCalendarForm::BitBtn1Click);

    LeapYinfo = new QLabel(QStringLiteral("0000 is not a leap year"), this);
    LeapYinfo->setGeometry(kLeapLine);

    Calendar = new QCalendarWidget(this);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    Calendar->setFirstDayOfWeek(Qt::Monday);  // so that each row is one ISO week
    Calendar->setGeometry(kCalendar);
    connect(Calendar, &QCalendarWidget::clicked, this, &TCalendarForm::CalendarClick);
    // Turning the page with the arrows or the month and year buttons is a click in the month
    // calendar too: as in a native month calendar, the selection follows the page.
    // A page that a new selection brought along (FormShow, a day of the next month clicked)
    // is not turned again.
    connect(Calendar, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        const QDate selected = Calendar->selectedDate();
        if (selected.year() == year && selected.month() == month) return;
        const QDate first(year, month, 1);
        Calendar->setSelectedDate(first.addDays(std::min(selected.day(), first.daysInMonth()) - 1));
        CalendarClick();
    });

    setMinimumSize(kMinimumClient);
    resize(kMinimumClient);
    FormCreate(Converter);
}

void TCalendarForm::ShowLeapYear(int Year) { LeapYinfo->setText(LeapYearText(Year)); }

void TCalendarForm::FormCreate(const QWidget* Converter) {
    if (!Converter) return;
    const QRect frame = Converter->frameGeometry();
    move(frame.left() + frame.width(), frame.top());
}

void TCalendarForm::FormShow() {
    if (FShownDate) Calendar->setSelectedDate(DateTimeToQDate(FShownDate()));
}

void TCalendarForm::CalendarClick() { ShowLeapYear(Calendar->selectedDate().year()); }

void TCalendarForm::BitBtn1Click() { hide(); }

void TCalendarForm::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    if (!Event->spontaneous()) FormShow();
}

void TCalendarForm::hideEvent(QHideEvent* Event) {
    QDialog::hideEvent(Event);
    // A spontaneous hide is the window manager minimising the window: it is still shown.
    if (!Event->spontaneous()) emit hidden();
}

void TCalendarForm::resizeEvent(QResizeEvent* Event) {
    QDialog::resizeEvent(Event);
    LayOut();
}

void TCalendarForm::keyPressEvent(QKeyEvent* Event) {
    // The window has no Cancel button: Escape does not hide it.
    if (Event->key() == Qt::Key_Escape && Event->modifiers() == Qt::NoModifier) {
        Event->ignore();
        return;
    }
    QDialog::keyPressEvent(Event);
}

void TCalendarForm::LayOut() {
    const int dw = width() - kMinimumClient.width();
    const int dh = height() - kMinimumClient.height();
    LeapYinfo->setGeometry(kLeapLine.adjusted(0, 0, dw, 0));
    Calendar->setGeometry(kCalendar.adjusted(0, 0, dw, dh));
    // Day names of three letters where the columns hold them, one letter otherwise (a week
    // row is eight columns with its number).
    const int column = Calendar->width() / 8;
    const bool roomy = Calendar->fontMetrics().horizontalAdvance(QStringLiteral("Wed")) + 8 <= column;
    Calendar->setHorizontalHeaderFormat(roomy ? QCalendarWidget::ShortDayNames
                                              : QCalendarWidget::SingleLetterDayNames);
}

}  // namespace almanix
