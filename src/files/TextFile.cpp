#include "files/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace fenra {
namespace {

// errno is left at 0 by some stream failures; a reason of "Success" would mislead.
std::string Reason(int err, const char* fallback) {
    return err != 0 ? std::strerror(err) : fallback;
}

void SetError(std::string* error, const char* what, const std::string& path, int err,
              const char* fallback) {
    if (error) *error = std::string(what) + " " + path + ": " + Reason(err, fallback);
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Writes the bytes to path itself, creating or truncating it.
bool WriteInPlace(const std::string& path, const std::string& bytes, std::string* error) {
    errno = 0;
    // Binary mode: the CR LF line ends are already in the bytes and must not be translated.
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        SetError(error, "Cannot create", path, errno, "cannot open the file");
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    // A full disk may only show when the last buffer goes out at close.
    if (out) out.close();
    if (!out) {
        SetError(error, "Cannot write", path, errno, "write error");
        return false;
    }
    return true;
}

// Only a plain file (or none yet) is replaced through a file beside it. A link is written
// through to the file it names, and a device or pipe is written where it is, as the user meant.
bool ReplaceThroughPartFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    if (ec || !fs::exists(st)) return true;
    return fs::is_regular_file(st) || fs::is_directory(st);
}

// The new file takes the permissions of the one it replaces.
void KeepPermissions(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(from, ec);
    if (!ec && fs::is_regular_file(st)) fs::permissions(to, st.permissions(), ec);
}

}  // namespace

void AppendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append(kLineEnd);
}

bool WriteTextFile(const std::string& path, const std::string& bytes, std::string* error) {
    // The new contents go to a file beside the old one first and replace it only once they
    // are complete, so a full disk or a failed write never leaves a half-written file where a
    // good one was.
    if (!ReplaceThroughPartFile(path)) return WriteInPlace(path, bytes, error);
    const std::string part = path + ".part";
    std::string partError;
    if (WriteInPlace(part, bytes, &partError)) {
        KeepPermissions(path, part);
        if (std::rename(part.c_str(), path.c_str()) == 0) return true;
        const int err = errno;
        std::remove(part.c_str());
        SetError(error, "Cannot replace", path, err, "rename failed");
        return false;
    }
    std::remove(part.c_str());
    // A folder where no new file may be made can still hold a writable file: write it there.
    return WriteInPlace(path, bytes, error);
}

bool ReadTextFile(const std::string& path, std::string* bytes, std::string* error) {
    bytes->clear();
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(path.c_str(), "rb"));
    if (!in) {
        SetError(error, "Cannot open", path, errno, "cannot open the file");
        return false;
    }
    char buffer[8192];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) bytes->append(buffer, got);
    // A directory opens on some systems and only fails on the first read.
    if (std::ferror(in.get())) {
        SetError(error, "Cannot read", path, errno, "read error");
        bytes->clear();
        return false;
    }
    return true;
}

}  // namespace fenra
