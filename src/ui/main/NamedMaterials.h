#pragma once
// The list of named materials (mylar, water, ...) that the materials field and the range
// windows read, loaded beside the element database the first time it is needed. Formulas and
// symbols need no list: when it cannot be read only the names are unknown, and the windows say
// why.

#include <QString>
#include <optional>

#include "elements/ElementDatabase.h"
#include "materials/MaterialList.h"

namespace fenra {

class NamedMaterials {
  public:
    explicit NamedMaterials(const fenra::ElementDatabase& db) : db_(db) {}

    // The list; empty when it cannot be read.
    const fenra::MaterialList& list();
    // Why the list could not be read; empty when it was (or has not been tried).
    const QString& failure() const { return failure_; }
    // The failure the first time it is asked for, then empty: the range windows name it once.
    QString failureToTellOnce();

  private:
    const fenra::ElementDatabase& db_;
    std::optional<fenra::MaterialList> list_;
    QString failure_;
    bool failureTold_ = false;
};

}  // namespace fenra
