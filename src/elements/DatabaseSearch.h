#pragma once
// Where both programs look for the element database, in this order:
//   1. the file named by --db (fenra32-calc only),
//   2. the file named by the environment variable FENRA32_DB,
//   3. Fenra32.mdb beside the running program (the build folder has it there),
//   4. Fenra32.mdb in ../share/fenra32/ relative to the program (an installed copy); a library
//      installed elsewhere (the Python module) names its own way to that folder.
// A file named by --db or FENRA32_DB is the only place looked in: a database chosen on purpose
// is never replaced in silence by another one, which could give other numbers.

#include <string>
#include <vector>

#include "elements/ElementDatabase.h"
#include "messages/Message.h"

namespace fenra {

constexpr const char* kDatabaseEnvironmentVariable = "FENRA32_DB";

// The data folder of an installed copy, relative to its bin folder (PREFIX/bin and
// PREFIX/share/fenra32, whatever PREFIX is).
constexpr const char* kInstalledDataFolder = "../share/fenra32";

enum class DatabasePlace { Option, Environment, BesideProgram, InstalledData };

struct DatabaseSearchInput {
    std::string optionPath;       // --db; empty: not given
    std::string environmentPath;  // FENRA32_DB; empty: not set
    std::string programDir;       // the folder of the running program; empty: unknown
    // The installed data folder, relative to programDir.
    std::string installedDataFolder = kInstalledDataFolder;
};

struct DatabaseCandidate {
    DatabasePlace place;
    std::string path;
};

// Every place to look in, in order.
std::vector<DatabaseCandidate> DatabaseCandidates(const DatabaseSearchInput& in);

struct DatabaseSearchResult {
    std::vector<DatabaseCandidate> looked;  // every place looked in, in order
    std::string foundPath;                  // the first one that exists; empty: none
};

DatabaseSearchResult FindDatabase(const DatabaseSearchInput& in);

// "--db", "FENRA32_DB" (values), "beside the program", "installed data folder" (sentences).
Message DatabasePlaceName(DatabasePlace place);

// One line per place looked in: Element database "<path>" not found (<place>), or, where a
// folder has the name, Element database "<path>" is a folder, not a file (<place>).
Message DatabaseNotFoundSentence(const std::vector<DatabaseCandidate>& looked);

// The same in English.
std::string DatabaseNotFoundText(const std::vector<DatabaseCandidate>& looked);

// Opens the database the search finds. Throws ElementDatabaseError with
// DatabaseNotFoundSentence when there is none, or with the reason the found file cannot be
// used.
ElementDatabase OpenSearchedDatabase(const DatabaseSearchResult& found);

// The folder of the running executable, symbolic links resolved; empty when unknown.
std::string ProgramDirectory();

// This process's search: the given --db path (or none), FENRA32_DB from the environment and
// the given program folder.
DatabaseSearchInput ProcessDatabaseSearch(const std::string& optionPath,
                                          const std::string& programDir);

}  // namespace fenra
