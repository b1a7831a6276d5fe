// Trigonometric kernels of the astronomy routines. See fast_trig.h.
#include "astro/fast_trig.h"

#include "astro/angles.h"

#if ALMANIX_X87_KERNELS && defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define ALMANIX_AVX2_DEGREES 1
#else
#define ALMANIX_AVX2_DEGREES 0
#endif

namespace almanix::trig {

#if ALMANIX_X87_KERNELS

namespace {

// Adding and subtracting 1.5 * 2^52 rounds a double below 2^51 to an integer.
constexpr double RoundMagicDouble = 0x1.8p52;

// pi/2 in two doubles: Hi has 33 bits (Hi * j exact for |j| <= 2).
constexpr double PiHalfHiDouble = 0x1921fb544p-32;
constexpr double PiHalfLoDouble = 0x10b4611a626331p-86;
constexpr double TwoOverPiDouble = 0x145f306dc9c883p-53;

// Four doubles: one AVX register, two SSE2 registers, or four scalars, as the target allows.
typedef double Double4 __attribute__((vector_size(32)));

// cos(r) lane by lane for |r| <= pi + a little, in double precision: r = j pi/2 + t with
// |t| <= pi/4, then cos r = cos t, -sin t, -cos t, sin t for j = 0, 1, 2 (or -2), -1.
#if defined(__x86_64__) && defined(__linux__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void CosineOfReducedImpl(const double* r, double* out, int count) {
    const auto cosine4 = [](const double* in, double* result) {
        Double4 x;
        __builtin_memcpy(&x, in, sizeof x);
        const Double4 jf = (x * TwoOverPiDouble + RoundMagicDouble) - RoundMagicDouble;
        const Double4 t = (x - jf * PiHalfHiDouble) - jf * PiHalfLoDouble;
        const Double4 t2 = t * t;
        const Double4 sinT =
            t + t * (t2 * (-0.166666666666666666666666666667 +
                    t2 * (0.00833333333333333333333333333333 +
                    t2 * (-0.000198412698412698412698412698413 +
                    t2 * (0.00000275573192239858906525573192240 +
                    t2 * (-2.50521083854417187750521083854E-8 +
                    t2 * (1.60590438368216145993923771702E-10 +
                    t2 * (-7.64716373181981647590113198579E-13 +
                    t2 * 2.81145725434552076319894558301E-15))))))));
        const Double4 cosT =
            (1.0 - 0.5 * t2) +
            t2 * t2 * (0.0416666666666666666666666666667 +
                       t2 * (-0.00138888888888888888888888888889 +
                       t2 * (0.0000248015873015873015873015873016 +
                       t2 * (-2.75573192239858906525573192240E-7 +
                       t2 * (2.08767569878680989792100903212E-9 +
                       t2 * (-1.14707455977297247138516979787E-11 +
                       t2 * (4.77947733238738529743820749112E-14 +
                       t2 * -1.56192069685862264622163643501E-16)))))));
        const Double4 j2 = jf * jf;
        const Double4 v = j2 == 1.0 ? sinT : cosT;             // odd j takes the sine
        const Double4 y = (jf == 1.0 || j2 == 4.0) ? -v : v;  // j = 1, 2, -2 negate
        __builtin_memcpy(result, &y, sizeof y);
    };
    int i = 0;
    for (; i + 4 <= count; i += 4) cosine4(r + i, out + i);
    if (i < count) {
        double in[4] = {0.0, 0.0, 0.0, 0.0};
        double result[4];
        for (int j = 0; i + j < count; ++j) in[j] = r[i + j];
        cosine4(in, result);
        for (int j = 0; i + j < count; ++j) out[i + j] = result[j];
    }
}

}  // namespace

void CosineOfReduced(const double* r, double* out, int count) {
    CosineOfReducedImpl(r, out, count);
}

#else  // long double is not the x87 format: the C library throughout

void CosineOfReduced(const double* r, double* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = std::cos(r[i]);
}

#endif

namespace {

// SinCosDegrees one angle at a time through SinCosDeg.
void SinCosDegreesScalar(const Extended* x, int count, double* sinHi, double* sinLo,
                         double* cosHi, double* cosLo) {
    for (int i = 0; i < count; ++i) {
        Extended s, c;
        SinCosDeg(x[i], s, c);
        sinHi[i] = static_cast<double>(s);
        sinLo[i] = static_cast<double>(s - static_cast<Extended>(sinHi[i]));
        cosHi[i] = static_cast<double>(c);
        cosLo[i] = static_cast<double>(c - static_cast<Extended>(cosHi[i]));
    }
}

#if ALMANIX_AVX2_DEGREES

// Arguments up to this size in degrees go through the vectorised kernel: the multiple k of
// 5.625 degrees and k mod 64 stay exact in doubles, far below the limits of NormalizeAngle.
constexpr Extended VectorDegreeLimit = 0x1p40L;

// sin(j * 5.625 degrees), j = 0..63, as double pairs (the extended table split exactly).
struct SineTableDD {
    double hi[64], lo[64];
};

constexpr SineTableDD MakeSineTableDD() {
    SineTableDD t{};
    for (int j = 0; j < 64; ++j) {
        t.hi[j] = static_cast<double>(detail::Sines.v[j]);
        t.lo[j] = static_cast<double>(detail::Sines.v[j] - static_cast<Extended>(t.hi[j]));
    }
    return t;
}

alignas(32) constexpr SineTableDD SinesDD = MakeSineTableDD();

// a + b = s + e exactly (two-sum), lane by lane.
__attribute__((target("avx2,fma"))) inline __m256d TwoSum(__m256d a, __m256d b, __m256d& e) {
    const __m256d s = _mm256_add_pd(a, b);
    const __m256d bv = _mm256_sub_pd(s, a);
    e = _mm256_add_pd(_mm256_sub_pd(a, _mm256_sub_pd(s, bv)), _mm256_sub_pd(b, bv));
    return s;
}

// Four angles: x = xHi + xLo degrees exactly. x = k 5.625 + t (exact, |t| <= 2.8125 + a
// little); t in radians as a double pair; sin t and 1 - cos t by their Taylor series (the
// leading terms in double pairs, the rest in doubles, below 1e-21 relative); then
// sin x = S (1 - u) + C sin t and cos x = C (1 - u) - S sin t with S, C = sin, cos(k 5.625).
__attribute__((target("avx2,fma"))) void SinCosDegrees4(const double* xHiIn, const double* xLoIn,
                                                         double* sinHi, double* sinLo,
                                                         double* cosHi, double* cosLo) {
    const __m256d xHi = _mm256_loadu_pd(xHiIn);
    const __m256d xLo = _mm256_loadu_pd(xLoIn);
    const __m256d k = _mm256_round_pd(_mm256_mul_pd(xHi, _mm256_set1_pd(1.0 / 5.625)),
                                      _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
    __m256d tdLo;
    const __m256d tdHi = TwoSum(_mm256_fnmadd_pd(k, _mm256_set1_pd(5.625), xHi), xLo, tdLo);
    // t radians = (tdHi + tdLo) (pi/180), pi/180 as a double pair.
    const __m256d radHi = _mm256_set1_pd(0x1.1df46a2529d39p-6);
    const __m256d radLo = _mm256_set1_pd(0x1.5c1d8becdd291p-62);
    const __m256d t = _mm256_mul_pd(tdHi, radHi);
    const __m256d tLo = _mm256_fmadd_pd(
        tdLo, radHi, _mm256_fmadd_pd(tdHi, radLo, _mm256_fmsub_pd(tdHi, radHi, t)));
    const __m256d t2 = _mm256_mul_pd(t, t);
    // sin t = t + sLo; 1 - cos t = uHi + uLo.
    __m256d sp = _mm256_set1_pd(-2.50521083854417187750521083854E-8);
    sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(0.00000275573192239858906525573192240));
    sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(-0.000198412698412698412698412698413));
    sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(0.00833333333333333333333333333333));
    sp = _mm256_fmadd_pd(sp, t2, _mm256_set1_pd(-0.166666666666666666666666666667));
    const __m256d sLo = _mm256_fmadd_pd(_mm256_mul_pd(t, t2), sp, tLo);
    __m256d cp = _mm256_set1_pd(2.08767569878680989792100903212E-9);
    cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(-2.75573192239858906525573192240E-7));
    cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(0.0000248015873015873015873015873016));
    cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(-0.00138888888888888888888888888889));
    cp = _mm256_fmadd_pd(cp, t2, _mm256_set1_pd(0.0416666666666666666666666666667));
    const __m256d half = _mm256_set1_pd(0.5);
    const __m256d uHi = _mm256_mul_pd(half, t2);  // exact
    const __m256d t2Err = _mm256_fmadd_pd(_mm256_add_pd(t, t), tLo, _mm256_fmsub_pd(t, t, t2));
    const __m256d uLo = _mm256_fmsub_pd(half, t2Err, _mm256_mul_pd(_mm256_mul_pd(t2, t2), cp));
    // S and C of the multiple k mod 64.
    const __m256d kMod = _mm256_fnmadd_pd(
        _mm256_set1_pd(64.0),
        _mm256_floor_pd(_mm256_mul_pd(k, _mm256_set1_pd(1.0 / 64.0))), k);
    const __m128i j = _mm256_cvtpd_epi32(kMod);
    const __m128i jc = _mm_and_si128(_mm_add_epi32(j, _mm_set1_epi32(16)), _mm_set1_epi32(63));
    const __m256d zero = _mm256_setzero_pd();
    const __m256d all = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
    const __m256d SHi = _mm256_mask_i32gather_pd(zero, SinesDD.hi, j, all, 8);
    const __m256d SLo = _mm256_mask_i32gather_pd(zero, SinesDD.lo, j, all, 8);
    const __m256d CHi = _mm256_mask_i32gather_pd(zero, SinesDD.hi, jc, all, 8);
    const __m256d CLo = _mm256_mask_i32gather_pd(zero, SinesDD.lo, jc, all, 8);
    // a (1 - u) + b sin t with a, b = S, C for the sine and C, -S for the cosine.
    const auto combine = [&](__m256d aHi, __m256d aLo, __m256d bHi, __m256d bLo,
                             double* outHi, double* outLo) __attribute__((target("avx2,fma"))) {
        const __m256d au = _mm256_mul_pd(aHi, uHi);  // a u, exact with its error term
        const __m256d auErr = _mm256_fmsub_pd(aHi, uHi, au);
        const __m256d bt = _mm256_mul_pd(bHi, t);    // b t, exact with its error term
        const __m256d btErr = _mm256_fmsub_pd(bHi, t, bt);
        __m256d e1, e2;
        const __m256d s1 = TwoSum(aHi, bt, e1);
        const __m256d s2 = TwoSum(s1, _mm256_sub_pd(_mm256_setzero_pd(), au), e2);
        // Small terms: a_lo (1 - u), b_lo sin t, b_hi sLo, a_hi uLo, and the errors.
        __m256d small = _mm256_add_pd(e1, e2);
        small = _mm256_add_pd(small, _mm256_sub_pd(btErr, auErr));
        small = _mm256_add_pd(small, _mm256_fnmadd_pd(aLo, uHi, aLo));
        small = _mm256_fmadd_pd(bLo, t, small);
        small = _mm256_fmadd_pd(bHi, sLo, small);
        small = _mm256_fnmadd_pd(aHi, uLo, small);
        const __m256d hi = _mm256_add_pd(s2, small);
        _mm256_storeu_pd(outHi, hi);
        _mm256_storeu_pd(outLo, _mm256_sub_pd(small, _mm256_sub_pd(hi, s2)));
    };
    combine(SHi, SLo, CHi, CLo, sinHi, sinLo);
    const __m256d minus = _mm256_set1_pd(-0.0);
    combine(CHi, CLo, _mm256_xor_pd(SHi, minus), _mm256_xor_pd(SLo, minus), cosHi, cosLo);
}

#endif

}  // namespace

bool HasAvx2Fma() {
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool supported = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return supported;
#else
    return false;
#endif
}

void SinCosDegrees(const Extended* x, int count, double* sinHi, double* sinLo, double* cosHi,
                   double* cosLo) {
#if ALMANIX_AVX2_DEGREES
    bool inRange = HasAvx2Fma();
    for (int i = 0; i < count && inRange; ++i)
        inRange = x[i] < VectorDegreeLimit && x[i] > -VectorDegreeLimit;  // false for NaN
    if (inRange) {
        for (int i = 0; i < count; i += 4) {
            const int n = count - i < 4 ? count - i : 4;
            double xHi[4] = {0.0, 0.0, 0.0, 0.0}, xLo[4] = {0.0, 0.0, 0.0, 0.0};
            for (int j = 0; j < n; ++j) {
                xHi[j] = static_cast<double>(x[i + j]);
                xLo[j] = static_cast<double>(x[i + j] - static_cast<Extended>(xHi[j]));
            }
            double sh[4], sl[4], ch[4], cl[4];
            SinCosDegrees4(xHi, xLo, sh, sl, ch, cl);
            for (int j = 0; j < n; ++j) {
                sinHi[i + j] = sh[j];
                sinLo[i + j] = sl[j];
                cosHi[i + j] = ch[j];
                cosLo[i + j] = cl[j];
            }
        }
        return;
    }
#endif
    SinCosDegreesScalar(x, count, sinHi, sinLo, cosHi, cosLo);
}

}  // namespace almanix::trig
