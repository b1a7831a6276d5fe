// The program's own pictures, drawn at start-up: the 24 menu and toolbar images of
// ImageList1, the sun of the Convert buttons, the splash logo and the application icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace almanix {

// Number of images in ImageList1.
inline constexpr int ImageListCount = 24;

// Image Index (0 to 23) of ImageList1, 16 x 16 (with a 32 x 32 version for dense screens).
// 0 scissors, 1 copy, 2 calendar leaf, 3 floppy disk, 4 door, 5 month grid, 6 paste,
// 7 yellow gem, 8 green gem, 9 red gem, 10 question mark, 11 crescent moon, 12 sun,
// 13 magenta gem, 14 blue gem, 15 leafy branch, 16 red bow, 17 parcel, 18 halo, 19 printer,
// 20 page, 21 star, 22 globe, 23 head with a question mark.
QIcon ImageListIcon(int Index);

// The yellow sun with rays of the Convert buttons, 16 x 16.
QIcon ConvertGlyph();

// The splash logo, 166 x 34 at its natural size.
QPixmap LogoPicture();

// The application icon.
QIcon ApplicationIcon();

}  // namespace almanix
