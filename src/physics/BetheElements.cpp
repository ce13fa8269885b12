#include "physics/BetheElements.h"

namespace fenra {

namespace {

const BetheElement kElements[kBetheElementCount] = {
#include "BetheElementTable.inc"
};

}  // namespace

const BetheElement* FindBetheElement(int Z) {
    if (Z < 1 || Z > kBetheElementCount) return nullptr;
    return &kElements[Z - 1];
}

}  // namespace fenra
