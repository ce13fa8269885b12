// The Help menu of the main window.

#include "ui/main/AboutText.h"
#include "ui/main/MainWindow.h"
#include "ui/platform/Platform.h"

void MainWindow::about() {
    platform_.ShowAbout(this, fenra::AboutTitle(), fenra::AboutText());
}
