// Moon phases and lunations: Meeus, Astronomical Algorithms, 2nd ed., ch. 49 (principal
// phases), with the Moon's age from the apparent positions of ch. 25 and 47.
#include "astro/phases.h"

#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/positions.h"
#include "calendar/reformed.h"
#include "rtl/exceptions.h"
#include "rtl/rounding.h"

namespace almanix {

namespace {

constexpr Extended kPhaseSeriesMonth = 29.530588853L;  // mean synodic month of the series
constexpr Extended kSynodicMonth = 29.530589L;         // ages, intermediate phases, counts
constexpr Extended kHalfSynodicMonth = 14.7652945L;
constexpr Extended kLunationsPerCentury = 1236.85L;
constexpr Extended kPhaseEpochJDE = 2451550.09765L;
constexpr TDateTime kScanStep = 28.0;
constexpr Extended kAgeTolerance = 1e-7L;
constexpr Extended kMaxCenturies = 200.0L;  // the mean phases serve 20000 years around 2000

// Bounds of the searches; each is far above what the search needs in practice.
constexpr int kMaxAgeSteps = 100;     // IntermediatePhaseInstant converges in about 15
constexpr int kMaxScanProbes = 100;   // the phase scans need two or three probes
constexpr int kMaxFullMoons = 200;    // blue moons of years 1 to 9999 lie at most 44 apart

// One periodic term of the phase corrections: coefficient (days) x factor x sin(argument),
// the argument being MPrime x mp + M x m + F x f, or Omega where om is 1.
struct PhaseTerm {
    Extended Coefficient;
    int EPower;  // factor 1, E or E x E
    int mp, m, f, om;
};

constexpr PhaseTerm kNewMoonTerms[] = {
    {-0.40720L, 0, 1, 0, 0, 0},  {+0.17241L, 1, 0, 1, 0, 0},  {+0.01608L, 0, 2, 0, 0, 0},
    {+0.01039L, 0, 0, 0, 2, 0},  {+0.00739L, 1, 1, -1, 0, 0}, {-0.00514L, 1, 1, 1, 0, 0},
    {+0.00208L, 2, 0, 2, 0, 0},  {-0.00111L, 0, 1, 0, -2, 0}, {-0.00057L, 0, 1, 0, 2, 0},
    {+0.00056L, 1, 2, 1, 0, 0},  {-0.00042L, 0, 3, 0, 0, 0},  {+0.00042L, 1, 0, 1, 2, 0},
    {+0.00038L, 1, 0, 1, -2, 0}, {-0.00024L, 1, 2, -1, 0, 0}, {-0.00017L, 0, 0, 0, 0, 1},
    {-0.00007L, 0, 1, 2, 0, 0},  {+0.00004L, 0, 2, 0, -2, 0}, {+0.00004L, 0, 0, 3, 0, 0},
    {+0.00003L, 0, 1, 1, -2, 0}, {+0.00003L, 0, 2, 0, 2, 0},  {-0.00003L, 0, 1, 1, 2, 0},
    {+0.00003L, 0, 1, -1, 2, 0}, {-0.00002L, 0, 1, -1, -2, 0}, {-0.00002L, 0, 3, 1, 0, 0},
    {+0.00002L, 0, 4, 0, 0, 0},
};

constexpr PhaseTerm kFullMoonTerms[] = {
    {-0.40614L, 0, 1, 0, 0, 0},  {+0.17302L, 1, 0, 1, 0, 0},  {+0.01614L, 0, 2, 0, 0, 0},
    {+0.01043L, 0, 0, 0, 2, 0},  {+0.00734L, 1, 1, -1, 0, 0}, {-0.00515L, 1, 1, 1, 0, 0},
    {+0.00209L, 2, 0, 2, 0, 0},  {-0.00111L, 0, 1, 0, -2, 0}, {-0.00057L, 0, 1, 0, 2, 0},
    {+0.00056L, 1, 2, 1, 0, 0},  {-0.00042L, 0, 3, 0, 0, 0},  {+0.00042L, 1, 0, 1, 2, 0},
    {+0.00038L, 1, 0, 1, -2, 0}, {-0.00024L, 1, 2, -1, 0, 0}, {-0.00017L, 0, 0, 0, 0, 1},
    {-0.00007L, 0, 1, 2, 0, 0},  {+0.00004L, 0, 2, 0, -2, 0}, {+0.00004L, 0, 0, 3, 0, 0},
    {+0.00003L, 0, 1, 1, -2, 0}, {+0.00003L, 0, 2, 0, 2, 0},  {-0.00003L, 0, 1, 1, 2, 0},
    {+0.00003L, 0, 1, -1, 2, 0}, {-0.00002L, 0, 1, -1, -2, 0}, {-0.00002L, 0, 3, 1, 0, 0},
    {+0.00002L, 0, 4, 0, 0, 0},
};

constexpr PhaseTerm kQuarterTerms[] = {
    {-0.62801L, 0, 1, 0, 0, 0},  {+0.17172L, 1, 0, 1, 0, 0},   {-0.01183L, 1, 1, 1, 0, 0},
    {+0.00862L, 0, 2, 0, 0, 0},  {+0.00804L, 0, 0, 0, 2, 0},   {+0.00454L, 1, 1, -1, 0, 0},
    {+0.00204L, 2, 0, 2, 0, 0},  {-0.00180L, 0, 1, 0, -2, 0},  {-0.00070L, 0, 1, 0, 2, 0},
    {-0.00040L, 0, 3, 0, 0, 0},  {-0.00034L, 1, 2, -1, 0, 0},  {+0.00032L, 1, 0, 1, 2, 0},
    {+0.00032L, 1, 0, 1, -2, 0}, {-0.00028L, 2, 1, 2, 0, 0},   {+0.00027L, 1, 2, 1, 0, 0},
    {-0.00017L, 0, 0, 0, 0, 1},  {-0.00005L, 0, 1, -1, -2, 0}, {+0.00004L, 0, 2, 0, 2, 0},
    {-0.00004L, 0, 1, 1, 2, 0},  {+0.00004L, 0, 1, -2, 0, 0},  {+0.00003L, 0, 1, 1, -2, 0},
    {+0.00003L, 0, 0, 3, 0, 0},  {+0.00002L, 0, 2, 0, -2, 0},  {+0.00002L, 0, 1, -1, 2, 0},
    {-0.00002L, 0, 3, 1, 0, 0},
};

// Planetary argument A = Base + Rate x K - Quadratic x T^2 and its coefficient (days).
struct PlanetaryTerm {
    Extended Base, Rate, Quadratic, Coefficient;
};

constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {299.77L, 0.107408L, 0.009173L, 0.000325L},
    {251.88L, 0.016321L, 0.0L, 0.000165L},
    {251.83L, 26.651886L, 0.0L, 0.000164L},
    {349.42L, 36.412478L, 0.0L, 0.000126L},
    {84.66L, 18.206239L, 0.0L, 0.000110L},
    {141.74L, 53.303771L, 0.0L, 0.000062L},
    {207.14L, 2.453732L, 0.0L, 0.000060L},
    {154.84L, 7.306860L, 0.0L, 0.000056L},
    {34.52L, 27.261239L, 0.0L, 0.000047L},
    {207.19L, 0.121824L, 0.0L, 0.000042L},
    {291.34L, 1.844379L, 0.0L, 0.000040L},
    {161.72L, 24.198154L, 0.0L, 0.000037L},
    {239.56L, 25.513099L, 0.0L, 0.000035L},
    {331.55L, 3.592518L, 0.0L, 0.000023L},
};

// A direction (cos a, sin a); the product of two directions adds their angles.
struct Turn {
    Extended c, s;
};

Turn operator*(Turn a, Turn b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }

Turn TurnOf(Extended degrees) { return {CosDeg(degrees), SinDeg(degrees)}; }

// Integer multiples of the arguments of one lunation, formed by angle addition from one sine
// and cosine each: every argument of the periodic terms is a sum of these multiples. The sine
// of a sum then agrees with SinDeg of the summed argument to a few units in the last place
// of an extended value, far below the resolution of the resulting TDateTime, at a third of
// the cost of one SinDeg per term.
class LunationAngles {
public:
    LunationAngles(Extended M, Extended MPrime, Extended F, Extended Omega)
        : sinOmega_(SinDeg(Omega)) {
        const Turn m = TurnOf(M), mPrime = TurnOf(MPrime);
        m_[2] = {1.0L, 0.0L};
        m_[3] = m;
        m_[4] = m * m;
        m_[5] = m_[4] * m;
        m_[1] = {m.c, -m.s};
        m_[0] = {m_[4].c, -m_[4].s};
        mPrime_[0] = {1.0L, 0.0L};
        mPrime_[1] = mPrime;
        for (int k = 2; k <= 4; ++k) mPrime_[k] = mPrime_[k - 1] * mPrime;
        const Turn twoF = TurnOf(2 * F);
        f_[0] = {twoF.c, -twoF.s};
        f_[1] = {1.0L, 0.0L};
        f_[2] = twoF;
    }

    // Direction of MPrime x mp + M x m + F x f, for mp 0..4, m -2..3, f -2, 0 or 2.
    Turn Of(int mp, int m, int f) const { return mPrime_[mp] * m_[m + 2] * f_[f / 2 + 1]; }

    Extended SinOmega() const { return sinOmega_; }

private:
    Turn mPrime_[5];
    Turn m_[6];
    Turn f_[3];
    Extended sinOmega_;
};

template <std::size_t N>
Extended PeriodicCorrection(const PhaseTerm (&terms)[N], const LunationAngles& angles,
                            Extended E) {
    const Extended factor[3] = {1.0L, E, E * E};
    Extended sum = 0.0L;
    for (const PhaseTerm& t : terms) {
        const Extended sine = t.om != 0 ? angles.SinOmega() : angles.Of(t.mp, t.m, t.f).s;
        sum += t.Coefficient * factor[t.EPower] * sine;
    }
    return sum;
}

Extended PlanetaryCorrection(Extended K, Extended T) {
    Extended sum = 0.0L;
    for (const PlanetaryTerm& p : kPlanetaryTerms)
        sum += p.Coefficient * SinDeg(p.Base + p.Rate * K - p.Quadratic * T * T);
    return sum;
}

[[noreturn]] void RaiseNoDateTime() { throw E_OutOfAlgorithmRange("No TDateTime possible"); }

// The instant is finite and within kMaxCenturies of 2000; returns its Julian centuries from
// 2000. Beyond the limit the T^2 to T^4 terms of the mean phase and of the Moon's mean
// elements move the phases by more than the scans' step of 28 days (7.7 days at the limit,
// 22 days at 300 centuries), and the phases found are no longer the ones next to the instant.
Extended RequireSeriesRange(TDateTime t, const char* what) {
    if (!std::isfinite(t))
        throw E_OutOfAlgorithmRange(std::string(what) + ": instant is not a finite number");
    const Extended T0 = (static_cast<Extended>(t) - ReferenceDate2000) / 36525.0L;
    if (!(std::fabs(T0) <= kMaxCenturies))
        throw E_OutOfAlgorithmRange(std::string(what) + ": instant beyond the range of the phase series");
    return T0;
}

}  // namespace

void MeanPhase(TMoonPhase Phase, TDateTime Instant, Extended& JDE, Extended& K, Extended& M,
               Extended& MPrime, Extended& F, Extended& Omega, Extended& E) {
    const Extended T0 = RequireSeriesRange(Instant, "MeanPhase");
    const auto n = static_cast<std::int32_t>(Round(T0 * kLunationsPerCentury));
    K = n + static_cast<std::int8_t>(Phase) / 8.0L;
    const Extended T = K / kLunationsPerCentury;
    const Extended T2 = T * T;
    JDE = kPhaseEpochJDE + kPhaseSeriesMonth * K +
          T2 * (0.0001337L - 0.00000015L * T + 0.00000000073L * T2);
    M = 2.5534L + 29.10535669L * K - T2 * (0.0000218L + 0.00000011L * T);
    MPrime = 201.5643L + 385.81693528L * K + T2 * (0.1017438L + 0.00001239L * T - 0.000000058L * T2);
    F = 160.7108L + 390.67050274L * K - T2 * (0.0016341L + 0.00000227L * T - 0.000000011L * T2);
    Omega = 124.7746L - 1.5637558L * K + T2 * (0.0020691L + 0.00000215L * T);
    E = 1.0L - 0.002516L * T - 0.0000074L * T2;
}

TDateTime PhaseInstant(TMoonPhase Phase, TDateTime Instant) {
    if (Phase != mpNewMoon && Phase != mpFirstQuarter && Phase != mpFullMoon &&
        Phase != mpLastQuarter)
        throw E_OutOfAlgorithmRange("Invalid TMoonPhase");
    Extended JDE, K, M, MPrime, F, Omega, E;
    MeanPhase(Phase, Instant, JDE, K, M, MPrime, F, Omega, E);
    const Extended T = K / kLunationsPerCentury;

    const LunationAngles angles(M, MPrime, F, Omega);
    Extended C;
    if (Phase == mpNewMoon) {
        C = PeriodicCorrection(kNewMoonTerms, angles, E);
    } else if (Phase == mpFullMoon) {
        C = PeriodicCorrection(kFullMoonTerms, angles, E);
    } else {
        C = PeriodicCorrection(kQuarterTerms, angles, E);
        const Extended W = 0.00306L - 0.00038L * E * angles.Of(0, 1, 0).c +
                           0.00026L * angles.Of(1, 0, 0).c - 0.00002L * angles.Of(1, -1, 0).c +
                           0.00002L * angles.Of(1, 1, 0).c + 0.00002L * angles.Of(0, 0, 2).c;
        C = Phase == mpFirstQuarter ? C + W : C - W;
    }
    const Extended P = PlanetaryCorrection(K, T);
    return JulianDayToDate(JDE + (C + P));
}

Extended MoonAge(TDateTime Instant) {
    TSkyPosition sun, moon;
    SunPosition(Instant, sun);
    MoonPosition(Instant, moon);
    return NormalizeAngle(moon.Longitude - sun.Longitude) / 360.0L * kSynodicMonth;
}

TDateTime IntermediatePhaseInstant(TMoonPhase Phase, TDateTime Instant) {
    const Extended target = static_cast<int>(Phase) * kSynodicMonth / 8.0L;
    TDateTime t = Instant;
    for (int step = 0; step < kMaxAgeSteps; ++step) {
        RequireSeriesRange(t, "IntermediatePhaseInstant");
        Extended d = MoonAge(t) - target;
        if (d > kHalfSynodicMonth) d -= kSynodicMonth;
        t = static_cast<TDateTime>(t - d);
        if (std::fabs(d) < kAgeTolerance) return t;
    }
    throw E_OutOfAlgorithmRange("IntermediatePhaseInstant: the Moon's age did not converge");
}

TDateTime PhaseInstantNear(TMoonPhase Phase, TDateTime Instant) {
    if (Phase > mpWaningCrescent) return 0.0;
    if (Phase % 2 == 0) return PhaseInstant(Phase, Instant);
    return IntermediatePhaseInstant(Phase, Instant);
}

// Both scans probe at least once (the first probe lies 28 days on the far side of Instant),
// so a non-finite Instant reaches MeanPhase and raises there.
TDateTime NextPhaseAfter(TMoonPhase Phase, TDateTime Instant) {
    TDateTime t = Instant - kScanStep;
    for (int probe = 0; probe < kMaxScanProbes; ++probe) {
        const TDateTime r = PhaseInstantNear(Phase, t);
        if (r == 0.0) RaiseNoDateTime();
        if (!(r < Instant)) return r;
        t += kScanStep;
    }
    throw E_OutOfAlgorithmRange("NextPhaseAfter: no phase found after the instant");
}

TDateTime LastPhaseBefore(TMoonPhase Phase, TDateTime Instant) {
    TDateTime t = Instant + kScanStep;
    for (int probe = 0; probe < kMaxScanProbes; ++probe) {
        const TDateTime r = PhaseInstantNear(Phase, t);
        if (r == 0.0) RaiseNoDateTime();
        if (!(r > Instant)) return r;
        t -= kScanStep;
    }
    throw E_OutOfAlgorithmRange("LastPhaseBefore: no phase found before the instant");
}

TDateTime NextBlueMoonWithOffset(TDateTime Instant, Extended Offset) {
    TDateTime t = static_cast<TDateTime>(static_cast<Extended>(Instant) - 1 + Offset);
    for (int fullMoon = 0; fullMoon < kMaxFullMoons; ++fullMoon) {
        t = NextPhaseAfter(mpFullMoon, t + 1);
        std::uint16_t year, m1, d1;
        DecodeReformedDate(static_cast<TDateTime>(t - Offset), year, m1, d1);
        if (d1 > 27) {
            const TDateTime p = LastPhaseBefore(mpFullMoon, t - 5);
            std::uint16_t m2, d2;
            DecodeReformedDate(static_cast<TDateTime>(p - Offset), year, m2, d2);
            if (m1 == m2) return t;
        }
    }
    throw E_OutOfAlgorithmRange("NextBlueMoon: no blue moon within 200 full moons");
}

TDateTime NextBlueMoon(TDateTime Instant) { return NextBlueMoonWithOffset(Instant, 0.0L); }

std::int32_t LunationNumber(TDateTime Instant) {
    const TDateTime newMoon = LastPhaseBefore(mpNewMoon, Instant);
    return static_cast<std::int32_t>(Round((newMoon - ReferenceDate1923) / kSynodicMonth) + 1);
}

}  // namespace almanix
