// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/stars.h"
#include "catalog/star_store.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/scan.h"

namespace {

bool isDirectory(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

double clamp(double v, double lo, double hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

bool isSpace(char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                             1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};

// One number as "%f" reads it (white space first). Plain decimals are parsed directly; anything
// else (exponents, long mantissas, inf/nan) goes through std::from_chars. False when no number
// starts here.
bool parseNumber(const char*& p, const char* end, double& out) {
    while (p < end && isSpace(*p))
        ++p;
    const char* start = p;
    const char* q = p;
    bool negative = false;
    if (q < end && (*q == '+' || *q == '-')) negative = *q++ == '-';
    uint64_t mantissa = 0;
    int digits = 0, fraction = 0;
    bool simple = true;
    for (; q < end && *q >= '0' && *q <= '9'; ++q, ++digits)
        mantissa = mantissa * 10 + static_cast<uint64_t>(*q - '0');
    if (q < end && *q == '.') {
        ++q;
        for (; q < end && *q >= '0' && *q <= '9'; ++q, ++digits, ++fraction)
            mantissa = mantissa * 10 + static_cast<uint64_t>(*q - '0');
    }
    if (digits == 0 || digits > 18 || (q < end && (*q == 'e' || *q == 'E' || *q == 'x' || *q == 'X')))
        simple = false;
    if (simple) {
        const double v = static_cast<double>(mantissa) / kPow10[fraction];
        out = negative ? -v : v;
        p = q;
        return true;
    }
    const char* s = start;
    if (s < end && *s == '+') ++s;
    float f = 0;
    const auto r = std::from_chars(s, end, f);
    if (r.ec == std::errc::invalid_argument) return false;
    // Out of range values come back as an error with ptr past the digits: treat them as unusable.
    out = r.ec == std::errc() ? f : std::nan("");
    p = r.ptr;
    return true;
}

// Region directories of the CD-ROM by first region number.
struct RegionDirectory {
    int first;
    const char* dir;
};
constexpr RegionDirectory kRegionDirs[] = {
    {0, "N0000"},    {594, "N0730"},  {1178, "N1500"}, {1729, "N2230"}, {2259, "N3000"}, {2781, "N3730"},
    {3246, "N4500"}, {3652, "N5230"}, {4014, "N6000"}, {4294, "N6730"}, {4492, "N7500"}, {4615, "N8230"},
    {4663, "S0000"}, {5260, "S0730"}, {5838, "S1500"}, {6412, "S2230"}, {6989, "S3000"}, {7523, "S3730"},
    {8022, "S4500"}, {8464, "S5230"}, {8840, "S6000"}, {9134, "S6730"}, {9346, "S7500"}, {9490, "S8230"},
};
constexpr int kLastRegion = 9536;

bool sameIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

// `relative` ("Tables/Regions.tbl") below `root`, each component matched without regard to case;
// "" when there is no such file.
std::string resolveIgnoringCase(const std::string& root, const std::string& relative) {
    std::string path = root;
    std::size_t start = 0;
    while (start <= relative.size()) {
        const std::size_t slash = relative.find('/', start);
        const std::string part =
            relative.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        start = slash == std::string::npos ? relative.size() + 1 : slash + 1;
        if (part.empty()) continue;
        const std::string exact = joinPath(path, part);
        struct stat st {};
        if (::stat(exact.c_str(), &st) == 0) {
            path = exact;
            continue;
        }
        DIR* d = ::opendir(path.c_str());
        if (!d) return {};
        std::string found;
        while (dirent* e = ::readdir(d))
            if (sameIgnoringCase(part, e->d_name)) {
                found = e->d_name;
                break;
            }
        ::closedir(d);
        if (found.empty()) return {};
        path = joinPath(path, found);
    }
    return fileExists(path) ? path : std::string();
}

} // namespace

bool readFileBytes(const std::string& path, std::string& out) {
    FilePtr f = openForReading(path);
    if (!f) return false;
    out.clear();
    // One read of the whole file when its size is known, then whatever follows (a growing file).
    struct stat st {};
    if (::fstat(fileno(f.get()), &st) == 0 && st.st_size > 0) {
        out.resize(static_cast<std::size_t>(st.st_size));
        out.resize(std::fread(out.data(), 1, out.size(), f.get()));
    }
    char buf[1 << 16];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f.get())) > 0;)
        out.append(buf, n);
    return true;
}

const char* starFileName(int layer) {
    static constexpr const char* kNames[kStarFileCount] = {"star6.syt", "star7.syt", "star8.syt"};
    return layer >= 0 && layer < kStarFileCount ? kNames[layer] : "";
}

bool starFileWanted(const CatalogueSettings& settings, int layer, double limit) {
    const int32_t enabled[kStarFileCount] = {settings.useStar6, settings.useStar7, settings.useStar8};
    return layer >= 0 && layer < kStarFileCount && enabled[layer] == 1 && limit > 6 + layer;
}

std::string findStarFile(const std::string& name, const StarFiles& files) {
    if (files.dataDirs.empty()) return findDataFile(name);
    for (const std::string& d : files.dataDirs)
        if (fileExists(joinPath(d, name))) return joinPath(d, name);
    return {};
}

void updateStarDepth(int kind, double zoom, double width_deg, double height_deg,
                     const CatalogueSettings& settings, StarDepth& depth) {
    const double Z = zoom;
    const double span = std::max(std::fabs(width_deg), std::fabs(height_deg));
    const bool disc = kind == kEquidistantKind || kind == kCircularKind;
    double& limit = depth.starMagnitude;
    double scale = 1.0;
    if (settings.useStar6 != 0 && !depth.animating && depth.autoMagnitude) {
        // 30/span grows without bound as the window closes; a zero span is the deepest view.
        const double closeness = span > 0 ? 30.0 / span : 1e9;
        switch (kind) {
        case kEquidistantKind:
            limit = Z * 0.5 + 6;
            break;
        case kCircularKind:
            limit = Z * 0.5 + 5.49;
            break;
        case kAzimutalWindowKind:
            limit = closeness * 0.5 + 6;
            break;
        default:
            limit = closeness + 6;
            break;
        }
        limit = clamp(limit, 6, 9);
        scale = disc ? (Z - 1) * (limit - 3) / 12 + 1 : 0.2 * (limit - 4);
        if (scale > limit / 3) scale = (limit - 2) / 3;
    } else {
        // While animating, or without the star files, no deeper than the constellation stars'
        // magnitude 6; a brighter limit the user chose still holds (fewer stars).
        if (depth.animating || settings.useStar6 == 0) limit = depth.autoMagnitude ? 6 : std::min(limit, 6.0);
        if (disc) {
            scale = Z * limit / 15;
        } else {
            const double m = clamp(limit, 6, 9);
            const double s = clamp(span, 40, 120);
            scale = (limit / (12 - m) - 1) * (120 - s) * 0.0125 + 1;
        }
    }
    depth.starScale = scale;
}

long parseStarText(const char* data, std::size_t size,
                   const std::function<void(double, double, double)>& visit) {
    const char* p = data;
    const char* end = data + size;
    // "%d": the count is an integer; a fractional part ends it like a mismatch would.
    while (p < end && isSpace(*p))
        ++p;
    long count = 0;
    {
        bool negative = false;
        const char* q = p;
        if (q < end && (*q == '+' || *q == '-')) negative = *q++ == '-';
        const char* digits = q;
        for (; q < end && *q >= '0' && *q <= '9'; ++q)
            count = std::min(count * 10 + (*q - '0'), 1000000000L);
        if (q == digits) return 0;
        if (negative) count = 0;
        p = q;
    }
    long visited = 0;
    for (long k = 0; k < count; ++k) {
        double ra = 0, dec = 0, mag = 0;
        if (!parseNumber(p, end, ra) || !parseNumber(p, end, dec) || !parseNumber(p, end, mag)) break;
        if (!std::isfinite(ra) || !std::isfinite(dec) || !std::isfinite(mag)) continue;
        visit(ra, dec, mag);
        ++visited;
    }
    return visited;
}

long readStarFile(const std::string& path, const std::function<void(double, double, double)>& visit) {
    std::string bytes;
    if (path.empty() || !readFileBytes(path, bytes)) return -1;
    return parseStarText(bytes.data(), bytes.size(), visit);
}

bool gscLayerAllowed(int kind, const StarWindow& w, const CatalogueSettings& settings,
                     const StarDepth& depth) {
    if (kind != kQuadraticKind && kind != kQuadraticTrajectoriesKind) return false;
    if (!(depth.gscMinMagnitude >= 9) || settings.useGsc != 1) return false;
    const double dra = std::trunc(w.rb_deg - w.ra_deg);
    const double ddec = std::trunc(w.dmax_deg - w.dmin_deg);
    return dra > -20 && dra < 20 && ddec > -20 && ddec < 20;
}

char driveLetter(int drive) {
    return drive >= 0 && drive < 26 ? static_cast<char>('a' + drive) : '?';
}

std::string gscDriveDirectory(int drive, const StarFiles& files) {
    if (drive < 0 || drive >= 26) return {};
    if (!files.driveDirs.empty()) {
        if (drive < static_cast<int>(files.driveDirs.size()) && isDirectory(files.driveDirs[drive]))
            return files.driveDirs[drive];
        return {};
    }
    const char lower = driveLetter(drive);
    const std::string env = std::string("NALVO_DRIVE_") + static_cast<char>(std::toupper(lower));
    if (const char* v = std::getenv(env.c_str()); v && isDirectory(v)) return v;
    const std::string user = joinPath(joinPath(userDataDir(), "drives"), std::string(1, lower));
    if (isDirectory(user)) return user;
    const std::string mnt = std::string("/mnt/") + lower;
    if (isDirectory(mnt)) return mnt;
    if (lower == 'd' && isDirectory("/media/cdrom")) return "/media/cdrom";
    return {};
}

std::vector<int> availableDrives(const StarFiles& files) {
    std::vector<int> drives;
    for (int d = 0; d < 26; ++d)
        if (!gscDriveDirectory(d, files).empty()) drives.push_back(d);
    return drives;
}

double fixedWidthNumber(const char* field, int width, bool* negative) {
    int point = width;
    for (int i = 0; i < width; ++i)
        if (field[i] == '.') {
            point = i;
            break;
        }
    double value = 0;
    double sign = 1;
    bool minus = false;
    for (int i = 0; i < width; ++i) {
        const char c = field[i];
        if (i == point) continue;
        if (c == '-') {
            sign = -1;
            minus = true;
            continue;
        }
        if (c < '0' || c > '9') continue; // blanks, '+' and anything else only use their place
        const int exponent = i < point ? point - i - 1 : point - i;
        value += sign * (c - '0') * std::pow(10.0, exponent);
    }
    if (negative) *negative = minus;
    return value;
}

GscRegionList findRegionsInTable(const std::string& bytes, double raMin, double raMax, double decMin,
                                 double decMax, Prompter& prompter) {
    constexpr std::size_t kHeader = 14400, kRecord = 48;
    GscRegionList list;
    if (bytes.size() < 8990) return list;
    const long records = static_cast<long>(fixedWidthNumber(bytes.data() + 8985, 5));
    for (long k = 0; k < records; ++k) {
        const std::size_t at = kHeader + static_cast<std::size_t>(k) * kRecord;
        if (at + kRecord > bytes.size()) break; // a short table ends at its last whole record
        const char* r = bytes.data() + at;
        const int region = static_cast<int>(fixedWidthNumber(r, 5));
        const double lowerRa = fixedWidthNumber(r + 7, 2) * 15 + fixedWidthNumber(r + 10, 2) * 0.25 +
                               fixedWidthNumber(r + 13, 5) * 0.00417;
        const double upperRa = fixedWidthNumber(r + 19, 2) * 15 + fixedWidthNumber(r + 22, 2) * 0.25 +
                               fixedWidthNumber(r + 25, 5) * 0.004167;
        auto declination = [&](int degOffset, int minOffset) {
            bool negative = false;
            const double deg = fixedWidthNumber(r + degOffset, 3, &negative);
            const double minutes = std::fabs(fixedWidthNumber(r + minOffset, 4)) * 0.0167;
            return negative ? deg - minutes : deg + minutes;
        };
        const double d1 = declination(31, 35), d2 = declination(40, 44);
        const double lowerDec = std::min(d1, d2), upperDec = std::max(d1, d2);
        if (lowerDec < decMax && lowerRa < raMax && upperDec > decMin && upperRa > raMin &&
            list.count < kMaxGscRegions) {
            list.regions[list.count++] = region;
            if (list.count == kMaxGscRegions) {
                prompter.message("Screen too large to use all stars from the GSC", kErrorCaption);
                break;
            }
        }
    }
    return list;
}

GscRegionList findGscRegions(int drive, double raMin, double raMax, double decMin, double decMax,
                             Prompter& prompter, const StarFiles& files) {
    std::string bytes;
    std::string path = findStarFile("Regions.tbl", files);
    if (path.empty() || !readFileBytes(path, bytes)) {
        for (;;) {
            const std::string dir = gscDriveDirectory(drive, files);
            path = dir.empty() ? std::string() : resolveIgnoringCase(dir, "Tables/Regions.tbl");
            if (!path.empty() && readFileBytes(path, bytes)) break;
            const std::string shown = dir.empty()
                                          ? std::string(1, driveLetter(drive)) + ":/Tables/Regions.tbl"
                                          : joinPath(dir, "Tables/Regions.tbl");
            const char upper =
                static_cast<char>(std::toupper(static_cast<unsigned char>(driveLetter(drive))));
            const std::string text =
                std::string("Insert The Guide Star Catalog Version 1.1, Volume 1 ou Volume 2 CDROM ") +
                upper + ":";
            if (!prompter.askOkCancel(text, "File " + shown + " missing")) {
                GscRegionList none;
                none.count = -1;
                return none;
            }
        }
    }
    return findRegionsInTable(bytes, raMin, raMax, decMin, decMax, prompter);
}

std::string gscRegionRelativePath(int region) {
    if (region < 0 || region > kLastRegion) return {};
    const char* dir = kRegionDirs[0].dir;
    for (const RegionDirectory& d : kRegionDirs)
        if (region >= d.first) dir = d.dir;
    char name[16];
    std::snprintf(name, sizeof name, "%04d.gsc", region);
    return std::string("gsc/") + dir + "/" + name;
}

std::string gscRegionPath(int drive, int region, const StarFiles& files) {
    const std::string relative = gscRegionRelativePath(region);
    const std::string dir = gscDriveDirectory(drive, files);
    if (relative.empty() || dir.empty()) return {};
    const std::string found = resolveIgnoringCase(dir, relative);
    return found.empty() ? joinPath(dir, relative) : found;
}

long parseGscRegion(const std::string& bytes, const std::function<void(double, double, double)>& visit) {
    constexpr std::size_t kHeader = 8640, kRecord = 45;
    if (bytes.size() < 3230) return 0;
    const long records = static_cast<long>(fixedWidthNumber(bytes.data() + 3225, 5));
    long read = 0;
    for (long k = 0; k < records; ++k) {
        const std::size_t at = kHeader + static_cast<std::size_t>(k) * kRecord;
        if (at + kRecord > bytes.size()) break;
        const char* r = bytes.data() + at;
        visit(fixedWidthNumber(r + 5, 9), fixedWidthNumber(r + 14, 9), fixedWidthNumber(r + 28, 5));
        ++read;
    }
    return read;
}

long forEachCatalogueStar(int kind, const StarWindow& window, const CatalogueSettings& settings,
                          const StarDepth& depth, Prompter& prompter, const StarVisitor& visit,
                          const StarFiles& files) {
    StarStore store; // the files are read for this call only
    const long visited =
        forEachStarFileStar(store, settings, depth.starMagnitude, files,
                            [&](const StarColumns& stars, std::size_t i, StarSource source) {
                                visit(stars.ra_deg[i], stars.dec_deg[i], stars.mag[i], source);
                            });
    return visited + forEachGscStar(kind, window, settings, depth, prompter, visit, files);
}

long forEachGscStar(int kind, const StarWindow& window, const CatalogueSettings& settings,
                    const StarDepth& depth, Prompter& prompter, const StarVisitor& visit,
                    const StarFiles& files) {
    long visited = 0;
    if (!gscLayerAllowed(kind, window, settings, depth)) return visited;
    const GscRegionList regions =
        findGscRegions(settings.cdromDrive, std::min(window.ra_deg, window.rb_deg),
                       std::max(window.ra_deg, window.rb_deg), std::min(window.dmin_deg, window.dmax_deg),
                       std::max(window.dmin_deg, window.dmax_deg), prompter, files);
    for (int k = 0; k < regions.count; ++k) {
        const int region = regions.regions[k];
        const std::string path = gscRegionPath(settings.cdromDrive, region, files);
        // A region without a directory (outside 0-9536) or without a mapped drive is skipped.
        std::string bytes;
        if (path.empty() && gscRegionRelativePath(region).empty()) continue;
        if (path.empty() || !readFileBytes(path, bytes)) {
            const std::string text = region < 5260 ? "Insert le CD-Rom n\xB0 1 of Guide Star Catalog"
                                                   : "Insert CD-Rom n\xB0 2 of Guide Star Catalog";
            if (!prompter.askOkCancel(text, "File missing")) break; // Cancel ends the layer
            const std::string again = gscRegionPath(settings.cdromDrive, region, files);
            // Still missing after OK: this region is skipped without another question.
            if (again.empty() || !readFileBytes(again, bytes)) continue;
        }
        parseGscRegion(bytes, [&](double ra, double dec, double mag) {
            if (depth.gscMaxMagnitude < mag && mag < depth.gscMinMagnitude) {
                visit(ra, dec, mag, StarSource::Gsc);
                ++visited;
            }
        });
    }
    return visited;
}
