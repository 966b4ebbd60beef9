// SPDX-License-Identifier: GPL-3.0-or-later
// The star files star6.syt, star7.syt and star8.syt read once and kept in memory in the form the
// sky map projects them from, so that a deep paint does not read and parse them again.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "catalog/stars.h"

// The stars of one star file, in file order (the painting order: where two stars fall on the same
// pixel the later one shows), as columns. Every value is the one the file's reader gives, so a
// paint from these columns draws what a paint from the file draws.
struct StarColumns {
    std::vector<double> ra_deg;
    std::vector<double> dec_deg;
    std::vector<double> sinDec; // sin and cos of the declination, as the projection takes them
    std::vector<double> cosDec;
    std::vector<double> mag;

    std::size_t size() const { return ra_deg.size(); }

    // Calls visit(i) for each star brighter than `limit` (magnitude < limit), in file order.
    template <class Visit> void forEachBrighterThan(double limit, Visit&& visit) const {
        for (std::size_t i = 0; i < size(); ++i)
            if (mag[i] < limit) visit(i);
    }
};

// The columns of the stars of a star file's bytes (parseStarText's stars, in its order).
StarColumns starColumnsOfText(const char* data, std::size_t size);

// The three star files of one model (starFileName), each read on its first use and read again
// when the file found is another one or has changed (size or modification time). Missing files
// are looked up again on every use, as a streamed read would.
class StarStore {
  public:
    // The stars of one file as it is now, or null when it is missing or cannot be read.
    const StarColumns* layer(int layer, const StarFiles& files = {});

  private:
    struct Entry {
        bool loaded = false;
        std::string path;
        long long size = -1;
        long long modified_ns = 0;
        StarColumns stars;
    };
    std::array<Entry, kStarFileCount> entries_;
};

// Calls visit(stars, i, source) for each star brighter than `limit` (magnitude < limit) of the
// star files a paint with this limit reads (starFileWanted), in the order star6, star7, star8
// and in file order within each; a missing file is skipped silently. Returns the stars visited.
template <class Visit>
long forEachStarFileStar(StarStore& store, const CatalogueSettings& settings, double limit,
                         const StarFiles& files, Visit&& visit) {
    long visited = 0;
    for (int layer = 0; layer < kStarFileCount; ++layer) {
        if (!starFileWanted(settings, layer, limit)) continue;
        const StarColumns* stars = store.layer(layer, files);
        if (!stars) continue;
        const auto source = static_cast<StarSource>(static_cast<int>(StarSource::Star6) + layer);
        stars->forEachBrighterThan(limit, [&](std::size_t i) {
            visit(*stars, i, source);
            ++visited;
        });
    }
    return visited;
}
