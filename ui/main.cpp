// Almanix: calendar converter and astronomical almanac.
#include <QApplication>

#include "ui/image_list.h"
#include "ui/intro_form.h"
#include "ui/main_form.h"
#include "ui/tool_windows.h"

int main(int argc, char* argv[]) {
    using namespace almanix;
    QApplication app(argc, argv);
    // The application name only: a display name would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Almanix"));
    QApplication::setWindowIcon(ApplicationIcon());
    // Closing the converter ends the program (TMainForm::closeEvent), whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);

    // The windows in their order of creation; the converter stays hidden until the splash,
    // started by its timer, shows it.
    TMainForm mainForm;
    TIntroForm introForm(mainForm);
    mainForm.AttachIntroForm(&introForm);
    mainForm.AttachToolWindows(CreateToolWindows(mainForm));

    return QApplication::exec();
}
