// The windowed program: finds the element database (elements/DatabaseSearch.h) and shows the
// main window; closing the main window ends the program.

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <cstring>
#include <exception>
#include <iostream>

#include "settings/AppSettings.h"
#include "state/Version.h"
#include "state/WorkingState.h"
#include "ui/main/MainWindow.h"
#include "ui/main/StartUp.h"
#include "ui/platform/QtPlatform.h"

namespace {

constexpr const char* kUsage =
    "usage: fenra32 [--version] [--help] [Qt options] [TARGET.fta]\n"
    "\n"
    "Calculates the electronic stopping power of ions in matter, in a window, and opens\n"
    "the target file TARGET.fta when one is given.\n"
    "The element database is the file FENRA32_DB names, or else Fenra32.mdb beside this\n"
    "program, then in ../share/fenra32/ relative to it. fenra32-calc calculates without a\n"
    "window.\n";

// --version and --help answer on the standard output before any window (or display) is needed.
// Every other argument is left to Qt, which takes its own options (-platform, -style, ...).
bool AnswerWithoutWindow(int argc, char* argv[], int* status) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--version") == 0) {
            std::cout << fenra::VersionBanner("fenra32");
        } else if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
            std::cout << kUsage;
        } else {
            continue;
        }
        *status = 0;
        return true;
    }
    return false;
}

// The icon installed with the program: from the desktop's icon theme, or else the PNG in
// ../share/icons relative to the program (an install under any prefix). None in the build
// folder.
QIcon ProgramIcon() {
    const QString id = QString::fromLatin1(fenra::kDesktopId);
    const QIcon themed = QIcon::fromTheme(id);
    if (!themed.isNull()) return themed;
    return QIcon(QCoreApplication::applicationDirPath() +
                 QStringLiteral("/../share/icons/hicolor/128x128/apps/") + id +
                 QStringLiteral(".png"));
}

// The target file named on the command line, after Qt has taken its own options: the first
// argument that is not an option, or the first after "--". Any further one is named on stderr.
QString TargetFileArgument(const QStringList& arguments) {
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& a = arguments[k];
        if (!optionsEnded && a == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (optionsEnded || !a.startsWith(QLatin1Char('-'))) {
            files.append(a);
        }
    }
    for (qsizetype k = 1; k < files.size(); ++k)
        std::cerr << "fenra32: one target file is opened; \"" << files[k].toStdString()
                  << "\" is left alone.\n";
    return files.value(0);
}

// Exit status of a run stopped by an unexpected fault (out of memory, ...).
constexpr int kInternalError = 2;

int RunProgram(int argc, char* argv[]) {
    int status = 0;
    if (AnswerWithoutWindow(argc, argv, &status)) return status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(fenra::ProgramTitle());
    QApplication::setApplicationVersion(QString::fromLatin1(fenra::kReleaseVersion));
    // Ties the window to its desktop entry, whose icon the desktop then shows for it.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(fenra::kDesktopId));
    QApplication::setWindowIcon(ProgramIcon());

    fenra::QtPlatform platform;
    const std::optional<fenra::ElementDatabase> db = fenra::OpenDatabaseForStartUp(
        platform,
        fenra::ProcessDatabaseSearch("", QCoreApplication::applicationDirPath().toStdString()));
    if (!db) return 1;

    // The user's settings; a damaged file is set aside and the window says so in its status bar.
    fenra::AppSettings settings;
    fenra::WorkingState state;
    fenra::MainWindow window(platform, state, *db, &settings);
    window.show();
    // The file is opened once the window is on the screen, so that a message about it has
    // the window behind it; by its absolute path, which the recent targets keep.
    const QString target = TargetFileArgument(QCoreApplication::arguments());
    if (!target.isEmpty())
        QMetaObject::invokeMethod(
            &window,
            [&window, target] { window.openTargetFile(QFileInfo(target).absoluteFilePath()); },
            Qt::QueuedConnection);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    // Whatever escaped every check ends the program with a message, never with an abort.
    try {
        return RunProgram(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "fenra32: internal error: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "fenra32: internal error\n";
    }
    return kInternalError;
}
