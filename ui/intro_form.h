// The splash window: the program's logo on a white panel, shown modally at start-up. When it
// becomes active it puts today's date into the converter's caption; two ticks of its
// one-second countdown later it closes and shows the converter.
#pragma once

#include <QDialog>

class QTimer;

namespace almanix {

class TIntroForm : public QDialog {
    Q_OBJECT
public:
    // MainWindow: the converter, captioned and shown by the splash.
    explicit TIntroForm(QWidget& MainWindow, QWidget* parent = nullptr);

    QTimer* WaitingTimer;
    // Ticks left before the splash closes (the countdown).
    int Tag = 0;

    // Captions the converter "Almanix Mmm dd yyyy" and restarts the countdown.
    void FormActivate();
    // One tick of the countdown; the tick after it reached 0 closes the splash.
    void WaitingTimerTimer();

protected:
    bool event(QEvent* event) override;

private:
    QWidget& mainWindow_;
};

}  // namespace almanix
