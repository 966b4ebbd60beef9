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
//   planet,place,lat,lon_east,start_utc,body,alt_at_sunset,rise_utc,set_utc,max_alt,magnitude,illuminated
//     for the night after start (reference sunset to sunrise): the body's geometric topocentric
//     altitude at sunset, its first rising and last setting through altitude 0 within the night
//     ("" for none) and its highest altitude in the night.
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
const nights = [
  { name: 'Annecy', lat: 45.9, lon: 6.12, start: '2026-03-20T12:00:00Z' },
  { name: 'Annecy', lat: 45.9, lon: 6.12, start: '2026-10-05T12:00:00Z' },
  { name: 'Quito', lat: -0.22, lon: -78.51, start: '2026-07-15T17:00:00Z' },
  // Jupiter (declination +23) stays above the horizon all night at 69.65 N.
  { name: 'Tromso', lat: 69.65, lon: 18.96, start: '2026-02-01T11:00:00Z' },
];
const planets = ['Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune'];
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
    console.log(['planet', n.name, n.lat, n.lon, iso(start), b, f(h0, 3), iso(up), iso(down), f(max, 3), f(il.mag, 2), f(il.phase_fraction, 4)].join(','));
  }
}
