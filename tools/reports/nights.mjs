// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the forecast of 48 nights (8 places from Tromso to Ushuaia, 6 dates of 2027) against
// Astronomy Engine (npm astronomy-engine@2.1.19, MIT) and prints a table of the lines that are
// wrong (missing, extra or of the wrong kind) and the errors of the times written:
//   node tools/reports/nights.mjs BUILD/nalvo-cli DATA_DIR
// (tools/reports/run installs the package.) Each night starts at local mean noon of the date and
// is written in UT (--offset 0). The reference of each line:
//   sunset, sunrise, risings and settings: the Sun's and the planets' centres through geometric
//     altitude 0 (SearchRiseSet with no refraction is the same crossing; found here on a
//     one-minute grid and bisected);
//   season: Seasons(), the instant in the report's UT day, named for the hemisphere;
//   "SUN ECLIPSE": SearchLocalSolarEclipse, its partial phase with the Sun's centre above the
//     horizon between the start and the next sunrise;
//   "MOON ECLIPSE": SearchLunarEclipse, its penumbral phase with the Moon above the horizon in
//     the same interval;
//   "is close to its greatest elongation.": SearchMaxElongation within 7 days of the start.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const A = require('astronomy-engine');

const [cli, dataDir] = [process.argv[2], process.argv[3]];
if (!cli || !dataDir) {
  console.error('usage: node nights.mjs NALVO_CLI DATA_DIR');
  process.exit(2);
}

const places = [
  { name: 'Tromso', lat: 69.65, lon: 18.96 },
  { name: 'Reykjavik', lat: 64.15, lon: -21.94 },
  { name: 'Helsinki', lat: 60.17, lon: 24.94 },
  { name: 'Annecy', lat: 45.9, lon: 6.12 },
  { name: 'Quito', lat: -0.22, lon: -78.51 },
  { name: 'Sydney', lat: -33.87, lon: 151.21 },
  { name: 'CapeTown', lat: -33.92, lon: 18.42 },
  { name: 'Ushuaia', lat: -54.8, lon: -68.3 },
];
// A penumbral eclipse of the Moon, the March equinox, the June solstice, the total eclipse of the
// Sun, the September equinox, the December solstice.
const dates = ['2027-02-20', '2027-03-20', '2027-06-21', '2027-08-02', '2027-09-23', '2027-12-22'];
const planets = ['Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune'];

function altitude(body, time, observer) {
  const eq = A.Equator(A.Body[body], time, observer, true, false);
  return A.Horizon(time, observer, eq.ra, eq.dec).altitude;
}
// Every crossing of altitude 0 in [t0, t0 + days]: { time, rising }.
function crossings(body, observer, t0, days) {
  const step = 1 / 1440;
  const out = [];
  let prev = altitude(body, t0, observer);
  for (let k = 1; k * step <= days + 1e-9; ++k) {
    const t = t0.AddDays(k * step);
    const h = altitude(body, t, observer);
    if ((prev < 0) !== (h < 0)) {
      let lo = t0.AddDays((k - 1) * step), hi = t;
      const rising = h >= 0;
      while ((hi.ut - lo.ut) * 86400 > 0.5) {
        const mid = lo.AddDays((hi.ut - lo.ut) / 2);
        if ((altitude(body, mid, observer) >= 0) === rising) hi = mid; else lo = mid;
      }
      out.push({ time: hi, rising });
    }
    prev = h;
  }
  return out;
}
const utMinute = (t) => {
  const d = t.date;
  return d.getUTCHours() * 60 + d.getUTCMinutes() + d.getUTCSeconds() / 60;
};
const dayDiff = (a, b) => {
  let d = (a - b) % 1440;
  if (d > 720) d -= 1440;
  if (d < -720) d += 1440;
  return d;
};
const hm = (m) => `${Math.floor(m / 60)}h${Math.round(m % 60)}`;

function expected(place, date) {
  const observer = new A.Observer(place.lat, place.lon, 0);
  const start = A.MakeTime(new Date(Date.parse(date + 'T12:00:00Z') - (place.lon / 15) * 3600e3));
  // Whole minutes, as the forecast is given its date.
  const startMin = A.MakeTime(new Date(Math.round(start.date.getTime() / 60000) * 60000));
  const lines = [];
  const ut0 = A.MakeTime(new Date(date + 'T00:00:00Z')), ut1 = ut0.AddDays(1);
  const s = A.Seasons(Number(date.substring(0, 4)));
  const south = place.lat < 0;
  for (const [t, north, other] of [[s.mar_equinox, 'Spring equinox', 'Automn equinox'],
    [s.jun_solstice, 'Summer solstice', 'Winter solstice'], [s.sep_equinox, 'Automn equinox', 'Spring equinox'],
    [s.dec_solstice, 'Winter solstice', 'Summer solstice']])
    if (t.ut >= ut0.ut && t.ut < ut1.ut) lines.push({ key: `season ${south ? other : north}` });

  for (const p of ['Mercury', 'Venus']) {
    const e = A.SearchMaxElongation(A.Body[p], startMin.AddDays(-8));
    if (Math.abs(e.time.ut - startMin.ut) <= 7) lines.push({ key: `${p} greatest elongation` });
  }

  const sunCross = crossings('Sun', observer, startMin, 1.5);
  const firstSet = sunCross.findIndex((c) => !c.rising);
  const set = firstSet >= 0 ? sunCross[firstSet] : null;
  const rise = set ? sunCross.slice(firstSet + 1).find((c) => c.rising) : null;
  const end = rise ? rise.time : startMin.AddDays(1);
  // Eclipses between the start and the next sunrise.
  const solar = A.SearchLocalSolarEclipse(startMin.AddDays(-1), observer);
  for (let t = startMin; t.ut <= end.ut; t = t.AddDays(1 / 1440)) {
    if (t.ut >= solar.partial_begin.time.ut && t.ut <= solar.partial_end.time.ut &&
        altitude('Sun', t, observer) > 0) {
      lines.push({ key: 'SUN ECLIPSE' });
      break;
    }
  }
  const lunar = A.SearchLunarEclipse(startMin.AddDays(-1));
  for (let t = startMin; t.ut <= end.ut; t = t.AddDays(1 / 1440)) {
    if (Math.abs(t.ut - lunar.peak.ut) * 1440 <= lunar.sd_penum && altitude('Moon', t, observer) > 0) {
      lines.push({ key: 'MOON ECLIPSE' });
      break;
    }
  }
  if (!set) return { lines: [...lines, { key: altitude('Sun', startMin, observer) > 0 ? 'polar day' : 'polar night' }] };
  if (!rise) return { lines: [...lines, { key: 'polar night' }] };
  lines.push({ key: 'sun', times: [utMinute(rise.time), utMinute(set.time)] });
  const nightDays = rise.time.ut - set.time.ut;
  for (const p of planets) {
    const c = crossings(p, observer, set.time, nightDays);
    const inner = p === 'Mercury' || p === 'Venus';
    for (let k = 0; k < c.length; ++k) {
      if (inner) lines.push({ key: `${p} ${c[k].rising ? 'morning' : 'evening'}`, times: [utMinute(c[k].time)] });
      else if (c[k].rising && k + 1 < c.length) {
        lines.push({ key: `${p} rises and sets`, times: [utMinute(c[k].time), utMinute(c[k + 1].time)] });
        ++k;
      } else if (c[k].rising) lines.push({ key: `${p} rises`, times: [utMinute(c[k].time)] });
      else lines.push({ key: `${p} sets`, times: [utMinute(c[k].time)] });
    }
  }
  return { lines, start: startMin };
}

const time = String.raw`(\d+)h(\d+)`;
const toMin = (h, m) => Number(h) * 60 + Number(m);
function actual(text) {
  const lines = [];
  const push = (key, times) => lines.push({ key, times, at: lines.length });
  const found = [];
  const add = (re, f) => {
    for (const m of text.matchAll(re)) found.push({ index: m.index, f: () => f(m) });
  };
  add(/(Spring equinox|Summer solstice|Automn equinox|Winter solstice)/g, (m) => push(`season ${m[1]}`));
  add(/ (Mercury|Venus) is close to its greatest elongation\./g, (m) => push(`${m[1]} greatest elongation`));
  add(/\*SUN ECLIPSE\*/g, () => push('SUN ECLIPSE'));
  add(/\*MOON ECLIPSE\*/g, () => push('MOON ECLIPSE'));
  add(/Polar circle!/g, () => push('polar day'));
  add(/Polar night!/g, () => push('polar night'));
  add(new RegExp(`The sun rise at ${time}, it shink at ${time}\\.`, 'g'),
    (m) => push('sun', [toMin(m[1], m[2]), toMin(m[3], m[4])]));
  add(new RegExp(` (Mercury|Venus) can be seen in the (morning|evening)\\. It (?:rises|sinks) at ${time}\\.`, 'g'),
    (m) => push(`${m[1]} ${m[2]}`, [toMin(m[3], m[4])]));
  add(new RegExp(`(\\w+) se lève à ${time},et se couche à ${time}\\.`, 'g'),
    (m) => push(`${m[1]} rises and sets`, [toMin(m[2], m[3]), toMin(m[4], m[5])]));
  add(new RegExp(` (\\w+) se lève à ${time}, puis est visible jusqu'au jour\\.`, 'g'),
    (m) => push(`${m[1]} rises`, [toMin(m[2], m[3])]));
  add(new RegExp(` (\\w+) est visible du coucher du soleil jusqu'à son coucher à ${time}\\.`, 'g'),
    (m) => push(`${m[1]} sets`, [toMin(m[2], m[3])]));
  found.sort((a, b) => a.index - b.index).forEach((x) => x.f());
  return lines;
}

const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'nights-'));
const env = { ...process.env, XDG_DATA_HOME: tmp, XDG_CONFIG_HOME: tmp };
console.log('place      date        lines  wrong  worst time error (min)  wrong lines');
let allLines = 0, allWrong = 0, worst = 0, sumSq = 0, nTimes = 0;
for (const place of places)
  for (const date of dates) {
    const exp = expected(place, date);
    const startIso = exp.start ? exp.start.date.toISOString().substring(0, 16)
      : new Date(Math.round((Date.parse(date + 'T12:00:00Z') - (place.lon / 15) * 3600e3) / 60000) * 60000)
        .toISOString().substring(0, 16);
    const text = execFileSync(cli, ['forecast', '--date', startIso, '--lat', String(place.lat), '--lon',
      String(place.lon), '--offset', '0', '--place', place.name, '--data', dataDir], { env }).toString('utf8');
    const got = actual(text);
    // Lines matched by key in order; what is left over on either side is wrong.
    const wrong = [];
    const left = [...got];
    let nightWorst = 0;
    for (const e of exp.lines) {
      const k = left.findIndex((g) => g.key === e.key);
      if (k < 0) {
        wrong.push(`missing "${e.key}${e.times ? ' ' + e.times.map(hm).join(' ') : ''}"`);
        continue;
      }
      const g = left.splice(k, 1)[0];
      if (e.times) e.times.forEach((t, i) => {
        const d = dayDiff(g.times[i], t);
        nightWorst = Math.max(nightWorst, Math.abs(d));
        sumSq += d * d;
        ++nTimes;
      });
    }
    for (const g of left) wrong.push(`extra "${g.key}${g.times ? ' ' + g.times.map(hm).join(' ') : ''}"`);
    allLines += exp.lines.length;
    allWrong += wrong.length;
    worst = Math.max(worst, nightWorst);
    console.log(`${place.name.padEnd(10)} ${date}  ${String(exp.lines.length).padStart(5)}  ${String(wrong.length).padStart(5)}  `
      + `${nightWorst.toFixed(1).padStart(22)}  ${wrong.join('; ')}`);
  }
console.log(`total: ${allLines} reference lines, ${allWrong} wrong; times: worst ${worst.toFixed(1)} min, `
  + `RMS ${Math.sqrt(sumSq / Math.max(1, nTimes)).toFixed(1)} min over ${nTimes}`);
fs.rmSync(tmp, { recursive: true, force: true });
