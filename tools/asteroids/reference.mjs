// SPDX-License-Identifier: GPL-3.0-or-later
// Reference geocentric positions of a few numbered asteroids for the conversion test: an
// independent two-body (Kepler) orbit from the elements of data/asteroids.edb, with the Earth from
// Astronomy Engine (npm astronomy-engine@2.1.19, MIT). Geometric places (no light time, no
// aberration), mean equator and equinox of date, at UT instants (the epoch and a year later).
// Run: tools/asteroids/run   (writes tests/data/asteroid_reference.csv)
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');

// The Earth and the frame rotations of the planets' reference (tools/solar, same package).
const solar = await import(path.join(root, 'tools/solar/reference.mjs'));
const A = solar.A;

const names = ['Ceres', 'Pallas', 'Vesta', 'Eros'];
const instants = ['2022-08-09T00:00', '2023-02-09T00:00', '2023-08-09T00:00'];
const GAUSS_K = 0.01720209895; // rad/day, AU^1.5
const OBLIQUITY_J2000 = 23.4392911 * Math.PI / 180;

function elements(name) {
  const line = fs.readFileSync(path.join(root, 'data/asteroids.edb'), 'latin1')
    .split('\n').find((l) => l.startsWith(name + ','));
  const f = line.split(',');
  const [m, d, y] = f[9].split('/');
  const day = parseFloat(d);
  const epochMs = Date.UTC(+y, +m - 1, Math.floor(day)) + (day - Math.floor(day)) * 86400000;
  return { i: +f[2], node: +f[3], peri: +f[4], a: +f[5], e: +f[7], M: +f[8], epochMs };
}

// Heliocentric J2000 equatorial position (AU) of the body `days` after its epoch.
function heliocentric(el, days) {
  const rad = Math.PI / 180;
  const n = GAUSS_K / Math.pow(el.a, 1.5);
  const M = el.M * rad + n * days;
  let E = M;
  for (let k = 0; k < 50; ++k) E -= (E - el.e * Math.sin(E) - M) / (1 - el.e * Math.cos(E));
  const xp = el.a * (Math.cos(E) - el.e), yp = el.a * Math.sqrt(1 - el.e * el.e) * Math.sin(E);
  const cO = Math.cos(el.node * rad), sO = Math.sin(el.node * rad);
  const cw = Math.cos(el.peri * rad), sw = Math.sin(el.peri * rad);
  const ci = Math.cos(el.i * rad), si = Math.sin(el.i * rad);
  // Orbit plane -> ecliptic J2000.
  const x = (cO * cw - sO * sw * ci) * xp + (-cO * sw - sO * cw * ci) * yp;
  const y = (sO * cw + cO * sw * ci) * xp + (-sO * sw + cO * cw * ci) * yp;
  const z = sw * si * xp + cw * si * yp;
  // Ecliptic -> equator J2000.
  const ce = Math.cos(OBLIQUITY_J2000), se = Math.sin(OBLIQUITY_J2000);
  return [x, ce * y - se * z, se * y + ce * z];
}

const rows = [
  '# Geocentric positions of asteroids from their data/asteroids.edb elements by an independent',
  '# two-body orbit (Gauss constant, Newton on Kepler\'s equation) with the Earth from Astronomy',
  '# Engine 2.1.19 (npm astronomy-engine, MIT): geometric, mean equator and equinox of date',
  '# (Rotation_EQJ_EQD; Astronomy Engine\'s nutation removed), UT instants; then the heliocentric',
  '# right ascension (J2000 equator, the frame of the elements; then the mean equator of date) and',
  '# the distance of the same orbit.',
  '# Regenerate: tools/asteroids/run',
  'date_utc,body,ra_deg,dec_deg,distance_au,helio_ra_j2000_deg,helio_ra_date_deg,r_au',
];
for (const name of names) {
  const el = elements(name);
  for (const when of instants) {
    const ms = Date.parse(when + ':00Z');
    const time = A.MakeTime(new Date(ms));
    const days = (ms - el.epochMs) / 86400000;
    const h = heliocentric(el, days);
    const earth = A.HelioVector(A.Body.Earth, time);
    const geo = new A.Vector(h[0] - earth.x, h[1] - earth.y, h[2] - earth.z, time);
    const [ra, dec, dist] = solar.raDecDistance(solar.toMeanOfDate(geo, time));
    let hra = Math.atan2(h[1], h[0]) * 180 / Math.PI;
    if (hra < 0) hra += 360;
    const r = Math.hypot(h[0], h[1], h[2]);
    const hd = solar.toMeanOfDate(new A.Vector(h[0], h[1], h[2], time), time);
    let hraDate = Math.atan2(hd.y, hd.x) * 180 / Math.PI;
    if (hraDate < 0) hraDate += 360;
    rows.push(`${when},${name},${ra.toFixed(6)},${dec.toFixed(6)},${dist.toFixed(9)},${hra.toFixed(6)},` +
              `${hraDate.toFixed(6)},${r.toFixed(9)}`);
  }
}
fs.writeFileSync(path.join(root, 'tests/data/asteroid_reference.csv'), rows.join('\n') + '\n');
console.log(`wrote ${rows.length - 8} rows to tests/data/asteroid_reference.csv`);
