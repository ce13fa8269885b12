// Save curve: the window writes its own copy of the curve, in the layout of its kind.

#include <QFile>
#include <QLabel>

#include "files/CurveFile.h"
#include "ui/curve/CurveWindow.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace {

const char* const kDefaultSuffix = "Fcv";

}  // namespace

void CurveWindow::saveCurve() {
    // The window saves what it shows, so it is its own copy that must hold a curve: an energy
    // curve by its energies, the stopping curves by their stopping values.
    const bool energyValues = kind_ == fenra::CurveKind::DepthEnergy;
    if (!fenra::HasPositivePoint(energyValues ? snapshot_.energy : snapshot_.stop)) {
        platform_.ShowMessage(this, fenra::DefaultMessageTitle(), fenra::NoCalculationMessage());
        return;
    }

    fenra::FileDialogSettings dialog;
    dialog.title = tr("Save curve");
    dialog.filter = tr("*.Fcv (*.Fcv);;All files (*.*)");
    dialog.initialFolder = QString::fromStdString(saveFolder_);
    dialog.initialFile = saveFile_;
    dialog.defaultSuffix = kDefaultSuffix;
    dialog.confirmOverwrite = true;
    const std::optional<QString> chosen = platform_.SaveFileName(this, dialog);
    if (!chosen || chosen->isEmpty()) return;  // cancelled
    saveFile_ = *chosen;

    fenra::FileError error;
    if (!fenra::SaveCurve(kind_, snapshot_, labels_.target->text().toStdString(), snapshot_.N(),
                          QFile::encodeName(*chosen).toStdString(), &error)) {
        // The user asked for a file and must not believe it was written.
        platform_.ShowMessage(
            this, fenra::ProgramTitle(),
            tr("The curve was not saved: %1").arg(fenra::FileErrorMessage(error)));
        return;
    }
    emit curveSaved(*chosen);
}
