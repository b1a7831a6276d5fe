// Almanix: calendar converter and astronomical almanac.
#include <QApplication>
#include <QStringList>

#include "ui/image_list.h"
#include "ui/intro_form.h"
#include "ui/main_form.h"
#include "ui/screenshots.h"
#include "ui/tool_windows.h"

int main(int argc, char* argv[]) {
    using namespace almanix;
    QApplication app(argc, argv);
    // The application name only: a display name would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Almanix"));
    QApplication::setWindowIcon(ApplicationIcon());
    // Ties the windows to the installed menu entry (almanix.desktop) and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("almanix"));
    // Closing the converter ends the program (TMainForm::closeEvent), whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);

    // The windows in their order of creation; the converter stays hidden until the splash,
    // started by its timer, shows it.
    TMainForm mainForm;
    TIntroForm introForm(mainForm);
    mainForm.AttachToolWindows(CreateToolWindows(mainForm));

    // Hidden option for the documentation: --screenshot DIR draws the windows into DIR and
    // ends, without the splash.
    const QStringList args = QApplication::arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--screenshot")); i > 0 && i + 1 < args.size())
        TakeScreenshots(mainForm, args[i + 1]);
    else
        mainForm.AttachIntroForm(&introForm);

    return QApplication::exec();
}
