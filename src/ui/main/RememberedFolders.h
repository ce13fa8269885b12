#pragma once
// The folder each kind of file dialog starts in: the folder of the last file of that kind,
// kept in the settings between runs. Without settings the dialogs start in the user's
// documents folder and nothing is remembered.

#include <QString>

#include "settings/AppSettings.h"

namespace fenra {

class RememberedFolders {
  public:
    explicit RememberedFolders(fenra::AppSettings* settings) : settings_(settings) {}

    QString startFolder(fenra::FileKind kind) const;
    // Remembers the folder of a file just opened or saved.
    void rememberFolderOf(fenra::FileKind kind, const QString& path);

  private:
    fenra::AppSettings* settings_;
};

}  // namespace fenra
