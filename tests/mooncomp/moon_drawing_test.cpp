// The Moon picture on QImage: the stored pictures, the shading, the quarter turns, the
// landing-site mark and the icon images.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>

#include "mooncomp/moon_drawing.h"
#include "rtl/exceptions.h"

namespace almanix {
namespace {

constexpr QRgb kBlack = 0xff000000u;
constexpr QRgb kWhite = 0xffffffffu;
constexpr QRgb kRed = 0xffff0000u;

struct DiscBox {
    TMoonSize size;
    int x0, x1, y0, y1;
};

// The pixel box each size's disc fills.
constexpr DiscBox kBoxes[] = {
    {ms64, 5, 58, 2, 54},
    {ms32, 2, 29, 1, 27},
    {ms16, 1, 14, 1, 14},
};

QImage Raw(const char* name) {
    LoadMoonBitmap(QString::fromLatin1(name));  // registers the resources
    return QImage(QStringLiteral(":/") + QString::fromLatin1(name));
}

int Brightness(const QImage& image, int x0, int x1, int y0, int y1) {
    int sum = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) sum += qGray(image.pixel(x, y));
    return sum;
}

// The three pictures of a size share one disc, which fills exactly its pixel box; the
// pictures are black off the disc and never black on it; the palettes are as carried.
TEST(MoonPictures, DiscAndPalettesPerSize) {
    for (const DiscBox& box : kBoxes) {
        SCOPED_TRACE(box.size);
        const TMoonBitmapNames& names = MoonBitmapNames[box.size];
        const TMoonGeometry& g = MoonGeometry[box.size];
        const QImage mask = LoadMoonBitmap(names.Mask);
        const QImage classic = LoadMoonBitmap(names.Classic);
        const QImage colour = LoadMoonBitmap(names.Color);
        ASSERT_EQ(mask.size(), QSize(g.Width, g.Height));
        ASSERT_EQ(classic.size(), mask.size());
        ASSERT_EQ(colour.size(), mask.size());

        int x0 = g.Width, x1 = -1, y0 = g.Height, y1 = -1;
        for (int y = 0; y < g.Height; ++y)
            for (int x = 0; x < g.Width; ++x) {
                const bool disc = mask.pixel(x, y) == kBlack;
                ASSERT_TRUE(disc || mask.pixel(x, y) == kWhite);
                EXPECT_EQ(classic.pixel(x, y) != kBlack, disc) << x << "," << y;
                EXPECT_EQ(colour.pixel(x, y) != kBlack, disc) << x << "," << y;
                if (disc) x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
                const QRgb grey = classic.pixel(x, y);
                EXPECT_TRUE(qRed(grey) == qGreen(grey) && qGreen(grey) == qBlue(grey) && qRed(grey) % 17 == 0);
                const QRgb tone = colour.pixel(x, y);
                EXPECT_TRUE(qRed(tone) <= qGreen(tone) && qGreen(tone) <= qBlue(tone));
            }
        EXPECT_EQ(x0, box.x0);
        EXPECT_EQ(x1, box.x1);
        EXPECT_EQ(y0, box.y0);
        EXPECT_EQ(y1, box.y1);
        // The disc lies within the shading circle.
        EXPECT_LE(g.CentreX - g.Radius, box.x0);
        EXPECT_GE(g.CentreX + g.Radius, box.x1);
        EXPECT_LE(g.CentreY - g.Radius, box.y0);
        EXPECT_GE(g.CentreY + g.Radius, box.y1);

        EXPECT_EQ(Raw(names.Classic).colorCount(), 16);
        EXPECT_EQ(Raw(names.Color).colorCount(), 256);
        EXPECT_EQ(Raw(names.Mask).colorCount(), 2);
    }
}

TEST(MoonPictures, ApolloSiteLiesInTheDarkMareTranquillitatis) {
    const QImage full = LoadMoonBitmap("MOON_LARGE");
    const TMoonGeometry& g = MoonGeometry[ms64];
    const int site = qGray(full.pixel(g.Apollo11X, g.Apollo11Y));
    // Darker than the disc's average, which the bright highlands dominate.
    const int mean = Brightness(full, 5, 58, 2, 54) / (54 * 53);
    EXPECT_LT(site, mean * 2 / 3);
    // The south, with Tycho and its rays, is brighter than the north with its maria.
    EXPECT_GT(Brightness(full, 5, 58, 40, 54), Brightness(full, 5, 58, 2, 16));
}

TEST(MoonPictures, UnknownNameRaises) {
    try {
        LoadMoonBitmap("MOON_HUGE");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Resource MOON_HUGE not found");
    }
}

// Which pixels of each row ShadeMoon blackens, seen on a white canvas with the 64-pixel
// geometry (centre 31, 28; radius 28).
class ShadeMoonTest : public ::testing::Test {
protected:
    QImage Shade(Extended phase) {
        QImage canvas(64, 64, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        const TMoonGeometry& g = MoonGeometry[ms64];
        ShadeMoon(canvas, phase, false, g.CentreX, g.CentreY, g.Radius, g.Apollo11X, g.Apollo11Y);
        return canvas;
    }
    static bool Black(const QImage& img, int x, int y) { return img.pixel(x, y) == kBlack; }
};

TEST_F(ShadeMoonTest, QuartersBlackenOneHalfIncludingTheCentreColumn) {
    struct Case {
        Extended phase;
        int blackColumn, whiteColumn;  // over every row of the circle
    };
    const Case cases[] = {{90, 31, 32}, {270, 31, 30}, {89.9L, 31, 32}, {269.9L, 31, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.phase));
        const QImage img = Shade(c.phase);
        for (int y = 0; y <= 56; ++y) {
            EXPECT_TRUE(Black(img, c.blackColumn, y)) << y;
            EXPECT_FALSE(Black(img, c.whiteColumn, y)) << y;
        }
        EXPECT_FALSE(Black(img, 31, 57));
        // Waxing: black only left of the centre; waning: only right of it.
        const bool waxing = c.phase < 180;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                if (Black(img, x, y)) {
                    EXPECT_TRUE(waxing ? x <= 31 : x >= 31) << x << "," << y;
                }
    }
}

TEST_F(ShadeMoonTest, NewMoonBlackensLimbToLimbFullMoonOnlyTheLeftLimb) {
    const QImage dark = Shade(180);
    const QImage full = Shade(0);
    for (int g = 0; g <= 28; ++g) {
        const int H = static_cast<int>(std::nearbyint(std::sqrt(28.0 * 28.0 - g * g)));
        for (int y : {28 - g, 28 + g}) {
            int blackDark = 0, blackFull = 0;
            for (int x = 0; x < 64; ++x) blackDark += Black(dark, x, y), blackFull += Black(full, x, y);
            EXPECT_EQ(blackDark, 2 * H + 1) << y;
            EXPECT_TRUE(Black(dark, 31 - H, y) && Black(dark, 31 + H, y)) << y;
            EXPECT_EQ(blackFull, 1) << y;
            EXPECT_TRUE(Black(full, 31 - H, y)) << y;
        }
    }
}

// At new moon every size and style goes entirely black: the shading reaches the whole disc.
TEST(DrawMoon, NewMoonLeavesNoLitPixel) {
    for (TMoonSize size : {ms64, ms32, ms16})
        for (TMoonStyle style : {msClassic, msColor}) {
            const QImage img = DrawMoon(size, style, rot_none, 180, false);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    ASSERT_EQ(img.pixel(x, y), kBlack) << int(size) << " " << int(style) << " " << x << "," << y;
        }
}

TEST(DrawMoon, LandingMarkPerSizeAndRotation) {
    struct Case {
        TMoonSize size;
        TRotate rotation;
        int x, y;
    };
    const Case cases[] = {
        {ms64, rot_none, 41, 29}, {ms32, rot_none, 20, 15}, {ms16, rot_none, 9, 7},
        {ms64, rot_90, 29, 22},   {ms64, rot_180, 22, 34},  {ms64, rot_270, 34, 41},
    };
    for (const Case& c : cases) {
        const QImage marked = DrawMoon(c.size, msColor, c.rotation, 45, true);
        const QImage plain = DrawMoon(c.size, msColor, c.rotation, 45, false);
        int reds = 0;
        for (int y = 0; y < marked.height(); ++y)
            for (int x = 0; x < marked.width(); ++x) reds += marked.pixel(x, y) == kRed;
        EXPECT_EQ(reds, 1) << c.size << " " << c.rotation;
        EXPECT_EQ(marked.pixel(c.x, c.y), kRed) << c.size << " " << c.rotation;
        EXPECT_NE(plain.pixel(c.x, c.y), kRed);
    }
}

// A waxing crescent (phase 135) is lit on the right; the turns move the lit side.
TEST(DrawMoon, RotationMovesTheLitSide) {
    struct Case {
        TRotate rotation;
        const char* litSide;
    };
    const Case cases[] = {{rot_none, "right"}, {rot_90, "top"}, {rot_180, "left"}, {rot_270, "bottom"}};
    for (const Case& c : cases) {
        const QImage img = DrawMoon(ms64, msClassic, c.rotation, 135, false);
        const int left = Brightness(img, 0, 31, 0, 63), right = Brightness(img, 32, 63, 0, 63);
        const int top = Brightness(img, 0, 63, 0, 31), bottom = Brightness(img, 0, 63, 32, 63);
        const std::string side = right > 4 * left   ? "right"
                                 : left > 4 * right ? "left"
                                 : top > 4 * bottom ? "top"
                                 : bottom > 4 * top ? "bottom"
                                                    : "none";
        EXPECT_EQ(side, c.litSide) << c.rotation;
    }
}

TEST(RotateBitmap, MovesAMarkerAndKeepsIndexedImages) {
    struct Case {
        TRotate rotation;
        int x, y;  // where the marker at (3, 1) of a 5 x 5 picture goes
    };
    const Case cases[] = {{rot_none, 3, 1}, {rot_90, 1, 1}, {rot_180, 1, 3}, {rot_270, 3, 3}};
    for (const Case& c : cases) {
        QImage rgb(5, 5, QImage::Format_RGB32);
        rgb.fill(Qt::black);
        rgb.setPixel(3, 1, kRed);
        QImage mono(5, 5, QImage::Format_Mono);
        mono.setColorTable({kBlack, kWhite});
        mono.fill(1);
        mono.setPixel(3, 1, 0);
        RotateBitmap(rgb, c.rotation);
        RotateBitmap(mono, c.rotation);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                const bool marker = x == c.x && y == c.y;
                EXPECT_EQ(rgb.pixel(x, y) == kRed, marker) << c.rotation << " " << x << "," << y;
                EXPECT_EQ(mono.pixel(x, y) == kBlack, marker) << c.rotation << " " << x << "," << y;
            }
    }
}

// The icon holds the picture of its row in the top-left corner before the whole icon turns,
// so a larger icon turned by a quarter has the picture in another corner.
TEST(DrawMoonIcon, BuiltFromTheRowOfTheIconSize) {
    struct Case {
        int side;
        TMoonSize size;
        TRotate rotation;
        int offsetX, offsetY;  // where the picture's top-left corner lands
    };
    const Case cases[] = {
        {16, ms16, rot_90, 0, 0}, {32, ms32, rot_none, 0, 0}, {48, ms32, rot_none, 0, 0},
        {48, ms32, rot_90, 0, 16}, {64, ms64, rot_270, 0, 0}, {24, ms32, rot_none, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.side);
        SCOPED_TRACE(c.rotation);
        EXPECT_EQ(IconMoonSize(c.side, c.side), c.size);
        QImage colour, mask;
        DrawMoonIcon(c.side, c.side, msColor, c.rotation, 100, true, colour, mask);
        ASSERT_EQ(colour.size(), QSize(c.side, c.side));
        ASSERT_EQ(mask.size(), QSize(c.side, c.side));
        const QImage picture = DrawMoon(c.size, msColor, c.rotation, 100, true);
        QImage discMask = LoadMoonBitmap(MoonBitmapNames[c.size].Mask);
        RotateBitmap(discMask, c.rotation);
        const QRect square(c.offsetX, c.offsetY, picture.width(), picture.height());
        for (int y = 0; y < c.side; ++y)
            for (int x = 0; x < c.side; ++x)
                if (square.contains(x, y)) {
                    ASSERT_EQ(colour.pixel(x, y), picture.pixel(x - c.offsetX, y - c.offsetY)) << x << "," << y;
                    ASSERT_EQ(mask.pixel(x, y), discMask.pixel(x - c.offsetX, y - c.offsetY)) << x << "," << y;
                } else {
                    ASSERT_EQ(mask.pixel(x, y), kWhite) << x << "," << y;
                }
    }
}

}  // namespace
}  // namespace almanix
