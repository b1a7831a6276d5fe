// Private trigonometric kernels of the astronomy routines. They replace the C library's
// long double sine and cosine (about 160 ns a call) on the hot paths:
// - SinCosReduced: sine and cosine of an angle in [0, 2 pi] radians, to the full 64-bit
//   mantissa of the x87 format (error about 1 ulp), for SinDeg and CosDeg.
// - ReduceTwoPi and CosineOfReduced: the cosines of a batch of extended-precision arguments,
//   each reduced by 2 pi in extended precision and evaluated four at a time in double
//   precision (error below 2e-16), for the VSOP87 series, where a term's amplitude times that
//   error stays far below the last bit of the sum.
// - SinCosDegrees: the sines and cosines of a batch of degree arguments to about 1e-20, for
//   the nutation and Moon series.
// Where long double is not the x87 format, all fall back on the C library.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "rtl/types.h"

#if defined(__FAST_MATH__)
#error "Almanix needs IEEE arithmetic: do not build it with -ffast-math"
#endif

#if LDBL_MANT_DIG == 64
#define ALMANIX_X87_KERNELS 1
#else
#define ALMANIX_X87_KERNELS 0
#endif

namespace almanix::trig {

// cos(r[i]) for i < count and |r[i]| <= pi (+ a little), in double precision (error below
// 2e-16). Vectorised; AVX2 where the processor has it.
void CosineOfReduced(const double* r, double* out, int count);

// Sine and cosine of x[i] degrees for i < count, as in SinCosDeg (any argument NormalizeAngle
// accepts; its errors are raised the same way), each result as the unevaluated sum of two
// doubles: sin x[i] = sinHi[i] + sinLo[i]. The reduction is exact and the error about 1e-20,
// below the last place of the extended value. Vectorised where the processor has AVX2 and FMA.
void SinCosDegrees(const Extended* x, int count, double* sinHi, double* sinLo, double* cosHi,
                   double* cosLo);

// True where the processor has AVX2 and FMA, for the vectorised kernels (checked once).
bool HasAvx2Fma();

#if ALMANIX_X87_KERNELS

// Adding and subtracting 1.5 * 2^63 rounds an x87 value below 2^62 in magnitude to an integer
// (to nearest, ties to even) in two additions, without the slow frndint.
inline constexpr Extended RoundMagic = 0x1.8p63L;

namespace detail {

// pi/32 split for Cody-Waite reduction: Hi has 57 significant bits, so Hi * k is exact for
// k <= 64; Lo holds the next 64 bits.
inline constexpr Extended PiOver32Hi = 0x1921fb54442d184p-60L;
inline constexpr Extended PiOver32Lo = 0xd313198a2e037073p-125L;
inline constexpr Extended ThirtyTwoOverPi = 0xa2f9836e4e44152ap-60L;

// sin(j pi / 32) for j = 0..80 (cos(j pi / 32) is entry j + 16), built at compile time from
// Taylor series of arguments up to pi/4 and the symmetries of the sine; each entry is within
// about one unit in the last place.
struct SineTable {
    Extended v[81];
};

constexpr Extended TaylorSin(Extended a) {
    Extended term = a, sum = a;
    for (int n = 1; n < 20; ++n) {
        term = -term * a * a / static_cast<Extended>((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

constexpr Extended TaylorCos(Extended a) {
    Extended term = 1.0L, sum = 0.0L;
    for (int n = 1; n < 20; ++n) {
        term = -term * a * a / static_cast<Extended>((2 * n - 1) * (2 * n));
        sum += term;
    }
    return 1.0L + sum;
}

constexpr Extended SinOfMultiple(int j) {  // sin(j pi / 32), j >= 0
    j %= 64;
    if (j >= 32) return -SinOfMultiple(j - 32);
    if (j > 16) j = 32 - j;
    const auto angle = [](int i) { return static_cast<Extended>(i) * PiOver32Hi +
                                          static_cast<Extended>(i) * PiOver32Lo; };
    return j > 8 ? TaylorCos(angle(16 - j)) : TaylorSin(angle(j));
}

constexpr SineTable MakeSineTable() {
    SineTable table{};
    for (int j = 0; j <= 80; ++j) table.v[j] = SinOfMultiple(j);
    return table;
}

inline constexpr SineTable Sines = MakeSineTable();

// For |t| <= pi/64: sin t - t and 1 - cos t by their Taylor series in extended precision
// (the first omitted terms are below 1e-24 relative). Past the leading coefficient of each,
// double coefficients change the result by less than 1e-22 relative and load faster.
inline Extended SinMinusArg(Extended t, Extended t2) {
    return t * t2 *
           (-0.166666666666666666666666666667L +
            t2 * (0.00833333333333333333333333333333 +
            t2 * (-0.000198412698412698412698412698413 +
            t2 * 0.00000275573192239858906525573192240)));
}

inline Extended OneMinusCos(Extended t2) {
    return t2 * (0.5L +
           t2 * (-0.0416666666666666666666666666667 +
           t2 * (0.00138888888888888888888888888889 +
           t2 * (-0.0000248015873015873015873015873016 +
           t2 * 2.75573192239858906525573192240E-7))));
}



}  // namespace detail

// Sine and cosine of x radians, 0 <= x <= 2 pi (a reduced angle), to about one unit in the
// last place of the x87 format.
inline void SinCosReduced(Extended x, Extended& s, Extended& c) {
    // x = k pi/32 + t: sin x = S + (C sin t - S (1 - cos t)), cos x = C - (S sin t + C (1 - cos t))
    // with S = sin(k pi/32), C = cos(k pi/32) from the table.
    const Extended kf = (x * detail::ThirtyTwoOverPi + RoundMagic) - RoundMagic;  // 0..64
    const Extended t = (x - kf * detail::PiOver32Hi) - kf * detail::PiOver32Lo;           // |t| <= pi/64
    // 0..64 (64 only for x near 2 pi, where S and C of index 0 serve as well); the mask keeps
    // the index inside the table even where the unit runs with a shorter mantissa.
    const int k = static_cast<int>(static_cast<double>(kf)) & 63;  // via double: no fldcw
    const Extended t2 = t * t;
    const Extended sinT = t + detail::SinMinusArg(t, t2);
    const Extended u = detail::OneMinusCos(t2);
    const Extended S = detail::Sines.v[k];
    const Extended C = detail::Sines.v[k + 16];
    s = S + (C * sinT - S * u);
    c = C - (S * sinT + C * u);
}

// x - 2 pi k, k = round(x / 2 pi), computed in extended precision and rounded to double: the
// argument for CosineOfReduced. Exact reduction for |x| < 1e8: 2 pi is split into 40 bits
// (whose product with k is exact) and the next 64 bits.
inline double ReduceTwoPi(Extended x) {
    constexpr Extended twoPiHi = 0xc90fdaa221p-37L;
    constexpr Extended twoPiLo = 0xd18469898cc51702p-102L;
    constexpr Extended oneOverTwoPi = 0xa2f9836e4e44152ap-66L;
    const Extended k = (x * oneOverTwoPi + RoundMagic) - RoundMagic;
    return static_cast<double>((x - k * twoPiHi) - k * twoPiLo);
}

#else

inline void SinCosReduced(Extended x, Extended& s, Extended& c) {
    s = std::sin(x);
    c = std::cos(x);
}

// Without the x87 format CosineOfReduced is the C library's cosine, which reduces by itself.
inline double ReduceTwoPi(Extended x) { return static_cast<double>(x); }

#endif

}  // namespace almanix::trig
