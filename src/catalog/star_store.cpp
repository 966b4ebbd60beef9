// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/star_store.h"

#include <cmath>
#include <numbers>
#include <sys/stat.h>

namespace {

// The same constant as the sky map's projection, so that the sines are those it would compute.
constexpr double kDegToRad = std::numbers::pi / 180.0;

} // namespace

StarColumns starColumnsOfText(const char* data, std::size_t size) {
    StarColumns c;
    parseStarText(data, size, [&](double ra, double dec, double mag) {
        c.ra_deg.push_back(ra);
        c.dec_deg.push_back(dec);
        const double d = dec * kDegToRad;
        c.sinDec.push_back(std::sin(d));
        c.cosDec.push_back(std::cos(d));
        c.mag.push_back(mag);
    });
    return c;
}

const StarColumns* StarStore::layer(int layer, const StarFiles& files) {
    if (layer < 0 || layer >= kStarFileCount) return nullptr;
    Entry& e = entries_[static_cast<std::size_t>(layer)];
    const std::string path = findStarFile(starFileName(layer), files);
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) {
        e = Entry{};
        return nullptr;
    }
    const long long modified = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    if (e.loaded && e.path == path && e.size == static_cast<long long>(st.st_size) &&
        e.modified_ns == modified)
        return &e.stars;
    e = Entry{};
    std::string bytes;
    if (!readFileBytes(path, bytes)) return nullptr;
    e.stars = starColumnsOfText(bytes.data(), bytes.size());
    e.loaded = true;
    e.path = path;
    e.size = static_cast<long long>(st.st_size);
    e.modified_ns = modified;
    return &e.stars;
}
