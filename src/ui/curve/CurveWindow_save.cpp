// Save curve: the window writes its own copy of the curve, in the layout of its kind.

#include <QFile>
#include <QLabel>

#include "files/CurveFile.h"
#include "ui/curve/CurveWindow.h"
#include "ui/export/SaveFileAs.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace fenra {

bool CurveWindow::holdsCurve() const {
    // The window saves what it shows, so it is its own copy that must hold a curve: an energy
    // curve by its energies, the stopping curves by their stopping values.
    const bool energyValues = kind_ == fenra::CurveKind::DepthEnergy;
    return fenra::HasPositivePoint(energyValues ? snapshot_.energy : snapshot_.stop);
}

fenra::FileDialogSettings CurveWindow::saveDialog(const QString& title, const QString& filter,
                                                  const char* suffix) const {
    fenra::FileDialogSettings dialog;
    dialog.title = title;
    dialog.filter = filter;
    dialog.initialFolder = QString::fromStdString(saveFolder_);
    dialog.defaultSuffix = QString::fromLatin1(suffix);
    dialog.confirmOverwrite = true;
    return dialog;
}

void CurveWindow::saveCurve() {
    if (!holdsCurve()) {
        platform_.showMessage(this, fenra::DefaultMessageTitle(), fenra::NoCalculationMessage());
        return;
    }
    const std::string target = labels_.target->text().toStdString();
    const auto write = [this, &target](const QString& path) {
        fenra::FileError error;
        if (fenra::SaveCurve(kind_, snapshot_, target, snapshot_.N(),
                             QFile::encodeName(path).toStdString(), &error))
            return QString();
        return tr("The curve was not saved: %1").arg(fenra::FileErrorMessage(error));
    };
    const std::optional<QString> saved = fenra::SaveFileAs(
        platform_, this, saveDialog(tr("Save curve"), tr("*.Fcv (*.Fcv);;All files (*.*)"), "Fcv"),
        &saveFile_, write);
    if (saved) emit curveSaved(*saved);
}

}  // namespace fenra
