// SPDX-License-Identifier: GPL-3.0-or-later
// Reference values for the satellite theories, from Astronomy Engine (npm astronomy-engine@2.1.19,
// MIT), written to tests/data/:
//   jupiter_moons_reference.csv  the four Galilean moons seen from the Earth centre, 1950-2050:
//       x_east along Jupiter's equator (positive on the side of increasing right ascension),
//       y_north across it (positive towards Jupiter's north pole), in Jupiter equatorial radii
//       (71492 km), and behind = 1 when the moon is farther from the Earth than Jupiter's centre.
//       Light time is applied: Jupiter and its moons are taken at the instant the light left them.
//   saturn_tilt_reference.csv    Saturn seen from the Earth centre, 1950-2050: its right ascension
//       and declination (true equator of date, light time applied, degrees) and the Earth's
//       saturnicentric latitude above the ring plane (IAU pole of Saturn), degrees.
// Instants are UT; Astronomy Engine adds its own Delta T.
//
//   cd tools/satellites && ./run
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const A = require('astronomy-engine');

const here = path.dirname(fileURLToPath(import.meta.url));
const outDir = path.join(here, '..', '..', 'tests', 'data');
const kJupiterRadiusKm = 71492;

// `count` instants from 1950 to 2050 in whole minutes, one in each equal slice of the century at
// a place in its slice that moves by the golden ratio from one slice to the next.
function instants(count) {
  const start = Date.UTC(1950, 0, 1), end = Date.UTC(2050, 0, 1);
  const slice = (end - start) / count;
  const out = [];
  for (let k = 0; k < count; ++k) {
    const ms = start + slice * k + ((k * 0.6180339887 + 0.25) % 1) * slice;
    out.push(new Date(Math.round(ms / 60000) * 60000));
  }
  return out;
}

const dot = (a, b) => a.x * b.x + a.y * b.y + a.z * b.z;
const cross = (a, b) => ({ x: a.y * b.z - a.z * b.y, y: a.z * b.x - a.x * b.z, z: a.x * b.y - a.y * b.x });
const unit = (a) => {
  const n = Math.hypot(a.x, a.y, a.z);
  return { x: a.x / n, y: a.y / n, z: a.z / n };
};
const dateFields = (d) =>
  [d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate(), d.getUTCHours(), d.getUTCMinutes()].join(',');

function jupiterMoons(count) {
  const km = A.KM_PER_AU;
  const lines = [
    '# Galilean moons from Astronomy Engine 2.1.19 JupiterMoons, light time applied; tools/satellites/reference.mjs',
    'year,month,day,hour,minute,moon,x_east,y_north,behind',
  ];
  for (const date of instants(count)) {
    const time = A.MakeTime(date);
    const jup = A.GeoVector(A.Body.Jupiter, time, false); // light-time corrected, J2000
    const lightDays = Math.hypot(jup.x, jup.y, jup.z) / A.C_AUDAY;
    const moons = A.JupiterMoons(time.AddDays(-lightDays));
    const s = unit(jup);
    const pole = A.RotationAxis(A.Body.Jupiter, time.AddDays(-lightDays)).north;
    const pp = dot(pole, s);
    const north = unit({ x: pole.x - pp * s.x, y: pole.y - pp * s.y, z: pole.z - pp * s.z });
    const east = cross(north, s); // towards increasing right ascension when north is the sky's north
    const rows = [['Io', moons.io], ['Europa', moons.europa], ['Ganymede', moons.ganymede], ['Callisto', moons.callisto]];
    for (const [name, m] of rows) {
      const x = (dot(m, east) * km) / kJupiterRadiusKm;
      const y = (dot(m, north) * km) / kJupiterRadiusKm;
      const behind = dot(m, s) > 0 ? 1 : 0;
      lines.push(`${dateFields(date)},${name},${x.toFixed(4)},${y.toFixed(4)},${behind}`);
    }
  }
  return lines.join('\n') + '\n';
}

function saturnTilt(count) {
  const lines = [
    '# Saturn and the Earth\'s saturnicentric latitude from Astronomy Engine 2.1.19; tools/satellites/reference.mjs',
    'year,month,day,hour,minute,ra_deg,dec_deg,earth_latitude_deg',
  ];
  const extra = [new Date(Date.UTC(2025, 2, 23, 0, 0)), new Date(Date.UTC(2009, 8, 4, 0, 0))];
  for (const date of [...instants(count), ...extra]) {
    const time = A.MakeTime(date);
    const sat = A.GeoVector(A.Body.Saturn, time, false);
    const ofDate = A.RotateVector(A.Rotation_EQJ_EQD(time), sat);
    const d = Math.hypot(ofDate.x, ofDate.y, ofDate.z);
    let ra = Math.atan2(ofDate.y, ofDate.x) * A.RAD2DEG;
    if (ra < 0) ra += 360;
    const dec = Math.asin(ofDate.z / d) * A.RAD2DEG;
    const lightDays = Math.hypot(sat.x, sat.y, sat.z) / A.C_AUDAY;
    const pole = A.RotationAxis(A.Body.Saturn, time.AddDays(-lightDays)).north;
    const lat = Math.asin(-dot(unit(sat), pole)) * A.RAD2DEG;
    lines.push(`${dateFields(date)},${ra.toFixed(5)},${dec.toFixed(5)},${lat.toFixed(5)}`);
  }
  return lines.join('\n') + '\n';
}

fs.writeFileSync(path.join(outDir, 'jupiter_moons_reference.csv'), jupiterMoons(500));
fs.writeFileSync(path.join(outDir, 'saturn_tilt_reference.csv'), saturnTilt(200));
console.log('wrote tests/data/jupiter_moons_reference.csv and tests/data/saturn_tilt_reference.csv');
