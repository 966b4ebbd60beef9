// SPDX-License-Identifier: GPL-3.0-or-later
// Saturn's visual magnitude with its rings from Astronomy Engine (npm astronomy-engine@2.1.19,
// MIT) Illumination, written to tests/data/saturn_magnitude_reference.csv: the magnitude, the
// ring tilt seen from the Earth (degrees) and the phase angle (degrees), at 0h UT of dates from
// rings edge-on (2009, 2025) to wide open (2003, 2017, 2032). Astronomy Engine adds its own
// Delta T. Astronomy Engine's formula is Paul Schlyter's: -9.0 + 0.044 i - 2.6 sin|B| +
// 1.2 sin^2 B + 5 log10(r delta).
//
//   cd tools/satellites && ./run
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const require = createRequire(import.meta.url);
const A = require('astronomy-engine');
const here = path.dirname(fileURLToPath(import.meta.url));
const out = path.join(here, '..', '..', 'tests', 'data', 'saturn_magnitude_reference.csv');

const dates = [
  [2003, 12, 31], [2009, 9, 4], [2015, 5, 23], [2017, 6, 15], [2020, 7, 20],
  [2025, 3, 23], [2026, 12, 11], [2029, 12, 1], [2032, 9, 5], [2036, 1, 20],
];
const lines = [
  '# Saturn from Astronomy Engine 2.1.19 Illumination; tools/satellites/saturn_magnitude.mjs',
  'year,month,day,hour,minute,magnitude,ring_tilt_deg,phase_deg',
];
for (const [y, m, d] of dates) {
  const ill = A.Illumination(A.Body.Saturn, A.MakeTime(new Date(Date.UTC(y, m - 1, d))));
  lines.push([y, m, d, 0, 0, ill.mag.toFixed(3), ill.ring_tilt.toFixed(3), ill.phase_angle.toFixed(3)].join(','));
}
fs.writeFileSync(out + '.tmp', lines.join('\n') + '\n');
fs.renameSync(out + '.tmp', out);
console.log(`wrote ${out}`);
