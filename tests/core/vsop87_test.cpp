// VSOP87D Earth tables and evaluator (Meeus, Astronomical Algorithms, ch. 25 and 32).
#include "astro/vsop87.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "rtl/exceptions.h"

namespace almanix {
namespace {

using Accessor = TVSOP::TTermAccessor;

struct Coordinate {
    const char* name;
    Accessor accessor;
    int counts[6];
    std::int64_t thousandthSums[6];  // published check sums of the A column, in 0.001
};

const Coordinate coordinates[] = {
    {"L", &TVSOP::LongitudeTerm, {559, 341, 142, 22, 11, 5},
     {178753487065, 628332178711849, 62098339, 347304, 123135, 1133}},
    {"B", &TVSOP::LatitudeTerm, {184, 99, 49, 11, 5, 0}, {843538, 41721, 4108, 85, 20, 0}},
    {"R", &TVSOP::RadiusTerm, {526, 292, 139, 27, 10, 3},
     {101710594586, 105708337, 4530660, 152613, 4271, 99}},
};

TEST(VSOPEarthTables, TermCountsAndAmplitudeCheckSums) {
    const TVSOPEarth earth;
    for (const auto& c : coordinates) {
        for (int power = 0; power < 6; ++power) {
            std::int64_t sum = 0;
            int count = 0;
            TVSOPTerm term;
            for (;; ++count) {
                (earth.*c.accessor)(count, power, term);
                if (term.A == 0.0L) break;
                sum += std::llround(term.A * 1000.0L);  // every A has at most three decimals
            }
            EXPECT_EQ(count, c.counts[power]) << c.name << power;
            EXPECT_EQ(sum, c.thousandthSums[power]) << c.name << power;
        }
    }
}

TEST(VSOPEarthTables, IdentifyingRows) {
    struct Row {
        Accessor accessor;
        int power, index;
        Extended A, B, C;
    };
    const Row rows[] = {
        {&TVSOP::LongitudeTerm, 0, 0, 175347045.673L, 0.0L, 0.0L},
        {&TVSOP::LongitudeTerm, 0, 1, 3341656.456L, 4.66925680417L, 6283.0758499914L},
        {&TVSOP::LongitudeTerm, 0, 558, 0.049L, 2.44790934886L, 13613.804277336L},
        {&TVSOP::LongitudeTerm, 1, 0, 628331966747.491L, 0.0L, 0.0L},
        {&TVSOP::LatitudeTerm, 0, 0, 279.62L, 3.19870156017L, 84334.66158130829L},
        {&TVSOP::RadiusTerm, 0, 0, 100013988.799L, 0.0L, 0.0L},
        {&TVSOP::RadiusTerm, 5, 2, 0.001L, 0.38068797142L, 18849.2275499742L},
    };
    const TVSOPEarth earth;
    for (const auto& r : rows) {
        TVSOPTerm term;
        (earth.*r.accessor)(r.index, r.power, term);
        EXPECT_EQ(term.A, r.A) << r.power << "/" << r.index;
        EXPECT_EQ(term.B, r.B) << r.power << "/" << r.index;
        EXPECT_EQ(term.C, r.C) << r.power << "/" << r.index;
    }
}

TEST(VSOPEarthTables, OutOfRangeGivesTheZeroTerm) {
    struct Probe {
        Accessor accessor;
        std::int32_t index, power;
    };
    const Probe probes[] = {
        {&TVSOP::LatitudeTerm, 0, 5},   {&TVSOP::LongitudeTerm, -1, 0},
        {&TVSOP::LongitudeTerm, 559, 0}, {&TVSOP::RadiusTerm, 3, 5},
        {&TVSOP::RadiusTerm, 0, 6},      {&TVSOP::LatitudeTerm, 0, -1},
    };
    const TVSOPEarth earth;
    for (const auto& p : probes) {
        TVSOPTerm term{1.0L, 2.0L, 3.0L};  // the accessor clears what it is handed
        (earth.*p.accessor)(p.index, p.power, term);
        EXPECT_EQ(term.A, 0.0L) << p.index << "/" << p.power;
        EXPECT_EQ(term.B, 0.0L);
        EXPECT_EQ(term.C, 0.0L);
    }
}

// Counts the accessor calls of each power, to check that a sum ends at the zero term.
class CountingEarth : public TVSOPEarth {
public:
    void LongitudeTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const override {
        if (Power >= 0 && Power < 6) ++calls[Power];
        TVSOPEarth::LongitudeTerm(Index, Power, Term);
    }
    mutable int calls[6] = {};
};

TEST(VSOPEvaluator, EachPowerEndsAfterTheZeroTerm) {
    CountingEarth earth;
    earth.SetDate(33890.0);
    earth.Longitude();
    const int expected[6] = {560, 342, 143, 23, 12, 6};
    for (int p = 0; p < 6; ++p) EXPECT_EQ(earth.calls[p], expected[p]) << "power " << p;
}

TEST(VSOPEvaluator, MeeusExample25b) {
    // 13 October 1992, 00:00 TD: the unreduced series before the FK5 correction.
    TVSOPEarth earth;
    earth.SetDate(33890.0);
    EXPECT_NEAR(earth.Millennia(), -0.0072183436L, 1e-10L);
    EXPECT_NEAR(earth.Longitude(), -43.6348493L, 1e-7L);
    EXPECT_NEAR(earth.Latitude(), -3.60665e-6L, 1e-11L);
    EXPECT_NEAR(earth.Radius(), 0.99760852L, 1e-8L);
}

TEST(EarthHeliocentric, ReferenceInstants) {
    struct Case {
        TDateTime instant;
        Extended L, B, R;
    };
    const Case cases[] = {
        {33890.0, 19.907272L, -0.00020015L, 0.99760852L},  // Meeus 25.b, after FK5
        {36526.5, 100.377819L, -0.00023987L, 0.98332768L},  // J2000.0
    };
    for (const auto& c : cases) {
        Extended L, B, R;
        EarthHeliocentric(c.instant, L, B, R);
        EXPECT_NEAR(L, c.L, 1e-6L) << c.instant;
        EXPECT_NEAR(B, c.B, 1e-8L) << c.instant;
        EXPECT_NEAR(R, c.R, 1e-8L) << c.instant;
    }
}

TEST(EarthHeliocentric, AgreesWithTheLibraryCosineSum) {
    // The batched double-precision cosines change only the last bits of the sums.
    for (const TDateTime instant : {-100000.0, 33890.0, 36526.5, 80000.25}) {
        TVSOPEarth earth;
        earth.SetDate(instant);
        const Extended tau = earth.Millennia();
        Extended s[6] = {};
        for (int p = 0; p < 6; ++p) {
            TVSOPTerm t;
            for (int i = 0;; ++i) {
                earth.LongitudeTerm(i, p, t);
                if (t.A == 0.0L) break;
                s[p] += t.A * std::cos(t.B + t.C * tau);
            }
        }
        const Extended reference =
            (((((s[5] * tau + s[4]) * tau + s[3]) * tau + s[2]) * tau + s[1]) * tau + s[0]) * 1e-8L;
        EXPECT_NEAR(earth.Longitude(), reference, 1e-15L) << instant;
    }
}

TEST(PlanetHeliocentric, NonFiniteInstantRaises) {
    Extended L, B, R;
    EXPECT_THROW(EarthHeliocentric(std::nan(""), L, B, R), EInvalidOp);
    EXPECT_THROW(EarthHeliocentric(INFINITY, L, B, R), EInvalidOp);
}

}  // namespace
}  // namespace almanix
