// SPDX-License-Identifier: GPL-3.0-or-later
// Bodies that move on orbits: the Sun's apparent orbit, planets, their satellites, comets and
// asteroids. Elements are cubic polynomials in T (Julian centuries from JD 2415020.0), angles in
// degrees, planet distances in AU. The position routines fill the computed fields.
#pragma once

#include <cstdint>

class satellite;

class objetceleste {
public:
    char nom[15] = {};     // name from the body's file ("Terre" marks the Earth)
    char couleur[15] = {}; // name of its drawing colour
    double rayon = 0;      // radius, km
    double mag[4] = {};    // magnitude coefficients
    double L[4] = {};      // mean longitude, deg
    double a[4] = {};      // semi-major axis, AU (satellites: the unit of their theory)
    double e[4] = {};      // eccentricity
    double i[4] = {};      // inclination, deg
    double o[4] = {};      // key "o" (perihelion), stored but not used by the position routines
    double O[4] = {};      // longitude of the ascending node, deg
    double M[4] = {};      // mean anomaly, deg

    // Computed for the last date: heliocentric ecliptic latitude and longitude (deg), radius
    // vector (AU), geocentric declination and right ascension (deg, RA in 0-360), distance (AU).
    double beta = 0, lambda = 0, r = 0, dec = 0, ra = 0, delta = 0;
    // The Earth-Sun distance (AU) at that date, for the phase angle; 0 when not computed.
    double sunDistance = 0;

    // Window point where a view last drew the body; x <= 0 means not drawn in the last paint.
    int32_t screenX = 0, screenY = 0;

    void setL(double v, int k) { set(L, v, k); }
    void setA(double v, int k) { set(a, v, k); }
    void setE(double v, int k) { set(e, v, k); }
    void setI(double v, int k) { set(i, v, k); }
    void setSmallO(double v, int k) { set(o, v, k); }
    void setO(double v, int k) { set(O, v, k); }
    void setM(double v, int k) { set(M, v, k); }
    void setMag(double v, int k) { set(mag, v, k); }

    // c0 + c1 T + c2 T^2 + c3 T^3 of one element list.
    static double evaluate(const double element[4], double T) {
        return element[0] + T * (element[1] + T * (element[2] + T * element[3]));
    }

    double getBeta() const { return beta; }
    double getLambda() const { return lambda; }
    double getR() const { return r; }
    double getDec() const { return dec; }
    double getRa() const { return ra; }
    double getDelta() const { return delta; }
    double getRayon() const { return rayon; }
    double getMag(int k) const { return k >= 0 && k < 4 ? mag[k] : 0.0; }

protected:
    static void set(double* list, double v, int k) {
        if (k >= 0 && k < 4) list[k] = v;
    }
};

class soleil : public objetceleste {
public:
    double E[4] = {}; // obliquity of the ecliptic, deg
    // The obliquity has its own setter; setE stays the eccentricity of the apparent orbit.
    void setObliquity(double v, int k) { set(E, v, k); }
    double obliquity(double T) const { return evaluate(E, T); }
};

class satellite : public objetceleste {};

class planete : public objetceleste {
public:
    int32_t nbSatellites = 0; // count as read from the file
    satellite* satellites[2] = {nullptr, nullptr};

    void setSatelliteCount(int n) { nbSatellites = n; }
    void setSatellite(int k, satellite* s) {
        if (k >= 0 && k < nbSatellites && k < 2) satellites[k] = s;
    }
    int satelliteCount() const { return nbSatellites; }
    satellite* getSatellite(int k) const { return k >= 0 && k < 2 ? satellites[k] : nullptr; }
};

class comet : public objetceleste {
public:
    double tperi = 0; // time of perihelion, T
    double tequi = 0; // start (January 1.0) of the equinox year of the elements, T
    void setTimes(double perihelion_T, double equinox_T) {
        tperi = perihelion_T;
        tequi = equinox_T;
    }
};
