// SPDX-License-Identifier: GPL-3.0-or-later
// TPlanetariumApp: the application object, and MainFrame, the frame with the caption "Nalvo"
// around the main window, created and set up in the start-up order.
#pragma once

#include "app/message_prompter.h"

#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <memory>
#include <string>

class TPlanetariumWindow;

class MainFrame {
public:
    explicit MainFrame(Prompter* prompter = nullptr);
    ~MainFrame();

    // Creates the frame and the main window and sets the window up; false when the model could not
    // be loaded (the message has been shown). `iniPath` and `sysPath` "" use the usual places.
    bool create(const std::string& iniPath = "", const std::string& sysPath = "");
    // Shows the frame; the first size change draws the first picture.
    void show();

    QMainWindow* frame() const { return frame_.get(); }
    TPlanetariumWindow* window() const { return window_; }

private:
    MessageBoxPrompter boxes_;
    Prompter* prompter_;
    std::unique_ptr<QMainWindow> frame_;
    TPlanetariumWindow* window_ = nullptr; // owned by the frame
};

class TPlanetariumApp : public QApplication {
public:
    TPlanetariumApp(int& argc, char** argv);
    ~TPlanetariumApp() override;

    bool createMainWindow() { return main_.create(); }
    MainFrame& mainFrame() { return main_; }

private:
    MainFrame main_;
};

// The program's icon (the frame's and the application's), at the usual sizes.
QIcon programIcon();

// The whole program: log, application, window, message loop. Returns the exit status.
int runNalvo(int argc, char** argv);
