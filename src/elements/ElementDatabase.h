#pragma once
// Read-only access to the element database Fenra32.mdb: table "Ion Data" (one record per
// element, in ascending AtomNum), "PCoef" and "HiCoef" (coefficients by atomic number).
//
// The file is opened read-only and read once when opened; the program never writes it, so the
// lookups answer from the records held in memory, exactly as a seek on the index would.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "messages/Message.h"

namespace fenra {

constexpr const char* kDatabaseFileName = "Fenra32.mdb";

// What one lookup of an ion or target element yields (the coefficients are looked up apart).
struct ElementRecord {
    int16_t AtomNum = 0;
    std::string Symbol;
    std::string DefaultMass;  // text, shown as stored in the mass field
    float MAIW = 0;           // amu, mass of the most abundant isotope
    float ScrnFac = 0;        // screening factor of this element as an ion
    float NatMass = 0;        // amu (g/mol), natural atomic mass as a target
    float AtomDensity = 0;    // 1E22 atoms/cm3
    float Fermi = 0;          // Fermi velocity, Bohr velocities
};

enum class CoefficientTable { PCoef, HiCoef };

// The table's name in the database file.
const char* CoefficientTableName(CoefficientTable table);

// The coefficients of one record: PCoef1..PCoef8 (count 8) or HiCoef1..HiCoef4 (count 4, the
// values past them 0).
struct CoefficientRow {
    std::array<double, 8> values{};
    int count = 0;
};

// A database that cannot be used: the sentence (messages/DatabaseMessages.h) names the file,
// the table, the column or the value that is missing or wrong; what() is its English.
class ElementDatabaseError : public std::runtime_error {
  public:
    explicit ElementDatabaseError(Message reason)
        : std::runtime_error(Words(reason)), reason_(std::move(reason)) {}
    const Message& Reason() const { return reason_; }

  private:
    Message reason_;
};

class ElementDatabase {
  public:
    // Opens appPath + "Fenra32.mdb" (appPath with or without a trailing separator).
    // Throws ElementDatabaseError when the file is missing, is not a database, or lacks a
    // table, a column or a value the program reads.
    static ElementDatabase OpenElementDatabase(const std::string& appPath);

    // Opens a database file by its full path (tests, the batch calculator's --db).
    static ElementDatabase OpenFile(const std::string& path);

    // The Symbol of every "Ion Data" record in stored order.
    std::vector<std::string> ListElementSymbols() const;

    // The record whose Symbol equals symbol exactly; nullptr when there is none.
    const ElementRecord* FindElementBySymbol(std::string_view symbol) const;

    // The coefficients of atomic number z in the table; none when the table has no record of
    // that number.
    std::optional<CoefficientRow> FindCoefficientsByZ(CoefficientTable table, int z) const;

    // Every "Ion Data" record in stored order: record k has AtomNum k + 1.
    const std::vector<ElementRecord>& Elements() const { return elements_; }

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::vector<ElementRecord> elements_;                    // stored order
    std::unordered_map<std::string, std::size_t> bySymbol_;  // symbol -> index in elements_
    std::vector<std::array<double, 8>> pcoef_;               // index z, empty entries flagged
    std::vector<std::array<double, 4>> hicoef_;
    std::vector<bool> hasPcoef_, hasHicoef_;

    friend struct ElementDatabaseReader;
};

}  // namespace fenra
