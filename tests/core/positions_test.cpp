// Sun and Moon positions and nutation (Meeus, Astronomical Algorithms, ch. 22, 25, 47).
#include "astro/positions.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "astro/positions_tables.h"

namespace almanix {
namespace {

using namespace positions;

TEST(PositionTables, MoonCheckSumsAndIdentifyingRows) {
    std::int64_t longitude = 0, distance = 0, latitude = 0;
    for (const auto& row : MoonLongitudeDistanceTable) {
        longitude += row.Longitude;
        distance += row.Distance;
        EXPECT_LE(row.MulM * row.MulM, 4);
    }
    for (const auto& row : MoonLatitudeTable) {
        latitude += row.Latitude;
        EXPECT_LE(row.MulM * row.MulM, 4);
    }
    EXPECT_EQ(longitude, 8279751);
    EXPECT_EQ(distance, -28257908);
    EXPECT_EQ(latitude, 6044003);

    const auto& a1 = MoonLongitudeDistanceTable[0];
    const auto& a60 = MoonLongitudeDistanceTable[59];
    EXPECT_EQ((std::array<int, 6>{a1.MulD, a1.MulM, a1.MulMprime, a1.MulF, a1.Longitude, a1.Distance}),
              (std::array<int, 6>{0, 0, 1, 0, 6288774, -20905355}));
    EXPECT_EQ((std::array<int, 6>{a60.MulD, a60.MulM, a60.MulMprime, a60.MulF, a60.Longitude, a60.Distance}),
              (std::array<int, 6>{2, 0, -1, -2, 0, 8752}));
    const auto& b60 = MoonLatitudeTable[59];
    EXPECT_EQ((std::array<int, 5>{b60.MulD, b60.MulM, b60.MulMprime, b60.MulF, b60.Latitude}),
              (std::array<int, 5>{2, -2, 0, 1, 107}));
}

TEST(PositionTables, NutationRows) {
    const auto& first = NutationTable[0];
    const auto& last = NutationTable[NutationRowCount - 1];
    EXPECT_EQ((std::array<int, 9>{first.MulD, first.MulM, first.MulMprime, first.MulF,
                                  first.MulOmega, first.A, first.B, first.C, first.D}),
              (std::array<int, 9>{0, 0, 0, 0, 1, -171996, -1742, 92025, 89}));
    EXPECT_EQ((std::array<int, 9>{last.MulD, last.MulM, last.MulMprime, last.MulF, last.MulOmega,
                                  last.A, last.B, last.C, last.D}),
              (std::array<int, 9>{0, 1, 0, 0, 1, -15, 0, 9, 0}));
}

TEST(Nutation, MeeusExample22a) {
    // 10 April 1987, 00:00 TD: 31 terms of the series.
    Extended deltaPsi, epsilon;
    NutationAndObliquity(31877.0, deltaPsi, epsilon);
    EXPECT_NEAR(deltaPsi * 3600.0L, -3.7909L, 1e-4L);
    EXPECT_NEAR(deltaPsi, -0.00105302L, 1e-8L);
    EXPECT_NEAR(epsilon, 23.4435692L, 1e-7L);
}

struct PositionCase {
    const char* what;
    void (*routine)(TDateTime, TSkyPosition&);
    TDateTime instant;
    TSkyPosition expected;
    TSkyPosition tolerance;
};

TEST(Positions, MeeusExamples) {
    const PositionCase cases[] = {
        {"Sun, example 25.b", SunPosition, 33890.0,
         {199.905986L, 0.00020015L, 149240108.7L, 198.378119L, -7.783817L},
         {1e-6L, 1e-8L, 0.1L, 1e-6L, 1e-6L}},
        {"Moon, example 47.a", MoonPosition, 33706.0,
         {133.167270L, -3.229127L, 368409.68L, 134.688474L, 13.768365L},
         {1e-6L, 1e-6L, 0.01L, 1e-6L, 1e-6L}},
    };
    for (const auto& c : cases) {
        TSkyPosition p;
        c.routine(c.instant, p);
        EXPECT_NEAR(p.Longitude, c.expected.Longitude, c.tolerance.Longitude) << c.what;
        EXPECT_NEAR(p.Latitude, c.expected.Latitude, c.tolerance.Latitude) << c.what;
        EXPECT_NEAR(p.Distance, c.expected.Distance, c.tolerance.Distance) << c.what;
        EXPECT_NEAR(p.RightAscension, c.expected.RightAscension, c.tolerance.RightAscension) << c.what;
        EXPECT_NEAR(p.Declination, c.expected.Declination, c.tolerance.Declination) << c.what;
    }
}

TEST(SunPosition, VernalEquinox2000) {
    // The apparent longitude passes 0 on 20 March 2000 at 07:36:19 (TDateTime scale).
    const TDateTime equinox = 36605.0 + (7.0 + 36.0 / 60.0 + 19.0 / 3600.0) / 24.0;
    TSkyPosition before, after;
    SunPosition(equinox - 1.0 / 86400.0, before);
    SunPosition(equinox + 1.0 / 86400.0, after);
    EXPECT_GT(before.Longitude, 359.999);
    EXPECT_LT(after.Longitude, 0.001);
}

TEST(CompletePosition, RightAscensionRangeFollowsTheArcTangent) {
    struct Case {
        Extended longitude, minRA, maxRA;
    };
    const Case cases[] = {
        {200.0L, 90.0L, 270.0L},  // left half-plane: between 90 and 270
        {359.9L, -1.0L, 0.0L},    // just below 360: small and negative, not near 360
        {10.0L, 0.0L, 90.0L},
    };
    for (const auto& c : cases) {
        // Remove the nutation so that the corrected longitude is the one wanted.
        Extended deltaPsi, epsilon;
        NutationAndObliquity(36526.5, deltaPsi, epsilon);
        TSkyPosition p{c.longitude - deltaPsi, 0.0L, 1.0L, 0.0L, 0.0L};
        CompletePosition(p, 36526.5);
        EXPECT_NEAR(p.Longitude, c.longitude, 1e-12L);
        EXPECT_GT(p.RightAscension, c.minRA) << c.longitude;
        EXPECT_LT(p.RightAscension, c.maxRA) << c.longitude;
    }
}

}  // namespace
}  // namespace almanix
