// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/asteroid_commands.h"

#include <QApplication>
#include <QFileDialog>

#include "app/commands.h"
#include "app/dialogs/asteroid_dialog.h"
#include "app/dialogs/settings_commands.h"
#include "app/window.h"
#include "catalog/asteroid_conversion.h"
#include "catalog/comet_selection.h"
#include "catalog/paths.h"
#include "catalog/prompter.h"

namespace asteroidcommands {

namespace {
constexpr char kInformation[] = "NALVO information";
}

std::function<std::string(TPlanetariumWindow&)>& edbChooser() {
    static std::function<std::string(TPlanetariumWindow&)> chooser = [](TPlanetariumWindow& w) {
        return QFileDialog::getOpenFileName(&w, QStringLiteral("Convert an asteroids file"), QString(),
                                            QStringLiteral("Format XEphem (*.edb)"))
            .toStdString();
    };
    return chooser;
}

void convertAsteroids(TPlanetariumWindow& w) {
    const std::string source = edbChooser()(w);
    if (source.empty()) return;
    if (!isEdbFileName(source)) {
        w.prompter().message(
            "Can't convert file\nOnly XEphem files whose name ends in \"edb\" are converted.", kInformation);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string target = userFilePath("comet.syt");
    EdbConversion result;
    std::string error;
    const int status = convertEdb(source, target, &result, &error);
    int loaded = -1;
    if (status == 0 && w.sys) loaded = w.sys->reloadComets(target, w.prompter(), w.iniPath());
    QApplication::restoreOverrideCursor();
    if (status != 0) {
        w.prompter().message("Can't convert file\n" + error, kInformation);
        return;
    }
    std::string text = "File converted !\n" + std::to_string(result.converted) + " bodies converted, " +
                       std::to_string(result.skipped) + " lines skipped.";
    if (result.skipped > 0) text += "\nFirst skipped, " + result.firstSkipped + ".";
    if (loaded < 0) text += "\nThe new file could not be loaded; it is read at the next start.";
    w.prompter().message(text, kInformation);
    w.orbitsDirty = true;
    w.redraw();
}

void chooseAsteroids(TPlanetariumWindow& w) {
    if (!w.sys) return;
    TDialogAsteroides dialog(asteroidesXfer{w.sys.get(), w.iniPath()}, &w);
    commands::dialogRunner()(dialog);
    settingscommands::tellUnsavedSettings(w, dialog.saveError());
    if (w.options) w.options->showAsteroids = !selectedCometIndices(*w.sys).empty();
    w.orbitsDirty = true;
    w.redraw();
}

} // namespace asteroidcommands
