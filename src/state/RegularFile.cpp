#include "state/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace fenra {

namespace {

PathKind KindOf(mode_t mode) {
    if (S_ISREG(mode)) return PathKind::Regular;
    if (S_ISDIR(mode)) return PathKind::Folder;
    if (S_ISFIFO(mode)) return PathKind::Fifo;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return PathKind::Device;
    if (S_ISSOCK(mode)) return PathKind::Socket;
    return PathKind::Other;
}

}  // namespace

RegularFile OpenRegularFile(const std::string& path) {
    RegularFile f;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        f.err = errno;
        return f;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        f.err = errno;
        ::close(fd);
        return f;
    }
    f.kind = KindOf(st.st_mode);
    if (f.NotRegular()) {
        ::close(fd);
        return f;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    f.fd = fd;
    f.size = static_cast<long long>(st.st_size);
    return f;
}

}  // namespace fenra
