// SPDX-License-Identifier: GPL-3.0-or-later
// TDialogAsteroides on a small model: the filter by magnitude through the box and the bar, the
// magnitude text, the four buttons, OK with its INI keys and Cancel with the selection restored;
// and the conversion command, whose new bodies can be chosen at once.
#include "app/asteroid_commands.h"
#include "app/commands.h"
#include "app/dialogs/asteroid_dialog.h"
#include "app/toolbar_icons.h"
#include "app/window.h"
#include "catalog/asteroid_conversion.h"
#include "catalog/catalogue_files.h"
#include "catalog/comet_selection.h"
#include "catalog/paths.h"
#include "catalog/profile.h"
#include "catalog/prompter.h"
#include "catalog/scan.h"
#include "catalog/systeme.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* a = qobject_cast<QApplication*>(QCoreApplication::instance())
                                 ? qobject_cast<QApplication*>(QCoreApplication::instance())
                                 : new QApplication(argc, argv);
    return *a;
}

const char kEdb[] = "Ceres,e,10.6,80.3,73.5,2.77,0.214,0.079,0,8/9.0/2022,2000,H3.33,0.12\n"
                    "Eros,e,10.8,304.3,178.9,1.458,0.560,0.223,0,8/9.0/2022,2000,H10.31,0.46\n"
                    "Vesta,e,7.14,103.8,151.3,2.362,0.2715,0.088,0,8/9.0/2022,2000,H3.20,0.32\n"
                    "Hebe,e,14.7,138.6,239.5,2.425,0.2608,0.203,0,8/9.0/2022,2000,H5.80,0.24\n";

std::vector<std::string> texts(const QListWidget& list) {
    std::vector<std::string> out;
    for (int k = 0; k < list.count(); ++k)
        out.push_back(list.item(k)->text().toStdString());
    return out;
}
using Names = std::vector<std::string>;

class AsteroidDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        application();
        ini = (std::filesystem::temp_directory_path() / "nalvo_asteroid_dialog.ini").string();
        std::filesystem::remove(ini);
        const std::string text = convertEdbText(kEdb).text;
        FilePtr f = openMemory(text.data(), text.size());
        ASSERT_GT(readCometFile(f.get(), sys, nullptr), 0);
        ASSERT_EQ(sys.cometCount(), 4);
        sys.cometMagLimit = 7.0;
    }
    void TearDown() override { std::filesystem::remove(ini); }
    systeme sys;
    std::string ini;
};

TEST_F(AsteroidDialog, FilterByBoxAndBarAndTheMagnitudeText) {
    TDialogAsteroides d(asteroidesXfer{&sys, ini});
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Asteroids"));
    EXPECT_EQ(d.limitEdit()->text(), QStringLiteral("7.0"));
    EXPECT_EQ(d.limitBar()->value(), 70);
    EXPECT_EQ(d.limitBar()->maximum(), 200);
    EXPECT_EQ(d.limitBar()->pageStep(), 10);
    EXPECT_EQ(texts(*d.bodyList()), (Names{"Ceres", "Vesta", "Hebe"}));
    EXPECT_TRUE(texts(*d.shownList()).empty());
    // Typed: magnitude 10 keeps Eros (10.31) out; the bar follows.
    d.limitEdit()->setText("10");
    emit d.limitEdit()->textEdited("10");
    EXPECT_EQ(d.limitBar()->value(), 100);
    EXPECT_EQ(texts(*d.bodyList()), (Names{"Ceres", "Vesta", "Hebe"}));
    // The bar by one page: 11.0, shown as "%3.1lf  ".
    d.limitBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(d.limitEdit()->text(), QStringLiteral("11.0  "));
    EXPECT_DOUBLE_EQ(d.limit(), 11.0);
    EXPECT_EQ(texts(*d.bodyList()), (Names{"Ceres", "Eros", "Vesta", "Hebe"}));
    // One row chosen: its magnitude; two rows: no text.
    d.bodyList()->item(1)->setSelected(true);
    EXPECT_EQ(d.magnitudeText()->text(), QStringLiteral("Magnitude of Eros:10.3"));
    d.bodyList()->item(0)->setSelected(true);
    EXPECT_TRUE(d.magnitudeText()->text().isEmpty());
    // A text that is not a number yet changes nothing.
    emit d.limitEdit()->textEdited("-");
    EXPECT_DOUBLE_EQ(d.limit(), 11.0);
}

TEST_F(AsteroidDialog, ButtonsOkAndCancel) {
    sys.selectedComets[0] = 2; // Vesta shown when the dialog opens
    {
        TDialogAsteroides d(asteroidesXfer{&sys, ini});
        EXPECT_EQ(texts(*d.shownList()), (Names{"Vesta"}));
        // "Add =>" of Ceres and of Vesta, already shown: only Ceres is appended.
        d.bodyList()->item(0)->setSelected(true);
        d.bodyList()->item(1)->setSelected(true);
        d.addButton()->click();
        EXPECT_EQ(texts(*d.shownList()), (Names{"Vesta", "Ceres"}));
        EXPECT_EQ(selectedCometIndices(sys), (std::vector<int>{2, 0})); // in the model at once
        d.addButton()->click();
        EXPECT_EQ(selectedCometIndices(sys), (std::vector<int>{2, 0}));
        // A limit of 0 empties the left list and keeps the right one.
        emit d.limitEdit()->textEdited("0");
        EXPECT_TRUE(texts(*d.bodyList()).empty());
        EXPECT_EQ(texts(*d.shownList()), (Names{"Vesta", "Ceres"}));
        // "Add all =>>" replaces the selection by the left list, in its order.
        emit d.limitEdit()->textEdited("20");
        d.addAllButton()->click();
        EXPECT_EQ(texts(*d.shownList()), (Names{"Ceres", "Eros", "Vesta", "Hebe"}));
        // "<= Remove" keeps the order of the others.
        d.shownList()->item(1)->setSelected(true);
        d.shownList()->item(3)->setSelected(true);
        d.removeButton()->click();
        EXPECT_EQ(texts(*d.shownList()), (Names{"Ceres", "Vesta"}));
        // Cancel: back to the selection the dialog opened with, lists emptied, nothing written.
        d.reject();
        EXPECT_EQ(selectedCometIndices(sys), (std::vector<int>{2}));
        EXPECT_EQ(d.bodyList()->count(), 0);
        EXPECT_FALSE(std::filesystem::exists(ini));
        EXPECT_DOUBLE_EQ(sys.cometMagLimit, 7.0);
    }
    TDialogAsteroides d(asteroidesXfer{&sys, ini});
    d.removeAllButton()->click();
    EXPECT_TRUE(selectedCometIndices(sys).empty());
    emit d.limitEdit()->textEdited("10.5");
    d.bodyList()->item(3)->setSelected(true); // Hebe
    d.bodyList()->item(1)->setSelected(true); // Eros
    d.addButton()->click();
    d.accept();
    EXPECT_DOUBLE_EQ(sys.cometMagLimit, 10.5);
    EXPECT_EQ(profileReadInt(ini, "Asteroides", "Magnitude Maximale", 0), 1050);
    EXPECT_EQ(profileReadString(ini, "Asteroides", "Selection", ""), "Eros Hebe");
}

TEST(AsteroidCommands, ConvertedBodiesCanBeChosenAtOnce) {
    application();
    ASSERT_EQ(toolbar::registerIcons(), 0);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "nalvo_asteroid_commands";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    RecordingPrompter prompter;
    TPlanetariumWindow w(prompter, (dir / "Nalvo.ini").string());
    ASSERT_TRUE(w.onSetup(nullptr));
    w.firstTickDone = true;
    std::string chosen = (dir / "new.EDB").string();
    asteroidcommands::edbChooser() = [&](TPlanetariumWindow&) { return chosen; };
    ASSERT_TRUE(commands::run(w, 11844));
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].text.rfind("Can't convert file", 0), 0u);
    EXPECT_EQ(prompter.entries[0].caption, "NALVO information");
    // A file in a folder of the user's choice, with one line of another type.
    chosen = (dir / "new.edb").string();
    std::ofstream(chosen) << kEdb << "Halley,h,1/1/1986,0.58,111.8,162.2,58.4,0.97,0.587,2000,g4.0,6.0,0\n";
    ASSERT_TRUE(commands::run(w, 11844));
    ASSERT_EQ(prompter.entries.size(), 2u);
    EXPECT_EQ(prompter.entries[1].text.rfind("File converted !\n4 bodies converted, 1 lines skipped.", 0), 0u)
        << prompter.entries[1].text;
    EXPECT_EQ(w.sys->cometCount(), 4);
    EXPECT_STREQ(w.sys->comets[3]->nom, "Hebe");
    EXPECT_TRUE(std::filesystem::exists(userFilePath("comet.syt")));
    std::filesystem::remove(userFilePath("comet.syt"));
    std::filesystem::remove_all(dir);
}

} // namespace
