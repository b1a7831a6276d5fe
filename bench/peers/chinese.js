// Times date-chinese on the inputs that bench/chinese_bench.cpp gives our routines:
//   DateToChinese:  97 days evenly spread from 1 January 1900 to 31 December 2100,
//                   fromGregorian(y, m, d) on a fresh CalendarChinese for each day (no cache)
//   ChineseToDate:  the Chinese dates of those days, toGregorian() on a fresh CalendarChinese
// Prints one JSON object: { "<name>": median nanoseconds per call, ... }.
'use strict';

// date-chinese 2.2's CommonJS build requires astronomia's VSOP87 Earth table as an ES module
// namespace ({ default: table }); hand it the table itself.
const tablePath = require.resolve('astronomia/data/vsop87Bearth');
const table = require(tablePath);
if (table.default) require.cache[tablePath].exports = table.default;

const { CalendarChinese } = require('date-chinese');

const DAY_MS = 86400000;

// The same days as SpreadDays() of chinese_bench.cpp, as proleptic Gregorian dates (the
// days are after 1582, so both calendars agree).
function spreadDays() {
  const first = Date.UTC(1900, 0, 1) / DAY_MS;
  const last = Date.UTC(2100, 11, 31) / DAY_MS;
  const count = 97;
  const days = [];
  for (let i = 0; i < count; ++i) {
    const d = new Date((first + Math.floor((last - first) * i / (count - 1))) * DAY_MS);
    days.push({ y: d.getUTCFullYear(), m: d.getUTCMonth() + 1, d: d.getUTCDate() });
  }
  return days;
}

// Median over `repetitions` runs of the mean time per call over all inputs.
function time(inputs, call, repetitions = 5) {
  for (const x of inputs.slice(0, 10)) call(x);  // warm-up
  const runs = [];
  for (let r = 0; r < repetitions; ++r) {
    const t0 = process.hrtime.bigint();
    for (const x of inputs) call(x);
    runs.push(Number(process.hrtime.bigint() - t0) / inputs.length);
  }
  runs.sort((a, b) => a - b);
  return runs[Math.floor(runs.length / 2)];
}

const days = spreadDays();
const chineseDates = days.map((g) => {
  const cal = new CalendarChinese();
  cal.fromGregorian(g.y, g.m, g.d);
  return cal.get();
});

const results = {
  DateToChinese: time(days, (g) => new CalendarChinese().fromGregorian(g.y, g.m, g.d)),
  ChineseToDate: time(chineseDates, (c) => new CalendarChinese(c).toGregorian()),
};
console.log(JSON.stringify(results));
