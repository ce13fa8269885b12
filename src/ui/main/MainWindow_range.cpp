// The range-and-layers command: a window of its own on the current data set's ion, mass,
// energy and target. It works on copies: nothing typed there changes the data set.

#include <QEvent>

#include "settings/AppSettings.h"
#include "ui/main/MainWindow.h"
#include "ui/range/RangeWindow.h"

// The range window names the missing list once, the first time it would need it; the
// materials field names it in the message of a refused name instead.
namespace {

const QString kRangeWindowName = QStringLiteral("RangeWindow");

// Keeps where and how large the user last had a range window, for the next one (also in the
// next run): the geometry is taken as the window closes, before it is deleted.
class RangeGeometryKeeper : public QObject {
  public:
    RangeGeometryKeeper(fenra::AppSettings& settings, QObject* parent)
        : QObject(parent), settings_(settings) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            if (auto* window = qobject_cast<QWidget*>(watched)) {
                settings_.SetGeometry(kRangeWindowName, window->saveGeometry());
                settings_.Save();
            }
        }
        return false;
    }

  private:
    fenra::AppSettings& settings_;
};

}  // namespace

const fenra::MaterialList& MainWindow::materialsForRangeWindow() {
    const fenra::MaterialList& list = materialList();
    if (!materialsFailure_.isEmpty() && !materialsFailureShown_) {
        materialsFailureShown_ = true;
        showMessage(tr("The list of named materials could not be read: %1\nElement symbols "
                       "and formulas can still be used.")
                        .arg(materialsFailure_));
    }
    return list;
}

void MainWindow::openRangeWindow() {
    auto* window =
        new fenra::RangeWindow(platform_, state_.Current(), db_, materialsForRangeWindow());
    // A window of its own (no parent), closed with this one; it goes when the user closes it.
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (settings_ != nullptr) {
        const QByteArray geometry = settings_->Geometry(kRangeWindowName);
        if (!geometry.isEmpty()) window->restoreGeometry(geometry);  // a foreign blob: no change
        window->installEventFilter(new RangeGeometryKeeper(*settings_, window));
        window->SetModelName(settings_->RangeModel());
        connect(window, &fenra::RangeWindow::modelChosen, this, [this](const QString& name) {
            settings_->SetRangeModel(name);
            settings_->Save();
        });
    }
    rangeWindows_.removeAll(nullptr);
    rangeWindows_.append(window);
    window->show();
    window->raise();
    window->activateWindow();
}

QList<fenra::RangeWindow*> MainWindow::openRangeWindows() const {
    QList<fenra::RangeWindow*> open;
    for (const QPointer<fenra::RangeWindow>& window : rangeWindows_)
        if (window && window->isVisible()) open.append(window.data());
    return open;
}
