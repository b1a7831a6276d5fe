// Degree trigonometry, angle reduction and the one-based remainder.
#include "astro/angles.h"

#include <gtest/gtest.h>

#include <cmath>

#include "rtl/exceptions.h"

namespace almanix {
namespace {

TEST(NormalizeAngle, ReducesIntoOneTurnWithTiesToEven) {
    struct Case {
        Extended x, expected;
    };
    const Case cases[] = {
        {-30.0L, 330.0L}, {720.0L, 0.0L},   {540.0L, 180.0L},  // n = 2 by ties to even
        {180.0L, 180.0L}, {-180.0L, 180.0L}, {0.0L, 0.0L},
        {359.5L, 359.5L}, {-720.25L, 359.75L}, {1e15L + 30.0L, std::fmod(1e15L + 30.0L, 360.0L)},
    };
    for (const auto& c : cases) EXPECT_EQ(NormalizeAngle(c.x), c.expected) << "x = " << c.x;
}

TEST(NormalizeAngle, TinyNegativeRoundsUpToExactly360) {
    EXPECT_EQ(NormalizeAngle(-1e-30L), 360.0L);
}

TEST(NormalizeAngle, RaisesInvalidOpBeyondInt64) {
    EXPECT_THROW(NormalizeAngle(1e30L), EInvalidOp);
    EXPECT_THROW(NormalizeAngle(-1e30L), EInvalidOp);
    EXPECT_THROW(NormalizeAngle(1e20L), EInvalidOp);  // n fits, 360 n does not
    EXPECT_THROW(NormalizeAngle(std::nanl("")), EInvalidOp);
    EXPECT_THROW(NormalizeAngle(INFINITY), EInvalidOp);
}

TEST(DegreeTrigonometry, MatchesTheLibraryOnTheReducedArgument) {
    // SinDeg(x) = sin(ToRadians(NormalizeAngle(x))) to within a few units of the last place.
    Extended worst = 0.0L;
    for (int i = -20000; i <= 20000; ++i) {
        const Extended x = i * 0.0731L + 1e-3L;
        const Extended radians = ToRadians(NormalizeAngle(x));
        worst = std::max(worst, std::fabs(SinDeg(x) - std::sin(radians)));
        worst = std::max(worst, std::fabs(CosDeg(x) - std::cos(radians)));
        Extended s, c;
        SinCosDeg(x, s, c);
        ASSERT_EQ(s, SinDeg(x));
        ASSERT_EQ(c, CosDeg(x));
    }
    EXPECT_LT(worst, 4e-19L);
}

TEST(DegreeTrigonometry, ReducesBeforeConverting) {
    EXPECT_EQ(SinDeg(3630.0L), SinDeg(30.0L));
    EXPECT_EQ(CosDeg(-330.0L), CosDeg(30.0L));
    EXPECT_NEAR(SinDeg(30.0L), 0.5L, 1e-19L);
    EXPECT_NEAR(CosDeg(60.0L), 0.5L, 1e-19L);
    EXPECT_NEAR(TanDeg(45.0L), 1.0L, 1e-18L);
    EXPECT_NEAR(TanDeg(405.0L), 1.0L, 1e-18L);
}

TEST(ArcTangent, CoversTheLeftHalfPlaneAboveNinetyDegrees) {
    struct Case {
        Extended y, x, expected;
    };
    const Case cases[] = {
        {1.0L, 1.0L, 45.0L}, {1.0L, -1.0L, 135.0L}, {-1.0L, -1.0L, 225.0L},
        {-1.0L, 1.0L, -45.0L}, {0.0L, -1.0L, 180.0L},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ArcTan2Deg(c.y, c.x), c.expected, 1e-16L) << c.y << ", " << c.x;
    EXPECT_NEAR(ArcTan2Rad(1.0L, -1.0L), 3.0L * Pi / 4.0L, 1e-18L);
}

TEST(ArcTangent, ZeroDenominatorRaises) {
    EXPECT_THROW(ArcTan2Rad(1.0L, 0.0L), EZeroDivide);
    EXPECT_THROW(ArcTan2Deg(-1.0L, 0.0L), EZeroDivide);
    EXPECT_THROW(ArcTan2Deg(0.0L, 0.0L), EInvalidOp);
}

TEST(ArcSine, ValuesAndDomain) {
    EXPECT_NEAR(ArcSinDeg(0.5L), 30.0L, 1e-16L);
    EXPECT_NEAR(ArcSinDeg(-0.5L), -30.0L, 1e-16L);
    EXPECT_NEAR(ArcCosRad(0.5L), Pi / 3.0L, 1e-18L);
    EXPECT_EQ(ArcSinRad(0.0L), 0.0L);
    for (const Extended x : {1.0L, -1.0L}) {
        EXPECT_THROW(ArcSinRad(x), EZeroDivide);
        EXPECT_THROW(ArcSinDeg(x), EZeroDivide);
        EXPECT_THROW(ArcCosRad(x), EZeroDivide);
    }
    EXPECT_THROW(ArcSinDeg(1.5L), EInvalidOp);
    EXPECT_THROW(ArcCosRad(-2.0L), EInvalidOp);
}

TEST(Conversions, DivideOrMultiplyFirst) {
    EXPECT_EQ(ToRadians(180.0L), Pi);
    EXPECT_EQ(ToRadians(90.0L), (90.0L / 180.0L) * Pi);
    EXPECT_EQ(ToDegrees(Pi), 180.0L);
}

TEST(OneBasedMod, MovesTheRemainderIntoOneToB) {
    struct Case {
        std::int32_t a, b, expected;
    };
    const Case cases[] = {
        {60, 60, 60}, {61, 60, 1}, {0, 60, 60}, {-1, 60, 59}, {-60, 60, 60},
        {-61, 60, 59}, {12, 12, 12}, {13, 12, 1}, {5, 1, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(OneBasedMod(c.a, c.b), c.expected) << c.a << " mod " << c.b;
}

TEST(OneBasedMod, RejectsZeroAndNegativeModulus) {
    EXPECT_THROW(OneBasedMod(5, 0), EDivByZero);
    EXPECT_THROW(OneBasedMod(5, -3), E_OutOfAlgorithmRange);  // would never reach 1..b
}

}  // namespace
}  // namespace almanix
