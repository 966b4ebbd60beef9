// SPDX-License-Identifier: GPL-3.0-or-later
// The ring model of the Saturn 3D view, "anneau3d.nal": a globe size and ring records of three
// quadrilaterals each (the inner, middle and outer ring zones) in the ring plane, model units.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <vector>

struct RingQuad {
    double x[4] = {}, y[4] = {}; // corners in the ring plane (z = 0)
};

struct RingModel {
    double globeSize = 0; // Saturn's equatorial radius, model units
    std::vector<std::array<RingQuad, 3>> records;
    std::string error; // empty when the whole file was read
};

// Reads "%d %lf\n" (record count, globe size), then the records with the patterns
// "%lf %lf/%lf %lf/%lf %lf/%lf %lf -", " ... -", " ...\n". On a missing or malformed file the
// records read so far are dropped and `error` names the file and record; the globe size is kept
// when the header was read.
RingModel readRingModel(std::FILE* file, const std::string& name);
// Looks `name` up like the other data files (user directory, then data/) and reads it.
RingModel loadRingModel(const std::string& name = "anneau3d.nal");
