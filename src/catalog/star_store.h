// The star files star6.syt, star7.syt and star8.syt read once and kept in memory in the form the
// sky map projects them from, so that a deep paint does not read and parse them again.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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
    // Magnitudes in hundredths, decoded through `magnitudeOfHundredths` (index minus
    // `firstHundredths`). A file with a magnitude that is not a whole number of hundredths keeps
    // them all in `exactMagnitudes` instead.
    std::vector<int16_t> magHundredths;
    std::vector<double> magnitudeOfHundredths;
    int firstHundredths = 0;
    std::vector<double> exactMagnitudes;

    std::size_t size() const { return ra_deg.size(); }
    double magnitude(std::size_t i) const {
        return exactMagnitudes.empty() ? magnitudeOfHundredths[magHundredths[i] - firstHundredths]
                                       : exactMagnitudes[i];
    }

    // Calls visit(i, magnitude) for each star brighter than `limit` (magnitude < limit), in file
    // order. With hundredths the test is one integer comparison.
    template <class Visit> void forEachBrighterThan(double limit, Visit&& visit) const {
        const std::size_t n = size();
        if (!exactMagnitudes.empty()) {
            for (std::size_t i = 0; i < n; ++i)
                if (exactMagnitudes[i] < limit) visit(i, exactMagnitudes[i]);
            return;
        }
        // The decoded magnitudes grow with their code: those below the limit are the codes below
        // `end`.
        int end = firstHundredths;
        while (end - firstHundredths < static_cast<int>(magnitudeOfHundredths.size()) &&
               magnitudeOfHundredths[end - firstHundredths] < limit)
            ++end;
        for (std::size_t i = 0; i < n; ++i)
            if (magHundredths[i] < end) visit(i, magnitudeOfHundredths[magHundredths[i] - firstHundredths]);
    }
};

// The columns of the stars of a star file's bytes (parseStarText's stars, in its order).
StarColumns starColumnsOfText(const char* data, std::size_t size);

// The three star files of one model, each read on its first use and read again when the file
// found is another one or has changed (size or modification time). Missing files are looked up
// again on every use, as a streamed read would.
class StarStore {
  public:
    static constexpr int kLayerCount = 3;
    // Index 0 = star6.syt (stars from magnitude 6), 1 = star7.syt, 2 = star8.syt.
    static const char* fileName(int layer);
    static StarSource source(int layer);

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
    std::array<Entry, kLayerCount> entries_;
};
