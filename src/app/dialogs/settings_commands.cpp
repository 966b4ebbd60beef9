// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/settings_commands.h"

#include "app/commands.h"
#include "app/dialogs/catalogue_dialog.h"
#include "app/dialogs/date_dialog.h"
#include "app/dialogs/localisation_dialog.h"
#include "app/dialogs/magnitude_dialogs.h"
#include "app/span_views.h"
#include "app/window.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"

namespace settingscommands {

void tellUnsavedSettings(TPlanetariumWindow& w, const std::string& error) {
    if (error.empty()) return;
    w.prompter().message("The settings could not be saved; they are used until Nalvo is closed.\n" + error,
                         kErrorCaption);
}

bool openDate(TPlanetariumWindow& w) {
    if (w.view >= 30) return spanui::openSpanDate(w);
    TDialogDate dialog(*w.date, &w);
    const bool ok = commands::dialogRunner()(dialog) == QDialog::Accepted;
    if (ok) w.redraw();
    return ok;
}

bool openLocalisation(TPlanetariumWindow& w) {
    localisationXfer xfer{w.date.get(), w.sys.get()};
    TDialogLocalisation dialog(xfer, readCities("", &w.prompter()), w.iniPath(), "", &w.prompter(), &w);
    const bool ok = commands::dialogRunner()(dialog) == QDialog::Accepted;
    tellUnsavedSettings(w, dialog.saveError());
    if (ok) {
        w.applyPlace();
        w.computeGeometry(w.clientWidth(), w.clientHeight());
        w.redraw();
    }
    return ok;
}

void openMagnitude(TPlanetariumWindow& w) {
    const double before = w.options->starMagnitude;
    const bool autoBefore = w.options->autoMagnitude;
    if (w.sys->catalogueSettings && w.sys->catalogueSettings->useGsc) {
        TDialogCatalogueMagnitude dialog(*w.options, w.iniPath(), &w);
        commands::dialogRunner()(dialog);
        tellUnsavedSettings(w, dialog.saveError());
    } else {
        TDialogMagnitude dialog(*w.options, w.iniPath(), &w);
        commands::dialogRunner()(dialog);
        tellUnsavedSettings(w, dialog.saveError());
    }
    if (w.options->starMagnitude != before || (w.options->autoMagnitude && !autoBefore)) w.redraw();
}

void openCatalogue(TPlanetariumWindow& w) {
    if (!w.sys->catalogueSettings) w.sys->catalogueSettings = std::make_unique<CatalogueSettings>();
    TCatalogueDialog dialog(*w.sys->catalogueSettings, w.iniPath(), {}, &w);
    commands::dialogRunner()(dialog);
    tellUnsavedSettings(w, dialog.saveError());
    w.redraw();
}

} // namespace settingscommands
