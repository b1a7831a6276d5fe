// The user's locale read into the process-wide format settings, checked through the texts the
// run-time library then writes.
#include <QTest>

#include "rtl/date_format.h"
#include "rtl/datetime.h"
#include "rtl/format_settings.h"
#include "rtl/number_format.h"
#include "ui/vcl/locale_settings.h"

using namespace almanix;

class TestLocaleSettings : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { FormatSettings = TFormatSettings{}; }

    void timePatternFromQt_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("US, with zone") << "h:mm:ss AP t" << ":" << "h:nn:ss ampm";
        QTest::newRow("24 hours") << "HH:mm:ss" << ":" << "hh:nn:ss";
        QTest::newRow("dots") << "H.mm.ss" << "." << "h:nn:ss";
        QTest::newRow("quoted text") << "HH 'h' mm" << ":" << "hh \"h\" nn";
        QTest::newRow("marker first") << "AP h:mm:ss" << ":" << "ampm h:nn:ss";
    }
    void timePatternFromQt() {
        QFETCH(QString, format);
        QFETCH(QString, separator);
        QFETCH(QString, pattern);
        QCOMPARE(QString::fromStdString(TimePatternFromQt(format, separator)), pattern);
    }

    void localeReachesFormatting_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("time");      // 14:05:09 in the long time format
        QTest::addColumn<QString>("number");    // 2452275.5 in general format
        QTest::addColumn<QString>("march");     // "mmm" of March
        QTest::newRow("English (US)") << QLocale(QLocale::English, QLocale::UnitedStates)
                                      << "2:05:09 PM" << "2452275.5" << "Mar";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "14:05:09"
                                << "2452275,5" << QLocale(QLocale::German).monthName(3, QLocale::ShortFormat);
        QTest::newRow("Finnish") << QLocale(QLocale::Finnish, QLocale::Finland) << "14.05.09"
                                 << "2452275,5" << QLocale(QLocale::Finnish).monthName(3, QLocale::ShortFormat);
    }
    void localeReachesFormatting() {
        QFETCH(QLocale, locale);
        QFETCH(QString, time);
        QFETCH(QString, number);
        QFETCH(QString, march);
        LoadFormatSettings(locale);
        const TDateTime at = EncodeDate(2002, 3, 1) + EncodeTime(14, 5, 9, 0);
        QCOMPARE(QString::fromStdString(TimeToStr(at)), time);
        QCOMPARE(QString::fromStdString(FloatToStr(2452275.5L)), number);
        QCOMPARE(QString::fromStdString(FormatDateTime("mmm", at)), march);
    }
};

QTEST_MAIN(TestLocaleSettings)
#include "tst_locale_settings.moc"
