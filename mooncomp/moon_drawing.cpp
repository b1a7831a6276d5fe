#include "mooncomp/moon_drawing.h"

#include <QPainter>

#include <cmath>
#include <mutex>

#include "astro/angles.h"
#include "rtl/datetime.h"
#include "rtl/exceptions.h"
#include "rtl/rounding.h"

// The pictures live in a static library, whose resource initialiser the linker would drop:
// register them explicitly once (outside any namespace, as Q_INIT_RESOURCE requires).
static void InitMoonArtResources() { Q_INIT_RESOURCE(moon_art); }

namespace almanix {

namespace {

void EnsureResources() {
    static std::once_flag once;
    std::call_once(once, InitMoonArtResources);
}

// Sets one pixel if it lies on the image; indexed images take a palette index.
void PutPixel(QImage& image, int x, int y, uint value) {
    if (image.valid(x, y)) image.setPixel(x, y, value);
}

// The value PutPixel writes back for the pixel at (x, y).
uint GetPixel(const QImage& image, int x, int y) {
    return image.colorCount() > 0 ? static_cast<uint>(image.pixelIndex(x, y)) : image.pixel(x, y);
}

void BlackRow(QImage& canvas, int y, int x1, int x2) {
    for (int x = x1; x <= x2; ++x) PutPixel(canvas, x, y, qRgb(0, 0, 0));
}

const TMoonGeometry& Geometry(TMoonSize Size) { return MoonGeometry.at(Size); }

const char* PictureName(TMoonSize Size, TMoonStyle Style) {
    const TMoonBitmapNames& names = MoonBitmapNames.at(Size);
    return Style == msColor ? names.Color : names.Classic;
}

// Copies the top-left Side x Side square of Source onto Target.
void CopySquare(const QImage& Source, int Side, QImage& Target) {
    QPainter painter(&Target);
    painter.drawImage(QPoint(0, 0), Source, QRect(0, 0, Side, Side));
}

}  // namespace

TDateTime Apollo11Landing() { return EncodeDate(1969, 7, 20) + EncodeTime(20, 17, 43, 0); }

QImage LoadMoonBitmap(const QString& Name) {
    EnsureResources();
    QImage image(QStringLiteral(":/") + Name);
    if (image.isNull()) throw Exception("Resource " + Name.toStdString() + " not found");
    return image.convertToFormat(QImage::Format_RGB32);
}

void ShadeMoon(QImage& Canvas, Extended PhaseAngle, bool MarkLanding, int CentreX, int CentreY, int Radius,
               int MarkX, int MarkY) {
    if (MarkLanding) PutPixel(Canvas, MarkX, MarkY, qRgb(255, 0, 0));
    const Extended c = CosDeg(PhaseAngle);
    const bool waning = PhaseAngle >= 180;
    for (int g = 0; g <= Radius; ++g) {
        const Extended h = std::sqrt(static_cast<Extended>(Radius) * Radius - static_cast<Extended>(g) * g);
        const auto H = static_cast<int>(Round(h));
        const auto C = static_cast<int>(Round(c * h));
        for (int y : {CentreY + g, CentreY - g}) {
            if (waning)
                BlackRow(Canvas, y, CentreX + C, CentreX + H);
            else
                BlackRow(Canvas, y, CentreX - H, CentreX - C);
            if (g == 0) break;  // the centre row once
        }
    }
}

void RotateBitmap(QImage& Bitmap, TRotate Rotation) {
    const QImage source = Bitmap.copy();
    const int W = Bitmap.width() - 1;
    const int H = Bitmap.height() - 1;
    switch (Rotation) {
    case rot_none:
        return;
    case rot_90:
        for (int x = 0; x <= H; ++x)
            for (int y = 0; y <= W; ++y)
                if (source.valid(x, y)) PutPixel(Bitmap, y, H - x, GetPixel(source, x, y));
        return;
    case rot_180:
        Bitmap = source.mirrored(true, true);
        return;
    case rot_270:
        for (int x = 0; x <= H; ++x)
            for (int y = 0; y <= W; ++y)
                if (source.valid(x, y)) PutPixel(Bitmap, W - y, x, GetPixel(source, x, y));
        return;
    }
}

QImage DrawMoon(TMoonSize Size, TMoonStyle Style, TRotate Rotation, Extended PhaseAngle, bool MarkLanding) {
    const TMoonGeometry& g = Geometry(Size);
    QImage picture = LoadMoonBitmap(QString::fromLatin1(PictureName(Size, Style)));
    ShadeMoon(picture, PhaseAngle, MarkLanding, g.CentreX, g.CentreY, g.Radius, g.Apollo11X, g.Apollo11Y);
    RotateBitmap(picture, Rotation);
    return picture;
}

TMoonSize IconMoonSize(int Width, int Height) {
    if (Width == 16 && Height == 16) return ms16;
    if (Width == 64 && Height == 64) return ms64;
    return ms32;
}

void DrawMoonIcon(int Width, int Height, TMoonStyle Style, TRotate Rotation, Extended PhaseAngle,
                  bool MarkLanding, QImage& Colour, QImage& Mask) {
    const TMoonSize size = IconMoonSize(Width, Height);
    const TMoonGeometry& g = Geometry(size);

    Mask = QImage(Width, Height, QImage::Format_Mono);
    Mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    Mask.fill(1);
    const QImage maskPicture = LoadMoonBitmap(QString::fromLatin1(MoonBitmapNames.at(size).Mask));
    for (int y = 0; y < g.Height && y < Height; ++y)
        for (int x = 0; x < g.Width && x < Width; ++x) Mask.setPixel(x, y, qGray(maskPicture.pixel(x, y)) < 128 ? 0 : 1);

    Colour = QImage(Width, Height, QImage::Format_RGB32);
    Colour.fill(Qt::black);
    CopySquare(LoadMoonBitmap(QString::fromLatin1(PictureName(size, Style))), g.Width, Colour);

    ShadeMoon(Colour, PhaseAngle, MarkLanding, g.CentreX, g.CentreY, g.Radius, g.Apollo11X, g.Apollo11Y);
    RotateBitmap(Colour, Rotation);
    RotateBitmap(Mask, Rotation);
}

}  // namespace almanix
