// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/web_links.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QUrl>

#include "app/dialogs/settings_commands.h"
#include "app/window.h"
#include "catalog/paths.h"
#include "catalog/profile.h"
#include "catalog/prompter.h"
#include "catalog/settings.h"

namespace weblinks {

namespace {
constexpr char kNoBrowser[] = "Aucun";

std::string localPage(const char* name) {
    const std::string path = findDataFile(std::string("help/") + name + ".htm");
    return path.empty() ? std::string()
                        : QUrl::fromLocalFile(QString::fromStdString(path)).toString().toStdString();
}
} // namespace

std::string linkAddress(int kind, const std::string& iniPath) {
    if (kind == kHomePage) {
        const std::string home = profileReadString(resolveIniPath(iniPath), inikeys::kInternet, kHomePageKey, "", 299);
        if (!home.empty()) return home;
    }
    return localPage(kind == kLinksPage ? "Links" : "Index");
}

std::function<bool(const std::string&)>& desktopOpener() {
    static std::function<bool(const std::string&)> open = [](const std::string& address) {
        return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
    };
    return open;
}

std::function<bool(const std::string&, const std::string&)>& programStarter() {
    static std::function<bool(const std::string&, const std::string&)> start =
        [](const std::string& program, const std::string& address) {
            return QProcess::startDetached(QString::fromStdString(program),
                                           {QString::fromStdString(address)});
        };
    return start;
}

std::function<std::string(TPlanetariumWindow&)>& browserChooser() {
    static std::function<std::string(TPlanetariumWindow&)> choose = [](TPlanetariumWindow& w) {
        return QFileDialog::getOpenFileName(&w, QStringLiteral("Choose your navigator"),
                                            QStringLiteral("/usr/bin"), QStringLiteral("All programs (*)"))
            .toStdString();
    };
    return choose;
}

int openLink(TPlanetariumWindow& w, int kind) {
    const std::string address = linkAddress(kind, w.iniPath());
    if (address.empty()) {
        w.prompter().message(std::string("Can't find the help page help/") +
                                 (kind == kLinksPage ? "Links" : "Index") + ".htm in the data folders",
                             kErrorCaption);
        return 0;
    }
    std::string browser = readBrowser(w.iniPath());
    if (browser == kNoBrowser) {
        if (desktopOpener()(address)) return 1;
        // No default browser: the user chooses one, kept for the next time.
        browser = browserChooser()(w);
        if (browser.empty()) return 0;
        std::string error;
        if (!writeBrowser(w.iniPath(), browser, &error)) settingscommands::tellUnsavedSettings(w, error);
    }
    if (programStarter()(browser, address)) return 1;
    w.prompter().message("Can't open navigator", kErrorCaption);
    return 0;
}

} // namespace weblinks
