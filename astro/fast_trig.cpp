// Trigonometric kernels of the astronomy routines. See fast_trig.h.
#include "astro/fast_trig.h"


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

}  // namespace almanix::trig
