#include "files/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fenra {
namespace {

namespace fs = std::filesystem;

// Links are followed at most this deep, as the kernel does (ELOOP beyond it).
constexpr int kMaxLinkDepth = 40;

void SetError(FileError* error, FileAction action, const std::string& path, int err) {
    if (error) *error = MakeFileError(action, path, err);
}

// Writes every byte, going on after a short write or an interrupted call.
bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a path finally names: a link is followed (a relative link from its own folder), so
// the new contents replace the file the link names and the link itself stays.
bool ResolveLinks(const std::string& path, fs::path* dest, FileError* error) {
    fs::path p = path;
    for (int depth = 0; depth <= kMaxLinkDepth; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) {
            *dest = p;
            return true;
        }
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) {
            SetError(error, FileAction::ReadLink, p.string(), ec.value());
            return false;
        }
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    SetError(error, FileAction::Write, path, ELOOP);
    return false;
}

// The mode a new file gets from open(): 0666 less the process's umask. The umask is read from
// /proc, since umask() can only read it by changing it under other threads' feet.
mode_t NewFileMode() {
    mode_t mask = 022;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            mask = static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
            break;
        }
    }
    return static_cast<mode_t>(0666 & ~mask);
}

// A device or a pipe is written where it is, as the user meant (/dev/stdout, a FIFO).
bool WriteToDevice(const std::string& path, const std::string& bytes, FileError* error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        SetError(error, FileAction::OpenToWrite, path, errno);
        return false;
    }
    const bool written = WriteAll(fd, bytes);
    const int writeErr = errno;
    if (::close(fd) != 0 && written) {
        SetError(error, FileAction::Write, path, errno);
        return false;
    }
    if (!written) SetError(error, FileAction::Write, path, writeErr);
    return written;
}

// The temporary file: created by us alone (mkstemp opens with O_CREAT|O_EXCL, so neither a
// planted link nor another writer's file can be taken over), written, flushed to the disk.
// On failure it is removed again; the destination has not been touched.
bool WriteTemporary(const fs::path& dest, const std::string& bytes, mode_t mode,
                    std::string* tempPath, FileError* error) {
    const fs::path folder = dest.parent_path().empty() ? fs::path(".") : dest.parent_path();
    std::string name = (folder / ("." + dest.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        SetError(error, FileAction::CreateTemporary, dest.string(), errno);
        if (error) error->folder = folder.string();
        return false;
    }
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(name.c_str());
        SetError(error, FileAction::Write, dest.string(), err);
        return false;
    }
    *tempPath = name;
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced still holds the new file.
void SyncFolder(const fs::path& dest) {
    const fs::path folder = dest.parent_path().empty() ? fs::path(".") : dest.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void AppendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append(kLineEnd);
}

bool WriteTextFile(const std::string& path, const std::string& bytes, FileError* error) {
    fs::path dest;
    if (!ResolveLinks(path, &dest, error)) return false;
    struct stat st {};
    const bool exists = ::stat(dest.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        SetError(error, FileAction::Write, path, EISDIR);
        return false;
    }
    if (exists && !S_ISREG(st.st_mode)) return WriteToDevice(dest.string(), bytes, error);
    if (!exists && !path.empty() && path.back() == '/') {
        SetError(error, FileAction::Write, path, ENOENT);
        return false;
    }
    // A complete copy beside the destination replaces it in one rename, so a full disk, a
    // crash or a second writer never leaves a half-written file where a good one was.
    const mode_t mode = exists ? (st.st_mode & 07777) : NewFileMode();
    std::string temp;
    if (!WriteTemporary(dest, bytes, mode, &temp, error)) return false;
    if (std::rename(temp.c_str(), dest.c_str()) != 0) {
        const int err = errno;
        if (err == ENOENT && !fs::exists(fs::symlink_status(temp))) {
            SetError(error, FileAction::Replace, path, err);
            if (error) {
                error->fault = FileFault::TemporaryRemoved;
                error->other = temp;
            }
        } else {
            ::unlink(temp.c_str());
            SetError(error, FileAction::Replace, path, err);
        }
        return false;
    }
    SyncFolder(dest);
    return true;
}

}  // namespace fenra
