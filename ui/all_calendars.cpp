#include "ui/all_calendars.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <exception>
#include <memory>
#include <utility>

#include "rtl/date_format.h"
#include "rtl/datetime.h"
#include "ui/vcl/message_box.h"

namespace almanix {

namespace {

QPrinter* processPrinter = nullptr;

PrinterCheck& CurrentCheck() {
    static PrinterCheck check = PrinterIsUsable;
    return check;
}

// The wait cursor while the job runs, taken away on every way out.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// A font given in screen pixels, in whole points for the printer (96 pixels an inch on
// screen): 11 pixels print as 8 points.
QFont PrinterFont(QFont Font) {
    if (Font.pixelSize() > 0) Font.setPointSize(qRound(Font.pixelSize() * 72.0 / 96.0));
    return Font;
}

// One job: the text laid out from the top-left corner of the printable area, wrapped at its
// width, one printable area a page. False when the job cannot start or fails; a job that fails
// after starting is aborted.
bool PrintDocument(const QTextDocument& Source, QPrinter& Printer) {
    Printer.setDocName(PrintJobTitle);
    Printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&Printer)) return false;
    std::unique_ptr<QTextDocument> document(Source.clone());
    document->setDefaultFont(PrinterFont(Source.defaultFont()));
    document->documentLayout()->setPaintDevice(&Printer);
    document->setDocumentMargin(0);
    const QSizeF page = Printer.pageRect(QPrinter::DevicePixel).size();
    document->setPageSize(page);
    const int pages = document->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !Printer.newPage()) {
            Printer.abort();
            return false;
        }
        const QRectF area(0, i * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -area.top());
        document->drawContents(&painter, area);
        painter.restore();
    }
    if (!painter.end()) return false;
    return Printer.printerState() != QPrinter::Error && Printer.printerState() != QPrinter::Aborted;
}

}  // namespace

QStringList AllCalendarsLines(const TAllCalendarsEntries& E) {
    const auto n = [](int v) { return QString::number(v); };
    return {
        QStringLiteral("Gregorian: ") + "Month:" + n(E.GMonth) + " Day:" + n(E.GDay) + " Year:" + n(E.GYear),
        QStringLiteral("Chinese: ") + "Day:" + n(E.CDay) + " Month:" + n(E.CMonth) + " Year:" + n(E.CYear),
        QStringLiteral(" Cycle:") + n(E.CCycles) + " Stem: " + E.CStem + " Zodiac: " + E.CZodiac,
        QStringLiteral("Jewish: ") + "Day:" + n(E.JeDay) + " Month: " + E.JeMonthName + " Year:" + n(E.JeYear),
        QStringLiteral("Julian: ") + E.JuDay + " days.",
    };
}

void WriteAllCalendarsText(QTextEdit& Edit, const TAllCalendarsEntries& Entries) {
    const QStringList lines = AllCalendarsLines(Entries);
    Edit.clear();
    QTextCursor cursor(Edit.document());
    const auto append = [&cursor](const QString& line) {
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(line);
        cursor.insertBlock();
    };
    for (const QString& line : lines) append(line);
    append(QString());
    append(QStringLiteral("Time: ") + QString::fromStdString(TimeToStr(Time())));
}

void CopyAllText(QTextEdit& Edit) {
    Edit.selectAll();
    Edit.copy();
}

void PrintAllText(const QTextEdit& Edit) {
    bool printed = false;
    {
        BusyCursor busy;
        try {
            QPrinter& printer = CurrentPrinter();
            printed = CurrentCheck()(printer) && PrintDocument(*Edit.document(), printer);
        } catch (const std::exception&) {
            printed = false;
        }
    }
    if (!printed) {
        QApplication::beep();
        MessageBox(PrintFailureText, PrintFailureCaption, TMsgIcon::Warning);
    }
}

void ShowPrinterSetup(QWidget* Parent) {
    QPrintDialog dialog(&CurrentPrinter(), Parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog chooses the printer only; its confirming button does not print.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    dialog.exec();  // a confirmed choice is already in the printer
}

QPrinter& CurrentPrinter() {
    if (!processPrinter) {
        processPrinter = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete processPrinter;
            processPrinter = nullptr;
        });
    }
    return *processPrinter;
}

bool PrinterIsUsable(const QPrinter& Printer) {
    if (Printer.outputFormat() == QPrinter::PdfFormat) return !Printer.outputFileName().isEmpty();
    return Printer.isValid() && !Printer.printerName().isEmpty() &&
           QPrinterInfo::availablePrinterNames().contains(Printer.printerName());
}

PrinterCheck SetPrinterCheck(PrinterCheck Check) {
    return std::exchange(CurrentCheck(), Check ? std::move(Check) : PrinterCheck(PrinterIsUsable));
}

}  // namespace almanix
