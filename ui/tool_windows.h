// The windows the converter opens besides the splash: the About box, the Moon and seasons
// window and the calendar window, as the converter sees them.
#pragma once

class QAbstractButton;
class QDialog;
class QLabel;
class QWidget;

namespace almanix {

class TMainForm;

struct TToolWindows {
    QDialog* InfoForm = nullptr;               // the About box, shown modally
    QWidget* LunarForm = nullptr;              // the Moon and seasons window
    QAbstractButton* LunarSetBtn = nullptr;    // its "Update" button
    QWidget* CalendarForm = nullptr;           // the calendar window
    QLabel* LeapYinfo = nullptr;               // its leap-year line
};

// Creates the About box, the Moon and seasons window and the calendar window, in that order,
// hidden, once the converter exists. Each releases the converter's matching toolbar button
// whenever it is hidden. The caller owns the windows.
TToolWindows CreateToolWindows(TMainForm& MainForm);

}  // namespace almanix
