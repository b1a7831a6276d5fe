// app_icon: renders the application icon for the desktop's menus from the Moon picture: the
// large colour picture of the Moon control, lit as a waxing gibbous Moon, transparent outside
// its disc, written as PNG files in the freedesktop icon theme layout:
//   OUTDIR/hicolor/<size>x<size>/apps/almanix.png
// The 16 and 32 pixel icons come from the control's own pictures of those sizes, the others
// are the 64 pixel picture scaled smoothly. Run by the build (cmake/install.cmake):
//   almanix_app_icon OUTDIR
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <exception>

#include "mooncomp/moon_drawing.h"

namespace {

using namespace almanix;

constexpr Extended kPhaseAngle = 50;  // degrees: waxing, about four fifths lit

// The picture of Size with the pixels outside the disc (white in the mask) transparent.
QImage MoonOnTransparent(TMoonSize Size) {
    QImage picture = DrawMoon(Size, msColor, rot_none, kPhaseAngle, false)
                         .convertToFormat(QImage::Format_ARGB32);
    const QImage mask = LoadMoonBitmap(QString::fromLatin1(MoonBitmapNames[Size].Mask));
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(mask.pixel(x, y)) > 127) picture.setPixel(x, y, qRgba(0, 0, 0, 0));
    return picture;
}

bool Write(const QImage& Icon, const QString& OutDir) {
    const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(OutDir).arg(Icon.width());
    return QDir().mkpath(dir) && Icon.save(dir + QStringLiteral("/almanix.png"), "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    try {
        const QImage large = MoonOnTransparent(ms64);
        bool ok = Write(MoonOnTransparent(ms16), out) && Write(MoonOnTransparent(ms32), out) &&
                  Write(large, out);
        for (int size : {48, 128, 256})
            ok = ok && Write(large.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), out);
        if (!ok) {
            std::fprintf(stderr, "app_icon: cannot write into %s\n", argv[1]);
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "app_icon: %s\n", e.what());
        return 1;
    }
    return 0;
}
