// SPDX-License-Identifier: GPL-3.0-or-later
// Reference events of the Galilean moons, 2026-2028, from Astronomy Engine's geometry (npm
// astronomy-engine@2.1.19, MIT): its heliocentric Earth and Jupiter, JupiterMoons and Jupiter's
// rotation axis. Written to tests/data/ as utc,moon,event: jovian_events_reference.csv (the four
// moons, 2026-2028) and jovian_callisto_2024_reference.csv (Callisto, 2024).
//
// The definitions are those of the program's events, seen from the Earth's centre:
// - Jupiter is a spheroid (equatorial radius 71492 km, polar 66854 km) about its IAU pole, taken at
//   its light time; each moon is taken at its own light time.
// - transit / occultation: the line from the Earth to the moon's centre enters or leaves the
//   spheroid's outline, with the moon nearer / farther than Jupiter's centre;
// - eclipse: the moon's centre enters or leaves the umbra (Sun radius 695700 km);
// - shadow: the point where the Sun-moon line meets the spheroid comes onto or leaves the
//   hemisphere facing the Earth.
// The Sun, Jupiter and the moon are geometric heliocentric places at the moon's light time.
// TT - UT is 69.2 s throughout. Instants are found on a 2-minute grid and refined by bisection to
// a tenth of a second, then rounded to the second.
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

A.SetDeltaTFunction(() => 69.2);

const KM = A.KM_PER_AU;
const a = 71492 / KM, b = 66854 / KM, sunRadius = 695700 / KM;
const names = ['Io', 'Europa', 'Ganymede', 'Callisto'];
const keys = ['io', 'europa', 'ganymede', 'callisto'];

const add = (p, q) => ({ x: p.x + q.x, y: p.y + q.y, z: p.z + q.z });
const sub = (p, q) => ({ x: p.x - q.x, y: p.y - q.y, z: p.z - q.z });
const mul = (p, k) => ({ x: p.x * k, y: p.y * k, z: p.z * k });
const dot = (p, q) => p.x * q.x + p.y * q.y + p.z * q.z;
const cross = (p, q) => ({ x: p.y * q.z - p.z * q.y, y: p.z * q.x - p.x * q.z, z: p.x * q.y - p.y * q.x });
const norm = (p) => Math.hypot(p.x, p.y, p.z);
// Stretches the polar component by a/b: the spheroid becomes a sphere of radius a.
const stretch = (p, pole) => add(p, mul(pole, (a / b - 1) * dot(p, pole)));

// Earth, Jupiter's centre at its light time and pole, for one UT instant (days from J2000).
function system(ut) {
  const t = A.MakeTime(ut);
  const earth = A.HelioVector(A.Body.Earth, t);
  let tau = 0, jup;
  for (let i = 0; i < 3; ++i) {
    jup = A.HelioVector(A.Body.Jupiter, t.AddDays(-tau));
    tau = norm(sub(jup, earth)) / A.C_AUDAY;
  }
  const emitted = t.AddDays(-tau);
  const js = A.HelioState(A.Body.Jupiter, emitted);
  return {
    earth, jup, tau, emitted,
    jupVel: { x: js.vx, y: js.vy, z: js.vz },
    moons: A.JupiterMoons(emitted),
    pole: A.RotationAxis(A.Body.Jupiter, emitted).north,
  };
}

// The three states of moon k: on the disc (and nearer than Jupiter), in the umbra, shadow seen.
function states(sys, k) {
  const m = sys.moons[keys[k]];
  const rel0 = { x: m.x, y: m.y, z: m.z };
  const moon0 = add(sys.jup, rel0);
  // The moon's own light time: move the system back by the difference, at its velocities.
  const dtau = norm(sub(moon0, sys.earth)) / A.C_AUDAY - sys.tau;
  const rel = sub(rel0, mul({ x: m.vx, y: m.vy, z: m.vz }, dtau));
  const jupAtMoon = sub(sys.jup, mul(sys.jupVel, dtau));
  const moon = add(jupAtMoon, rel);
  const pole = sys.pole;

  // Disc: the line Earth-moon against the stretched sphere about Jupiter's centre.
  const e = stretch(sub(sys.earth, sys.jup), pole);
  const q = stretch(sub(moon, sys.jup), pole);
  const d = sub(q, e);
  const onDisc = norm(cross(e, d)) / norm(d) < a;
  const nearer = norm(sub(moon, sys.earth)) < norm(sub(sys.jup, sys.earth));

  // Umbra: the cone behind the sphere, apex at L from the centre.
  const p = stretch(rel, pole);
  const s = stretch(mul(jupAtMoon, -1), pole); // the Sun from Jupiter
  const D = norm(s);
  const w = mul(s, -1 / D);
  const x = dot(p, w);
  const rho = norm(sub(p, mul(w, x)));
  const L = (a * D) / (sunRadius - a);
  const inUmbra = x > 0 && x < L && rho < ((L - x) * a) / Math.sqrt(L * L - a * a);

  // Shadow: from the moon away from the Sun to the sphere, then the facing test on the spheroid.
  let shadowSeen = false;
  const u = mul(sub(p, s), 1 / norm(sub(p, s)));
  const pu = dot(p, u);
  const disc = pu * pu - (dot(p, p) - a * a);
  if (disc >= 0) {
    const lambda = -pu - Math.sqrt(disc);
    if (lambda > 0) {
      const hitStretched = add(p, mul(u, lambda));
      const hit = add(hitStretched, mul(pole, (b / a - 1) * dot(hitStretched, pole)));
      const normal = stretch(hitStretched, pole); // gradient of the spheroid at the hit point
      shadowSeen = dot(normal, sub(sub(sys.earth, jupAtMoon), hit)) > 0;
    }
  }
  return [onDisc, nearer, inUmbra, shadowSeen];
}

const stateAt = (ut, k) => states(system(ut), k);

const step = 2 / 1440;

function refine(lo, hi, k, which) {
  const s0 = stateAt(lo, k)[which];
  while (hi - lo > 0.1 / 86400) {
    const mid = (lo + hi) / 2;
    if (stateAt(mid, k)[which] === s0) lo = mid;
    else hi = mid;
  }
  return (lo + hi) / 2;
}

// Every event of the moons `which` from `from` to `to` (JS dates), in time order.
function search(from, to, moons) {
  const startUt = A.MakeTime(from).ut;
  const endUt = A.MakeTime(to).ut;
  const events = [];
  const prev = [];
  for (const k of moons) prev[k] = states(system(startUt), k);
  for (let ut = startUt + step; ut <= endUt + 1e-9; ut += step) {
    const sys = system(ut);
    for (const k of moons) {
      const now = states(sys, k);
      for (const which of [0, 2, 3]) {
        if (now[which] === prev[k][which]) continue;
        const when = refine(ut - step, ut, k, which);
        const begins = now[which];
        let kind;
        if (which === 0) kind = (stateAt(when, k)[1] ? 'transit' : 'occultation') + (begins ? '_start' : '_end');
        else if (which === 2) kind = begins ? 'eclipse_start' : 'eclipse_end';
        else kind = begins ? 'shadow_start' : 'shadow_end';
        events.push([when, names[k], kind]);
      }
      prev[k] = now;
    }
  }
  return events.sort((p, q) => p[0] - q[0]);
}

const utcText = (ut) => {
  const ms = Math.round((ut * 86400 + 946728000) ) * 1000; // J2000 = 2000-01-01T12:00:00 UT
  return new Date(ms).toISOString().slice(0, 19);
};
function write(file, title, events) {
  const lines = [`# ${title} (UT, TT-UT 69.2 s) from Astronomy Engine 2.1.19 geometry; tools/satellites/moon_events.mjs`,
    'utc,moon,event', ...events.map(([ut, moon, kind]) => `${utcText(ut)},${moon},${kind}`)];
  fs.writeFileSync(path.join(outDir, file), lines.join('\n') + '\n');
  console.log(`wrote ${events.length} events to tests/data/${file}`);
}

write('jovian_events_reference.csv', 'Galilean moon events 2026-2028',
  search(new Date(Date.UTC(2026, 0, 1)), new Date(Date.UTC(2029, 0, 1)), [0, 1, 2, 3]));
// Jupiter's northern summer solstice: Callisto passes above or below the shadow all year.
write('jovian_callisto_2024_reference.csv', 'Callisto events 2024',
  search(new Date(Date.UTC(2024, 0, 1)), new Date(Date.UTC(2025, 0, 1)), [3]));
