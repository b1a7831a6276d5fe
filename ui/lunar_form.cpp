// The Moon and seasons window: controls, placement beside the converter and the update.
#include "ui/lunar_form.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>

#include <array>

#include "astro/solar_terms.h"
#include "mooncomp/moon_control.h"
#include "rtl/datetime.h"
#include "rtl/format_settings.h"
#include "rtl/number_format.h"
#include "ui/image_list.h"
#include "ui/lunar_fields.h"
#include "ui/vcl/message_box.h"
#include "ui/vcl/spin_edit.h"

namespace almanix {

namespace {

constexpr int EditHeight = 21;
constexpr int LabelGap = 3;  // between a label's right edge and its edit
constexpr char BlankChar = '_';  // an empty position of the time field

const QString WrongDateCaption = QStringLiteral("Wrong date !");
const QString FirstMoonHint = QStringLiteral("Moon phase viewer: click to change location");

QString Q(const std::string& Text) { return QString::fromStdString(Text); }

// The time separator the time field shows and NowBtnClick writes: the user's, one character.
QChar TimeSeparatorChar() {
    const QString s = Q(FormatSettings.TimeSeparator);
    return s.isEmpty() ? QChar(':') : s.front();
}

// Two digits of hours, the separator, two digits of minutes; the first hour digit may be left
// blank, and blanks show as underscores. The separator is escaped where the mask language
// would read it as a mask letter.
QString TimeInputMask(QChar Separator) {
    const QString maskLetters = QStringLiteral("AaNnXx90Dd#HhBb<>!;\\[]{}");
    QString separator = maskLetters.contains(Separator) ? QStringLiteral("\\") + Separator : QString(Separator);
    return QStringLiteral("09") + separator + QStringLiteral("99;") + QChar(BlankChar);
}

// The time field as it shows, each blank position as a space ("  :  " when empty); the
// edit's own text() would drop the blanks.
QString TimeFieldText(const QLineEdit* Edit) {
    return Edit->displayText().replace(QChar(BlankChar), QChar(' '));
}

// A read-only edit with its caption on a label to its left, vertically centred on it.
QLineEdit* LabelledEdit(QWidget* Group, const QString& Caption, const QString& Hint, int X, int Y,
                        int Width) {
    auto* edit = new QLineEdit(Group);
    edit->setReadOnly(true);
    edit->setGeometry(X, Y, Width, EditHeight);
    edit->setToolTip(Hint);
    auto* label = new QLabel(Caption, Group);
    label->setBuddy(edit);
    label->adjustSize();
    label->move(X - LabelGap - label->width(), Y + (EditHeight - label->height()) / 2);
    return edit;
}

// Writes a field, showing the start of its text when it is wider than the field.
void SetField(QLineEdit* Edit, const std::string& Text) {
    Edit->setText(Q(Text));
    Edit->setCursorPosition(0);
}

// The hint of the Moon picture for a viewing location.
QString RotationHint(TRotate Rotation) {
    switch (Rotation) {
        case rot_none: return QStringLiteral("Moon as seen on the northern hemisphere");
        case rot_180: return QStringLiteral("Moon as seen on the southern hemisphere");
        case rot_90:
        case rot_270: break;
    }
    return QStringLiteral("Moon as seen near the equator");
}

}  // namespace

TLunarForm::TLunarForm(const QWidget* Converter, const SpinEdit* GDay, const SpinEdit* GMonth,
                       const SpinEdit* GYear, QAbstractButton* AstroBtn, QWidget* Parent)
    : QWidget(Parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint),
      FGDay(GDay),
      FGMonth(GMonth),
      FGYear(GYear),
      FAstroBtn(AstroBtn),
      FConverter(Converter) {
    setWindowTitle(QStringLiteral("Moon/Seasons..."));
    // MS Sans Serif 8 point (11 pixels at 96 dpi), else its metric look-alike.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(191, 373);
    CreateTimeGroup();
    CreateMoonGroup();
    CreateSeasonsGroup();
    FormCreate();
}

void TLunarForm::CreateTimeGroup() {
    GroupBox2 = new QGroupBox(QStringLiteral("Current time : "), this);
    GroupBox2->setGeometry(2, 5, 186, 48);

    TimeEdit = new QLineEdit(GroupBox2);
    TimeEdit->setGeometry(14, 18, 35, EditHeight);
    TimeEdit->setToolTip(QStringLiteral("hh:mm"));
    TimeEdit->setInputMask(TimeInputMask(TimeSeparatorChar()));

    NowBtn = new QPushButton(ImageListIcon(8), QStringLiteral("Now"), GroupBox2);
    NowBtn->setGeometry(55, 16, 55, 26);
    NowBtn->setToolTip(QStringLiteral("<<< Paste current time"));
    connect(NowBtn, &QPushButton::clicked, this, [this] { NowBtnClick(); });

    SetBtn = new QPushButton(ConvertGlyph(), QStringLiteral("Update"), GroupBox2);
    SetBtn->setGeometry(116, 16, 65, 26);
    SetBtn->setToolTip(QStringLiteral("Update astronomical data"));
    connect(SetBtn, &QPushButton::clicked, this, [this] { RunReportingErrors([this] { SetBtnClick(); }); });
}

void TLunarForm::CreateMoonGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral("Moon : "), this);
    GroupBox1->setGeometry(2, 59, 187, 194);

    PhaseEdit = LabelledEdit(GroupBox1, QStringLiteral("Phase"),
                             QStringLiteral("percentage of the moon surface illuminated"), 70, 16, 40);
    AgeMoonEdit = LabelledEdit(GroupBox1, QStringLiteral("Moon's age"), QStringLiteral("in days"), 70, 41, 40);
    LunationEdit = LabelledEdit(GroupBox1, QStringLiteral("Lunation n°"),
                                QStringLiteral("count of the new moons since January 1st, 1923"), 70, 66, 40);
    DiameterEdit = LabelledEdit(GroupBox1, QStringLiteral("Diameter"),
                                QStringLiteral("in angular seconds (1/3600 degrees)"), 70, 90, 110);
    DistanceEdit = LabelledEdit(GroupBox1, QStringLiteral("Distance"), QStringLiteral("in kilometers"), 70, 115, 110);
    EclipseEdit = LabelledEdit(GroupBox1, QStringLiteral("Next eclipse "),
                               QStringLiteral("date and time of the next lunar eclipse"), 70, 140, 110);
    BlueMoonEdit = LabelledEdit(GroupBox1, QStringLiteral("Blue moon "),
                                QStringLiteral("the second full moon in one month"), 70, 164, 110);

    // As stored with the window: 64 pixels, colour, unturned, no landing-site mark, and a
    // fixed date (1 January 2000) that the first update replaces.
    MoonPhaser = new TMoon(GroupBox1);
    MoonPhaser->move(115, 19);
    MoonPhaser->SetMoonSize(ms64);
    MoonPhaser->SetDate(EncodeDate(2000, 1, 1));
    MoonPhaser->SetRotation(rot_none);
    MoonPhaser->SetShowApollo11(false);
    MoonPhaser->SetMoonStyle(msColor);
    MoonPhaser->setToolTip(FirstMoonHint);
    MoonPhaser->installEventFilter(this);
}

void TLunarForm::CreateSeasonsGroup() {
    GroupBox3 = new QGroupBox(QStringLiteral("Seasons : "), this);
    GroupBox3->setGeometry(2, 254, 187, 116);
    const QString hint = QStringLiteral("Starting dates");
    WinterEdit = LabelledEdit(GroupBox3, QStringLiteral("Winter"), hint, 59, 17, 121);
    SpringEdit = LabelledEdit(GroupBox3, QStringLiteral("Spring"), hint, 59, 40, 121);
    SummerEdit = LabelledEdit(GroupBox3, QStringLiteral("Summer"), hint, 59, 63, 121);
    AutomnEdit = LabelledEdit(GroupBox3, QStringLiteral("Autumn"), hint, 59, 86, 121);
}

void TLunarForm::PlaceBesideConverter() {
    if (FConverter) move(FConverter->x() + FConverter->frameGeometry().width(), FConverter->y());
}

void TLunarForm::FormCreate() {
    PlaceBesideConverter();
    NowBtn->click();
    try {
        SetBtnClick();
    } catch (const std::exception&) {
        // An update failing while the window is made leaves the fields as they are.
    }
}

QLabel* TLunarForm::EditLabel(const QLineEdit* Edit) {
    for (QLabel* label : Edit->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == Edit) return label;
    return nullptr;
}

void TLunarForm::NowBtnClick() {
    try {
        std::uint16_t hour = 0, minute = 0, second = 0, msec = 0;
        DecodeTime(Time(), hour, minute, second, msec);
        TimeEdit->setText(Q(FormatFloat("0#", hour)) + TimeSeparatorChar() + Q(FormatFloat("0#", minute)));
    } catch (const std::exception&) {
        // The time field keeps what it held.
    }
}

void TLunarForm::SetBtnClick() {
    const int year = FGYear->Value();
    const std::string text =
        LunarDateTimeText(FGMonth->Value(), FGDay->Value(), year, TimeFieldText(TimeEdit).toStdString());
    const TFormatSettings& settings = FormatSettings;
    TDateTime x = 0;
    if (!TryLunarInstant(text, x, settings)) {
        MessageBox(QStringLiteral("Please, note that ") + Q(text) + QStringLiteral(" is an invalid date."),
                   WrongDateCaption, TMsgIcon::Information);
        x = Now();
    }
    SetField(PhaseEdit, PhaseText(x, settings));
    SetField(AgeMoonEdit, AgeText(x, settings));
    SetField(LunationEdit, LunationText(x));
    SetField(DiameterEdit, DiameterText(x, settings));
    SetField(DistanceEdit, DistanceText(x, settings));
    MoonPhaser->SetDate(x);
    SetField(EclipseEdit, EclipseText(x, settings));
    SetField(BlueMoonEdit, BlueMoonText(x, settings));
    const std::array<std::pair<QLineEdit*, TSeason>, 4> seasons = {{
        {WinterEdit, seWinter}, {SpringEdit, seSpring}, {SummerEdit, seSummer}, {AutomnEdit, seAutumn}}};
    for (const auto& [edit, season] : seasons) SetField(edit, SeasonText(year, season, settings));
}

void TLunarForm::MoonPhaserClick() {
    const auto next = static_cast<TRotate>((MoonPhaser->Rotation() + 1) % 4);
    MoonPhaser->SetRotation(next);
    MoonPhaser->setToolTip(RotationHint(next));
}

void TLunarForm::FormHide() {
    if (FAstroBtn) FAstroBtn->setChecked(false);
}

void TLunarForm::hideEvent(QHideEvent* Event) {
    QWidget::hideEvent(Event);
    FormHide();
}

// A click on the picture: the left button pressed and released over it.
bool TLunarForm::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == MoonPhaser && Event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(Event);
        if (mouse->button() == Qt::LeftButton && MoonPhaser->rect().contains(mouse->position().toPoint()))
            RunReportingErrors([this] { MoonPhaserClick(); });
    }
    return QWidget::eventFilter(Watched, Event);
}

}  // namespace almanix
