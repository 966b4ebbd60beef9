// SPDX-License-Identifier: GPL-3.0-or-later
// A short soak of every view through the window's own timer path (bench/view_soak.h): each step
// moves the date by the view's animation step and redraws, the animation never stops on the way,
// and in the sanitizer build the run ends without a leak or an error. The long run with the
// memory figures is scripts/soak.
#include "app/application.h"
#include "app/window.h"
#include "catalog/prompter.h"
#include "view_soak.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kSteps = 200;
#else
constexpr int kSteps = 1000;
#endif

// The date's move over one step of `view` at the steps a new window starts with, hours: the sky
// views 1 h (view 11: 11 h; view 14: 5 minutes), the heliocentric view 24 h, the satellite views
// 5 minutes, and a day for the views that the soak moves by the date.
double stepHours(int view) {
    switch (view) {
    case 10:
    case 13:
        return 1;
    case 11:
        return 11;
    case 14:
    case 31:
    case 32:
    case 33:
        return 5 / 60.0;
    default:
        return 24;
    }
}

TEST(Soak, EveryViewRunsItsStepsThroughTheTimer) {
    RecordingPrompter prompter;
    MainFrame main(&prompter);
    ASSERT_TRUE(main.create());
    TPlanetariumWindow& w = *main.window();
    w.onSize(TPlanetariumWindow::kInitialWidth, TPlanetariumWindow::kInitialHeight);
    for (int view : soak::kViews) {
        SCOPED_TRACE("view " + std::to_string(view));
        ASSERT_TRUE(soak::enterView(w, view));
        const long double start = w.date->t;
        int done = 0;
        while (done < kSteps && soak::step(w, view))
            ++done;
        EXPECT_EQ(done, kSteps);
        EXPECT_EQ(w.view, view);
        const double hours = double(w.date->t - start) * 876600.0;
        EXPECT_NEAR(hours, kSteps * stepHours(view), 1e-6 * kSteps) << "the date did not move step by step";
        w.skyRunning = w.helioRunning = w.satRunning = false;
    }
}

} // namespace
