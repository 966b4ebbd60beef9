// SPDX-License-Identifier: GPL-3.0-or-later
// Reference horizontal coordinates for the sky map tests. For each instant, place and equatorial
// point, Astronomy Engine's Horizon() (no refraction) gives altitude and azimuth; the right
// ascension and declination are handed to it as coordinates of date, so the comparison checks the
// horizontal transform and the sidereal time, not precession. Azimuth is converted to the map's
// convention: from the south, increasing towards the west.
import * as Astronomy from 'astronomy-engine';

const instants = [
  [2026, 12, 9, 20, 0],
  [2026, 6, 21, 22, 30],
  [1999, 8, 11, 10, 15],
  [2010, 3, 1, 3, 45],
];
const places = [
  ['Annecy', 45.9, 6.2],     // latitude north, longitude east
  ['Sydney', -33.87, 151.21],
  ['Quito', -0.18, -78.47],
  ['Tromso', 69.65, 18.96],
];
const points = [
  ['Vega', 279.2347, 38.7837],
  ['Capella', 79.1723, 45.998],
  ['Sirius', 101.2872, -16.7161],
  ['Canopus', 95.988, -52.6957],
  ['Polaris', 37.9546, 89.2641],
  ['Betelgeuse', 88.7929, 7.4071],
  ['Rigel', 78.6345, -8.2016],
  ['Altair', 297.6958, 8.8683],
  ['Acrux', 186.6496, -63.0991],
  ['Equator0', 0.0, 0.0],
];
console.log('# Reference altitude/azimuth from astronomy-engine 2.1.19 Horizon(), no refraction.');
console.log('# Regenerate with tests/skymap/reference/run. Azimuth: from the south towards the west.');
console.log('# year,month,day,hour,minute,lat_deg,lon_east_deg,ra_deg,dec_deg,alt_deg,az_deg');
for (const [y, mo, d, h, mi] of instants) {
  const time = Astronomy.MakeTime(new Date(Date.UTC(y, mo - 1, d, h, mi)));
  for (const [, lat, lon] of places) {
    const observer = new Astronomy.Observer(lat, lon, 0);
    for (const [, ra, dec] of points) {
      const hor = Astronomy.Horizon(time, observer, ra / 15, dec, undefined);
      const az = (hor.azimuth + 180) % 360;
      console.log([y, mo, d, h, mi, lat, lon, ra, dec, hor.altitude.toFixed(6), az.toFixed(6)].join(','));
    }
  }
}
