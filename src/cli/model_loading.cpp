// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/model_loading.h"

#include "catalog/paths.h"
#include "catalog/prompter.h"
#include "catalog/systeme.h"

std::string loadCommandModel(systeme& model, const std::string& dataDir, std::string& sysPath) {
    if (!dataDir.empty()) {
        model.lookupDirs = {dataDir};
        sysPath = joinPath(dataDir, "Sys.syt");
    } else {
        sysPath = findDataFile("Sys.syt");
        if (sysPath.empty()) sysPath = "Sys.syt";
    }
    RecordingPrompter prompter;
    if (model.load(sysPath, prompter) >= 0 && model.sun()) return "";
    std::string reason = model.lastError;
    if (reason.empty() && !prompter.entries.empty()) reason = prompter.entries.front().text;
    if (reason.empty()) reason = "cannot load " + sysPath;
    return reason;
}
