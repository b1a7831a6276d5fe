#include "ui/info_form.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/image_list.h"
#include "ui/vcl/shell_open.h"
#include "ui/vcl/url_label.h"

namespace almanix {

namespace {

constexpr QSize kClient{356, 206};
constexpr QRect kPageControl{0, 0, 356, 171};
constexpr QRect kLogo{10, 6, 155, 40};
constexpr QRect kTitle{170, 9, 173, 15};
constexpr QRect kHomePageLink{12, 89, 201, 13};
constexpr QRect kMailLink{238, 89, 98, 13};
constexpr QRect kCloseButton{147, 172, 63, 32};
constexpr int kQuestionMarkImage = 10;  // ImageList1: question mark on a yellow disc

QFont ArialPixels(int Pixels, bool Bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(Pixels);
    font.setBold(Bold);
    return font;
}

// A link label at Place whose width grows to its caption when the caption is wider.
TURLLabel* MakeLink(QWidget* Parent, const QRect& Place, TURLType Type, const QString& Caption) {
    auto* label = new TURLLabel(Parent);
    label->SetURLType(Type);
    label->setText(Caption);
    label->setGeometry(Place);
    const QSize hint = label->sizeHint();
    label->resize(std::max(Place.width(), hint.width()), std::max(Place.height(), hint.height()));
    return label;
}

}  // namespace

QString HelpFilePath() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help.chm"));
}

void OpenHelpContents() { ShellOpen(QUrl::fromLocalFile(HelpFilePath())); }

void OpenHomePage() { ShellOpen(QUrl(QString::fromLatin1(HomePageAddress))); }

TInfoForm::TInfoForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Info"));
    setFont(ArialPixels(12, false));
    setFixedSize(kClient);

    PageControl1 = new QTabWidget(this);
    PageControl1->setDocumentMode(true);  // flat tabs
    PageControl1->setGeometry(kPageControl);

    AboutTabSheet = new QWidget;
    PageControl1->addTab(AboutTabSheet, ImageListIcon(kQuestionMarkImage), QStringLiteral("About"));

    Panel1 = new QFrame(AboutTabSheet);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);
    auto* fill = new QVBoxLayout(AboutTabSheet);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(Panel1);

    Image1 = new QLabel(Panel1);
    Image1->setPixmap(LogoPicture());
    Image1->setScaledContents(true);
    Image1->setGeometry(kLogo);

    Label7 = new QLabel(QStringLiteral("Almanix 1.0"), Panel1);
    Label7->setFont(ArialPixels(12, true));
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setGeometry(kTitle);

    URLLabel1 = MakeLink(Panel1, kHomePageLink, utHTTP, QString::fromLatin1(HomePageAddress));
    URLLabel2 = MakeLink(Panel1, kMailLink, utMailTo, QString::fromLatin1(ContactMailAddress));

    BitBtn3 = new QPushButton(QStringLiteral("Close"), this);
    BitBtn3->setFont(ArialPixels(13, true));
    BitBtn3->setCursor(Qt::PointingHandCursor);
    BitBtn3->setGeometry(kCloseButton);
    connect(BitBtn3, &QPushButton::clicked, this, &TInfoForm::BitBtn3Click);
}

int TInfoForm::ShowAbout() {
    PageControl1->setCurrentIndex(0);
    return exec();
}

void TInfoForm::BitBtn3Click() { accept(); }

void TInfoForm::reject() {}

void TInfoForm::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    const QScreen* screen = this->screen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace almanix
