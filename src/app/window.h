// SPDX-License-Identifier: GPL-3.0-or-later
// TPlanetariumWindow: the client of the main frame. It owns the model, the dates, the display
// options, the toolbar and the three 1500 x 1400 canvases, keeps the view and animation state,
// and draws the current view into the back buffer, which a paint only copies to the screen.
#pragma once

#include "app/toolbar.h"
#include "astro/date2.h"
#include "catalog/systeme.h"
#include "gfx/canvas.h"
#include "gfx/parametre_affichage.h"
#include "views/camera.h"

#include <QBasicTimer>
#include <QWidget>
#include <array>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

class QMainWindow;
class Prompter;
class StarStore;

// Behaviour that the other modules of the shell plug into the window: the menu bar and command
// table, keyboard and mouse handling, the view painters they own. Each hook is optional.
struct WindowHooks {
    // Called once from set-up, after the toolbar exists: builds the menu bar of `frame`.
    std::function<void(class TPlanetariumWindow&, QMainWindow& frame)> installMenus;
    // Key and mouse events of the client; a hook returns true when it handled the event.
    std::function<bool(TPlanetariumWindow&, int key, Qt::KeyboardModifiers)> keyDown;
    std::function<bool(TPlanetariumWindow&, int x, int y, Qt::MouseButton)> mouseDown;
    std::function<bool(TPlanetariumWindow&, int x, int y, Qt::MouseButton)> mouseUp;
    std::function<bool(TPlanetariumWindow&, int x, int y, Qt::MouseButton)> mouseDoubleClick;
    std::function<bool(TPlanetariumWindow&, int x, int y)> mouseMove;
    // The forecast of the day on the first tick: the text to show, or "" for none.
    std::function<std::string(TPlanetariumWindow&)> forecastOfTheDay;
    // Held map scroll on a timer step: horizontal and vertical pans of the sky map, pixels.
    std::function<void(TPlanetariumWindow&, int horizontal, int vertical)> panSky;
    // The computer clock, seconds since 1970 UT; unset for the operating system's clock.
    std::function<std::time_t()> clockSeconds;
};

// The hooks every new window gets; modules add theirs before the window is created.
WindowHooks& defaultWindowHooks();

class TPlanetariumWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBufferWidth = 1500, kBufferHeight = 1400;
    static constexpr int kInitialWidth = 780, kInitialHeight = 500;
    // The smallest client that keeps the toolbar and the legend whole: the last toolbar button
    // (x = 513) is drawn left of mapWidth - 20 with the 232-pixel legend panel, and the legend's
    // rows keep the spacing of the 500-pixel layout.
    static constexpr int kMinimumWidth = 513 + 20 + 1 + 232, kMinimumHeight = 500;
    static constexpr int kTimerId = 5, kTimerPeriodMs = 5;
    // Period while only real time needs the timer: the clock is read once a second, not 200 times.
    static constexpr int kClockPeriodMs = 1000;
    // endDate at set-up and for the planets' conjunction graph: 490 days later, in centuries.
    static constexpr double kDefaultSpan = 0.013415469;

    // `iniPath` "" is the user's Nalvo.ini; `sysPath` "" looks "Sys.syt" up in the data folders.
    TPlanetariumWindow(Prompter& prompter, std::string iniPath = "", std::string sysPath = "",
                       QWidget* parent = nullptr);
    ~TPlanetariumWindow() override;

    // Set-up of the window: timer, model, canvases, pictures, date, fonts, display options and
    // toolbar. False when the model could not be loaded (the message is shown).
    bool onSetup(QMainWindow* frame);
    // Stops the timer.
    void onCleanup();

    // Draws the current view into the back buffer and copies it to the window.
    void redraw();
    // New client size: geometry, scroll layout, redraw.
    void onSize(int width, int height);
    // One timer step (every 5 ms while something needs it).
    void onTimer();
    // Makes sure the timer runs: animations, real time and held scrolls call it when they start.
    void wakeTimer();
    // True while the timer runs for something (an idle timer stops itself at its next tick).
    bool timerRunning() const { return timer_.isActive() && needsTimer(); }
    bool timerStarted() const { return timerStarted_; }
    int timerPeriod() const { return timerPeriod_; }

    // Sets the date from the computer clock, read in Universal Time, with the place's clock
    // settings (applyPlace).
    void setDateFromClock();
    // The place's clock settings of the model on the date (and endDate): the system's offset,
    // the season, and the observer's zone or fixed offset; a fallback is noted in LogFile.txt.
    void applyPlace();
    // Window geometry of a client of width x height (mapWidth, mapRadius, circular layouts).
    void computeGeometry(int width, int height);
    // mapWidth for the legend rule of the current view.
    void updateMapWidth();
    // Scroll-bar layout: the thumbs keep their place in proportion to the previous trough lengths.
    void layoutScrollBars(int oldTroughW, int oldTroughH);
    // True in the views that show the scroll area.
    bool scrollAreaShown() const;

    // Background, frame and toolbar of the redraw, for the views that draw them again themselves
    // (33 and 40).
    void fillBackground();
    void drawFrame();
    void drawToolbar();

    // The log file "LogFile.txt" in the user data folder.
    static void startLog();
    static void writeLog(const char* text);
    static std::string logPath();

    const std::string& iniPath() const { return iniPath_; }
    Prompter& prompter() { return prompter_; }
    WindowHooks hooks;

    // --- core objects -----------------------------------------------------------------------------
    std::unique_ptr<systeme> sys;
    // The star files of the model, read on the first deep paint and kept for the next ones.
    std::unique_ptr<StarStore> starStore;
    std::array<std::unique_ptr<gfx::Canvas>, 3> memDC; // 0 back buffer, 1 second layer, 2 pictures
    std::unique_ptr<toolbar::Toolbar> boutons;
    std::unique_ptr<ParametreAffichage> options;
    std::unique_ptr<date2> date;
    std::unique_ptr<date2> endDate;

    // --- view and animation state ----------------------------------------------------------------
    bool showLegend = true;
    int view = 1;
    bool realTime = false;
    int lastClockMinute = -1;
    int tickCount = 3;
    int helioPanX = 0, helioPanY = 0;
    int helioZoom = 4;
    int animationSpeed = 24;
    bool helioRunning = false;
    int animationDirection = 1;
    bool orbitsDirty = true;
    bool firstTickDone = false;
    int skyStep = 1;
    int azimuthalStep = -5;
    int quadraticStep = 11;
    int skyDirection = 1, skyDirection2 = 1;
    bool skyRunning = false;
    int projection = 4;
    int quadDec1 = 90, quadDec2 = -90;
    int quadRa1 = 0, quadRa2 = 360;
    int azimEl1 = -5, azimEl2 = 15;
    int azimAz1 = 300, azimAz2 = 60;
    int azSpan = 120, raSpan = 360;
    int satView = 0;
    int satStep = -5;
    bool satRunning = false;
    int satDirection = 1;
    bool saturnTablesDirty = true;
    // Camera of the 3D views: heliocentric angles (views 20-29), Saturn angles, distance, frame.
    views::ViewCamera camera;
    double saturnZoom = 4.0;
    int danceObject = 0;
    int scrollMode = 0;
    int scrollTicks = 0;
    int holdX = 0, holdY = 0;
    int mouseX = 0, mouseY = 0;
    int thumbQuadX = 0, thumbQuadY = 0;
    int thumbSkyX = 0, thumbSkyY = 0;
    int thumbAzX = 0, thumbAzY = 0;
    int troughW = 0, troughH = 0;

    // Client size in pixels as last given to onSize.
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    // Number of redraws so far (tests and the start-up benchmark).
    int redrawCount() const { return redrawCount_; }

    QSize sizeHint() const override { return QSize(kInitialWidth, kInitialHeight); }

    // The device scale of the back buffers: the screen's device pixel ratio rounded to a whole
    // number (1 to 4), so that the window is drawn at the screen's resolution.
    int screenScale() const;
    // Puts every back buffer at `scale`; the layers that they keep are marked for drawing again.
    // True when the scale changed (the caller redraws).
    bool setBackBufferScale(int scale);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool needsTimer() const;
    // kClockPeriodMs when real time is the only thing that needs the timer, else kTimerPeriodMs.
    int wantedTimerPeriod() const;
    void drawView();

    Prompter& prompter_;
    std::string iniPath_;
    std::string sysPath_;
    QBasicTimer timer_;
    bool timerStarted_ = false;
    int timerPeriod_ = kTimerPeriodMs;
    bool firstFillLogged_ = false;
    int clientWidth_ = kInitialWidth, clientHeight_ = kInitialHeight;
    int redrawCount_ = 0;
};

// The program directory in the form "%c:\\%s" that local help addresses are built from; also the
// working directory to come back to. Set by the window constructor.
extern std::string gProgramDirectory;

// Draws the current view's content into the back buffer (the dispatch by view number).
void drawViewContent(TPlanetariumWindow& w);
