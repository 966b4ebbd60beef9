// SPDX-License-Identifier: GPL-3.0-or-later
// Reference places for the heliocentric view test, from Astronomy Engine (npm
// astronomy-engine@2.1.19, MIT): the Sun's geometric geocentric ecliptic longitude and distance
// (the Earth stands opposite), and Mars's geometric heliocentric ecliptic longitude, latitude and
// radius vector, mean ecliptic and equinox of date, at UT instants.
// usage: node reference.mjs > ../../tests/data/helio_reference.csv   (or ./run)
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const A = require('astronomy-engine');

// J2000 equatorial vector -> mean ecliptic and equinox of date: precession to the mean equator of
// date, then the rotation by the mean obliquity.
function meanEclipticOfDate(vec, time) {
  const eqd = A.RotateVector(A.Rotation_EQJ_EQD(time), vec);
  // Rotation_EQJ_EQD includes nutation: undo it by rotating with the true obliquity to the true
  // ecliptic, then removing the nutation in longitude.
  const tilt = A.e_tilt(time);
  const eps = tilt.tobl * A.DEG2RAD;
  const x = eqd.x, y = Math.cos(eps) * eqd.y + Math.sin(eps) * eqd.z, z = -Math.sin(eps) * eqd.y + Math.cos(eps) * eqd.z;
  const r = Math.hypot(x, y, z);
  let lon = Math.atan2(y, x) * A.RAD2DEG - tilt.dpsi / 3600;
  lon = ((lon % 360) + 360) % 360;
  return { lon, lat: Math.asin(z / r) * A.RAD2DEG, r };
}

const dates = ['2000-01-01T00:00', '2003-08-27T00:00', '2026-12-09T12:00', '2150-06-15T06:00'];
console.log('# Reference places for the heliocentric view: the Sun geocentric (the Earth is opposite) and');
console.log('# Mars heliocentric, geometric, mean ecliptic and equinox of date, at UT instants.');
console.log('# Source: Astronomy Engine 2.1.19 (npm astronomy-engine, MIT). Regenerate: tools/orbits/run.');
console.log('date_utc,body,lon_deg,lat_deg,r_au');
for (const d of dates) {
  const time = A.MakeTime(new Date(d + ':00Z'));
  const earth = A.HelioVector(A.Body.Earth, time);
  const sun = meanEclipticOfDate(new A.Vector(-earth.x, -earth.y, -earth.z, time), time);
  const mars = meanEclipticOfDate(A.HelioVector(A.Body.Mars, time), time);
  console.log(`${d},Sun,${sun.lon.toFixed(6)},${sun.lat.toFixed(6)},${sun.r.toFixed(9)}`);
  console.log(`${d},Mars,${mars.lon.toFixed(6)},${mars.lat.toFixed(6)},${mars.r.toFixed(9)}`);
}
