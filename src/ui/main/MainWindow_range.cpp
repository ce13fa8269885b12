// The range-and-layers command: a window of its own on the current data set's ion, mass,
// energy and target. It works on copies: nothing typed there changes the data set.

#include "materials/PhysicsError.h"
#include "ui/main/MainWindow.h"
#include "ui/range/RangeWindow.h"

const fenra::MaterialList& MainWindow::materials() {
    if (!materials_) {
        try {
            materials_ = fenra::MaterialList::LoadBeside(db_);
        } catch (const fenra::PhysicsError& e) {
            // Without the list the window still knows every element and formula; the user
            // learns once why the names are missing.
            materials_ = fenra::MaterialList();
            showMessage(tr("The list of named materials could not be read: %1\nElement symbols "
                           "and formulas can still be used.")
                            .arg(QString::fromStdString(e.what())));
        }
    }
    return *materials_;
}

void MainWindow::openRangeWindow() {
    auto* window = new fenra::RangeWindow(platform_, state_.Current(), db_, materials());
    // A window of its own (no parent), closed with this one; it goes when the user closes it.
    window->setAttribute(Qt::WA_DeleteOnClose);
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
