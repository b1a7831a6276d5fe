#include "ui/intro_form.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "rtl/date_format.h"
#include "rtl/datetime.h"
#include "rtl/format_settings.h"
#include "ui/image_list.h"

namespace almanix {

TIntroForm::TIntroForm(QWidget& MainWindow, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), mainWindow_(MainWindow) {
    setObjectName(QStringLiteral("IntroForm"));
    setWindowTitle(QStringLiteral("Almanix"));
    setModal(true);
    setFixedSize(376, 122);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    // A 3-pixel border in the button face colour around a white panel.
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    layout->addWidget(panel);
    auto* logo = new QLabel(panel);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setPixmap(LogoPicture());
    logo->setScaledContents(true);
    logo->setGeometry(5, 9, 166, 34);

    WaitingTimer = new QTimer(this);
    WaitingTimer->setInterval(1000);
    connect(WaitingTimer, &QTimer::timeout, this, &TIntroForm::WaitingTimerTimer);
}

bool TIntroForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(event);
}

void TIntroForm::FormActivate() {
    FormatSettings.DateSeparator = " ";
    FormatSettings.ShortDateFormat = "mmm dd yyyy";
    mainWindow_.setWindowTitle(QStringLiteral("Almanix ") + QString::fromStdString(DateToStr(Date())));
    Tag = 1;
    // Enabling a running timer changes nothing; start() would restart its interval.
    if (!WaitingTimer->isActive()) WaitingTimer->start();
}

void TIntroForm::WaitingTimerTimer() {
    if (Tag <= 0) {
        WaitingTimer->stop();
        done(QDialog::Accepted);
        mainWindow_.show();
    } else {
        --Tag;
    }
}

}  // namespace almanix
