// TMoon: a small image control showing the Moon as it looks at an instant, in three sizes and
// two picture styles, optionally turned and marked at the Apollo 11 landing site, and able to
// make an icon of the same picture.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>

#include "mooncomp/moon_drawing.h"
#include "rtl/types.h"

namespace almanix {

class TMoon : public QLabel {
    Q_OBJECT

public:
    // Draws once for the current date and time (64 pixels, classic, unturned, no mark), then
    // sets the size to ms64 (drawing again) and turns the landing-site mark on. Date counts as
    // not stored until it is set again.
    explicit TMoon(QWidget* Owner = nullptr);

    TMoonSize MoonSize() const { return FMoonSize; }
    // Stores the size, fixes the control to its width and height and redraws, always.
    void SetMoonSize(TMoonSize Value);

    TDateTime Date() const { return FDate; }
    // Stores the instant (TDateTime, dynamical time), takes its phase angle from
    // MoonPhaseAngle reduced to [0, 360), redraws and marks Date as stored. Errors of the
    // phase calculation pass to the caller.
    void SetDate(TDateTime Value);
    // Whether Date belongs to the stored state: true once it was set after construction.
    bool IsDateStored() const { return FDateSet; }

    // The picture shown.
    QPixmap Picture() const { return pixmap(); }

    // An icon of the picture at the system's large icon size, built anew on every call.
    QIcon Icon();

    TRotate Rotation() const { return FRotation; }
    // Stores the rotation and redraws when it differs from the current one.
    void SetRotation(TRotate Value);

    bool ShowApollo11() const { return FShowApollo11; }
    // Stores the flag only; the picture follows at the next redraw.
    void SetShowApollo11(bool Value) { FShowApollo11 = Value; }

    TMoonStyle MoonStyle() const { return FMoonStyle; }
    // Stores the style and redraws when it differs from the current one.
    void SetMoonStyle(TMoonStyle Value);

    // Phase angle of Date in degrees, [0, 360).
    Extended PhaseAngle() const { return FPhaseAngle; }

    // The system icon size Icon() uses; tests and callers may override it (0 x 0 restores the
    // style's large icon size).
    void SetIconSize(QSize Size) { FIconSizeOverride = Size; }

signals:
    // Raised each time the picture is drawn anew.
    void PictureChanged();

private:
    void DrawMoon();
    bool MarkLanding() const;
    QSize SystemIconSize() const;

    int FMoonWidth = 0;
    int FMoonHeight = 0;
    TMoonSize FMoonSize = ms64;
    Extended FPhaseAngle = 0;
    TDateTime FDate = 0;
    bool FDateSet = false;
    QIcon FIcon;
    TRotate FRotation = rot_none;
    bool FShowApollo11 = false;
    TDateTime FApollo11Landing = 0;
    TMoonStyle FMoonStyle = msClassic;
    QSize FIconSizeOverride;
};

}  // namespace almanix
