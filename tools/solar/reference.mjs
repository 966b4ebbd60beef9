// SPDX-License-Identifier: GPL-3.0-or-later
// Reference geocentric positions from Astronomy Engine (npm astronomy-engine@2.1.19, MIT) for the
// accuracy test: geometric places (no light time, no aberration), mean equator and equinox of
// date, at UT instants (Astronomy Engine applies its own Delta T; the program takes t as UT).
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
export const A = require('astronomy-engine');

export const bodies = ['Sun', 'Moon', 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto'];

// Of-date true equator back to the mean equator of date (the inverse nutation, as Astronomy
// Engine builds it from its IAU 2000B nutation angles).
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

// J2000 equatorial vector -> mean equator of date.
export function toMeanOfDate(vec, time) {
  const rot = A.CombineRotation(A.Rotation_EQJ_EQD(time), nutationInto(time));
  return A.RotateVector(rot, vec);
}

export function geometricGeocentric(body, time) {
  if (body === 'Moon') return A.GeoMoon(time);
  const earth = A.HelioVector(A.Body.Earth, time);
  if (body === 'Sun') return new A.Vector(-earth.x, -earth.y, -earth.z, time);
  const p = A.HelioVector(A.Body[body], time);
  return new A.Vector(p.x - earth.x, p.y - earth.y, p.z - earth.z, time);
}

export function raDecDistance(vec) {
  const d = Math.hypot(vec.x, vec.y, vec.z);
  let ra = Math.atan2(vec.y, vec.x) * A.RAD2DEG;
  if (ra < 0) ra += 360;
  return [ra, Math.asin(vec.z / d) * A.RAD2DEG, d];
}

// `count` instants from 1800 to 2200 in whole minutes: one in each of `count` equal slices of
// the span, at a place in its slice (and so a season and an hour) that moves by the golden
// ratio from one slice to the next.
export function referenceInstants(count = 300, phase = 0) {
  const start = Date.UTC(1800, 0, 1), end = Date.UTC(2200, 0, 1);
  const slice = (end - start) / count;
  const out = [];
  for (let k = 0; k < count; ++k) {
    const ms = start + slice * k + ((k * 0.6180339887 + phase) % 1) * slice;
    out.push(new Date(Math.round(ms / 60000) * 60000));
  }
  return out;
}

const iso = (d) => d.toISOString().slice(0, 16);

function writeRows(file, header, dates) {
  const lines = [...header, 'date_utc,body,ra_deg,dec_deg,distance_au'];
  for (const date of dates) {
    const time = A.MakeTime(date);
    for (const body of bodies) {
      const [ra, dec, d] = raDecDistance(toMeanOfDate(geometricGeocentric(body, time), time));
      lines.push(`${iso(date)},${body},${ra.toFixed(6)},${dec.toFixed(6)},${d.toFixed(9)}`);
    }
  }
  fs.writeFileSync(`${file}.tmp`, lines.join('\n') + '\n');
  fs.renameSync(`${file}.tmp`, file);
  console.log(`wrote ${path.basename(file)} (${lines.length - header.length - 1} rows)`);
}

// January 15 and June 15 every 20 years from 1600 to 3000 (Gregorian dates: the program uses the
// Julian calendar before 1582 October 15, JavaScript dates do not).
function wideInstants() {
  const out = [];
  for (let y = 1600; y <= 3000; y += 20)
    for (const m of [0, 5]) {
      const d = new Date(Date.UTC(2000, m, 15));
      d.setUTCFullYear(y);
      out.push(d);
    }
  return out;
}

export function writeReference(root) {
  const source = [
    '# Source: Astronomy Engine 2.1.19 (npm astronomy-engine, MIT): geometric positions (HelioVector,',
    '# GeoMoon; no light time, no aberration), rotated to the mean equator and equinox of date',
    '# (Rotation_EQJ_EQD without its nutation), at the UT instants listed (Astronomy Engine Delta T).',
    '# Regenerate: tools/solar/run (node tools/solar/solar.mjs reference).',
  ];
  writeRows(path.join(root, 'tests', 'data', 'astro_reference_wide.csv'),
    ['# Reference geocentric positions 1600-3000, to check the element polynomials outside 1800-2200.', ...source],
    wideInstants());
  const lines = [
    '# Reference geocentric positions for the accuracy test of the Sun, Moon and planets.',
    '# Source: Astronomy Engine 2.1.19 (npm astronomy-engine, MIT): geometric positions (HelioVector,',
    '# GeoMoon; no light time, no aberration), rotated to the mean equator and equinox of date',
    '# (Rotation_EQJ_EQD without its nutation), at the UT instants listed (Astronomy Engine Delta T).',
    '# Regenerate: tools/solar/run (node tools/solar/solar.mjs reference).',
    'date_utc,body,ra_deg,dec_deg,distance_au',
  ];
  for (const date of referenceInstants()) {
    const time = A.MakeTime(date);
    for (const body of bodies) {
      const [ra, dec, d] = raDecDistance(toMeanOfDate(geometricGeocentric(body, time), time));
      lines.push(`${iso(date)},${body},${ra.toFixed(6)},${dec.toFixed(6)},${d.toFixed(9)}`);
    }
  }
  const file = path.join(root, 'tests', 'data', 'astro_reference.csv');
  fs.writeFileSync(`${file}.tmp`, lines.join('\n') + '\n');
  fs.renameSync(`${file}.tmp`, file);
  console.log(`wrote tests/data/astro_reference.csv (${lines.length - 6} rows)`);
}
