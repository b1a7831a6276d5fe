// VSOP87 evaluator and the Earth's term accessors. See vsop87.h.
#include "astro/vsop87.h"

#include <cmath>
#include <cstring>
#include <typeinfo>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define ALMANIX_VSOP_AVX2 1
#else
#define ALMANIX_VSOP_AVX2 0
#endif

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

#if ALMANIX_VSOP_AVX2

// The vectorised sum of one series: S = sum of A cos(B + C tau) over its blocks, to well
// beyond extended precision apart from the cosines, which are good to about 1e-16.
// - The phase B + C tau is formed as a double-double: C tau exactly from the split C and tau,
//   B in its two parts.
// - It is reduced by pi/2 (three-part pi/2, exact first step) to t_hi + t_lo, |t| <= pi/4,
//   with the quadrant k mod 4 selecting +-cos t or +-sin t.
// - A times the cosine is formed exactly for A's high part; the products are summed in four
//   double-double lanes, added up in extended precision at the end.
// tau = tauHi + tauLo exactly. Needs AVX2 and FMA (trig::HasAvx2Fma).
__attribute__((target("avx2,fma"))) Extended SumBlocksAvx2(const vsop87::TTermBlock* blocks,
                                                            std::int32_t count, double tauHi,
                                                            double tauLo) {
    // pi/2 in two doubles (the third part times k stays below 1e-27), 2/pi rounded.
    const __m256d piHalfHi = _mm256_set1_pd(0x1.921fb54442d18p+0);
    const __m256d piHalfMid = _mm256_set1_pd(0x1.1a62633145c07p-54);
    const __m256d twoOverPi = _mm256_set1_pd(0x1.45f306dc9c883p-1);
    const __m256d th = _mm256_set1_pd(tauHi);
    const __m256d tl = _mm256_set1_pd(tauLo);
    const __m256d one = _mm256_set1_pd(1.0);
    const __m256d two = _mm256_set1_pd(2.0);
    const __m256d three = _mm256_set1_pd(3.0);
    const __m256d quarter = _mm256_set1_pd(0.25);
    const __m256d four = _mm256_set1_pd(4.0);
    const __m256d signBit = _mm256_set1_pd(-0.0);
    __m256d sumHi = _mm256_setzero_pd();
    __m256d sumLo = _mm256_setzero_pd();
    for (std::int32_t i = 0; i < count; ++i) {
        const vsop87::TTermBlock& b = blocks[i];
        const __m256d cHi = _mm256_load_pd(b.CHi);
        const __m256d cLo = _mm256_load_pd(b.CLo);
        const __m256d bHi = _mm256_load_pd(b.BHi);
        const __m256d bLo = _mm256_load_pd(b.BLo);
        // C tau = p + pe exactly, plus the cross terms (C_lo tau_lo is below 1e-28 relative).
        const __m256d p = _mm256_mul_pd(cHi, th);
        const __m256d pe = _mm256_fmsub_pd(cHi, th, p);
        const __m256d cross = _mm256_fmadd_pd(cHi, tl, _mm256_mul_pd(cLo, th));
        // s + se = p + B_hi exactly (two-sum).
        const __m256d s = _mm256_add_pd(p, bHi);
        const __m256d bv = _mm256_sub_pd(s, p);
        const __m256d se = _mm256_add_pd(_mm256_sub_pd(p, _mm256_sub_pd(s, bv)),
                                         _mm256_sub_pd(bHi, bv));
        // k = round(s / (pi/2)); s - k pi/2_hi is exact, the rest joins the small tail.
        const __m256d k = _mm256_round_pd(_mm256_mul_pd(s, twoOverPi),
                                          _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
        const __m256d r = _mm256_fnmadd_pd(k, piHalfHi, s);
        const __m256d m = _mm256_mul_pd(k, piHalfMid);
        const __m256d me = _mm256_fmsub_pd(k, piHalfMid, m);
        const __m256d tail = _mm256_sub_pd(
            _mm256_sub_pd(_mm256_add_pd(_mm256_add_pd(_mm256_add_pd(pe, se), cross), bLo), m),
            me);
        const __m256d t = _mm256_add_pd(r, tail);
        const __m256d tLo = _mm256_sub_pd(tail, _mm256_sub_pd(t, r));
        // sin(t_hi + t_lo) and cos(t_hi + t_lo) by Taylor series to t^17 and t^16 (truncation
        // below 1e-19 for |t| <= pi/4), with the first-order t_lo corrections.
        const __m256d t2 = _mm256_mul_pd(t, t);
        __m256d sp = _mm256_set1_pd(2.81145725434552076319894558301E-15);
        sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(-7.64716373181981647590113198579E-13));
        sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(1.60590438368216145993923771702E-10));
        sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(-2.50521083854417187750521083854E-8));
        sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(0.00000275573192239858906525573192240));
        sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(-0.000198412698412698412698412698413));
        sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(0.00833333333333333333333333333333));
        sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(-0.166666666666666666666666666667));
        const __m256d sinT =
            _mm256_add_pd(t, _mm256_fmadd_pd(_mm256_mul_pd(t, t2), sp, tLo));
        __m256d cp = _mm256_set1_pd(-1.56192069685862264622163643501E-16);
        cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(4.77947733238738529743820749112E-14));
        cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(-1.14707455977297247138516979787E-11));
        cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(2.08767569878680989792100903212E-9));
        cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(-2.75573192239858906525573192240E-7));
        cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(0.0000248015873015873015873015873016));
        cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(-0.00138888888888888888888888888889));
        cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(0.0416666666666666666666666666667));
        const __m256d cosT = _mm256_add_pd(
            _mm256_fnmadd_pd(_mm256_set1_pd(0.5), t2, one),
            _mm256_fnmadd_pd(t, tLo, _mm256_mul_pd(_mm256_mul_pd(t2, t2), cp)));
        // cos(k pi/2 + t) = cos t, -sin t, -cos t, sin t for k mod 4 = 0, 1, 2, 3.
        const __m256d q = _mm256_fnmadd_pd(four, _mm256_floor_pd(_mm256_mul_pd(k, quarter)), k);
        const __m256d odd = _mm256_or_pd(_mm256_cmp_pd(q, one, _CMP_EQ_OQ),
                                         _mm256_cmp_pd(q, three, _CMP_EQ_OQ));
        const __m256d negative = _mm256_or_pd(_mm256_cmp_pd(q, one, _CMP_EQ_OQ),
                                              _mm256_cmp_pd(q, two, _CMP_EQ_OQ));
        const __m256d cosine = _mm256_xor_pd(_mm256_blendv_pd(cosT, sinT, odd),
                                             _mm256_and_pd(negative, signBit));
        // A cos = v + ve (A_hi cos exactly, A_lo cos rounded), added to the lane sums.
        const __m256d aHi = _mm256_load_pd(b.AHi);
        const __m256d v = _mm256_mul_pd(aHi, cosine);
        const __m256d ve = _mm256_fmadd_pd(_mm256_load_pd(b.ALo), cosine,
                                           _mm256_fmsub_pd(aHi, cosine, v));
        const __m256d sum = _mm256_add_pd(sumHi, v);
        const __m256d sv = _mm256_sub_pd(sum, sumHi);
        const __m256d sumError = _mm256_add_pd(_mm256_sub_pd(sumHi, _mm256_sub_pd(sum, sv)),
                                               _mm256_sub_pd(v, sv));
        sumLo = _mm256_add_pd(sumLo, _mm256_add_pd(sumError, ve));
        sumHi = sum;
    }
    alignas(32) double hi[4], lo[4];
    _mm256_store_pd(hi, sumHi);
    _mm256_store_pd(lo, sumLo);
    Extended total = 0.0L;
    for (int lane = 0; lane < 4; ++lane) total += static_cast<Extended>(hi[lane]);
    for (int lane = 0; lane < 4; ++lane) total += static_cast<Extended>(lo[lane]);
    return total;
}

#endif

// The blocks behind one of TVSOPEarth's own accessors, or nullptr for any other accessor or
// class (a descendant's override, another planet): those go through the accessor term by term.
const vsop87::TSeriesBlocks* EarthBlocks(const TVSOP& planet, TVSOP::TTermAccessor accessor) {
    if (typeid(planet) != typeid(TVSOPEarth)) return nullptr;
    if (accessor == &TVSOP::LongitudeTerm) return vsop87::EarthLongitudeBlocks;
    if (accessor == &TVSOP::LatitudeTerm) return vsop87::EarthLatitudeBlocks;
    if (accessor == &TVSOP::RadiusTerm) return vsop87::EarthRadiusBlocks;
    return nullptr;
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
#if ALMANIX_VSOP_AVX2
    // TVSOPEarth's own tables: the same terms, summed straight from their block layout (each
    // series is a whole table, so the zero term that ends it adds nothing).
    if (const vsop87::TSeriesBlocks* blocks = EarthBlocks(*this, Accessor); blocks && trig::HasAvx2Fma()) {
        const double tauHi = static_cast<double>(tau);
        const double tauLo = static_cast<double>(tau - static_cast<Extended>(tauHi));
        for (std::int32_t p = 0; p < vsop87::PowerCount; ++p)
            s[p] = blocks[p].Count ? SumBlocksAvx2(blocks[p].Blocks, blocks[p].Count, tauHi, tauLo)
                                   : 0.0L;
        return (((((s[5] * tau + s[4]) * tau + s[3]) * tau + s[2]) * tau + s[1]) * tau + s[0]) *
               1e-8L;
    }
#endif
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
