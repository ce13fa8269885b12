// The Help menu of the main window.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/main/AboutText.h"
#include "ui/main/MainWindow.h"
#include "ui/platform/Platform.h"

void MainWindow::createHelpMenu() {
    helpMenu = menuBar()->addMenu(QStringLiteral("Help"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    aboutAction = helpMenu->addAction(fenra::AboutTitle());
    aboutAction->setObjectName(QStringLiteral("mnuAbout"));
    // The About box changes nothing: it stays on while a curve walk turns the commands off.
    connect(aboutAction, &QAction::triggered, this, [this] { about(); });
}

void MainWindow::about() {
    platform_.ShowAbout(this, fenra::AboutTitle(), fenra::AboutText());
}
