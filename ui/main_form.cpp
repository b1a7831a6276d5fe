#include "ui/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "calendar/easter.h"
#include "calendar/jewish.h"
#include "calendar/reformed.h"
#include "rtl/date_format.h"
#include "rtl/datetime.h"
#include "rtl/exceptions.h"
#include "rtl/format_settings.h"
#include "rtl/number_format.h"
#include "ui/all_calendars.h"
#include "ui/calendar_form.h"
#include "ui/image_list.h"
#include "ui/info_form.h"
#include "ui/vcl/drop_down_list.h"
#include "ui/vcl/group_box.h"
#include "ui/vcl/locale_settings.h"
#include "ui/vcl/message_box.h"
#include "ui/vcl/rich_edit.h"
#include "ui/vcl/spin_edit.h"

namespace almanix {

namespace {

const QString WrongDateCaption = QStringLiteral("Wrong date !");
// The two sentences of each message are parted by a line feed and a carriage return, in
// that order.
const QString GregorianInvalid =
    QStringLiteral("Please, note that Gregorian date is invalid.\n\rPlease, check this out.");
const QString JewishInvalid =
    QStringLiteral("Please, note this Jewish date is invalid.\n\rPlease, check this out.");
const QString ChineseInvalid =
    QStringLiteral("Please, note this Chinese date is invalid.\n\rPlease, check this out.");

QLabel* AddLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

SpinEdit* AddSpinEdit(QWidget* parent, const char* name, int min, int max, int maxLength,
                      QRect place, const QString& hint = {}) {
    auto* field = new SpinEdit(min, max, maxLength, parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(place);
    field->setToolTip(hint);
    return field;
}

QPushButton* AddConvertButton(QWidget* parent, const char* name, QRect place,
                              const QString& hint) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setIcon(ConvertGlyph());
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

GroupBox* AddPanel(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* panel = new GroupBox(caption, parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(place);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(12);
    panel->setFont(font);
    return panel;
}

// Runs Steps and drops any error they raise, without a word.
template <class F>
void IgnoringErrors(F&& Steps) {
    try {
        Steps();
    } catch (const std::exception&) {
    }
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Almanix"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    LoadFormatSettings(QLocale::system());

    auto* client = new QWidget(this);
    client->setFixedSize(304, 354);
    setCentralWidget(client);

    CreateActions();
    CreateMenus();
    CreateToolBar(client);
    CreateGregorianPanel(client);
    CreateChinesePanel(client);
    CreateJewishPanel(client);
    CreateJulianPanel(client);

    PrintingEdit = new TRichEdit(client);
    PrintingEdit->setObjectName(QStringLiteral("PrintingEdit"));
    PrintingEdit->setGeometry(65, 295, 236, 56);
    PrintingEdit->hide();

    ShowIntroFormTimer = new QTimer(this);
    ShowIntroFormTimer->setInterval(500);
    connect(ShowIntroFormTimer, &QTimer::timeout, this, &TMainForm::ShowIntroFormTimerTimer);

    SetTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();  // the final size now, not at the first showing: the tool windows place
                   // themselves beside the converter before it is shown
    move(197, 92);
    RunReportingErrors([this] { FormCreate(); });
}

TMainForm::~TMainForm() {
    delete toolWindows_.InfoForm;
    delete toolWindows_.LunarForm;
    delete toolWindows_.CalendarForm;
}

void TMainForm::AttachIntroForm(QDialog* IntroForm) { introForm_ = IntroForm; }

void TMainForm::AttachToolWindows(const TToolWindows& Windows) { toolWindows_ = Windows; }

// ---------------------------------------------------------------------------------------------
// Building the window

void TMainForm::CreateActions() {
    struct Spec {
        QAction*& action;
        const char* name;
        const char* caption;
        const char* hint;
        QKeySequence shortcut;
        int icon;
        void (TMainForm::*handler)();
    };
    const Spec specs[] = {
        {CopyAll, "CopyAll", "Cop&y all calendars", "Copy all calendars dates",
         QKeySequence(Qt::CTRL | Qt::Key_Y), 2, &TMainForm::CopyAllExecute},
        {CurrentDate, "CurrentDate", "Current &date", "Current date",
         QKeySequence(Qt::CTRL | Qt::Key_D), 8, &TMainForm::CurrentDateExecute},
        // Ctrl+Y belongs to CopyAll; the New Year entry only shows it (see CreateMenus).
        {FillGnuYear, "FillGnuYear", "New &Year", "Christian New Year", {}, 14,
         &TMainForm::FillGnuYearExecute},
        {FillEaster, "FillEaster", "&Easter date", "Easter date",
         QKeySequence(Qt::CTRL | Qt::Key_E), 16, &TMainForm::FillEasterExecute},
        {PalmSunday, "PalmSunday", "Palm Sunday", "Palm Sunday", {}, 15,
         &TMainForm::PalmSundayExecute},
        {Whitsun, "Whitsun", "Whitsun", "Whitsun", {}, 7, &TMainForm::WhitsunExecute},
        {AllSaintsDay, "AllSaintsDay", "All Saints' Day", "All Saints' Day", {}, 18,
         &TMainForm::AllSaintsDayExecute},
        {FillXmas, "FillXmas", "Christ&mas", "Xmas", QKeySequence(Qt::CTRL | Qt::Key_M), 17,
         &TMainForm::FillXmasExecute},
        {FillPesach, "FillPesach", "&Pesach date", "Pesach date",
         QKeySequence(Qt::CTRL | Qt::Key_P), 9, &TMainForm::FillPesachExecute},
        {FillJeNuYear, "FillJeNuYear", "Ne&w Year", "Jewish New Year",
         QKeySequence(Qt::CTRL | Qt::Key_W), 13, &TMainForm::FillJeNuYearExecute},
        {ToolCalendar, "ToolCalendar", "Cale&ndar...", "View the calendar",
         QKeySequence(Qt::CTRL | Qt::Key_N), 5, &TMainForm::ToolCalendarExecute},
        {ToolMoon, "ToolMoon", "Moon/Seasons...", "Moon/Seasons info",
         QKeySequence(Qt::CTRL | Qt::Key_O), 11, &TMainForm::ToolMoonExecute},
        {HelpContent, "HelpContent", "Con&tents...", "", QKeySequence(Qt::Key_F1), 10,
         &TMainForm::HelpContentExecute},
        {ExitApp, "ExitApp", "E&xit", "Exit Almanix",
         QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_X), 4, &TMainForm::ExitAppExecute},
        // Menu entries of their own.
        {Print1, "Print1", "&Print calendars...", "", {}, 19, &TMainForm::Print1Click},
        {PrintSetup1, "PrintSetup1", "P&rint Setup...", "", {}, -1, &TMainForm::PrintSetup1Click},
        {About1, "About1", "&About...", "", {}, 23, &TMainForm::About1Click},
        {Almanixhomepage1, "Almanixhomepage1", "Almanix &home page...", "", {}, 22,
         &TMainForm::Almanixhomepage1Click},
    };
    for (const Spec& spec : specs) {
        spec.action = new QAction(QString::fromUtf8(spec.caption), this);
        spec.action->setObjectName(QLatin1String(spec.name));
        spec.action->setToolTip(QString::fromUtf8(spec.hint));
        spec.action->setShortcut(spec.shortcut);
        if (spec.icon >= 0) spec.action->setIcon(ImageListIcon(spec.icon));
        const auto handler = spec.handler;
        connect(spec.action, &QAction::triggered, this,
                [this, handler] { RunReportingErrors([this, handler] { (this->*handler)(); }); });
    }

    // Cut, Copy and Paste act on the focused field of this window, if any.
    struct EditSpec {
        QAction*& action;
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        int icon;
        void (*operation)(QLineEdit*);
    };
    const EditSpec edits[] = {
        {Cut1, "Cut1", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), 0, [](QLineEdit* e) { e->cut(); }},
        {Copy1, "Copy1", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), 1, [](QLineEdit* e) { e->copy(); }},
        {Paste1, "Paste1", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V), 6, [](QLineEdit* e) { e->paste(); }},
    };
    for (const EditSpec& spec : edits) {
        spec.action = new QAction(ImageListIcon(spec.icon), QString::fromUtf8(spec.caption), this);
        spec.action->setObjectName(QLatin1String(spec.name));
        spec.action->setShortcut(spec.shortcut);
        const auto operation = spec.operation;
        connect(spec.action, &QAction::triggered, this,
                [this, operation] { EditFocusedField(operation); });
    }
}

void TMainForm::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(Print1);
    file->addAction(PrintSetup1);
    file->addSeparator();
    file->addAction(ExitApp);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(Cut1);
    edit->addAction(Copy1);
    edit->addAction(Paste1);
    edit->addSeparator();
    edit->addAction(CopyAll);

    QMenu* fill = menuBar()->addMenu(QStringLiteral("&Fill in..."));
    fill->addAction(CurrentDate);
    fill->addSeparator();
    QMenu* gregorian = fill->addMenu(QStringLiteral("&Gregorian calendar"));
    // The New Year entry shows Ctrl+Y like the Copy entry, but the key runs the copy only:
    // a second binding would make Qt treat the key as ambiguous and run neither.
    auto* newYearEntry = new QAction(FillGnuYear->icon(),
                                     FillGnuYear->text() + QStringLiteral("\tCtrl+Y"), gregorian);
    newYearEntry->setObjectName(QStringLiteral("FillGnuYearEntry"));
    connect(newYearEntry, &QAction::triggered, FillGnuYear, &QAction::trigger);
    gregorian->addAction(newYearEntry);
    gregorian->addActions({FillEaster, PalmSunday, Whitsun, AllSaintsDay, FillXmas});
    QMenu* jewish = fill->addMenu(QStringLiteral("&Jewish calendar"));
    jewish->addActions({FillJeNuYear, FillPesach});

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->addActions({ToolCalendar, ToolMoon});

    // The menu bar would show the Help icon instead of the caption, so the caption goes alone.
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addActions({HelpContent, About1, Almanixhomepage1});

    // Shortcuts work while the window is active, whether a menu has been opened or not.
    addActions({CopyAll, CurrentDate, FillEaster, FillXmas, FillPesach, FillJeNuYear,
                ToolCalendar, ToolMoon, HelpContent, ExitApp, Cut1, Copy1, Paste1});
}

void TMainForm::CreateToolBar(QWidget* client) {
    ToolBar1 = new QToolBar(client);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, 304, 29);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setMovable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->setContentsMargins(5, 0, 0, 0);
    ToolBar1->setStyleSheet(QStringLiteral(
        "QToolBar { border-top: 1px solid palette(mid); border-bottom: 1px solid palette(mid);"
        " spacing: 0px; }"
        " QToolBar::separator { width: 6px; }"));

    ToolBar1->addAction(CopyAll);
    ToolBar1->addSeparator();
    ToolBar1->addAction(CurrentDate);
    ToolBar1->addSeparator();
    ToolBar1->addActions({FillGnuYear, FillEaster, PalmSunday, Whitsun, FillXmas});
    ToolBar1->addSeparator();
    ToolBar1->addActions({FillPesach, FillJeNuYear});
    ToolBar1->addSeparator();

    auto makeTwoState = [this](const char* name, int icon, const char* hint, const char* caption) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(QLatin1String(name));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(ImageListIcon(icon));
        button->setText(QString::fromUtf8(caption));
        button->setToolTip(QString::fromUtf8(hint));
        button->setFocusPolicy(Qt::NoFocus);
        ToolBar1->addWidget(button);
        return button;
    };
    CalBtn = makeTwoState("CalBtn", 5, "View/Hide the calendar", "Cale&ndar...");
    AstroBtn = makeTwoState("AstroBtn", 11, "Moon/Seasons info", "Moon/Seasons...");
    // Buttons of 22 x 22 pixels, so that all of them fit the width of the window.
    for (QToolButton* button : ToolBar1->findChildren<QToolButton*>())
        button->setFixedSize(22, 22);
    connect(CalBtn, &QToolButton::clicked, this,
            [this] { RunReportingErrors([this] { CalBtnClick(); }); });
    connect(AstroBtn, &QToolButton::clicked, this,
            [this] { RunReportingErrors([this] { AstroBtnClick(); }); });
}

void TMainForm::CreateGregorianPanel(QWidget* client) {
    GregorianPanel = AddPanel(client, "GregorianPanel", QStringLiteral(" Gregorian: "),
                              QRect(2, 40, 300, 46));
    AddLabel(GregorianPanel, QStringLiteral("Day"), 7, 21);
    GDay = AddSpinEdit(GregorianPanel, "GDay", 1, 31, 2, QRect(34, 16, 43, 24));
    AddLabel(GregorianPanel, QStringLiteral("Month"), 86, 21);
    GMonth = AddSpinEdit(GregorianPanel, "GMonth", 1, 12, 2, QRect(124, 16, 43, 24));
    AddLabel(GregorianPanel, QStringLiteral("Year"), 180, 21);
    GYear = AddSpinEdit(GregorianPanel, "GYear", 999, 2399, 4, QRect(209, 16, 50, 24),
                        QStringLiteral("between 999 and 2399"));
    GConvert = AddConvertButton(GregorianPanel, "GConvert", QRect(266, 15, 25, 25),
                                QStringLiteral("Convert this Gregorian date"));
    connect(GConvert, &QPushButton::clicked, this,
            [this] { RunReportingErrors([this] { GConvertClick(); }); });
    connect(GregorianPanel, &GroupBox::mouseMoved, this, &TMainForm::GregorianPanelMouseMove);
}

void TMainForm::CreateChinesePanel(QWidget* client) {
    ChinesePanel = AddPanel(client, "ChinesePanel", QStringLiteral(" Chinese: "),
                            QRect(2, 101, 300, 105));
    AddLabel(ChinesePanel, QStringLiteral("Day"), 7, 21);
    CDay = AddSpinEdit(ChinesePanel, "CDay", 1, 30, 2, QRect(34, 16, 43, 24));
    AddLabel(ChinesePanel, QStringLiteral("Month"), 86, 21);
    CMonth = AddSpinEdit(ChinesePanel, "CMonth", 1, 50, 2, QRect(124, 16, 43, 24));
    AddLabel(ChinesePanel, QStringLiteral("Year"), 180, 21);
    CYear = AddSpinEdit(ChinesePanel, "CYear", 1, 60, 2, QRect(209, 16, 50, 24),
                        QStringLiteral("between 1 and 60"));
    CConvert = AddConvertButton(ChinesePanel, "CConvert", QRect(267, 15, 25, 25),
                                QStringLiteral("Convert this Chinese date"));
    CConvert->setEnabled(false);
    AddLabel(ChinesePanel, QStringLiteral("Cycle"), 175, 49);
    CCycles = AddSpinEdit(ChinesePanel, "CCycles", 61, 84, 5, QRect(209, 45, 50, 24),
                          QStringLiteral("between 61 and 84"));
    CLeapMonth = new QCheckBox(QStringLiteral("Is a leap month ?"), ChinesePanel);
    CLeapMonth->setObjectName(QStringLiteral("CLeapMonth"));
    CLeapMonth->setLayoutDirection(Qt::RightToLeft);  // caption at the left of the box
    CLeapMonth->setGeometry(55, 49, 107, 17);
    AddLabel(ChinesePanel, QStringLiteral("Stem: "), 6, 80);
    QStringList stems;
    for (std::string_view name : ChineseStemNames) stems << QString::fromUtf8(name.data(), name.size());
    CStem = new DropDownList(stems, ChinesePanel);
    CStem->setObjectName(QStringLiteral("CStem"));
    CStem->setGeometry(41, 75, 66, 22);
    AddLabel(ChinesePanel, QStringLiteral("Zodiac: "), 144, 80);
    QStringList animals;
    for (std::string_view name : ChineseZodiacNames)
        animals << QString::fromUtf8(name.data(), name.size());
    CZodiac = new DropDownList(animals, ChinesePanel);
    CZodiac->setObjectName(QStringLiteral("CZodiac"));
    CZodiac->setGeometry(184, 75, 76, 22);
    connect(CConvert, &QPushButton::clicked, this,
            [this] { RunReportingErrors([this] { CConvertClick(); }); });
    connect(ChinesePanel, &GroupBox::mouseMoved, this, &TMainForm::ChinesePanelMouseMove);
}

void TMainForm::CreateJewishPanel(QWidget* client) {
    JewishPanel = AddPanel(client, "JewishPanel", QStringLiteral(" Jewish: "),
                           QRect(2, 219, 300, 72));
    AddLabel(JewishPanel, QStringLiteral("Day"), 7, 21);
    JeDay = AddSpinEdit(JewishPanel, "JeDay", 1, 30, 2, QRect(34, 16, 43, 24));
    AddLabel(JewishPanel, QStringLiteral("Month"), 87, 21);
    JeMonth = AddSpinEdit(JewishPanel, "JeMonth", 1, 13, 2, QRect(124, 16, 43, 24));
    AddLabel(JewishPanel, QStringLiteral("Year"), 180, 21);
    JeYear = AddSpinEdit(JewishPanel, "JeYear", 4760, 6160, 4, QRect(209, 16, 50, 24),
                         QStringLiteral("between 4760 and 6160"));
    JeConvert = AddConvertButton(JewishPanel, "JeConvert", QRect(267, 15, 25, 25),
                                 QStringLiteral("Convert this Jewish date"));
    JeConvert->setEnabled(false);
    AddLabel(JewishPanel, QStringLiteral("Month name:"), 9, 47);
    QStringList months;
    for (const char* name : JewishMonthNames) months << QString::fromUtf8(name);
    JeMonthName = new DropDownList(months, JewishPanel);
    JeMonthName->setObjectName(QStringLiteral("JeMonthName"));
    JeMonthName->setGeometry(81, 43, 87, 22);
    connect(JeConvert, &QPushButton::clicked, this,
            [this] { RunReportingErrors([this] { JeConvertClick(); }); });
    connect(JeMonth, &SpinEdit::changed, this, &TMainForm::JeMonthChange);
    connect(JeMonthName, &DropDownList::changed, this, &TMainForm::JeMonthNameChange);
    connect(JewishPanel, &GroupBox::mouseMoved, this, &TMainForm::JewishPanelMouseMove);
}

void TMainForm::CreateJulianPanel(QWidget* client) {
    // A plain group box: moving over it changes no Convert button.
    JulianPanel = AddPanel(client, "JulianPanel", QStringLiteral(" Julian: "),
                           QRect(2, 305, 300, 46));
    JuDay = new QLineEdit(JulianPanel);
    JuDay->setObjectName(QStringLiteral("JuDay"));
    JuDay->setReadOnly(true);
    JuDay->setGeometry(40, 15, 217, 23);
    JuDay->setToolTip(QStringLiteral("number of day elapsed since January 1st, 4712 b.c."));
    QLabel* label = AddLabel(JulianPanel, QStringLiteral("Days:"), 0, 0);
    label->setBuddy(JuDay);
    label->move(40 - 3 - label->width(), 15 + (23 - label->height()) / 2);
}

void TMainForm::SetTabOrder() {
    const QList<QWidget*> order = {GDay,    GMonth,     GYear,   GConvert, CDay,  CMonth,
                                   CYear,   CConvert,   CZodiac, CStem,    CCycles, CLeapMonth,
                                   JeDay,   JeMonth,    JeYear,  JeConvert, JeMonthName, JuDay};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// ---------------------------------------------------------------------------------------------
// Start-up and closing

void TMainForm::FormCreate() {
    ShowIntroFormTimer->start();
    ShownDate = Now();
    FillPanelsWithToday();
}

void TMainForm::ShowIntroFormTimerTimer() {
    ShowIntroFormTimer->stop();
    if (introForm_) introForm_->exec();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // FormCloseQuery: the window always closes, and with it the program.
    event->accept();
    QCoreApplication::exit(0);
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) LoadFormatSettings(QLocale::system());
    QMainWindow::changeEvent(event);
}

void TMainForm::ExitAppExecute() { QCoreApplication::exit(0); }

// ---------------------------------------------------------------------------------------------
// Show steps

void TMainForm::FillPanelsWithToday() {
    std::uint16_t year = 0, month = 0, day = 0;
    DecodeDate(Date(), year, month, day);
    GDay->SetValue(day);
    GMonth->SetValue(month);
    GYear->SetValue(year);
    ShownDate = Now();
    ShowInJewishPanel(ShownDate);
    ShowInJulianPanel(ShownDate);
    ShowInChinesePanel(ShownDate);
}

void TMainForm::ShowInGregorianPanel(TDateTime d) {
    std::uint16_t year = 0, month = 0, day = 0;
    DecodeDate(d, year, month, day);
    GDay->SetValue(day);
    GMonth->SetValue(month);
    GYear->SetValue(year);
}

void TMainForm::ShowInJewishPanel(TDateTime d) {
    std::uint16_t year = 0, month = 0, day = 0;
    DateToJewish(d, year, month, day);
    JeDay->SetValue(day);
    JeMonth->SetValue(month);  // its change event selects the month name
    JeYear->SetValue(year);
    JeMonthName->SetItemIndex(month - 1);
}

void TMainForm::ShowInJulianPanel(TDateTime d) {
    JuDay->setText(QString::fromStdString(FloatToStr(DateToJulianDay(d))));
}

int TMainForm::ZodiacIndex(TChineseDate C) { return C.YearZodiac <= 10 ? C.YearZodiac : 11; }

int TMainForm::StemIndex(TChineseDate C) { return C.YearStem <= 8 ? C.YearStem : 9; }

void TMainForm::ShowInChinesePanel(TDateTime d) {
    const TChineseDate r = DateToChinese(d);
    CDay->SetValue(r.Day);
    CMonth->SetValue(r.Month);
    CYear->SetValue(r.YearOfCycle);
    CZodiac->SetItemIndex(ZodiacIndex(r));
    CStem->SetItemIndex(StemIndex(r));
    CLeapMonth->setChecked(r.LeapMonth);
    CCycles->SetValue(r.Cycle);
}

// ---------------------------------------------------------------------------------------------
// Conversions

void TMainForm::GConvertClick() {
    FormatSettings.DateSeparator = "/";
    FormatSettings.ShortDateFormat = "mm/dd/yyyy";
    try {
        const std::string text = std::to_string(GMonth->Value()) + "/" +
                                 std::to_string(GDay->Value()) + "/" +
                                 std::to_string(GYear->Value());
        ShownDate = StrToDate(text);
    } catch (const std::exception&) {
        MessageBox(GregorianInvalid, WrongDateCaption, TMsgIcon::Information);
        ShownDate = Now();
    }
    ShowInJewishPanel(ShownDate);
    ShowInJulianPanel(ShownDate);
    ShowInChinesePanel(ShownDate);
}

void TMainForm::JeConvertClick() {
    try {
        const auto day = static_cast<std::uint16_t>(JeDay->Value());
        const auto month = static_cast<std::uint16_t>(JeMonth->Value());
        const auto year = static_cast<std::uint16_t>(JeYear->Value());
        JeMonthName->SetItemIndex(month - 1);
        ShownDate = JewishToDate(year, month, day);
    } catch (const std::exception&) {
        MessageBox(JewishInvalid, WrongDateCaption, TMsgIcon::Information);
        ShownDate = Now();
    }
    ShowInGregorianPanel(ShownDate);
    ShowInJulianPanel(ShownDate);
    ShowInChinesePanel(ShownDate);
}

void TMainForm::CConvertClick() {
    try {
        TChineseDate r;
        r.Day = CDay->Value();
        r.Month = CMonth->Value();
        r.YearOfCycle = CYear->Value();
        r.LeapMonth = CLeapMonth->isChecked();
        r.Cycle = CCycles->Value();
        ShownDate = ChineseToDate(r);
    } catch (const std::exception&) {
        MessageBox(ChineseInvalid, WrongDateCaption, TMsgIcon::Information);
        ShownDate = Now();
    }
    const TChineseDate r = DateToChinese(ShownDate);
    CZodiac->SetItemIndex(ZodiacIndex(r));
    CStem->SetItemIndex(StemIndex(r));
    CLeapMonth->setChecked(r.LeapMonth);
    CCycles->SetValue(r.Cycle);
    ShowInGregorianPanel(ShownDate);
    ShowInJulianPanel(ShownDate);
    ShowInJewishPanel(ShownDate);
}

void TMainForm::JeMonthChange() {
    IgnoringErrors([this] {
        const int v = JeMonth->Value();
        JeMonthName->SetItemIndex(v >= 14 || v <= 0 ? 0 : v - 1);
    });
}

void TMainForm::JeMonthNameChange() {
    IgnoringErrors([this] {
        const int i = JeMonthName->ItemIndex();
        JeMonth->SetValue(i >= 0 && i <= 12 ? i + 1 : 0);
    });
}

void TMainForm::EnableConvertButton(QPushButton* Button) {
    for (QPushButton* convert : {GConvert, CConvert, JeConvert})
        convert->setEnabled(convert == Button);
}

void TMainForm::GregorianPanelMouseMove() { EnableConvertButton(GConvert); }
void TMainForm::ChinesePanelMouseMove() { EnableConvertButton(CConvert); }
void TMainForm::JewishPanelMouseMove() { EnableConvertButton(JeConvert); }

// ---------------------------------------------------------------------------------------------
// Fill-in actions. Each ends with the panel's conversion, called directly so that it runs
// whichever Convert button is enabled, and each drops its errors silently, those of the
// conversion included; the conversion still reports an invalid date itself.

void TMainForm::CurrentDateExecute() {
    IgnoringErrors([this] {
        std::uint16_t year = 0, month = 0, day = 0;
        DecodeDate(Date(), year, month, day);
        GDay->SetValue(day);
        GMonth->SetValue(month);
        GYear->SetValue(year);
        GConvertClick();
    });
}

void TMainForm::FillGnuYearExecute() {
    IgnoringErrors([this] {
        GDay->SetValue(1);
        GMonth->SetValue(1);
        GConvertClick();
    });
}

void TMainForm::AllSaintsDayExecute() {
    IgnoringErrors([this] {
        GDay->SetValue(1);
        GMonth->SetValue(11);
        GConvertClick();
    });
}

void TMainForm::FillXmasExecute() {
    IgnoringErrors([this] {
        GDay->SetValue(25);
        GMonth->SetValue(12);
        GConvertClick();
    });
}

void TMainForm::FillJeNuYearExecute() {
    IgnoringErrors([this] {
        JeDay->SetValue(1);
        JeMonth->SetValue(7);  // its change event selects "Tishri"
        JeConvertClick();
    });
}

void TMainForm::FillPesachExecute() {
    IgnoringErrors([this] {
        JeDay->SetValue(15);
        JeMonth->SetValue(1);
        JeMonthName->SetItemIndex(0);
        JeConvertClick();
    });
}

void TMainForm::WriteGregorianDayAndMonth(TDateTime d) {
    std::uint16_t year = 0, month = 0, day = 0;
    DecodeDate(d, year, month, day);
    GDay->SetValue(day);
    GMonth->SetValue(month);
}

void TMainForm::FillEasterExecute() {
    IgnoringErrors([this] {
        WriteGregorianDayAndMonth(EasterSunday(GYear->Value()));
        GConvertClick();
    });
}

// Palm Sunday and Whitsun compute Easter outside the guard: a year the Easter rule does not
// cover is reported with the rule's own message.
void TMainForm::PalmSundayExecute() {
    const TDateTime palmSunday = EasterSunday(GYear->Value()) - 7.0;
    std::uint16_t year = 0, month = 0, day = 0;
    DecodeDate(palmSunday, year, month, day);
    IgnoringErrors([this, day, month] {
        GDay->SetValue(day);
        GMonth->SetValue(month);
        GConvertClick();
    });
}

void TMainForm::WhitsunExecute() {
    const TDateTime whitsun = EasterSunday(GYear->Value()) + 49.0;
    std::uint16_t year = 0, month = 0, day = 0;
    DecodeDate(whitsun, year, month, day);
    IgnoringErrors([this, day, month] {
        GDay->SetValue(day);
        GMonth->SetValue(month);
        GConvertClick();
    });
}

// ---------------------------------------------------------------------------------------------
// Tool windows

void TMainForm::ToolCalendarExecute() {
    if (toolWindows_.LeapYinfo) toolWindows_.LeapYinfo->setText(LeapYearText(GYear->Value()));
    if (toolWindows_.CalendarForm) toolWindows_.CalendarForm->show();
}

void TMainForm::ToolMoonExecute() {
    if (toolWindows_.LunarSetBtn) toolWindows_.LunarSetBtn->click();
    if (toolWindows_.LunarForm) toolWindows_.LunarForm->show();
}

void TMainForm::CalBtnClick() {
    if (CalBtn->isChecked())
        ToolCalendar->trigger();
    else if (toolWindows_.CalendarForm)
        toolWindows_.CalendarForm->hide();
}

void TMainForm::AstroBtnClick() {
    if (AstroBtn->isChecked())
        ToolMoon->trigger();
    else if (toolWindows_.LunarForm)
        toolWindows_.LunarForm->hide();
}

// ---------------------------------------------------------------------------------------------
// Copy and print of all calendars

void TMainForm::BuildAllCalendarsText() {
    TAllCalendarsEntries e;
    e.GMonth = GMonth->Value();
    e.GDay = GDay->Value();
    e.GYear = GYear->Value();
    e.CDay = CDay->Value();
    e.CMonth = CMonth->Value();
    e.CYear = CYear->Value();
    e.CCycles = CCycles->Value();
    e.CStem = CStem->Text();
    e.CZodiac = CZodiac->Text();
    e.JeDay = JeDay->Value();
    e.JeMonthName = JeMonthName->Text();
    e.JeYear = JeYear->Value();
    e.JuDay = JuDay->text();
    WriteAllCalendarsText(*PrintingEdit, e);
}

void TMainForm::CopyAllExecute() {
    BuildAllCalendarsText();
    CopyAllText(*PrintingEdit);
}

void TMainForm::Print1Click() {
    BuildAllCalendarsText();
    PrintAllText(*PrintingEdit);
}

void TMainForm::PrintSetup1Click() { ShowPrinterSetup(this); }

// ---------------------------------------------------------------------------------------------
// Help menu

void TMainForm::HelpContentExecute() {
    // Without the help file there is nothing to open, and the desktop is not asked.
    if (QFileInfo::exists(HelpFilePath())) OpenHelpContents();
}

void TMainForm::About1Click() {
    if (auto* info = qobject_cast<TInfoForm*>(toolWindows_.InfoForm)) info->ShowAbout();
}

void TMainForm::Almanixhomepage1Click() { OpenHomePage(); }

void TMainForm::EditFocusedField(void (*Operation)(QLineEdit*)) {
    if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        field && field->window() == this)
        Operation(field);
}

}  // namespace almanix
