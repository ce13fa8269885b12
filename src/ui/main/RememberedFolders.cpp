#include "ui/main/RememberedFolders.h"

namespace fenra {

QString RememberedFolders::startFolder(fenra::FileKind kind) const {
    return settings_ != nullptr ? settings_->StartFolder(kind) : fenra::DefaultFolder();
}

void RememberedFolders::rememberFolderOf(fenra::FileKind kind, const QString& path) {
    if (settings_ == nullptr) return;
    settings_->RememberFolderOf(kind, path);
    settings_->Save();
}

}  // namespace fenra
