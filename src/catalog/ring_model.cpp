// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/ring_model.h"

#include "catalog/paths.h"
#include "catalog/scan.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMaxRingRecords = 100000; // far more than a smooth ring needs; bounds a bad count

bool readQuad(std::FILE* file, const char* pattern, RingQuad& q) {
    if (scanFile(file, pattern, {&q.x[0], &q.y[0], &q.x[1], &q.y[1], &q.x[2], &q.y[2], &q.x[3], &q.y[3]}) != 8)
        return false;
    // "nan" and "inf" read as numbers; such a corner cannot be drawn.
    for (int k = 0; k < 4; ++k)
        if (!std::isfinite(q.x[k]) || !std::isfinite(q.y[k])) return false;
    return true;
}
} // namespace

RingModel readRingModel(std::FILE* file, const std::string& name) {
    RingModel model;
    if (!file) {
        model.error = "Cannot open " + name;
        return model;
    }
    int n = 0;
    double g = 0;
    if (scanFile(file, "%d %lf\n", {&n, &g}) != 2 || n < 0 || n > kMaxRingRecords || !(g >= 0) ||
        !std::isfinite(g)) {
        model.error = name + ": the header is not a record count and a globe size";
        return model;
    }
    model.globeSize = g;
    model.records.reserve(static_cast<std::size_t>(std::min(n, 4096))); // grown as records are read
    for (int k = 0; k < n; ++k) {
        std::array<RingQuad, 3> r;
        if (!readQuad(file, "%lf %lf/%lf %lf/%lf %lf/%lf %lf -", r[0]) ||
            !readQuad(file, " %lf %lf/%lf %lf/%lf %lf/%lf %lf -", r[1]) ||
            !readQuad(file, " %lf %lf/%lf %lf/%lf %lf/%lf %lf\n", r[2])) {
            model.records.clear();
            model.error = name + ": ring record " + std::to_string(k + 1) + " is not three quadrilaterals";
            return model;
        }
        model.records.push_back(r);
    }
    return model;
}

RingModel loadRingModel(const std::string& name) {
    const std::string path = findDataFile(name);
    if (path.empty()) {
        RingModel model;
        model.error = "Cannot find " + name;
        return model;
    }
    FilePtr f = openForReading(path);
    return readRingModel(f.get(), name);
}
