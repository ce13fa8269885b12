#include "elements/DatabaseSearch.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "messages/DatabaseMessages.h"

namespace fenra {

namespace {

namespace fs = std::filesystem;

bool IsFile(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return !ec && fs::exists(status) && !fs::is_directory(status);
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

}  // namespace

std::vector<DatabaseCandidate> DatabaseCandidates(const DatabaseSearchInput& in) {
    if (!in.optionPath.empty()) return {{DatabasePlace::Option, in.optionPath}};
    if (!in.environmentPath.empty()) return {{DatabasePlace::Environment, in.environmentPath}};
    if (in.programDir.empty()) return {};
    const fs::path dir(in.programDir);
    const fs::path installed =
        (dir / in.installedDataFolder / kDatabaseFileName).lexically_normal();
    return {{DatabasePlace::BesideProgram, (dir / kDatabaseFileName).lexically_normal().string()},
            {DatabasePlace::InstalledData, installed.string()}};
}

DatabaseSearchResult FindDatabase(const DatabaseSearchInput& in) {
    DatabaseSearchResult result;
    for (const DatabaseCandidate& c : DatabaseCandidates(in)) {
        result.looked.push_back(c);
        if (IsFile(c.path)) {
            result.foundPath = c.path;
            break;
        }
    }
    return result;
}

Message DatabasePlaceName(DatabasePlace place) {
    switch (place) {
        case DatabasePlace::Option:
            return Value("--db");
        case DatabasePlace::Environment:
            return Value(kDatabaseEnvironmentVariable);
        case DatabasePlace::BesideProgram:
            return Sentence(DatabaseText::PlaceBesideProgram);
        case DatabasePlace::InstalledData:
            break;
    }
    return Sentence(DatabaseText::PlaceInstalledData);
}

Message DatabaseNotFoundSentence(const std::vector<DatabaseCandidate>& looked) {
    if (looked.empty()) return Sentence(DatabaseText::NotFoundProgramUnknown);
    Message text;
    for (const DatabaseCandidate& c : looked) {
        Message line =
            Sentence(IsFolder(c.path) ? DatabaseText::FolderAt : DatabaseText::NotFoundAt,
                     {Value(c.path), DatabasePlaceName(c.place)});
        text = text.Empty() ? std::move(line)
                            : Sentence(DatabaseText::NextLine, {std::move(text), std::move(line)});
    }
    return text;
}

std::string DatabaseNotFoundText(const std::vector<DatabaseCandidate>& looked) {
    return Words(DatabaseNotFoundSentence(looked));
}

ElementDatabase OpenSearchedDatabase(const DatabaseSearchResult& found) {
    if (found.foundPath.empty()) throw ElementDatabaseError(DatabaseNotFoundSentence(found.looked));
    return ElementDatabase::OpenFile(found.foundPath);
}

std::string ProgramDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

DatabaseSearchInput ProcessDatabaseSearch(const std::string& optionPath,
                                          const std::string& programDir) {
    const char* environment = std::getenv(kDatabaseEnvironmentVariable);
    return {optionPath, environment != nullptr ? environment : "", programDir,
            kInstalledDataFolder};
}

}  // namespace fenra
