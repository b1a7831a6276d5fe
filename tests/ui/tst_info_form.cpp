// The About box and the Help menu's openings: the box leaves only by its Close button, and
// the help file and the home page go to the shell.
#include <QCoreApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "ui/info_form.h"
#include "ui/vcl/shell_open.h"
#include "ui/vcl/url_label.h"

using namespace almanix;

class TstInfoForm : public QObject {
    Q_OBJECT

private slots:
    void onlyCloseButtonCloses();
    void helpMenuOpenings();
};

void TstInfoForm::onlyCloseButtonCloses() {
    TInfoForm box;
    QCOMPARE(box.windowTitle(), QStringLiteral("Info"));
    QCOMPARE(box.URLLabel1->URLType(), utHTTP);
    QCOMPARE(box.URLLabel2->URLType(), utMailTo);
    QCOMPARE(box.URLLabel2->Address(), QStringLiteral("mailto:info@almanix.example"));
    box.PageControl1->addTab(new QWidget, QStringLiteral("other"));
    box.PageControl1->setCurrentIndex(1);

    bool stayedOpen = false;
    QTimer::singleShot(0, &box, [&] {
        QTest::keyClick(&box, Qt::Key_Escape);
        box.close();
        stayedOpen = box.isVisible() && box.PageControl1->currentIndex() == 0;
        QTest::mouseClick(box.BitBtn3, Qt::LeftButton);
    });
    QTimer watchdog;  // ends the modal loop should the Close button fail
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &box, [&] { box.done(-1); });
    watchdog.start(5000);

    QCOMPARE(box.ShowAbout(), int(QDialog::Accepted));
    QVERIFY(stayedOpen);
    QVERIFY(!box.isVisible());
}

void TstInfoForm::helpMenuOpenings() {
    QStringList opened;
    SetShellOpenFunction([&](const QUrl& url) { opened << url.toString(); });
    OpenHelpContents();
    OpenHomePage();
    SetShellOpenFunction({});
    const QString help = QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/help.chm")).toString();
    QCOMPARE(opened, (QStringList{help, QStringLiteral("http://www.almanix.example/")}));
}

QTEST_MAIN(TstInfoForm)
#include "tst_info_form.moc"
