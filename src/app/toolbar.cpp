// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar.h"

#include "gfx/canvas.h"

#include <algorithm>
#include <cstring>

void Bouton::setTooltip(std::string_view text) {
    const size_t n = std::min(text.size(), sizeof(tooltip) - 1);
    std::memcpy(tooltip, text.data(), n);
    tooltip[n] = '\0';
}

namespace toolbar {

namespace {
struct ButtonLayout {
    int index;
    int icon;
    int x;
    const char* tooltip;
};

// The toolbar row (y = 2), left to right; groups are separated by wider gaps.
constexpr ButtonLayout kRow[] = {
    {kSaveScreen, 132, 2, " Save screen "},
    {kLegend, 131, 20, " Legende "},
    {kSky, 119, 43, " Sky "},
    {kAzimuthal, 120, 61, " Azimutal view "},
    {kHeliocentric, 110, 79, " Heliocentric view "},
    {kConjunctions, 112, 97, " Conjunctions "},
    {kJupiter, 125, 115, " Jupiter "},
    {kSaturn, 126, 133, " Saturn "},
    {kDance, 113, 151, " Dance "},
    {kEphemeris, 115, 169, " Ephemeris "},
    {kEquidistant, 121, 193, " Equidistant proj. "},
    {kQuadratic, 123, 211, " Quadratic proj. "},
    {kQuadraticTrajectories, 124, 229, " Quadratic + Trajectories "},
    {kMagnitude, 127, 253, " Magnitude "},
    {kDate, 107, 271, "Date"},
    {kPosition, 122, 289, " Position "},
    {kPreviousStep, 117, 313, " Previous step "},
    {kReverse, 116, 331, " Reverse  "},
    {kStop, 101, 349, " Stop "},
    {kPlay, 100, 367, " Play "},
    {kNextStep, 108, 385, " Next step "},
    {kSlowDown, 103, 408, " Slow down "},
    {kAccelerate, 102, 426, " Accelerate "},
    {kRealTime, kRealTimeOffIcon, 449, " Real time "},
    {kZoomIn, 128, 472, " Zoom in "},
    {kZoomOut, 129, 490, " Zoom out "},
    {kInternet, 130, 513, " Internet "},
};

constexpr int kScrollIcons[6] = {303, 304, 302, 301, 300, 300};  // buttons 16..21

bool isRowButton(int i) { return i <= kAccelerate || i >= kEquidistant; }
}  // namespace

Toolbar::Toolbar(int clientHeight, int mapWidth) {
    available.fill(true);
    for (const ButtonLayout& s : kRow) {
        Bouton& b = (*this)[s.index];
        b.icon = s.icon;
        b.x = s.x;
        b.y = 2;
        b.enabled = 1;
        b.setTooltip(s.tooltip);
    }
    for (int i = kScrollLeft; i <= kThumbY; ++i) {
        Bouton& b = (*this)[i];
        b.icon = kScrollIcons[i - kScrollLeft];
        b.enabled = 1;
        b.setTooltip("");
    }
    (*this)[kScrollLeft].x = 5;
    (*this)[kScrollUp].y = 30;
    placeScrollArrows(clientHeight, mapWidth);
    placeScrollButtons(clientHeight, mapWidth, (mapWidth - 49) / 2, (clientHeight - 71) / 2);
}

int Toolbar::hitButton(int x, int y, bool scrollAreaShown) const {
    if (scrollAreaShown) {
        for (int i = kScrollLeft; i <= kThumbY; ++i) {
            const Bouton& b = (*this)[i];
            if (x > b.x && x < b.x + 10 && y > b.y && y < b.y + 10) return i;
        }
    }
    if (y < 0 || y > 16) return -1;
    int hit = -1;
    for (int i = 0; i < kCount; ++i) {
        if (!isRowButton(i)) continue;
        const Bouton& b = (*this)[i];
        if (x > b.x && x < b.x + 20 && usable(i)) hit = i;
    }
    return hit;
}

int Toolbar::buttonWithTooltipAt(int x, int y) const {
    const int hit = hitButton(x, y, false);
    if (hit >= 0 || !playTellsStep || y < 0 || y > 16) return hit;
    const Bouton& play = (*this)[kPlay];
    return x > play.x && x < play.x + 20 ? kPlay : -1;
}

void Toolbar::placeScrollArrows(int clientHeight, int mapWidth) {
    (*this)[kScrollLeft].y = clientHeight - 13;
    (*this)[kScrollRight].x = mapWidth - 27;
    (*this)[kScrollRight].y = clientHeight - 13;
    (*this)[kScrollDown].x = mapWidth - 17;
    (*this)[kScrollDown].y = clientHeight - 23;
    (*this)[kScrollUp].x = mapWidth - 17;
}

void Toolbar::placeScrollButtons(int clientHeight, int mapWidth, int thumbX, int thumbY) {
    placeScrollArrows(clientHeight, mapWidth);
    (*this)[kThumbX].x = thumbX + 15;
    (*this)[kThumbX].y = clientHeight - 13;
    (*this)[kThumbY].x = mapWidth - 17;
    (*this)[kThumbY].y = thumbY + 40;
}

int drawnIcon(const Bouton& b, bool available) {
    if ((b.enabled && available) || b.icon >= kFirstScrollIcon) return b.icon;
    return b.icon + 100;
}

void Toolbar::drawButtons(gfx::Canvas& canvas, int mapWidth) const {
    for (int i = 0; i < kCount; ++i) {
        if (!isRowButton(i)) continue;
        const Bouton& b = (*this)[i];
        if (b.x < mapWidth - 20) canvas.drawIcon(b.x, b.y, drawnIcon(b, available[static_cast<size_t>(i)]));
    }
}

void Toolbar::drawScrollButtons(gfx::Canvas& canvas) const {
    for (int i = kScrollLeft; i <= kThumbY; ++i) {
        const Bouton& b = (*this)[i];
        canvas.drawIcon(b.x, b.y, drawnIcon(b));
    }
}

void Toolbar::animationButtonsIdle() {
    for (int i : {kPreviousStep, kReverse, kPlay, kNextStep, kSlowDown, kAccelerate}) setEnabled(i, true);
    setEnabled(kStop, false);
}

void Toolbar::animationButtonsRunning() {
    for (int i : {kPreviousStep, kReverse, kPlay, kNextStep}) setEnabled(i, false);
    for (int i : {kStop, kSlowDown, kAccelerate}) setEnabled(i, true);
    (*this)[kRealTime].icon = kRealTimeOffIcon;
}

void Toolbar::animationButtonsOff() {
    for (int i = kPreviousStep; i <= kAccelerate; ++i) setEnabled(i, false);
}

void Toolbar::realTimeButton(bool on, bool realTime) {
    Bouton& b = (*this)[kRealTime];
    b.enabled = on ? 1 : 0;
    b.icon = (on && realTime) ? kRealTimeOnIcon : kRealTimeOffIcon;
}

void Toolbar::zoomButtons(bool on) {
    setEnabled(kZoomIn, on);
    setEnabled(kZoomOut, on);
}

void Toolbar::drawTooltip(gfx::Canvas& canvas, int i) const {
    const Bouton& b = (*this)[i];
    canvas.selectFont(gfx::FontId::Times12);
    canvas.setTextColour(gfx::rgb(0, 0, 0));
    canvas.setBackgroundColour(gfx::rgb(255, 250, 230));
    canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
    canvas.textOut(b.x, b.y + 30, std::string_view(b.tooltip));
    canvas.selectFont(gfx::FontId::Arial15);
}

}  // namespace toolbar
