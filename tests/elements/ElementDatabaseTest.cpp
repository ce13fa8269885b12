#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "elements/ElementDatabase.h"
#include "elements/SqliteFile.h"
#include "support/Unprivileged.h"

namespace fenra {
namespace {

namespace fs = std::filesystem;

// One row of data/<name>.csv, the text the element database is generated from.
std::vector<double> CsvRow(const std::string& name, int atomNum) {
    std::ifstream in(std::string(FENRA_SOURCE_DIR) + "/data/" + name);
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::stringstream cells(line);
        std::string cell;
        std::vector<double> row;
        while (std::getline(cells, cell, ',')) row.push_back(std::strtod(cell.c_str(), nullptr));
        if (!row.empty() && static_cast<int>(row[0]) == atomNum) return row;
    }
    return {};
}

TEST(GeneratedElementDatabase, ListsSymbolsInStoredOrder) {
    const ElementDatabase db = ElementDatabase::OpenFile(FENRA_TEST_DATABASE);
    const std::vector<std::string> symbols = db.ListElementSymbols();
    ASSERT_EQ(symbols.size(), 92u);
    EXPECT_EQ(symbols[0], "H");
    EXPECT_EQ(symbols[1], "He");
    EXPECT_EQ(symbols[13], "Si");
    EXPECT_EQ(symbols[91], "U");
    for (std::size_t k = 0; k < db.Elements().size(); ++k)
        EXPECT_EQ(db.Elements()[k].AtomNum, static_cast<int>(k) + 1);
}

TEST(GeneratedElementDatabase, FindsElementsBySymbolExactly) {
    const ElementDatabase db = ElementDatabase::OpenFile(FENRA_TEST_DATABASE);
    const ElementRecord* h = db.FindElementBySymbol("H");
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->AtomNum, 1);
    EXPECT_EQ(h->DefaultMass, "1.0078");

    const ElementRecord* si = db.FindElementBySymbol("Si");
    ASSERT_NE(si, nullptr);
    const std::vector<double> row = CsvRow("elements.csv", 14);
    // elements.csv: AtomNum,Symbol,Name,DefaultMass,MAIW,ScrnFac,NatMass,AtomDensity,Fermi
    EXPECT_EQ(si->AtomNum, 14);
    EXPECT_EQ(si->MAIW, static_cast<float>(row[4]));
    EXPECT_EQ(si->ScrnFac, static_cast<float>(row[5]));
    EXPECT_EQ(si->NatMass, static_cast<float>(row[6]));
    EXPECT_EQ(si->AtomDensity, static_cast<float>(row[7]));
    EXPECT_EQ(si->Fermi, static_cast<float>(row[8]));

    EXPECT_EQ(db.FindElementBySymbol("Xx"), nullptr);
    EXPECT_EQ(db.FindElementBySymbol("si"), nullptr);
    EXPECT_EQ(db.FindElementBySymbol("Si "), nullptr);
    EXPECT_EQ(db.FindElementBySymbol(""), nullptr);
}

TEST(GeneratedElementDatabase, CoefficientsEqualTheSourceTables) {
    const ElementDatabase db = ElementDatabase::OpenFile(FENRA_TEST_DATABASE);
    for (int z : {1, 14, 79, 92}) {
        const std::vector<double> p = CsvRow("pcoef.csv", z);
        const std::optional<CoefficientRow> pc = db.FindCoefficientsByZ(CoefficientTable::PCoef, z);
        ASSERT_TRUE(pc.has_value()) << z;
        EXPECT_EQ(pc->count, 8);
        for (std::size_t k = 0; k < 8; ++k) EXPECT_EQ(pc->values[k], p[k + 1]) << z;
        const std::vector<double> h = CsvRow("hicoef.csv", z);
        const std::optional<CoefficientRow> hc =
            db.FindCoefficientsByZ(CoefficientTable::HiCoef, z);
        ASSERT_TRUE(hc.has_value()) << z;
        EXPECT_EQ(hc->count, 4);
        for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(hc->values[k], h[k + 1]) << z;
        for (std::size_t k = 4; k < 8; ++k) EXPECT_EQ(hc->values[k], 0.0) << z;
    }
    EXPECT_FALSE(db.FindCoefficientsByZ(CoefficientTable::PCoef, 0).has_value());
    EXPECT_FALSE(db.FindCoefficientsByZ(CoefficientTable::PCoef, 93).has_value());
    EXPECT_FALSE(db.FindCoefficientsByZ(CoefficientTable::HiCoef, -1).has_value());
}

TEST(GeneratedElementDatabase, ProgramDirectoryWithOrWithoutSeparator) {
    const std::string dir = fs::path(FENRA_TEST_DATABASE).parent_path().string();
    const ElementDatabase a = ElementDatabase::OpenElementDatabase(dir);
    const ElementDatabase b = ElementDatabase::OpenElementDatabase(dir + "/");
    EXPECT_EQ(a.Path(), dir + "/Fenra32.mdb");
    EXPECT_EQ(b.Path(), a.Path());
    EXPECT_EQ(b.ListElementSymbols().size(), 92u);
}

TEST(IntegerConversion, RoundsHalvesToEven) {
    int16_t v = 99;
    const std::pair<double, int> cases[] = {
        {2.5, 2},       {3.5, 4},       {-2.5, -2}, {-3.5, -4},       {0.5, 0},
        {1.4999999, 1}, {1.5000001, 2}, {7.0, 7},   {32767.4, 32767}, {-32768.0, -32768}};
    for (const auto& [in, expected] : cases) {
        ASSERT_TRUE(ToInteger(in, &v)) << in;
        EXPECT_EQ(v, expected) << in;
    }
    EXPECT_FALSE(ToInteger(32767.6, &v));
    EXPECT_FALSE(ToInteger(-32768.6, &v));
    EXPECT_FALSE(ToInteger(1e300, &v));
}

// Small element databases built in a temporary folder, each broken in one way.
class BrokenDatabase : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("fenra_elements_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "Fenra32.mdb").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::vector<std::string> GoodTables() {
        return {
            "CREATE TABLE \"Ion Data\" (AtomNum INTEGER, Symbol TEXT, Name TEXT, DefaultMass "
            "TEXT, MAIW REAL, ScrnFac REAL, NatMass REAL, AtomDensity REAL, Fermi REAL, "
            "Density REAL)",
            "INSERT INTO \"Ion Data\" VALUES (1,'H','Hydrogen','1.0078',1.0078,1,1.008,4.271,"
            "1.0309,0.07), (2,'He','Helium','4.0026',4.0026,1,4.0026,1.894,0.15976,0.12), "
            "(3,'Li','Lithium','7.016',7.016,1.1,6.939,4.597,0.59782,0.53)",
            "CREATE TABLE PCoef (AtomNum INTEGER PRIMARY KEY, PCoef1 REAL, PCoef2 REAL, PCoef3 "
            "REAL, PCoef4 REAL, PCoef5 REAL, PCoef6 REAL, PCoef7 REAL, PCoef8 REAL)",
            "INSERT INTO PCoef VALUES (1,1,2,3,4,5,6,7,8), (2,11,12,13,14,15,16,17,18), "
            "(3,21,22,23,24,25,26,27,28)",
            "CREATE TABLE HiCoef (AtomNum INTEGER PRIMARY KEY, HiCoef1 REAL, HiCoef2 REAL, "
            "HiCoef3 REAL, HiCoef4 REAL)",
            "INSERT INTO HiCoef VALUES (1,.1,.2,.3,.4), (2,1.1,1.2,1.3,1.4), (3,2.1,2.2,2.3,2.4)",
        };
    }

    void Build(const std::vector<std::string>& statements) const {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
        for (const auto& sql : statements)
            ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(db);
    }

    // The statements of the good database with statement k replaced.
    static std::vector<std::string> With(std::size_t k, const std::string& sql) {
        std::vector<std::string> s = GoodTables();
        s[k] = sql;
        return s;
    }

    std::string OpenError() const {
        try {
            ElementDatabase::OpenFile(path_);
        } catch (const ElementDatabaseError& e) {
            return e.what();
        }
        return "(opened)";
    }

    std::string Q() const { return "\"" + path_ + "\""; }

    fs::path dir_;
    std::string path_;
};

TEST_F(BrokenDatabase, GoodSmallDatabaseOpensAndMissingHiCoefIsAllowed) {
    std::vector<std::string> s = GoodTables();
    s[5] = "INSERT INTO HiCoef VALUES (1,.1,.2,.3,.4), (3,2.1,2.2,2.3,2.4)";
    Build(s);
    const ElementDatabase db = ElementDatabase::OpenFile(path_);
    EXPECT_EQ(db.ListElementSymbols(), (std::vector<std::string>{"H", "He", "Li"}));
    EXPECT_FALSE(db.FindCoefficientsByZ(CoefficientTable::HiCoef, 2).has_value());
    const std::optional<CoefficientRow> h3 = db.FindCoefficientsByZ(CoefficientTable::HiCoef, 3);
    ASSERT_TRUE(h3.has_value());
    EXPECT_EQ(h3->values[3], 2.4);
    EXPECT_EQ(db.FindCoefficientsByZ(CoefficientTable::PCoef, 2)->values[7], 18.0);
    EXPECT_EQ(db.FindElementBySymbol("Li")->ScrnFac, 1.1f);
}

TEST_F(BrokenDatabase, ColumnsByPositionAndByNameWhateverTheirOrder) {
    // Symbol and default mass keep positions 2 and 4 under other names; the named columns
    // stand elsewhere and in another case; values stored as text or integers are converted.
    std::vector<std::string> s = GoodTables();
    s[0] =
        "CREATE TABLE \"Ion Data\" (fermi REAL, Sym TEXT, ATOMNUM INTEGER, Shown TEXT, "
        "NatMass REAL, AtomDensity REAL, MAIW TEXT, ScrnFac REAL)";
    s[1] =
        "INSERT INTO \"Ion Data\" VALUES (1.5,'H',1,'1.0078',1,4,' 1.25 ',1),"
        "(2,'He',2.0,'4.0026',4,1,'4',1),(3,'Li',3,7,7,4,'7.016',1.1)";
    Build(s);
    const ElementDatabase db = ElementDatabase::OpenFile(path_);
    const ElementRecord* h = db.FindElementBySymbol("H");
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->AtomNum, 1);
    EXPECT_EQ(h->Fermi, 1.5f);
    EXPECT_EQ(h->MAIW, 1.25f);
    EXPECT_EQ(h->DefaultMass, "1.0078");
    EXPECT_EQ(db.FindElementBySymbol("Li")->DefaultMass, "7");
    EXPECT_EQ(db.FindElementBySymbol("He")->AtomNum, 2);
}

TEST_F(BrokenDatabase, MissingFileIsNamedAndNotCreated) {
    EXPECT_EQ(OpenError(), "Element database " + Q() + " not found.");
    EXPECT_FALSE(fs::exists(path_));
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(BrokenDatabase, FileThatIsNoDatabase) {
    std::ofstream(path_) << "Standard Jet DB\nthis is not an SQLite file at all, just text.\n";
    EXPECT_EQ(OpenError(), Q() + " is not an element database: it is not an SQLite database file.");
}

TEST_F(BrokenDatabase, FolderInsteadOfFile) {
    fs::create_directories(path_);
    EXPECT_EQ(OpenError(), "Element database " + Q() + " is a folder, not a file.");
}

TEST_F(BrokenDatabase, MissingTable) {
    std::vector<std::string> s = GoodTables();
    s.erase(s.begin() + 2, s.begin() + 4);
    Build(s);
    EXPECT_EQ(OpenError(), Q() + " is not an element database: table \"PCoef\" is missing.");
}

TEST_F(BrokenDatabase, MissingColumn) {
    std::vector<std::string> s = GoodTables();
    s[4] =
        "CREATE TABLE HiCoef (AtomNum INTEGER PRIMARY KEY, HiCoef1 REAL, HiCoef2 REAL, "
        "HiCoef4 REAL)";
    s[5] = "INSERT INTO HiCoef VALUES (1,.1,.2,.4)";
    Build(s);
    EXPECT_EQ(OpenError(),
              Q() + " is not an element database: table \"HiCoef\" has no column \"HiCoef3\".");
}

TEST_F(BrokenDatabase, TooFewColumnsForThePositionalOnes) {
    Build({"CREATE TABLE \"Ion Data\" (AtomNum INTEGER, Symbol TEXT, MAIW REAL)",
           "INSERT INTO \"Ion Data\" VALUES (1,'H',1)"});
    EXPECT_EQ(OpenError(), Q() +
                               " is not an element database: table \"Ion Data\" has 3 columns; "
                               "the symbol is read from column 2 and the default mass from "
                               "column 4.");
}

TEST_F(BrokenDatabase, MissingProtonCoefficients) {
    Build(With(3, "INSERT INTO PCoef VALUES (1,1,2,3,4,5,6,7,8), (3,21,22,23,24,25,26,27,28)"));
    EXPECT_EQ(OpenError(),
              Q() +
                  " is not an element database: table \"PCoef\" has no record for AtomNum 2 "
                  "(He).");
}

TEST_F(BrokenDatabase, RecordsOutOfOrderOrWithGaps) {
    Build(With(1,
               "INSERT INTO \"Ion Data\" VALUES (2,'He','Helium','4.0026',4.0026,1,4.0026,1.894,"
               "0.15976,0.12), (1,'H','Hydrogen','1.0078',1.0078,1,1.008,4.271,1.0309,0.07)"));
    EXPECT_EQ(OpenError(), Q() +
                               " is not an element database: table \"Ion Data\" must list the "
                               "elements in ascending AtomNum from 1 without gaps, but record 1 "
                               "has AtomNum 2.");
}

TEST_F(BrokenDatabase, EmptyAndWrongValues) {
    Build(With(1,
               "INSERT INTO \"Ion Data\" VALUES (1,'H','Hydrogen','1.0078',1.0078,1,1.008,4.271,"
               "1.0309,0.07), (2,'He','Helium','4.0026',4.0026,NULL,4.0026,1.894,0.15976,0.12)"));
    EXPECT_EQ(OpenError(), Q() + ": table \"Ion Data\", column \"ScrnFac\" of record 2 is empty.");

    fs::remove(path_);
    Build(With(3,
               "INSERT INTO PCoef VALUES (1,1,2,3,4,5,6,7,8), (2,11,12,13,'abc',15,16,17,18), "
               "(3,21,22,23,24,25,26,27,28)"));
    EXPECT_EQ(
        OpenError(),
        Q() + ": table \"PCoef\", column \"PCoef4\" of AtomNum 2 holds \"abc\", not a number.");

    fs::remove(path_);
    Build(With(1,
               "INSERT INTO \"Ion Data\" VALUES (1,'  ','Hydrogen','1.0078',1.0078,1,1.008,4.271,"
               "1.0309,0.07)"));
    EXPECT_EQ(OpenError(), Q() + ": table \"Ion Data\", column \"Symbol\" of record 1 is empty.");

    fs::remove(path_);
    Build(With(1,
               "INSERT INTO \"Ion Data\" VALUES (1,'H','Hydrogen','1.0078',1e39,1,1.008,4.271,"
               "1.0309,0.07)"));
    EXPECT_EQ(OpenError(), Q() +
                               ": table \"Ion Data\", column \"MAIW\" of record 1 is beyond the "
                               "range of a single-precision number.");
}

TEST_F(BrokenDatabase, ImplausibleValuesAreRefusedNamingTableElementAndField) {
    // Each of the five physical values of He in turn, 0 and negative (a value that is not a
    // finite number is refused as it is read).
    const char* columns[] = {"MAIW", "ScrnFac", "NatMass", "AtomDensity", "Fermi"};
    const char* values[] = {"0", "-28"};
    for (int c = 0; c < 5; ++c) {
        for (const char* v : values) {
            std::string he[] = {"4.0026", "1", "4.0026", "1.894", "0.15976"};
            he[c] = v;
            fs::remove(path_);
            Build(With(1,
                       "INSERT INTO \"Ion Data\" VALUES (1,'H','Hydrogen','1.0078',1.0078,1,"
                       "1.008,4.271,1.0309,0.07), (2,'He','Helium','4.0026'," +
                           he[0] + "," + he[1] + "," + he[2] + "," + he[3] + "," + he[4] +
                           ",0.12)"));
            EXPECT_EQ(OpenError(), Q() + ": table \"Ion Data\", column \"" + columns[c] +
                                       "\" of element \"He\" (AtomNum 2) holds " + v +
                                       ", not a value above 0.");
        }
    }
}

TEST_F(BrokenDatabase, DuplicateSymbolOrCoefficientRecord) {
    Build(With(1,
               "INSERT INTO \"Ion Data\" VALUES (1,'H','Hydrogen','1.0078',1.0078,1,1.008,4.271,"
               "1.0309,0.07), (2,'H','Helium','4.0026',4.0026,1,4.0026,1.894,0.15976,0.12)"));
    EXPECT_EQ(OpenError(), Q() +
                               " is not an element database: table \"Ion Data\" lists the "
                               "symbol \"H\" twice (AtomNum 1 and 2).");

    fs::remove(path_);
    std::vector<std::string> s = GoodTables();
    s[4] =
        "CREATE TABLE HiCoef (AtomNum INTEGER, HiCoef1 REAL, HiCoef2 REAL, HiCoef3 REAL, "
        "HiCoef4 REAL)";
    s[5] = "INSERT INTO HiCoef VALUES (1,.1,.2,.3,.4), (1,1.1,1.2,1.3,1.4)";
    Build(s);
    EXPECT_EQ(
        OpenError(),
        Q() + " is not an element database: table \"HiCoef\" holds two records of AtomNum 1.");
}

TEST_F(BrokenDatabase, OpeningLeavesTheFileUntouched) {
    Build(GoodTables());
    const auto before = fs::last_write_time(path_);
    std::ifstream in(path_, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    { const ElementDatabase db = ElementDatabase::OpenFile(path_); }
    std::ifstream again(path_, std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(again)), {});
    EXPECT_EQ(after, bytes);
    EXPECT_EQ(fs::last_write_time(path_), before);
    // No journal or other file appeared beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST(FuzzedDatabases, StoredFindingsAreRefusedOrPlausible) {
    // What the database fuzzer found: each opens as a database or is refused with a message.
    const fs::path dir = std::string(FENRA_SOURCE_DIR) + "/fuzz/regressions-database";
    ASSERT_TRUE(fs::is_directory(dir)) << "kept in the repository, with .gitkeep";
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().filename() == ".gitkeep") continue;
        try {
            const ElementDatabase db = ElementDatabase::OpenFile(entry.path().string());
            EXPECT_FALSE(db.Elements().empty()) << entry.path();
        } catch (const ElementDatabaseError& e) {
            EXPECT_NE(std::string(e.what()), "") << entry.path();
        }
    }
}

// Every coefficient column and every physical value of an element is held to a plausible bound:
// a finite but absurd value (PCoef1 = 1e300) would change every result without a fault.
TEST_F(BrokenDatabase, ImplausiblyLargeValuesAreRefusedInEveryColumn) {
    struct Case {
        std::size_t statement;
        std::string sql, message;
    };
    const std::string ion = "INSERT INTO \"Ion Data\" VALUES (1,'H','Hydrogen','1.0078',";
    const Case cases[] = {
        {3, "INSERT INTO PCoef VALUES (1,1,2,3,4,5,6,7,8), (2,1e300,12,13,14,15,16,17,18)",
         ": table \"PCoef\", column \"PCoef1\" of AtomNum 2 holds 1e+300, beyond the "
         "plausible magnitude 100000000 of a fitted coefficient."},
        {3, "INSERT INTO PCoef VALUES (1,1,2,3,4,5,6,7,-2e8), (2,11,12,13,14,15,16,17,18)",
         ": table \"PCoef\", column \"PCoef8\" of AtomNum 1 holds -200000000, beyond the "
         "plausible magnitude 100000000 of a fitted coefficient."},
        {5, "INSERT INTO HiCoef VALUES (1,.1,.2,.3,.4), (2,1.1,1.2,1.3,1e9)",
         ": table \"HiCoef\", column \"HiCoef4\" of AtomNum 2 holds 1e+09, beyond the "
         "plausible magnitude 100000000 of a fitted coefficient."},
        {1, ion + "1e5,1,1.008,4.271,1.0309,0.07)",
         ": table \"Ion Data\", column \"MAIW\" of element \"H\" (AtomNum 1) holds 100000, "
         "above the plausible 1000 for any element."},
        {1, ion + "1.0078,1,1.008,4.271,1e4,0.07)",
         ": table \"Ion Data\", column \"Fermi\" of element \"H\" (AtomNum 1) holds 10000, "
         "above the plausible 100 for any element."},
    };
    for (const Case& c : cases) {
        fs::remove(path_);
        Build(With(c.statement, c.sql));
        EXPECT_EQ(OpenError(), Q() + c.message) << c.sql;
    }
}

// A FIFO would block SQLite's open for ever; a device never ends: refused before opening.
TEST_F(BrokenDatabase, FifoIsRefusedWithoutBlocking) {
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    EXPECT_EQ(OpenError(), "Element database " + Q() + " is a FIFO, not a regular file.");
    EXPECT_THROW(ElementDatabase::OpenFile("/dev/zero"), ElementDatabaseError);
}

// The file is read whole into memory: one far larger than any element database is refused
// before it is read to its end (a sparse file: its size costs no disk).
TEST_F(BrokenDatabase, FileBeyondTheSizeLimitIsRefused) {
    { std::ofstream(path_) << "x"; }
    fs::resize_file(path_, static_cast<std::uintmax_t>(kMaxDatabaseBytes) + 4096);
    EXPECT_EQ(OpenError(), Q() + " is not an element database: it is larger than 64 MB.");
}

// The refusals no other test reaches, each worded as fenra32-calc and the Python module print
// it.
TEST_F(BrokenDatabase, EveryOtherRefusalIsWordedAsBefore) {
    struct Case {
        std::size_t statement;
        std::string sql, message;
    };
    const Case cases[] = {
        {1, "SELECT 1", " is not an element database: table \"Ion Data\" holds no element."},
        {1,
         "INSERT INTO \"Ion Data\" VALUES (40000,'H','Hydrogen','1.0078',1.0078,1,1.008,"
         "4.271,1.0309,0.07)",
         ": table \"Ion Data\", column \"AtomNum\" of record 1 is beyond the range of a 16-bit "
         "integer."},
        {3, "INSERT INTO PCoef VALUES (1,1,2,3,4,5,6,7,9e999), (2,11,12,13,14,15,16,17,18)",
         ": table \"PCoef\", column \"PCoef8\" of AtomNum 1 is not a finite number."},
        {1,
         "INSERT INTO \"Ion Data\" VALUES ('x','H','Hydrogen','1.0078',1.0078,1,1.008,4.271,"
         "1.0309,0.07)",
         ": table \"Ion Data\", column \"AtomNum\" of record 1 holds \"x\", not a number."},
    };
    for (const Case& c : cases) {
        fs::remove(path_);
        Build(With(c.statement, c.sql));
        EXPECT_EQ(OpenError(), Q() + c.message) << c.sql;
    }
}

// What the path names, when it is no regular file, is a value of the sentence.
TEST(DatabaseFile, ADeviceIsNamedAsSuch) {
    try {
        ElementDatabase::OpenFile("/dev/null");
        FAIL() << "opened a device";
    } catch (const ElementDatabaseError& e) {
        EXPECT_STREQ(e.what(), "Element database \"/dev/null\" is a device, not a regular file.");
        ASSERT_EQ(e.Reason().args.size(), 2u);
        EXPECT_STREQ(e.Reason().args[1].text, "a device");
    }
}

// A file the user may not read: the system's reason.
TEST_F(BrokenDatabase, AnUnreadableFileGivesTheSystemsReason) {
    Build(GoodTables());
    ASSERT_EQ(::chmod(path_.c_str(), 0), 0);
    std::string said;
    {
        const test::Unprivileged nobody;
        ASSERT_TRUE(nobody.Ok());
        said = OpenError();
    }
    EXPECT_EQ(said, "Element database " + Q() + " cannot be opened: Permission denied.");
}

}  // namespace
}  // namespace fenra
