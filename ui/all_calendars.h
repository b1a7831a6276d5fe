// Copy and print of all calendars: the converter's four panels as seven lines of text, written
// into a rich-text box and from there put on the clipboard or printed as one job.
//
// The seven lines, each ended by a line end (the last one too):
//   Gregorian: Month:<m> Day:<d> Year:<y>
//   Chinese: Day:<d> Month:<m> Year:<y>
//    Cycle:<c> Stem: <stem> Zodiac: <animal>          (starts with a space)
//   Jewish: Day:<d> Month: <month name> Year:<y>
//   Julian: <Julian day text> days.
//   (empty)
//   Time: <current local time of day, long time format>
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QTextEdit;
class QWidget;

namespace almanix {

// What the panels show at the moment: the numbers as the spin fields read them (unclamped,
// the minimum for text that is no number) and the texts of the lists and of the Julian day.
struct TAllCalendarsEntries {
    int GMonth = 0, GDay = 0, GYear = 0;
    int CDay = 0, CMonth = 0, CYear = 0, CCycles = 0;
    QString CStem, CZodiac;  // "" when no item is selected
    int JeDay = 0;
    QString JeMonthName;
    int JeYear = 0;
    QString JuDay;
};

// Lines 1 to 5, without line ends.
QStringList AllCalendarsLines(const TAllCalendarsEntries& Entries);

// Clears Edit and appends lines 1 to 5, the empty line 6 and line 7, which carries the time
// of day of Now() formatted by the long time format of the process-wide format settings.
void WriteAllCalendarsText(QTextEdit& Edit, const TAllCalendarsEntries& Entries);

// Selects the whole text of Edit and copies it to the clipboard, as the box does: rich text and
// plain text. When the clipboard cannot be taken nothing is copied and nothing is said.
void CopyAllText(QTextEdit& Edit);

// Title of the print job, the name the print queue shows.
inline const QString PrintJobTitle = QStringLiteral("Almanix");
inline const QString PrintFailureText =
    QStringLiteral("Printing cannot proceed, please check the printer out !");
inline const QString PrintFailureCaption = QStringLiteral("Printer's trouble?");

// Prints the text of Edit as one job titled PrintJobTitle on CurrentPrinter(), in the box's
// font, wrapped at the page width, over as many pages as it takes. When the printer check
// refuses the printer or the job cannot be started or fails: beeps and shows the warning box
// PrintFailureText / PrintFailureCaption, and nothing else happens. The busy cursor shown
// while printing is gone on return, whatever happened.
void PrintAllText(const QTextEdit& Edit);

// The printer set-up dialog for CurrentPrinter(), modal over Parent. When the user confirms,
// the printer and settings chosen there (a printer of the system, or a PDF file) are used by
// later prints of this run.
void ShowPrinterSetup(QWidget* Parent);

// The process's one printer: the system's default printer, or PDF output while none is set up.
// Created on first use; needs the application object, and goes with it.
QPrinter& CurrentPrinter();

// Whether a job can be started on Printer: a printer of the system that it knows, or PDF
// output with a file name.
bool PrinterIsUsable(const QPrinter& Printer);

// Replaces the check PrintAllText asks before printing (an empty function restores
// PrinterIsUsable); returns the previous one.
using PrinterCheck = std::function<bool(const QPrinter& Printer)>;
PrinterCheck SetPrinterCheck(PrinterCheck Check);

}  // namespace almanix
