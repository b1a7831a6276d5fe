// Fuzz target for the astronomy entry points over the whole representable range of their
// arguments: SolarTermInstant, NextPhaseAfter, NextSyzygyEclipse, NextBlueMoon and MoonAge.
// One entry point per input keeps each input cheap.
//
// Contract: a result is finite and near its request (the next phase within a lunation, a term
// in its own year, an age within a synodic month); every failure is one of the documented
// exceptions: EConvertError for years and dates the calendar cannot hold,
// E_OutOfAlgorithmRange for instants beyond the theories, EInvalidOp for NaN and infinity
// reaching a floating-point conversion.
#include <cmath>
#include <string>

#include "astro/eclipses.h"
#include "astro/phases.h"
#include "astro/solar_terms.h"
#include "rtl/datetime.h"
#include "tests/fuzz/fuzz_input.h"

using namespace almanix;
using namespace almanix::fuzz;

namespace {

constexpr double kLunation = 29.530589;
// The longest interval between two equal phases is under 29.9 days; a day more for the scans.
constexpr double kNextPhaseLimit = 31.0;

// An instant mostly within a few thousand years of 2000, sometimes anywhere.
TDateTime Instant(FuzzInput& in) {
    return in.Byte() % 3 ? in.DateTime() : static_cast<double>(in.I32() % 1500000) + in.U16() / 65536.0;
}

void SolarTerm(FuzzInput& in) {
    const int year = in.Year();
    const std::uint8_t index = in.Byte() % 24;
    const std::string call = "SolarTermInstant(" + std::to_string(year) + ", " + std::to_string(index) + ")";
    TDateTime t;
    try {
        t = SolarTermInstant(year, index);
    } catch (const EConvertError& e) {
        CheckMessage(e, {"Invalid argument to date encode"}, call);
        const int base = index > 18 ? year - 1 : year;
        Check(base < 1 || base > 9999, call + " refused a year of the calendar");
        return;
    } catch (const E_OutOfAlgorithmRange& e) {
        CheckMessage(e, {"SolarTermInstant: no convergence*"}, call);
        return;
    }
    Check(std::isfinite(t), call + " is not finite");
    std::uint16_t y, m, d;
    DecodeDate(t, y, m, d);
    Check(y == year, call + " = " + Show(t) + " falls in year " + std::to_string(y));
    if (index > 18) Check(m <= 3, call + " = " + Show(t) + " is not in January to March");
}

void NextPhase(FuzzInput& in) {
    const auto phase = static_cast<TMoonPhase>(in.Byte() % 2 ? in.Byte() % 8 : in.Byte());
    const TDateTime v = Instant(in);
    const std::string call = "NextPhaseAfter(" + std::to_string(phase) + ", " + Show(v) + ")";
    TDateTime r;
    try {
        r = NextPhaseAfter(phase, v);
    } catch (const E_OutOfAlgorithmRange& e) {
        if (phase > 7) CheckMessage(e, {"No TDateTime possible"}, call);
        return;
    } catch (const EInvalidOp&) {
        return;
    }
    Check(phase <= 7, call + " found a phase above 7");
    Check(std::isfinite(r) && r >= v && r - v < kNextPhaseLimit, call + " = " + Show(r));
}

void Eclipse(FuzzInput& in) {
    const bool solar = in.Bool();
    const TDateTime v = Instant(in);
    TDateTime r = v;
    const std::string call = std::string("NextSyzygyEclipse(") + Show(v) + (solar ? ", solar)" : ", lunar)");
    TEclipseKind kind;
    try {
        kind = NextSyzygyEclipse(r, solar);
    } catch (const E_OutOfAlgorithmRange&) {
        return;
    } catch (const EInvalidOp&) {
        return;
    }
    Check(std::isfinite(r) && r >= v && r - v < kNextPhaseLimit, call + " = " + Show(r));
    Check(kind <= ekHalfShadow, call + ": kind " + std::to_string(kind));
    if (solar) Check(kind != ekHalfShadow, call + ": a penumbral solar eclipse");
    else Check(kind == ekNone || kind == ekTotal || kind == ekPartial || kind == ekHalfShadow, call + ": kind " + std::to_string(kind));
}

void BlueMoon(FuzzInput& in) {
    const TDateTime v = Instant(in);
    const std::string call = "NextBlueMoon(" + Show(v) + ")";
    TDateTime r;
    try {
        r = NextBlueMoon(v);
    } catch (const EConvertError& e) {
        CheckMessage(e, {"Negative julian dates not supported"}, call);
        return;
    } catch (const E_OutOfAlgorithmRange&) {
        return;
    } catch (const EInvalidOp&) {
        return;
    }
    // Blue moons of the years 1 to 9999 lie at most 44 full moons apart.
    Check(std::isfinite(r) && r >= v && r - v < 45 * kLunation, call + " = " + Show(r));
}

void Age(FuzzInput& in) {
    const TDateTime v = Instant(in);
    Extended age;
    try {
        age = MoonAge(v);
    } catch (const E_OutOfAlgorithmRange&) {
        return;
    } catch (const EInvalidOp&) {
        return;
    }
    Check(age >= 0 && age < kLunation, "MoonAge(" + Show(v) + ") = " + Show(static_cast<double>(age)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    try {
        switch (in.Byte() % 5) {
            case 0: SolarTerm(in); break;
            case 1: NextPhase(in); break;
            case 2: Eclipse(in); break;
            case 3: BlueMoon(in); break;
            default: Age(in); break;
        }
    } catch (const Exception& e) {
        Fail(std::string("undocumented exception: ") + e.what());
    }
    return 0;
}
