#pragma once
// The element database and material list the build generates, opened once for all tests.

#include "elements/ElementDatabase.h"
#include "materials/MaterialList.h"
#include "range/IonTarget.h"

namespace fenra::test {

inline const ElementDatabase& Db() {
    static const ElementDatabase db = ElementDatabase::OpenFile(FENRA_TEST_DATABASE);
    return db;
}

inline const MaterialList& Materials() {
    static const MaterialList list = MaterialList::LoadBeside(Db());
    return list;
}

inline Target MakeIonTarget(const char* ion, const char* material, double mass = 0) {
    return MakeTarget(Db(), ResolveIon(Db(), ion, mass),
                      ResolveMaterial(material, Db(), Materials()));
}

}  // namespace fenra::test
