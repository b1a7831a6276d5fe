// The VSOP87D Earth tables, generated at build time from astro/data/vsop87d_earth.csv by
// tools/gen_vsop87_tables.cpp, in two layouts: rows of TVSOPTerm for the term accessors and
// blocks of four terms for the vectorised sum. Private to the evaluator and its tests.
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

// The same terms laid out for the vectorised evaluator: four terms side by side, each extended
// value split into two doubles whose sum is that value exactly (Hi, then Lo = the remainder).
struct alignas(32) TTermBlock {
    double AHi[4], ALo[4], BHi[4], BLo[4], CHi[4], CLo[4];
};

// The blocks of one coordinate and power; the last block is padded with zero terms.
struct TSeriesBlocks {
    const TTermBlock* Blocks;  // nullptr when the coordinate has no table for this power
    std::int32_t Count;        // number of blocks
};

constexpr double Hi(Extended x) { return static_cast<double>(x); }
constexpr double Lo(Extended x) { return static_cast<double>(x - static_cast<double>(x)); }

extern const TSeriesBlocks EarthLongitudeBlocks[PowerCount];
extern const TSeriesBlocks EarthLatitudeBlocks[PowerCount];
extern const TSeriesBlocks EarthRadiusBlocks[PowerCount];

}  // namespace almanix::vsop87
