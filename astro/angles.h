// Degree and radian helpers shared by the astronomy routines: conversions, trigonometry in
// degrees, the reduction of an angle into one turn and a one-based integer remainder.
//
// Every argument and result is extended precision (long double). The degree sines and cosines
// reduce their argument into [0, 360) first (NormalizeAngle), so callers may pass unreduced
// sums of many thousand degrees; SinDeg(3630) == SinDeg(30) exactly.
//
// Floating-point failures are raised where the x87 unit in its default state would raise
// them: EZeroDivide for a zero denominator, EInvalidOp for an invalid operation or a value
// that does not fit a 64-bit integer, EDivByZero for an integer division by zero.
#pragma once

#include <cfloat>
#include <cstdint>

#include "astro/fast_trig.h"
#include "rtl/types.h"

#if defined(__FAST_MATH__)
#error "Almanix needs IEEE arithmetic: do not build it with -ffast-math"
#endif

namespace almanix {

// Pi and pi/2 as extended values.
inline constexpr Extended Pi = 3.1415926535897932385L;
inline constexpr Extended PiHalf = 1.5707963267948966193L;

// Degrees to radians: (x / 180) * pi, the division first.
inline Extended ToRadians(Extended x);

// Radians to degrees: (x * 180) / pi, the product first.
inline Extended ToDegrees(Extended x);

// Tangent of x radians: sin(x) / cos(x).
Extended TanRad(Extended x);

// arctan(y / x), plus pi when x < 0: radians in (-pi/2, 3pi/2), not reduced further.
// Raises EZeroDivide for x = 0 (EInvalidOp when y is 0 too).
Extended ArcTan2Rad(Extended y, Extended x);

// arcsin(x) = arctan(x / sqrt(1 - x*x)) for -1 < x < 1: radians in (-pi/2, pi/2).
// Raises EZeroDivide for x = +-1, EInvalidOp for |x| > 1.
Extended ArcSinRad(Extended x);

// arccos(x) = pi/2 - ArcSinRad(x): radians in (0, pi). Errors as ArcSinRad.
Extended ArcCosRad(Extended x);

// The direction of x degrees in [0, 360): x - 360 * round(x / 360) (ties to even), then
// +360 while negative. Returns exactly 360 only when that addition rounds up (x = -1e-30).
// Raises EInvalidOp when x / 360 does not fit a 64-bit signed integer.
inline Extended NormalizeAngle(Extended x);

// Sine, cosine and tangent of x degrees, computed from ToRadians(NormalizeAngle(x)).
inline Extended SinDeg(Extended x);
inline Extended CosDeg(Extended x);
Extended TanDeg(Extended x);

// SinDeg(x) and CosDeg(x) in one call, bit for bit the same values at the cost of one.
inline void SinCosDeg(Extended x, Extended& s, Extended& c);

// ToDegrees(ArcTan2Rad(y, x)): degrees in (-90, 270). Errors as ArcTan2Rad.
Extended ArcTan2Deg(Extended y, Extended x);

// ToDegrees(ArcSinRad(x)): degrees in (-90, 90). Errors as ArcSinRad.
Extended ArcSinDeg(Extended x);

// The remainder of a by b moved into 1..b (b > 0): OneBasedMod(0, 60) = 60,
// OneBasedMod(-1, 60) = 59. Raises EDivByZero for b = 0.
std::int32_t OneBasedMod(std::int32_t a, std::int32_t b);

// ---- Inline definitions of the hot helpers (every series term calls them) ----

namespace detail {

constexpr Extended Power2(int e) {
    Extended r = 1.0L;
    for (int i = 0; i < e; ++i) r *= 2.0L;
    return r;
}

// Below 2^(p-9) (p the mantissa width), x / 360 rounds to the nearest integer n, ties to even,
// by adding and subtracting 1.5 * 2^(p-1) under the default rounding mode, and 360 n is exact.
// (The C library's nearbyintl saves and restores the floating-point environment: slow.)
inline constexpr Extended FastRoundLimit = Power2(LDBL_MANT_DIG - 9);
inline constexpr Extended FastRoundMagic = 1.5L * Power2(LDBL_MANT_DIG - 1);

// NormalizeAngle for |x / 360| >= FastRoundLimit, NaN and infinity: EInvalidOp where n or
// 360 n does not fit a 64-bit integer.
Extended NormalizeLargeAngle(Extended x, Extended q);

}  // namespace detail

inline Extended ToRadians(Extended x) { return (x / 180.0L) * Pi; }

inline Extended ToDegrees(Extended x) { return (x * 180.0L) / Pi; }

inline Extended NormalizeAngle(Extended x) {
    const Extended q = x / 360.0L;
    if (!(q < detail::FastRoundLimit && q > -detail::FastRoundLimit))
        return detail::NormalizeLargeAngle(x, q);
    const Extended n = (q + detail::FastRoundMagic) - detail::FastRoundMagic;
    Extended r = x - 360.0L * n;  // [-180, 180]
    while (r < 0.0L) r += 360.0L;
    return r;
}

inline void SinCosDeg(Extended x, Extended& s, Extended& c) {
    trig::SinCosReduced(ToRadians(NormalizeAngle(x)), s, c);
}

inline Extended SinDeg(Extended x) {
    Extended s, c;
    SinCosDeg(x, s, c);
    return s;
}

inline Extended CosDeg(Extended x) {
    Extended s, c;
    SinCosDeg(x, s, c);
    return c;
}

}  // namespace almanix
