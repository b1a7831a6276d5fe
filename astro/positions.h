// Apparent geocentric positions of the Sun (VSOP87D Earth series) and of the Moon (ELP-2000/82
// truncated to 60 + 60 periodic terms), corrected for nutation in longitude with the first
// 31 terms of the IAU 1980 nutation series.
//
// Time scale: every instant is a TDateTime used unchanged as dynamical time (no delta-T, no
// time zone); T = (JD - 2451545) / 36525 Julian centuries, JD = DateToJulianDay(instant).
// References: Meeus, Astronomical Algorithms, 2nd ed., ch. 22 (nutation), 25 (Sun),
// 47 (Moon).
#pragma once

#include "rtl/types.h"

namespace almanix {

// Apparent geocentric position of the Sun or the Moon.
struct TSkyPosition {
    Extended Longitude;       // ecliptic longitude, true equinox of date, degrees in [0, 360)
    Extended Latitude;        // ecliptic latitude, degrees
    Extended Distance;        // between the centres of the Earth and the body, kilometres
    Extended RightAscension;  // degrees in (-90, 270), as ArcTan2Deg yields it
    Extended Declination;     // degrees in (-90, 90)
};

// Nutation in longitude DeltaPsi and true obliquity of the ecliptic Epsilon, both in degrees,
// at Instant. Meeus ch. 22 with the first 31 rows of table 22.A; at TDateTime 31877.0
// DeltaPsi = -3.7909" and Epsilon = 23.4435692 degrees.
void NutationAndObliquity(TDateTime Instant, Extended& DeltaPsi, Extended& Epsilon);

// Adds the nutation in longitude to Pos.Longitude (reduced into [0, 360)) and fills
// RightAscension and Declination from that longitude and Pos.Latitude (Meeus 13.3, 13.4).
void CompletePosition(TSkyPosition& Pos, TDateTime Instant);

// The Sun's apparent position at Instant: VSOP87D Earth, FK5, aberration 20.4898" / R,
// nutation. Distance uses 149597869 km per AU. Meeus example 25.b.
void SunPosition(TDateTime Instant, TSkyPosition& Pos);

// The Moon's apparent position at Instant: Meeus ch. 47 (tables 47.A and 47.B), nutation.
// Meeus example 47.a.
void MoonPosition(TDateTime Instant, TSkyPosition& Pos);

}  // namespace almanix
