// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/body_files.h"

#include "catalog/scan.h"

namespace {

constexpr int kCoefficientBuffer = 10; // values per list, the terminating zero included

// The seven element lists shared by planets and satellites, with their intro patterns.
int readElements(std::FILE* f, objetceleste& body, const char* firstIntro) {
    int total = 0;
    total += readCoefficientList(f, firstIntro, body.L);
    total += readCoefficientList(f, " \na %lf", body.a);
    total += readCoefficientList(f, " \ne %lf", body.e);
    total += readCoefficientList(f, " \ni %lf", body.i);
    total += readCoefficientList(f, " \no %lf", body.o);
    total += readCoefficientList(f, " \nO %lf", body.O);
    total += readCoefficientList(f, " \nM %lf", body.M);
    return total;
}

} // namespace

int readCoefficientList(std::FILE* f, const char* intro, double (&coefficients)[4]) {
    double values[kCoefficientBuffer] = {};
    const int total = scanTotal(f, intro, {&values[0]});
    int n = 1;
    while (n < kCoefficientBuffer && values[n - 1] != 0.0) {
        scanFile(f, " %lf", {&values[n]});
        ++n;
    }
    bool nonZeroSoFar = true;
    for (int k = 0; k < 4; ++k) {
        nonZeroSoFar = nonZeroSoFar && values[k] != 0.0;
        coefficients[k] = nonZeroSoFar ? values[k] : 0.0;
    }
    return total;
}

int readSunFile(std::FILE* f, soleil& sun) {
    int total = 0;
    total += scanTotal(f, "\nNom:%s", {sun.nom});
    total += scanTotal(f, "\nCouleur:%s", {sun.couleur});
    int radius = 0;
    total += scanTotal(f, "\nRayon:%d", {&radius});
    sun.rayon = radius;
    total += readCoefficientList(f, " \nL %lf", sun.L);
    total += readCoefficientList(f, " \na %lf", sun.a);
    total += readCoefficientList(f, " \ne %lf", sun.e);
    total += readCoefficientList(f, " \ni %lf", sun.i);
    total += readCoefficientList(f, " \no %lf", sun.o);
    total += readCoefficientList(f, " \nO %lf", sun.O);
    total += readCoefficientList(f, " \nM %lf", sun.M);
    total += readCoefficientList(f, " \nE %lf", sun.E);
    return total;
}

int readPlanetFile(std::FILE* f, planete& planet, std::vector<std::string>& satelliteFiles) {
    int total = 0;
    total += scanTotal(f, "\nNom:%s", {planet.nom});
    total += scanTotal(f, "\nCouleur:%s", {planet.couleur});
    total += scanTotal(f, "\nRayon:%lf", {&planet.rayon});
    total += readElements(f, planet, "\nL %lf");
    int count = 0;
    total += scanTotal(f, "\nNombre de satellite(s):%d", {&count});
    planet.setSatelliteCount(count);
    for (int k = 0; k < count && k < 2; ++k) {
        char name[256] = {};
        total += scanTotal(f, "\nFichier du satellite:%s", {name});
        satelliteFiles.emplace_back(name);
    }
    double mag[4] = {};
    scanFile(f, "\nMag %lf %lf %lf %lf", {&mag[0], &mag[1], &mag[2], &mag[3]});
    for (int k = 0; k < 4; ++k)
        planet.setMag(mag[k], k);
    return total;
}

int readSatelliteFile(std::FILE* f, satellite& sat) {
    int total = 0;
    total += scanTotal(f, "\nNom:%s", {sat.nom});
    total += scanTotal(f, "\nCouleur:%s", {sat.couleur});
    total += scanTotal(f, "\nRayon:%lf", {&sat.rayon});
    total += readElements(f, sat, " \nL %lf");
    double mag[4] = {};
    scanFile(f, "\nMag %lf %lf %lf %lf", {&mag[0], &mag[1], &mag[2], &mag[3]});
    for (int k = 0; k < 4; ++k)
        sat.setMag(mag[k], k);
    return total;
}

int currentLine(std::FILE* f) {
    const long pos = std::ftell(f);
    if (pos < 0) return 0;
    std::rewind(f);
    int line = 1;
    for (long i = 0; i < pos; ++i) {
        const int c = std::fgetc(f);
        if (c == EOF) break;
        if (c == '\n') ++line;
    }
    std::fseek(f, pos, SEEK_SET);
    return line;
}
