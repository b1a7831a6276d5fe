// TInfoForm: the About box, and the Help menu's openings of the help file and the home page.
#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;

namespace almanix {

class TURLLabel;

// The product's home page and contact mail address.
inline constexpr char HomePageAddress[] = "http://www.almanix.example/";
inline constexpr char ContactMailAddress[] = "info@almanix.example";

// Full path of "help.chm" in the folder of the program's executable.
QString HelpFilePath();

// Help > Contents (F1): opens HelpFilePath() through ShellOpen. Nothing is checked or
// reported: without the file, the program shows nothing of its own.
void OpenHelpContents();

// Help > Almanix home page: opens HomePageAddress through ShellOpen.
void OpenHomePage();

class TInfoForm : public QDialog {
    Q_OBJECT

public:
    explicit TInfoForm(QWidget* Parent = nullptr);

    QTabWidget* PageControl1;
    QWidget* AboutTabSheet;
    QFrame* Panel1;
    QLabel* Image1;  // the logo
    QLabel* Label7;  // "Almanix 1.0"
    TURLLabel* URLLabel1;  // home page
    TURLLabel* URLLabel2;  // contact mail
    QPushButton* BitBtn3;  // "Close"

    // Help > About: selects the About page and shows the box modally; returns when the box
    // is closed, with its result (Accepted).
    int ShowAbout();

    // Closes the box with the result OK (Accepted); the box's only way out.
    void BitBtn3Click();

    // Escape and the window system's close request do nothing here.
    void reject() override;

protected:
    void showEvent(QShowEvent* Event) override;  // centres the box on its screen
};

}  // namespace almanix
