#include "ui/main/TargetDocument.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "files/TargetFile.h"
#include "settings/AppSettings.h"
#include "ui/export/SaveFileAs.h"
#include "ui/main/RememberedFolders.h"
#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace fenra {

TargetDocument::TargetDocument(fenra::Platform& platform, fenra::WorkingState& state,
                               RememberedFolders& folders, fenra::AppSettings* settings,
                               std::function<bool()> targetEmpty, QWidget* window)
    : QObject(window),
      platform_(platform),
      state_(state),
      folders_(folders),
      settings_(settings),
      targetEmpty_(std::move(targetEmpty)),
      window_(window) {}

void TargetDocument::showMessage(const QString& text) {
    platform_.showMessage(window_, fenra::ProgramTitle(), text);
}

bool TargetDocument::changed() const {
    return fenra::TargetFileText(state_) != unchangedText_;
}

void TargetDocument::markUnchanged(const QString& path) {
    path_ = path;
    unchangedText_ = fenra::TargetFileText(state_);
    if (!path.isEmpty()) {
        folders_.rememberFolderOf(fenra::FileKind::Target, path);
        if (settings_ != nullptr) {
            settings_->AddRecentTarget(path);
            saveSettings();
        }
    }
    emit fileChanged();
}

void TargetDocument::saveSettings() {
    if (!settings_->Save())
        emit settingsNotSaved(fenra::TranslatedSentence(settings_->ProblemSentence()));
}

bool TargetDocument::maybeSave() {
    if (!changed()) return true;
    switch (platform_.askSaveChanges(window_, fenra::ProgramTitle(), tr("Save changes?"))) {
        case fenra::SaveChangesAnswer::Save:
            return save();
        case fenra::SaveChangesAnswer::Discard:
            return true;
        case fenra::SaveChangesAnswer::Cancel:
            break;
    }
    return false;
}

QString TargetDocument::targetFilter() {
    return tr("*.fta (*.fta);;All files (*.*)");
}

bool TargetDocument::save() {
    if (targetEmpty_()) {
        showMessage(fenra::TargetEmptyMessage());
        return false;
    }
    fenra::FileDialogSettings dialog;
    dialog.title = tr("Save target");
    dialog.filter = targetFilter();
    dialog.initialFolder = folders_.startFolder(fenra::FileKind::Target);
    dialog.defaultSuffix = QStringLiteral("fta");
    dialog.confirmOverwrite = true;
    QString offered = path_;  // the open file is offered again
    const auto write = [this](const QString& path) {
        fenra::FileError error;
        if (fenra::SaveTarget(state_, path.toStdString(), &error)) return QString();
        return fenra::FileNotWrittenMessage(path, error);
    };
    const std::optional<QString> saved =
        fenra::SaveFileAs(platform_, window_, dialog, &offered, write);
    if (!saved) return false;
    markUnchanged(*saved);
    return true;
}

void TargetDocument::open() {
    if (!maybeSave()) return;
    fenra::FileDialogSettings dialog;
    dialog.title = tr("Open target");
    dialog.filter = targetFilter();
    dialog.initialFolder = folders_.startFolder(fenra::FileKind::Target);
    const std::optional<QString> path = platform_.openFileName(window_, dialog);
    if (path) read(*path);
}

void TargetDocument::openFile(const QString& path) {
    if (!maybeSave()) return;
    read(path);
}

void TargetDocument::openRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        if (settings_ != nullptr) {
            settings_->RemoveRecentTarget(path);
            saveSettings();
        }
        showMessage(
            tr("The target file \"%1\" no longer exists; it was removed from the recent targets.")
                .arg(path));
        return;
    }
    openFile(path);
}

void TargetDocument::read(const QString& path) {
    const fenra::OpenTargetResult r = fenra::OpenTarget(state_, path.toStdString());
    // In these cases the data sets are as they were; the user is told why nothing changed.
    if (r.status == fenra::OpenTargetStatus::CannotOpen) {
        QString text = tr("The file could not be read: %1").arg(path);
        if (r.error.Failed()) text += QStringLiteral("\n") + fenra::FileErrorMessage(r.error);
        showMessage(text);
        return;
    }
    if (r.status == fenra::OpenTargetStatus::NotText) {
        showMessage(fenra::FileErrorMessage(r.error));
        return;
    }
    if (r.status == fenra::OpenTargetStatus::NoDataLine) {
        showMessage(fenra::NoDataLineMessage());
        return;
    }
    if (r.status == fenra::OpenTargetStatus::InvalidElement)
        showMessage(fenra::InvalidElementMessage(r));
    // Also after a refused symbol the window shows the data set that is now current (the one
    // being read when reading stopped), so the next edit goes where the user sees it.
    emit dataSetsReplaced();
    markUnchanged(path);  // the data sets as read are the file's
    for (const fenra::TargetNotice& notice : r.notices)
        showMessage(fenra::TargetNoticeMessage(notice));
}

void TargetDocument::fillRecentMenu(QMenu* menu) {
    menu->clear();
    const QStringList recent = settings_ ? settings_->RecentTargets() : QStringList();
    for (int k = 0; k < recent.size(); ++k) {
        const QString path = recent[k];
        // "&1 demo.fta": the digit chooses it from the keyboard, the tip shows where it is.
        QAction* item =
            menu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(QFileInfo(path).fileName()),
                            this, [this, path] { openRecent(path); });
        item->setToolTip(path);
        item->setObjectName(QStringLiteral("mnuRecent%1").arg(k + 1));
    }
    if (recent.isEmpty()) menu->addAction(tr("(none)"))->setEnabled(false);
}

}  // namespace fenra
