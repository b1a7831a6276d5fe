// The planetary theory VSOP87, version D (heliocentric spherical coordinates referred to the
// mean ecliptic and equinox of date), with the complete Earth series of 2425 terms, and the
// correction of its coordinates to the FK5 frame.
//
// Time scale: TDateTime taken unchanged as dynamical time (no delta-T, no time zone).
// References: Bretagnon & Francou, A&A 202 (1988) 309; Meeus, Astronomical Algorithms,
// 2nd ed., ch. 32 (planetary positions) and 32.3 (FK5 correction).
#pragma once

#include <cstdint>
#include <memory>

#include "rtl/types.h"

namespace almanix {

// One periodic term: A * cos(B + C * tau), tau in Julian millennia from J2000.0.
struct TVSOPTerm {
    Extended A;  // amplitude, 1e-8 radian (L, B) or 1e-8 AU (R)
    Extended B;  // phase, radians
    Extended C;  // frequency, radians per Julian millennium
};

// Abstract evaluator of one planet's series. A descendant supplies the terms through the three
// accessors; the base class sums them. The only state is the instant of evaluation.
class TVSOP {
public:
    // Signature of the three term accessors, as handed to SumSeries.
    using TTermAccessor = void (TVSOP::*)(std::int32_t Index, std::int32_t Power,
                                          TVSOPTerm& Term) const;

    virtual ~TVSOP() = default;

    // Term number Index of the series of tau^Power of one coordinate; past the end of a table
    // (or for any other Index or Power) the all-zero term. Never raises.
    virtual void LongitudeTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const = 0;
    virtual void LatitudeTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const = 0;
    virtual void RadiusTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const = 0;

    // Stores the instant of evaluation (TDateTime, dynamical time).
    void SetDate(TDateTime Value) { EvalDate = Value; }

    // tau = (EvalDate - 36526.0 - 0.5) / 365250: Julian millennia from J2000.0.
    Extended Millennia() const;

    // One coordinate: for each power p = 0..5 the sum S(p) of A * cos(B + C * tau) over the
    // terms the accessor yields, up to and including the first term of value exactly 0; then
    // (((((S5 tau + S4) tau + S3) tau + S2) tau + S1) tau + S0) * 1e-8.
    Extended SumSeries(TTermAccessor Accessor) const;

    // Heliocentric longitude (radians, not reduced), latitude (radians), radius vector (AU).
    Extended Longitude() const;
    Extended Latitude() const;
    Extended Radius() const;

    // Corrects a VSOP87 longitude L and latitude B (radians) in place to the FK5 frame
    // (Meeus 32.3), at the instant of evaluation.
    void ToFK5(Extended& L, Extended& B) const;

    TDateTime EvalDate = 0.0;  // instant of evaluation
};

// The Earth: the VSOP87D tables (L 1080, B 348, R 997 terms; A scaled by 1e8).
class TVSOPEarth : public TVSOP {
public:
    void LongitudeTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const override;
    void LatitudeTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const override;
    void RadiusTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const override;
};

// A class reference to TVSOP or a descendant: makes a fresh evaluator of that class.
using TVSOPClass = std::unique_ptr<TVSOP> (*)();

// The class reference of a descendant: PlanetHeliocentric(VSOPClass<TVSOPEarth>, ...).
template <class Planet>
std::unique_ptr<TVSOP> VSOPClass() {
    return std::make_unique<Planet>();
}

// Heliocentric FK5 position of a planet at Instant (TDateTime, dynamical time): L in degrees
// in [0, 360), B in degrees, R in astronomical units. The evaluator object lives for this call
// only; floating-point errors pass to the caller.
void PlanetHeliocentric(TVSOPClass PlanetClass, TDateTime Instant, Extended& L, Extended& B,
                        Extended& R);

// PlanetHeliocentric of the Earth (TVSOPEarth). Meeus, example 25.b: at TDateTime 33890.0
// L = 19.907272, B = -0.00020015 degrees, R = 0.99760852 AU.
void EarthHeliocentric(TDateTime Instant, Extended& L, Extended& B, Extended& R);

}  // namespace almanix
