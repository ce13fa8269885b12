#include "ui/main/NamedMaterials.h"

#include <exception>

#include "materials/PhysicsError.h"
#include "ui/messages/WindowMessages.h"

namespace fenra {

const fenra::MaterialList& NamedMaterials::list() {
    if (!list_) {
        try {
            list_ = fenra::MaterialList::LoadBeside(db_);
        } catch (const PhysicsError& e) {
            list_ = fenra::MaterialList();
            failure_ = TranslatedSentence(e.Reason());
        } catch (const std::exception& e) {
            list_ = fenra::MaterialList();
            failure_ = QString::fromStdString(e.what());
        }
    }
    return *list_;
}

QString NamedMaterials::failureToTellOnce() {
    list();
    if (failure_.isEmpty() || failureTold_) return QString();
    failureTold_ = true;
    return failure_;
}

}  // namespace fenra
