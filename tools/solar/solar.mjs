// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the solar-system files of data/ (Sys.syt, the Sun, the nine planets and the Moon) and
// the reference positions of tests/data/astro_reference.csv.
//   node solar.mjs data        write data/*.syt from elements.mjs and fitted.json
//   node solar.mjs reference   write tests/data/astro_reference.csv (needs astronomy-engine)
//   node solar.mjs fit         fit elements to Astronomy Engine, write fitted.json
//   node solar.mjs data --published --out DIR   the published elements alone, into DIR
// tools/solar/run installs astronomy-engine@2.1.19 and runs all three in order.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import * as el from './elements.mjs';
import { solve } from './theory.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '..', '..');
// `data --published --out DIR` writes the published elements only, into DIR (for comparisons).
const argOut = process.argv.indexOf('--out');
const dataDir = argOut > 0 ? path.resolve(process.argv[argOut + 1]) : path.join(root, 'data');
const publishedOnly = process.argv.includes('--published');

// A coefficient list ends at its first 0, which is written; the reader stops there.
function number(x) {
  if (x === 0) return '0';
  const s = String(Number(x.toPrecision(12)));
  if (Number(s) === 0) throw new Error(`coefficient ${x} would be written as 0`);
  return s;
}
function list(key, c) {
  const out = [];
  for (const v of c) {
    out.push(number(v));
    if (v === 0) return `${key} ${out.join(' ')}`;
  }
  return `${key} ${out.join(' ')} 0`;
}
const sub = (p, q) => p.map((v, k) => v - q[k]);
function perihelion(e) {
  const o = sub(e.L, e.M);
  o[0] = ((o[0] % 360) + 360) % 360;
  return o.map((v) => Number(v.toPrecision(12)));
}
function writeLatin1(file, text) {
  const tmp = `${file}.tmp${process.pid}`;
  fs.writeFileSync(tmp, Buffer.from(text, 'latin1'));
  fs.renameSync(tmp, file);
}
function elementLines(e) {
  return [list('L', e.L), list('a', e.a), list('e', e.e), list('i', e.i), list('o', perihelion(e)),
    list('O', e.O), list('M', e.M)];
}

function loadFitted() {
  const f = path.join(here, 'fitted.json');
  return !publishedOnly && fs.existsSync(f) ? JSON.parse(fs.readFileSync(f, 'utf8')) : {};
}

// The Moon's magnitude, V = 0.21 + 5 log10(r delta) + 0.026 i + 4e-9 i^4 (Allen, Astrophysical
// Quantities), as the cubic in x = i/100 that fits best for 0 <= i <= 160 degrees.
function moonMagnitudeCubic() {
  const rows = [];
  for (let i = 0; i <= 160; i += 1) rows.push([i / 100, 0.026 * i + 4e-9 * i ** 4]);
  // Least squares for c1 x + c2 x^2 + c3 x^3 (no constant: 0 at full Moon).
  const A = [[0, 0, 0], [0, 0, 0], [0, 0, 0]], b = [0, 0, 0];
  for (const [x, y] of rows) {
    const f = [x, x * x, x * x * x];
    for (let p = 0; p < 3; ++p) {
      b[p] += f[p] * y;
      for (let q = 0; q < 3; ++q) A[p][q] += f[p] * f[q];
    }
  }
  return [0.21, ...solve(A, b).map((v) => Number(v.toPrecision(6)))];
}

function writeData() {
  fs.mkdirSync(dataDir, { recursive: true });
  const fitted = loadFitted();
  const sun = fitted.Soleil ?? el.sun;
  const sunText = ['Nom:Soleil', `Couleur:${el.colours.Soleil}`, `Rayon:${el.radii.Soleil}`,
    ...elementLines(sun), list('E', sun.E)].join('\n') + '\n';
  writeLatin1(path.join(dataDir, 'soleil.syt'), sunText);

  for (const [name, file] of Object.entries(el.planetFiles)) {
    const e = fitted[name] ?? el.planets[name];
    const lines = [`Nom:${name}`, `Couleur:${el.colours[name]}`, `Rayon:${el.radii[name]}`,
      ...elementLines(e)];
    if (name === 'Terre') lines.push('Nombre de satellite(s):1', 'Fichier du satellite:lune.syt');
    else lines.push('Nombre de satellite(s):0');
    lines.push(`Mag ${el.magnitudes[name].map(number).join(' ')}`);
    writeLatin1(path.join(dataDir, file), lines.join('\n') + '\n');
  }

  const moonText = ['Nom:Lune', `Couleur:${el.colours.Lune}`, `Rayon:${el.radii.Lune}`,
    ...elementLines(el.moon), `Mag ${moonMagnitudeCubic().map(number).join(' ')}`].join('\n') + '\n';
  writeLatin1(path.join(dataDir, 'lune.syt'), moonText);

  const sys = ['Fichier du soleil:soleil.syt', `Nombre de planetes:${Object.keys(el.planetFiles).length}`,
    ...Object.values(el.planetFiles).map((f) => `Fichier de la planete:${f}`)];
  const catalogues = [['Fichier des constellations:', 'constel.syt'],
    ['Fichier des objets Messier:', 'messier.syt'], ['Fichier des objets NGC:', 'ngc.syt'],
    ['Fichier de la Voie Lact\u00e9e:', 'lactee.syt'], ['Fichier des cometes:', 'comet.syt'],
    ['Fichier des frontieres:', 'frontier.syt']];
  const present = catalogues.filter(([, f]) => fs.existsSync(path.join(dataDir, f)));
  if (present.length === catalogues.length) sys.push(...catalogues.map(([k, f]) => k + f));
  else console.log(`Sys.syt: catalogue lines left out, ${catalogues.length - present.length} of 6 files missing`);
  writeLatin1(path.join(dataDir, 'Sys.syt'), sys.join('\n') + '\n');
  console.log(`wrote Sys.syt, soleil.syt, lune.syt and nine planet files in ${dataDir}`);
}

const command = process.argv[2];
if (command === 'data') writeData();
else if (command === 'reference') (await import('./reference.mjs')).writeReference(root);
else if (command === 'fit') (await import('./fit.mjs')).fit(here);
else {
  console.error('usage: node solar.mjs data|reference|fit');
  process.exit(2);
}
