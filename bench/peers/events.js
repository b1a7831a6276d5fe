// Times astronomy-engine on the inputs that bench/events_bench.cpp gives our routines:
//   solar terms:  years 1950..2049, every term k (SearchSunLongitude(15 k, guess - 5 d, 10 d),
//                 the guess being ours: 1 January + k x 365.24219 / 24 + 80 days)
//   new moons:    1 January 2000 + i x 1.37 days, i = 0..999 (SearchMoonPhase(0, t, 40 d))
// Prints one JSON object: { "<name>": median nanoseconds per call, ... }.
'use strict';
const Astronomy = require('astronomy-engine');

const DAY_MS = 86400000;
const TDATETIME_UNIX_EPOCH = 25569;  // TDateTime of 1 January 1970

function tDateTimeToDate(t) { return new Date((t - TDATETIME_UNIX_EPOCH) * DAY_MS); }

function solarTermCases() {
  const cases = [];
  for (let y = 1950; y < 2050; ++y) {
    for (let k = 0; k < 24; ++k) {
      const g = k * (365.24219 / 24) + 80;
      const baseYear = g > 365 ? y - 1 : y;
      const start = new Date(Date.UTC(baseYear, 0, 1) + (g - 5) * DAY_MS);
      cases.push({ lon: 15 * k, start });
    }
  }
  return cases;
}

function nextPhaseInstants() {
  const out = [];
  for (let i = 0; i < 1000; ++i) out.push(tDateTimeToDate(36526 + i * 1.37));
  return out;
}

// Median over `repetitions` runs of the mean time per call over all inputs.
function time(inputs, call, repetitions = 5) {
  for (const x of inputs.slice(0, 50)) call(x);  // warm-up
  const runs = [];
  for (let r = 0; r < repetitions; ++r) {
    const t0 = process.hrtime.bigint();
    for (const x of inputs) {
      if (call(x) === null) throw new Error('astronomy-engine found nothing');
    }
    runs.push(Number(process.hrtime.bigint() - t0) / inputs.length);
  }
  runs.sort((a, b) => a - b);
  return runs[Math.floor(runs.length / 2)];
}

const results = {
  SolarTermInstant: time(solarTermCases(), (c) => Astronomy.SearchSunLongitude(c.lon, c.start, 10)),
  NextPhaseAfter_NewMoon: time(nextPhaseInstants(), (t) => Astronomy.SearchMoonPhase(0, t, 40)),
};
console.log(JSON.stringify(results));
