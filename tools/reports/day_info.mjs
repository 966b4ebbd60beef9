// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the monthly information files NalvoInfo<month><year>.dat read by the forecast and by
// the note of the day, from Astronomy Engine (npm astronomy-engine@2.1.19, MIT):
//   node tools/reports/day_info.mjs OUTDIR FIRST_YEAR LAST_YEAR
// For each day that has them, in Universal Time: the Moon's phases, solar and lunar eclipses with
// their kind, conjunctions of two planets (Mercury to Neptune) closer than 2 degrees, oppositions,
// greatest elongations of Mercury and Venus, equinoxes and solstices, the Earth's perihelion and
// aphelion. Layout: a heading ended by "*", then one record per day, "<day> <text>*", on its own
// lines. Windows-1252 (the degree sign is byte 0xB0).
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const A = require('astronomy-engine');

const [outDir, firstYear, lastYear] = [process.argv[2], Number(process.argv[3]), Number(process.argv[4])];
if (!outDir || !(firstYear <= lastYear)) {
  console.error('usage: node day_info.mjs OUTDIR FIRST_YEAR LAST_YEAR');
  process.exit(2);
}
const months = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August', 'September',
  'October', 'November', 'December'];
const begin = A.MakeTime(new Date(Date.UTC(firstYear, 0, 1)));
const end = A.MakeTime(new Date(Date.UTC(lastYear + 1, 0, 1)));

// Events: { time (AstroTime), text }.
const events = [];
const hm = (t) => t.date.toISOString().substring(11, 16);
// The instant is rounded to the minute once; both the day of the record and the time in the
// text (`textAt` of the rounded instant) come from it, so that 23:59:40 is 00:00 of the next day.
const add = (t, textAt) => {
  const rounded = A.MakeTime(new Date(Math.round(t.date.getTime() / 60000) * 60000));
  if (rounded.ut >= begin.ut && rounded.ut < end.ut) events.push({ time: rounded, text: textAt(hm(rounded)) });
};

const quarterNames = ['New Moon', 'First quarter of the Moon', 'Full Moon', 'Last quarter of the Moon'];
for (let q = A.SearchMoonQuarter(begin.AddDays(-1)); q.time.ut < end.ut; q = A.NextMoonQuarter(q))
  add(q.time, (at) => `${quarterNames[q.quarter]} at ${at} UT.`);

for (let e = A.SearchLunarEclipse(begin.AddDays(-1)); e.peak.ut < end.ut; e = A.NextLunarEclipse(e.peak)) {
  const kind = e.kind.charAt(0).toUpperCase() + e.kind.slice(1);
  add(e.peak, (at) => `${kind} eclipse of the Moon, greatest at ${at} UT.`);
}
for (let e = A.SearchGlobalSolarEclipse(begin.AddDays(-1)); e.peak.ut < end.ut; e = A.NextGlobalSolarEclipse(e.peak)) {
  const kind = e.kind.charAt(0).toUpperCase() + e.kind.slice(1);
  add(e.peak, (at) => `${kind} eclipse of the Sun, greatest at ${at} UT.`);
}

// Conjunctions of two planets: minima of their geocentric separation below 2 degrees, found on a
// daily grid and refined by golden-section search to a few seconds.
const planets = ['Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune'];
const separation = (a, b, t) => A.AngleBetween(A.GeoVector(A.Body[a], t, false), A.GeoVector(A.Body[b], t, false));
for (let i = 0; i < planets.length; ++i)
  for (let j = i + 1; j < planets.length; ++j) {
    const a = planets[i], b = planets[j];
    const first = begin.AddDays(-2);
    const n = Math.ceil(end.ut - first.ut) + 2;
    let s0 = separation(a, b, first), s1 = separation(a, b, first.AddDays(1));
    for (let k = 2; k <= n; ++k) {
      const s2 = separation(a, b, first.AddDays(k));
      if (s1 < s0 && s1 <= s2 && s1 < 2.5) {
        let lo = first.ut + k - 2, hi = first.ut + k;
        const g = (Math.sqrt(5) - 1) / 2;
        while (hi - lo > 1e-4) {
          const m1 = hi - g * (hi - lo), m2 = lo + g * (hi - lo);
          if (separation(a, b, A.MakeTime(m1)) < separation(a, b, A.MakeTime(m2))) hi = m2; else lo = m1;
        }
        const t = A.MakeTime((lo + hi) / 2);
        const s = separation(a, b, t);
        if (s < 2) add(t, (at) => `${a} and ${b} in conjunction, ${s.toFixed(1)}\u00B0 apart at ${at} UT.`);
      }
      s0 = s1;
      s1 = s2;
    }
  }

// Oppositions of the planets beyond the Earth (relative longitude 0).
for (const p of ['Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune'])
  for (let t = A.SearchRelativeLongitude(A.Body[p], 0, begin.AddDays(-1)); t.ut < end.ut;
    t = A.SearchRelativeLongitude(A.Body[p], 0, t.AddDays(10)))
    add(t, (at) => `${p} at opposition at ${at} UT.`);

for (const p of ['Mercury', 'Venus'])
  for (let e = A.SearchMaxElongation(A.Body[p], begin.AddDays(-1)); e.time.ut < end.ut;
    e = A.SearchMaxElongation(A.Body[p], e.time.AddDays(10))) {
    const side = e.visibility === 'evening' ? 'eastern' : 'western';
    add(e.time, (at) => `${p} at greatest ${side} elongation, ${e.elongation.toFixed(1)}\u00B0 from the Sun `
      + `(${e.visibility} sky), at ${at} UT.`);
  }

for (let y = firstYear; y <= lastYear; ++y) {
  const s = A.Seasons(y);
  add(s.mar_equinox, (at) => `March equinox at ${at} UT.`);
  add(s.jun_solstice, (at) => `June solstice at ${at} UT.`);
  add(s.sep_equinox, (at) => `September equinox at ${at} UT.`);
  add(s.dec_solstice, (at) => `December solstice at ${at} UT.`);
}

for (let a = A.SearchPlanetApsis(A.Body.Earth, begin.AddDays(-1)); a.time.ut < end.ut; a = A.NextPlanetApsis(A.Body.Earth, a))
  add(a.time, (at) => `The Earth at ${a.kind === 0 ? 'perihelion' : 'aphelion'}, ${a.dist_au.toFixed(5)} AU from the Sun, `
    + `at ${at} UT.`);

events.sort((x, y) => x.time.ut - y.time.ut);
fs.mkdirSync(outDir, { recursive: true });
let files = 0, records = 0;
for (let y = firstYear; y <= lastYear; ++y)
  for (let m = 1; m <= 12; ++m) {
    const byDay = new Map();
    for (const e of events) {
      const d = e.time.date;
      if (d.getUTCFullYear() !== y || d.getUTCMonth() + 1 !== m) continue;
      const day = d.getUTCDate();
      if (!byDay.has(day)) byDay.set(day, []);
      byDay.get(day).push(e.text);
    }
    let text = `Astronomical events of ${months[m - 1]} ${y} (times in UT)*\n`;
    for (const [day, texts] of [...byDay.entries()].sort((p, q) => p[0] - q[0])) {
      text += `${day} ${texts.join('\n')}*\n`;
      ++records;
    }
    // Windows-1252: every character used here is ASCII or the degree sign, one byte in latin1.
    fs.writeFileSync(path.join(outDir, `NalvoInfo${m}${y}.dat`), Buffer.from(text, 'latin1'));
    ++files;
  }
console.error(`${files} files, ${records} day records`);
