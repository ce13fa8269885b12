// The windowed program: opens the element database beside the executable and shows the main
// window; closing the main window ends the program.

#include <QApplication>

#include "state/WorkingState.h"
#include "ui/main/StartUp.h"
#include "ui/main/frmMain.h"
#include "ui/platform/QtPlatform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(fenra::ProgramTitle());

    fenra::QtPlatform platform;
    const std::optional<fenra::ElementDatabase> db =
        fenra::OpenDatabaseForStartUp(platform, QCoreApplication::applicationDirPath());
    if (!db) return 1;

    fenra::WorkingState state;
    frmMain window(platform, state, *db);
    window.show();
    return QApplication::exec();
}
