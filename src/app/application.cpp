// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/window.h"

#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

static void initProgramIconResource() {
    Q_INIT_RESOURCE(program_icon);
}

QIcon programIcon() {
    initProgramIconResource();
    QSvgRenderer svg(QStringLiteral(":/nalvo/nalvo.svg"));
    QIcon icon;
    if (!svg.isValid()) return icon;
    // Rendered here at the usual sizes, so that no icon-engine plugin is needed.
    for (int side : {16, 24, 32, 48, 64, 128}) {
        QPixmap p(side, side);
        p.fill(Qt::transparent);
        QPainter painter(&p);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(p);
    }
    return icon;
}

MainFrame::MainFrame(Prompter* prompter) : prompter_(prompter ? prompter : &boxes_) {}

MainFrame::~MainFrame() {
    window_ = nullptr;
    frame_.reset();
}

bool MainFrame::create(const std::string& iniPath, const std::string& sysPath) {
    TPlanetariumWindow::writeLog("NalvoInit\n");
    frame_ = std::make_unique<QMainWindow>();
    frame_->setWindowTitle(QStringLiteral("Nalvo"));
    // The frame's icon is drawn by the window's set-up, while the model loads.
    window_ = new TPlanetariumWindow(*prompter_, iniPath, sysPath);
    frame_->setCentralWidget(window_);
    frame_->move(10, 10);
    TPlanetariumWindow::writeLog("NalvoInit...OK\n");
    if (!window_->onSetup(frame_.get())) return false;
    boxes_.setOwner(frame_.get());
    // The client keeps its initial size of 780 x 500; the frame grows around it and the menu bar.
    frame_->adjustSize();
    return true;
}

void MainFrame::show() {
    if (frame_) frame_->show();
}

TPlanetariumApp::TPlanetariumApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Nalvo"));
    setWindowIcon(programIcon());
}

TPlanetariumApp::~TPlanetariumApp() = default;

int runNalvo(int argc, char** argv) {
    TPlanetariumWindow::startLog();
    TPlanetariumApp app(argc, argv);
    if (!app.createMainWindow()) return 1;
    app.mainFrame().show();
    return app.exec();
}
