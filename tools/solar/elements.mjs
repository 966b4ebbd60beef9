// SPDX-License-Identifier: GPL-3.0-or-later
// Published mean elements of the Sun's apparent orbit and of the planets, referred to the mean
// equinox and ecliptic of date, as polynomials in T = Julian centuries from JD 2415020.0
// (1900 January 0.5). Source: J. Meeus, "Astronomical Formulae for Calculators" (Willmann-Bell,
// 4th ed. 1988), the tables of the Sun (chapter "Solar coordinates") and of the planets' mean
// orbital elements, which go back to Newcomb and to the Explanatory Supplement to the
// Astronomical Ephemeris (1961). Pluto is not in those tables: its start values are the J2000
// osculating elements of JPL's "Keplerian elements for approximate positions of the major
// planets" (E. M. Standish), moved to the 1900 epoch; fit.mjs then fits them.
//
// Each element is [c0, c1, c2, c3] (degrees, AU or unitless). The "o" list of the files, the
// longitude of perihelion, is written as L - M by solar.mjs.

export const sun = {
  L: [279.69668, 36000.76892, 0.0003025, 0],
  a: [1.0000002, 0, 0, 0],
  e: [0.01675104, -0.0000418, -0.000000126, 0],
  i: [0, 0, 0, 0],
  O: [0, 0, 0, 0],
  M: [358.47583, 35999.04975, -0.00015, -0.0000033],
  E: [23.452294, -0.0130125, -0.00000164, 0.000000503],
};

export const planets = {
  Mercure: {
    L: [178.179078, 149474.07078, 0.0003011, 0],
    a: [0.3870986, 0, 0, 0],
    e: [0.20561421, 0.00002046, -0.00000003, 0],
    i: [7.002881, 0.0018608, -0.0000183, 0],
    O: [47.145944, 1.1852083, 0.0001739, 0],
    M: [102.27938, 149472.51529, 0.000007, 0],
  },
  Venus: {
    L: [342.767053, 58519.21191, 0.0003097, 0],
    a: [0.7233316, 0, 0, 0],
    e: [0.00682069, -0.00004774, 0.000000091, 0],
    i: [3.393631, 0.0010058, -0.000001, 0],
    O: [75.779647, 0.89985, 0.00041, 0],
    M: [212.60322, 58517.80387, 0.001286, 0],
  },
  // The Earth's heliocentric orbit is the Sun's apparent orbit turned by 180 degrees.
  Terre: {
    L: [99.69668, 36000.76892, 0.0003025, 0],
    a: [1.0000002, 0, 0, 0],
    e: [0.01675104, -0.0000418, -0.000000126, 0],
    i: [0, 0, 0, 0],
    O: [0, 0, 0, 0],
    M: [358.47583, 35999.04975, -0.00015, -0.0000033],
  },
  Mars: {
    L: [293.737334, 19141.69551, 0.0003107, 0],
    a: [1.5236883, 0, 0, 0],
    e: [0.0933129, 0.000092064, -0.000000077, 0],
    i: [1.850333, -0.000675, 0.0000126, 0],
    O: [48.786442, 0.7709917, -0.0000014, -0.00000533],
    M: [319.51913, 19139.85475, 0.000181, 0],
  },
  Jupiter: {
    L: [238.049257, 3036.301986, 0.0003347, -0.00000165],
    a: [5.202561, 0, 0, 0],
    e: [0.04833475, 0.00016418, -0.0000004676, -0.0000000017],
    i: [1.308736, -0.0056961, 0.0000039, 0],
    O: [99.443414, 1.01053, 0.00035222, -0.00000851],
    M: [225.32833, 3034.69202, -0.000722, 0],
  },
  Saturne: {
    L: [266.564377, 1223.509884, 0.0003245, -0.0000058],
    a: [9.554747, 0, 0, 0],
    e: [0.05589232, -0.0003455, -0.000000728, 0.00000000074],
    i: [2.492519, -0.0039189, -0.00001549, 0.00000004],
    O: [112.790414, 0.8731951, -0.00015218, -0.00000531],
    M: [175.46622, 1221.55147, -0.000502, 0],
  },
  Uranus: {
    L: [244.19747, 429.863546, 0.000316, -0.0000006],
    a: [19.21814, 0, 0, 0],
    e: [0.0463444, -0.00002658, 0.000000077, 0],
    i: [0.772464, 0.0006253, 0.0000395, 0],
    O: [73.477111, 0.4986678, 0.0013117, 0],
    M: [72.64878, 428.37911, 0.000079, 0],
  },
  Neptune: {
    L: [84.457994, 219.885914, 0.0003205, -0.0000006],
    a: [30.10957, 0, 0, 0],
    e: [0.00899704, 0.00000633, -0.000000002, 0],
    i: [1.779242, -0.0095436, -0.0000091, 0],
    O: [130.681389, 1.098935, 0.00024987, -0.000004718],
    M: [37.73063, 218.46134, -0.00007, 0],
  },
  // J2000 osculating elements (L 238.92881, a 39.48168677, e 0.24880766, i 17.14175,
  // longitude of perihelion 224.06676, node 110.30347) with their rates, moved back one century.
  Pluton: {
    L: [238.92881 - 145.20780515, 145.20780515, 0, 0],
    a: [39.48168677, 0, 0, 0],
    e: [0.24880766, 0, 0, 0],
    i: [17.14175, 0, 0, 0],
    O: [110.30347 + 0.0111, -0.0111, 0, 0],
    M: [238.92881 - 145.20780515 - 224.06676 - 0.0004 + 360, 145.20780515 + 0.0004, 0, 0],
  },
};

// Equatorial radii, km (IAU WG on Cartographic Coordinates and Rotational Elements, 2015).
export const radii = {
  Soleil: 696000, Mercure: 2439.7, Venus: 6051.8, Terre: 6378.14, Mars: 3396.19,
  Jupiter: 71492, Saturne: 60268, Uranus: 25559, Neptune: 24764, Pluton: 1188.3, Lune: 1737.4,
};

// Visual magnitude m = mag0 + 5 log10(r delta) + mag1 x + mag2 x^2 + mag3 x^3 with x = phase
// angle in degrees / 100. Coefficients of the Astronomical Almanac (1984) as given by Meeus,
// "Astronomical Algorithms" (1991), chapter "Illuminated fraction and magnitude"; each
// per-degree coefficient is multiplied by 100^k. Saturn's ring term cannot be written in this
// form and is left out. The Earth's is V(1,0) = -3.86.
export const magnitudes = {
  Mercure: [-0.42, 3.8, -2.73, 2.0],
  Venus: [-4.4, 0.09, 2.39, -0.65],
  Terre: [-3.86, 0, 0, 0],
  Mars: [-1.52, 1.6, 0, 0],
  Jupiter: [-9.4, 0.5, 0, 0],
  Saturne: [-8.88, 4.4, 0, 0],
  Uranus: [-7.19, 0, 0, 0],
  Neptune: [-6.87, 0, 0, 0],
  Pluton: [-1.0, 0, 0, 0],
};

// The Moon's mean elements of the lunar theory (mean longitude, mean anomaly, node), the
// mean distance in km and the mean inclination and eccentricity.
// The position routine uses its own series; these are what the satellite file carries.
export const moon = {
  L: [270.434164, 481267.8831, -0.001133, 0.0000019],
  a: [384400, 0, 0, 0],
  e: [0.0549, 0, 0, 0],
  i: [5.145396, 0, 0, 0],
  O: [259.183275, -1934.142, 0.002078, 0.0000022],
  M: [296.104608, 477198.8491, 0.009192, 0.0000144],
};

export const colours = {
  Soleil: 'Jaune', Mercure: 'Gris', Venus: 'Blanc', Terre: 'Bleu', Mars: 'Rouge',
  Jupiter: 'Orange', Saturne: 'Jaune', Uranus: 'Vert', Neptune: 'Bleu', Pluton: 'Gris',
  Lune: 'Blanc',
};

export const planetFiles = {
  Mercure: 'mercure.syt', Venus: 'venus.syt', Terre: 'terre.syt', Mars: 'mars.syt',
  Jupiter: 'jupiter.syt', Saturne: 'saturne.syt', Uranus: 'uranus.syt', Neptune: 'neptune.syt',
  Pluton: 'pluton.syt',
};
