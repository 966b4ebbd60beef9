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
    double magnitude(std::size_t i) const { return mag[i]; }

    // Calls visit(i, magnitude) for each star brighter than `limit` (magnitude < limit), in file
    // order.
    template <class Visit> void forEachBrighterThan(double limit, Visit&& visit) const {
        for (std::size_t i = 0; i < size(); ++i)
            if (mag[i] < limit) visit(i, mag[i]);
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
