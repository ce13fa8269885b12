#pragma once
// The element database and the named-material list of the build folder, opened once per
// benchmark program.

#include "elements/ElementDatabase.h"
#include "materials/MaterialList.h"

namespace fenra {

inline const ElementDatabase& Database() {
    static const ElementDatabase db = ElementDatabase::OpenFile(FENRA_BIN_DIR "/Fenra32.mdb");
    return db;
}

inline const MaterialList& Materials() {
    static const MaterialList list = MaterialList::LoadBeside(Database());
    return list;
}

}  // namespace fenra
