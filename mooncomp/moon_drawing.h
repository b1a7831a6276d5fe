// The Moon picture on a QImage: the stored full-Moon pictures, the shading of the unlit part,
// the quarter turns and the pieces of the icon. Needs QtGui only, so a picture can be drawn
// without a window (the command-line tool and the tests do so).
#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

#include "rtl/types.h"

namespace almanix {

enum TMoonSize : std::uint8_t { ms64 = 0, ms32 = 1, ms16 = 2 };
enum TMoonStyle : std::uint8_t { msClassic = 0, msColor = 1 };
enum TRotate : std::uint8_t { rot_none = 0, rot_90 = 1, rot_180 = 2, rot_270 = 3 };

// Where the disc of one size lies, in the picture's own pixels (x right, y down), and where
// the Apollo 11 landing site is on the unturned picture. The radius reaches every disc pixel.
struct TMoonGeometry {
    int Height, Width, CentreY, CentreX, Radius, Apollo11X, Apollo11Y;
};

inline constexpr std::array<TMoonGeometry, 3> MoonGeometry = {{
    {64, 64, 28, 31, 28, 41, 29},  // ms64: disc x 5..58, y 2..54
    {32, 32, 14, 15, 14, 20, 15},  // ms32: disc x 2..29, y 1..27
    {16, 16, 7, 7, 7, 9, 7},       // ms16: disc x 1..14, y 1..14
}};

// Names of the nine picture resources by size: full Moon in 16 greys, mask (disc black,
// the rest white), full Moon with a 256-entry blue-grey palette.
struct TMoonBitmapNames {
    const char* Classic;
    const char* Mask;
    const char* Color;
};

inline constexpr std::array<TMoonBitmapNames, 3> MoonBitmapNames = {{
    {"MOON_LARGE", "MOON_BW_LARGE", "MOON_COLOR_LARGE"},
    {"MOON_SMALL", "MOON_BW_SMALL", "MOON_COLOR_SMALL"},
    {"MOON_TINY", "MOON_BW_TINY", "MOON_COLOR_TINY"},
}};

// The instant of the Apollo 11 landing, 20 July 1969 20:17:43 (proleptic Gregorian).
TDateTime Apollo11Landing();

// The named picture resource as a 32-bit RGB image (its palette resolved), ready to draw on.
// Raises Exception "Resource NAME not found" when no such picture is carried.
QImage LoadMoonBitmap(const QString& Name);

// Blackens the unlit part of the full-Moon picture on Canvas for a phase angle in degrees,
// reduced to [0, 360): 180 new moon, 90 first quarter, 0 full, 270 last quarter; at 180 and
// above the Moon wanes. Row by row from CentreY - Radius to CentreY + Radius, the pixels
// between the limb and the terminator turn black: left of it while the Moon waxes, right of
// it while it wanes (northern view). With MarkLanding the pixel (MarkX, MarkY) turns pure red
// first. Pixels outside Canvas are left out. Canvas must be a 32-bit RGB image.
void ShadeMoon(QImage& Canvas, Extended PhaseAngle, bool MarkLanding, int CentreX, int CentreY, int Radius,
               int MarkX, int MarkY);

// Turns the square picture Bitmap: rot_90 a quarter turn anticlockwise (the top edge goes to
// the left), rot_180 a half turn, rot_270 a quarter turn clockwise; rot_none leaves it.
void RotateBitmap(QImage& Bitmap, TRotate Rotation);

// The picture the Moon control shows: the stored picture of Size in Style, shaded for
// PhaseAngle ([0, 360), see ShadeMoon), with the landing-site mark when MarkLanding, turned
// by Rotation. A 32-bit RGB image of the size's width and height.
QImage DrawMoon(TMoonSize Size, TMoonStyle Style, TRotate Rotation, Extended PhaseAngle, bool MarkLanding);

// The row of MoonGeometry an icon of Width x Height pixels is built from: ms16 for 16 x 16,
// ms64 for 64 x 64, ms32 for every other size.
TMoonSize IconMoonSize(int Width, int Height);

// The two images of the icon of Width x Height pixels: Colour (32-bit RGB) holds the shaded
// picture and Mask (one bit a pixel, black where the icon is opaque) the mask of the row that
// IconMoonSize chooses, both copied into the top-left corner and turned by Rotation. Outside
// the copied square Colour is black and Mask white (transparent).
void DrawMoonIcon(int Width, int Height, TMoonStyle Style, TRotate Rotation, Extended PhaseAngle,
                  bool MarkLanding, QImage& Colour, QImage& Mask);

}  // namespace almanix
