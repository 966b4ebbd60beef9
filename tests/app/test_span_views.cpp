// SPDX-License-Identifier: GPL-3.0-or-later
// The time-span views on a real window (offscreen): the conjunction and dance commands with their
// dialogs and span corrections, the date command in these views, toolbar buttons and keys, the
// drag selection through the window's mouse handlers, the pointed date and the zooms.
#include "app/commands.h"
#include "app/dialogs/span_date_group.h"
#include "app/dialogs/span_dialogs.h"
#include "app/input.h"
#include "app/span_views.h"
#include "app/toolbar.h"
#include "app/toolbar_icons.h"
#include "app/window.h"
#include "catalog/prompter.h"
#include "views/conjunction.h"

#include <QComboBox>
#include <QDialog>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {

date2 makeDate(int year, int month, int day, int hour) {
    date2 d;
    d.annee = year;
    d.mois = month;
    d.jour = day;
    d.heure = hour;
    d.calculeT();
    return d;
}

double daysBetween(const date2& a, const date2& b) {
    return double(b.t - a.t) * 36525.0;
}

class SpanViews : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(toolbar::registerIcons(), 0);
        ini = (std::filesystem::temp_directory_path() / "nalvo_test_span.ini").string();
        std::filesystem::remove(ini);
        w = std::make_unique<TPlanetariumWindow>(prompter, ini);
        ASSERT_TRUE(w->onSetup(nullptr));
        commands::markAvailableButtons(*w);
        input::installHooks(w->hooks);
        w->firstTickDone = true;
        *w->date = makeDate(2026, 1, 1, 0);
        *w->endDate = makeDate(2026, 1, 2, 0);
        w->onSize(780, 526);
        saved = commands::dialogRunner();
    }
    void TearDown() override {
        commands::dialogRunner() = saved;
        w.reset();
        std::filesystem::remove(ini);
    }
    // The next dialogs are answered by `answer` (which may edit them); returns what they saw.
    void answerWith(std::function<int(QDialog&)> answer) { commands::dialogRunner() = std::move(answer); }

    RecordingPrompter prompter;
    std::string ini;
    std::unique_ptr<TPlanetariumWindow> w;
    std::function<int(QDialog&)> saved;
};

TEST_F(SpanViews, ConjunctionCommandCorrectsTheSpanThenAlwaysShowsTheGraph) {
    w->view = 13;
    w->satView = 2;
    int shown = 0;
    double spanInDialog = 0;
    answerWith([&](QDialog& d) {
        ++shown;
        auto* c = dynamic_cast<TDialogConjonctions*>(&d);
        EXPECT_NE(c, nullptr);
        EXPECT_EQ(d.windowTitle(), "Conjunction graph");
        spanInDialog = daysBetween(*w->date, *w->endDate);
        return int(QDialog::Rejected);
    });
    // From a sky view: planets mode, the one-day span widened to 490 days before the dialog, and
    // view 30 even though the dialog was cancelled.
    EXPECT_TRUE(commands::run(*w, 106));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(w->satView, 0);
    EXPECT_EQ(w->view, 30);
    EXPECT_NEAR(spanInDialog, 490, 1e-3);
    EXPECT_FALSE(w->boutons->usable(toolbar::kPlay));
    EXPECT_TRUE(w->boutons->usable(toolbar::kZoomIn));
    EXPECT_FALSE((*w->boutons)[toolbar::kRealTime].enabled);

    // In view 31 a span over 0.009 centuries is cut to 161.275 days; the mode is kept.
    w->view = 31;
    w->satView = 1;
    EXPECT_TRUE(input::keyDown(*w, input::kNumpad0 + 5));
    EXPECT_EQ(w->satView, 1);
    EXPECT_EQ(w->view, 31);
    EXPECT_NEAR(spanInDialog, 161.275, 1e-3);

    // Confirmed with an end before the start: the end goes back to start + 490 days.
    w->view = 30;
    w->satView = 0;
    answerWith([&](QDialog& d) {
        auto& c = dynamic_cast<TDialogConjonctions&>(d);
        c.startGroup()->yearList()->setCurrentIndex(2027 + 100);
        c.endGroup()->yearList()->setCurrentIndex(2026 + 100);
        c.accept();
        return int(QDialog::Accepted);
    });
    commands::clickButton(*w, toolbar::kConjunctions);
    EXPECT_EQ(w->date->annee, 2027);
    EXPECT_EQ(w->date->minute, 0);
    EXPECT_NEAR(daysBetween(*w->date, *w->endDate), 490, 1e-3);
}

TEST_F(SpanViews, DialogListsAndDaysCutToTheMonth) {
    TDialogConjonctions dialog(*w->date, *w->endDate);
    SpanDateGroup* g = dialog.startGroup();
    EXPECT_EQ(g->yearList()->count(), 3100);
    EXPECT_EQ(g->yearList()->itemText(0), "-100");
    EXPECT_EQ(g->yearList()->itemText(3099), "2999");
    EXPECT_EQ(g->monthList()->itemText(11), "December");
    EXPECT_EQ(g->hourList()->count(), 24);
    EXPECT_NE(dialog.findChild<QComboBox*>("control101"), nullptr);
    EXPECT_NE(dialog.findChild<QComboBox*>("control110"), nullptr);
    g->dayList()->setCurrentIndex(30);  // the 31st of January
    g->monthList()->setCurrentIndex(3); // April: 30 days, the 31st becomes the 30th
    EXPECT_EQ(g->dayList()->count(), 30);
    EXPECT_EQ(g->dayList()->currentIndex(), 29);
    g->monthList()->setCurrentIndex(1);
    EXPECT_EQ(g->dayList()->count(), 28); // 2026
    g->yearList()->setCurrentIndex(2028 + 100);
    EXPECT_EQ(g->dayList()->count(), 29);
    g->yearList()->setCurrentIndex(1900 + 100); // divisible by 4: the lists give it 29 days
    EXPECT_EQ(g->dayList()->count(), 29);
}

TEST_F(SpanViews, DanceCommandPlanetListAndCancel) {
    w->view = 13;
    const date2 endBefore = *w->endDate;
    int planets = -1;
    double span = 0;
    answerWith([&](QDialog& d) {
        auto& dd = dynamic_cast<TDialogDanse&>(d);
        planets = dd.planetList()->count();
        EXPECT_EQ(dd.planetList()->itemText(2), "Mars"); // the Earth is left out
        span = daysBetween(*w->date, *w->endDate);
        return int(QDialog::Rejected);
    });
    commands::clickButton(*w, toolbar::kDance);
    EXPECT_EQ(planets, 8);
    EXPECT_NEAR(span, 364.9945, 1e-3);
    // Cancelled: nothing changes, the span included.
    EXPECT_EQ(w->view, 13);
    EXPECT_EQ(w->endDate->t, endBefore.t);

    // Jupiter (list index 3, model index 4): five years by default, view 40.
    answerWith([&](QDialog& d) {
        auto& dd = dynamic_cast<TDialogDanse&>(d);
        dd.planetList()->setCurrentIndex(3);
        dd.accept();
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(input::keyDown(*w, input::kNumpad0 + 6));
    EXPECT_EQ(w->view, 40);
    EXPECT_EQ(w->danceObject, 4);
    EXPECT_FALSE(w->boutons->usable(toolbar::kZoomIn));
    // The dialog wrote the dates shown, minutes zero: the default span of Mercury's index 0.
    EXPECT_NEAR(daysBetween(*w->date, *w->endDate), 365, 1.0);
    // The next Dance command starts from Jupiter's five years.
    answerWith([&](QDialog&) {
        span = daysBetween(*w->date, *w->endDate);
        return int(QDialog::Rejected);
    });
    commands::run(*w, 124);
    EXPECT_NEAR(span, 5 * 364.9945, 1e-3);
    // "&Date" in view 40 opens the dance dialog, in view 30 the conjunction dialog.
    const QDialog* seen = nullptr;
    answerWith([&](QDialog& d) {
        seen = &d;
        EXPECT_NE(dynamic_cast<TDialogDanse*>(&d), nullptr);
        return int(QDialog::Rejected);
    });
    input::keyDown(*w, input::kKeyD);
    EXPECT_NE(seen, nullptr);
    w->view = 30;
    seen = nullptr;
    answerWith([&](QDialog& d) {
        seen = &d;
        EXPECT_NE(dynamic_cast<TDialogConjonctions*>(&d), nullptr);
        return int(QDialog::Rejected);
    });
    commands::run(*w, 11852);
    EXPECT_NE(seen, nullptr);
}

TEST_F(SpanViews, DragSelectsRowsThroughTheMouse) {
    *w->endDate = *w->date;
    w->endDate->t += 491.0L / 36525; // 491 days over the 491 rows of a 526-pixel window
    w->endDate->calculeCalendrier();
    w->view = 30;
    w->satView = 0;
    w->redraw();
    // Pressed at row 130, moved to 61 and released there: from 1 February (row 61) to
    // 11 April (row 130).
    EXPECT_TRUE(input::mouseDown(*w, 200, 130, Qt::LeftButton));
    EXPECT_TRUE(spanui::dragState(*w).active);
    input::mouseMove(*w, 200, 61);
    EXPECT_EQ(spanui::dragState(*w).currentRow, 61);
    input::mouseUp(*w, 200, 61, Qt::LeftButton);
    EXPECT_FALSE(spanui::dragState(*w).active);
    EXPECT_EQ(w->date->jour, 1);
    EXPECT_EQ(w->date->mois, 2);
    EXPECT_EQ(w->endDate->jour, 11);
    EXPECT_EQ(w->endDate->mois, 4);
    // A click without a move changes nothing.
    const long double s = w->date->t, e = w->endDate->t;
    input::mouseDown(*w, 200, 300, Qt::LeftButton);
    input::mouseUp(*w, 200, 300, Qt::LeftButton);
    EXPECT_EQ(w->date->t, s);
    EXPECT_EQ(w->endDate->t, e);
}

TEST_F(SpanViews, PointedDateUnderTheMouseAndZooms) {
    *w->endDate = *w->date;
    w->endDate->t += 491.0L / 36525;
    w->endDate->calculeCalendrier();
    w->view = 30;
    w->redraw();
    const int W = int(w->sys->mapWidth);
    // Row 61 is 1 February: the text on light grey right of the graph.
    input::mouseMove(*w, 200, 61);
    const std::string text = "Pointed date : 1/2/2026   ";
    const gfx::Size extent = w->memDC[0]->textExtent(text);
    // Exactly that text at (W + 30, 30), black on light grey: the same text written over it
    // again in the same colours changes no pixel, and the place is inked.
    gfx::Canvas& bb = *w->memDC[0];
    std::vector<gfx::Rgb> before;
    int ink = 0;
    for (int y = 30; y < 30 + extent.height; ++y)
        for (int x = W + 30; x < W + 30 + extent.width; ++x) {
            before.push_back(bb.pixel(x, y));
            ink += gfx::red(bb.pixel(x, y)) < 100;
        }
    EXPECT_GT(ink, 60);
    bb.setBackgroundMode(gfx::BackgroundMode::Opaque);
    bb.setBackgroundColour(gfx::rgb(200, 200, 200));
    bb.setTextColour(gfx::rgb(0, 0, 0));
    bb.textOut(W + 30, 30, text);
    size_t k = 0;
    int changed = 0;
    for (int y = 30; y < 30 + extent.height; ++y)
        for (int x = W + 30; x < W + 30 + extent.width; ++x)
            changed += bb.pixel(x, y) != before[k++];
    EXPECT_EQ(changed, 0) << "another text than \"" << text << "\"";
    // Keypad + zooms the span in by a quarter from each end, the right double click out again.
    input::keyDown(*w, input::kAdd);
    EXPECT_NEAR(daysBetween(makeDate(2026, 1, 1, 0), *w->date), 491.0 / 4, 1e-6);
    input::mouseDoubleClick(*w, 200, 200, Qt::RightButton);
    EXPECT_NEAR(daysBetween(makeDate(2026, 1, 1, 0), *w->date), 0, 1e-6);
    EXPECT_NEAR(daysBetween(*w->date, *w->endDate), 491, 1e-6);
    EXPECT_TRUE(commands::state(*w, 122).enabled);
    EXPECT_TRUE(commands::run(*w, 122));
    EXPECT_NEAR(daysBetween(*w->date, *w->endDate), 982, 1e-6);
}

} // namespace
