#include "materials/MaterialList.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "materials/PhysicsError.h"
#include "messages/PathKindMessages.h"
#include "physics/StopUnits.h"
#include "state/RegularFile.h"

namespace fenra {

namespace {

constexpr const char* kHeader = "Name,Formula,Density,Source";
constexpr double kAtomDensityUnit = 1e22;  // AtomDensity is in 1E22 atoms/cm3

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

[[noreturn]] void Unreadable(Message reason) {
    throw PhysicsError(ErrorKind::UnreadableFile, std::move(reason));
}

[[noreturn]] void Unreadable(PhysicsText id, std::vector<Message> args) {
    Unreadable(Sentence(id, std::move(args)));
}

// The whole file, read only when it is a regular file of at most kMaxMaterialListBytes.
std::string ReadListFile(const std::string& path) {
    const RegularFile f = OpenRegularFile(path);
    if (f.NotRegular())
        Unreadable(PhysicsText::ListNotRegular, {Value(path), PathKindName(f.kind)});
    if (!f.Opened())
        Unreadable(PhysicsText::ListUnreadable, {Value(path), Value(std::strerror(f.err))});
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(f.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int err = errno;
            ::close(f.fd);
            Unreadable(PhysicsText::ListUnreadable, {Value(path), Value(std::strerror(err))});
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (static_cast<long long>(bytes.size()) > kMaxMaterialListBytes) {
            ::close(f.fd);
            Unreadable(PhysicsText::ListTooLarge,
                       {Value(path), Value(std::to_string(kMaxMaterialListBytes / (1024 * 1024)))});
        }
    }
    ::close(f.fd);
    return bytes;
}

std::vector<std::string> SplitCsv(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        cells.push_back(line.substr(start, comma - start));
    // As getline did: a last empty cell after a final comma is no cell.
    if (start < line.size()) cells.push_back(line.substr(start));
    return cells;
}

// A decimal number in C notation whatever the process locale is (from_chars does not look at
// it), blanks before it and a '+' allowed, nothing after it.
bool ReadNumber(const std::string& text, double* v) {
    std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string::npos) return false;
    if (text[start] == '+') ++start;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data() + start, end, *v);
    return ec == std::errc() && ptr == end;
}

NamedMaterial ReadRecord(const std::string& line, const Message& where, const ElementDatabase& db) {
    const std::vector<std::string> cells = SplitCsv(line);
    if (cells.size() != 4 || cells[0].empty() || cells[3].empty())
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::ListNotRecord, {where});
    NamedMaterial m{cells[0], cells[1], 0, cells[3]};
    if (!ReadNumber(cells[2], &m.density) || !(m.density > 0) || !std::isfinite(m.density))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::ListDensityNotNumber,
                           {where, Value(cells[2])});
    CheckDensity(m.density, Sentence(PhysicsText::ListDensity, {where, Value(cells[2])}));
    try {
        ParseFormula(m.formula, db);
    } catch (const PhysicsError& e) {
        throw PhysicsError(ErrorKind::BadValue, Prefixed(where, e.Reason()));
    }
    if (db.FindElementBySymbol(m.name))
        throw PhysicsError(ErrorKind::BadValue, PhysicsText::ListNameIsSymbol,
                           {where, Value(m.name)});
    return m;
}

}  // namespace

MaterialList MaterialList::Load(const std::string& path, const ElementDatabase& db) {
    std::istringstream in(ReadListFile(path));
    MaterialList list;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const Message where =
            Sentence(PhysicsText::ListLine, {Value(path), Value(std::to_string(number))});
        if (number == 1) {
            if (line != kHeader) Unreadable(PhysicsText::ListBadHeader, {where, Value(kHeader)});
            continue;
        }
        if (line.empty()) continue;
        NamedMaterial m;
        try {
            m = ReadRecord(line, where, db);
        } catch (const PhysicsError& e) {
            Unreadable(e.Reason());
        }
        if (!list.byName_.emplace(LowerCase(m.name), list.entries_.size()).second)
            Unreadable(PhysicsText::ListNameTwice, {where, Value(m.name)});
        list.entries_.push_back(std::move(m));
    }
    return list;
}

MaterialList MaterialList::LoadBeside(const ElementDatabase& db) {
    const std::filesystem::path dir = std::filesystem::path(db.Path()).parent_path();
    return Load((dir / kMaterialListFileName).string(), db);
}

const NamedMaterial* MaterialList::Find(std::string_view name) const {
    const auto it = byName_.find(LowerCase(name));
    return it == byName_.end() ? nullptr : &entries_[it->second];
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
        throw PhysicsError(ErrorKind::UnknownName, PhysicsText::MaterialUnknown,
                           {Value(TextForMessage(text))});
    return ParseFormula(text, db);
}

}  // namespace fenra
