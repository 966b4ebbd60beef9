// SPDX-License-Identifier: GPL-3.0-or-later
// Web links: the addresses of the three kinds, the desktop's browser, the chosen browser kept in
// Nalvo.ini, a browser that cannot be started, and the toolbar button opening the help index.
#include "app/commands.h"
#include "app/toolbar.h"
#include "app/toolbar_icons.h"
#include "app/web_links.h"
#include "app/window.h"
#include "catalog/profile.h"
#include "catalog/prompter.h"

#include <QApplication>
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

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(WebLinks, BrowsersAndPages) {
    application();
    ASSERT_EQ(toolbar::registerIcons(), 0);
    const std::string ini = (std::filesystem::temp_directory_path() / "nalvo_web_links.ini").string();
    std::filesystem::remove(ini);
    RecordingPrompter prompter;
    TPlanetariumWindow w(prompter, ini);
    ASSERT_TRUE(w.onSetup(nullptr));
    w.firstTickDone = true;
    commands::markAvailableButtons(w);

    // The shipped help pages, as file addresses.
    const std::string index = weblinks::linkAddress(2, ini), links = weblinks::linkAddress(1, ini);
    ASSERT_EQ(index.rfind("file:///", 0), 0u) << index;
    EXPECT_TRUE(endsWith(index, "/help/Index.htm")) << index;
    EXPECT_TRUE(endsWith(links, "/help/Links.htm")) << links;
    ASSERT_TRUE(std::filesystem::exists(index.substr(7))) << index;
    ASSERT_TRUE(std::filesystem::exists(links.substr(7))) << links;
    EXPECT_EQ(weblinks::linkAddress(-1, ini), index);
    // The home page: the help index until an address is set.
    EXPECT_EQ(weblinks::linkAddress(0, ini), index);
    profileWriteString(ini, "Internet", "Page d'accueil", "https://example.org/nalvo/");
    EXPECT_EQ(weblinks::linkAddress(0, ini), "https://example.org/nalvo/");

    std::vector<std::string> desktop, started;
    bool desktopWorks = true;
    int asked = 0;
    std::string choice;
    bool startWorks = true;
    weblinks::desktopOpener() = [&](const std::string& a) {
        desktop.push_back(a);
        return desktopWorks;
    };
    weblinks::programStarter() = [&](const std::string& p, const std::string& a) {
        started.push_back(p + " " + a);
        return startWorks;
    };
    weblinks::browserChooser() = [&](TPlanetariumWindow&) {
        ++asked;
        return choice;
    };

    // No browser chosen: the desktop's; "Help" and the toolbar button open the same page.
    ASSERT_TRUE(commands::run(w, 101));
    commands::clickButton(w, toolbar::kInternet);
    ASSERT_TRUE(commands::run(w, 18875));
    ASSERT_TRUE(commands::run(w, 18874));
    EXPECT_EQ(desktop, (std::vector<std::string>{index, index, links, "https://example.org/nalvo/"}));
    EXPECT_EQ(asked, 0);
    // No desktop browser: the user is asked; cancelling opens nothing, writes nothing, asks again.
    desktopWorks = false;
    EXPECT_EQ(weblinks::openLink(w, 2), 0);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(profileReadString(ini, "Internet", "Navigateur", "Aucun"), "Aucun");
    EXPECT_TRUE(prompter.entries.empty());
    choice = "/usr/bin/firefox";
    EXPECT_EQ(weblinks::openLink(w, 1), 1);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(profileReadString(ini, "Internet", "Navigateur", "Aucun"), "/usr/bin/firefox");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0], "/usr/bin/firefox " + links);
    // The chosen browser from now on; one that cannot start gives the message and stays stored.
    startWorks = false;
    EXPECT_EQ(weblinks::openLink(w, 2), 0);
    EXPECT_EQ(asked, 2);
    ASSERT_EQ(prompter.entries.size(), 1u);
    EXPECT_EQ(prompter.entries[0].text, "Can't open navigator");
    EXPECT_EQ(prompter.entries[0].caption, "Nalvo -- Error");
    EXPECT_EQ(profileReadString(ini, "Internet", "Navigateur", "Aucun"), "/usr/bin/firefox");
    std::filesystem::remove(ini);
}

} // namespace
