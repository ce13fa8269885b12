#include "elements/ElementDatabase.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "elements/SqliteFile.h"
#include "state/NumberText.h"
#include "state/WorkingState.h"

namespace fenra {

namespace {

const std::string kIonTable = "Ion Data";
const std::string kPCoefTable = "PCoef";
const std::string kHiCoefTable = "HiCoef";

// "Ion Data" addresses the symbol and the default mass by position (their names are free).
constexpr int kSymbolPosition = 2;
constexpr int kDefaultMassPosition = 4;

// The fitted coefficients of the supplied tables (elements 1 to 92) lie between 1e-8 and 3.1e6
// in magnitude (HiCoef3 of the heaviest elements). A coefficient beyond 1e8 fits no stopping
// power of a few hundred eV/(1E15 atoms/cm2): it would change every result without a fault.
constexpr double kMaxCoefficientMagnitude = 1e8;

// Upper bounds of the physical values of "Ion Data", far above every element: masses in amu
// (uranium: 238), atomic densities in 1E22 atoms/cm3 (carbon as diamond: 17.6), Fermi
// velocities in Bohr velocities (below 2) and screening factors (about 1).
constexpr float kMaxMassAmu = 1000, kMaxAtomDensity = 1000, kMaxFermi = 100, kMaxScrnFac = 100;

Message Number(long long n) {
    return Value(std::to_string(n));
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(a[k])) !=
            std::tolower(static_cast<unsigned char>(b[k])))
            return false;
    return true;
}

std::string Identifier(const std::string& name) {
    std::string q = "\"";
    for (char ch : name) q += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return q + "\"";
}

// SELECT of the given columns in stored record order.
std::string SelectInStoredOrder(const std::vector<std::string>& columns, const std::string& table) {
    std::string sql = "SELECT ";
    for (std::size_t k = 0; k < columns.size(); ++k)
        sql += (k ? ", " : "") + Identifier(columns[k]);
    return sql + " FROM " + Identifier(table) + " ORDER BY rowid";
}

}  // namespace

const char* CoefficientTableName(CoefficientTable table) {
    return table == CoefficientTable::HiCoef ? kHiCoefTable.c_str() : kPCoefTable.c_str();
}

// Reads the three tables of an open file into an ElementDatabase and checks what the program
// relies on: every column present and filled, the elements numbered 1, 2, 3, ... in stored
// order, a PCoef record for each of them.
struct ElementDatabaseReader {
    sqlite3* db;
    const std::string& path;
    ElementDatabase& out;

    void RequireTable(const std::string& table) const {
        if (!TableExists(db, path, table))
            FailNotADatabase(path, DatabaseText::TableMissing, {Value(table)});
    }

    // The stored name of a named column; throws when the table has no such column.
    std::string Column(const std::vector<std::string>& names, const std::string& table,
                       const std::string& column) const {
        for (const auto& n : names)
            if (SameName(n, column)) return n;
        FailNotADatabase(path, DatabaseText::NoColumn, {Value(table), Value(column)});
    }

    void ReadIonData() {
        RequireTable(kIonTable);
        const std::vector<std::string> names = ColumnNames(db, path, kIonTable);
        if (static_cast<int>(names.size()) < kDefaultMassPosition)
            FailNotADatabase(path, DatabaseText::TooFewColumns,
                             {Value(kIonTable), Number(static_cast<long long>(names.size()))});
        // Column labels for the messages: the named ones by their names, the positional ones
        // by their stored names.
        const std::vector<std::string> columns = {
            Column(names, kIonTable, "AtomNum"),     names[kSymbolPosition - 1],
            names[kDefaultMassPosition - 1],         Column(names, kIonTable, "MAIW"),
            Column(names, kIonTable, "ScrnFac"),     Column(names, kIonTable, "NatMass"),
            Column(names, kIonTable, "AtomDensity"), Column(names, kIonTable, "Fermi")};
        Statement st = Prepare(db, path, SelectInStoredOrder(columns, kIonTable));
        while (NextRow(db, path, st.get())) {
            const std::size_t position = out.elements_.size() + 1;
            ValuePlace at{&path, &kIonTable, nullptr, RecordAt(static_cast<long long>(position))};
            auto place = [&](int col) {
                at.column = &columns[static_cast<std::size_t>(col)];
                return at;
            };
            ElementRecord e;
            e.AtomNum = ReadInteger(st.get(), 0, place(0));
            if (e.AtomNum != static_cast<int>(position))
                FailNotADatabase(path, DatabaseText::NotInOrder,
                                 {Value(kIonTable), Number(static_cast<long long>(position)),
                                  Number(e.AtomNum)});
            e.Symbol = ReadText(st.get(), 1, place(1));
            e.DefaultMass = ReadText(st.get(), 2, place(2));
            e.MAIW = ReadSingle(st.get(), 3, place(3));
            e.ScrnFac = ReadSingle(st.get(), 4, place(4));
            e.NatMass = ReadSingle(st.get(), 5, place(5));
            e.AtomDensity = ReadSingle(st.get(), 6, place(6));
            e.Fermi = ReadSingle(st.get(), 7, place(7));
            RequirePositive(e, columns);
            AddElement(std::move(e));
        }
        if (out.elements_.empty())
            FailNotADatabase(path, DatabaseText::NoElement, {Value(kIonTable)});
    }

    // Masses, density, Fermi velocity and screening factor are physical quantities above 0:
    // a 0 or a negative value gives wrong stopping powers without any fault to notice.
    void RequirePositive(const ElementRecord& e, const std::vector<std::string>& columns) const {
        struct Bounded {
            int col;
            float v, max;
        };
        const Bounded values[] = {{3, e.MAIW, kMaxMassAmu},
                                  {4, e.ScrnFac, kMaxScrnFac},
                                  {5, e.NatMass, kMaxMassAmu},
                                  {6, e.AtomDensity, kMaxAtomDensity},
                                  {7, e.Fermi, kMaxFermi}};
        for (const Bounded& value : values) {
            if (std::isfinite(value.v) && value.v > 0 && value.v <= value.max) continue;
            const Message place = Sentence(
                DatabaseText::ElementValuePlace,
                {Value(path), Value(kIonTable), Value(columns[static_cast<std::size_t>(value.col)]),
                 Value(e.Symbol), Number(e.AtomNum)});
            if (value.v > value.max)
                FailDatabase(
                    DatabaseText::ValueAbovePlausible,
                    {place, Value(NineDigitText(value.v)), Value(NineDigitText(value.max))});
            FailDatabase(DatabaseText::ValueNotAboveZero, {place, Value(NineDigitText(value.v))});
        }
    }

    void AddElement(ElementRecord e) {
        const auto [it, added] = out.bySymbol_.emplace(e.Symbol, out.elements_.size());
        if (!added)
            // Two records of one symbol: a lookup could not tell which element is meant.
            FailNotADatabase(path, DatabaseText::SymbolTwice,
                             {Value(kIonTable), Value(e.Symbol),
                              Number(static_cast<long long>(it->second) + 1), Number(e.AtomNum)});
        out.elements_.push_back(std::move(e));
    }

    // Reads PCoef1..PCoefN or HiCoef1..HiCoefN of every record whose AtomNum is an element;
    // records of other numbers can never be asked for and are skipped.
    template <std::size_t N>
    void ReadCoefficients(const std::string& table, const std::string& prefix,
                          std::vector<std::array<double, N>>& values, std::vector<bool>& has) {
        RequireTable(table);
        const std::vector<std::string> names = ColumnNames(db, path, table);
        std::vector<std::string> columns = {Column(names, table, "AtomNum")};
        for (std::size_t k = 1; k <= N; ++k)
            columns.push_back(Column(names, table, prefix + std::to_string(k)));
        const std::size_t count = out.elements_.size();
        values.assign(count + 1, std::array<double, N>{});
        has.assign(count + 1, false);
        Statement st = Prepare(db, path, SelectInStoredOrder(columns, table));
        for (int row = 1; NextRow(db, path, st.get()); ++row) {
            ValuePlace at{&path, &table, &columns[0], RecordAt(row)};
            const int z = ReadInteger(st.get(), 0, at);
            at.record = AtomNumOf(z);
            std::array<double, N> v{};
            for (std::size_t k = 0; k < N; ++k) {
                at.column = &columns[k + 1];
                v[k] = ReadDouble(st.get(), static_cast<int>(k) + 1, at);
                if (std::fabs(v[k]) > kMaxCoefficientMagnitude)
                    FailDatabase(DatabaseText::CoefficientImplausible,
                                 {PlaceOf(at), Value(NineDigitText(v[k])),
                                  Value(NineDigitText(kMaxCoefficientMagnitude))});
            }
            if (z < 1 || static_cast<std::size_t>(z) > count) continue;
            if (has[static_cast<std::size_t>(z)])
                FailNotADatabase(path, DatabaseText::TwoRecords, {Value(table), Number(z)});
            values[static_cast<std::size_t>(z)] = v;
            has[static_cast<std::size_t>(z)] = true;
        }
    }

    void RequireProtonCoefficients() const {
        for (const ElementRecord& e : out.elements_)
            if (!out.hasPcoef_[static_cast<std::size_t>(e.AtomNum)])
                FailNotADatabase(path, DatabaseText::NoProtonRecord,
                                 {Value(kPCoefTable), Number(e.AtomNum), Value(e.Symbol)});
    }
};

ElementDatabase ElementDatabase::OpenElementDatabase(const std::string& appPath) {
    return OpenFile(WithTrailingSeparator(appPath) + kDatabaseFileName);
}

ElementDatabase ElementDatabase::OpenFile(const std::string& path) {
    SqliteHandle db = OpenReadOnly(path);
    ElementDatabase result;
    result.path_ = path;
    ElementDatabaseReader reader{db.get(), path, result};
    reader.ReadIonData();
    reader.ReadCoefficients(kPCoefTable, "PCoef", result.pcoef_, result.hasPcoef_);
    reader.ReadCoefficients(kHiCoefTable, "HiCoef", result.hicoef_, result.hasHicoef_);
    reader.RequireProtonCoefficients();
    return result;
}

std::vector<std::string> ElementDatabase::ListElementSymbols() const {
    std::vector<std::string> symbols;
    symbols.reserve(elements_.size());
    for (const ElementRecord& e : elements_) symbols.push_back(e.Symbol);
    return symbols;
}

const ElementRecord* ElementDatabase::FindElementBySymbol(std::string_view symbol) const {
    const auto it = bySymbol_.find(std::string(symbol));
    return it == bySymbol_.end() ? nullptr : &elements_[it->second];
}

std::optional<CoefficientRow> ElementDatabase::FindCoefficientsByZ(CoefficientTable table,
                                                                   int z) const {
    if (z < 1 || static_cast<std::size_t>(z) > elements_.size()) return std::nullopt;
    const auto i = static_cast<std::size_t>(z);
    CoefficientRow row;
    if (table == CoefficientTable::PCoef) {
        if (!hasPcoef_[i]) return std::nullopt;
        row.values = pcoef_[i];
        row.count = static_cast<int>(pcoef_[i].size());
        return row;
    }
    if (!hasHicoef_[i]) return std::nullopt;
    std::copy(hicoef_[i].begin(), hicoef_[i].end(), row.values.begin());
    row.count = static_cast<int>(hicoef_[i].size());
    return row;
}

}  // namespace fenra
