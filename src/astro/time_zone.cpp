// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/time_zone.h"

#include <date/ptz.h>
#include <date/tz.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

constexpr long double kJdUnixEpoch = 2440587.5L; // 1970-01-01 0h UT
constexpr long double kJdEpoch = 2415020.0L;     // the origin of t
// Seconds from 1970 beyond which nothing is asked of the rules (about 28,000 years, within the
// years the library counts).
constexpr long double kSecondsLimit = 9e11L;

// The rule for instants after the zone's last listed transition: the POSIX TZ string that ends a
// tzdata file (for instance "CET-1CEST,M3.5.0,M10.5.0/3"). The library reads the transitions of
// the file only, which stop in 2037, and would keep the last offset for every later year.
std::optional<Posix::time_zone> footerRule(const std::string& zoneName) {
    const char* dir = std::getenv("TZDIR");
    std::ifstream file(std::string(dir && *dir ? dir : "/usr/share/zoneinfo") + "/" + zoneName,
                       std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    const std::string s = bytes.str();
    if (s.size() < 2 || s.back() != '\n') return std::nullopt;
    const std::size_t start = s.rfind('\n', s.size() - 2);
    if (start == std::string::npos) return std::nullopt;
    const std::string footer = s.substr(start + 1, s.size() - start - 2);
    if (footer.empty()) return std::nullopt;
    try {
        return Posix::time_zone(footer);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace

struct TimeZone::Rules {
    std::string name;
    const date::time_zone* zone = nullptr; // tzdata's entry, kept by the library for the whole run
    std::optional<Posix::time_zone> after; // the rule from `lastTransition` on
    date::sys_seconds lastTransition;
};

TimeZone::TimeZone(std::unique_ptr<const Rules> rules) : rules_(std::move(rules)) {}
TimeZone::~TimeZone() = default;

std::shared_ptr<const TimeZone> TimeZone::find(const std::string& name) {
    auto rules = std::make_unique<Rules>();
    rules->name = name;
    try {
        rules->zone = date::locate_zone(name);
        // The start of the last period the file lists.
        rules->lastTransition = rules->zone->get_info(date::sys_days{date::year{9999} / 1 / 1}).begin;
    } catch (const std::exception&) {
        return nullptr;
    }
    rules->after = footerRule(name);
    return std::make_shared<const TimeZone>(std::move(rules));
}

const std::string& TimeZone::name() const {
    return rules_->name;
}

double TimeZone::offsetAt_h(long double t) const {
    long double s = (t * 36525 + kJdEpoch - kJdUnixEpoch) * 86400;
    if (!std::isfinite(s)) s = 0;
    s = std::fmax(-kSecondsLimit, std::fmin(kSecondsLimit, s));
    const date::sys_seconds instant{std::chrono::seconds{static_cast<long long>(std::floor(s))}};
    const std::chrono::seconds offset = rules_->after && instant >= rules_->lastTransition
                                            ? rules_->after->get_info(instant).offset
                                            : rules_->zone->get_info(instant).offset;
    return static_cast<double>(offset.count()) / 3600.0;
}
