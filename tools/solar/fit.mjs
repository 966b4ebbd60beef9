// SPDX-License-Identifier: GPL-3.0-or-later
// Fits the element polynomials of the Sun's apparent orbit and of each planet to Astronomy
// Engine positions over 1800-2200, within the program's algorithms (theory.mjs): cubic
// polynomials in T absorb the long-period perturbations (Jupiter-Saturn great inequality,
// Uranus-Neptune) that the classic mean elements leave out. Writes fitted.json, which
// solar.mjs data prefers to the published elements of a body.
import fs from 'node:fs';
import path from 'node:path';
import * as el from './elements.mjs';
import { planetHelio, sunGeo, poly, solve } from './theory.mjs';
import { A, toMeanOfDate } from './reference.mjs';

const D2R = Math.PI / 180;
const KEYS_PLANET = ['L', 'a', 'e', 'i', 'O', 'M'];
const KEYS_SUN = ['L', 'e', 'M'];
// Finite-difference steps per element (deg, AU, unitless).
const STEP = { L: 1e-6, a: 1e-9, e: 1e-9, i: 1e-6, O: 1e-6, M: 1e-6 };

// T from a JS date as the program computes it from the UT calendar: (JD_UT - 2415020) / 36525.
const centuries = (date) => (date.getTime() / 86400000 + 2440587.5 - 2415020) / 36525;

function toEcliptic(v, eps) {
  const c = Math.cos(eps * D2R), s = Math.sin(eps * D2R);
  return [v.x, c * v.y + s * v.z, -s * v.y + c * v.z];
}

// Fit samples: `count` instants over 1800-2200 with weight 1, and `wideCount` over 1000-3000
// with weight `wideWeight`, which keeps the cubics from running away outside the four
// centuries (a cubic fitted to 1800-2200 alone reaches tens of degrees by the year 3000).
// Instants are UT days from J2000 (no calendar involved).
const FIT_RANGE = { from: -200, to: 200, count: 1600 };
const WIDE_RANGE = { from: -1000, to: 1000, count: 800, weight: Number(process.env.NALVO_FIT_WIDE_WEIGHT ?? 0.02) };
function instants({ from, to, count }) {
  const out = [];
  for (let k = 0; k < count; ++k) out.push(365.25 * (from + ((to - from) * (k + ((k * 0.6180339887 + 0.37) % 1))) / count));
  return out;
}
function samples(body) {
  const list = [...instants(FIT_RANGE).map((ut) => [ut, 1]), ...instants(WIDE_RANGE).map((ut) => [ut, WIDE_RANGE.weight])];
  return list.map(([ut, w]) => {
    const time = A.MakeTime(ut);
    const T = (ut + 2451545 - 2415020) / 36525;
    const eps = poly(el.sun.E, T);
    let v;
    if (body === 'Sun') {
      const e = A.HelioVector(A.Body.Earth, time);
      v = new A.Vector(-e.x, -e.y, -e.z, time);
    } else v = A.HelioVector(A.Body[body], time);
    const p = toEcliptic(toMeanOfDate(v, time), eps);
    return { T, p, r: Math.hypot(...p), w: Math.sqrt(w), fit: w === 1 };
  });
}

// Scaled time s = (T - 1) / 2 maps 1800-2200 onto [-1, 1]; corrections are cubics in s.
const scaled = (T) => (T - 1) / 2;
function applyCorrection(base, keys, x) {
  const out = structuredClone(base);
  keys.forEach((k, n) => {
    const q = x.slice(4 * n, 4 * n + 4); // correction = q0 + q1 s + q2 s^2 + q3 s^3
    // Expand in T: s = (T - 1)/2.
    const c = [q[0] - q[1] / 2 + q[2] / 4 - q[3] / 8, q[1] / 2 - q[2] / 2 + (3 * q[3]) / 8,
      q[2] / 4 - (3 * q[3]) / 8, q[3] / 8];
    out[k] = out[k].map((v, j) => v + c[j]);
  });
  return out;
}

function residuals(elements, data, isSun) {
  const res = [];
  for (const { T, p, r, w } of data) {
    const q = isSun ? sunGeo(elements, T) : planetHelio(elements, T);
    for (let k = 0; k < 3; ++k) res.push(((q[k] - p[k]) / r) * w);
  }
  return res;
}

const rmsArcmin = (res) => Math.sqrt(res.reduce((s, v) => s + v * v, 0) / (res.length / 3)) / D2R * 60;

function fitBody(name, body, base) {
  const isSun = name === 'Soleil';
  const keys = isSun ? KEYS_SUN : KEYS_PLANET;
  const data = samples(body);
  const inSpan = data.filter((d) => d.fit);
  let x = new Array(4 * keys.length).fill(0);
  let current = residuals(applyCorrection(base, keys, x), data, isSun);
  let cost = current.reduce((s, v) => s + v * v, 0);
  const before = rmsArcmin(residuals(base, inSpan, isSun));
  let lambda = 1e-3;
  for (let iter = 0; iter < 40; ++iter) {
    const J = x.map((_, n) => {
      const h = STEP[keys[Math.floor(n / 4)]];
      const xp = x.slice();
      xp[n] += h;
      const rp = residuals(applyCorrection(base, keys, xp), data, isSun);
      return rp.map((v, m) => (v - current[m]) / h);
    });
    const N = J.map((a) => J.map((b) => a.reduce((s, v, m) => s + v * b[m], 0)));
    const g = J.map((a) => -a.reduce((s, v, m) => s + v * current[m], 0));
    let improved = false;
    for (let tries = 0; tries < 10 && !improved; ++tries) {
      const Nd = N.map((row, p) => row.map((v, q) => (p === q ? v * (1 + lambda) + 1e-30 : v)));
      const dx = solve(Nd, g);
      const xt = x.map((v, n) => v + dx[n]);
      const rt = residuals(applyCorrection(base, keys, xt), data, isSun);
      const ct = rt.reduce((s, v) => s + v * v, 0);
      if (ct < cost) {
        const gain = (cost - ct) / cost;
        x = xt; current = rt; cost = ct; lambda = Math.max(lambda / 10, 1e-12); improved = true;
        if (gain < 1e-9) iter = 1000;
      } else lambda *= 10;
    }
    if (!improved) break;
  }
  const fitted = applyCorrection(base, keys, x);
  for (const k of Object.keys(fitted)) fitted[k] = fitted[k].map((v) => Number(v.toPrecision(12)));
  const after = rmsArcmin(residuals(fitted, inSpan, isSun));
  console.log(`${name.padEnd(8)} heliocentric RMS 1800-2200 ${before.toFixed(3)}' -> ${after.toFixed(3)}'`);
  return fitted;
}

export function fit(here) {
  const english = { Soleil: 'Sun', Mercure: 'Mercury', Venus: 'Venus', Mars: 'Mars', Jupiter: 'Jupiter',
    Saturne: 'Saturn', Uranus: 'Uranus', Neptune: 'Neptune', Pluton: 'Pluto' };
  const out = {};
  for (const [name, body] of Object.entries(english)) {
    const base = name === 'Soleil' ? el.sun : el.planets[name];
    out[name] = fitBody(name, body, base);
  }
  // The Earth's orbit is the fitted Sun's turned by 180 degrees.
  out.Terre = { ...structuredClone(el.planets.Terre), L: out.Soleil.L.slice(), e: out.Soleil.e.slice(), M: out.Soleil.M.slice() };
  out.Terre.L[0] = Number((((out.Soleil.L[0] + 180) % 360)).toPrecision(12));
  const file = path.join(here, 'fitted.json');
  fs.writeFileSync(`${file}.tmp`, JSON.stringify(out, null, 1) + '\n');
  fs.renameSync(`${file}.tmp`, file);
  console.log('wrote tools/solar/fitted.json');
}
