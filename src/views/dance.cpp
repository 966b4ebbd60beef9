// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/dance.h"

#include "astro/date2.h"
#include "astro/planets.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/parametre_affichage.h"
#include "views/time_span.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace dance {

namespace {

constexpr int kSteps = 490;
constexpr int kEarthIndex = 2;
// Beyond this many degrees of heliocentric longitude between the Earth and the planet the
// planet counts as far (on the other side of the Sun).
constexpr int kFarLongitude_deg = 71;
// Half the length of a month tick across the path, and the gap between a tick and its label.
constexpr int kTickHalf = 3, kLabelGap = 3;

double signedDegrees(double a_deg) {
    while (a_deg > 180)
        a_deg -= 360;
    while (a_deg < -180)
        a_deg += 360;
    return a_deg;
}

const planete* earthOf(const systeme& sys) {
    for (int i = 0; i < sys.planetCount(); ++i)
        if (std::strcmp(sys.planet(i)->nom, "Terre") == 0) return sys.planet(i);
    return sys.planet(kEarthIndex);
}

bool overlaps(const gfx::Rect& a, const gfx::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Small ticks across the path at the first step of each month, labelled with the month's number,
// so that the time of a loop can be read; a tick whose label would cover another is left out.
class MonthTicks {
  public:
    MonthTicks(gfx::Canvas& canvas, const gfx::Rect& inside) : canvas_(canvas), inside_(inside) {}

    void mark(int x, int y, int fromX, int fromY, int month, int pen) {
        double dx = x - fromX, dy = y - fromY;
        const double length = std::hypot(dx, dy);
        if (length < 0.5) {
            dx = 1;
            dy = 0;
        } else {
            dx /= length;
            dy /= length;
        }
        // Across the path: the direction turned by a quarter turn.
        const int tx = static_cast<int>(std::lround(-dy * kTickHalf)),
                  ty = static_cast<int>(std::lround(dx * kTickHalf));
        char text[4];
        std::snprintf(text, sizeof text, "%d", month);
        const gfx::Size size = canvas_.textExtent(text);
        // The label on the side of the tick's end that points away from the path, right or left.
        const int endX = x + (tx == 0 && ty == 0 ? kTickHalf : tx), endY = y + ty;
        const int left = endX >= x ? endX + kLabelGap : endX - kLabelGap - size.width;
        const int top = endY - size.height / 2;
        const gfx::Rect label{left, top, left + size.width, top + size.height};
        if (label.left < inside_.left || label.right > inside_.right || label.top < inside_.top ||
            label.bottom > inside_.bottom)
            return;
        for (const gfx::Rect& r : labels_)
            if (overlaps(r, label)) return;
        labels_.push_back(label);
        canvas_.selectPen(pen);
        const gfx::Point at = canvas_.position();
        canvas_.line(x - tx, y - ty, x + tx, y + ty);
        canvas_.setTextColour(canvas_.pen().colour);
        canvas_.textOut(label.left, label.top, text);
        canvas_.moveTo(at.x, at.y);
    }

  private:
    gfx::Canvas& canvas_;
    gfx::Rect inside_;
    std::vector<gfx::Rect> labels_;
};

} // namespace

Scale scaleFor(int danceObject) {
    switch (danceObject) {
    case 0:
        return {10.0, 12.0};
    case 1:
        return {5.0, 12.0};
    case kEarthIndex:
        return {0, 0};
    default:
        return {1.0, 4.5};
    }
}

double defaultSpan(int danceObject) {
    return (danceObject + 1) * timespan::kDanceYear;
}

Offset offsetFromSun(double sunRa_deg, double sunDec_deg, double planetRa_deg, double planetDec_deg) {
    return Offset{signedDegrees(sunRa_deg - planetRa_deg), sunDec_deg - planetDec_deg};
}

int penOfStep(int month, bool far) {
    const bool even = month % 2 == 0;
    if (far) return even ? 11 : 12;
    return even ? 9 : 10;
}

std::string titleOf(const systeme& sys, int danceObject) {
    const planete* p = sys.planet(danceObject);
    if (!p) return "The dance of ";
    std::string name = englishName(p->nom);
    if (name.empty()) name = p->nom;
    return "The dance of " + name;
}

std::vector<PathPoint> tracePath(systeme& sys, const date2& start, const date2& end, int danceObject,
                                 int clientWidth, int H) {
    std::vector<PathPoint> path;
    const planete* planet = sys.planet(danceObject);
    const planete* earth = earthOf(sys);
    if (danceObject == kEarthIndex || !planet || !earth || planet == earth) return path;
    const Scale scale = scaleFor(danceObject);
    const int cx = clientWidth / 2, cy = H / 2;
    const int step = timespan::stepHours(start, end);
    path.reserve(kSteps + 1);
    date2 at = start;
    at.calculeCalendrier();
    for (int k = 0; k <= kSteps; ++k) {
        if (k > 0) {
            at.ajouteHeures(step);
            at.calculeCalendrier();
        }
        sys.computePositions(at, false);
        PathPoint p;
        p.date = at;
        p.offset = offsetFromSun(sys.sun()->ra, sys.sun()->dec, planet->ra, planet->dec);
        p.x = static_cast<int>(cx + p.offset.ra_deg * scale.x);
        p.y = static_cast<int>(cy + p.offset.dec_deg * scale.y);
        int n = static_cast<int>(earth->lambda - planet->lambda);
        if (n < -180) n += 360;
        if (n > 180) n -= 360;
        p.far = std::abs(n) > kFarLongitude_deg;
        if (k > 0) {
            const double before = path.back().offset.ra_deg;
            p.jump = (p.offset.ra_deg < -170 && before > 170) || (p.offset.ra_deg > 170 && before < -170);
        }
        path.push_back(p);
    }
    return path;
}

void drawDance(gfx::Canvas& canvas, systeme& sys, const date2& start, const date2& end, int danceObject,
               const ParametreAffichage& o, int clientWidth, int H) {
    const planete* planet = sys.planet(danceObject);
    if (danceObject == kEarthIndex || !planet || planet == earthOf(sys)) return;
    const bool saved = o.whiteScheme;
    const bool blackWhite = o.whiteScheme && o.saveBlackWhite;
    const int cx = clientWidth / 2, cy = H / 2;
    const Scale scale = scaleFor(danceObject);

    // Frame, texts, the Sun.
    canvas.selectBrush(saved ? 1 : 0);
    canvas.selectPen(saved ? 0 : 2);
    canvas.rectangle(5, 30, clientWidth - 5, H - 5);
    canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
    const gfx::Rgb textColour = saved ? gfx::rgb(0, 0, 0) : gfx::rgb(200, 200, 200);
    const gfx::Rgb backColour = saved ? gfx::rgb(255, 255, 255) : gfx::rgb(0, 0, 70);
    canvas.setTextColour(textColour);
    canvas.setBackgroundColour(backColour);
    const std::string title = titleOf(sys, danceObject);
    canvas.textOut((clientWidth - 5 * static_cast<int>(title.size())) / 2, 35, title);
    canvas.line(cx - 5, cy, cx + 5, cy);
    canvas.line(cx, cy - 5, cx, cy + 5);

    const std::vector<PathPoint> path = tracePath(sys, start, end, danceObject, clientWidth, H);
    const PathPoint& first = path.front();

    // The start mark and its legend.
    canvas.selectBrush(saved ? 0 : 2);
    canvas.ellipse(first.x - 2, first.y - 2, first.x + 3, first.y + 3);
    canvas.ellipse(10, 90, 16, 96);
    canvas.textOut(20, 85, "Start date");

    canvas.selectFont(gfx::FontId::Times12);
    canvas.setBackgroundMode(gfx::BackgroundMode::Transparent);
    MonthTicks ticks(canvas, gfx::Rect{6, 31, clientWidth - 6, H - 6});
    canvas.moveTo(first.x, first.y);
    const bool moving = timespan::stepHours(start, end) > 0;
    for (size_t k = 1; k < path.size(); ++k) {
        const PathPoint& p = path[k];
        const PathPoint& before = path[k - 1];
        const int pen = blackWhite ? 0 : penOfStep(p.date.mois, p.far);
        canvas.selectPen(pen);
        if (p.jump) canvas.moveTo(p.x, p.y);
        if (blackWhite && k > 1 && p.far != before.far) {
            const gfx::Point here = canvas.position();
            canvas.ellipse(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
            canvas.moveTo(here.x, here.y);
        }
        canvas.lineTo(p.x, p.y);
        if (moving && p.date.mois != before.date.mois)
            ticks.mark(p.x, p.y, before.x, before.y, p.date.mois, pen);
    }
    canvas.selectFont(gfx::FontId::Arial14);

    // The two dates.
    canvas.setBackgroundMode(gfx::BackgroundMode::Opaque);
    canvas.setTextColour(textColour);
    canvas.setBackgroundColour(backColour);
    char text[80];
    std::snprintf(text, sizeof text, "%s : %d/%d/%d", "Start date", start.jour, start.mois, start.annee);
    canvas.textOut(8, 50, text);
    std::snprintf(text, sizeof text, "%s : %d/%d/%d", "End date", end.jour, end.mois, end.annee);
    canvas.textOut(8, 70, text);

    // Scale marks: degrees from the Sun at a quarter of the window on each side.
    canvas.selectPen(saved ? 0 : 2);
    auto cross = [&](int x, int y) {
        canvas.line(x - 5, y, x + 5, y);
        canvas.line(x, y - 5, x, y + 5);
    };
    for (const int x : {clientWidth / 4, 3 * clientWidth / 4}) {
        cross(x, cy);
        std::snprintf(text, sizeof text, "%d", static_cast<int>(std::floor((clientWidth / 4) / scale.x)));
        canvas.textOut(x, cy + 7, text);
    }
    for (const int y : {H / 4, 3 * H / 4}) {
        cross(cx, y);
        std::snprintf(text, sizeof text, "%d", static_cast<int>(std::floor((H / 4) / scale.y)));
        canvas.textOut(cx + 7, y - 3, text);
    }
}

} // namespace dance
