// Apparent positions of the Sun and the Moon, nutation and obliquity. See positions.h.
#include "astro/positions.h"

#include "astro/angles.h"
#include "astro/fast_trig.h"
#include "astro/positions_tables.h"
#include "astro/vsop87.h"
#include "calendar/reformed.h"

namespace almanix {

namespace {

using positions::MoonLatitudeTable;
using positions::MoonLongitudeDistanceTable;
using positions::NutationTable;

// Julian centuries from J2000.0 (JD 2451545.0) of an instant.
Extended JulianCenturies(TDateTime Instant) {
    return (DateToJulianDay(Instant) - 2451545.0L) / 36525.0L;
}

// Constant of aberration, 20.4898", in degrees.
constexpr Extended SunAberration = 20.4898L / 3600.0L;

// Kilometres per astronomical unit as this program uses it.
constexpr Extended KilometresPerAU = 149597869.0L;

// The factor of a lunar term for the eccentricity of the Earth's orbit: E^|M multiplier|.
Extended EccentricityFactor(std::int8_t mulM, Extended E, Extended E2) {
    switch (mulM) {
        case 1:
        case -1: return E;
        case 2:
        case -2: return E2;
        default: return 1.0L;
    }
}

// Sines and cosines of a table's arguments (degrees), computed as one batch; each value is
// the extended sum of its two double parts.
template <int N>
struct TSinCosBatch {
    double SinHi[N], SinLo[N], CosHi[N], CosLo[N];

    explicit TSinCosBatch(const Extended (&args)[N]) {
        trig::SinCosDegrees(args, N, SinHi, SinLo, CosHi, CosLo);
    }
    Extended Sin(int i) const { return static_cast<Extended>(SinHi[i]) + SinLo[i]; }
    Extended Cos(int i) const { return static_cast<Extended>(CosHi[i]) + CosLo[i]; }
};

}  // namespace

void NutationAndObliquity(TDateTime Instant, Extended& DeltaPsi, Extended& Epsilon) {
    const Extended T = JulianCenturies(Instant);
    const Extended T2 = T * T;
    const Extended T3 = T2 * T;
    constexpr Extended inv450000 = 1.0L / 450000.0L;
    const Extended omega =
        NormalizeAngle(125.04452L - 1934.136261L * T + 0.0020708L * T2 + T3 * inv450000);
    const Extended D =
        NormalizeAngle(297.85036L + 445267.11148L * T - 0.0019142L * T2 + T3 / 189474.0L);
    const Extended M =
        NormalizeAngle(357.52772L + 35999.05034L * T - 0.0001603L * T2 - T3 / 300000.0L);
    const Extended Mp =
        NormalizeAngle(134.96298L + 477198.867398L * T + 0.0086972L * T2 + T3 / 56250.0L);
    const Extended F =
        NormalizeAngle(93.27191L + 483202.017538L * T - 0.0036825L * T2 + T3 / 327270.0L);

    Extended args[positions::NutationRowCount];
    for (int i = 0; i < positions::NutationRowCount; ++i) {
        const auto& row = NutationTable[i];
        args[i] = D * static_cast<Extended>(row.MulD) + M * static_cast<Extended>(row.MulM) +
                  Mp * static_cast<Extended>(row.MulMprime) + F * static_cast<Extended>(row.MulF) +
                  omega * static_cast<Extended>(row.MulOmega);
    }
    const TSinCosBatch trig(args);
    Extended sum1 = 0.0L;
    Extended sum2 = 0.0L;
    for (int i = 0; i < positions::NutationRowCount; ++i) {
        const auto& row = NutationTable[i];
        sum1 += trig.Sin(i) * (static_cast<Extended>(row.A) + static_cast<Extended>(row.B) * T * 0.1L);
        sum2 += trig.Cos(i) * (static_cast<Extended>(row.C) + static_cast<Extended>(row.D) * T * 0.1L);
    }
    DeltaPsi = sum1 * 0.0001L / 3600.0L;
    const Extended eps0 = 84381.448L - 46.815L * T - 0.00059L * T2 + 0.001813L * T3;  // arc s
    Epsilon = (eps0 + sum2 * 0.0001L) / 3600.0L;
}

void CompletePosition(TSkyPosition& Pos, TDateTime Instant) {
    Extended deltaPsi, epsilon;
    NutationAndObliquity(Instant, deltaPsi, epsilon);
    const Extended lambda = NormalizeAngle(Pos.Longitude + deltaPsi);
    Pos.Longitude = lambda;
    const Extended beta = Pos.Latitude;
    Extended sinLambda, cosLambda, sinEps, cosEps, sinBeta, cosBeta;
    SinCosDeg(lambda, sinLambda, cosLambda);
    SinCosDeg(epsilon, sinEps, cosEps);
    SinCosDeg(beta, sinBeta, cosBeta);
    Pos.RightAscension = ArcTan2Deg(sinLambda * cosEps - TanDeg(beta) * sinEps, cosLambda);
    Pos.Declination = ArcSinDeg(sinBeta * cosEps + cosBeta * sinEps * sinLambda);
}

void SunPosition(TDateTime Instant, TSkyPosition& Pos) {
    Extended L, B, R;
    EarthHeliocentric(Instant, L, B, R);
    Extended lambda = L + 180.0L;
    const Extended beta = -B;
    lambda = lambda - SunAberration / R;
    Pos = TSkyPosition{NormalizeAngle(lambda), beta, R * KilometresPerAU, 0.0L, 0.0L};
    CompletePosition(Pos, Instant);
}

void MoonPosition(TDateTime Instant, TSkyPosition& Pos) {
    const Extended T = JulianCenturies(Instant);
    const Extended T2 = T * T;
    const Extended T3 = T2 * T;
    const Extended T4 = T3 * T;
    // Reciprocals of the divisors of the cubic and quartic terms.
    constexpr Extended inv538841 = 1.0L / 538841.0L, inv65194000 = 1.0L / 65194000.0L;
    constexpr Extended inv545868 = 1.0L / 545868.0L, inv113065000 = 1.0L / 113065000.0L;
    constexpr Extended inv24490000 = 1.0L / 24490000.0L;
    constexpr Extended inv69699 = 1.0L / 69699.0L, inv1471200 = 1.0L / 1471200.0L;
    constexpr Extended inv3526000 = 1.0L / 3526000.0L, inv863310000 = 1.0L / 863310000.0L;

    // Mean elements in degrees, not reduced (Meeus 47.1 to 47.5).
    const Extended Lp = 218.3164591L + 481267.88134236L * T - 0.0013268L * T2 + T3 * inv538841 -
                        T4 * inv65194000;
    const Extended D = 297.8502042L + 445267.1115168L * T - 0.00163L * T2 + T3 * inv545868 -
                       T4 * inv113065000;
    const Extended M = 357.5291092L + 35999.0502909L * T - 0.0001536L * T2 + T3 * inv24490000;
    const Extended Mp = 134.9634114L + 477198.8676313L * T + 0.008997L * T2 + T3 * inv69699 -
                        T4 * inv1471200;
    const Extended F = 93.2720993L + 483202.0175273L * T - 0.0034029L * T2 - T3 * inv3526000 +
                       T4 * inv863310000;
    const Extended E = 1.0L - 0.002516L * T - 0.0000074L * T2;
    const Extended E2 = E * E;
    const Extended A1 = 119.75L + 131.849L * T;
    const Extended A2 = 53.09L + 479264.29L * T;
    const Extended A3 = 313.45L + 481266.484L * T;

    auto argument = [&](const auto& row) {
        return D * static_cast<Extended>(row.MulD) + M * static_cast<Extended>(row.MulM) +
               Mp * static_cast<Extended>(row.MulMprime) + F * static_cast<Extended>(row.MulF);
    };

    // Longitude and distance: one pass forms both sums, each in the table's order.
    Extended argsA[positions::MoonRowCount];
    for (int i = 0; i < positions::MoonRowCount; ++i) argsA[i] = argument(MoonLongitudeDistanceTable[i]);
    const TSinCosBatch trigA(argsA);
    Extended sumL = 0.0L;
    Extended sumR = 0.0L;
    for (int i = 0; i < positions::MoonRowCount; ++i) {
        const auto& row = MoonLongitudeDistanceTable[i];
        const Extended e = EccentricityFactor(row.MulM, E, E2);
        sumR += trigA.Cos(i) * static_cast<Extended>(row.Distance) * e;
        sumL += trigA.Sin(i) * static_cast<Extended>(row.Longitude) * e;
    }
    sumL = sumL + 3958.0L * SinDeg(A1) + 1962.0L * SinDeg(Lp - F) + 318.0L * SinDeg(A2);

    Extended argsB[positions::MoonRowCount];
    for (int i = 0; i < positions::MoonRowCount; ++i) argsB[i] = argument(MoonLatitudeTable[i]);
    const TSinCosBatch trigB(argsB);
    Extended sumB = 0.0L;
    for (int i = 0; i < positions::MoonRowCount; ++i) {
        const auto& row = MoonLatitudeTable[i];
        const Extended e = EccentricityFactor(row.MulM, E, E2);
        sumB += trigB.Sin(i) * static_cast<Extended>(row.Latitude) * e;
    }
    sumB = sumB - 2235.0L * SinDeg(Lp) + 382.0L * SinDeg(A3) + 175.0L * SinDeg(A1 - F) +
           175.0L * SinDeg(A1 + F) + 127.0L * SinDeg(Lp - Mp) - 115.0L * SinDeg(Lp + Mp);

    Pos = TSkyPosition{Lp + sumL / 1000000.0L, sumB / 1000000.0L, 385000.56L + sumR / 1000.0L,
                       0.0L, 0.0L};
    CompletePosition(Pos, Instant);
}

}  // namespace almanix
