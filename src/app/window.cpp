// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window.h"
#include "views/saturn3d.h"

#include "app/animation.h"
#include "app/animation_step.h"
#include "app/application.h"
#include "app/commands.h"
#include "app/dialogs/report_commands.h"
#include "app/input.h"
#include "app/pictures.h"
#include "app/sky_interaction.h"
#include "app/toolbar_icons.h"
#include "astro/clock.h"
#include "catalog/cities.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/settings.h"
#include "catalog/star_store.h"
#include "gfx/icons.h"
#include "skymap/projection.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <future>

std::string gProgramDirectory;

WindowHooks& defaultWindowHooks() {
    static WindowHooks hooks;
    return hooks;
}

// --- log file -------------------------------------------------------------------------------------

std::string TPlanetariumWindow::logPath() { return userFilePath("LogFile.txt"); }

void TPlanetariumWindow::startLog() {
    // Created anew at every start; a log that cannot be opened is skipped.
    if (std::FILE* f = std::fopen(logPath().c_str(), "w")) {
        std::fputs("LOGFILE -- NALVO\n", f);
        std::fclose(f);
    }
}

void TPlanetariumWindow::writeLog(const char* text) {
    // Opened and closed for every message, so that the log survives a crash.
    if (std::FILE* f = std::fopen(logPath().c_str(), "a")) {
        std::fputs(text, f);
        std::fclose(f);
    }
}

// --- construction and set-up ------------------------------------------------------------------------

TPlanetariumWindow::TPlanetariumWindow(Prompter& prompter, std::string iniPath, std::string sysPath,
                                       QWidget* parent)
    : QWidget(parent), hooks(defaultWindowHooks()), prompter_(prompter), iniPath_(std::move(iniPath)),
      sysPath_(std::move(sysPath)) {
    writeLog("Constructeur...");
    // Menus, commands, keyboard and mouse of the command module; the sky map's view handlers.
    input::installHooks(hooks);
    if (!hooks.forecastOfTheDay) hooks.forecastOfTheDay = reportcommands::noteOfTheDay;
    skyui::installViewHandlers();
    resize(kInitialWidth, kInitialHeight);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    gProgramDirectory = QDir::currentPath().toStdString();
    writeLog("OK\n");
}

TPlanetariumWindow::~TPlanetariumWindow() { onCleanup(); }

bool TPlanetariumWindow::onSetup(QMainWindow* frame) {
    writeLog("Setup\n");
    timer_.start(kTimerPeriodMs, this);
    timerStarted_ = timer_.isActive();

    // The model: every body and catalogue file, then the place, time and catalogue settings.
    sys = std::make_unique<systeme>();
    starStore = std::make_unique<StarStore>();
    std::string sysFile = sysPath_.empty() ? findDataFile("Sys.syt") : sysPath_;
    if (sysFile.empty()) {
        prompter_.message("File Sys.syt missing", kErrorCaption);
        sys.reset();
        return false;
    }
    // The model is read on a second thread while this one draws what does not depend on it: the
    // back buffers, the toolbar's icons, the pictures and the frame's icon. The loader's messages
    // are kept and shown here once it is done, so that start-up shows and logs what it would on
    // one thread (the loader only tells, it never asks).
    RecordingPrompter loadMessages;
    std::future<int> loading = std::async(std::launch::async, [this, &sysFile, &loadMessages] {
        return sys->load(sysFile, loadMessages, iniPath_);
    });
    const int scale = screenScale();
    std::array<std::unique_ptr<gfx::Canvas>, 3> buffers;
    for (auto& c : buffers)
        c = std::make_unique<gfx::Canvas>(kBufferWidth, kBufferHeight, gfx::rgb(0, 0, 0), scale);
    toolbar::registerIcons();
    if (scale > 1) toolbar::registerIcons(scale); // icons drawn at the buffers' resolution
    registerPictures();
    if (frame) frame->setWindowIcon(programIcon());
    const int loaded = loading.get();
    for (const RecordingPrompter::Entry& e : loadMessages.entries)
        if (!e.question) prompter_.message(e.text, e.caption);
    if (loaded < 0) {
        sys.reset();
        return false;
    }

    memDC = std::move(buffers);
    sys->clientDC = memDC[0].get();
    writeLog("Ecran OK\n");
    writeLog("Images OK\n");

    date = std::make_unique<date2>();
    endDate = std::make_unique<date2>();
    setDateFromClock();
    writeLog("Dates OK\n");

    memDC[0]->selectFont(gfx::FontId::Arial14);
    memDC[1]->selectFont(gfx::FontId::Arial15);
    writeLog("Font OK\n");

    view = 1;
    showLegend = true;
    helioZoom = 4;
    animationSpeed = 24;
    animationDirection = 1;
    helioRunning = skyRunning = satRunning = false;
    writeLog("ParametreAffichage...");

    options = std::make_unique<ParametreAffichage>();
    const DisplaySettings display = readDisplaySettings(iniPath_);
    options->iconSize = display.iconSize;
    options->gscMaxMagnitude = display.gscMaxMagnitude;
    options->gscMinMagnitude = display.gscMinMagnitude;
    options->starMagnitude = display.starMagnitude;
    options->autoMagnitude = display.autoMagnitude;
    options->saveFullResolution = display.saveFullResolution;
    for (auto& c : memDC) options->attach(*c);
    writeLog("OK\n");

    *endDate = *date;
    endDate->t += kDefaultSpan;
    endDate->calculeCalendrier();

    computeGeometry(kInitialWidth, kInitialHeight);

    const int mapW = int(sys->mapWidth);
    boutons = std::make_unique<toolbar::Toolbar>(kInitialHeight, mapW);
    boutons->animationButtonsOff();
    boutons->zoomButtons(false);
    boutons->realTimeButton(false, false);
    realTime = false;
    scrollMode = 0;
    scrollTicks = 0;
    troughW = mapW - 39;
    troughH = kInitialHeight - 61;
    thumbQuadX = thumbSkyX = thumbAzX = troughW / 2;
    thumbQuadY = thumbSkyY = thumbAzY = troughH / 2;

    if (frame && hooks.installMenus) hooks.installMenus(*this, *frame);
    writeLog("Setup OK\n");
    return true;
}

void TPlanetariumWindow::onCleanup() {
    if (timerStarted_) timer_.stop();
}

void TPlanetariumWindow::setDateFromClock() {
    // The operating system's clock in UT, whatever the computer's zone.
    *date = hooks.clockSeconds ? universalTimeAt(hooks.clockSeconds()) : universalTimeNow();
    applyPlace();
}

void TPlanetariumWindow::applyPlace() {
    if (!sys || !date) return;
    std::string note;
    applyPlaceToDate(*sys, *date, &note);
    if (!note.empty()) writeLog(note.c_str());
    if (endDate) {
        endDate->decalageOrdinateur = date->decalageOrdinateur;
        endDate->decalageLieu = date->decalageLieu;
        endDate->saison = date->saison;
        endDate->zoneLieu = date->zoneLieu;
    }
}

// --- geometry -----------------------------------------------------------------------------------------

void TPlanetariumWindow::computeGeometry(int width, int height) {
    clientWidth_ = std::max(width, 1);
    clientHeight_ = std::max(height, 1);
    if (sys) sys->setScreen(float(clientWidth_), float(clientHeight_));
}

void TPlanetariumWindow::updateMapWidth() {
    if (sys) sys->setMapWidthForLegend(showLegend || view >= 30);
}

bool TPlanetariumWindow::scrollAreaShown() const {
    if (view == 11 || view == 12 || view == 14) return true;
    if (!options) return false;
    return (view == 10 && options->equidistantZoom != 1) || (view == 13 && options->circularZoom != 1);
}

void TPlanetariumWindow::layoutScrollBars(int oldW, int oldH) {
    if (!sys || !boutons) return;
    if (oldW == 0) oldW = 1;
    if (oldH == 0) oldH = 1;
    const int mapW = int(sys->mapWidth), H = clientHeight_;
    troughW = mapW - 49;
    troughH = H - 71;
    for (int* x : {&thumbQuadX, &thumbSkyX, &thumbAzX}) *x = int((long long)(*x) * troughW / oldW);
    for (int* y : {&thumbQuadY, &thumbSkyY, &thumbAzY}) *y = int((long long)(*y) * troughH / oldH);
    int tx = thumbQuadX, ty = thumbQuadY;
    if (view == 14) {
        tx = thumbAzX;
        ty = thumbAzY;
    } else if (view == 10 || view == 13) {
        // The two disc views share one pair of thumbs: they show the pan of the disc drawn now.
        skymap::SkyNavigation nav = commands::navigationOf(*this);
        skymap::clampDisc(nav, view, commands::geometryOf(*this));
        tx = thumbSkyX = nav.thumbSkyX;
        ty = thumbSkyY = nav.thumbSkyY;
    }
    boutons->placeScrollButtons(H, mapW, tx, ty);
}

int TPlanetariumWindow::screenScale() const {
    return std::clamp(int(std::lround(devicePixelRatioF())), 1, 4);
}

bool TPlanetariumWindow::setBackBufferScale(int scale) {
    if (!memDC[0] || memDC[0]->scale() == std::clamp(scale, 1, 4)) return false;
    for (auto& c : memDC) c->setScale(scale);
    if (memDC[0]->scale() > 1) toolbar::registerIcons(memDC[0]->scale());
    orbitsDirty = true;
    saturnTablesDirty = true;
    return true;
}

bool TPlanetariumWindow::event(QEvent* event) {
    // Moved to a screen of another pixel ratio: the back buffers follow it.
    if (event->type() == QEvent::ScreenChangeInternal && setBackBufferScale(screenScale())) redraw();
    return QWidget::event(event);
}

void TPlanetariumWindow::onSize(int width, int height) {
    setBackBufferScale(screenScale());
    saturnTablesDirty = true;
    const int oldW = troughW == 0 ? 1 : troughW, oldH = troughH == 0 ? 1 : troughH;
    computeGeometry(width, height);
    layoutScrollBars(oldW, oldH);
    orbitsDirty = true;
    redraw();
}

// --- redraw -------------------------------------------------------------------------------------------

void TPlanetariumWindow::fillBackground() {
    gfx::Canvas& bb = *memDC[0];
    const int index = options->whiteScheme ? 1 : 33;
    bb.selectBrush(index);
    bb.selectPen(index);
    bb.fillRect(0, 0, kBufferWidth, kBufferHeight);
    if (!firstFillLogged_) {
        firstFillLogged_ = true;
        writeLog("SelectObject...");
        writeLog("OK\n");
    }
}

namespace {
// A sunken border: light right and bottom edges, dark left and top edges.
void sunkenBox(gfx::Canvas& c, int left, int top, int right, int bottom) {
    c.selectPen(19);
    c.moveTo(right, top);
    c.lineTo(right, bottom);
    c.lineTo(left, bottom);
    c.selectPen(17);
    c.lineTo(left, top);
    c.lineTo(right, top);
}
} // namespace

void TPlanetariumWindow::drawFrame() {
    gfx::Canvas& c = *memDC[0];
    const int W = clientWidth_, H = clientHeight_;
    if (options && options->whiteScheme) {
        // A saved picture has no frame, but Saturn 3D keeps its frame lines, in black.
        if (view != 33) return;
        c.selectPen(options->saveBlackWhite ? 0 : 3);
        c.moveTo(W - 3, 24);
        c.lineTo(W - 3, H - 2);
        c.lineTo(1, H - 2);
        c.lineTo(1, 24);
        c.lineTo(W - 3, 24);
        return;
    }
    if (view == 31 || view == 32) {
        sunkenBox(c, 1, 25, W / 2 - 2, 103);
        sunkenBox(c, 1, 107, W / 2 - 2, H - 5);
        sunkenBox(c, W / 2 + 2, 107, W - 3, H / 2 + 35);
        sunkenBox(c, W / 2 + 2, H / 2 + 40, W - 3, H - 5);
    } else {
        sunkenBox(c, 1, 24, W - 3, H - 2);
    }
    c.selectPen(18);
}

void TPlanetariumWindow::drawToolbar() {
    if (options && options->whiteScheme) return; // nor toolbar
    if (boutons) boutons->drawButtons(*memDC[0], int(sys->mapWidth));
}

void TPlanetariumWindow::redraw() {
    if (!sys || !memDC[0] || !options || !boutons) return;
    ++redrawCount_;
    gfx::Canvas& bb = *memDC[0];
    bb.clearClip();
    const int H = clientHeight_;

    // Legend rule and scroll layout.
    updateMapWidth();
    layoutScrollBars(troughW, troughH);
    const int mapW = int(sys->mapWidth);

    // Background, legend button, frame.
    fillBackground();
    boutons->setEnabled(toolbar::kLegend, view >= 10 && view <= 29);
    drawFrame();

    // Separator of the legend panel. Saturn 3D is drawn over a fresh background and frame, with
    // its legend over the picture: no separator.
    if (((showLegend && view < 30) || view >= 30) && view != 33) {
        const int bottom = (view == 31 || view == 32) ? 100 : H - 2;
        bb.selectPen(17);
        bb.line(mapW, 24, mapW, bottom);
        bb.selectPen(19);
        bb.line(mapW + 1, 24, mapW + 1, bottom);
        bb.selectPen(18);
    }

    // Buttons that view 1 hides again.
    boutons->setEnabled(toolbar::kSaveScreen, true);
    boutons->setEnabled(toolbar::kDate, true);

    // Scroll area.
    if (scrollAreaShown()) {
        bb.selectBrush(20);
        bb.selectPen(20);
        bb.rectangle(15, H - 13, mapW - 27, H - 3);
        bb.rectangle(mapW - 17, 40, mapW - 7, H - 23);
        boutons->drawScrollButtons(bb);
    }

    // Toolbar.
    drawToolbar();

    // Positions of every body for the sky and heliocentric views.
    if (view >= 10 && view <= 29) {
        views::computeSaturnTilt(*sys, *date, camera); // every position, then Saturn's ring tilt
        camera.saturnTurn = 3.14159265358979323846 / 2;
        views::updateCamera(camera, view);
    }

    // The view itself.
    const bool wait = options->starMagnitude > 5.0 && view >= 10 && view <= 19;
    if (wait) QApplication::setOverrideCursor(Qt::WaitCursor);
    drawView();
    if (wait) QApplication::restoreOverrideCursor();
    if (view < 20 || view > 29) orbitsDirty = true;
    if (view != 32) saturnTablesDirty = true;
    anim::showRunningStep(*this);

    // To the screen. The whole picture is new: a tooltip strip or a hover label drawn over the
    // previous one goes until the pointer moves again.
    boutons->tooltipShown = false;
    boutons->tooltipButton = -1;
    for (const char* layer : {"nalvoTooltipLayer", "skyInteractionLayer"})
        if (auto* child = findChild<QWidget*>(QString::fromLatin1(layer), Qt::FindDirectChildrenOnly))
            child->hide();
    if (isVisible()) repaint();
}

void TPlanetariumWindow::drawView() { drawViewContent(*this); }

void TPlanetariumWindow::paintEvent(QPaintEvent*) {
    if (!memDC[0]) return;
    QPainter p(this);
    memDC[0]->paintOn(p, QPoint(0, 0), QRect(0, 0, clientWidth_, clientHeight_));
}

void TPlanetariumWindow::resizeEvent(QResizeEvent* event) {
    onSize(event->size().width(), event->size().height());
}

// --- timer --------------------------------------------------------------------------------------------

bool TPlanetariumWindow::needsTimer() const {
    return !firstTickDone || realTime || skyRunning || helioRunning || satRunning ||
           (scrollMode >= 1 && scrollMode <= 8);
}

int TPlanetariumWindow::wantedTimerPeriod() const {
    const bool fast = !firstTickDone || skyRunning || helioRunning || satRunning || (scrollMode >= 1 && scrollMode <= 8);
    return !fast && realTime ? kClockPeriodMs : kTimerPeriodMs;
}

void TPlanetariumWindow::wakeTimer() {
    if (!timerStarted_) return;
    const int period = wantedTimerPeriod();
    if (!timer_.isActive() || period != timerPeriod_) {
        timer_.start(period, this);
        timerPeriod_ = period;
    }
}

void TPlanetariumWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    onTimer();
    // Idle: nothing moves, so the timer sleeps until a command wakes it.
    if (!needsTimer())
        timer_.stop();
    else
        wakeTimer(); // real time alone slows the timer to once a second; anything else speeds it up
}

void TPlanetariumWindow::onTimer() {
    if (!sys || !date || !options) return;
    // The information of the day, once.
    if (!firstTickDone) {
        firstTickDone = true;
        if (hooks.forecastOfTheDay) {
            const std::string text = hooks.forecastOfTheDay(*this);
            if (!text.empty()) prompter_.message(text, "NALVO information");
        }
    }
    // Real time: the clock, once per minute, in the sky and satellite views.
    if (realTime && ((view >= 10 && view <= 19) || (view >= 31 && view <= 39))) {
        const int minute = universalTimeNow().minute;
        if (minute != lastClockMinute) {
            setDateFromClock();
            lastClockMinute = minute;
            redraw();
        }
    }
    options->animating = true;
    // Sky animation, every 4th tick.
    if (skyRunning && anim::yearAnimatable(*date)) {
        if (++tickCount >= 4) {
            tickCount = 0;
            // View 12 has no animation step.
            if (view == 10 || view == 11 || view == 13 || view == 14) {
                const int step = view == 14 ? azimuthalStep : view == 11 ? quadraticStep : skyStep;
                anim::moveByStep(*date, step, skyDirection);
                redraw();
            }
        }
    }
    // Heliocentric animation, every 2nd tick.
    if (helioRunning && anim::yearAnimatable(*date)) {
        if (++tickCount >= 2) {
            tickCount = 0;
            date->ajouteHeures(animationDirection * animationSpeed);
            date->calculeCalendrier();
            redraw();
        }
    }
    // Held scroll arrows and edges.
    if (scrollMode >= 1 && scrollMode <= 8) {
        if (++scrollTicks >= 6) {
            scrollTicks = 0;
            const int H = clientHeight_, mapW = int(sys->mapWidth);
            const auto pan = [&](int dx, int dy) {
                if (hooks.panSky) hooks.panSky(*this, dx, dy);
            };
            switch (scrollMode) {
            case 1: pan(-10, 0); break;
            case 2: pan(10, 0); break;
            case 3: pan(0, -5); break;
            case 4: pan(0, 5); break;
            default: break;
            }
            // Edge scrolling follows the held mouse position, recorded only in modes 5 to 8; an
            // older position left from another gesture must not move the map.
            if (scrollMode >= 5) {
                const int b20x = (*boutons)[toolbar::kThumbX].x, b21y = (*boutons)[toolbar::kThumbY].y;
                if (H - 13 < holdY && holdY < H - 3 && 15 < holdX && holdX < b20x) pan(-20, 0);
                if (H - 13 < holdY && holdY < H - 3 && b20x + 10 < holdX && holdX < mapW - 27) pan(20, 0);
                if (mapW - 17 < holdX && holdX < mapW - 7 && b21y + 10 < holdY && holdY < H - 23) pan(0, -20);
                if (mapW - 17 < holdX && holdX < mapW - 7 && 40 < holdY && holdY < b21y) pan(0, 20);
            }
            redraw();
        }
    }
    // Satellite animation, every 2nd tick: both ends of the span move.
    if (satRunning && anim::yearAnimatable(*date)) {
        if (++tickCount >= 2) {
            tickCount = 0;
            anim::moveByStep(*date, satStep, satDirection);
            anim::moveByStep(*endDate, satStep, satDirection);
            redraw();
        }
    }
    options->animating = false;
}

// --- input: forwarded to the command module's hooks ------------------------------------------------

void TPlanetariumWindow::keyPressEvent(QKeyEvent* event) {
    if (hooks.keyDown && hooks.keyDown(*this, event->key(), event->modifiers())) return;
    QWidget::keyPressEvent(event);
}

void TPlanetariumWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (hooks.mouseDown && hooks.mouseDown(*this, p.x(), p.y(), event->button())) return;
    QWidget::mousePressEvent(event);
}

void TPlanetariumWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (hooks.mouseUp && hooks.mouseUp(*this, p.x(), p.y(), event->button())) return;
    QWidget::mouseReleaseEvent(event);
}

void TPlanetariumWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (hooks.mouseDoubleClick && hooks.mouseDoubleClick(*this, p.x(), p.y(), event->button())) return;
    QWidget::mouseDoubleClickEvent(event);
}

void TPlanetariumWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    mouseX = p.x();
    mouseY = p.y();
    if (hooks.mouseMove && hooks.mouseMove(*this, p.x(), p.y())) return;
    QWidget::mouseMoveEvent(event);
}
