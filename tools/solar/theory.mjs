// SPDX-License-Identifier: GPL-3.0-or-later
// The program's Sun and planet algorithms (Kepler by 20 fixed-point steps, true anomaly,
// heliocentric ecliptic place of date), repeated here so that the element fit optimises exactly
// what the program computes.
const D2R = Math.PI / 180;
const R2D = 180 / Math.PI;

export const poly = (c, t) => c[0] + t * (c[1] + t * (c[2] + t * c[3]));
export const norm360 = (x) => ((x % 360) + 360) % 360;

function kepler(Mdeg, e, n) {
  const M = Mdeg * D2R;
  let E = M;
  for (let k = 0; k < n; ++k) E = M + e * Math.sin(E);
  return E;
}
const trueAnomaly = (E, e) => 2 * R2D * Math.atan(Math.sqrt((1 + e) / (1 - e)) * Math.tan(E / 2));

// Heliocentric ecliptic rectangular coordinates of date (AU) of a planet's elements at t.
export function planetHelio(el, t) {
  const L = norm360(poly(el.L, t)), a = poly(el.a, t), e = poly(el.e, t);
  const i = norm360(poly(el.i, t)), O = norm360(poly(el.O, t)), M = norm360(poly(el.M, t));
  const E = kepler(M, e, 20);
  const nu = trueAnomaly(E, e);
  const r = a * (1 - e * Math.cos(E));
  const u = norm360(L + nu - (M + O));
  const l = R2D * Math.atan2(Math.sin(u * D2R) * Math.cos(i * D2R), Math.cos(u * D2R));
  const lam = (l + O) * D2R;
  const beta = Math.asin(Math.sin(u * D2R) * Math.sin(i * D2R));
  return [r * Math.cos(beta) * Math.cos(lam), r * Math.cos(beta) * Math.sin(lam), r * Math.sin(beta)];
}

// Geocentric ecliptic rectangular coordinates of date (AU) of the Sun from its apparent orbit.
export function sunGeo(sun, t) {
  const L = norm360(poly(sun.L, t)), e = poly(sun.e, t), M = norm360(poly(sun.M, t));
  const E = kepler(M, e, 20);
  const lam = (L + trueAnomaly(E, e) - M) * D2R;
  const R = 1.0000002 * (1 - e * Math.cos(E));
  return [R * Math.cos(lam), R * Math.sin(lam), 0];
}

// Solution of the linear system A x = b by Gauss-Jordan elimination with partial pivoting.
export function solve(A, b) {
  const n = b.length, M = A.map((row, k) => [...row, b[k]]);
  for (let c = 0; c < n; ++c) {
    let p = c;
    for (let r = c + 1; r < n; ++r) if (Math.abs(M[r][c]) > Math.abs(M[p][c])) p = r;
    [M[c], M[p]] = [M[p], M[c]];
    for (let r = 0; r < n; ++r) {
      if (r === c) continue;
      const f = M[r][c] / M[c][c];
      for (let k = c; k <= n; ++k) M[r][k] -= f * M[c][k];
    }
  }
  return M.map((row, k) => row[n] / row[k]);
}
