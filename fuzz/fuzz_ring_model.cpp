// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the ring model "anneau3d.nal" of the Saturn 3D view on arbitrary bytes: the
// records are all read or none, and every corner is a number.
#include <cstddef>
#include <cstdint>

#include "catalog/ring_model.h"
#include "catalog/scan.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FilePtr f = openMemory(data, size);
    const RingModel model = readRingModel(f.get(), "anneau3d.nal");
    if (!model.error.empty()) fuzzcheck::check(model.records.empty(), "a refused file has no records");
    fuzzcheck::finite(model.globeSize, "globe size");
    for (const auto& record : model.records)
        for (const RingQuad& q : record)
            for (int k = 0; k < 4; ++k) {
                fuzzcheck::finite(q.x[k], "ring corner x");
                fuzzcheck::finite(q.y[k], "ring corner y");
            }
    return 0;
}
