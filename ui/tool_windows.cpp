#include "ui/tool_windows.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "ui/calendar_form.h"
#include "ui/info_form.h"
#include "ui/lunar_form.h"
#include "ui/main_form.h"

namespace almanix {

TToolWindows CreateToolWindows(TMainForm& MainForm) {
    auto* info = new TInfoForm();
    auto* lunar = new TLunarForm(&MainForm, MainForm.GDay, MainForm.GMonth, MainForm.GYear,
                                 MainForm.AstroBtn);
    auto* calendar = new TCalendarForm(&MainForm, [&MainForm] { return MainForm.ShownDate; });
    QObject::connect(calendar, &TCalendarForm::hidden, MainForm.CalBtn,
                     [&MainForm] { MainForm.CalBtn->setChecked(false); });
    return {info, lunar, lunar->SetBtn, calendar, calendar->LeapYinfo};
}

}  // namespace almanix
