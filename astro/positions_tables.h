// Periodic-term tables of the Moon and of the nutation, generated at build time from
// astro/data/*.csv by tools/gen_vsop87_tables.cpp. Private to the position routines and their
// tests.
#pragma once

#include <cstdint>

namespace almanix::positions {

// One row of the nutation series: multipliers of D, M, M', F, Omega; nutation in longitude
// (A + B T / 10) and in obliquity (C + D T / 10), in 0.0001 arc second.
struct TNutationRow {
    std::int8_t MulD, MulM, MulMprime, MulF, MulOmega;
    std::int32_t A, B, C, D;
};

// One row of the Moon's longitude and distance terms: multipliers of D, M, M', F; longitude
// coefficient (1e-6 degree, sine) and distance coefficient (1e-3 km, cosine).
struct TMoonLongitudeDistanceRow {
    std::int8_t MulD, MulM, MulMprime, MulF;
    std::int32_t Longitude, Distance;
};

// One row of the Moon's latitude terms: multipliers; latitude coefficient (1e-6 degree, sine).
struct TMoonLatitudeRow {
    std::int8_t MulD, MulM, MulMprime, MulF;
    std::int32_t Latitude;
};

inline constexpr int NutationRowCount = 31;
inline constexpr int MoonRowCount = 60;

extern const TNutationRow NutationTable[NutationRowCount];                   // Meeus 22.A
extern const TMoonLongitudeDistanceRow MoonLongitudeDistanceTable[MoonRowCount];  // Meeus 47.A
extern const TMoonLatitudeRow MoonLatitudeTable[MoonRowCount];               // Meeus 47.B

}  // namespace almanix::positions
