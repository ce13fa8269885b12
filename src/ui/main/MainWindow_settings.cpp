// What the window keeps between commands and between runs: the status bar's texts, the open
// target file and whether it changed ("Save changes?"), the recent targets, and the settings.

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "files/TargetFile.h"
#include "state/Version.h"
#include "ui/main/MainWindow.h"
#include "ui/platform/Platform.h"

namespace {

const QString kWindowName = QStringLiteral("MainWindow");

QLabel* StatusLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

void MainWindow::createStatusBar() {
    // Permanent texts on the right; the passing messages (a number read otherwise than typed,
    // a unit refused) keep the left part.
    status_.file = StatusLabel("StatusFile", this);
    status_.dataSet = StatusLabel("StatusDataSet", this);
    status_.unit = StatusLabel("StatusUnit", this);
    for (QLabel* label : {status_.file, status_.dataSet, status_.unit})
        statusBar()->addPermanentWidget(label);
}

void MainWindow::showStatusTexts() {
    const QString title =
        fenra::ProgramTitle() + QStringLiteral(" v") + QString::fromLatin1(fenra::kVersionText);
    const QString file = QFileInfo(targetPath_).fileName();
    setWindowTitle(file.isEmpty() ? title : title + QStringLiteral(" - ") + file);
    status_.file->setText(file.isEmpty() ? tr("No target file") : file);
    status_.file->setToolTip(targetPath_);
    status_.dataSet->setText(
        tr("Data set %1 of %2").arg(state_.CurrentDataSet).arg(state_.DataSetCount));
    const int unit = fields_.unitCombo->currentIndex();
    status_.unit->setText(unit < 0 ? QString()
                                   : tr("Unit: %1").arg(fields_.unitCombo->currentText()));
}

bool MainWindow::targetChanged() const {
    return fenra::TargetFileText(state_) != unchangedTargetText_;
}

// The target as the window now holds it is the unchanged one: just opened, saved, reset or
// started. path: the file it came from or went to; empty for none.
void MainWindow::targetFileIs(const QString& path) {
    targetPath_ = path;
    unchangedTargetText_ = fenra::TargetFileText(state_);
    if (!path.isEmpty()) {
        rememberFolderOf(fenra::FileKind::Target, path);
        if (settings_ != nullptr) {
            settings_->AddRecentTarget(path);
            settings_->Save();
        }
    }
    showStatusTexts();
}

bool MainWindow::maybeSaveTarget() {
    if (!targetChanged()) return true;
    switch (platform_.AskSaveChanges(this, fenra::ProgramTitle(), tr("Save changes?"))) {
        case fenra::SaveChangesAnswer::Save:
            return saveTargetFile();
        case fenra::SaveChangesAnswer::Discard:
            return true;
        case fenra::SaveChangesAnswer::Cancel:
            break;
    }
    return false;
}

void MainWindow::fillRecentTargets() {
    QMenu* menu = menus_.recentTargets;
    menu->clear();
    const QStringList recent = settings_ ? settings_->RecentTargets() : QStringList();
    for (int k = 0; k < recent.size(); ++k) {
        const QString path = recent[k];
        // "&1 demo.fta": the digit chooses it from the keyboard, the tip shows where it is.
        QAction* item =
            menu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName()),
                            this, [this, path] { openRecentTarget(path); });
        item->setToolTip(path);
        item->setObjectName(QStringLiteral("mnuRecent%1").arg(k + 1));
    }
    if (recent.isEmpty()) menu->addAction(tr("(none)"))->setEnabled(false);
}

void MainWindow::openRecentTarget(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        if (settings_ != nullptr) {
            settings_->RemoveRecentTarget(path);
            settings_->Save();
        }
        showMessage(
            tr("The target file \"%1\" no longer exists; it was removed from the recent targets.")
                .arg(path));
        return;
    }
    if (!maybeSaveTarget()) return;
    openTargetFile(path);
}

QString MainWindow::startFolder(fenra::FileKind kind) const {
    return settings_ != nullptr ? settings_->StartFolder(kind) : fenra::DefaultFolder();
}

void MainWindow::rememberFolderOf(fenra::FileKind kind, const QString& path) {
    if (settings_ == nullptr) return;
    settings_->RememberFolderOf(kind, path);
    settings_->Save();
}

void MainWindow::restoreSettings() {
    if (settings_ != nullptr) {
        const QByteArray geometry = settings_->Geometry(kWindowName);
        if (!geometry.isEmpty()) restoreGeometry(geometry);  // a foreign blob changes nothing
        if (const std::optional<int> unit = settings_->Unit(fields_.unitCombo->count()))
            fields_.unitCombo->setCurrentIndex(*unit);
        const QString ion = settings_->LastIon();
        const int position = ion.isEmpty() ? -1 : listPositionOf(ion.toStdString());
        if (position >= 0) selectIonEntry(position);
        if (!settings_->Problem().isEmpty()) statusBar()->showMessage(settings_->Problem());
    }
    targetFileIs(QString());  // the start is the unchanged state
}

void MainWindow::storeSettings() {
    if (settings_ == nullptr) return;
    settings_->SetGeometry(kWindowName, saveGeometry());
    settings_->SetUnit(fields_.unitCombo->currentIndex());
    settings_->SetLastIon(fields_.ionCombo->currentText());
    settings_->Save();
}
