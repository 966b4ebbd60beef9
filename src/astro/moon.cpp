// SPDX-License-Identifier: GPL-3.0-or-later
// Lunar theory with the periodic terms of J. Meeus, "Astronomical Formulae for Calculators"
// (1900-epoch arguments). Every argument is in degrees.
#include "astro/moon.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/sun.h"

namespace {
// One periodic term: coefficient (deg), power of the eccentricity factor, and the multiples of
// D, M, M' and F in its argument.
struct Term {
    double coefficient;
    int ePower;
    int d, m, mp, f;
};

// Longitude, in the order they are added.
constexpr Term kLongitude[50] = {
    {6.28875, 0, 0, 0, 1, 0},    {1.274018, 0, 2, 0, -1, 0},  {0.658309, 0, 2, 0, 0, 0},
    {0.213616, 0, 0, 0, 2, 0},   {-0.185596, 1, 0, 1, 0, 0},  {-0.114336, 0, 0, 0, 0, 2},
    {0.058793, 0, 2, 0, -2, 0},  {0.057212, 1, 2, -1, -1, 0}, {0.05332, 0, 2, 0, 1, 0},
    {0.045874, 1, 2, -1, 0, 0},  {0.041024, 1, 0, -1, 1, 0},  {-0.034718, 0, 1, 0, 0, 0},
    {-0.030465, 1, 0, 1, 1, 0},  {0.015326, 0, 2, 0, 0, -2},  {-0.012528, 0, 0, 0, 1, 2},
    {-0.01098, 0, 0, 0, -1, 2},  {0.010674, 0, 4, 0, -1, 0},  {0.010034, 0, 0, 0, 3, 0},
    {0.008548, 0, 4, 0, -2, 0},  {-0.00791, 1, 2, 1, -1, 0},  {-0.006783, 1, 2, 1, 0, 0},
    {0.005162, 0, -1, 0, 1, 0},  {0.005, 1, 1, 1, 0, 0},      {0.004049, 1, 2, -1, 1, 0},
    {0.003996, 0, 2, 0, 2, 0},   {0.003862, 0, 4, 0, 0, 0},   {0.003665, 0, 2, 0, -3, 0},
    {0.002695, 1, 0, -1, 2, 0},  {0.002602, 0, -2, 0, 1, -2}, {0.002396, 1, 2, -1, -2, 0},
    {-0.002349, 0, 1, 0, 1, 0},  {0.002249, 2, 2, -2, 0, 0},  {-0.002125, 1, 0, 1, 2, 0},
    {-0.002079, 2, 0, 2, 0, 0},  {0.002059, 2, 2, -2, -1, 0}, {-0.001773, 0, 2, 0, 1, -2},
    {-0.001595, 0, 2, 0, 0, 2},  {0.00122, 1, 4, -1, -1, 0},  {-0.00111, 0, 0, 0, 2, 2},
    {0.000892, 0, -3, 0, 1, 0},  {-0.000811, 1, 2, 1, 1, 0},  {0.000761, 1, 4, -1, -2, 0},
    {0.000717, 2, 0, -2, 1, 0},  {0.000704, 2, -2, -2, 1, 0}, {0.000693, 1, 2, 1, -2, 0},
    {0.000598, 1, 2, -1, 0, -2}, {0.00055, 0, 4, 0, 1, 0},    {0.000538, 0, 0, 0, 4, 0},
    {0.000521, 1, 4, -1, 0, 0},  {0.000486, 0, -1, 0, 2, 0},
};

// Latitude, in the order they are added.
constexpr Term kLatitude[45] = {
    {5.128189, 0, 0, 0, 0, 1},   {0.280606, 0, 0, 0, 1, 1},    {0.277693, 0, 0, 0, 1, -1},
    {0.173238, 0, 2, 0, 0, -1},  {0.055413, 0, 2, 0, -1, 1},   {0.046272, 0, 2, 0, -1, -1},
    {0.032573, 0, 2, 0, 0, 1},   {0.017198, 0, 0, 0, 2, 1},    {0.009267, 0, 2, 0, 1, -1},
    {0.008823, 0, 0, 0, 2, -1},  {0.008247, 1, 2, -1, 0, -1},  {0.004323, 0, 2, 0, -2, -1},
    {0.0042, 0, 2, 0, 1, 1},     {0.003372, 1, -2, -1, 0, 1},  {0.002472, 1, 2, -1, -1, 1},
    {0.002222, 1, 2, -1, 0, 1},  {0.002072, 1, 2, -1, -1, -1}, {0.001877, 1, 0, -1, 1, 1},
    {0.001828, 0, 4, 0, -1, -1}, {-0.001803, 1, 0, 1, 0, 1},   {-0.00175, 0, 0, 0, 0, 3},
    {0.00157, 1, 0, -1, 1, -1},  {-0.001487, 0, 1, 0, 0, 1},   {-0.001481, 1, 0, 1, 1, 1},
    {0.001417, 1, 0, -1, -1, 1}, {0.00135, 1, 0, -1, 0, 1},    {0.00133, 0, -1, 0, 0, 1},
    {0.001106, 0, 0, 0, 3, 1},   {0.00102, 0, 4, 0, 0, -1},    {0.000833, 0, 4, 0, -1, 1},
    {0.000781, 0, 0, 0, 1, -3},  {0.00067, 0, 4, 0, -2, 1},    {0.000606, 0, 2, 0, 0, -3},
    {0.000597, 0, 2, 0, 2, -1},  {0.000492, 1, 2, -1, 1, -1},  {0.00045, 0, -2, 0, 2, -1},
    {0.000439, 0, 0, 0, 3, -1},  {0.000423, 0, 2, 0, 2, 1},    {0.000422, 0, 2, 0, -3, -1},
    {-0.000367, 1, 2, 1, -1, 1}, {-0.000353, 1, 2, 1, 0, 1},   {0.000331, 0, 4, 0, 0, 1},
    {0.000317, 1, 2, -1, 1, 1},  {0.000306, 2, 2, -2, 0, -1},  {-0.000283, 0, 0, 0, 1, 3},
};

// cos and sin of n x for n in -4..4 (index n + 4) of one argument, by angle addition from
// sin x and cos x; a table lookup per term, without branches.
struct Multiples {
    double c[9], s[9];
    explicit Multiples(double x_deg) {
        c[4] = 1;
        s[4] = 0;
        sinCosDeg(x_deg, s[5], c[5]);
        for (int k = 2; k < 5; ++k) {
            c[4 + k] = c[3 + k] * c[5] - s[3 + k] * s[5];
            s[4 + k] = s[3 + k] * c[5] + c[3 + k] * s[5];
        }
        for (int k = 1; k < 5; ++k) {
            c[4 - k] = c[4 + k];
            s[4 - k] = -s[4 + k];
        }
    }
};

// A table's distinct (D, M) and (M', F) multiple pairs, and for each term the index of its two
// pairs, found at compile time: cos and sin of dD + mM and of m'M' + fF are then formed once per
// pair instead of once per term.
template <size_t N> struct PairIndex {
    int dm[N][2] = {}, mpf[N][2] = {}; // distinct pairs
    int dmCount = 0, mpfCount = 0;
    int termDm[N] = {}, termMpf[N] = {}; // each term's pairs
};
template <size_t N> constexpr PairIndex<N> pairIndex(const Term (&terms)[N]) {
    PairIndex<N> x;
    auto find = [](int(*pairs)[2], int& count, int a, int b) {
        for (int k = 0; k < count; ++k)
            if (pairs[k][0] == a && pairs[k][1] == b) return k;
        pairs[count][0] = a;
        pairs[count][1] = b;
        return count++;
    };
    for (size_t k = 0; k < N; ++k) {
        x.termDm[k] = find(x.dm, x.dmCount, terms[k].d, terms[k].m);
        x.termMpf[k] = find(x.mpf, x.mpfCount, terms[k].mp, terms[k].f);
    }
    return x;
}
constexpr PairIndex<50> kLongitudePairs = pairIndex(kLongitude);
constexpr PairIndex<45> kLatitudePairs = pairIndex(kLatitude);

// Sum of the terms in table order. sin(dD + mM + m'M' + fF) is formed from the sines and
// cosines of the four arguments' multiples (angle addition) instead of one sine per term: the
// same value to about 1e-15 and four times faster.
template <size_t N>
double series(const Term (&terms)[N], const PairIndex<N>& pairs, const Multiples& D, const Multiples& M,
              const Multiples& Mp, const Multiples& F, double e) {
    double ca[N], sa[N], cb[N], sb[N];
    for (int k = 0; k < pairs.dmCount; ++k) {
        const int d = pairs.dm[k][0] + 4, m = pairs.dm[k][1] + 4;
        ca[k] = D.c[d] * M.c[m] - D.s[d] * M.s[m];
        sa[k] = D.s[d] * M.c[m] + D.c[d] * M.s[m];
    }
    for (int k = 0; k < pairs.mpfCount; ++k) {
        const int mp = pairs.mpf[k][0] + 4, f = pairs.mpf[k][1] + 4;
        cb[k] = Mp.c[mp] * F.c[f] - Mp.s[mp] * F.s[f];
        sb[k] = Mp.s[mp] * F.c[f] + Mp.c[mp] * F.s[f];
    }
    const double factors[3] = {1.0, e, e * e}; // by the power of the eccentricity factor
    double sum = 0;
    for (size_t k = 0; k < N; ++k) {
        const int i = pairs.termDm[k], j = pairs.termMpf[k];
        sum += terms[k].coefficient * factors[terms[k].ePower] * (sa[i] * cb[j] + ca[i] * sb[j]);
    }
    return sum;
}
} // namespace

MoonEcliptic moonEcliptic(double t) {
    const double t2 = t * t, t3 = t2 * t;
    double Lp = normalize360(270.434164 + 481267.8831 * t - 0.001133 * t2 + 0.0000019 * t3);
    double M = normalize360(358.475833 + 35999.0498 * t - 0.00015 * t2 - 0.0000033 * t3);
    double Mp = normalize360(296.104608 + 477198.8491 * t + 0.009192 * t2 + 0.0000144 * t3);
    double D = normalize360(350.737486 + 445267.1142 * t - 0.001436 * t2 + 0.0000019 * t3);
    double F = normalize360(11.250889 + 483202.0251 * t - 0.003211 * t2 - 0.0000003 * t3);
    const double node = normalize360(259.183275 - 1934.142 * t + 0.002078 * t2 + 0.0000022 * t3);
    // The eccentricity of the Earth's orbit, 0.01675104 - 0.0000418 t - 0.000000126 t^2, divided
    // by its value at 1900: both terms shrink it, so both signs are negative.
    const double e = 1 - 0.002495 * t - 0.00000752 * t2;

    const double s1 = sinDeg(51.2 + 20.2 * t);
    Lp += 0.000233 * s1;
    M -= 0.001778 * s1;
    Mp += 0.000817 * s1;
    D -= 0.002011 * s1;
    const double s2 = sinDeg(346.56 + 132.87 * t + 0.0091731 * t2);
    Lp += 0.003964 * s2;
    Mp += 0.003964 * s2;
    D += 0.003964 * s2;
    F += 0.003964 * s2;
    double s3, cosNode;
    sinCosDeg(node, s3, cosNode);
    Lp += 0.001964 * s3;
    Mp += 0.002541 * s3;
    D += 0.001964 * s3;
    F -= 0.024691 * s3;
    double sinNode2, cosNode2; // of the second node term, node + 275.05 - 2.3 t
    sinCosDeg(node + 275.05 - 2.3 * t, sinNode2, cosNode2);
    F -= 0.004328 * sinNode2;

    const Multiples mD(D), mM(M), mMp(Mp), mF(F);
    MoonEcliptic m;
    m.lambda_deg = Lp + series(kLongitude, kLongitudePairs, mD, mM, mMp, mF, e);
    const double B = series(kLatitude, kLatitudePairs, mD, mM, mMp, mF, e);
    const double w1 = 0.0004664 * cosNode;
    const double w2 = 0.0000754 * cosNode2;
    m.beta_deg = B * (1 - w1 - w2);
    // cos(2D - M') = cos 2D cos M' + sin 2D sin M'.
    const double cos2DMp = mD.c[6] * mMp.c[5] + mD.s[6] * mMp.s[5];
    m.parallax_deg =
        0.950724 + 0.051818 * mMp.c[5] + 0.009531 * cos2DMp + 0.007843 * mD.c[6] + 0.002824 * mMp.c[6];
    return m;
}

void moonPosition(objetceleste& moon, const date2& date, const soleil& sun) {
    const double t = static_cast<double>(date.t);
    SunGeometry obliquity; // only the obliquity is read
    obliquity.obliquity_deg = polynomial(sun.E, t);
    sinCosDeg(obliquity.obliquity_deg, obliquity.sinObliquity, obliquity.cosObliquity);
    moonPosition(moon, date, obliquity);
}

void moonPosition(objetceleste& moon, const date2& date, const SunGeometry& sun) {
    const MoonEcliptic m = moonEcliptic(static_cast<double>(date.t));
    // Earth radius 6378.14 km, astronomical unit 149597870 km.
    moon.delta = 6378.14 / (sinDeg(m.parallax_deg) * 149597870.0);
    const Equatorial q = eclipticToEquatorial(m.lambda_deg, m.beta_deg, sun.sinObliquity, sun.cosObliquity);
    moon.ra = q.ra_deg;
    moon.dec = q.dec_deg;
}

double moonVisibleFraction(const date2& date) {
    const double t = static_cast<double>(date.t);
    const double t2 = t * t, t3 = t2 * t;
    const double D = 350.737486 + 445267.1142 * t - 0.001436 * t2 + 0.0000019 * t3;
    const double M = 358.475833 + 35999.0498 * t - 0.00015 * t2 - 0.0000033 * t3;
    const double Mp = 296.104608 + 477198.8491 * t + 0.009192 * t2 + 0.0000144 * t3;
    const double i = 180 - D - 6.289 * sinDeg(Mp) + 2.1 * sinDeg(M) - 1.274 * sinDeg(2 * D - Mp) -
                     0.658 * sinDeg(2 * D) - 0.214 * sinDeg(2 * Mp) - 0.112 * sinDeg(D);
    return (1 + cosDeg(i)) / 2;
}

int moonWaxing(const date2& date) {
    // Mean lunation count since the start of 1900. Before 1900 the count is negative and the
    // same rule applies to its fractional part n - floor(n), which is in [0, 1) for either
    // sign; the lunation phase is periodic, so the rule stays consistent across 1900.
    const double n = ((date.jour / 31.0 + date.mois) / 12.0 + date.annee - 1900) * 12.3685;
    const double f = n - std::floor(n);
    return (f > 0.099 && f < 0.6) ? 1 : -1;
}

double moonMagnitude(const objetceleste& moon, const date2& date, const soleil& sun) {
    return moonMagnitude(moon, moonVisibleFraction(date), sunEarthDistance(sun, static_cast<double>(date.t)));
}

double moonMagnitude(const objetceleste& moon, double visibleFraction, double sunDistance_au) {
    const double k = std::clamp(visibleFraction, 0.0, 1.0);
    const double x = radToDeg(std::acos(std::clamp(2 * k - 1, -1.0, 1.0))) * 0.01;
    const double rd = sunDistance_au * moon.delta;
    const double distanceTerm = rd > 0 ? 5 * std::log10(rd) : 0;
    return moon.mag[0] + distanceTerm + moon.mag[1] * x + moon.mag[2] * x * x + moon.mag[3] * x * x * x;
}
