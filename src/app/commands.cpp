// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands.h"

#include "app/animation.h"
#include "app/asteroid_commands.h"
#include "app/dialogs/about_dialog.h"
#include "app/dialogs/report_commands.h"
#include "app/dialogs/skymap_dialog.h"
#include "app/dialogs/settings_commands.h"
#include "app/helio_view.h"
#include "app/page_output.h"
#include "app/picture_saving.h"
#include "app/satellite_ui.h"
#include "app/sky_interaction.h"
#include "app/span_views.h"
#include "app/toolbar.h"
#include "app/web_links.h"
#include "app/window.h"
#include "catalog/settings.h"
#include "skymap/projection.h"

#include <QMessageBox>
#include <algorithm>
#include <unordered_map>

namespace commands {

using W = TPlanetariumWindow;

namespace {

bool inRange(int v, int lo, int hi) { return v >= lo && v <= hi; }
bool skyFamily(int v) { return inRange(v, 10, 19); }
bool helioFamily(int v) { return inRange(v, 20, 29); }
bool conjunctionFamily(int v) { return inRange(v, 30, 39); }
bool realTimeView(int v) { return skyFamily(v) || inRange(v, 31, 39); }

State enabledIf(bool on) { return State{on, false, {}}; }
State markedIf(bool on, bool marked) { return State{on, marked, {}}; }
State textIf(bool on, const char* text) { return State{on, false, text}; }

// Spans of the conjunction family, Julian centuries.
constexpr double kPlanetSpan = 0.013415469;     // 490 days
constexpr double kSatelliteSpan = 0.000715469;  // 26.13 days

// Saturn 3D zoom is doubled or halved; held within these bounds so that it stays drawable.
constexpr double kMinSaturnZoom = 1.0 / 64, kMaxSaturnZoom = 4096;

void setEndDate(W& w, double centuries) {
    *w.endDate = *w.date;
    w.endDate->t += centuries;
    w.endDate->calculeCalendrier();
    anim::clampYear(*w.endDate);
}

// --- actions -----------------------------------------------------------------------------------------

void exitProgram(W& w) {
    if (exitQuestion()(w)) w.window()->close();
}

void setSaveScheme(W& w, bool blackWhite, bool blackBackground) {
    w.options->saveBlackWhite = blackWhite;
    w.options->saveBlackBackground = blackBackground;
}

void skyZoomOut(W& w) {
    skymap::SkyNavigation nav = navigationOf(w);
    if (skymap::zoomOut(nav, w.view, geometryOf(w))) storeNavigation(w, nav);
    w.redraw();
}

// Command 113 and toolbar 11 in the sky views.
void toggleSkyAnimation(W& w) {
    w.skyRunning = !w.skyRunning;
    if (w.skyRunning) {
        animationButtonsRunning(w);
        w.wakeTimer();
    } else {
        animationButtonsIdle(w);
    }
    w.realTime = false;
    w.redraw();
}

void reverseSkyTime(W& w) {
    w.skyDirection = -w.skyDirection;
    w.skyDirection2 = -w.skyDirection2;
    w.redraw();
}

void toggle(W& w, bool ParametreAffichage::*option) {
    (*w.options).*option = !((*w.options).*option);
    w.redraw();
}

void toggleHelioAnimation(W& w) {
    w.view = 20;
    w.helioRunning = !w.helioRunning;
    if (w.helioRunning) {
        animationButtonsRunning(w);
        w.wakeTimer();
    } else {
        animationButtonsIdle(w);
    }
    w.redraw();
}

void reverseHelioTime(W& w) {
    w.animationDirection = -w.animationDirection;
    w.redraw();
}

void conjunctionPlanets(W& w) {
    w.view = 30;
    if (w.satView != 0) setEndDate(w, kPlanetSpan);
    w.satView = 0;
    w.redraw();
}

void conjunctionSatellites(W& w, int satView) {
    w.view = 30 + satView;
    if (w.satView != satView) setEndDate(w, kSatelliteSpan);
    w.satView = satView;
    animationButtonsIdle(w);
    if (satView == 2) w.saturnTablesDirty = true;
    w.redraw();
}

// Command 11854. Real time only means something in the sky and satellite views.
void toggleRealTime(W& w) {
    if (!realTimeView(w.view)) {
        w.realTime = false;
        return;
    }
    w.realTime = !w.realTime;
    w.lastClockMinute = -1;
    Bouton& b = (*w.boutons)[toolbar::kRealTime];
    if (w.realTime) {
        // The clock and an animation would fight over the date: real time stops the animation.
        if (w.skyRunning || w.satRunning) {
            stopAnimations(w);
            animationButtonsIdle(w);
            w.redraw();
        }
        b.icon = toolbar::kRealTimeOnIcon;
        w.wakeTimer();
    } else {
        b.icon = toolbar::kRealTimeOffIcon;
        // Only the button changes: draw it into the back buffer and show its 20 x 20 area.
        if (w.memDC[0]) {
            w.memDC[0]->drawIcon(b.x, b.y, toolbar::drawnIcon(b, w.boutons->available[toolbar::kRealTime]));
            w.update(b.x, b.y, 20, 20);
        }
    }
}

void showAbout(W& w) {
    TDialogAbout dialog(&w);
    dialogRunner()(dialog);
}

void showTexts(W& w, TDialogTexts::Kind kind) {
    TDialogTexts dialog(kind, &w);
    dialogRunner()(dialog);
}

void toggleLegend(W& w) {
    w.orbitsDirty = true;
    // Only the sky and heliocentric views have a legend to hide; elsewhere the command redraws.
    if (w.view >= 10 && w.view < 30) w.showLegend = !w.showLegend;
    w.redraw();
}

// --- enablers ----------------------------------------------------------------------------------------

State always(const W&) { return {}; }
State skyEnabled(const W& w) { return enabledIf(skyFamily(w.view)); }
State skyOption(const W& w, bool ParametreAffichage::*option) {
    return markedIf(skyFamily(w.view), w.options && (*w.options).*option);
}
State projectionMark(const W& w, int view) { return markedIf(skyFamily(w.view), w.view == view); }
State skyAnimationSpeed(const W& w) { return enabledIf((w.view == 10 || w.view == 11) && w.skyRunning); }
State helioEnabled(const W& w) { return enabledIf(helioFamily(w.view)); }

// The table itself: one entry per command, in menu order. An entry without an action is a
// command whose view or dialog this build does not have yet; it shows greyed.
std::vector<Command> buildTable() {
    using P = ParametreAffichage;
    return {
        // &Exit
        {103, "&Exit", exitProgram, always},
        // &Save
        {133, "Save in White and Black", [](W& w) { setSaveScheme(w, true, false); },
         [](const W& w) { return markedIf(true, w.options->saveBlackWhite && !w.options->saveBlackBackground); }, true},
        {134, "Color (white backgound)", [](W& w) { setSaveScheme(w, false, false); },
         [](const W& w) { return markedIf(true, !w.options->saveBlackWhite && !w.options->saveBlackBackground); }, true},
        {11851, "Color (black background)", [](W& w) { w.options->saveBlackBackground = true; },
         [](const W& w) { return markedIf(true, w.options->saveBlackBackground); }, true},
        {picturesave::kFullResolutionCommand, "Full screen resolution",
         [](W& w) {
             w.options->saveFullResolution = !w.options->saveFullResolution;
             std::string error;
             if (!writeFullResolution(w.iniPath(), w.options->saveFullResolution, &error))
                 settingscommands::tellUnsavedSettings(w, error);
         },
         [](const W& w) { return markedIf(true, w.options->saveFullResolution); }, true},
        {130, "Save...", picturesave::savePicture, [](const W& w) { return enabledIf(inRange(w.view, 10, 49)); }},
        {pageoutput::kPrintCommand, "Print...", pageoutput::runPrint,
         [](const W& w) { return enabledIf(inRange(w.view, 10, 49)); }},
        {131, "Page setup...", pageoutput::runPageSetup, always},
        // &Catalogs
        {11844, "Convert an asteroids file", asteroidcommands::convertAsteroids, always},
        {123, "Star catalog", settingscommands::openCatalogue, always},
        // &View
        {105, "Sky map", skyui::runSkyMapCommand, always},
        {102, "Heliocentric view", helioui::heliocentricCommand, always},
        {106, "Conjunctions", spanui::conjunctionCommand, always},
        {11855, "Jupiter's satellites", satui::jupiterSatellitesCommand, always},
        {139, "Saturn 3d", satui::saturn3dCommand, always},
        {124, "Dance", spanui::danceCommand, always},
        {107, "Position", reportcommands::openPosition, always},
        {135, "Ephemeris", reportcommands::openEphemeris, always},
        {11846, "Previsions", reportcommands::openPrevision, always},
        // S&ky map
        {108, "Circular projection", [](W& w) { enterSkyView(w, 13); }, [](const W& w) { return projectionMark(w, 13); }, true},
        {11849, "Sky", nullptr, always},  // never had a handler
        {109, "Azimutal view", [](W& w) { enterSkyView(w, 14); }, [](const W& w) { return projectionMark(w, 14); }, true},
        {114, "Equidistant projection", [](W& w) { enterSkyView(w, 10); }, [](const W& w) { return projectionMark(w, 10); }, true},
        {150, "Quadratic projection", [](W& w) { enterSkyView(w, 11); }, [](const W& w) { return projectionMark(w, 11); }, true},
        {127, "Quadratic + trajectoiries", [](W& w) { enterSkyView(w, 12); }, [](const W& w) { return projectionMark(w, 12); }, true},
        {117, "Zoom out", skyZoomOut, [](const W& w) { return enabledIf(inRange(w.view, 10, 14)); }},
        {113, "Animation", toggleSkyAnimation,
         [](const W& w) { return textIf(w.view == 10 || w.view == 11, w.skyRunning ? "Stop animation" : "Run animation"); }},
        {116, "Faster", faster, skyAnimationSpeed},
        {120, "Slower", slower, skyAnimationSpeed},
        {125, "Increasing time", reverseSkyTime,
         [](const W& w) {
             const int direction = w.view == 10 ? w.skyDirection : w.skyDirection2;
             return textIf(skyFamily(w.view) && w.view != 12, direction <= 0 ? "Decreasing time" : "Increasing time");
         }},
        {110, "Displayed star magnitude", settingscommands::openMagnitude, skyEnabled},
        {136, "Star color according spectral type", [](W& w) { toggle(w, &P::spectralColours); },
         [](const W& w) { return skyOption(w, &P::spectralColours); }, true},
        {128, "Constellation lines", [](W& w) { toggle(w, &P::constellationLines); },
         [](const W& w) { return skyOption(w, &P::constellationLines); }, true},
        {11850, "Constellation border", [](W& w) { toggle(w, &P::constellationBorders); },
         [](const W& w) { return skyOption(w, &P::constellationBorders); }, true},
        {138, "Star's name", [](W& w) { toggle(w, &P::showStarNames); },
         [](const W& w) { return skyOption(w, &P::showStarNames); }, true},
        {200, "Messier objects", [](W& w) { toggle(w, &P::showMessier); },
         [](const W& w) { return skyOption(w, &P::showMessier); }, true},
        {129, "Other galaxies and nebulae", [](W& w) { toggle(w, &P::showNGC); },
         [](const W& w) { return skyOption(w, &P::showNGC); }, true},
        {132, "Display asteroids", asteroidcommands::chooseAsteroids, [](const W& w) { return skyOption(w, &P::showAsteroids); }, true},
        // &Heliocentric view
        {11847, "&Asteroids", asteroidcommands::chooseAsteroids, helioEnabled},
        {111, "Zoom in", helioui::zoomIn, helioEnabled},
        {112, "Zoom out", helioui::zoomOut, [](const W& w) { return enabledIf(helioFamily(w.view) && w.helioZoom >= 2); }},
        {115, "Animation", toggleHelioAnimation,
         [](const W& w) { return textIf(helioFamily(w.view), w.helioRunning ? "Stop animation" : "Run animation"); }},
        {118, "Faster", [](W& w) { w.animationSpeed = anim::helioFaster(w.animationSpeed); },
         [](const W& w) { return enabledIf(helioFamily(w.view) && w.helioRunning); }},
        {119, "Slower", [](W& w) { w.animationSpeed = anim::helioSlower(w.animationSpeed); },
         [](const W& w) { return enabledIf(helioFamily(w.view) && w.helioRunning && w.animationSpeed > 1); }},
        {126, "Increasing time", reverseHelioTime,
         [](const W& w) { return textIf(helioFamily(w.view), w.animationDirection <= 0 ? "Decreasing time" : "Increasing time"); }},
        // C&onjunctions
        {121, "Planets", conjunctionPlanets, [](const W& w) { return markedIf(conjunctionFamily(w.view), w.view == 30); }, true},
        {137, "Jupiter's satellites", [](W& w) { conjunctionSatellites(w, 1); },
         [](const W& w) { return markedIf(conjunctionFamily(w.view), w.view == 31); }, true},
        {140, "Saturn's satellites", [](W& w) { conjunctionSatellites(w, 2); },
         [](const W& w) { return markedIf(conjunctionFamily(w.view), w.view == 32); }, true},
        {122, "Zoom out", [](W& w) { timeSpanZoom(w, false); }, [](const W& w) { return enabledIf(conjunctionFamily(w.view)); }},
        // Parameters
        {11853, "&Localisation", [](W& w) { settingscommands::openLocalisation(w); }, always},
        {11852, "&Date", [](W& w) { settingscommands::openDate(w); }, always},
        {11854, "Real time animation", toggleRealTime,
         [](const W& w) { return markedIf(true, w.realTime && realTimeView(w.view)); }, true},
        {11848, "&Search", skyui::searchObject, always},
        {11842, "Le&gend", toggleLegend, always},
        // &Internet
        {18874, "&Software homepage", [](W& w) { weblinks::openLink(w, weblinks::kHomePage); }, always},
        {18875, "&Links", [](W& w) { weblinks::openLink(w, weblinks::kLinksPage); }, always},
        // &Help
        {101, "Help", [](W& w) { weblinks::openLink(w, weblinks::kIndexPage); }, always},
        {11845, "Sources and thanks", [](W& w) { showTexts(w, TDialogTexts::Sources); }, always},
        {11843, "Gifts !", [](W& w) { showTexts(w, TDialogTexts::Gifts); }, always},
        {104, "About Nalvo", showAbout, always},
    };
}

}  // namespace

// --- table access --------------------------------------------------------------------------------------

const std::vector<Command>& table() {
    static const std::vector<Command> t = buildTable();
    return t;
}

const Command* find(int id) {
    static const std::unordered_map<int, const Command*> index = [] {
        std::unordered_map<int, const Command*> m;
        for (const Command& c : table()) m.emplace(c.id, &c);
        return m;
    }();
    auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
}

bool available(int id) {
    const Command* c = find(id);
    return c && c->action;
}

State state(const W& w, int id) {
    const Command* c = find(id);
    if (!c) return State{false, false, {}};
    State s = c->enabler ? c->enabler(w) : State{};
    if (!c->action) s.enabled = false;
    return s;
}

bool run(W& w, int id) {
    const Command* c = find(id);
    if (!c || !c->action) return false;
    c->action(w);
    return true;
}

bool runIfEnabled(W& w, int id) {
    if (!state(w, id).enabled) return false;
    return run(w, id);
}

std::function<int(QDialog&)>& dialogRunner() {
    static std::function<int(QDialog&)> runner = [](QDialog& d) { return d.exec(); };
    return runner;
}

std::function<bool(W&)>& exitQuestion() {
    static std::function<bool(W&)> ask = [](W& w) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"),
                        QStringLiteral("Do you really want to exit Nalvo ?"),
                        QMessageBox::Ok | QMessageBox::Cancel, &w);
        return box.exec() == QMessageBox::Ok;
    };
    return ask;
}

// --- common view-entry steps ---------------------------------------------------------------------------

void stopAnimations(W& w) { w.skyRunning = w.helioRunning = w.satRunning = false; }
void animationButtonsIdle(W& w) { w.boutons->animationButtonsIdle(); }
void animationButtonsRunning(W& w) {
    w.boutons->animationButtonsRunning();
    w.realTime = false;
}
void animationButtonsOff(W& w) { w.boutons->animationButtonsOff(); }
void realTimeButtonOn(W& w) { w.boutons->realTimeButton(true, w.realTime); }
void realTimeButtonOff(W& w) {
    w.realTime = false;
    w.boutons->realTimeButton(false, false);
}
void zoomButtons(W& w, bool on) { w.boutons->zoomButtons(on); }

void enterSkyView(W& w, int view) {
    w.view = view;
    w.projection = view - 9;
    stopAnimations(w);
    realTimeButtonOn(w);
    if (view == 12)
        animationButtonsOff(w);
    else
        animationButtonsIdle(w);
    zoomButtons(w, true);
    w.redraw();
}

void enterHeliocentricView(W& w) {
    w.view = 20;
    stopAnimations(w);
    realTimeButtonOff(w);
    animationButtonsIdle(w);
    zoomButtons(w, true);
    w.redraw();
}

// --- sky map state -----------------------------------------------------------------------------------------

skymap::MapGeometry geometryOf(const W& w) {
    skymap::MapGeometry g;
    if (w.sys) {
        g.clientWidth = w.sys->clientWidth;
        g.clientHeight = w.sys->clientHeight;
        g.mapWidth = w.sys->mapWidth;
        g.mapRadius = w.sys->mapRadius;
    }
    return g;
}

skymap::SkyNavigation navigationOf(const W& w) {
    skymap::SkyNavigation n;
    n.quadRa1 = w.quadRa1;
    n.quadDec1 = w.quadDec1;
    n.quadRa2 = w.quadRa2;
    n.quadDec2 = w.quadDec2;
    n.azimAz1 = w.azimAz1;
    n.azimEl2 = w.azimEl2;
    n.azimAz2 = w.azimAz2;
    n.azimEl1 = w.azimEl1;
    if (w.options) {
        n.equidistant = {w.options->equidistantZoom, w.options->equidistantPanX, w.options->equidistantPanY};
        n.circular = {w.options->circularZoom, w.options->circularPanX, w.options->circularPanY};
    }
    n.thumbQuadX = w.thumbQuadX;
    n.thumbQuadY = w.thumbQuadY;
    n.thumbAzX = w.thumbAzX;
    n.thumbAzY = w.thumbAzY;
    n.thumbSkyX = w.thumbSkyX;
    n.thumbSkyY = w.thumbSkyY;
    return n;
}

void storeNavigation(W& w, const skymap::SkyNavigation& n) {
    w.quadRa1 = n.quadRa1;
    w.quadDec1 = n.quadDec1;
    w.quadRa2 = n.quadRa2;
    w.quadDec2 = n.quadDec2;
    w.azimAz1 = n.azimAz1;
    w.azimEl2 = n.azimEl2;
    w.azimAz2 = n.azimAz2;
    w.azimEl1 = n.azimEl1;
    if (w.options) {
        w.options->equidistantZoom = n.equidistant.zoom;
        w.options->equidistantPanX = n.equidistant.panX;
        w.options->equidistantPanY = n.equidistant.panY;
        w.options->circularZoom = n.circular.zoom;
        w.options->circularPanX = n.circular.panX;
        w.options->circularPanY = n.circular.panY;
    }
    w.thumbQuadX = n.thumbQuadX;
    w.thumbQuadY = n.thumbQuadY;
    w.thumbAzX = n.thumbAzX;
    w.thumbAzY = n.thumbAzY;
    w.thumbSkyX = n.thumbSkyX;
    w.thumbSkyY = n.thumbSkyY;
}

void panSky(W& w, int horizontal, int vertical) {
    if (!skyFamily(w.view)) return;
    skymap::SkyNavigation nav = navigationOf(w);
    const skymap::MapGeometry g = geometryOf(w);
    bool changed = false;
    if (horizontal) changed |= skymap::panHorizontal(nav, w.view, g, horizontal);
    if (vertical) changed |= skymap::panVertical(nav, w.view, g, vertical);
    if (changed) storeNavigation(w, nav);
}

// --- zooms and steps -----------------------------------------------------------------------------------------

void timeSpanZoom(W& w, bool in) {
    if (w.view == 33) {
        w.saturnZoom = std::clamp(in ? w.saturnZoom * 2 : w.saturnZoom / 2, kMinSaturnZoom, kMaxSaturnZoom);
    } else {
        timespan::zoom(*w.date, *w.endDate, in);
    }
    w.redraw();
}

void zoomIn(W& w, int x, int y) {
    if (skyFamily(w.view)) {
        skymap::SkyNavigation nav = navigationOf(w);
        if (skymap::zoomInAt(nav, w.view, geometryOf(w), x, y)) storeNavigation(w, nav);
        w.redraw();
    } else if (helioFamily(w.view)) {
        run(w, 111);
    } else if (conjunctionFamily(w.view)) {
        timeSpanZoom(w, true);
    }
}

void zoomOut(W& w) {
    if (skyFamily(w.view))
        skyZoomOut(w);
    else if (helioFamily(w.view))
        run(w, 112);
    else if (conjunctionFamily(w.view))
        timeSpanZoom(w, false);
}

void singleStep(W& w, int direction) {
    if (!anim::yearAnimatable(*w.date)) return;
    const int v = w.view;
    if (v == 10 || v == 13)
        anim::moveByStep(*w.date, w.skyStep, direction);
    else if (v == 14)
        anim::moveByStep(*w.date, w.azimuthalStep, direction);
    else if (v == 11)
        anim::moveByStep(*w.date, w.quadraticStep, direction);
    else if (v == 20)
        anim::moveByStep(*w.date, w.animationSpeed, direction);
    else if (inRange(v, 31, 33)) {
        anim::moveByStep(*w.date, w.satStep, direction);
        anim::moveByStep(*w.endDate, w.satStep, direction);
        anim::clampYear(*w.endDate);
    } else
        return;
    anim::clampYear(*w.date);
    w.redraw();
}

void faster(W& w) {
    const int v = w.view;
    if (v == 10 || v == 13)
        w.skyStep = anim::skyFaster(w.skyStep);
    else if (v == 14)
        w.azimuthalStep = anim::azimuthalFaster(w.azimuthalStep);
    else if (v == 11)
        w.quadraticStep = anim::quadraticFaster(w.quadraticStep);
    else if (helioFamily(v))
        run(w, 118);
    else if (inRange(v, 31, 33))
        w.satStep = anim::satelliteFaster(w.satStep);
}

void slower(W& w) {
    const int v = w.view;
    if (v == 10 || v == 13)
        w.skyStep = anim::skySlower(w.skyStep);
    else if (v == 14)
        w.azimuthalStep = anim::azimuthalSlower(w.azimuthalStep);
    else if (v == 11)
        w.quadraticStep = anim::quadraticSlower(w.quadraticStep);
    else if (helioFamily(v)) {
        if (w.animationSpeed > 1) run(w, 119);
    } else if (inRange(v, 31, 33))
        w.satStep = anim::satelliteSlower(w.satStep);
}

void runAnimation(W& w, int direction) {
    const int v = w.view;
    if (skyFamily(v) && v != 12) {
        if (direction != 0) w.skyDirection = w.skyDirection2 = direction;
        toggleSkyAnimation(w);
    } else if (helioFamily(v)) {
        if (direction != 0) w.animationDirection = direction;
        toggleHelioAnimation(w);
    } else if (inRange(v, 31, 33)) {
        if (direction != 0) w.satDirection = direction;
        w.satRunning = !w.satRunning;
        if (w.satRunning) {
            animationButtonsRunning(w);
            w.wakeTimer();
        } else {
            animationButtonsIdle(w);
        }
        w.redraw();
    }
}

// --- toolbar -----------------------------------------------------------------------------------------------

int commandOfButton(int index) {
    using namespace toolbar;
    switch (index) {
    case kSaveScreen: return 130;
    case kLegend: return 11842;
    case kSky: return 108;
    case kAzimuthal: return 109;
    case kHeliocentric: return 102;   // view 20 without the date dialog
    case kConjunctions: return 106;   // satView 0 and view 30 first
    case kJupiter: return 11855;
    case kSaturn: return 139;
    case kDance: return 124;
    case kEphemeris: return 135;
    case kEquidistant: return 114;
    case kQuadratic: return 150;
    case kQuadraticTrajectories: return 127;
    case kMagnitude: return 110;
    case kDate: return 11852;
    case kPosition: return 11853;
    case kRealTime: return 11854;
    case kInternet: return 0;   // the local help index (web link kind -1)
    default: return 0;
    }
}

void markAvailableButtons(W& w) {
    for (int i = 0; i < toolbar::kCount; ++i) {
        const int id = commandOfButton(i);
        w.boutons->available[static_cast<size_t>(i)] = id == 0 || (id > 0 && available(id));
    }
}

void clickButton(W& w, int index) {
    using namespace toolbar;
    if (index < 0 || index >= kCount || !w.boutons->usable(index)) return;
    switch (index) {
    case kPreviousStep: singleStep(w, -1); return;
    case kNextStep: singleStep(w, +1); return;
    case kReverse: runAnimation(w, -1); return;
    case kStop: runAnimation(w, 0); return;
    case kPlay: runAnimation(w, +1); return;
    case kSlowDown: slower(w); return;
    case kAccelerate: faster(w); return;
    case kZoomIn: zoomIn(w, 0, 0); return;
    case kZoomOut: zoomOut(w); return;
    case kHeliocentric:
        w.orbitsDirty = true;
        enterHeliocentricView(w);
        return;
    case kConjunctions:
        w.satView = 0;
        w.view = 30;
        run(w, 106);
        return;
    case kInternet: weblinks::openLink(w, -1); return;
    default: break;
    }
    const int id = commandOfButton(index);
    if (id > 0) run(w, id);
}

}  // namespace commands
