// SPDX-License-Identifier: GPL-3.0-or-later
// Apparent geocentric equatorial places (equator and equinox of date, aberration included) of the
// Sun, the Moon and the planets Mercury to Pluto with Astronomy Engine (npm astronomy-engine, MIT)
// at the instants of a --from/--to/--step range, as nalvo-cli positions computes them; prints the
// number of body positions and the seconds they took. Arguments: FROM TO STEP_MINUTES (UT, ISO).
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const A = require('astronomy-engine');

const [from, to, stepText] = process.argv.slice(2);
const step_ms = Number(stepText) * 60000;
const first = Date.parse(from + 'Z'), last = Date.parse(to + 'Z');
if (!(step_ms > 0) || Number.isNaN(first) || Number.isNaN(last)) {
  console.error('usage: node positions_vs_astronomy_engine.mjs FROM TO STEP_MINUTES');
  process.exit(2);
}
const bodies = ['Sun', 'Moon', 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto'].map(
  (name) => A.Body[name]);

let count = 0, checksum = 0;
const start = process.hrtime.bigint();
for (let ms = first; ms <= last; ms += step_ms) {
  const time = A.MakeTime(new Date(ms));
  const toDate = A.Rotation_EQJ_EQD(time); // one rotation per instant, shared by every body
  for (const body of bodies) {
    const eq = A.EquatorFromVector(A.RotateVector(toDate, A.GeoVector(body, time, true)));
    checksum += eq.ra + eq.dec; // keeps the work observable
    ++count;
  }
}
const seconds = Number(process.hrtime.bigint() - start) / 1e9;
console.log(`${count} ${seconds} ${checksum}`);
