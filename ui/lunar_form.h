// TLunarForm: the Moon and seasons window, a small tool window beside the converter. For the
// day of the converter's Gregorian panel and a time of day typed here it shows the Moon's
// phase picture, illuminated percentage, age, lunation number, apparent diameter and distance,
// the next full moon with its eclipse kind, the next blue moon, and the starts of the four
// seasons of the panel's year. It fills its fields when created and at every "Update".
#pragma once

#include <QWidget>

#include "rtl/types.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace almanix {

class SpinEdit;
class TMoon;

class TLunarForm : public QWidget {
    Q_OBJECT

public:
    // Converter: the window to sit beside (null: no placement). GDay, GMonth, GYear: the
    // converter's Gregorian spin fields, read at every update. AstroBtn: the converter's
    // toolbar button, released whenever this window is hidden (may be null). Runs FormCreate.
    TLunarForm(const QWidget* Converter, const SpinEdit* GDay, const SpinEdit* GMonth,
               const SpinEdit* GYear, QAbstractButton* AstroBtn, QWidget* Parent = nullptr);

    // Controls, named as the converter and the tests address them.
    QGroupBox* GroupBox2;      // "Current time : "
    QLineEdit* TimeEdit;       // hh:mm, masked
    QPushButton* NowBtn;       // "Now"
    QPushButton* SetBtn;       // "Update"
    QGroupBox* GroupBox1;      // "Moon : "
    QLineEdit* PhaseEdit;
    QLineEdit* AgeMoonEdit;
    QLineEdit* LunationEdit;
    QLineEdit* DiameterEdit;
    QLineEdit* DistanceEdit;
    QLineEdit* EclipseEdit;
    QLineEdit* BlueMoonEdit;
    TMoon* MoonPhaser;
    QGroupBox* GroupBox3;      // "Seasons : "
    QLineEdit* WinterEdit;
    QLineEdit* SpringEdit;
    QLineEdit* SummerEdit;
    QLineEdit* AutomnEdit;

    // Puts the current local time into TimeEdit as two-digit hours and minutes; any failure
    // is ignored.
    void NowBtnClick();
    // The update: parses the converter's day with TimeEdit into an instant (on failure a box
    // "Wrong date !" and the current date and time instead) and rewrites every field; the
    // seasons always follow the converter's year. Errors of the astronomical routines pass to
    // the caller, leaving the fields not yet written as they were.
    void SetBtnClick();
    // Turns the picture to the next viewing location and says which in its hint.
    void MoonPhaserClick();

    // The label shown beside a labelled edit.
    static QLabel* EditLabel(const QLineEdit* Edit);

protected:
    void hideEvent(QHideEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void CreateTimeGroup();
    void CreateMoonGroup();
    void CreateSeasonsGroup();
    // Places the window beside the converter and fills it.
    void FormCreate();
    // Left edge at the converter's left edge plus its width, top at the converter's top.
    void PlaceBesideConverter();
    // FormHide: releases the converter's AstroBtn.
    void FormHide();

    const SpinEdit* FGDay;
    const SpinEdit* FGMonth;
    const SpinEdit* FGYear;
    QAbstractButton* FAstroBtn;
    const QWidget* FConverter;
};

}  // namespace almanix
