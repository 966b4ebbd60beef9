// SPDX-License-Identifier: GPL-3.0-or-later
// A small model for the interaction tests: five planets with the Earth and its Moon, one
// constellation of three stars, two deep-sky objects and two asteroids. Every screen point starts
// as "not drawn" (-100); a test places the objects it needs.
#pragma once

#include <cstring>
#include <memory>

#include "catalog/systeme.h"

namespace interaction_test {

template <size_t N>
inline void copyName(char (&dst)[N], const char* src) {
    std::strncpy(dst, src, N - 1);
    dst[N - 1] = '\0';
}

inline void hide(int32_t& x, int32_t& y) {
    x = -100;
    y = 0;
}

struct Model {
    systeme sys;
    planete* mercury = nullptr;
    planete* venus = nullptr;
    planete* earth = nullptr;
    planete* mars = nullptr;
    planete* jupiter = nullptr;
    satellite* moon = nullptr;
    constellation* cma = nullptr;
    etoile* sirius = nullptr;
    etoile* beta = nullptr;
    etoile* faint = nullptr;
    ngc* m42 = nullptr;
    ngc* ngc2244 = nullptr;
    ::comet* ceres = nullptr;
    ::comet* vesta = nullptr;

    Model() {
        sys.sunBody = std::make_unique<soleil>();
        copyName(sys.sunBody->nom, "Soleil");
        hide(sys.sunBody->screenX, sys.sunBody->screenY);
        const char* names[] = {"Mercure", "Venus", "Terre", "Mars", "Jupiter"};
        for (int k = 0; k < 5; ++k) {
            sys.planets[k] = std::make_unique<planete>();
            copyName(sys.planets[k]->nom, names[k]);
            hide(sys.planets[k]->screenX, sys.planets[k]->screenY);
        }
        sys.nbPlanets = 5;
        mercury = sys.planets[0].get();
        venus = sys.planets[1].get();
        earth = sys.planets[2].get();
        mars = sys.planets[3].get();
        jupiter = sys.planets[4].get();
        sys.satelliteStore.push_back(std::make_unique<satellite>());
        moon = sys.satelliteStore.back().get();
        copyName(moon->nom, "Lune");
        hide(moon->screenX, moon->screenY);
        earth->setSatelliteCount(1);
        earth->setSatellite(0, moon);

        sys.constellations[0] = std::make_unique<constellation>();
        cma = sys.constellations[0].get();
        copyName(cma->nom, "Canis_Major");
        copyName(cma->abbrev, "CMa");
        sys.nbConstellations = 1;
        auto star = [&](const char* w1, const char* w2, const char* w3, double mag, double ra, double dec) {
            auto s = std::make_unique<etoile>();
            copyName(s->word1, w1);
            copyName(s->word2, w2);
            copyName(s->word3, w3);
            s->mag = mag;
            s->ra = ra;
            s->dec = dec;
            hide(s->screenX, s->screenY);
            etoile* raw = s.get();
            cma->stars[cma->nbStars++] = std::move(s);
            return raw;
        };
        sirius = star("alpha", "Sirius", "A1V", -1.46, 101.2875, -16.7161);
        beta = star("beta", "-", "B1II", 1.98, 95.675, -17.9559);
        faint = star("nu2", "-", "K1III", 7.5, 99.17, -19.26);

        auto deep = [&](const char* desig, const char* name, int type) {
            auto o = std::make_unique<ngc>();
            copyName(o->designation, desig);
            copyName(o->nom, name);
            o->type = type;
            hide(o->screenX, o->screenY);
            ngc* raw = o.get();
            sys.deepSkyObjects[sys.nbDeepSky++] = std::move(o);
            return raw;
        };
        m42 = deep("M42", "Orion_Nebula", 1);
        ngc2244 = deep("NGC2244", "_", 3);

        auto asteroid = [&](const char* name) {
            sys.comets.push_back(std::make_unique<::comet>());
            copyName(sys.comets.back()->nom, name);
            hide(sys.comets.back()->screenX, sys.comets.back()->screenY);
            return sys.comets.back().get();
        };
        ceres = asteroid("Ceres");
        vesta = asteroid("Vesta");
        sys.nbComets = 2;
        sys.selectedComets.fill(-1);
        sys.selectedComets[0] = 1; // Vesta only is selected
    }
};

} // namespace interaction_test
