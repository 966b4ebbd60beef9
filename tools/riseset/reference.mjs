// SPDX-License-Identifier: GPL-3.0-or-later
// Reference rise, transit and set times for the tests, from Astronomy Engine (npm
// astronomy-engine@2.1.19, MIT):
//   node tools/riseset/reference.mjs > tests/data/riseset_reference.csv
// (tools/riseset/run installs the package and does this.)
// One row per body, place and local calendar day:
//   body,place,lat,lon_east,offset_h,local_date,rise_utc,transit_utc,transit_alt,set_utc
// The local day runs from local midnight (UT = local time - offset_h) for 24 hours. rise_utc and
// set_utc: the first SearchRiseSet in that day (upper limb of the Sun and the Moon, centre of the
// planets, 34' of refraction, observer at sea level); transit_utc: the first SearchHourAngle with
// hour angle 0 (upper culmination, topocentric) in that day, and transit_alt the topocentric
// altitude of the centre then, true equator of date, without refraction. "" for an event that does
// not happen in the day. Times are rounded to the second.
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const A = require('astronomy-engine');

const places = {
  Tromso: { lat: 69.6496, lon: 18.9553, winter: 1, summer: 2 },
  Paris: { lat: 48.8566, lon: 2.3522, winter: 1, summer: 2 },
  Quito: { lat: -0.1807, lon: -78.4678, winter: -5, summer: -5 },
  Sydney: { lat: -33.8688, lon: 151.2093, winter: 11, summer: 10 }, // winter: the northern one
};
// Summer time from the last Sunday of March to the last Sunday of October (northern places);
// Sydney's months are the other way round, and the rows only need an offset that is consistent.
function offsetOf(place, y, m, d) {
  const summer = m > 3 && m < 10 || (m === 3 && d >= 29) || (m === 10 && d < 25);
  return summer ? place.summer : place.winter;
}

function iso(time) {
  return new Date(Math.round(time.date.getTime() / 1000) * 1000).toISOString().replace('.000Z', 'Z');
}

function row(bodyName, placeName, y, m, d) {
  const place = places[placeName];
  const offset = offsetOf(place, y, m, d);
  const observer = new A.Observer(place.lat, place.lon, 0);
  const body = A.Body[bodyName];
  const start = A.MakeTime(new Date(Date.UTC(y, m - 1, d) - offset * 3600e3));
  const within = (t) => t && t.ut >= start.ut && t.ut < start.ut + 1;
  const rise = A.SearchRiseSet(body, observer, +1, start, 1);
  const set = A.SearchRiseSet(body, observer, -1, start, 1);
  const transit = A.SearchHourAngle(body, observer, 0, start, +1).time;
  let transitText = ',';
  if (within(transit)) {
    const eq = A.Equator(body, transit, observer, true, true);
    const alt = A.Horizon(transit, observer, eq.ra, eq.dec).altitude;
    transitText = `${iso(transit)},${alt.toFixed(3)}`;
  }
  const date = `${y}-${String(m).padStart(2, '0')}-${String(d).padStart(2, '0')}`;
  return [bodyName, placeName, place.lat, place.lon, offset, date, within(rise) ? iso(rise) : '', transitText,
    within(set) ? iso(set) : ''].join(',');
}

// Calendar days from (y, m, d) every `step` days, `count` of them.
function days(y, m, d, step, count) {
  const out = [];
  for (let k = 0; k < count; ++k) {
    const t = new Date(Date.UTC(y, m - 1, d + k * step));
    out.push([t.getUTCFullYear(), t.getUTCMonth() + 1, t.getUTCDate()]);
  }
  return out;
}

const rows = [];
// The Sun at Tromso through a year, the polar night and the midnight sun included.
for (const [y, m, d] of days(2026, 1, 3, 6, 61)) rows.push(row('Sun', 'Tromso', y, m, d));
for (const p of ['Paris', 'Quito', 'Sydney'])
  for (const [y, m, d] of days(2026, 1, 10, 30, 13)) rows.push(row('Sun', p, y, m, d));
// The Moon every day of two lunations in Paris (rises after midnight, days without a rise or a
// transit), one at Tromso (where it stays up or down for days) and one in Sydney.
for (const [y, m, d] of days(2026, 11, 1, 1, 59)) rows.push(row('Moon', 'Paris', y, m, d));
for (const [y, m, d] of days(2026, 12, 1, 1, 30)) rows.push(row('Moon', 'Tromso', y, m, d));
for (const [y, m, d] of days(2027, 3, 1, 1, 30)) rows.push(row('Moon', 'Sydney', y, m, d));
// The planets over two years in Paris and at Tromso (where some transit below the horizon).
for (const p of ['Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune'])
  for (const place of ['Paris', 'Tromso'])
    for (const [y, m, d] of days(2026, 1, 15, 46, 16)) rows.push(row(p, place, y, m, d));

console.log('# Rise, transit and set: tools/riseset/reference.mjs (Astronomy Engine 2.1.19).');
console.log('# body,place,lat,lon_east,offset_h,local_date,rise_utc,transit_utc,transit_alt,set_utc');
for (const r of rows) console.log(r);
