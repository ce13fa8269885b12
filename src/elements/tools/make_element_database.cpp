// Builds the element database Fenra32.mdb from the three text tables of data/:
//   make_element_database elements.csv pcoef.csv hicoef.csv Fenra32.mdb
// Table "Ion Data" keeps the records in ascending AtomNum (the stored order the element
// lists are filled in), with index "Pointer" on AtomNum and "Pointer2" on Symbol. "PCoef" and
// "HiCoef" are keyed by AtomNum (their INTEGER PRIMARY KEY is the index a lookup seeks on).
// The file is written under a temporary name and renamed, so a failed run leaves no half
// database behind.

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

struct Table {
    Row header;
    std::vector<Row> rows;
};

Row SplitCsvLine(const std::string& line) {
    Row cells;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, ',')) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.emplace_back();
    return cells;
}

Table ReadCsv(const std::string& path, const Row& expectedHeader) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    Table t;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        Row cells = SplitCsvLine(line);
        if (t.header.empty()) {
            if (cells != expectedHeader) throw std::runtime_error(path + ": unexpected header");
            t.header = cells;
            continue;
        }
        if (cells.size() != expectedHeader.size())
            throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": wrong cell count");
        for (const auto& c : cells)
            if (c.empty())
                throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": empty cell");
        // Row Z must be element Z: the element lists rely on the stored order.
        if (std::stoi(cells[0]) != static_cast<int>(t.rows.size()) + 1)
            throw std::runtime_error(path + ":" + std::to_string(lineNo) +
                                     ": AtomNum out of order");
        t.rows.push_back(cells);
    }
    if (t.rows.empty()) throw std::runtime_error(path + ": no records");
    return t;
}

void Exec(sqlite3* db, const std::string& sql) {
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "unknown error";
        sqlite3_free(err);
        throw std::runtime_error("SQL failed: " + msg + " in: " + sql);
    }
}

// Inserts every row; the columns named "Symbol", "Name" and "DefaultMass" are stored as text,
// AtomNum as an integer, the rest as reals.
void Insert(sqlite3* db, const std::string& table, const Table& t) {
    std::string sql = "INSERT INTO \"" + table + "\" VALUES (";
    for (std::size_t i = 0; i < t.header.size(); ++i) sql += i ? ",?" : "?";
    sql += ")";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot prepare insert into " + table);
    for (const Row& r : t.rows) {
        sqlite3_reset(st);
        for (std::size_t i = 0; i < r.size(); ++i) {
            const std::string& col = t.header[i];
            const int pos = static_cast<int>(i) + 1;
            if (col == "AtomNum") {
                sqlite3_bind_int(st, pos, std::stoi(r[i]));
            } else if (col == "Symbol" || col == "Name" || col == "DefaultMass") {
                sqlite3_bind_text(st, pos, r[i].c_str(), -1, SQLITE_TRANSIENT);
            } else {
                std::size_t used = 0;
                const double v = std::stod(r[i], &used);
                if (used != r[i].size())
                    throw std::runtime_error(table + ": not a number: " + r[i]);
                sqlite3_bind_double(st, pos, v);
            }
        }
        if (sqlite3_step(st) != SQLITE_DONE) {
            sqlite3_finalize(st);
            throw std::runtime_error("insert into " + table + " failed");
        }
    }
    sqlite3_finalize(st);
}

void Build(const std::string& elementsCsv, const std::string& pcoefCsv,
           const std::string& hicoefCsv, const std::string& out) {
    const Table elements =
        ReadCsv(elementsCsv, {"AtomNum", "Symbol", "Name", "DefaultMass", "MAIW", "ScrnFac",
                              "NatMass", "AtomDensity", "Fermi", "Density"});
    const Table pcoef = ReadCsv(pcoefCsv, {"AtomNum", "PCoef1", "PCoef2", "PCoef3", "PCoef4",
                                           "PCoef5", "PCoef6", "PCoef7", "PCoef8"});
    const Table hicoef =
        ReadCsv(hicoefCsv, {"AtomNum", "HiCoef1", "HiCoef2", "HiCoef3", "HiCoef4"});

    const std::string tmp = out + ".tmp";
    std::remove(tmp.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + tmp);
    }
    try {
        Exec(db, "BEGIN");
        Exec(db,
             "CREATE TABLE \"Ion Data\" (AtomNum INTEGER NOT NULL, Symbol TEXT NOT NULL, "
             "Name TEXT NOT NULL, DefaultMass TEXT NOT NULL, MAIW REAL NOT NULL, "
             "ScrnFac REAL NOT NULL, NatMass REAL NOT NULL, AtomDensity REAL NOT NULL, "
             "Fermi REAL NOT NULL, Density REAL NOT NULL)");
        Exec(db,
             "CREATE TABLE PCoef (AtomNum INTEGER PRIMARY KEY, PCoef1 REAL NOT NULL, "
             "PCoef2 REAL NOT NULL, PCoef3 REAL NOT NULL, PCoef4 REAL NOT NULL, "
             "PCoef5 REAL NOT NULL, PCoef6 REAL NOT NULL, PCoef7 REAL NOT NULL, "
             "PCoef8 REAL NOT NULL)");
        Exec(db,
             "CREATE TABLE HiCoef (AtomNum INTEGER PRIMARY KEY, HiCoef1 REAL NOT NULL, "
             "HiCoef2 REAL NOT NULL, HiCoef3 REAL NOT NULL, HiCoef4 REAL NOT NULL)");
        Insert(db, "Ion Data", elements);
        Insert(db, "PCoef", pcoef);
        Insert(db, "HiCoef", hicoef);
        Exec(db, "CREATE UNIQUE INDEX Pointer ON \"Ion Data\" (AtomNum)");
        Exec(db, "CREATE UNIQUE INDEX Pointer2 ON \"Ion Data\" (Symbol)");
        Exec(db, "COMMIT");
    } catch (...) {
        sqlite3_close(db);
        std::remove(tmp.c_str());
        throw;
    }
    sqlite3_close(db);
    if (std::rename(tmp.c_str(), out.c_str()) != 0)
        throw std::runtime_error("cannot rename " + tmp + " to " + out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: make_element_database elements.csv pcoef.csv hicoef.csv OUT.mdb\n");
        return 2;
    }
    try {
        Build(argv[1], argv[2], argv[3], argv[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_element_database: %s\n", e.what());
        return 1;
    }
    return 0;
}
