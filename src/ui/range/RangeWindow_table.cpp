// The range window's energy table: opened on the window's ion, mass, model and material, it
// follows the window's ion, mass, model and digits from then on; its material is its own.

#include "state/NumberText.h"
#include "ui/range/RangeTableView.h"
#include "ui/range/RangeWindow.h"

namespace fenra {

RangeTableView* RangeWindow::openTable() {
    if (calculationTimer_.isActive()) calculateNow();
    if (tableView_ == nullptr) {
        tableView_ = new RangeTableView(platform_, db_, list_, this, cache_);
        tableView_->setDataFolder(dataFolder_);
        tableView_->setEnergyUnit(energyUnit());
        const StackInput& in = shownInput_;
        const bool own = in.material.empty() && !in.layers.empty();
        const double density = own ? in.layers.front().density : in.density;
        tableView_->setMaterial(
            QString::fromStdString(own ? in.layers.front().material : in.material),
            density > 0 ? QString::fromStdString(GeneralText(density)) : QString());
        const auto follow = [this]() {
            tableView_->setIon(QString::fromStdString(shownInput_.ion), shownInput_.ionMass,
                               shownInput_.model);
            tableView_->setDigits(digits_);
        };
        follow();
        connect(this, &RangeWindow::calculationShown, tableView_, follow);
        tableView_->calculateNow();
    }
    tableView_->show();
    tableView_->raise();
    tableView_->activateWindow();
    return tableView_;
}

}  // namespace fenra
