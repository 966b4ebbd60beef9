// SPDX-License-Identifier: GPL-3.0-or-later
// Events of the Galilean moons: the geometry of one instant, a search that steps no further than
// the nearest moon could move to change a state, and a refinement by regula falsi on the margin
// whose sign changed.
#include "astro/jovian_events.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "astro/jovian_theory.h"

const char* const kGalileanMoonNames[4] = {"Io", "Europa", "Ganymede", "Callisto"};

const char* jovianEventName(JovianEventKind kind) {
    switch (kind) {
    case JovianEventKind::TransitStart:
        return "transit_start";
    case JovianEventKind::TransitEnd:
        return "transit_end";
    case JovianEventKind::OccultationStart:
        return "occultation_start";
    case JovianEventKind::OccultationEnd:
        return "occultation_end";
    case JovianEventKind::EclipseStart:
        return "eclipse_start";
    case JovianEventKind::EclipseEnd:
        return "eclipse_end";
    case JovianEventKind::ShadowStart:
        return "shadow_start";
    case JovianEventKind::ShadowEnd:
        return "shadow_end";
    }
    return "";
}

namespace {

Vec3d operator+(Vec3d a, Vec3d b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3d operator-(Vec3d a, Vec3d b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3d operator*(Vec3d a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double dot(Vec3d a, Vec3d b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3d cross(Vec3d a, Vec3d b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double norm(Vec3d a) {
    return std::sqrt(dot(a, a));
}

constexpr double kA = kJupiterEquatorialRadius_km;
constexpr double kStretch = kJupiterEquatorialRadius_km / kJupiterPolarRadius_km;
constexpr double kSecond = 1.0 / 86400;
// Largest orbital speeds (km/day), with a tenth more for the eccentricities and the Earth's motion.
constexpr double kMaxSpeed_kmPerDay[4] = {17.4 * 86400 * 1.1, 13.8 * 86400 * 1.1, 10.9 * 86400 * 1.1,
                                          8.25 * 86400 * 1.1};
// Mean motions (rad/day) for the moons' light-time differences.
constexpr double kMeanMotion_radPerDay[4] = {203.48895579 * M_PI / 180, 101.374724735 * M_PI / 180,
                                             50.317609207 * M_PI / 180, 21.571071177 * M_PI / 180};

// The polar component multiplied by k: k = kStretch turns the spheroid into a sphere of radius kA.
Vec3d stretch(Vec3d v, Vec3d pole, double k) {
    return v + pole * ((k - 1) * dot(v, pole));
}

// The Earth and Jupiter at a Julian day of TT: straight from the series, or interpolated over
// nodes one day apart (four-point Lagrange, about a kilometre from the series) for a long search.
class PlanetSource {
  public:
    PlanetSource() = default;
    PlanetSource(double fromTt, double toTt) : start_(std::floor(fromTt) - 2) {
        const int n = static_cast<int>(std::ceil(toTt - start_)) + 3;
        earth_.reserve(n);
        jupiter_.reserve(n);
        pole_.reserve(n);
        for (int i = 0; i < n; ++i) {
            earth_.push_back(earthHeliocentric_km(start_ + i));
            jupiter_.push_back(jupiterHeliocentric_km(start_ + i));
            pole_.push_back(jupiterPole(start_ + i));
        }
    }
    Vec3d earth(double jdTt) const { return earth_.empty() ? earthHeliocentric_km(jdTt) : at(earth_, jdTt); }
    Vec3d jupiter(double jdTt) const {
        return jupiter_.empty() ? jupiterHeliocentric_km(jdTt) : at(jupiter_, jdTt);
    }
    Vec3d pole(double jdTt) const {
        if (pole_.empty()) return jupiterPole(jdTt);
        const Vec3d p = at(pole_, jdTt);
        return p * (1 / norm(p));
    }

  private:
    Vec3d at(const std::vector<Vec3d>& nodes, double jdTt) const {
        const double u = jdTt - start_;
        int i = std::clamp(static_cast<int>(std::floor(u)) - 1, 0, static_cast<int>(nodes.size()) - 4);
        const double x = u - i; // nodes at 0, 1, 2, 3
        const double w0 = -(x - 1) * (x - 2) * (x - 3) / 6, w1 = x * (x - 2) * (x - 3) / 2,
                     w2 = -x * (x - 1) * (x - 3) / 2, w3 = x * (x - 1) * (x - 2) / 6;
        return nodes[i] * w0 + nodes[i + 1] * w1 + nodes[i + 2] * w2 + nodes[i + 3] * w3;
    }
    double start_ = 0;
    std::vector<Vec3d> earth_, jupiter_, pole_;
};

struct System {
    Vec3d earth, jupiter; // Jupiter's centre at its light time
    double jdTt = 0, tau = 0;
    Vec3d pole;
    Vec3d moons[4]; // at Jupiter's light time
};

// The system at a Julian day of UT, with the moons of `mask` only.
System systemAt(const PlanetSource& planets, double jdUt, unsigned mask = 0xf) {
    System s;
    s.jdTt = jdUt + deltaT_s(jdUt) * kSecond;
    s.earth = planets.earth(s.jdTt);
    double tau = 0;
    for (int i = 0; i < 3; ++i) {
        s.jupiter = planets.jupiter(s.jdTt - tau);
        tau = norm(s.jupiter - s.earth) / kLightSpeed_kmPerDay;
    }
    s.tau = tau;
    s.pole = planets.pole(s.jdTt - tau);
    galileanMoons_km(s.jdTt - tau, s.moons, mask);
    return s;
}

JovianMoonState moonState(const PlanetSource& planets, const System& s, int k) {
    // The moon at its own light time: its place moved back along its orbit by the difference.
    const double dtau = norm(s.jupiter + s.moons[k] - s.earth) / kLightSpeed_kmPerDay - s.tau;
    const Vec3d rel = s.moons[k] - cross(s.pole, s.moons[k]) * (kMeanMotion_radPerDay[k] * dtau);
    const Vec3d jupiterThen = planets.jupiter(s.jdTt - s.tau - dtau);
    return jovianMoonGeometry(s.earth, s.jupiter, jupiterThen, rel, s.pole);
}

// How far (days) the search may step from this state without missing a change of it.
double safeStep(const JovianMoonState& st, int k) {
    const double v = kMaxSpeed_kmPerDay[k];
    double step = std::min(std::abs(st.discMargin_km), std::abs(st.umbraMargin_km)) / v;
    if (st.shadowHits) {
        step = std::min(step, -st.shadowLineMargin_km / v);
        // The shadow runs across the surface faster than the moon where the Sun grazes it.
        step = std::min(step, 0.5 * std::abs(st.shadowFacing) * kA * std::max(st.shadowIncidence, 1e-3) / v);
    } else {
        step = std::min(step, st.shadowLineMargin_km / v);
    }
    return step;
}

enum class Watch { Disc, Umbra, ShadowLine, ShadowFacing };

double margin(const JovianMoonState& st, Watch w) {
    switch (w) {
    case Watch::Disc:
        return st.discMargin_km;
    case Watch::Umbra:
        return st.umbraMargin_km;
    case Watch::ShadowLine:
        return st.shadowLineMargin_km;
    case Watch::ShadowFacing:
        return -st.shadowFacing;
    }
    return 0;
}

// The instant in [lo, hi] where the margin changes sign, by regula falsi (Illinois) from its
// values at the ends, to 0.3 s (or a margin the moon crosses in 0.2 s).
double refine(const PlanetSource& planets, int k, Watch w, double lo, double hi, double flo, double fhi) {
    auto f = [&](double t) { return margin(moonState(planets, systemAt(planets, t, 1u << k), k), w); };
    if (!(flo * fhi < 0)) return 0.5 * (lo + hi);
    const double close = w == Watch::ShadowFacing ? 0 : kMaxSpeed_kmPerDay[k] * 0.2 * kSecond;
    int side = 0;
    for (int iter = 0; iter < 60 && hi - lo > 0.3 * kSecond; ++iter) {
        double t = (lo * fhi - hi * flo) / (fhi - flo);
        if (!(t > lo && t < hi)) t = 0.5 * (lo + hi);
        const double ft = f(t);
        if (std::abs(ft) < close) return t;
        if (ft * flo > 0) {
            lo = t;
            flo = ft;
            if (side == -1) fhi *= 0.5;
            side = -1;
        } else {
            hi = t;
            fhi = ft;
            if (side == 1) flo *= 0.5;
            side = 1;
        }
    }
    return std::abs(flo) < std::abs(fhi) ? lo : hi;
}

double elongation_deg(const PlanetSource& planets, double jdUt) {
    const double jdTt = jdUt + deltaT_s(jdUt) * kSecond;
    const Vec3d earth = planets.earth(jdTt);
    const Vec3d toSun = earth * -1, toJupiter = planets.jupiter(jdTt) - earth;
    const double c = dot(toSun, toJupiter) / (norm(toSun) * norm(toJupiter));
    return std::acos(std::clamp(c, -1.0, 1.0)) * 180 / M_PI;
}

double roundToSecond(double jd) {
    // Seconds counted from the day's start (JD .5), so that the rounding is that of the clock.
    const double day = std::floor(jd - 0.5);
    return day + 0.5 + std::round((jd - 0.5 - day) * 86400) / 86400;
}

} // namespace

JovianMoonState jovianMoonGeometry(const Vec3d& earth, const Vec3d& jupiter, const Vec3d& jupiterThen,
                                   const Vec3d& rel, const Vec3d& pole) {
    JovianMoonState st;
    const Vec3d moon = jupiterThen + rel;
    // Disc: the Earth-moon line against the stretched sphere about Jupiter's centre.
    const Vec3d e = stretch(earth - jupiter, pole, kStretch);
    const Vec3d q = stretch(moon - jupiter, pole, kStretch);
    const Vec3d d = q - e;
    st.discMargin_km = norm(cross(e, d)) / norm(d) - kA;
    st.onDisc = st.discMargin_km < 0;
    st.nearer = norm(moon - earth) < norm(jupiter - earth);

    // Umbra: the cone behind the sphere from the Sun of radius kSunRadius_km, apex at L.
    const Vec3d p = stretch(rel, pole, kStretch);
    const Vec3d sun = stretch(jupiterThen * -1, pole, kStretch);
    const double D = norm(sun);
    const Vec3d w = sun * (-1 / D);
    const double x = dot(p, w), rho = norm(p - w * x);
    const double L = kA * D / (kSunRadius_km - kA);
    const double slope = kA / std::sqrt(L * L - kA * kA);
    st.umbraMargin_km = x > 0 ? rho - (L - x) * slope : std::max(-x, rho - L * slope);
    st.inUmbra = st.umbraMargin_km < 0;

    // Shadow: the ray from the moon away from the Sun meets the sphere; the spheroid's normal there
    // against the direction of the Earth.
    const Vec3d ps = p - sun;
    const Vec3d u = ps * (1 / norm(ps));
    const double pu = dot(p, u);
    const double lineRho = norm(p - u * pu);
    st.shadowHits = pu < 0 && lineRho < kA;
    st.shadowLineMargin_km = pu < 0 ? lineRho - kA : std::max(pu, lineRho - kA);
    if (st.shadowHits) {
        const double lambda = -pu - std::sqrt(kA * kA - lineRho * lineRho);
        const Vec3d hitStretched = p + u * lambda;
        const Vec3d hit = stretch(hitStretched, pole, 1 / kStretch);
        Vec3d normal = stretch(hitStretched, pole, kStretch);
        normal = normal * (1 / norm(normal));
        const Vec3d toEarth = earth - jupiterThen - hit;
        st.shadowFacing = dot(normal, toEarth) / norm(toEarth);
        st.shadowIncidence = -dot(normal, u);
        st.shadowSeen = st.shadowFacing > 0;
    }
    return st;
}

JovianMoonState jovianMoonState(double jdUt, int moon) {
    const PlanetSource planets;
    return moonState(planets, systemAt(planets, jdUt, 1u << moon), moon);
}

double jupiterSunElongation_deg(double jdUt) {
    const PlanetSource planets;
    return elongation_deg(planets, jdUt);
}

std::vector<JovianEvent> jovianMoonEvents(double fromJdUt, double toJdUt, double minElongation_deg) {
    std::vector<JovianEvent> events;
    if (!(toJdUt > fromJdUt)) return events;
    const PlanetSource planets(fromJdUt - 1, toJdUt + 1);
    constexpr double kMinStep = 1.0 / 1440, kMaxStep = 1.0;

    // Each moon on its own: its steps follow its own margins, and only its series is summed.
    for (int k = 0; k < 4; ++k) {
        const unsigned mask = 1u << k;
        double t = fromJdUt;
        JovianMoonState was = moonState(planets, systemAt(planets, t, mask), k);
        while (t < toJdUt) {
            const double t2 = std::min(t + std::clamp(safeStep(was, k), kMinStep, kMaxStep), toJdUt);
            const JovianMoonState now = moonState(planets, systemAt(planets, t2, mask), k);
            if (now.onDisc != was.onDisc) {
                const double when = refine(planets, k, Watch::Disc, t, t2, was.discMargin_km, now.discMargin_km);
                // The side of the crossing: the moon is far from Jupiter's distance at the edge.
                const bool nearer = now.nearer;
                const JovianEventKind kind =
                    nearer ? (now.onDisc ? JovianEventKind::TransitStart : JovianEventKind::TransitEnd)
                           : (now.onDisc ? JovianEventKind::OccultationStart : JovianEventKind::OccultationEnd);
                events.push_back({when, k, kind});
            }
            if (now.inUmbra != was.inUmbra) {
                events.push_back({refine(planets, k, Watch::Umbra, t, t2, was.umbraMargin_km, now.umbraMargin_km), k,
                                  now.inUmbra ? JovianEventKind::EclipseStart : JovianEventKind::EclipseEnd});
            }
            if (now.shadowSeen != was.shadowSeen) {
                const Watch w = now.shadowHits != was.shadowHits ? Watch::ShadowLine : Watch::ShadowFacing;
                events.push_back({refine(planets, k, w, t, t2, margin(was, w), margin(now, w)), k,
                                  now.shadowSeen ? JovianEventKind::ShadowStart : JovianEventKind::ShadowEnd});
            }
            was = now;
            t = t2;
        }
    }
    std::vector<JovianEvent> kept;
    kept.reserve(events.size());
    for (JovianEvent& e : events) {
        e.jdUt = roundToSecond(e.jdUt);
        if (e.jdUt < fromJdUt || e.jdUt >= toJdUt) continue;
        if (minElongation_deg > 0 && !(elongation_deg(planets, e.jdUt) > minElongation_deg)) continue;
        kept.push_back(e);
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const JovianEvent& a, const JovianEvent& b) { return a.jdUt < b.jdUt; });
    return kept;
}
