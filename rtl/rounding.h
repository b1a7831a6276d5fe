// Conversions of floating values to integers as the x87 unit performs them:
// Round ties to even, Trunc toward zero, Floor toward minus infinity. A NaN, an infinity
// or a value outside the 64-bit signed range raises EInvalidOp instead of wrapping silently.
#pragma once

#include <cmath>
#include <cstdint>

#include "rtl/exceptions.h"
#include "rtl/types.h"

namespace almanix {

namespace detail {
inline void CheckInt64Range(Extended x) {
    // 2^63 is exact in every floating type; the valid range is [-2^63, 2^63).
    constexpr Extended limit = 9223372036854775808.0L;
    if (!(x >= -limit && x < limit)) throw EInvalidOp();
}
}  // namespace detail

// Nearest integer, halves to even.
inline std::int64_t Round(Extended x) {
    // rint, not nearbyint: the same result in the default mode (to nearest, ties to even),
    // a single frndint instead of glibc saving and restoring the floating-point environment.
    const Extended r = std::rint(x);
    detail::CheckInt64Range(r);
    return static_cast<std::int64_t>(r);
}

// Toward zero.
inline std::int64_t Trunc(Extended x) {
    const Extended r = std::trunc(x);
    detail::CheckInt64Range(r);
    return static_cast<std::int64_t>(r);
}

// Greatest integer not above x.
inline std::int64_t Floor(Extended x) {
    const Extended r = std::floor(x);
    detail::CheckInt64Range(r);
    return static_cast<std::int64_t>(r);
}

}  // namespace almanix
