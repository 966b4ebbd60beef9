#include "catalog/star_store.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <sys/stat.h>

namespace {

// The same constant as the sky map's projection, so that the sines are those it would compute.
constexpr double kDegToRad = std::numbers::pi / 180.0;

// A magnitude's code in hundredths when decoding the code gives back exactly the same double.
bool hundredthsOf(double mag, int& code) {
    if (!(mag > -300 && mag < 300)) return false;
    code = static_cast<int>(std::lround(mag * 100));
    return static_cast<double>(code) / 100.0 == mag;
}

} // namespace

StarColumns starColumnsOfText(const char* data, std::size_t size) {
    StarColumns c;
    std::vector<double> magnitudes;
    parseStarText(data, size, [&](double ra, double dec, double mag) {
        c.ra_deg.push_back(ra);
        c.dec_deg.push_back(dec);
        const double d = dec * kDegToRad;
        c.sinDec.push_back(std::sin(d));
        c.cosDec.push_back(std::cos(d));
        magnitudes.push_back(mag);
    });
    c.magHundredths.reserve(magnitudes.size());
    int lowest = std::numeric_limits<int>::max(), highest = std::numeric_limits<int>::min();
    for (double mag : magnitudes) {
        int code = 0;
        if (!hundredthsOf(mag, code)) {
            c.magHundredths.clear();
            c.exactMagnitudes = std::move(magnitudes);
            return c;
        }
        c.magHundredths.push_back(static_cast<int16_t>(code));
        lowest = std::min(lowest, code);
        highest = std::max(highest, code);
    }
    if (!magnitudes.empty()) {
        c.firstHundredths = lowest;
        for (int code = lowest; code <= highest; ++code)
            c.magnitudeOfHundredths.push_back(static_cast<double>(code) / 100.0);
    }
    return c;
}

const char* StarStore::fileName(int layer) {
    static constexpr const char* kNames[kLayerCount] = {"star6.syt", "star7.syt", "star8.syt"};
    return layer >= 0 && layer < kLayerCount ? kNames[layer] : "";
}

StarSource StarStore::source(int layer) {
    return layer == 0 ? StarSource::Star6 : layer == 1 ? StarSource::Star7 : StarSource::Star8;
}

const StarColumns* StarStore::layer(int layer, const StarFiles& files) {
    if (layer < 0 || layer >= kLayerCount) return nullptr;
    Entry& e = entries_[static_cast<std::size_t>(layer)];
    const std::string path = findStarFile(fileName(layer), files);
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
