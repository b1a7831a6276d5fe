// The converter window: one day in four panels (Gregorian, Chinese, Jewish, Julian day),
// converting from the Gregorian, Chinese or Jewish panel into the others, with the menus,
// toolbar and actions around it and the fill-in actions that put a feast date in and convert it.
//
// The Gregorian panel reads and writes the proleptic Gregorian calendar of the run-time date
// routines; the Jewish and Chinese panels go through their calendar routines, which work in the
// reformed calendar. Every handler runs on the user-interface thread; an error that no handler
// catches is shown by ShowException.
#pragma once

#include <QMainWindow>

#include "calendar/chinese.h"
#include "rtl/types.h"
#include "ui/tool_windows.h"

class QAction;
class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolBar;
class QToolButton;

namespace almanix {

class DropDownList;
class GroupBox;
class SpinEdit;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window hidden and runs FormCreate: fills every panel from the clock and starts
    // the one-shot timer that shows the splash.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The splash shown modally by the first tick of ShowIntroFormTimer.
    void AttachIntroForm(QDialog* IntroForm);
    // The tool windows and the About box; the converter owns them from now on.
    void AttachToolWindows(const TToolWindows& Windows);
    const TToolWindows& ToolWindows() const { return toolWindows_; }

    // The instant the panels show after the last conversion (never read back from them).
    TDateTime ShownDate = 0;

    // Controls, named as the other windows and the tests address them.
    QToolBar* ToolBar1;
    GroupBox* GregorianPanel;
    SpinEdit* GDay;
    SpinEdit* GMonth;
    SpinEdit* GYear;
    QPushButton* GConvert;
    GroupBox* ChinesePanel;
    SpinEdit* CDay;
    SpinEdit* CMonth;
    SpinEdit* CYear;
    QPushButton* CConvert;
    SpinEdit* CCycles;
    QCheckBox* CLeapMonth;
    DropDownList* CStem;
    DropDownList* CZodiac;
    GroupBox* JewishPanel;
    SpinEdit* JeDay;
    SpinEdit* JeMonth;
    SpinEdit* JeYear;
    QPushButton* JeConvert;
    DropDownList* JeMonthName;
    GroupBox* JulianPanel;
    QLineEdit* JuDay;
    QTextEdit* PrintingEdit;  // never shown: the text of copy and print
    QTimer* ShowIntroFormTimer;
    QToolButton* CalBtn;
    QToolButton* AstroBtn;

    // Actions of the menus and the toolbar.
    QAction* CopyAll;
    QAction* CurrentDate;
    QAction* FillGnuYear;
    QAction* FillEaster;
    QAction* PalmSunday;
    QAction* Whitsun;
    QAction* AllSaintsDay;
    QAction* FillXmas;
    QAction* FillPesach;
    QAction* FillJeNuYear;
    QAction* ToolCalendar;
    QAction* ToolMoon;
    QAction* HelpContent;
    QAction* ExitApp;
    // Menu entries that are not actions.
    QAction* Print1;
    QAction* PrintSetup1;
    QAction* Cut1;
    QAction* Copy1;
    QAction* Paste1;
    QAction* About1;
    QAction* Almanixhomepage1;

    // Show steps: each writes one panel from the instant d.
    void ShowInGregorianPanel(TDateTime d);
    void ShowInJewishPanel(TDateTime d);
    void ShowInJulianPanel(TDateTime d);
    void ShowInChinesePanel(TDateTime d);

    // Fills every panel from the current local date and time.
    void FillPanelsWithToday();

    // The three conversions; each runs whatever the state of its button.
    void GConvertClick();
    void JeConvertClick();
    void CConvertClick();

    // Keep the Jewish month number and name in step.
    void JeMonthChange();
    void JeMonthNameChange();

    // Pointer over a panel's own surface: enable that panel's Convert button only.
    void GregorianPanelMouseMove();
    void ChinesePanelMouseMove();
    void JewishPanelMouseMove();

    // CZodiac and CStem item index of a Chinese date.
    static int ZodiacIndex(TChineseDate C);
    static int StemIndex(TChineseDate C);

    // Fill-in actions: put a date in the Gregorian or Jewish panel and convert it.
    void CurrentDateExecute();
    void FillGnuYearExecute();
    void FillEasterExecute();
    void PalmSundayExecute();
    void WhitsunExecute();
    void AllSaintsDayExecute();
    void FillXmasExecute();
    void FillJeNuYearExecute();
    void FillPesachExecute();

    // Tool windows.
    void ToolCalendarExecute();
    void ToolMoonExecute();
    void CalBtnClick();
    void AstroBtnClick();

    // Copy and print of all calendars. BuildAllCalendarsText writes the seven lines of what the
    // panels show now into PrintingEdit; the copy puts them on the clipboard, the print sends
    // them to the current printer as the job "Almanix"; the set-up chooses that printer.
    void BuildAllCalendarsText();
    void CopyAllExecute();
    void Print1Click();
    void PrintSetup1Click();

    // Help menu: the help file beside the program (nothing when it is missing), the About box
    // (modal), the product's home page.
    void HelpContentExecute();
    void About1Click();
    void Almanixhomepage1Click();

    // Ends the program at once.
    void ExitAppExecute();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void ShowIntroFormTimerTimer();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar(QWidget* client);
    void CreateGregorianPanel(QWidget* client);
    void CreateChinesePanel(QWidget* client);
    void CreateJewishPanel(QWidget* client);
    void CreateJulianPanel(QWidget* client);
    void SetTabOrder();
    void EnableConvertButton(QPushButton* Button);
    void WriteGregorianDayAndMonth(TDateTime d);
    void EditFocusedField(void (*Operation)(QLineEdit*));

    QDialog* introForm_ = nullptr;
    TToolWindows toolWindows_;
};

}  // namespace almanix
