#include "materials/MaterialExcitation.h"

#include <cctype>

namespace fenra {

namespace {

struct NamedExcitation {
    const char* name;
    double meanExcitation;  // eV
};

const NamedExcitation kNamed[] = {
#include "MaterialExcitationTable.inc"
};

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

double NamedMeanExcitation(std::string_view name) {
    for (const NamedExcitation& n : kNamed)
        if (SameName(name, n.name)) return n.meanExcitation;
    return 0;
}

}  // namespace fenra
