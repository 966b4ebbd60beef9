// SPDX-License-Identifier: GPL-3.0-or-later
// Reference dates of the conjunctions in right ascension between the Sun and each planet, for the
// conjunction graph and the dance. Geometric geocentric places (heliocentric vectors of the planet
// and the Earth, no light time, no aberration), rotated to the equator and equinox of date, at UT
// instants (Astronomy Engine applies its own Delta T). A conjunction is a zero of
// RA(Sun) - RA(planet) brought into [-180, 180) degrees; the jumps through +-180 (oppositions
// in right ascension) are not zeros.
import * as A from 'astronomy-engine';

const planets = ['Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto'];
const start = Date.UTC(2025, 11, 1), end = Date.UTC(2028, 1, 1);
const scanStep_ms = 6 * 3600e3;

function raOfDate(vec, time) {
  const v = A.RotateVector(A.Rotation_EQJ_EQD(time), vec);
  let ra = Math.atan2(v.y, v.x) * A.RAD2DEG;
  return ra < 0 ? ra + 360 : ra;
}

function difference(body, ms) {
  const time = A.MakeTime(new Date(ms));
  const earth = A.HelioVector(A.Body.Earth, time);
  const p = A.HelioVector(A.Body[body], time);
  const sunRa = raOfDate(new A.Vector(-earth.x, -earth.y, -earth.z, time), time);
  const planetRa = raOfDate(new A.Vector(p.x - earth.x, p.y - earth.y, p.z - earth.z, time), time);
  let d = sunRa - planetRa;
  while (d >= 180) d -= 360;
  while (d < -180) d += 360;
  return d;
}

console.log('# Dates on which a planet\'s geometric right ascension of date equals the Sun\'s.');
console.log('# Source: Astronomy Engine 2.1.19 (npm astronomy-engine, MIT): HelioVector of the planet minus');
console.log('# HelioVector of the Earth, Rotation_EQJ_EQD, zeros of RA(Sun) - RA(planet) found by bisection');
console.log('# to the minute, UT. Regenerate: tests/views/reference/run');
console.log('body,date_utc');
for (const body of planets) {
  let t0 = start, d0 = difference(body, t0);
  for (let t1 = start + scanStep_ms; t1 <= end; t1 += scanStep_ms) {
    const d1 = difference(body, t1);
    // A sign change near zero is a conjunction; one near +-180 is the wrap of the difference.
    if (Math.sign(d0) !== Math.sign(d1) && Math.abs(d0) < 90 && Math.abs(d1) < 90) {
      let lo = t0, hi = t1, dlo = d0;
      while (hi - lo > 60e3) {
        const mid = (lo + hi) / 2, dm = difference(body, mid);
        if (Math.sign(dm) === Math.sign(dlo)) { lo = mid; dlo = dm; } else { hi = mid; }
      }
      const when = new Date(Math.round((lo + hi) / 2 / 60e3) * 60e3);
      console.log(`${body},${when.toISOString().slice(0, 16)}`);
    }
    t0 = t1; d0 = d1;
  }
}
