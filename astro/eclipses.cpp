// Eclipses of the syzygies: Meeus, Astronomical Algorithms, 2nd ed., ch. 54. The corrected
// instant, gamma (least distance of the shadow axis from the centre of the Earth or of the
// Moon, in Earth radii) and u (radius of the umbral cone in the fundamental plane) classify
// the eclipse.
#include "astro/eclipses.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/phases.h"
#include "calendar/reformed.h"
#include "rtl/exceptions.h"

namespace almanix {

namespace {

constexpr Extended kLunationsPerCentury = 1236.85L;
constexpr TDateTime kScanStep = 28.0;
constexpr int kMaxProbes = 100;  // a full moon needs two probes, a new moon three

TEclipseKind SolarKind(Extended gamma, Extended u) {
    const Extended g = std::fabs(gamma);
    if (g < 0.9972L) {
        if (u < 0) return ekTotal;
        if (u > 0.0047L) return ekCircular;
        return u < 0.00464L * std::sqrt(1 - gamma * gamma) ? ekCircularTotal : ekCircular;
    }
    if (1.5433L + u < g) return ekNone;
    return g >= 0.9972L + std::fabs(u) ? ekPartial : ekNonCentral;
}

// An umbral eclipse of the Moon, partial or total, counts as ekTotal.
TEclipseKind LunarKind(Extended gamma, Extended u) {
    const Extended g = std::fabs(gamma);
    if ((1.0128L - u - g) / 0.545L > 0) return ekTotal;
    if ((1.5573L + u - g) / 0.545L > 0) return ekHalfShadow;
    return ekNone;
}

}  // namespace

const char* EclipseKindText(TEclipseKind Kind) {
    static const char* const kTexts[] = {" (None)",   " (Partial)",         " (Non Central)",
                                         " (Circular)", " (Circular Total)", " (Total)",
                                         " (Half Shadow)"};
    return Kind <= ekHalfShadow ? kTexts[Kind] : "";
}

TEclipseKind SyzygyEclipse(TDateTime& Instant, bool Solar) {
    Extended JDE, K, M, MPrime, F, Omega, E;
    MeanPhase(Solar ? mpNewMoon : mpFullMoon, Instant, JDE, K, M, MPrime, F, Omega, E);
    const Extended T = K / kLunationsPerCentury;
    if (std::fabs(SinDeg(F)) > 0.36L) {
        Instant = JulianDayToDate(JDE);
        return ekNone;
    }

    const Extended F1 = F - 0.02665L * SinDeg(Omega);
    const Extended A1 = 299.77L + 0.107408L * K - 0.009173L * T * T;

    // Sines and cosines that the instant, P, Q and u share, each evaluated once.
    const Extended sinM = SinDeg(M), cosM = CosDeg(M);
    const Extended sinMPrime = SinDeg(MPrime), cosMPrime = CosDeg(MPrime);
    const Extended sin2M = SinDeg(2 * M), sin2MPrime = SinDeg(2 * MPrime);
    const Extended sinSum = SinDeg(MPrime + M), sinDifference = SinDeg(MPrime - M);
    const Extended sin2F1 = SinDeg(2 * F1);

    // The corrected instant: the terms in the book's order.
    if (Solar)
        JDE = JDE - 0.4075L * sinMPrime + 0.1721L * E * sinM;
    else
        JDE = JDE - 0.4065L * sinMPrime + 0.1727L * E * sinM;
    JDE += 0.0161L * sin2MPrime;
    JDE += -0.0097L * sin2F1;
    JDE += 0.0073L * E * sinDifference;
    JDE += -0.0050L * E * sinSum;
    JDE += -0.0023L * SinDeg(MPrime - 2 * F1);
    JDE += 0.0021L * E * sin2M;
    JDE += 0.0012L * SinDeg(MPrime + 2 * F1);
    JDE += 0.0006L * E * SinDeg(2 * MPrime + M);
    JDE += -0.0004L * SinDeg(3 * MPrime);
    JDE += -0.0003L * E * SinDeg(M + 2 * F1);
    JDE += 0.0003L * SinDeg(A1);
    JDE += -0.0002L * E * SinDeg(M - 2 * F1);
    JDE += -0.0002L * E * SinDeg(2 * MPrime - M);
    JDE += -0.0002L * SinDeg(Omega);

    const Extended P = 0.2070L * E * sinM + 0.0024L * E * sin2M - 0.0392L * sinMPrime +
                       0.0116L * sin2MPrime - 0.0073L * E * sinSum + 0.0067L * E * sinDifference +
                       0.0118L * sin2F1;
    const Extended cosSum = CosDeg(MPrime + M);  // also cos(M + M') of u
    const Extended Q = 5.2207L - 0.0048L * E * cosM + 0.0020L * E * CosDeg(2 * M) -
                       0.3299L * cosMPrime - 0.0060L * E * cosSum +
                       0.0041L * E * CosDeg(MPrime - M);
    const Extended cosF1 = CosDeg(F1);
    const Extended W = 1 - 0.0048L * std::fabs(cosF1);
    const Extended gamma = (P * cosF1 + Q * SinDeg(F1)) * W;
    const Extended u = 0.0059L + 0.0046L * E * cosM - 0.0182L * cosMPrime +
                       0.0004L * CosDeg(2 * MPrime) - 0.0005L * cosSum;

    Instant = JulianDayToDate(JDE);
    return Solar ? SolarKind(gamma, u) : LunarKind(gamma, u);
}

TEclipseKind NextSyzygyEclipse(TDateTime& Instant, bool Solar) {
    TDateTime probe = Instant - 2 * kScanStep;
    for (int n = 0; n < kMaxProbes; ++n) {
        probe += kScanStep;
        TDateTime found = probe;
        const TEclipseKind kind = SyzygyEclipse(found, Solar);
        if (!(found < Instant)) {
            Instant = found;
            return kind;
        }
    }
    throw E_OutOfAlgorithmRange("NextSyzygyEclipse: no syzygy found after the instant");
}

}  // namespace almanix
