// A curve window's picture and points for other programs: the picture as PNG (at the screen's
// pixel ratio), SVG or PDF (drawn as lines and text, scalable), or onto the clipboard, all
// through the windows' one image export; the points as CSV. The designed curve file (Save
// curve) is written as before, beside them.

#include <QAction>
#include <QFile>
#include <QMenu>

#include "export/CurveExport.h"
#include "ui/curve/CurveWindow.h"
#include "ui/export/ImageExport.h"
#include "ui/export/SaveFileAs.h"
#include "ui/messages/WindowMessages.h"
#include "ui/messages/WindowTexts.h"
#include "ui/platform/Platform.h"

namespace fenra {

namespace {

QAction* NamedCommand(QMenu* menu, const QString& text, const char* name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void CurveWindow::addExportCommands() {
    QAction* image = NamedCommand(fileMenu_, fenra::SaveImageCommandText(), "mnuSaveImage");
    QAction* copy = NamedCommand(fileMenu_, fenra::CopyImageCommandText(), "mnuCopyImage");
    QAction* points = NamedCommand(fileMenu_, fenra::SaveDataCommandText(), "mnuSaveData");
    connect(image, &QAction::triggered, this, &CurveWindow::saveImage);
    connect(copy, &QAction::triggered, this, &CurveWindow::copyImage);
    connect(points, &QAction::triggered, this, &CurveWindow::saveData);
}

QImage CurveWindow::pictureImage() {
    // The plot with its values, titles and labels, as the window shows them.
    return fenra::WidgetImage(*centralWidget());
}

void CurveWindow::saveImage() {
    const QString folder =
        imageFolder_.isEmpty() ? QString::fromStdString(saveFolder_) : imageFolder_;
    if (fenra::SaveWidgetImageAs(platform_, this, *centralWidget(), &imageFile_, folder))
        emit imageSaved(imageFile_);
}

void CurveWindow::copyImage() {
    fenra::CopyWidgetImage(*centralWidget());
}

void CurveWindow::saveData() {
    // As Save curve: the window's own copy must hold a curve.
    if (!holdsCurve()) {
        platform_.showMessage(this, fenra::DefaultMessageTitle(), fenra::NoCalculationMessage());
        return;
    }
    const auto write = [this](const QString& path) {
        fenra::FileError error;
        if (fenra::SaveCurveCsv(kind_, snapshot_, snapshot_.N(),
                                QFile::encodeName(path).toStdString(), &error))
            return QString();
        return fenra::DataNotSavedMessage(fenra::FileErrorMessage(error));
    };
    fenra::SaveFileAs(platform_, this, saveDialog(tr("Save data"), fenra::CsvFilesFilter(), "csv"),
                      &dataFile_, write);
}

}  // namespace fenra
