// TMoon: construction, the redraw rules of its properties, the landing-site mark by date,
// the phase of a real date and the icon.
#include <QSignalSpy>
#include <QtTest>

#include "astro/angles.h"
#include "astro/moon_state.h"
#include "mooncomp/moon_control.h"
#include "rtl/datetime.h"

using namespace almanix;

namespace {

constexpr QRgb kBlack = 0xff000000u;
constexpr QRgb kRed = 0xffff0000u;

QImage Shown(const TMoon& moon) { return moon.Picture().toImage().convertToFormat(QImage::Format_RGB32); }

int LitPixels(const QImage& image, int x0, int x1) {
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x <= x1; ++x) lit += image.pixel(x, y) != kBlack;
    return lit;
}

// 10 January 2000, 00:00: a waxing crescent, phase angle about 144 degrees.
const TDateTime kCrescent = EncodeDate(2000, 1, 10);
// 21 January 2000, 00:00: a day before full moon; the landing site is lit.
const TDateTime kNearlyFull = EncodeDate(2000, 1, 21);

}  // namespace

class TestMoonControl : public QObject {
    Q_OBJECT

private slots:
    void init() {
        SetLocalClock([] { return kCrescent + 0.5; });
    }
    void cleanup() { SetLocalClock({}); }

    void construction() {
        TMoon moon;
        QCOMPARE(moon.MoonSize(), ms64);
        QCOMPARE(moon.size(), QSize(64, 64));
        QCOMPARE(moon.Rotation(), rot_none);
        QCOMPARE(moon.MoonStyle(), msClassic);
        QVERIFY(moon.ShowApollo11());
        QCOMPARE(moon.Date(), kCrescent + 0.5);
        QVERIFY(!moon.IsDateStored());
        QCOMPARE(moon.Picture().size(), QSize(64, 64));
        // Drawn before the mark was switched on: no red pixel, although the date is after 1969.
        const QImage img = Shown(moon);
        QVERIFY(img.pixel(41, 29) != kRed);
        moon.SetDate(kNearlyFull);
        QVERIFY(moon.IsDateStored());
        QCOMPARE(Shown(moon).pixel(41, 29), kRed);
    }

    void redrawRules() {
        TMoon moon;
        QSignalSpy spy(&moon, &TMoon::PictureChanged);
        struct Step {
            const char* what;
            std::function<void()> act;
            int redraws;
        };
        const Step steps[] = {
            {"same rotation", [&] { moon.SetRotation(rot_none); }, 0},
            {"new rotation", [&] { moon.SetRotation(rot_90); }, 1},
            {"same style", [&] { moon.SetMoonStyle(msClassic); }, 0},
            {"new style", [&] { moon.SetMoonStyle(msColor); }, 1},
            {"same size", [&] { moon.SetMoonSize(ms64); }, 1},
            {"same date", [&] { moon.SetDate(moon.Date()); }, 1},
            {"mark flag", [&] { moon.SetShowApollo11(false); }, 0},
        };
        for (const Step& s : steps) {
            spy.clear();
            s.act();
            QVERIFY2(spy.count() == s.redraws, s.what);
        }
    }

    // The flag alone changes nothing; the next redraw applies it.
    void markFlagWaitsForARedraw() {
        TMoon moon;
        moon.SetDate(kNearlyFull);
        const QImage marked = Shown(moon);
        moon.SetShowApollo11(false);
        QCOMPARE(Shown(moon), marked);
        moon.SetMoonStyle(msColor);
        moon.SetMoonStyle(msClassic);
        QVERIFY(Shown(moon).pixel(41, 29) != kRed);
        QCOMPARE(Shown(moon).pixel(40, 29), marked.pixel(40, 29));
    }

    void markStartsAfterTheLanding_data() {
        QTest::addColumn<double>("offsetSeconds");
        QTest::addColumn<bool>("red");
        // Right after the landing the site lay on the terminator, which blackens the mark
        // again; a week later it is in sunlight.
        QTest::newRow("at the landing") << 0.0 << false;
        QTest::newRow("a day before") << -86400.0 << false;
        QTest::newRow("a week later") << 7 * 86400.0 << true;
    }
    void markStartsAfterTheLanding() {
        QFETCH(double, offsetSeconds);
        QFETCH(bool, red);
        TMoon moon;
        moon.SetDate(Apollo11Landing() + offsetSeconds / 86400.0);
        QCOMPARE(Shown(moon).pixel(41, 29) == kRed, red);
    }

    void sizeFollowsMoonSize_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("side");
        QTest::newRow("ms32") << int(ms32) << 32;
        QTest::newRow("ms16") << int(ms16) << 16;
        QTest::newRow("ms64") << int(ms64) << 64;
    }
    void sizeFollowsMoonSize() {
        QFETCH(int, size);
        QFETCH(int, side);
        TMoon moon;
        moon.SetMoonSize(static_cast<TMoonSize>(size));
        QCOMPARE(moon.size(), QSize(side, side));
        QCOMPARE(moon.Picture().size(), QSize(side, side));
    }

    // A waxing crescent is lit on the right only; turned by half, on the left.
    void realDatePhase() {
        TMoon moon;
        moon.SetDate(kCrescent);
        QVERIFY(moon.PhaseAngle() > 90 && moon.PhaseAngle() < 180);
        QCOMPARE(moon.PhaseAngle(), NormalizeAngle(MoonPhaseAngle(kCrescent)));
        QImage img = Shown(moon);
        QCOMPARE(LitPixels(img, 0, 31), 0);
        QVERIFY(LitPixels(img, 32, 63) > 50);
        moon.SetRotation(rot_180);
        img = Shown(moon);
        QCOMPARE(LitPixels(img, 32, 63), 0);
        QVERIFY(LitPixels(img, 0, 31) > 50);
        // 25 January 2000 wanes: the angle is reduced into [180, 360).
        moon.SetDate(EncodeDate(2000, 1, 25));
        QVERIFY(moon.PhaseAngle() > 180 && moon.PhaseAngle() < 360);
    }

    void icon() {
        TMoon moon;
        moon.SetDate(kNearlyFull);
        moon.SetIconSize(QSize(48, 48));
        const QImage img = moon.Icon().pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), QSize(48, 48));
        QCOMPARE(qAlpha(img.pixel(15, 14)), 255);  // disc of the 32-pixel picture
        QVERIFY(qGray(img.pixel(15, 14)) > 40);
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(40, 40)), 0);
        QCOMPARE(moon.Picture().size(), QSize(64, 64));  // the control's picture is untouched
    }
};

QTEST_MAIN(TestMoonControl)
#include "tst_moon_control.moc"
