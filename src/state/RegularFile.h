#pragma once
// Opening a file for reading only when it is a regular file. A FIFO would block the open (and
// then the read) until another program writes to it, a device may never end, and a folder
// fails only at the first read: each is refused before anything is read from it.

#include <string>

namespace fenra {

// What a path names; the messages word it (messages/PathKindMessages.h).
enum class PathKind { Regular, Folder, Fifo, Device, Socket, Other };

struct RegularFile {
    int fd = -1;  // open for reading, blocking reads; -1 when refused or failed
    int err = 0;  // errno of the failed open or fstat; 0 otherwise
    PathKind kind = PathKind::Regular;  // what was found instead of a regular file
    long long size = 0;                 // bytes, when opened

    bool Opened() const { return fd >= 0; }
    bool NotRegular() const { return kind != PathKind::Regular; }
};

// Opens path with O_NONBLOCK (an open that cannot block), checks with fstat that it is a
// regular file, then turns blocking reads back on. The caller closes fd.
RegularFile OpenRegularFile(const std::string& path);

}  // namespace fenra
