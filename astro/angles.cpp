// Degree and radian helpers. See angles.h.
#include "astro/angles.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "rtl/exceptions.h"
#include "rtl/rounding.h"

namespace almanix {

Extended TanRad(Extended x) {
    const Extended c = std::cos(x);
    if (c == 0.0L) throw EZeroDivide();
    return std::sin(x) / c;
}

Extended ArcTan2Rad(Extended y, Extended x) {
    if (std::isnan(x) || std::isnan(y)) throw EInvalidOp();
    if (x == 0.0L) {
        if (y == 0.0L) throw EInvalidOp();  // 0 / 0
        throw EZeroDivide();
    }
    Extended r = std::atan(y / x);
    if (x < 0.0L) r += Pi;
    return r;
}

Extended ArcSinRad(Extended x) {
    const Extended d = 1.0L - x * x;
    if (!(d >= 0.0L)) throw EInvalidOp();  // square root of a negative number (or NaN)
    const Extended root = std::sqrt(d);
    if (root == 0.0L) throw EZeroDivide();
    return std::atan(x / root);
}

Extended ArcCosRad(Extended x) { return PiHalf - ArcSinRad(x); }

Extended detail::NormalizeLargeAngle(Extended x, Extended q) {
    const std::int64_t n = Round(q);  // EInvalidOp for NaN, infinity or beyond int64
    // 360 n must fit 64 bits too: a wrapped product would leave r far outside one turn.
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max() / 360;
    if (n > limit || n < -limit) throw EInvalidOp();
    Extended r = x - static_cast<Extended>(360 * n);  // [-180, 180]
    while (r < 0.0L) r += 360.0L;
    return r;
}

Extended TanDeg(Extended x) {
    Extended s, c;
    SinCosDeg(x, s, c);
    if (c == 0.0L) throw EZeroDivide();
    return s / c;
}

Extended ArcTan2Deg(Extended y, Extended x) { return ToDegrees(ArcTan2Rad(y, x)); }

Extended ArcSinDeg(Extended x) { return ToDegrees(ArcSinRad(x)); }

std::int32_t OneBasedMod(std::int32_t a, std::int32_t b) {
    if (b == 0) throw EDivByZero();
    // A negative modulus would never bring the remainder up to 1.
    if (b < 0) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    std::int32_t r = a % b;  // sign of a, |r| < b
    while (r < 1) r += b;    // at most twice
    return r;
}

}  // namespace almanix
