// The VSOP87D Earth tables, generated at build time from astro/data/vsop87d_earth.csv by
// tools/gen_vsop87_tables.cpp. Private to the evaluator and its tests.
#pragma once

#include <cstdint>

#include "astro/vsop87.h"

namespace almanix::vsop87 {

// One table: the terms of one coordinate and one power of tau, in the published order.
struct TSeriesTable {
    const TVSOPTerm* Terms;  // nullptr when the coordinate has no table for this power
    std::int32_t Count;
};

inline constexpr int PowerCount = 6;  // powers 0..5 of tau

extern const TSeriesTable EarthLongitude[PowerCount];
extern const TSeriesTable EarthLatitude[PowerCount];
extern const TSeriesTable EarthRadius[PowerCount];

}  // namespace almanix::vsop87
