#pragma once
// The element database and the named-material list the core tests read, each opened once per
// test program.

#include "elements/ElementDatabase.h"
#include "materials/MaterialList.h"

namespace fenra {

inline const ElementDatabase& Db() {
    static const ElementDatabase db = ElementDatabase::OpenFile(FENRA_TEST_DATABASE);
    return db;
}

inline const MaterialList& List() {
    static const MaterialList list = MaterialList::LoadBeside(Db());
    return list;
}

}  // namespace fenra
