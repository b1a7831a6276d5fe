// Pictures of the windows for the documentation (the hidden option --screenshot DIR): the
// converter, the calendar window, the Moon and seasons window and the About box, each drawn by
// the window itself (QWidget::grab, so no window manager is needed), saved as PNG files.
#pragma once

#include <QString>

namespace almanix {

class TMainForm;

// File names written into the folder, in the order the windows are opened.
inline const char* const ScreenshotFiles[] = {"converter.png", "calendar.png", "moon.png", "about.png"};

// Shows MainForm, opens the calendar window and the Moon and seasons window through their
// toolbar buttons and the About box through its menu entry, letting each settle before it is
// drawn into Dir (created when missing), closes the About box, then ends the event loop with
// 0, or 1 when a picture could not be written.
void TakeScreenshots(TMainForm& MainForm, const QString& Dir);

}  // namespace almanix
