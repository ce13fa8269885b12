// The Help menu of the main window.

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/main/AboutText.h"
#include "ui/main/frmMain.h"
#include "ui/platform/Platform.h"

void frmMain::BuildHelpMenu() {
    mnuHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout = mnuHelp->addAction(fenra::AboutTitle());
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    // The About box changes nothing: it stays on while a curve walk turns the commands off.
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void frmMain::mnuAbout_Click() {
    platform_.ShowAbout(this, fenra::AboutTitle(), fenra::AboutText());
}
