#include "mooncomp/moon_control.h"

#include <QApplication>
#include <QBitmap>
#include <QStyle>

#include "astro/angles.h"
#include "astro/moon_state.h"
#include "rtl/datetime.h"

namespace almanix {

TMoon::TMoon(QWidget* Owner) : QLabel(Owner) {
    SetDate(Now());  // draws with every field still at its zero value
    FDateSet = false;
    FIcon = QIcon();
    SetMoonSize(ms64);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);  // the picture sits at the top-left corner
    FShowApollo11 = true;
    FApollo11Landing = Apollo11Landing();
}

void TMoon::SetMoonSize(TMoonSize Value) {
    FMoonSize = Value;
    const TMoonGeometry& g = MoonGeometry.at(Value);
    FMoonHeight = g.Height;
    FMoonWidth = g.Width;
    setFixedSize(FMoonWidth, FMoonHeight);
    DrawMoon();
}

void TMoon::SetDate(TDateTime Value) {
    FDate = Value;
    FPhaseAngle = NormalizeAngle(MoonPhaseAngle(Value));
    DrawMoon();
    FDateSet = true;
}

void TMoon::SetRotation(TRotate Value) {
    if (Value == FRotation) return;
    FRotation = Value;
    DrawMoon();
}

void TMoon::SetMoonStyle(TMoonStyle Value) {
    if (Value == FMoonStyle) return;
    FMoonStyle = Value;
    DrawMoon();
}

bool TMoon::MarkLanding() const { return FShowApollo11 && FDate > FApollo11Landing; }

void TMoon::DrawMoon() {
    setPixmap(QPixmap::fromImage(almanix::DrawMoon(FMoonSize, FMoonStyle, FRotation, FPhaseAngle, MarkLanding())));
    emit PictureChanged();
}

QSize TMoon::SystemIconSize() const {
    if (FIconSizeOverride.isValid() && !FIconSizeOverride.isEmpty()) return FIconSizeOverride;
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    return {side, side};
}

QIcon TMoon::Icon() {
    const QSize size = SystemIconSize();
    QImage colour, mask;
    DrawMoonIcon(size.width(), size.height(), FMoonStyle, FRotation, FPhaseAngle, MarkLanding(), colour, mask);
    QPixmap pixmap = QPixmap::fromImage(colour);
    pixmap.setMask(QBitmap::fromImage(mask));
    FIcon = QIcon(pixmap);
    return FIcon;
}

}  // namespace almanix
