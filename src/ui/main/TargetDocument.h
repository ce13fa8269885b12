#pragma once
// The target document of the main window: the target file the data sets came from or went to,
// whether they changed since, Open and Save with their dialogs, "Save changes?" before the
// data sets are replaced, and the recent targets.

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "state/WorkingState.h"

class QMenu;
class QWidget;

namespace fenra {

class RememberedFolders;

class AppSettings;
class Platform;

class TargetDocument : public QObject {
    Q_OBJECT

  public:
    // targetEmpty tells whether the shown target has no first ratio (Save target refuses it);
    // window is the parent of the dialogs and messages. With settings the recent targets are
    // kept.
    TargetDocument(fenra::Platform& platform, fenra::WorkingState& state,
                   RememberedFolders& folders, fenra::AppSettings* settings,
                   std::function<bool()> targetEmpty, QWidget* window);

    // The target file last opened or saved; empty for a new target.
    QString path() const { return path_; }
    // Whether the data sets differ from the target file as last opened or saved (or, with
    // none, from the start or the last Reset).
    bool changed() const;

    // The data sets as they are now are the unchanged ones: just opened, saved, reset or
    // started. path: the file they came from or went to; empty for none.
    void markUnchanged(const QString& path);

    // "Save changes?" when the data sets changed; false when the user cancelled, or the save
    // failed, so the caller must not replace them.
    bool maybeSave();

    // Fills the menu of recent targets, most recent first, "&1 name" with the path as its tip.
    void fillRecentMenu(QMenu* menu);

  public slots:
    // Save target: the dialog, then the file; false when not saved (refused, cancelled,
    // failed).
    bool save();
    // Open target: "Save changes?", the dialog, then the file.
    void open();
    // Opens the file at path, as Open target does after its dialog: "Save changes?", then the
    // file, with the same messages when it cannot be read.
    void openFile(const QString& path);
    // A recent target: a file no longer there is taken off the list, with a message.
    void openRecent(const QString& path);

  signals:
    // The data sets were replaced by those of a file.
    void dataSetsReplaced();
    // The file or its changed state is another one.
    void fileChanged();
    // The recent targets could not be written to the settings: where and why.
    void settingsNotSaved(const QString& problem);

  private:
    static QString targetFilter();  // the filter of the open and save dialogs
    void read(const QString& path);
    void showMessage(const QString& text);
    void saveSettings();

    fenra::Platform& platform_;
    fenra::WorkingState& state_;
    RememberedFolders& folders_;
    fenra::AppSettings* settings_;
    std::function<bool()> targetEmpty_;
    QWidget* window_;
    QString path_;
    std::string unchangedText_;  // the target file's text when last opened or saved
};

}  // namespace fenra
