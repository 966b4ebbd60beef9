// SPDX-License-Identifier: GPL-3.0-or-later
// Reference values for the report tests, from Astronomy Engine (npm astronomy-engine@2.1.19, MIT):
//   node tools/reports/reference.mjs > tests/data/reports_reference.csv
// (tools/reports/run installs the package and does this.)
// Rows, by kind:
//   ephem,body,lat,lon_east,utc,ra_deg,dec_deg,distance_au,illuminated,waxing,magnitude
//     geometric place (no light time, no aberration, no nutation: mean equator and equinox of
//     date); the Sun geocentric, the planets and the Moon topocentric for the place at sea level.
//   sun,place,lat,lon_east,start_utc,sunset_utc,sunrise_utc
//     the first setting of the Sun's centre through geometric altitude 0 (no refraction) after
//     start, and the next rising through it.
//   planet,place,lat,lon_east,start_utc,body,alt_at_sunset,rise_utc,set_utc,max_alt,magnitude,illuminated,crossings
//     for the night after start (reference sunset to sunrise): the body's geometric topocentric
//     altitude at sunset, its first rising and last setting through altitude 0 within the night
//     ("" for none), its highest altitude in the night, and every crossing of altitude 0 in the
//     night in time order, "+" rising or "-" setting then the instant, separated by ";".
//   case,rule,place,start_utc,body
//     a night of the planet rows that shows one rule: a planet that sets and rises again
//     ("setsAndRises"), one that grazes the horizon without crossing it ("grazes"), Venus rising
//     after sunrise ("venusAfterSunrise").
//   season,year,kind,utc
//     Seasons(): the instants of the equinoxes and solstices (mar, jun, sep, dec).
//   solar,place,lat,lon_east,start_utc,seen,partial_begin_utc,partial_end_utc
//     SearchLocalSolarEclipse: whether the partial phase is under way with the Sun's centre above
//     the horizon between start and the next sunrise (seen 1 or 0).
//   lunar,place,lat,lon_east,start_utc,seen,penumbral_begin_utc,penumbral_end_utc
//     SearchLunarEclipse: whether the penumbral phase is under way with the Moon above the horizon
//     between start and the next sunrise.
//   elongation,body,utc,elongation_deg
//     SearchMaxElongation: greatest elongations of Mercury and Venus.
//   phase,place,lat,lon_east,start_utc,body,ra_diff_deg,inferior
//     at the reference sunset after start, the Sun's geocentric right ascension of date minus the
//     planet's, reduced to [0, 360), and whether the planet is nearer than the Sun's distance from
//     the Earth (1) or not (0).
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const A = require('astronomy-engine');

// J2000 equator to the mean equator of date: precession, then the inverse of nutation.
function nutationInto(time) {
  const tilt = A.e_tilt(time);
  const oblm = tilt.mobl * A.DEG2RAD, oblt = tilt.tobl * A.DEG2RAD, psi = (tilt.dpsi / 3600) * A.DEG2RAD;
  const cobm = Math.cos(oblm), sobm = Math.sin(oblm), cobt = Math.cos(oblt), sobt = Math.sin(oblt);
  const cpsi = Math.cos(psi), spsi = Math.sin(psi);
  const xx = cpsi, yx = -spsi * cobm, zx = -spsi * sobm;
  const xy = spsi * cobt, yy = cpsi * cobm * cobt + sobm * sobt, zy = cpsi * sobm * cobt - cobm * sobt;
  const xz = spsi * sobt, yz = cpsi * cobm * sobt - sobm * cobt, zz = cpsi * sobm * sobt + cobm * cobt;
  return new A.RotationMatrix([[xx, yx, zx], [xy, yy, zy], [xz, yz, zz]]);
}
function meanOfDate(vec, time) {
  return A.RotateVector(A.CombineRotation(A.Rotation_EQJ_EQD(time), nutationInto(time)), vec);
}
function geocentric(body, time) {
  if (body === 'Moon') return A.GeoMoon(time);
  const earth = A.HelioVector(A.Body.Earth, time);
  if (body === 'Sun') return new A.Vector(-earth.x, -earth.y, -earth.z, time);
  const p = A.HelioVector(A.Body[body], time);
  return new A.Vector(p.x - earth.x, p.y - earth.y, p.z - earth.z, time);
}
function topocentric(body, time, observer) {
  const g = geocentric(body, time);
  if (!observer) return g;
  const o = A.ObserverVector(time, observer, false);
  return new A.Vector(g.x - o.x, g.y - o.y, g.z - o.z, time);
}
function raDec(vec) {
  const d = Math.hypot(vec.x, vec.y, vec.z);
  let ra = Math.atan2(vec.y, vec.x) * A.RAD2DEG;
  if (ra < 0) ra += 360;
  return { ra, dec: Math.asin(vec.z / d) * A.RAD2DEG, dist: d };
}
// Geometric altitude of the body's centre: true equator of date, no refraction.
function altitude(body, time, observer) {
  const eq = A.Equator(A.Body[body], time, observer, true, false);
  return A.Horizon(time, observer, eq.ra, eq.dec).altitude;
}
// The first crossing of altitude 0 in `direction` (+1 rising, -1 setting) within [t0, t0 + days],
// found on a one-minute grid and refined by bisection to a tenth of a second.
function crossing(body, observer, t0, days, direction) {
  const step = 1 / 1440;
  let prev = altitude(body, t0, observer);
  for (let k = 1; k * step <= days; ++k) {
    const t = t0.AddDays(k * step);
    const h = altitude(body, t, observer);
    if ((direction > 0 && prev < 0 && h >= 0) || (direction < 0 && prev >= 0 && h < 0)) {
      let lo = t0.AddDays((k - 1) * step), hi = t;
      while ((hi.ut - lo.ut) * 86400 > 0.1) {
        const mid = lo.AddDays((hi.ut - lo.ut) / 2);
        const hm = altitude(body, mid, observer);
        if ((direction > 0) === (hm >= 0)) hi = mid; else lo = mid;
      }
      return hi;
    }
    prev = h;
  }
  return null;
}
// Every crossing of altitude 0 within [t0, t0 + days], on a one-minute grid bisected to a tenth
// of a second: { time, rising }.
function allCrossings(body, observer, t0, days) {
  const out = [];
  for (let t = t0; ; ) {
    const up = crossing(body, observer, t, t0.ut + days - t.ut, +1);
    const down = crossing(body, observer, t, t0.ut + days - t.ut, -1);
    const next = [up && { time: up, rising: true }, down && { time: down, rising: false }]
      .filter(Boolean).sort((a, b) => a.time.ut - b.time.ut)[0];
    if (!next) return out;
    out.push(next);
    t = next.time.AddDays(1 / 1440);
  }
}
function iso(time) {
  return time ? time.date.toISOString().replace(/\.\d+Z$/, 'Z') : '';
}
const f = (x, n) => x.toFixed(n);

console.log('# Reference values for the report tests: tools/reports/reference.mjs (Astronomy Engine 2.1.19).');

// Ephemeris tables: start instants and steps as the tests ask for them.
const ephemCases = [
  { body: 'Sun', lat: 45.9, lon: 6.2, start: '2026-03-20T12:00:00Z', stepH: 1, n: 5 },
  { body: 'Mars', lat: 45.9, lon: 6.2, start: '2026-06-01T00:00:00Z', stepH: 24 * 10, n: 10 },
  { body: 'Moon', lat: 45.9, lon: 6.2, start: '2026-01-01T00:00:00Z', stepH: 24 * 3, n: 10 },
];
for (const c of ephemCases) {
  const observer = c.body === 'Sun' ? null : new A.Observer(c.lat, c.lon, 0);
  for (let k = 0; k < c.n; ++k) {
    const time = A.MakeTime(new Date(Date.parse(c.start) + k * c.stepH * 3600e3));
    const p = raDec(meanOfDate(topocentric(c.body, time, observer), time));
    let illum = '', waxing = '', mag = '';
    if (c.body !== 'Sun') {
      const il = A.Illumination(A.Body[c.body], time);
      illum = f(il.phase_fraction, 4);
      mag = f(il.mag, 2);
      if (c.body === 'Moon') waxing = A.MoonPhase(time) < 180 ? '1' : '0';
    }
    console.log(['ephem', c.body, c.lat, c.lon, iso(time), f(p.ra, 5), f(p.dec, 5), f(p.dist, 7), illum, waxing, mag].join(','));
  }
}

// Sunset and sunrise: four seasons, from the equator to 64 degrees north; start at local noon.
const places = [
  { name: 'Quito', lat: -0.22, lon: -78.51 },
  { name: 'Sydney', lat: -33.87, lon: 151.21 },
  { name: 'Annecy', lat: 45.9, lon: 6.12 },
  { name: 'Helsinki', lat: 60.17, lon: 24.94 },
  { name: 'Reykjavik', lat: 64.15, lon: -21.94 },
];
const days = ['2026-03-20', '2026-06-21', '2026-09-23', '2026-12-21', '2027-02-05', '2027-08-10'];
for (const p of places) {
  const observer = new A.Observer(p.lat, p.lon, 0);
  for (const d of days) {
    const start = A.MakeTime(new Date(Date.parse(d + 'T12:00:00Z') - (p.lon / 15) * 3600e3));
    const set = crossing('Sun', observer, start, 1.5, -1);
    const rise = set ? crossing('Sun', observer, set, 1.5, +1) : null;
    console.log(['sun', p.name, p.lat, p.lon, iso(start), iso(set), iso(rise)].join(','));
  }
}

// Planets through whole nights, for the forecast's sentences.
// Local mean noon of a date at a place, to the minute.
function noon(date, lon) {
  return new Date(Math.round((Date.parse(date + 'T12:00:00Z') - (lon / 15) * 3600e3) / 60000) * 60000);
}
function night(lat, lon, start) {
  const observer = new A.Observer(lat, lon, 0);
  const set = crossing('Sun', observer, start, 1.5, -1);
  const rise = set && crossing('Sun', observer, set, 1.5, +1);
  return { observer, set, rise };
}
const planets = ['Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune'];
const tromso = { name: 'Tromso', lat: 69.65, lon: 18.96 };
const ushuaia = { name: 'Ushuaia', lat: -54.8, lon: -68.3 };
// Nights of 2027 that show one rule each, the first found every 3 days from January 2.
const cases = [];
function findCase(rule, place, test) {
  for (let day = 1; day < 365; day += 3) {
    const date = new Date(Date.UTC(2027, 0, 1 + day)).toISOString().substring(0, 10);
    const start = A.MakeTime(noon(date, place.lon));
    const n = night(place.lat, place.lon, start);
    if (!n.set || !n.rise) continue;
    const body = test(n, start);
    if (body) {
      cases.push({ rule, place, start: start.date.toISOString(), body });
      return;
    }
  }
  throw new Error(`no night for ${rule}`);
}
const clearOfEnds = (n, t) => t.ut - n.set.ut > 30 / 1440 && n.rise.ut - t.ut > 30 / 1440;
findCase('setsAndRises', tromso, (n) => {
  for (const b of ['Mars', 'Jupiter', 'Saturn']) {
    const c = allCrossings(b, n.observer, n.set, n.rise.ut - n.set.ut);
    if (c.length === 2 && !c[0].rising && c[1].rising && clearOfEnds(n, c[0].time) && clearOfEnds(n, c[1].time))
      return b;
  }
  return null;
});
findCase('grazes', tromso, (n) => {
  for (const b of ['Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune']) {
    let min = 90;
    for (let t = n.set; t.ut <= n.rise.ut; t = t.AddDays(1 / 1440)) min = Math.min(min, altitude(b, t, n.observer));
    if (min > 0.2 && min < 1.3) return b;
  }
  return null;
});
findCase('venusAfterSunrise', ushuaia, (n) => {
  const up = crossing('Venus', n.observer, n.rise, 2 / 24, +1);
  return up && up.ut - n.rise.ut > 15 / 1440 && up.ut - n.rise.ut < 90 / 1440
    && !crossing('Venus', n.observer, n.set, n.rise.ut - n.set.ut, +1) ? 'Venus' : null;
});

const nights = [
  ...cases.map((c) => ({ name: c.place.name, lat: c.place.lat, lon: c.place.lon, start: c.start })),
  { name: 'Annecy', lat: 45.9, lon: 6.12, start: '2026-03-20T12:00:00Z' },
  { name: 'Annecy', lat: 45.9, lon: 6.12, start: '2026-10-05T12:00:00Z' },
  { name: 'Quito', lat: -0.22, lon: -78.51, start: '2026-07-15T17:00:00Z' },
  // Jupiter (declination +23) stays above the horizon all night at 69.65 N.
  { name: 'Tromso', lat: 69.65, lon: 18.96, start: '2026-02-01T11:00:00Z' },
];
for (const n of nights) {
  const observer = new A.Observer(n.lat, n.lon, 0);
  const start = A.MakeTime(new Date(n.start));
  const set = crossing('Sun', observer, start, 1.5, -1);
  const rise = crossing('Sun', observer, set, 1.5, +1);
  const nightDays = rise.ut - set.ut;
  for (const b of planets) {
    const h0 = altitude(b, set, observer);
    const up = crossing(b, observer, set, nightDays, +1);
    let down = null;
    for (let t = set; ; ) {
      const c = crossing(b, observer, t, rise.ut - t.ut, -1);
      if (!c) break;
      down = c;
      t = c.AddDays(1 / 1440);
    }
    let max = -90;
    for (let t = set; t.ut <= rise.ut; t = t.AddDays(1 / 1440)) max = Math.max(max, altitude(b, t, observer));
    const il = A.Illumination(A.Body[b], set);
    const all = allCrossings(b, observer, set, nightDays).map((c) => (c.rising ? '+' : '-') + iso(c.time)).join(';');
    console.log(['planet', n.name, n.lat, n.lon, iso(start), b, f(h0, 3), iso(up), iso(down), f(max, 3), f(il.mag, 2),
      f(il.phase_fraction, 4), all].join(','));
  }
}
for (const c of cases) console.log(['case', c.rule, c.place.name, iso(A.MakeTime(new Date(c.start))), c.body].join(','));

for (const year of [2026, 2027]) {
  const s = A.Seasons(year);
  for (const [kind, t] of [['mar', s.mar_equinox], ['jun', s.jun_solstice], ['sep', s.sep_equinox], ['dec', s.dec_solstice]])
    console.log(['season', year, kind, iso(t)].join(','));
}

// Eclipses: seen or not between the start (local noon of the day before) and the next sunrise.
function seenDuring(body, observer, start, end, begin, finish) {
  for (let t = start; t.ut <= end.ut; t = t.AddDays(1 / 1440))
    if (t.ut >= begin.ut && t.ut <= finish.ut && altitude(body, t, observer) > 0) return 1;
  return 0;
}
const eclipsePlaces = [
  { name: 'Reykjavik', lat: 64.15, lon: -21.94 },
  { name: 'CapeTown', lat: -33.92, lon: 18.42 },
  { name: 'Annecy', lat: 45.9, lon: 6.12 },
  { name: 'Sydney', lat: -33.87, lon: 151.21 },
];
for (const p of eclipsePlaces) {
  // The eclipse of the Sun of 2026-08-12.
  const start = A.MakeTime(noon('2026-08-12', p.lon));
  const n = night(p.lat, p.lon, start);
  const e = A.SearchLocalSolarEclipse(start.AddDays(-1), n.observer);
  const seen = seenDuring('Sun', n.observer, start, n.rise, e.partial_begin.time, e.partial_end.time);
  console.log(['solar', p.name, p.lat, p.lon, iso(start), seen, iso(e.partial_begin.time), iso(e.partial_end.time)].join(','));
}
for (const p of eclipsePlaces) {
  // The partial eclipse of the Moon of 2026-08-28 (greatest at 04:13 UT): the night before.
  const start = A.MakeTime(noon('2026-08-27', p.lon));
  const n = night(p.lat, p.lon, start);
  const e = A.SearchLunarEclipse(start);
  const begin = e.peak.AddDays(-e.sd_penum / 1440), end = e.peak.AddDays(e.sd_penum / 1440);
  const seen = seenDuring('Moon', n.observer, start, n.rise, begin, end);
  console.log(['lunar', p.name, p.lat, p.lon, iso(start), seen, iso(begin), iso(end)].join(','));
}

const first = A.MakeTime(new Date('2026-01-01T00:00:00Z')), last = A.MakeTime(new Date('2028-01-01T00:00:00Z'));
for (const b of ['Mercury', 'Venus'])
  for (let e = A.SearchMaxElongation(A.Body[b], first); e.time.ut < last.ut; e = A.SearchMaxElongation(A.Body[b], e.time.AddDays(10)))
    console.log(['elongation', b, iso(e.time), f(e.elongation, 2)].join(','));

// Nights at Annecy when a planet is at one of the right-ascension differences the forecast
// names: near each conjunction, opposition and quadrature of 2026-2027, the days when the
// difference at sunset is nearest to each of 0, 4.5, 90, 94.5, 180, 184.5, 270 and 265.5 degrees
// (the middles of the bands of the sentences, on either side).
const annecy = { name: 'Annecy', lat: 45.9, lon: 6.12 };
// Geometric geocentric places on the equator of date.
function raDiff(body, t) {
  const geoSun = A.GeoVector(A.Body.Sun, t, false), geoBody = A.GeoVector(A.Body[body], t, false);
  const eqSun = A.EquatorFromVector(A.RotateVector(A.Rotation_EQJ_EQD(t), geoSun));
  const eqBody = A.EquatorFromVector(A.RotateVector(A.Rotation_EQJ_EQD(t), geoBody));
  let d = (eqSun.ra - eqBody.ra) * 15;
  d = ((d % 360) + 360) % 360;
  return { d, inferior: geoBody.Length() < geoSun.Length() ? 1 : 0 };
}
const targets = [0, 4.5, 355.5, 90, 94.5, 85.5, 180, 184.5, 175.5, 270, 274.5, 265.5];
for (const b of planets) {
  const best = new Map();
  for (let day = 0; day < 730; day += 1) {
    const date = new Date(Date.UTC(2026, 0, 1 + day)).toISOString().substring(0, 10);
    const start = A.MakeTime(noon(date, annecy.lon));
    const set = crossing('Sun', new A.Observer(annecy.lat, annecy.lon, 0), start, 1.5, -1);
    const r = raDiff(b, set);
    for (const target of targets) {
      let off = Math.abs(r.d - target);
      off = Math.min(off, 360 - off);
      if (off < 0.7 && (!best.has(target) || off < best.get(target).off))
        best.set(target, { off, start, r });
    }
  }
  for (const target of targets) {
    const x = best.get(target);
    if (x) console.log(['phase', annecy.name, annecy.lat, annecy.lon, iso(x.start), b, f(x.r.d, 3), x.r.inferior].join(','));
  }
}
