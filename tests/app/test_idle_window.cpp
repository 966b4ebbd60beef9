// SPDX-License-Identifier: GPL-3.0-or-later
// The idle window wakes nothing: after start-up and after an animation stops, no timer of the
// frame or of anything in it is registered with the event loop, and no timer or paint event
// arrives while nothing happens.
#include "app/application.h"
#include "app/commands.h"
#include "app/toolbar.h"
#include "app/window.h"
#include "catalog/prompter.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QThread>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

// Every timer registered for the frame or one of its descendants, as "class: interval ms".
std::vector<std::string> registeredTimers(QObject* root) {
    std::vector<std::string> found;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* o : objects)
        for (const QAbstractEventDispatcher::TimerInfo& t : dispatcher->registeredTimers(o))
            found.push_back(std::string(o->metaObject()->className()) + ": " + std::to_string(t.interval) +
                            " ms");
    return found;
}

// Counts the timer and paint events that reach the window.
class EventCounter : public QObject {
  public:
    int timers = 0, paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Timer) ++timers;
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Runs the event loop for `ms` milliseconds.
void runFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

} // namespace

TEST(IdleWindow, NoTimerRunsAfterStartUpNorAfterAnAnimationStops) {
    const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_idle_window.ini").string();
    std::filesystem::remove(ini);
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    ASSERT_TRUE(main.create(ini)) << (prompter.entries.empty() ? "" : prompter.entries[0].text);
    TPlanetariumWindow& w = *main.window();
    EventCounter counter;
    w.installEventFilter(&counter);
    main.show();

    // Start-up: the first tick (the information of the day) comes, then the timer stops.
    runFor(300);
    EXPECT_TRUE(w.firstTickDone);
    EXPECT_GT(counter.timers, 0);
    EXPECT_EQ(registeredTimers(main.frame()), std::vector<std::string>{});
    counter.timers = counter.paints = 0;
    runFor(300);
    EXPECT_EQ(counter.timers, 0);
    EXPECT_EQ(counter.paints, 0);

    // The sky animation ticks and repaints while it runs...
    ASSERT_TRUE(commands::run(w, 108)); // the circular sky view
    commands::clickButton(w, toolbar::kPlay);
    ASSERT_TRUE(w.skyRunning);
    runFor(200);
    EXPECT_GT(counter.timers, 10);
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(registeredTimers(main.frame()).size(), 1u);

    // ...and once stopped nothing runs any more.
    commands::clickButton(w, toolbar::kStop);
    EXPECT_FALSE(w.skyRunning);
    runFor(100);
    EXPECT_EQ(registeredTimers(main.frame()), std::vector<std::string>{});
    counter.timers = counter.paints = 0;
    runFor(300);
    EXPECT_EQ(counter.timers, 0);
    EXPECT_EQ(counter.paints, 0);
    w.removeEventFilter(&counter);
    std::filesystem::remove(ini);
}
