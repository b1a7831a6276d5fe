// The converter window driven as a user drives it: fields set, buttons clicked, menus and
// shortcuts used, panels read back. The clock is fixed at 1 January 2002, 10:00, and every
// message box is recorded instead of shown.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "rtl/datetime.h"
#include "rtl/format_settings.h"
#include "ui/info_form.h"
#include "ui/intro_form.h"
#include "ui/main_form.h"
#include "ui/tool_windows.h"
#include "ui/vcl/drop_down_list.h"
#include "ui/vcl/group_box.h"
#include "ui/vcl/message_box.h"
#include "ui/vcl/shell_open.h"
#include "ui/vcl/spin_edit.h"

using namespace almanix;

namespace {

const TDateTime Today = 37257.0;  // 1 January 2002
const QString TodayJulianDay = QStringLiteral("2452275.91666667");
const QString WrongDate = QStringLiteral("Wrong date !");

struct Message {
    QString text;
    QString caption;
};

// The converter with its tool windows, a fixed clock, English format
// settings and a message-box recorder.
struct Converter {
    QList<Message> messages;
    LocalClock oldClock;
    MessageBoxFunction oldBox;
    std::unique_ptr<TMainForm> form;

    explicit Converter(TDateTime now = Today + 10.0 / 24) {
        oldClock = SetLocalClock([now] { return now; });
        oldBox = SetMessageBoxFunction([this](const QString& text, const QString& caption, TMsgIcon) {
            messages.append({text, caption});
        });
        form = std::make_unique<TMainForm>();
        // The form loaded the machine's locale; fill again with fixed settings.
        FormatSettings = TFormatSettings{};
        form->FillPanelsWithToday();
        form->AttachToolWindows(CreateToolWindows(*form));
    }
    ~Converter() {
        form.reset();
        SetLocalClock(oldClock);
        SetMessageBoxFunction(oldBox);
    }
    TMainForm* operator->() { return form.get(); }

    void Show() {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void SetGregorian(int day, int month, int year) {
        form->GDay->SetValue(day);
        form->GMonth->SetValue(month);
        form->GYear->SetValue(year);
    }
    QList<int> Gregorian() const {
        return {form->GDay->Value(), form->GMonth->Value(), form->GYear->Value()};
    }
    QList<int> Jewish() const {
        return {form->JeDay->Value(), form->JeMonth->Value(), form->JeYear->Value()};
    }
    void Trigger(const char* action) { form->findChild<QAction*>(QLatin1String(action))->trigger(); }
};

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { FormatSettings = TFormatSettings{}; }

    void startsWithTodayInEveryPanel() {
        Converter c;
        QCOMPARE(c.Gregorian(), QList<int>({1, 1, 2002}));
        QCOMPARE(c.Jewish(), QList<int>({17, 10, 5762}));
        QCOMPARE(c->JeMonthName->Text(), QStringLiteral("Tevet"));
        QCOMPARE(c->JuDay->text(), TodayJulianDay);
        // 1 January 2002: day 18 of month 11 of the Xin-Si (Snake) year, year 18 of cycle 78.
        QCOMPARE(c->CDay->Value(), 18);
        QCOMPARE(c->CMonth->Value(), 11);
        QCOMPARE(c->CYear->Value(), 18);
        QCOMPARE(c->CCycles->Value(), 78);
        QCOMPARE(c->CZodiac->Text(), QStringLiteral("Snake"));
        QCOMPARE(c->CStem->Text(), QStringLiteral("Xin"));
        QVERIFY(!c->CLeapMonth->isChecked());
        QVERIFY(c->GConvert->isEnabled());
        QVERIFY(!c->CConvert->isEnabled());
        QVERIFY(!c->JeConvert->isEnabled());
        QCOMPARE(c->centralWidget()->size(), QSize(304, 354));
        QVERIFY(c.messages.isEmpty());
    }

    void startUpShowsSplashThenConverter() {
        Converter c(EncodeDate(2002, 1, 5) + 0.5);
        TIntroForm intro(*c.form);
        c->AttachIntroForm(&intro);
        QSignalSpy splashShown(c->ShowIntroFormTimer, &QTimer::timeout);
        QSignalSpy splashClosed(&intro, &QDialog::accepted);
        QVERIFY(!c->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(c->isVisible(), 10000);
        QCOMPARE(splashShown.count(), 1);
        QCOMPARE(splashClosed.count(), 1);
        QVERIFY(!intro.isVisible());
        QVERIFY(!c->ShowIntroFormTimer->isActive());
        QCOMPARE(c->windowTitle(), QStringLiteral("Almanix Jan 05 2002"));
        QCOMPARE(FormatSettings.ShortDateFormat, std::string("mmm dd yyyy"));
    }

    void gregorianConversion_data() {
        QTest::addColumn<QList<int>>("entry");      // day, month, year
        QTest::addColumn<QString>("julianDay");     // "" when the date is invalid
        QTest::addColumn<QList<int>>("jewish");     // day, month, year shown
        QTest::newRow("29 Feb 1900 invalid") << QList<int>{29, 2, 1900} << "" << QList<int>{};
        QTest::newRow("29 Feb 1500 invalid") << QList<int>{29, 2, 1500} << "" << QList<int>{};
        QTest::newRow("31 Apr 2002 invalid") << QList<int>{31, 4, 2002} << "" << QList<int>{};
        QTest::newRow("29 Feb 2000") << QList<int>{29, 2, 2000} << "2451603.5"
                                     << QList<int>{23, 12, 5760};
        QTest::newRow("7 Sep 2002") << QList<int>{7, 9, 2002} << "2452524.5"
                                    << QList<int>{1, 7, 5763};
        QTest::newRow("year 999 before the Jewish New Year clamps to 4760")
            << QList<int>{1, 1, 999} << "2085937.5" << QList<int>{5, 10, 4760};
    }
    void gregorianConversion() {
        QFETCH(QList<int>, entry);
        QFETCH(QString, julianDay);
        QFETCH(QList<int>, jewish);
        Converter c;
        c.SetGregorian(entry[0], entry[1], entry[2]);
        QTest::mouseClick(c->GConvert, Qt::LeftButton);
        QCOMPARE(c.Gregorian(), entry);  // the panel converted from keeps the entry
        if (julianDay.isEmpty()) {
            QCOMPARE(c.messages.size(), 1);
            QCOMPARE(c.messages[0].text,
                     QStringLiteral("Please, note that Gregorian date is invalid.\n\r"
                                    "Please, check this out."));
            QCOMPARE(c.messages[0].caption, WrongDate);
            QCOMPARE(c->JuDay->text(), TodayJulianDay);
            QCOMPARE(c.Jewish(), QList<int>({17, 10, 5762}));
        } else {
            QVERIFY(c.messages.isEmpty());
            QCOMPARE(c->JuDay->text(), julianDay);
            QCOMPARE(c.Jewish(), jewish);
            QCOMPARE(c->JeMonthName->ItemIndex(), jewish[1] - 1);
        }
    }

    void jewishConversion_data() {
        QTest::addColumn<QList<int>>("entry");      // day, month, year
        QTest::addColumn<QList<int>>("gregorian");  // empty when the date is invalid
        QTest::newRow("15 Nisan 5763") << QList<int>{15, 1, 5763} << QList<int>{17, 4, 2003};
        QTest::newRow("Adar 2 in a common year") << QList<int>{1, 13, 5762} << QList<int>{};
        QTest::newRow("30 Heshvan in a short year") << QList<int>{30, 8, 5762} << QList<int>{};
        QTest::newRow("6160 in the year 2400 shows 2399")
            << QList<int>{15, 1, 6160} << QList<int>{11, 4, 2399};
    }
    void jewishConversion() {
        QFETCH(QList<int>, entry);
        QFETCH(QList<int>, gregorian);
        Converter c;
        c->JewishPanelMouseMove();
        c->JeDay->SetValue(entry[0]);
        c->JeMonth->SetValue(entry[1]);
        c->JeYear->SetValue(entry[2]);
        QTest::mouseClick(c->JeConvert, Qt::LeftButton);
        QCOMPARE(c.Jewish(), entry);
        QCOMPARE(c->JeMonthName->ItemIndex(), entry[1] - 1);
        if (gregorian.isEmpty()) {
            QCOMPARE(c.messages.size(), 1);
            QCOMPARE(c.messages[0].text,
                     QStringLiteral("Please, note this Jewish date is invalid.\n\r"
                                    "Please, check this out."));
            QCOMPARE(c.messages[0].caption, WrongDate);
            QCOMPARE(c.Gregorian(), QList<int>({1, 1, 2002}));
            QCOMPARE(c->JuDay->text(), TodayJulianDay);
        } else {
            QVERIFY(c.messages.isEmpty());
            QCOMPARE(c.Gregorian(), gregorian);
            QVERIFY(c->JuDay->text().endsWith(QStringLiteral(".5")));
        }
    }

    void chineseConversion_data() {
        QTest::addColumn<QList<int>>("entry");      // day, month, year of cycle, cycle
        QTest::addColumn<bool>("leap");
        QTest::addColumn<QList<int>>("gregorian");  // empty when the date is invalid
        QTest::addColumn<QString>("zodiac");
        QTest::newRow("New Year of the Horse, 2002")
            << QList<int>{1, 1, 19, 78} << false << QList<int>{12, 2, 2002} << "Horse";
        QTest::newRow("month 13") << QList<int>{1, 13, 19, 78} << false << QList<int>{} << "";
        QTest::newRow("leap flag on an ordinary month")
            << QList<int>{1, 1, 19, 78} << true << QList<int>{} << "";
        QTest::newRow("year 1 of cycle 61 lies before 999")
            << QList<int>{1, 1, 1, 61} << false << QList<int>{0, 0, 999} << "Rat";
    }
    void chineseConversion() {
        QFETCH(QList<int>, entry);
        QFETCH(bool, leap);
        QFETCH(QList<int>, gregorian);
        QFETCH(QString, zodiac);
        Converter c;
        c->CDay->SetValue(entry[0]);
        c->CMonth->SetValue(entry[1]);
        c->CYear->SetValue(entry[2]);
        c->CCycles->SetValue(entry[3]);
        c->CLeapMonth->setChecked(leap);
        c->CZodiac->SetItemIndex(4);  // "Dragon" chosen by hand changes nothing
        c->CConvertClick();           // as a click from code, whatever the button's state
        QCOMPARE(c->CDay->Value(), entry[0]);
        QCOMPARE(c->CMonth->Value(), entry[1]);
        QCOMPARE(c->CYear->Value(), entry[2]);
        if (gregorian.isEmpty()) {
            QCOMPARE(c.messages.size(), 1);
            QCOMPARE(c.messages[0].text,
                     QStringLiteral("Please, note this Chinese date is invalid.\n\r"
                                    "Please, check this out."));
            QCOMPARE(c.messages[0].caption, WrongDate);
            // Today's cycle, leap flag and year names; today's date in the other panels.
            QCOMPARE(c->CCycles->Value(), 78);
            QVERIFY(!c->CLeapMonth->isChecked());
            QCOMPARE(c->CZodiac->Text(), QStringLiteral("Snake"));
            QCOMPARE(c.Gregorian(), QList<int>({1, 1, 2002}));
        } else {
            QVERIFY(c.messages.isEmpty());
            QCOMPARE(c->CCycles->Value(), entry[3]);
            QCOMPARE(c->CZodiac->Text(), zodiac);
            QCOMPARE(c->GYear->Value(), gregorian[2]);
            if (gregorian[0] != 0) QCOMPARE(c.Gregorian(), gregorian);
            if (gregorian[2] == 999) QCOMPARE(c->JeYear->Value(), 4760);
        }
    }

    void jewishMonthNumberAndNameKeepInStep() {
        Converter c;
        c.Show();
        c->JeMonth->setFocus();
        c->JeMonth->Editor()->clear();
        QTest::keyClicks(c->JeMonth->Editor(), QStringLiteral("14"));
        QCOMPARE(c->JeMonthName->Text(), QStringLiteral("Nisan"));
        c->GDay->setFocus();  // leaving the field clamps it to 13
        QCOMPARE(c->JeMonth->Text(), QStringLiteral("13"));
        QCOMPARE(c->JeMonthName->Text(), QStringLiteral("Adar 2"));

        c->JeMonthName->SetItemIndex(5);
        c->JeMonthName->setFocus();
        QTest::keyClick(c->JeMonthName, Qt::Key_Down);  // the user picks "Tishri"
        QCOMPARE(c->JeMonth->Text(), QStringLiteral("7"));
    }

    void pointerOverPanelsChoosesConvertButton() {
        Converter c;
        c.Show();
        auto enabled = [&c] {
            return QList<bool>{c->GConvert->isEnabled(), c->CConvert->isEnabled(),
                               c->JeConvert->isEnabled()};
        };
        QTest::mouseMove(c->ChinesePanel, QPoint(12, 27));  // over the "Day" label
        QCOMPARE(enabled(), QList<bool>({true, false, false}));
        QTest::mouseMove(c->ChinesePanel, QPoint(30, 60));  // free surface
        QCOMPARE(enabled(), QList<bool>({false, true, false}));
        QTest::mouseMove(c->JulianPanel, QPoint(5, 40));
        QCOMPARE(enabled(), QList<bool>({false, true, false}));
        QTest::mouseMove(c->JewishPanel, QPoint(200, 55));
        QCOMPARE(enabled(), QList<bool>({false, false, true}));
        QTest::mouseMove(c->GregorianPanel, QPoint(150, 42));
        QCOMPARE(enabled(), QList<bool>({true, false, false}));
    }

    void fillInActions_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("year");       // written into GYear, or JeYear for Jewish actions
        QTest::addColumn<QString>("panel");  // the panel whose Convert button is enabled
        QTest::addColumn<QList<int>>("gregorian");
        QTest::newRow("Easter 2002") << "FillEaster" << 2002 << "C" << QList<int>{31, 3, 2002};
        QTest::newRow("Palm Sunday 2002") << "PalmSunday" << 2002 << "J" << QList<int>{24, 3, 2002};
        QTest::newRow("Whitsun 2002") << "Whitsun" << 2002 << "G" << QList<int>{19, 5, 2002};
        QTest::newRow("Easter 1500, Julian shown proleptic")
            << "FillEaster" << 1500 << "G" << QList<int>{29, 4, 1500};
        QTest::newRow("Christmas 1999") << "FillXmas" << 1999 << "J" << QList<int>{25, 12, 1999};
        QTest::newRow("New Year 1999") << "FillGnuYear" << 1999 << "C" << QList<int>{1, 1, 1999};
        QTest::newRow("All Saints 1999") << "AllSaintsDay" << 1999 << "G" << QList<int>{1, 11, 1999};
        QTest::newRow("Jewish New Year 5763")
            << "FillJeNuYear" << 5763 << "G" << QList<int>{7, 9, 2002};
        QTest::newRow("Pesach 5763") << "FillPesach" << 5763 << "C" << QList<int>{17, 4, 2003};
    }
    void fillInActions() {
        QFETCH(QString, action);
        QFETCH(int, year);
        QFETCH(QString, panel);
        QFETCH(QList<int>, gregorian);
        Converter c;
        if (panel == "C") c->ChinesePanelMouseMove();
        if (panel == "J") c->JewishPanelMouseMove();
        const bool jewish = action.startsWith(QStringLiteral("FillJe")) || action == "FillPesach";
        (jewish ? c->JeYear : c->GYear)->SetValue(year);
        c.Trigger(action.toLatin1().constData());
        QVERIFY(c.messages.isEmpty());
        QCOMPARE(c.Gregorian(), gregorian);
        QVERIFY(c->JuDay->text().endsWith(QStringLiteral(".5")));
        if (action == "FillJeNuYear") {
            QCOMPARE(c.Jewish(), QList<int>({1, 7, 5763}));
            QCOMPARE(c->JeMonthName->Text(), QStringLiteral("Tishri"));
        }
        if (action == "FillPesach") {
            QCOMPARE(c.Jewish(), QList<int>({15, 1, 5763}));
            QCOMPARE(c->JeMonthName->Text(), QStringLiteral("Nisan"));
        }
    }

    void currentDateReturnsToTodayAtMidnight() {
        Converter c;
        c.SetGregorian(25, 12, 1999);
        c->GConvertClick();
        c.Trigger("CurrentDate");
        QCOMPARE(c.Gregorian(), QList<int>({1, 1, 2002}));
        QCOMPARE(c.Jewish(), QList<int>({17, 10, 5762}));
        QCOMPARE(c->JuDay->text(), QStringLiteral("2452275.5"));
    }

    void easterBeyondTheRuleWhileTyping() {
        // 2500 typed into the focused year field is not clamped yet.
        Converter c;
        c.Show();
        c->GDay->SetValue(5);
        c->GYear->setFocus();
        c->GYear->Editor()->clear();
        QTest::keyClicks(c->GYear->Editor(), QStringLiteral("2500"));
        c.Trigger("FillEaster");
        QVERIFY(c.messages.isEmpty());
        QCOMPARE(c->GDay->Value(), 5);
        for (const char* action : {"PalmSunday", "Whitsun"}) {
            c.messages.clear();
            c.Trigger(action);
            QCOMPARE(c.messages.size(), 1);
            QCOMPARE(c.messages[0].text, QStringLiteral("Out of range of the algorithm"));
            QCOMPARE(c.messages[0].caption, QStringLiteral("Almanix"));
            QCOMPARE(c->GDay->Value(), 5);
        }
    }

    void actions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("CopyAll") << "CopyAll" << "Cop&y all calendars" << "Copy all calendars dates" << "Ctrl+Y";
        QTest::newRow("CurrentDate") << "CurrentDate" << "Current &date" << "Current date" << "Ctrl+D";
        QTest::newRow("FillGnuYear") << "FillGnuYear" << "New &Year" << "Christian New Year" << "";
        QTest::newRow("FillEaster") << "FillEaster" << "&Easter date" << "Easter date" << "Ctrl+E";
        QTest::newRow("PalmSunday") << "PalmSunday" << "Palm Sunday" << "Palm Sunday" << "";
        QTest::newRow("Whitsun") << "Whitsun" << "Whitsun" << "Whitsun" << "";
        QTest::newRow("AllSaintsDay") << "AllSaintsDay" << "All Saints' Day" << "All Saints' Day" << "";
        QTest::newRow("FillXmas") << "FillXmas" << "Christ&mas" << "Xmas" << "Ctrl+M";
        QTest::newRow("FillPesach") << "FillPesach" << "&Pesach date" << "Pesach date" << "Ctrl+P";
        QTest::newRow("FillJeNuYear") << "FillJeNuYear" << "Ne&w Year" << "Jewish New Year" << "Ctrl+W";
        QTest::newRow("ToolCalendar") << "ToolCalendar" << "Cale&ndar..." << "View the calendar" << "Ctrl+N";
        QTest::newRow("ToolMoon") << "ToolMoon" << "Moon/Seasons..." << "Moon/Seasons info" << "Ctrl+O";
        QTest::newRow("HelpContent") << "HelpContent" << "Con&tents..." << "" << "F1";
        QTest::newRow("ExitApp") << "ExitApp" << "E&xit" << "Exit Almanix" << "Ctrl+Alt+X";
    }
    void actions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QString, shortcut);
        Converter c;
        auto* action = c->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        if (!hint.isEmpty()) QCOMPARE(action->toolTip(), hint);
        QCOMPARE(action->shortcut().toString(), shortcut);
        QVERIFY(!action->icon().isNull());
    }

    void ctrlYCopiesAndDoesNotFillNewYear() {
        Converter c;
        c.Show();
        c.SetGregorian(5, 6, 2002);
        QSignalSpy copy(c->CopyAll, &QAction::triggered);
        QSignalSpy newYear(c->FillGnuYear, &QAction::triggered);
        QTest::keyClick(c.form.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(copy.count(), 1);
        QCOMPARE(newYear.count(), 0);
        QCOMPARE(c.Gregorian(), QList<int>({5, 6, 2002}));
    }

    void calendarButtonShowsAndHides() {
        Converter c;
        c.Show();
        QWidget* calendar = c->ToolWindows().CalendarForm;
        QVERIFY(c->CalBtn->isCheckable());
        QTest::mouseClick(c->CalBtn, Qt::LeftButton);
        QVERIFY(calendar->isVisible());
        QCOMPARE(c->ToolWindows().LeapYinfo->text(), QStringLiteral("2002 is not a leap year"));
        QTest::mouseClick(c->CalBtn, Qt::LeftButton);
        QVERIFY(!calendar->isVisible());
        QVERIFY(!c->CalBtn->isChecked());

        // From the menu the button stays up; one press runs the action again, the next hides.
        c->GYear->SetValue(1500);
        c->ToolCalendar->trigger();
        QVERIFY(calendar->isVisible());
        QCOMPARE(c->ToolWindows().LeapYinfo->text(), QStringLiteral("1500 is a leap year"));
        QVERIFY(!c->CalBtn->isChecked());
        QTest::mouseClick(c->CalBtn, Qt::LeftButton);
        QVERIFY(calendar->isVisible());
        QTest::mouseClick(c->CalBtn, Qt::LeftButton);
        QVERIFY(!calendar->isVisible());
        QVERIFY(!c->CalBtn->isChecked());

        // Hidden by its own means, the window releases the button.
        QTest::mouseClick(c->CalBtn, Qt::LeftButton);
        calendar->close();
        QVERIFY(!c->CalBtn->isChecked());
    }

    // The tool windows are made while the converter is still hidden, and placed at its right
    // edge: it must have its final size by then, not Qt's default width.
    void toolWindowsOpenBesideTheConverter() {
        Converter c;
        const int rightEdge = c->x() + c->frameGeometry().width();
        QVERIFY(rightEdge - c->x() < 400);
        QCOMPARE(c->ToolWindows().CalendarForm->x(), rightEdge);
        QCOMPARE(c->ToolWindows().LunarForm->x(), rightEdge);
        QCOMPARE(c->ToolWindows().CalendarForm->y(), c->y());
    }

    void moonButtonUpdatesShowsAndHides() {
        Converter c;
        c.Show();
        QSignalSpy updated(c->ToolWindows().LunarSetBtn, &QAbstractButton::clicked);
        QTest::mouseClick(c->AstroBtn, Qt::LeftButton);
        QCOMPARE(updated.count(), 1);
        QVERIFY(c->ToolWindows().LunarForm->isVisible());
        QTest::mouseClick(c->AstroBtn, Qt::LeftButton);
        QVERIFY(!c->ToolWindows().LunarForm->isVisible());
        QVERIFY(!c->AstroBtn->isChecked());
    }

    void exitEndsTheEventLoop_data() {
        QTest::addColumn<bool>("byClosing");
        QTest::newRow("Ctrl+Alt+X") << false;
        QTest::newRow("closing the window") << true;
    }
    void exitEndsTheEventLoop() {
        QFETCH(bool, byClosing);
        Converter c;
        c.Show();
        QTest::mouseClick(c->CalBtn, Qt::LeftButton);  // with a tool window open
        QTimer::singleShot(0, c.form.get(), [&c, byClosing] {
            if (byClosing)
                c->close();
            else
                QTest::keyClick(c.form.get(), Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
        });
        QObject guard;  // ends the loop with another code if the program did not end
        QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }

    void helpMenu() {
        Converter c;
        c.Show();
        QStringList opened;
        SetShellOpenFunction([&opened](const QUrl& url) { opened << url.toString(); });
        // F1 without help.chm beside the program asks the desktop for nothing.
        QVERIFY(!QFile::exists(HelpFilePath()));
        QTest::keyClick(c.form.get(), Qt::Key_F1);
        QVERIFY(opened.isEmpty());
        QFile help(HelpFilePath());
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        QTest::keyClick(c.form.get(), Qt::Key_F1);
        help.remove();
        c->Almanixhomepage1->trigger();
        SetShellOpenFunction({});
        QCOMPARE(opened, (QStringList{QUrl::fromLocalFile(HelpFilePath()).toString(),
                                      QString::fromLatin1(HomePageAddress)}));

        // The About box opens modally on its About page and closes by its button.
        auto* info = qobject_cast<TInfoForm*>(c->ToolWindows().InfoForm);
        QVERIFY(info);
        info->PageControl1->addTab(new QWidget, QStringLiteral("other"));
        info->PageControl1->setCurrentIndex(1);
        bool shownModally = false;
        QTimer::singleShot(0, info, [&] {
            shownModally = QApplication::activeModalWidget() == info &&
                           info->PageControl1->currentIndex() == 0;
            QTest::mouseClick(info->BitBtn3, Qt::LeftButton);
        });
        QTimer watchdog;  // ends the modal loop should the box not close
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, info, [info] { info->done(-1); });
        watchdog.start(5000);
        c->About1->trigger();
        QVERIFY(shownModally);
        QVERIFY(!info->isVisible());
        QCOMPARE(info->result(), int(QDialog::Accepted));
    }

    void localeChangeReloadsFormatSettings() {
        Converter c;
        FormatSettings.DecimalSeparator = "#";
        FormatSettings.ShortMonthNames[0] = "?";
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(c.form.get(), &change);
        QCOMPARE(QString::fromStdString(FormatSettings.DecimalSeparator),
                 QLocale::system().decimalPoint());
        QCOMPARE(QString::fromStdString(FormatSettings.ShortMonthNames[0]),
                 QLocale::system().monthName(1, QLocale::ShortFormat));
    }
};

QTEST_MAIN(TestMainForm)
#include "tst_main_form.moc"
