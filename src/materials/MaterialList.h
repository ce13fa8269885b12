#pragma once
// The list of common materials that can be named instead of a formula ("water", "mylar",
// "kapton", ...), read from materials.csv (Name,Formula,Density,Source; see data/MATERIALS.md),
// and the resolution of any material text: element symbol, name or formula.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "elements/ElementDatabase.h"
#include "materials/Material.h"

namespace fenra {

constexpr const char* kMaterialListFileName = "materials.csv";

// The largest material list read, in bytes: 200,000 entries of common length take about 8 MB.
constexpr long long kMaxMaterialListBytes = 32LL * 1024 * 1024;

struct NamedMaterial {
    std::string name;     // as listed (lower case)
    std::string formula;  // as listed
    double density = 0;   // g/cm3
    std::string source;   // short name of the source (data/MATERIALS.md)
};

class MaterialList {
  public:
    MaterialList() = default;

    // Reads the CSV file; every formula is checked against db. Throws PhysicsError
    // (UnreadableFile) naming the file and line of a wrong record, or a file that cannot be
    // read, is no regular file or is larger than kMaxMaterialListBytes.
    static MaterialList Load(const std::string& path, const ElementDatabase& db);

    // The list beside the element database: materials.csv in the database's folder.
    static MaterialList LoadBeside(const ElementDatabase& db);

    // The entry named `name` without regard to case; nullptr when there is none.
    const NamedMaterial* Find(std::string_view name) const;

    const std::vector<NamedMaterial>& Entries() const { return entries_; }

  private:
    std::vector<NamedMaterial> entries_;
    std::unordered_map<std::string, std::size_t> byName_;  // lower-case name -> entry
};

// What a material text means, tried in this order:
//   1. an element symbol exactly as in the element table ("Si"): density from its atomic
//      density and natural mass;
//   2. a name of the list without regard to case ("Water", "SIC"): its formula and density;
//   3. a chemical formula ("H2O"): no density.
// Errors: PhysicsError, BadValue for a malformed formula, UnknownName for an unknown symbol
// in a formula or a text that is neither a formula nor a name.
Material ResolveMaterial(std::string_view text, const ElementDatabase& db,
                         const MaterialList& list);

}  // namespace fenra
