// VSOP87 evaluator and the Earth's term accessors. See vsop87.h.
#include "astro/vsop87.h"

#include <cmath>
#include <cstring>

#include "astro/angles.h"
#include "astro/fast_trig.h"
#include "astro/vsop87_tables.h"
#include "calendar/reformed.h"
#include "rtl/exceptions.h"

namespace almanix {

namespace {

// 1 January 2000, 00:00 (36526.0); J2000.0 is half a day later.
const Extended ReferenceDate = ReferenceDate2000;

constexpr Extended DaysPerMillennium = 365250.0L;

// FK5 correction constants, in degrees: 0.09033" and 0.03916".
constexpr Extended Fk5LongitudeShift = 0.09033L / 3600.0L;
constexpr Extended Fk5Coupling = 0.03916L / 3600.0L;

// Terms fetched and evaluated together (their cosines are computed as one batch).
constexpr int TermBatch = 64;

// No series of the theory comes near this many terms of one power; an accessor that never
// yields a zero term is stopped here.
constexpr std::int32_t MaxTermsPerPower = 1 << 20;

// S(p) = sum of A cos(B + C tau) over the terms of power p, through the accessor, in the
// table's order, up to and including the first term whose value is exactly 0.
Extended SumPower(const TVSOP& planet, TVSOP::TTermAccessor accessor, std::int32_t power,
                  Extended tau) {
    TVSOPTerm terms[TermBatch];
    double reduced[TermBatch];
    double cosines[TermBatch];
    Extended sum = 0.0L;
    std::int32_t index = 0;
    for (;;) {
        if (index >= MaxTermsPerPower) throw E_OutOfAlgorithmRange("Out of range of the algorithm");
        // Fetch up to a batch of terms; a zero amplitude gives a zero value and ends the sum.
        int count = 0;
        bool ended = false;
        while (count < TermBatch && !ended) {
            (planet.*accessor)(index++, power, terms[count]);
            ended = terms[count++].A == 0.0L;
        }
        // Arguments in a loop of their own, without calls, so tau stays in a register.
        for (int i = 0; i < count; ++i) reduced[i] = trig::ReduceTwoPi(terms[i].B + terms[i].C * tau);
        trig::CosineOfReduced(reduced, cosines, count);
        for (int i = 0; i < count; ++i) {
            const Extended v = terms[i].A * static_cast<Extended>(cosines[i]);
            sum += v;
            if (v == 0.0L) return sum;
        }
        // A zero amplitude with a finite cosine always ends the sum above.
        if (ended) throw EInvalidOp();
    }
}

// Row Index of tables[Power], or the all-zero term when there is no such row.
void LookUp(const vsop87::TSeriesTable* tables, std::int32_t Index, std::int32_t Power,
            TVSOPTerm& Term) {
    static constexpr TVSOPTerm zero{0.0L, 0.0L, 0.0L};
    const TVSOPTerm* row = &zero;
    if (Power >= 0 && Power < vsop87::PowerCount && Index >= 0 && Index < tables[Power].Count)
        row = &tables[Power].Terms[Index];
    std::memcpy(&Term, row, sizeof Term);  // plain copy, no x87 loads and stores
}

}  // namespace

Extended TVSOP::Millennia() const {
    return (static_cast<Extended>(EvalDate) - ReferenceDate - 0.5L) / DaysPerMillennium;
}

Extended TVSOP::SumSeries(TTermAccessor Accessor) const {
    const Extended tau = Millennia();
    // x87 would raise an invalid operation for an infinite instant (0 x infinity in the
    // constant terms); a NaN instant is refused the same way instead of summing forever.
    if (!std::isfinite(tau)) throw EInvalidOp();
    Extended s[vsop87::PowerCount];
    for (std::int32_t p = 0; p < vsop87::PowerCount; ++p) s[p] = SumPower(*this, Accessor, p, tau);
    return (((((s[5] * tau + s[4]) * tau + s[3]) * tau + s[2]) * tau + s[1]) * tau + s[0]) *
           1e-8L;
}

Extended TVSOP::Longitude() const { return SumSeries(&TVSOP::LongitudeTerm); }

Extended TVSOP::Latitude() const { return SumSeries(&TVSOP::LatitudeTerm); }

Extended TVSOP::Radius() const { return SumSeries(&TVSOP::RadiusTerm); }

void TVSOP::ToFK5(Extended& L, Extended& B) const {
    const Extended T = 10.0L * Millennia();  // Julian centuries
    const Extended lp = L + T * ToRadians(-1.397L - 0.00031L * T);
    const Extended cosLp = std::cos(lp);
    const Extended sinLp = std::sin(lp);
    const Extended dL = -ToRadians(Fk5LongitudeShift) +
                        ToRadians(Fk5Coupling) * (cosLp + sinLp) * TanRad(B);
    const Extended dB = ToRadians(Fk5Coupling) * (cosLp - sinLp);
    L = L + dL;
    B = B + dB;
}

void TVSOPEarth::LongitudeTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const {
    LookUp(vsop87::EarthLongitude, Index, Power, Term);
}

void TVSOPEarth::LatitudeTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const {
    LookUp(vsop87::EarthLatitude, Index, Power, Term);
}

void TVSOPEarth::RadiusTerm(std::int32_t Index, std::int32_t Power, TVSOPTerm& Term) const {
    LookUp(vsop87::EarthRadius, Index, Power, Term);
}

void PlanetHeliocentric(TVSOPClass PlanetClass, TDateTime Instant, Extended& L, Extended& B,
                        Extended& R) {
    {
        const std::unique_ptr<TVSOP> planet = PlanetClass();  // freed also on an error
        planet->SetDate(Instant);
        R = planet->Radius();
        L = planet->Longitude();
        B = planet->Latitude();
        planet->ToFK5(L, B);
    }
    L = NormalizeAngle(ToDegrees(L));
    B = ToDegrees(B);
}

void EarthHeliocentric(TDateTime Instant, Extended& L, Extended& B, Extended& R) {
    PlanetHeliocentric(VSOPClass<TVSOPEarth>, Instant, L, B, R);
}

}  // namespace almanix
