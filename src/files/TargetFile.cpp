#include "files/TargetFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "files/LineReader.h"
#include "files/TextFile.h"
#include "state/CompositionText.h"
#include "state/NumberText.h"
#include "state/RegularFile.h"
#include "state/Version.h"

namespace fenra {
namespace {

// The header is written for the reader of the file only; reading skips it as comment lines.
constexpr const char* kTargetColumnLine =
    "'Ion             Mass        E (keV)  Range(1e15 atom/cm2)   target";
constexpr const char* kTargetRuleLine =
    "'---------------------------------------------------------------------";

std::string TargetTitleLine() {
    return std::string("'Fenra32 v") + kVersionText + " target file";
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

OpenTargetResult CannotRead(FileAction action, const std::string& path, int err,
                            FileFault fault = FileFault::System) {
    OpenTargetResult r;
    r.status = OpenTargetStatus::CannotOpen;
    r.error = MakeFileError(action, path, err, fault);
    return r;
}

}  // namespace

std::string TargetFileText(const WorkingState& s) {
    std::string out;
    AppendLine(out, TargetTitleLine());
    AppendLine(out, kTargetColumnLine);
    AppendLine(out, kTargetRuleLine);
    for (int i = 1; i <= DataSetsInUse(s); ++i) {
        const DataSet& d = s.DataSets[i];
        AppendLine(out, ZoneLine({d.IonName, PrintForm(d.IonMass), PrintForm(d.IonEnergy),
                                  PrintForm(d.Range),
                                  CompositionText(d, CompositionEnd::FirstZeroRatio)}));
    }
    return out;
}

bool SaveTarget(const WorkingState& s, const std::string& path, FileError* error) {
    return WriteTextFile(path, TargetFileText(s), error);
}

OpenTargetResult OpenTarget(WorkingState& s, const std::string& path) {
    // A FIFO would block the open until a writer comes, a device might never end: only a
    // regular file is read.
    const RegularFile regular = OpenRegularFile(path);
    if (regular.NotRegular())
        return CannotRead(FileAction::OpenToRead, path, 0, FileFault::NotRegularFile);
    if (!regular.Opened()) return CannotRead(FileAction::OpenToRead, path, regular.err);
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> in(::fdopen(regular.fd, "rb"));
    if (!in) {
        const int err = errno;
        ::close(regular.fd);
        return CannotRead(FileAction::OpenToRead, path, err);
    }
    std::FILE* file = in.get();
    LineReader lines([file](char* buf, std::size_t capacity, bool* failed) {
        const std::size_t got = std::fread(buf, 1, capacity, file);
        // A directory opens on some systems and only fails on the first read.
        if (got == 0 && std::ferror(file)) *failed = true;
        return got;
    });
    OpenTargetResult result = ReadTargetLines(s, lines);
    if (result.status == OpenTargetStatus::CannotOpen)
        return CannotRead(FileAction::Read, path, errno);
    if (result.status == OpenTargetStatus::NotText) result.error.path = path;
    return result;
}

}  // namespace fenra
