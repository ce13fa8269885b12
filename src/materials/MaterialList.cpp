#include "materials/MaterialList.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "materials/PhysicsError.h"
#include "physics/StopUnits.h"

namespace fenra {

namespace {

constexpr const char* kHeader = "Name,Formula,Density,Source";
constexpr double kAtomDensityUnit = 1e22;  // AtomDensity is in 1E22 atoms/cm3

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::vector<std::string> SplitCsv(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream ss(line);
    std::string cell;
    while (std::getline(ss, cell, ',')) cells.push_back(cell);
    return cells;
}

// A decimal number in the C locale's notation whatever the process locale is.
bool ReadNumber(const std::string& text, double* v) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> *v;
    return !in.fail() && in.eof();
}

NamedMaterial ReadRecord(const std::string& line, const std::string& where,
                         const ElementDatabase& db) {
    const std::vector<std::string> cells = SplitCsv(line);
    if (cells.size() != 4 || cells[0].empty() || cells[3].empty())
        throw PhysicsError(ErrorKind::BadValue, where + ": not Name,Formula,Density,Source");
    NamedMaterial m{cells[0], cells[1], 0, cells[3]};
    if (!ReadNumber(cells[2], &m.density) || !(m.density > 0) || !std::isfinite(m.density))
        throw PhysicsError(ErrorKind::BadValue,
                           where + ": the density \"" + cells[2] + "\" is not a positive number");
    try {
        ParseFormula(m.formula, db);
    } catch (const PhysicsError& e) {
        throw PhysicsError(ErrorKind::BadValue, where + ": " + e.what());
    }
    if (db.FindElementBySymbol(m.name))
        throw PhysicsError(ErrorKind::BadValue,
                           where + ": the name \"" + m.name + "\" is an element symbol");
    return m;
}

}  // namespace

MaterialList MaterialList::Load(const std::string& path, const ElementDatabase& db) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PhysicsError(ErrorKind::BadValue, "cannot read the material list " + path);
    MaterialList list;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string where = path + ", line " + std::to_string(number);
        if (number == 1) {
            if (line != kHeader)
                throw PhysicsError(ErrorKind::BadValue,
                                   where + ": the header is not " + std::string(kHeader));
            continue;
        }
        if (line.empty()) continue;
        NamedMaterial m = ReadRecord(line, where, db);
        if (list.Find(m.name))
            throw PhysicsError(ErrorKind::BadValue,
                               where + ": the name \"" + m.name + "\" is listed twice");
        list.entries_.push_back(std::move(m));
    }
    return list;
}

MaterialList MaterialList::LoadBeside(const ElementDatabase& db) {
    const std::filesystem::path dir = std::filesystem::path(db.Path()).parent_path();
    return Load((dir / kMaterialListFileName).string(), db);
}

const NamedMaterial* MaterialList::Find(std::string_view name) const {
    for (const NamedMaterial& m : entries_)
        if (EqualNoCase(m.name, name)) return &m;
    return nullptr;
}

Material ResolveMaterial(std::string_view text, const ElementDatabase& db,
                         const MaterialList& list) {
    if (const ElementRecord* e = db.FindElementBySymbol(text)) {
        Material m;
        m.name = std::string(text);
        m.elements.push_back({e->Symbol, 1.0});
        m.density = static_cast<double>(e->AtomDensity) * kAtomDensityUnit * e->NatMass / kAvogadro;
        return m;
    }
    if (const NamedMaterial* named = list.Find(text)) {
        Material m = ParseFormula(named->formula, db);
        m.name = named->name;
        m.density = named->density;
        return m;
    }
    // A lower-case start cannot begin a formula: such a text was meant as a name.
    const bool formulaLike = text.empty() || !std::islower(static_cast<unsigned char>(text[0]));
    if (!formulaLike)
        throw PhysicsError(ErrorKind::UnknownName,
                           "the material \"" + std::string(text) +
                               "\" is neither an element symbol, a formula nor a listed material");
    return ParseFormula(text, db);
}

}  // namespace fenra
