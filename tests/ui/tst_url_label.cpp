// The link label: which address a caption opens, the order of click event and opening, the
// hover colours and the link cursor.
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "ui/vcl/shell_open.h"
#include "ui/vcl/url_label.h"

using namespace almanix;

class TstURLLabel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void prefixRule_data();
    void prefixRule();
    void clickRaisesEventThenOpens();
    void hoverColoursAndCursor();

private:
    QStringList FOpened;
};

void TstURLLabel::init() {
    FOpened.clear();
    SetShellOpenFunction([this](const QUrl& url) { FOpened << url.toString(); });
}

void TstURLLabel::cleanup() { SetShellOpenFunction({}); }

void TstURLLabel::prefixRule_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("address");
    QTest::newRow("bare mail") << int(utMailTo) << "info@almanix.example"
                               << "mailto:info@almanix.example";
    QTest::newRow("mail with prefix") << int(utMailTo) << "mailto:info@almanix.example"
                                      << "mailto:info@almanix.example";
    QTest::newRow("bare web") << int(utHTTP) << "www.almanix.example"
                              << "http://www.almanix.example";
    QTest::newRow("capital prefix kept") << int(utHTTP) << "HTTP://WWW.ALMANIX.EXAMPLE/"
                                         << "HTTP://WWW.ALMANIX.EXAMPLE/";
    QTest::newRow("prefix in the middle") << int(utHTTP) << "see http://almanix.example"
                                          << "see http://almanix.example";
    QTest::newRow("bare ftp") << int(utFTP) << "ftp.almanix.example"
                              << "ftp://ftp.almanix.example";
    QTest::newRow("web prefix on ftp label") << int(utFTP) << "http://almanix.example"
                                             << "ftp://http://almanix.example";
}

void TstURLLabel::prefixRule() {
    QFETCH(int, type);
    QFETCH(QString, caption);
    QFETCH(QString, address);
    TURLLabel label;
    label.SetURLType(static_cast<TURLType>(type));
    label.setText(caption);
    QCOMPARE(label.Address(), address);
}

void TstURLLabel::clickRaisesEventThenOpens() {
    TURLLabel label;
    QCOMPARE(label.URLType(), utHTTP);
    label.SetURLType(utMailTo);
    label.setText(QStringLiteral("info@almanix.example"));
    label.resize(120, 16);
    QStringList order;
    connect(&label, &TURLLabel::clicked, [&] { order << QStringLiteral("event:") + FOpened.join(','); });

    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(order, QStringList{QStringLiteral("event:")});  // nothing opened yet at the event
    QCOMPARE(FOpened, QStringList{QStringLiteral("mailto:info@almanix.example")});

    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(10, 8));
    QCOMPARE(FOpened.size(), 1);  // only the left button clicks
}

void TstURLLabel::hoverColoursAndCursor() {
    QWidget parent;
    QFont big(QStringLiteral("Arial"), 20);
    parent.setFont(big);
    auto* label = new TURLLabel(&parent);
    QVERIFY(label->font().underline());
    QVERIFY(label->font().pointSize() != 20);  // not the parent's font

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(label, &enter);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(label, &leave);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));

    QCOMPARE(label->cursor().hotSpot(), QPoint(5, 0));
    QCOMPARE(label->cursor().pixmap().size(), QSize(32, 32));
    const QImage hand = label->cursor().pixmap().toImage();
    QCOMPARE(hand.pixelColor(5, 0), QColor(Qt::black));  // the fingertip is the hot spot
    QCOMPARE(hand.pixelColor(0, 0).alpha(), 0);
}

QTEST_MAIN(TstURLLabel)
#include "tst_url_label.moc"
