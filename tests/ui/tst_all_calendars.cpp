// Copy and print of all calendars, driven from the converter window: the seven lines on the
// clipboard after the entries a user makes, and printing with no printer, with a job that
// cannot start and to a PDF file. The clock is fixed at 1 January 2002, 14:05:09.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "rtl/datetime.h"
#include "rtl/format_settings.h"
#include "ui/all_calendars.h"
#include "ui/main_form.h"
#include "ui/vcl/message_box.h"
#include "ui/vcl/spin_edit.h"

using namespace almanix;

namespace {

const TDateTime Now_ = 37257.0 + (14 * 3600 + 5 * 60 + 9) / 86400.0;  // 1 Jan 2002 14:05:09

struct Message {
    QString text;
    QString caption;
};

// The converter on a fixed clock, with English settings and a 24-hour long time format, and a
// message-box recorder.
struct Converter {
    QList<Message> messages;
    LocalClock oldClock = SetLocalClock([] { return Now_; });
    MessageBoxFunction oldBox = SetMessageBoxFunction(
        [this](const QString& text, const QString& caption, TMsgIcon) { messages.append({text, caption}); });
    std::unique_ptr<TMainForm> form = std::make_unique<TMainForm>();

    Converter() {
        FormatSettings = TFormatSettings{};
        FormatSettings.LongTimeFormat = "hh:nn:ss";
        form->FillPanelsWithToday();
    }
    ~Converter() {
        form.reset();
        SetLocalClock(oldClock);
        SetMessageBoxFunction(oldBox);
        FormatSettings = TFormatSettings{};
    }
    TMainForm* operator->() { return form.get(); }
};

QString Text(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

}  // namespace

class TestAllCalendars : public QObject {
    Q_OBJECT

private slots:
    void ctrlYCopiesTheSevenLines_data() {
        QTest::addColumn<QString>("entry");  // what the user does before copying
        QTest::addColumn<QStringList>("lines");
        const QString time = QStringLiteral("Time: 14:05:09");
        // Today in the other panels, as 1 January 2002 at 14:05:09 shows.
        const QStringList today = {
            "Chinese: Day:18 Month:11 Year:18", " Cycle:78 Stem: Xin Zodiac: Snake",
            "Jewish: Day:17 Month: Tevet Year:5762", "Julian: 2452276.08690972 days.", "", time};
        QTest::newRow("25 December 2002 converted")
            << "25/12/2002"
            << QStringList{"Gregorian: Month:12 Day:25 Year:2002", "Chinese: Day:22 Month:11 Year:19",
                           " Cycle:78 Stem: Ren Zodiac: Horse", "Jewish: Day:20 Month: Tevet Year:5763",
                           "Julian: 2452633.5 days.", "", time};
        QTest::newRow("invalid Gregorian entry kept in line 1")
            << "31/4/2002" << QStringList{"Gregorian: Month:4 Day:31 Year:2002"} + today;
        QTest::newRow("3000 typed, not yet clamped")
            << "typed 3000" << QStringList{"Gregorian: Month:1 Day:1 Year:3000"} + today;
    }
    void ctrlYCopiesTheSevenLines() {
        QFETCH(QString, entry);
        QFETCH(QStringList, lines);
        Converter c;
        c->show();
        QVERIFY(QTest::qWaitForWindowActive(c.form.get()));
        if (entry == "typed 3000") {
            c->GYear->SetText(QStringLiteral("3000"));
        } else {
            const QStringList dmy = entry.split('/');
            c->GDay->SetValue(dmy[0].toInt());
            c->GMonth->SetValue(dmy[1].toInt());
            c->GYear->SetValue(dmy[2].toInt());
            QTest::mouseClick(c->GConvert, Qt::LeftButton);
        }
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(c.form.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), Text(lines));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasHtml());
        QCOMPARE(c.messages.size(), entry.startsWith("31/") ? 1 : 0);
        QCOMPARE(c->GYear->Text(), lines[0].section(':', -1));  // nothing clamped or converted
    }

    void printing_data() {
        QTest::addColumn<bool>("printerUsable");  // what the printer check says
        QTest::addColumn<QString>("pdfFile");     // relative to a scratch folder
        QTest::addColumn<bool>("printed");
        QTest::newRow("no printer") << false << "out.pdf" << false;
        QTest::newRow("job cannot start") << true << "missing/folder/out.pdf" << false;
        QTest::newRow("PDF file") << true << "out.pdf" << true;
    }
    void printing() {
        QFETCH(bool, printerUsable);
        QFETCH(QString, pdfFile);
        QFETCH(bool, printed);
        QTemporaryDir scratch;
        Converter c;
        const PrinterCheck oldCheck =
            printerUsable ? SetPrinterCheck({}) : SetPrinterCheck([](const QPrinter&) { return false; });
        CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
        CurrentPrinter().setOutputFileName(scratch.filePath(pdfFile));
        c->Print1->trigger();
        SetPrinterCheck(oldCheck);
        CurrentPrinter().setOutputFileName({});

        QVERIFY(!QGuiApplication::overrideCursor());  // no busy cursor left behind
        if (printed) {
            QVERIFY(c.messages.isEmpty());
            QFile pdf(scratch.filePath(pdfFile));
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            const QByteArray bytes = pdf.readAll();
            QVERIFY(bytes.startsWith("%PDF"));
            // The job title is the document's title, in UTF-16.
            QVERIFY(bytes.contains(QByteArray("/Title (\xfe\xff\0A\0l\0m\0a\0n\0i\0x)", 22)));
        } else {
            QCOMPARE(c.messages.size(), 1);
            QCOMPARE(c.messages[0].text, QStringLiteral("Printing cannot proceed, please check the printer out !"));
            QCOMPARE(c.messages[0].caption, QStringLiteral("Printer's trouble?"));
            QVERIFY(!QFile::exists(scratch.filePath(pdfFile)));
        }
    }
};

QTEST_MAIN(TestAllCalendars)
#include "tst_all_calendars.moc"
