// SPDX-License-Identifier: GPL-3.0-or-later
// Rise, transit and set: the body's topocentric hour angle, sampled every hour through the day,
// brackets each meridian passage (upper and lower culminations), which is then found by
// bisection; between two passages the altitude changes one way only, so each sign change of the
// limb's height over the refracted horizon there brackets one rise or set, found the same way.
// The body's own motion in declination moves its highest and lowest points a little off the
// meridian (minutes of time for the Moon far north), so a limb that grazes the horizon there for
// less than that, rising and setting on the same side of the meridian, is taken as not rising.
#include "astro/rise_set.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "astro/angles.h"
#include "astro/moon.h"
#include "astro/planets.h"
#include "astro/sun.h"

namespace {

constexpr long double kCenturiesPerHour = 1.0L / 876600.0L;
constexpr long double kCenturiesPerDay = 1.0L / 36525.0L;
// Every instant is bracketed to 0.1 s: well below the minute shown, and far from the bisection's
// limit (t carries about 1e-19 relative, some microseconds).
constexpr long double kTolerance_centuries = 0.1L / 3600.0L * kCenturiesPerHour;
constexpr double kRefraction_deg = 34.0 / 60.0; // at the horizon, the almanacs' value
constexpr double kEarthRadius_km = 6378.14;
constexpr double kAu_km = 149597870.0;
// Added to a Julian day before it is cut to a calendar day, as the calendar conversion does: it
// keeps an instant computed for 0h00 from falling into the previous day by rounding.
constexpr long double kCalendarSlack_days = 1e-8L;

// Greenwich mean sidereal time (deg, not reduced) at t, by the formula of siderealTime (0h UT of
// the day plus the sidereal hours elapsed since) without cutting the instant to the minute.
double siderealTimeAt(long double t) {
    const long double jd = t * 36525.0L + 2415020.0L;
    const long double midnight = std::floor(jd - 0.5L) + 0.5L;
    const double t0 = static_cast<double>((midnight - 2415020.0L) / 36525.0L);
    const double turns = (6.6460656 + 2400.051262 * t0 + 0.00002581 * t0 * t0) / 24;
    const double s0_h = (turns - std::floor(turns)) * 24;
    const double hours = static_cast<double>((jd - midnight) * 24.0L);
    return (s0_h + 1.002737908 * hours) * 15;
}

// An angle brought into [-180, 180).
double wrap180(double deg) {
    return deg - 360.0 * std::floor((deg + 180.0) / 360.0);
}

// The observer at sea level: geocentric place on the flattened Earth (Earth radii) and the
// sines of the geodetic latitude.
struct Observer {
    double sinLat = 0, cosLat = 1;
    double rhoSin = 0, rhoCos = 1;
    double lonWest_deg = 0;
    Observer(double lat_deg, double lonWest) : lonWest_deg(lonWest) {
        sinCosDeg(lat_deg, sinLat, cosLat);
        const double u = std::atan(0.99664719 * std::tan(degToRad(lat_deg)));
        rhoSin = 0.99664719 * std::sin(u);
        rhoCos = std::cos(u);
    }
};

struct Topocentric {
    double hourAngle_deg = 0; // [-180, 180]
    double altitude_deg = 0;  // of the centre, without refraction
    double semidiameter_deg = 0;
};

Topocentric topocentricAt(const RiseSetBody& body, long double t, const Observer& o) {
    const GeocentricPlace p = body.place(t);
    const double hourAngle = siderealTimeAt(t) - o.lonWest_deg - p.ra_deg;
    double sinH, cosH, sinD, cosD;
    sinCosDeg(hourAngle, sinH, cosH);
    sinCosDeg(p.dec_deg, sinD, cosD);
    // The body in Earth radii, in the frame of the local meridian (x towards hour angle 0 on the
    // equator, y towards the west, z north); without a distance, a body at infinity.
    const bool near = p.distance_au > 0 && std::isfinite(p.distance_au);
    const double d = near ? p.distance_au * (kAu_km / kEarthRadius_km) : 1.0;
    double x = d * cosD * cosH, y = d * cosD * sinH, z = d * sinD;
    if (near) {
        x -= o.rhoCos;
        z -= o.rhoSin;
    }
    const double r = std::sqrt(x * x + y * y + z * z);
    Topocentric out;
    out.hourAngle_deg = radToDeg(std::atan2(y, x));
    const double sinAlt = (o.sinLat * z + o.cosLat * x) / r;
    out.altitude_deg = radToDeg(std::asin(std::fmax(-1.0, std::fmin(1.0, sinAlt))));
    if (body.radius_km > 0 && near)
        out.semidiameter_deg = radToDeg(std::asin(std::fmin(1.0, body.radius_km / (r * kEarthRadius_km))));
    return out;
}

// Height of the upper limb over the horizon lowered by refraction: 0 at rise and set.
double limbHeight(const Topocentric& p) {
    return p.altitude_deg + p.semidiameter_deg + kRefraction_deg;
}

// The instant in [lo, hi] where `f` (negative at lo, non-negative at hi) changes sign.
template <class F> long double bisect(long double lo, long double hi, F f) {
    while (hi - lo > kTolerance_centuries) {
        const long double mid = (lo + hi) / 2;
        if (f(mid) < 0)
            lo = mid;
        else
            hi = mid;
    }
    return (lo + hi) / 2;
}

date2 instant(long double t) {
    date2 d;
    d.t = t;
    return d;
}

} // namespace

RiseTransitSet riseTransitSet(const RiseSetBody& body, long double dayStart_t, double lat_deg,
                              double lonWest_deg) {
    RiseTransitSet out;
    if (!body.place) return out;
    const Observer o(lat_deg, lonWest_deg);
    const auto at = [&](long double t) { return topocentricAt(body, t, o); };

    // Meridian passages. The hour angle grows by 13 to 15 degrees an hour (the Moon's eastward
    // motion is the slowest case), so hourly samples unwrap it without ambiguity and each
    // multiple of 180 degrees between two samples is one passage.
    std::vector<long double> bounds = {dayStart_t};
    long double t0 = dayStart_t;
    double h0 = at(t0).hourAngle_deg, u0 = h0;
    for (int k = 1; k <= 24; ++k) {
        const long double t1 = dayStart_t + k * kCenturiesPerHour;
        const double h1 = at(t1).hourAngle_deg;
        const double u1 = u0 + wrap180(h1 - h0);
        for (double m = std::floor(u0 / 180.0) + 1; m * 180.0 <= u1; ++m) {
            const double target = m * 180.0;
            const long double tc = bisect(
                t0, t1, [&](long double t) { return u0 + wrap180(at(t).hourAngle_deg - h0) - target; });
            bounds.push_back(tc);
            const bool upper = std::fmod(std::fabs(m), 2.0) == 0;
            if (upper && !out.transit_t) {
                out.transit_t = tc;
                out.transitAltitude_deg = at(tc).altitude_deg;
            }
        }
        t0 = t1;
        h0 = h1;
        u0 = u1;
    }
    bounds.push_back(dayStart_t + kCenturiesPerDay);

    // Rise and set, one at most between two passages.
    double ga = limbHeight(at(bounds[0]));
    for (size_t k = 1; k < bounds.size(); ++k) {
        const double gb = limbHeight(at(bounds[k]));
        if (ga < 0 && gb >= 0 && !out.rise_t) {
            out.rise_t = bisect(bounds[k - 1], bounds[k], [&](long double t) { return limbHeight(at(t)); });
        } else if (ga >= 0 && gb < 0 && !out.set_t) {
            out.set_t = bisect(bounds[k - 1], bounds[k], [&](long double t) { return -limbHeight(at(t)); });
        }
        ga = gb;
    }
    // An event found at the very end of the day belongs to the next one.
    const long double end = dayStart_t + kCenturiesPerDay;
    for (std::optional<long double>* e : {&out.rise_t, &out.transit_t, &out.set_t})
        if (*e && **e >= end) e->reset();
    return out;
}

long double localDayStart(long double t, double offset_h) {
    const long double offset = offset_h * kCenturiesPerHour;
    const long double jdLocal = (t + offset) * 36525.0L + 2415020.0L;
    const long double midnight = std::floor(jdLocal + 0.5L + kCalendarSlack_days) - 0.5L;
    return (midnight - 2415020.0L) / 36525.0L - offset;
}

// Each call works on its own copy of the record, so that a body can be searched from several
// places at once.
RiseSetBody sunForRiseSet(const soleil& sun) {
    RiseSetBody b;
    b.radius_km = sun.rayon;
    b.place = [sun](long double t) {
        soleil s = sun;
        sunPosition(s, instant(t));
        return GeocentricPlace{s.ra, s.dec, sunEarthDistance(s, static_cast<double>(t))};
    };
    return b;
}

namespace {
// A body whose geocentric place at T comes from `position` applied to a copy of `body`.
template <class Body, class Position>
RiseSetBody placedBy(const Body& body, const soleil& sun, double radius_km, Position position) {
    RiseSetBody b;
    b.radius_km = radius_km;
    b.place = [body, sun, position](long double t) {
        Body copy = body;
        position(copy, instant(t), sun);
        return GeocentricPlace{copy.ra, copy.dec, copy.delta};
    };
    return b;
}
} // namespace

RiseSetBody moonForRiseSet(const objetceleste& moon, const soleil& sun) {
    return placedBy(moon, sun, moon.rayon,
                    [](objetceleste& m, const date2& d, const soleil& s) { moonPosition(m, d, s); });
}

RiseSetBody planetForRiseSet(const objetceleste& planet, const soleil& sun) {
    return placedBy(planet, sun, RiseSetBody{}.radius_km,
                    [](objetceleste& p, const date2& d, const soleil& s) { planetPosition(p, d, s); });
}

RiseSetBody asteroidForRiseSet(const comet& asteroid, const soleil& sun) {
    return placedBy(asteroid, sun, RiseSetBody{}.radius_km,
                    [](comet& c, const date2& d, const soleil& s) { cometPosition(c, d, s); });
}

std::string riseTransitSetText(const RiseTransitSet& e, long double dayStart_t) {
    const auto clock = [&](const std::optional<long double>& t) -> std::string {
        if (!t) return "-";
        const double minutes = static_cast<double>((*t - dayStart_t) / kCenturiesPerHour * 60.0L);
        long long m = std::llround(minutes);
        if (m < 0) m = 0;
        if (m > 24 * 60 - 1) m = 24 * 60 - 1;
        char buf[16];
        std::snprintf(buf, sizeof buf, "%dh%02d", static_cast<int>(m / 60), static_cast<int>(m % 60));
        return buf;
    };
    std::string transit = clock(e.transit_t);
    if (e.transit_t) {
        char buf[32];
        std::snprintf(buf, sizeof buf, " at %.1f\xB0", e.transitAltitude_deg);
        transit += buf;
    }
    return "Rise " + clock(e.rise_t) + ", transit " + transit + ", set " + clock(e.set_t) + " (local time).";
}
